#include "game/gamerecord.h"
#include "game/printedresult.h"
#include "game/printtable.h"
#include "tests/support/csvrows.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <limits>

class TestGameRecord : public QObject
{
    Q_OBJECT

private slots:
    void aLogFromANewerVersionIsRefused()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("2030-01-01_1200_A-B.jsonl"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format":"corvella-game-log","version":2,"home":"A"})"
                   "\n");
        file.close();
        QString why;
        QVERIFY(!GameRecord::read(path, &why));
        QVERIFY2(why.contains(QStringLiteral("newer")), qPrintable(why));
    }

    // The header keeps the team as it was chosen; the JSON export carries it.
    void theTeamsInTheHeaderReachTheExport()
    {
        GameRecord header;
        header.version = GameRecord::Version;
        header.home = QStringLiteral("TSV Neustadt");
        header.guest = QStringLiteral("Visitors");
        header.teams.at(0) = Team{QStringLiteral("TSV Neustadt"),
                                  QStringLiteral("TSV"),
                                  QColor(0xff, 0x22, 0),
                                  QColor(Qt::white),
                                  QStringLiteral("/teams/tsv.png"),
                                  {{QStringLiteral("7"), QStringLiteral("Bo")}}};
        const auto back = GameRecord::fromLines(
            {QJsonDocument(header.headerJson()).toJson(QJsonDocument::Compact)});
        QVERIFY(back);
        // A logo outside this computer's team library is not the log's to name.
        QVERIFY(back->teams.at(0)->logo.isEmpty());
        header.teams.at(0)->logo.clear();
        QCOMPARE(back->teams, header.teams);
        const QJsonObject json = QJsonDocument::fromJson(back->toJson()).object();
        QCOMPARE(json.value(QStringLiteral("homeTeam")).toObject().value(QStringLiteral("color")),
                 QStringLiteral("#ff2200"));
        QVERIFY(!json.contains(QStringLiteral("guestTeam")));
    }

    // Logs written before steps had ids kept the board's words as the action.
    void anOldLogLineReadsWithItsTextAsLabel()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("2026-11-01_1000_A-B.jsonl"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            R"({"format":"corvella-game-log","version":1,"started":"2026-11-01T10:00:00.000Z"})"
            "\n"
            R"({"n":1,"time":"2026-11-01T10:00:01.000Z","kind":"action",)"
            R"("action":"Uhr starten oder stoppen","origin":"operator","period":1,)"
            R"("phase":"play","clockMs":0,"running":true,"beforePeriod":1,)"
            R"("beforeClockMs":0,"before":[0,0,0,0],"after":[0,0,0,0],"timeout":null})"
            "\n");
        file.close();
        const auto record = GameRecord::read(path);
        QVERIFY(record);
        QCOMPARE(record->damagedLines, 0);
        QCOMPARE(record->entries.size(), 1);
        QCOMPARE(record->entries.first().action, QString());
        QCOMPARE(record->entries.first().label, QStringLiteral("Uhr starten oder stoppen"));
        const QList<QStringList> rows = parseCsv(record->toCsv());
        QCOMPARE(rows.at(1).mid(3, 2),
                 (QStringList{QString(), QStringLiteral("Uhr starten oder stoppen")}));
    }

    // A log from elsewhere names its logo by a path: only a file in this
    // computer's team library is used, whatever way the path goes there.
    void aLogoIsReadOnlyFromTheTeamLibrary_data()
    {
        QTest::addColumn<QString>("logo"); // relative to a folder holding "teams"
        QTest::addColumn<bool>("used");
        QTest::newRow("in the library") << u"data/Corvella/teams/lions.png"_qs << true;
        QTest::newRow("elsewhere") << u"private.png"_qs << false;
        QTest::newRow("out of the library by ..")
            << u"data/Corvella/teams/../../../private.png"_qs << false;
        QTest::newRow("a link in the library to elsewhere")
            << u"data/Corvella/teams/link.png"_qs << false;
        QTest::newRow("the library's folder itself") << u"data/Corvella/teams"_qs << false;
        QTest::newRow("a file that is not there") << u"data/Corvella/teams/none.png"_qs << false;
    }
    void aLogoIsReadOnlyFromTheTeamLibrary()
    {
        QFETCH(QString, logo);
        QFETCH(bool, used);
        QTemporaryDir root;
        const QByteArray before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", root.filePath(u"data"_qs).toLocal8Bit());
        QDir().mkpath(root.filePath(u"data/Corvella/teams"_qs));
        for (const QString &image : {u"data/Corvella/teams/lions.png"_qs, u"private.png"_qs}) {
            QFile file(root.filePath(image));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("png") == 3);
        }
        QVERIFY(QFile::link(root.filePath(u"private.png"_qs),
                            root.filePath(u"data/Corvella/teams/link.png"_qs)));
        GameRecord header;
        header.version = GameRecord::Version;
        header.teams.at(0) = Team{u"Lions"_qs, {}, {}, {}, root.filePath(logo), {}};
        const auto back = GameRecord::fromLines(
            {QJsonDocument(header.headerJson()).toJson(QJsonDocument::Compact)});
        qputenv("XDG_DATA_HOME", before);
        QVERIFY(back && back->teams.at(0));
        QCOMPARE(!back->teams.at(0)->logo.isEmpty(), used);
    }

    // Numbers no board writes, through every reader of a log: each is
    // refused or read in range (the sanitizers' build reports any overflow).
    void hostileNumbersAreReadInRange_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("step");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("steps");
        const QByteArray header = R"({"format":"corvella-game-log","version":1,)"
                                  R"("started":"2026-12-08T10:00:00.000Z","periods":2})";
        const QByteArray step = R"({"n":1,"time":"2026-12-08T10:01:00.000Z","kind":"action",)"
                                R"("period":2,"beforePeriod":1,"phase":"play","clockMs":5,)"
                                R"("beforeClockMs":0,"before":[0,0,null,null],)"
                                R"("after":[1,0,null,null],"timeout":"home"})";
        const auto with = [](QByteArray line, const char *from, const char *to) {
            return line.replace(from, to);
        };
        QTest::newRow("as a board writes it") << header << step << true << 1;
        QTest::newRow("periods 2147483647")
            << with(header, "\"periods\":2", "\"periods\":2147483647") << step << false << 0;
        QTest::newRow("periods -1")
            << with(header, "\"periods\":2", "\"periods\":-1") << step << false << 0;
        QTest::newRow("periods 1e300")
            << with(header, "\"periods\":2", "\"periods\":1e300") << step << false << 0;
        QTest::newRow("period 2147483647")
            << header << with(step, "\"period\":2", "\"period\":2147483647") << true << 0;
        QTest::newRow("before period 2147483647")
            << header << with(step, "\"beforePeriod\":1", "\"beforePeriod\":2147483647") << true
            << 0;
        QTest::newRow("clock 1e300")
            << header << with(step, "\"clockMs\":5", "\"clockMs\":1e300") << true << 0;
        QTest::newRow("clock 9223372036854775807")
            << header << with(step, "\"clockMs\":5", "\"clockMs\":9223372036854775807") << true
            << 0;
        QTest::newRow("a score of 2147483647")
            << header << with(step, "[1,0,null,null]", "[2147483647,0,null,null]") << true << 0;
        QTest::newRow("set points 2147483647")
            << header << with(step, "\"timeout\"", "\"set\":[2147483647,0],\"timeout\"") << true
            << 0;
    }
    // The half of a period for any count of periods, without overflow.
    void theHalfOfAPeriodForEveryCount()
    {
        constexpr int most = std::numeric_limits<int>::max();
        QCOMPARE(GameStructure(most, {}, 0).halfOf(most), 1);
        QCOMPARE(GameStructure(most, {}, 0).halfOf(most / 2 + 1), 0);
        QCOMPARE(GameStructure(most - 1, {}, 0).halfOf(most / 2 + 1), 1);
        QCOMPARE(GameStructure(4, {}, 0).halfOf(2), 0);
        QCOMPARE(GameStructure(4, {}, 0).halfOf(3), 1);
        QCOMPARE(GameStructure(3, {}, 0).halfOf(2), 0);
        QCOMPARE(GameStructure(3, {}, 0).halfOf(3), 1);
    }

    // A printed table spans the width it was given, however many values:
    // the names' column first, the values' columns side by side after it,
    // all of one width.
    void aTablesColumnsFillItsWidth_data()
    {
        QTest::addColumn<qreal>("left");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<qreal>("nameShare");
        QTest::addColumn<int>("values");
        QTest::newRow("one half's timeouts") << 0.0 << 510.0 << 0.34 << 1;
        QTest::newRow("twelve periods and the total") << 0.0 << 510.0 << 0.34 << 13;
        QTest::newRow("the guest's players, right of the home's") << 261.0 << 249.0 << 0.5 << 3;
    }
    void aTablesColumnsFillItsWidth()
    {
        QFETCH(qreal, left);
        QFETCH(qreal, width);
        QFETCH(qreal, nameShare);
        QFETCH(int, values);
        const QList<TableColumn> columns = tableColumns(left, width, nameShare, values);
        QCOMPARE(columns.size(), values + 1);
        QCOMPARE(columns.first().left, left);
        QCOMPARE(columns.first().width, width * nameShare);
        for (qsizetype i = 1; i < columns.size(); ++i) {
            QCOMPARE(columns.at(i).left, columns.at(i - 1).left + columns.at(i - 1).width);
            QCOMPARE(columns.at(i).width, columns.at(1).width);
        }
        QCOMPARE(columns.last().left + columns.last().width, left + width);
    }

    void hostileNumbersAreReadInRange()
    {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, step);
        QFETCH(bool, readable);
        QFETCH(int, steps);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"2026-12-08_1000_A-B.jsonl"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(header + '\n' + step + '\n');
        file.close();
        const std::optional<GameRecord> record = GameRecord::read(path);
        QCOMPARE(record.has_value(), readable);
        QCOMPARE(GameRecord::fromLines({header, step}).has_value(), readable);
        if (!record)
            return;
        QCOMPARE(record->entries.size(), steps);
        QCOMPARE(record->timeouts().size(), steps);
        QVERIFY(record->toJson().contains("\"final\""));
        QVERIFY(record->toCsv().startsWith("n,time"));
        QVERIFY(gamePdf(*record).startsWith("%PDF"));
    }
};

CORVELLA_TEST_MAIN(TestGameRecord)
#include "tst_gamerecord.moc"
