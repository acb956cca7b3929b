// The installed program keeps a record of the game: a few keys on the board,
// then `corvella --export` beside it writes the steps as CSV and the result
// as PDF while the board is still open.
#include "tests/e2e/boardreader.h"
#include "tests/e2e/desktop.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestEndToEndGameLog : public QObject
{
    Q_OBJECT

    std::unique_ptr<Desktop> desktop;
    QTemporaryDir install;
    QTemporaryDir config;
    QString boardId;

    BoardReader board()
    {
        return BoardReader(desktop->screenshot(QStringLiteral("gamelog")),
                           desktop->geometry(boardId));
    }

    bool scoreReads(bool home, const QString &expected)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 5000) {
            const BoardReader b = board();
            if ((home ? b.homeScore(0) : b.guestScore(0)) == expected)
                return true;
        }
        return false;
    }

    // The installed program's --export, with the board's state folder.
    int exportTo(const QString &file, QString *err)
    {
        QProcess process;
        QProcessEnvironment env = desktop->environment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), config.path() + QStringLiteral("/state"));
        process.setProcessEnvironment(env);
        process.start(install.path() + QStringLiteral("/bin/corvella"),
                      {QStringLiteral("--export"), file});
        if (!process.waitForFinished(30'000))
            return -1;
        *err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

private slots:
    void initTestCase()
    {
        desktop = std::make_unique<Desktop>(QSize(1920, 1080));
        QString why;
        if (!desktop->startDisplay(&why))
            QSKIP(qPrintable(QStringLiteral("cannot run end-to-end checks: ") + why));
    }

    void cleanupTestCase() { desktop.reset(); }

    void keysOnTheBoardComeOutAsRowsAndAResult()
    {
        QString why;
        QVERIFY2(desktop->startInstalledProgram(install.path(), config.path(), &why),
                 qPrintable(why));
        const QString splash = desktop->waitForWindow(QStringLiteral("Form1"));
        QVERIFY2(!splash.isEmpty(), "the start screen did not appear");
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(QStringLiteral("Corvella by Brannick"));
        QVERIFY2(!boardId.isEmpty(), "the scoreboard did not appear");

        desktop->click(board().scorePanelPoint(true, 0));
        desktop->type(QStringLiteral("7"));
        desktop->key(QStringLiteral("Return"));
        QVERIFY(scoreReads(true, QStringLiteral(" 7")));
        desktop->click(board().scorePanelPoint(false, 0));
        desktop->type(QStringLiteral("+5"));
        QVERIFY(scoreReads(false, QStringLiteral(" 5")));
        desktop->key(QStringLiteral("ctrl+z"));
        QVERIFY(scoreReads(false, QStringLiteral(" 0")));

        QTemporaryDir out;
        const QString csv = out.filePath(QStringLiteral("game.csv"));
        QCOMPARE(exportTo(csv, &why), 0);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().trimmed().split('\n');
        QCOMPARE(rows.size(), 4);
        // kind, action, origin; then home 1 and guest 1 after the step.
        const auto fields = [&](int row) {
            const QList<QByteArray> f = rows.at(row).trimmed().split(',');
            return QList<QByteArray>{f.value(2), f.value(3), f.value(4), f.value(14), f.value(15)};
        };
        QCOMPARE(fields(1), (QList<QByteArray>{"action", "Set score", "operator", "7", "0"}));
        QCOMPARE(fields(2), (QList<QByteArray>{"action", "Change score", "operator", "7", "5"}));
        QCOMPARE(fields(3), (QList<QByteArray>{"undo", "Change score", "operator", "7", "0"}));

        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: scripts/install-deps");
        const QString pdf = out.filePath(QStringLiteral("game.pdf"));
        QCOMPARE(exportTo(pdf, &why), 0);
        QProcess text;
        text.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(10'000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput())
                                  .remove(QRegularExpression(QStringLiteral("\\s")));
        QVERIFY2(words.contains(QStringLiteral("Finalscore")) &&
                     words.contains(QStringLiteral("7:0")),
                 qPrintable(words));
        QVERIFY(words.contains(QStringLiteral("ScorechangesP")) ||
                words.contains(QStringLiteral("Scorechanges0:00")));

        QCOMPARE(exportTo(QStringLiteral("/nonexistent/game.csv"), &why), 1);
        QVERIFY2(why.contains(QStringLiteral("cannot write")), qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(TestEndToEndGameLog)
#include "tst_e2e_gamelog.moc"
