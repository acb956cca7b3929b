#include "app/hallwindow.h"
#include "hall/hallfeed.h"
#include "i18n/language.h"
#include "tests/support/testenv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTabWidget>
#include <QTableWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

constexpr int LinkDeadlineMs = 15000;

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString cell(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table ? table->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

// A court speaking on the hall's own broker with its own password.
bool publishAsCourt(const HallServer &hall, const QString &court, const QString &leaf,
                    const QByteArray &payload)
{
    const std::optional<JoinCode> code = hall.joinCode(court);
    if (!code)
        return false;
    QProcess publish;
    publish.start(u"mosquitto_pub"_qs,
                  {u"-h"_qs, u"127.0.0.1"_qs, u"-p"_qs, QString::number(code->port), u"--cafile"_qs,
                   hall.caFile(), u"-u"_qs, u"cup-"_qs + court, u"-P"_qs, code->password, u"-q"_qs,
                   u"1"_qs, u"-r"_qs, u"-t"_qs, u"corvella/v1/cup/"_qs + court + u'/' + leaf,
                   u"-m"_qs, QString::fromUtf8(payload)});
    return publish.waitForFinished(10000) && publish.exitCode() == 0;
}

void keep(QWidget *widget, const QString &name)
{
    QDir().mkpath(QStringLiteral(CORVELLA_ARTIFACTS "/hall"));
    widget->grab().save(QStringLiteral(CORVELLA_ARTIFACTS "/hall/window-%1.png").arg(name));
}

} // namespace

class TestHallWindow : public QObject
{
    Q_OBJECT

private slots:
    // A volunteer's day in Dutch: the schedule imported, a court joined and
    // playing, the standings and the join codes at hand.
    void theHallWindowShowsTheDayInDutch()
    {
        auto translators = installTranslations(*qApp, u"nl"_qs);
        QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
        QFile store(TestEnvironment::storeFile());
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write("[HallServiceSettings]\nOwnBrokerAddress=127.0.0.1\nOwnBrokerPort=" +
                    QByteArray::number(freePort()) + "\nVenue=cup\nLanguage=nl\n");
        store.close();
        QTemporaryDir state;
        QFile day(state.filePath(u"dag.csv"_qs));
        QVERIFY(day.open(QIODevice::WriteOnly));
        // As a Dutch spreadsheet writes it.
        day.write("tijd;veld;thuis;gasten;voorinstelling;groep\r\n09:00;1;Dynamo Apeldoorn;Kwiek;"
                  "Korfbal;A\r\n09:00;2;Oranje Wit;DOS;Korfbal;A\r\n10:00;1;Kwiek;Oranje Wit;"
                  "Korfbal;A\r\n10:00;2;Dynamo Apeldoorn;DOS;Korfbal;A\r\n");
        day.close();

        HallWindow window({state.path(), freePort(), day.fileName(), {}, {}, {}});
        window.resize(1100, 640);
        window.show();
        HallServer &hall = *window.server();
        QTRY_VERIFY_WITH_TIMEOUT(hall.isLinkUp(), LinkDeadlineMs);
        QCOMPARE(hall.joinableCourts(), (QStringList{u"1"_qs, u"2"_qs}));

        const QJsonObject playing{{u"at"_qs, QDateTime::currentMSecsSinceEpoch()},
                                  {u"game"_qs, u"g1"_qs},
                                  {u"scores"_qs, QJsonArray{7, 5}},
                                  {u"clock"_qs, QJsonObject{{u"ms"_qs, 754000},
                                                            {u"countDown"_qs, true},
                                                            {u"running"_qs, false},
                                                            {u"period"_qs, 1},
                                                            {u"periods"_qs, 2},
                                                            {u"phase"_qs, u"play"_qs}}},
                                  {u"board"_qs, QJsonObject{{u"home"_qs, u"Dynamo Apeldoorn"_qs},
                                                            {u"guest"_qs, u"Kwiek"_qs}}}};
        QVERIFY(publishAsCourt(hall, u"1"_qs, u"online"_qs, "1"));
        QVERIFY(publishAsCourt(hall, u"1"_qs, u"state"_qs,
                               QJsonDocument(playing).toJson(QJsonDocument::Compact)));

        auto *courts = window.findChild<QTableWidget *>(u"tblHallCourts"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(cell(courts, 0, 2), u"7 : 5"_qs, LinkDeadlineMs);
        QCOMPARE(cell(courts, 0, 1), u"Dynamo Apeldoorn - Kwiek"_qs);
        QCOMPARE(cell(courts, 0, 3), u"12:34"_qs);
        QCOMPARE(cell(courts, 0, 4), u"Online"_qs);
        auto *tabs = window.findChild<QTabWidget *>(u"tabsHall"_qs);
        QCOMPARE(tabs->tabText(1), u"Programma"_qs);
        keep(&window, u"courts"_qs);

        auto *schedule = window.findChild<QTableWidget *>(u"tblHallSchedule"_qs);
        QCOMPARE(schedule->rowCount(), 4);
        tabs->setCurrentIndex(1);
        keep(&window, u"schedule"_qs);
        tabs->setCurrentIndex(2);
        const QList<QTableWidget *> standings =
            window.findChildren<QTableWidget *>(u"tblStandings"_qs);
        QCOMPARE(standings.size(), 1);
        QCOMPARE(standings.first()->rowCount(), 4);
        keep(&window, u"standings"_qs);
        tabs->setCurrentIndex(4);
        auto *codes = window.findChild<QTableWidget *>(u"tblJoinCodes"_qs);
        QCOMPARE(codes->rowCount(), 2);
        QVERIFY(cell(codes, 1, 1).startsWith(u"corvella-hall://2:"_qs));
        keep(&window, u"join-codes"_qs);
        for (QTranslator *translator : translators)
            qApp->removeTranslator(translator);
    }
};

CORVELLA_TEST_MAIN(TestHallWindow)
#include "tst_hallwindow.moc"
