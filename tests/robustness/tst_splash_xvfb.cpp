// The start screen on a screen too small for it, under a real window manager
// (jwm on Xvfb): the window manager refuses the full height, and the
// unfolding must end anyway. The screenshot is kept with the artifacts.
#include "app/startscreen.h"
#include "display/twips.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QScreen>

class TestSplashXvfb : public QObject
{
    Q_OBJECT

    QProcess windowManager;

    static bool windowManagerIsUp()
    {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        return xprop.waitForFinished(5000) && xprop.readAll().contains("window id");
    }

private slots:
    void initTestCase()
    {
        windowManager.start(QStringLiteral("jwm"), {});
        if (!windowManager.waitForStarted(5000))
            QSKIP("jwm cannot be started: this check needs a window manager");
        QTRY_VERIFY_WITH_TIMEOUT(windowManagerIsUp(), 10000);
    }

    void cleanupTestCase()
    {
        windowManager.terminate();
        windowManager.waitForFinished(5000);
    }

    void unfoldingEndsWhenTheWindowManagerRefusesTheHeight()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int fullHeight = twipsToPixels(StartScreen::ExpandedTwips);
        qInfo("screen %dx%d, %.0f dpi; the unfolded start screen wants %d px", screen.width(),
              screen.height(), QGuiApplication::primaryScreen()->logicalDotsPerInchY(), fullHeight);

        ScriptedDialogs dialogs;
        StartScreen splash(dialogs, {});
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::mouseClick(splash.findChild<QPushButton *>(QStringLiteral("cmdInstr")),
                          Qt::LeftButton);
        QVERIFY(splash.resizeTimer().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!splash.resizeTimer().isActive(), 5000);
        qInfo("unfolding ended at %d px", splash.height());
        QVERIFY(splash.height() <= std::max(fullHeight + 2, screen.height()));

        const QString folder = QStringLiteral(CORVELLA_ARTIFACTS "/robustness");
        QDir().mkpath(folder);
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            folder + QStringLiteral("/splash-%1x%2.png").arg(screen.width()).arg(screen.height()));
    }
};

CORVELLA_TEST_MAIN(TestSplashXvfb)
#include "tst_splash_xvfb.moc"
