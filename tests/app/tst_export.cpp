#include "app/export.h"
#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"
#include "web/reportpage.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

class TestExport : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

    // Two periods: 2 : 1 after the first, 3 : 4 at the end; a guest timeout
    // in the second (ended early), and a home timeout taken back.
    static QString playGame(const QString &folder, ManualTimeSource &time)
    {
        GameModel game(time);
        GameStructure rules{2, {}, 0};
        rules.timeouts.perGame = 2;
        game.setStructure(rules);
        GameHistory history(game);
        GameLog log(folder, game, history);
        log.setCaptions(QStringLiteral("Lions"), QStringLiteral("Tigers"), QString(), QString());
        log.begin(false);
        const auto score = [&](int which, int value) {
            time.now += 30'000;
            history.perform(QStringLiteral("score"),
                            [=](GameModel &g) { g.setScore(which, value); });
        };
        history.perform(QStringLiteral("start"), [](GameModel &g) { g.startStop(); });
        score(GameModel::Home1, 2);
        score(GameModel::Guest1, 1);
        history.perform(QStringLiteral("next"), [](GameModel &g) { g.nextPeriod(); });
        for (const auto team : {GameModel::Guest, GameModel::Guest, GameModel::Home})
            history.perform(QStringLiteral("timeout"),
                            [team](GameModel &g) { g.takeTimeout(team); });
        history.undo();
        score(GameModel::Home1, 3);
        score(GameModel::Guest1, 4);
        return log.currentPath();
    }

private slots:
    void thePdfHoldsTeamsFinalAndPeriods()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: scripts/install-deps");
        QTemporaryDir folder;
        playGame(folder.path(), time);
        const QString pdf = folder.filePath(QStringLiteral("game.pdf"));
        QCOMPARE(runExport(pdf, QString(), folder.path()), 0);
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(10'000));
        // Table cells come out with or without their spaces.
        const QString text = QString::fromUtf8(process.readAllStandardOutput())
                                 .remove(QRegularExpression(QStringLiteral("\\s")));
        QVERIFY2(text.contains(QStringLiteral("Lions–Tigers")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Final3:4Period")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Period12:1")));
        QVERIFY(text.contains(QStringLiteral("Period23:4")));
        QVERIFY2(text.contains(QStringLiteral("TimeoutsTigersP20:00")) &&
                     !text.contains(QStringLiteral("LionsP2")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("P10:302:0·P11:002:1·P20:003:1·P20:003:4")));
        QVERIFY(!text.contains(QStringLiteral("Section2")));
    }

    void eachFormatByItsName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("csv") << QStringLiteral("game.csv") << QByteArray("n,time,kind,action");
        QTest::newRow("json") << QStringLiteral("GAME.JSON") << QByteArray("{");
        QTest::newRow("pdf") << QStringLiteral("game.pdf") << QByteArray("%PDF");
    }
    void eachFormatByItsName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QTemporaryDir folder;
        const QString log = playGame(folder.path(), time);
        const QString file = folder.filePath(name);
        QCOMPARE(runExport(file, log, QStringLiteral("/nonexistent")), 0);
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith(start));
    }

    void theWebReportServesTheNewestGame_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("words"); // what the page says, and the 404
        QTest::newRow("page") << QByteArray("/report") << QByteArray("text/html; charset=utf-8")
                              << QByteArray("<!DOCTYPE html>") << QByteArray()
                              << QByteArray("Final:|No game has been recorded yet.");
        QTest::newRow("page in Dutch")
            << QByteArray("/report") << QByteArray("text/html; charset=utf-8")
            << QByteArray("<!DOCTYPE html>") << QByteArray("nl-BE,nl;q=0.9")
            << QByteArray("Eindstand:|Er is nog geen wedstrijd vastgelegd.");
        QTest::newRow("csv") << QByteArray("/report.csv") << QByteArray("text/csv; charset=utf-8")
                             << QByteArray("n,time,kind,action") << QByteArray() << QByteArray();
        QTest::newRow("json") << QByteArray("/report.json") << QByteArray("application/json")
                              << QByteArray("{") << QByteArray() << QByteArray();
    }
    void theWebReportServesTheNewestGame()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, words);
        HttpFront::Request request{"GET", path, {}, "HTTP/1.1", {}, {}, {}};
        request.headers = {{"accept-language", language}};
        QTemporaryDir folder;
        const auto none = reportAnswer(request, folder.path());
        QCOMPARE(none->status, 404);
        QVERIFY(words.isEmpty() || none->body.startsWith(words.split('|').last()));
        playGame(folder.path(), time);
        const auto answer = reportAnswer(request, folder.path());
        QVERIFY(answer);
        QCOMPARE(answer->status, 200);
        QCOMPARE(answer->type, type);
        QVERIFY(answer->body.startsWith(start));
        QVERIFY(answer->body.contains("Tigers") || path == "/report.csv");
        QVERIFY(words.isEmpty() || answer->body.contains(words.split('|').first()));
        request.path += 'x';
        QVERIFY(!reportAnswer(request, folder.path()));
    }

    void whatCannotBeDoneExitsWithOne_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("no folder") << QStringLiteral("/nonexistent/game.csv");
        QTest::newRow("unknown format") << QStringLiteral("game.txt");
    }
    void whatCannotBeDoneExitsWithOne()
    {
        QFETCH(QString, file);
        QTemporaryDir folder;
        playGame(folder.path(), time);
        QCOMPARE(runExport(file, QString(), folder.path()), 1);
        QTemporaryDir empty;
        QCOMPARE(runExport(empty.filePath(QStringLiteral("x.csv")), QString(), empty.path()), 1);
    }
};

CORVELLA_TEST_MAIN(TestExport)
#include "tst_export.moc"
