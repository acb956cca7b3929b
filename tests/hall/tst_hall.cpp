#include "hall/courtpublisher.h"
#include "hall/nextgame.h"
#include "tests/hall/hallfixture.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

namespace {

struct Reply
{
    int status = 0;
    QByteArray type;
    QByteArray body;
};

// One GET from the hall's process; every wait is bounded.
Reply get(quint16 port, const QByteArray &path)
{
    Reply reply;
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(2000))
        return reply;
    socket.write("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    QByteArray all;
    qsizetype headEnd = -1;
    qint64 length = -1;
    for (int reads = 0; reads < 200 && socket.waitForReadyRead(5000); ++reads) {
        all += socket.readAll();
        headEnd = all.indexOf("\r\n\r\n");
        if (headEnd < 0)
            continue;
        for (const QByteArray &line : all.left(headEnd).split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
            if (line.toLower().startsWith("content-type:"))
                reply.type = line.mid(13).trimmed();
        }
        if (length >= 0 && all.size() >= headEnd + 4 + length)
            break;
    }
    if (headEnd < 0)
        return reply;
    reply.status = all.mid(9, 3).toInt();
    reply.body = all.mid(headEnd + 4, length);
    return reply;
}

QJsonObject hallJson(quint16 port)
{
    return QJsonDocument::fromJson(get(port, "/hall.json").body).object();
}

QJsonObject firstCourt(quint16 port)
{
    return hallJson(port).value(u"courts").toArray().at(0).toObject();
}

void writeSettings(const QString &broker)
{
    QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
    QFile store(TestEnvironment::storeFile());
    store.open(QIODevice::WriteOnly);
    store.write("[HallSettings]\nBroker=" + broker.toUtf8() + "\n");
}

// `corvella --hall` on a port of its own.
class HallProcess
{
public:
    bool start(const QString &stateDir, const QStringList &more = {})
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(QStringLiteral(CORVELLA_EXECUTABLE),
                        QStringList{QStringLiteral("--hall"), QStringLiteral("--port"),
                                    QString::number(m_port), QStringLiteral("--state-dir"),
                                    stateDir} +
                            more);
        return m_process.waitForStarted(5000);
    }
    ~HallProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    quint16 port() const { return m_port; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

QList<int> numbersOnDisk(const QString &folder)
{
    QList<int> n;
    const QStringList logs = QDir(folder).entryList({QStringLiteral("*.jsonl")});
    if (logs.size() != 1)
        return n;
    QFile file(folder + u'/' + logs.first());
    file.open(QIODevice::ReadOnly);
    while (!file.atEnd())
        n.append(QJsonDocument::fromJson(file.readLine()).object().value(u"n").toInt(0));
    return n;
}

} // namespace

class TestHall : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

private slots:
    void withoutABrokerTheHallDoesNotStart_data()
    {
        QTest::addColumn<QString>("broker");
        QTest::addColumn<QString>("says");
        QTest::newRow("none") << QString() << u"HallSettings/Broker"_qs;
        QTest::newRow("not host:port") << u"hall.local:mqtt"_qs << u"hall.local:mqtt"_qs;
    }
    void withoutABrokerTheHallDoesNotStart()
    {
        QFETCH(QString, broker);
        QFETCH(QString, says);
        writeSettings(broker);
        QProcess hall;
        hall.start(QStringLiteral(CORVELLA_EXECUTABLE), {QStringLiteral("--hall")});
        QVERIFY(hall.waitForFinished(20000));
        QCOMPARE(hall.exitStatus(), QProcess::NormalExit);
        QCOMPARE(hall.exitCode(), 2);
        const QString err = QString::fromLocal8Bit(hall.readAllStandardError());
        QVERIFY2(err.contains(says), qPrintable(err));
    }

    void theHallServesWhatACourtPublishes()
    {
        TestBroker broker;
        broker.keepSessions();
        QVERIFY(broker.start());
        writeSettings(broker.address());
        QTemporaryDir state;
        // The day's games: the court plays the first; the second goes to it
        // when the first is over.
        QFile day(state.filePath(u"day.csv"_qs));
        QVERIFY(day.open(QIODevice::WriteOnly));
        day.write("time,court,home,guest,preset,group\n09:00,1,Lions,Tigers,Basketball,A\n"
                  "10:30,1,Tigers,Kites,Handball,A\n");
        day.close();
        HallProcess hall;
        QVERIFY(hall.start(state.path(), {u"--schedule"_qs, day.fileName()}));
        QTemporaryDir folder;
        Court court(time, folder.path(), courtSettings(broker.address(), u"1"_qs));
        QList<NextGame> announced;
        connect(&court.link, &CourtLink::nextGameAnnounced, this,
                [&announced](const NextGame &next) { announced << next; });
        court.game.setStructure({2, {}, 0});
        court.score(0, 2);
        court.score(1, 3);
        const auto shownScores = [&] {
            const QJsonArray scores =
                firstCourt(hall.port()).value(u"state").toObject().value(u"scores").toArray();
            return QList<int>{scores.at(0).toInt(-1), scores.at(1).toInt(-1)};
        };
        QTRY_COMPARE_WITH_TIMEOUT(shownScores(), (QList<int>{2, 3}), LinkDeadlineMs);
        QCOMPARE(firstCourt(hall.port()).value(u"court").toString(), u"1"_qs);
        QVERIFY(firstCourt(hall.port()).value(u"online").toBool());

        // A page gets every court when it connects.
        QWebSocket page;
        QStringList received;
        connect(&page, &QWebSocket::textMessageReceived, this,
                [&received](const QString &text) { received << text; });
        page.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live").arg(hall.port())));
        QTRY_VERIFY_WITH_TIMEOUT(!received.isEmpty(), LinkDeadlineMs);
        const QJsonObject snapshot = QJsonDocument::fromJson(received.first().toUtf8()).object();
        QCOMPARE(snapshot.value(u"type").toString(), u"hall"_qs);
        QCOMPARE(snapshot.value(u"courts").toArray().at(0).toObject().value(u"court"), u"1"_qs);
        // ... then the court again as it changes.
        court.score(0, 4);
        QTRY_VERIFY_WITH_TIMEOUT(received.last().contains(u"\"type\":\"court\""), LinkDeadlineMs);

        // The broker dies mid-game, and may lose what it had taken: the court
        // sends its log again from the first line, the broker keeps it for
        // the hall's session until the hall is back, and the hall keeps each
        // line once.
        const quint16 port = broker.port();
        broker.kill();
        QTRY_VERIFY_WITH_TIMEOUT(!court.link.isUp(), LinkDeadlineMs);
        court.score(1, 5);
        QVERIFY(broker.start(port));
        QTRY_VERIFY_WITH_TIMEOUT(court.link.isUp(), LinkDeadlineMs);
        court.history.perform(QStringLiteral("end"), [](GameModel &g) { g.nextPeriod(); });
        court.history.perform(QStringLiteral("end"), [](GameModel &g) { g.nextPeriod(); });
        court.history.perform(QStringLiteral("end"), [](GameModel &g) { g.nextPeriod(); });
        QCOMPARE(court.game.phase(), GamePhase::Final);

        // The hall comes back on its own backoff, up to 10 s after the court.
        QTRY_COMPARE_WITH_TIMEOUT(hallJson(hall.port()).value(u"results").toArray().size(), 1,
                                  2 * LinkDeadlineMs);
        const QJsonObject result =
            hallJson(hall.port()).value(u"results").toArray().at(0).toObject();
        QCOMPARE(result.value(u"home").toString(), u"Lions"_qs);
        QCOMPARE(result.value(u"guest").toString(), u"Tigers"_qs);
        QCOMPARE(result.value(u"scores").toArray().at(0).toInt(), 4);
        QCOMPARE(result.value(u"scores").toArray().at(1).toInt(), 5);
        const QString game = hallGameName(court.log.currentPath());
        QCOMPARE(result.value(u"game").toString(), game);
        // Every line of the court's, once and in order: the header, then steps 1 to n.
        QList<int> expected;
        for (int n = 0; n < court.link.lines().size(); ++n)
            expected.append(n);
        QCOMPARE(expected.size(), 7);
        QCOMPARE(numbersOnDisk(state.filePath(u"hall/hall/1"_qs)), expected);

        const Reply results = get(hall.port(), "/hall/results");
        QCOMPARE(results.status, 200);
        const QByteArray link = "/hall/results/1/" + QUrl::toPercentEncoding(game) + ".pdf";
        QVERIFY2(results.body.contains(link), results.body.constData());
        const Reply pdf = get(hall.port(), link);
        QCOMPARE(pdf.status, 200);
        QCOMPARE(pdf.type, QByteArray("application/pdf"));
        QVERIFY(pdf.body.startsWith("%PDF"));
        // Kept to be looked at.
        QDir().mkpath(QStringLiteral(CORVELLA_ARTIFACTS "/hall"));
        QFile kept(QStringLiteral(CORVELLA_ARTIFACTS "/hall/result.pdf"));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(pdf.body) == pdf.body.size());
        QCOMPARE(get(hall.port(), "/hall/results/1/nothing.pdf").status, 404);

        // The court heard its first game, then the one after it; the
        // schedule's page counts the result.
        QTRY_COMPARE_WITH_TIMEOUT(announced.isEmpty() ? QString() : announced.last().home,
                                  u"Tigers"_qs, LinkDeadlineMs);
        QCOMPARE(announced.first().home, u"Lions"_qs);
        QCOMPARE(announced.last().preset, u"Handball"_qs);
        const Reply standings = get(hall.port(), "/hall/schedule");
        QCOMPARE(standings.status, 200);
        QVERIFY2(standings.body.contains("4 : 5") && standings.body.contains("Kites"),
                 standings.body.constData());
    }
};

CORVELLA_TEST_MAIN(TestHall)
#include "tst_hall.moc"
