#include "game/gamerecord.h"
#include "tests/support/csvrows.h"
#include "tests/support/testenv.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

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
};

CORVELLA_TEST_MAIN(TestGameRecord)
#include "tst_gamerecord.moc"
