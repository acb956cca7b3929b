// F11 on a 4K screen: the installed program goes full screen and the board
// scales to it, driven by X input and read back from screenshots.
#include "tests/e2e/boardreader.h"
#include "tests/e2e/desktop.h"

#include <QTemporaryDir>
#include <QTest>

class TestFullScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<Desktop> desktop;
    QTemporaryDir install;
    QTemporaryDir config;
    QProcess *corvella = nullptr;

private slots:
    void initTestCase()
    {
        desktop = std::make_unique<Desktop>(QSize(3840, 2160));
        QString why;
        if (!desktop->startDisplay(&why))
            QSKIP(qPrintable(QStringLiteral("cannot run end-to-end checks: ") + why));
        corvella = desktop->startInstalledProgram(install.path(), config.path(), &why);
        QVERIFY2(corvella, qPrintable(why));
    }

    void cleanupTestCase() { desktop.reset(); }

    void fullScreenAtFourK()
    {
        const QString splash = desktop->waitForWindow(QStringLiteral("Form1"));
        QVERIFY(!splash.isEmpty());
        Desktop::waitUntil([&] { return desktop->geometry(splash).width() == 416; }, 5000);
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        const QString board = desktop->waitForWindow(QStringLiteral("Corvella by Brannick"));
        QVERIFY(!board.isEmpty());
        desktop->key(QStringLiteral("F11"));
        Desktop::waitUntil([&] { return desktop->geometry(board) == QRect(0, 0, 3840, 2160); },
                           5000);
        const QRect client = desktop->geometry(board);
        QCOMPARE(client, QRect(0, 0, 3840, 2160));
        BoardReader b(QImage(), client);
        // A 4K screenshot, and the board's first 4K frame, take a loaded
        // machine seconds each; a board that does not scale never reads.
        Desktop::waitUntil(
            [&] {
                b = BoardReader(desktop->screenshot(QStringLiteral("full-screen-3840x2160")),
                                client);
                return b.clock() == QStringLiteral(" 0:00.0");
            },
            20000);
        QCOMPARE(b.clock(), QStringLiteral(" 0:00.0"));
        for (int section : {0, 1}) {
            QCOMPARE(b.homeScore(section), QStringLiteral(" 0"));
            QCOMPARE(b.guestScore(section), QStringLiteral(" 0"));
        }
        desktop->key(QStringLiteral("alt+F4"));
        QVERIFY(corvella->waitForFinished(10000));
        QCOMPARE(corvella->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFullScreen)
#include "tst_fullscreen.moc"
