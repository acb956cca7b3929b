#include "app/corvellaapp.h"
#include "app/startscreen.h"
#include "app/windowplacement.h"
#include "settings/appsettings.h"
#include "settings/settingsstore.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QScreen>

// The board opens where it was last used, and falls back to its design size,
// centred, when that place is no longer on any screen.
class TestWindowPlacement : public QObject
{
    Q_OBJECT

    Settings settings;

    FakeServices fakes;
    const QSize design{632, 453};

    static QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    std::unique_ptr<QWidget> newWindow()
    {
        auto window = std::make_unique<QWidget>();
        window->resize(design);
        return window;
    }

private slots:
    void init() { TestEnvironment::clearStore(); }

    void restoredGeometry_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QRect>("expected");
        const QRect laptop(0, 0, 1366, 768);
        const QRect projector(1366, 0, 1920, 1080);
        QTest::newRow("on the one screen")
            << QList{laptop} << QRect(100, 50, 800, 600) << QRect(100, 50, 800, 600);
        QTest::newRow("on the projector, still there")
            << QList{laptop, projector} << QRect(1500, 20, 1900, 1000)
            << QRect(1500, 20, 1900, 1000);
        QTest::newRow("on the projector, now gone: design size centred")
            << QList{laptop} << QRect(1500, 20, 1900, 1000) << QRect(367, 157, 632, 453);
        QTest::newRow("title bar off the top of the screen")
            << QList{laptop} << QRect(100, -40, 800, 600) << QRect(367, 157, 632, 453);
        QTest::newRow("nothing saved") << QList{laptop} << QRect() << QRect(367, 157, 632, 453);
        QTest::newRow("design size larger than a tiny screen")
            << QList{QRect(0, 0, 600, 400)} << QRect() << QRect(0, 0, 600, 400);
    }

    void restoredGeometry()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, saved);
        QFETCH(QRect, expected);
        const auto savedOrNone = saved.isNull() ? std::nullopt : std::optional(saved);
        QCOMPARE(WindowPlacement::restoredGeometry(savedOrNone, screens, screens.first(), design),
                 expected);
    }

    void aClosedWindowOpensWhereItWas()
    {
        const QRect place = QRect(screenArea().topLeft() + QPoint(30, 40), QSize(500, 400));
        {
            auto window = newWindow();
            WindowPlacement placement;
            placement.attach(window.get());
            window->show();
            window->setGeometry(place);
            window->close();
        }
        QCOMPARE(WindowPlacement::load().value().geometry, place);
        auto window = newWindow();
        WindowPlacement placement;
        placement.attach(window.get());
        QCOMPARE(window->geometry(), place);
        QVERIFY(!window->windowState().testFlag(Qt::WindowFullScreen));
    }

    void movesAreRememberedWithoutAClose()
    {
        auto window = newWindow();
        WindowPlacement placement;
        placement.attach(window.get());
        window->show();
        const QRect place = QRect(screenArea().topLeft() + QPoint(10, 20), QSize(400, 300));
        window->setGeometry(place);
        QTRY_VERIFY(WindowPlacement::load() && WindowPlacement::load()->geometry == place);
    }

    void fullScreenIsRemembered()
    {
        {
            auto window = newWindow();
            WindowPlacement placement;
            placement.attach(window.get());
            window->show();
            window->setWindowState(Qt::WindowFullScreen);
            window->close();
        }
        const auto saved = WindowPlacement::load();
        QVERIFY(saved && saved->fullScreen);
        QVERIFY(saved->geometry.size() != screenArea().size() || saved->geometry.size() == design);
        auto window = newWindow();
        WindowPlacement placement;
        placement.attach(window.get());
        QVERIFY(window->windowState().testFlag(Qt::WindowFullScreen));
    }

    void theCommandLineAsksForFullScreen()
    {
        auto window = newWindow();
        WindowPlacement placement;
        placement.requestFullScreen(true);
        placement.attach(window.get());
        QVERIFY(window->windowState().testFlag(Qt::WindowFullScreen));
        QCOMPARE(window->size(), design); // its size when it leaves full screen
    }

    void aScreenThatIsNotThereIsReported()
    {
        auto window = newWindow();
        WindowPlacement placement;
        placement.requestScreen(7);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no screen 8")));
        placement.attach(window.get());
        QCOMPARE(window->size(), design);
    }

    void theSixteenSettingsStayAsTheyAre()
    {
        Settings settings = defaultSettings();
        settings.HomeText = QStringLiteral("Lions");
        QVERIFY(saveSettings(settings));
        QVERIFY(WindowPlacement::save({QRect(1, 2, 300, 200), true, false}));
        QVERIFY(loadSettings() == settings);
        const auto stored = SettingsStore::read();
        QCOMPARE(stored.value(QStringLiteral("WindowPlacement/Width")), QStringLiteral("300"));
        QCOMPARE(stored.value(QStringLiteral("TextSettings/HomeText")), QStringLiteral("Lions"));
    }

    void theProgramsBoardOpensWhereItWas()
    {
        const QRect place = QRect(screenArea().topLeft() + QPoint(25, 35), QSize(700, 500));
        QVERIFY(WindowPlacement::save({place, false, false}));
        settings = defaultSettings();
        CorvellaApp app(fakes.services());
        app.start();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *s = qobject_cast<StartScreen *>(w); s && s->isVisible())
                s->goToScoreboard();
        }
        QVERIFY(app.scoreboard());
        QCOMPARE(app.scoreboard()->geometry(), place);
    }
};

CORVELLA_TEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
