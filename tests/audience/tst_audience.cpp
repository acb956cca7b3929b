#include "app/corvellaapp.h"
#include "app/startscreen.h"
#include "audience/audiencedisplay.h"
#include "audience/pointerhider.h"
#include "audience/screensaverinhibitor.h"
#include "display/controls.h"
#include "display/leddigit.h"
#include "scoreboard/operatorhints.h"
#include "scoreboard/scoreboardwindow.h"
#include "tests/support/appdriver.h"
#include "tests/support/boardtext.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <qpa/qplatformscreen.h>
#include <qpa/qwindowsysteminterface.h>

// A projector plugged in beside the laptop's screen, as the platform reports it.
class Projector : public QPlatformScreen
{
public:
    explicit Projector(const QString &name) : m_name(name) {}
    QRect geometry() const override { return {3000, 0, 1920, 1080}; }
    int depth() const override { return 32; }
    QImage::Format format() const override { return QImage::Format_RGB32; }
    QString name() const override { return m_name; }

    static Projector *plugIn(const QString &name)
    {
        auto *screen = new Projector(name);
        QWindowSystemInterface::handleScreenAdded(screen);
        return screen;
    }
    // Qt deletes the screen.
    static void unplug(Projector *screen) { QWindowSystemInterface::handleScreenRemoved(screen); }

private:
    QString m_name;
};

// Stands in for the desktop's screen saver on a private session bus.
class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList calls;

public slots:
    uint Inhibit(const QString &application, const QString &)
    {
        calls << QStringLiteral("Inhibit ") + application;
        return 42;
    }
    void UnInhibit(uint cookie) { calls << QStringLiteral("UnInhibit %1").arg(cookie); }
};

class TestAudience : public QObject
{
    Q_OBJECT

    FakeServices fakes;

private slots:
    void init()
    {
        QDir(GameStateFile::defaultFolder()).removeRecursively();
        TestEnvironment::clearStore();
    }

    void theScreenForTheAudience()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        QScreen *only = screens.first();
        // One screen: the audience shares the operator's.
        QCOMPARE(AudienceDisplay::chooseScreen(screens, only, 0), only);
        QCOMPARE(AudienceDisplay::chooseScreen(screens, only, 1), only);
        QCOMPARE(AudienceDisplay::chooseScreen(screens, only, 7), only);
        QCOMPARE(AudienceDisplay::chooseScreen({}, only, 0), nullptr);
        // Another screen is preferred to the operator's; a named one wins.
        QCOMPARE(AudienceDisplay::chooseScreen({only, nullptr}, nullptr, 0), only);
        QCOMPARE(AudienceDisplay::chooseScreen({only, nullptr}, only, 2), nullptr);
    }

    void f2ShowsTheSameGameOnTheAudienceDisplay()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QVERIFY(!board->showsOperatorHints()); // one window: the board as it always was
        QTest::keyClick(board, Qt::Key_F2);
        QVERIFY(app.audience().isOn());
        auto *view = qobject_cast<BoardView *>(app.audience().view());
        QVERIFY(view);
        QVERIFY(!qobject_cast<ScoreBoardWindow *>(view)); // a view of the game, not a second board
        QCOMPARE(view->windowTitle(), QStringLiteral("Corvella - audience"));
        QVERIFY(view->isFullScreen());
        QVERIFY(view->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(board->showsOperatorHints());

        // A change shows on both boards at once.
        app.game().setScore(GameModel::Guest2, 42);
        QCOMPARE(view->guest2Digits()[1]->caption(), 4);
        QCOMPARE(view->guest2Digits()[0]->caption(), 2);
        app.game().enterClockTime(750);
        QCOMPARE(faceText(view->clockDigits()), QStringLiteral("12:30.0"));

        // The audience's board takes no commands and shows no dialog.
        QTest::keyClicks(view, QStringLiteral("cs"));
        QCOMPARE(fakes.dialogs.questions, 0);
        QVERIFY(!app.game().isRunning());

        // Sharing the operator's only screen, it tells how to close it, and Esc does.
        QVERIFY(app.audience().sharesOperatorScreen());
        QVERIFY(view->findChild<QLabel *>(QStringLiteral("audienceCloseHint"))
                    ->text()
                    .contains(QStringLiteral("F2 or Esc")));
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!app.audience().isOn());
        QVERIFY(!board->showsOperatorHints());
        QVERIFY(board->isVisible());
    }

    void closingTheBoardTakesTheAudienceDisplayWithIt()
    {
        CorvellaApp app(fakes.services());
        QPointer<ScoreBoardWindow> board = openBoard(app);
        app.audience().turnOn(nullptr, 0); // on a screen of its own, out of the operator's reach
        QVERIFY(app.audience().isOn());
        board->close();
        QTRY_VERIFY(!board);
        QVERIFY(!app.audience().isOn());
    }

    void aScreenThatGoesTakesTheDisplayAndBringsItBack()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        AudienceDisplay &audience = app.audience();
        audience.turnOn(nullptr, 0); // as if on a second screen
        QVERIFY(audience.isOn());
        QVERIFY(!audience.sharesOperatorScreen());
        QScreen *screen = audience.view()->screen();
        board->runCommandKey('s');
        audience.screenRemoved(screen);
        QVERIFY(!audience.isOn());
        QVERIFY(app.game().isRunning()); // the game is not disturbed
        audience.screenAdded(screen);
        QVERIFY(audience.isOn());
        audience.turnOff();
        audience.screenAdded(screen); // switched off by the operator: stays off
        QVERIFY(!audience.isOn());
    }

    void unpluggingAndPluggingTheProjectorMidGame()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        Projector *projector = Projector::plugIn(QStringLiteral("HDMI-1"));
        AudienceDisplay &audience = app.audience();
        QTest::keyClick(board, Qt::Key_F2);
        QVERIFY(audience.isOn());
        QCOMPARE(audience.view()->screen()->name(), QStringLiteral("HDMI-1"));
        QVERIFY(!audience.sharesOperatorScreen());
        board->runCommandKey('s');
        app.game().setScore(GameModel::Home1, 12);

        Projector::unplug(projector);
        QVERIFY(!audience.isOn());
        QTest::qWait(0); // the closed view is deleted
        QVERIFY(app.game().isRunning());
        QCOMPARE(app.game().state().scores[GameModel::Home1], 12);
        QVERIFY(board->isVisible());

        // Another screen is not the projector the audience was watching.
        Projector *other = Projector::plugIn(QStringLiteral("DP-2"));
        QVERIFY(!audience.isOn());
        projector = Projector::plugIn(QStringLiteral("HDMI-1"));
        QVERIFY(audience.isOn());
        QCOMPARE(audience.view()->screen()->name(), QStringLiteral("HDMI-1"));
        QCOMPARE(audience.view()->geometry(), projector->geometry());
        QVERIFY(app.game().isRunning());

        audience.turnOff();
        Projector::unplug(projector);
        Projector::unplug(other);
        QVERIFY(!audience.isOn());
    }

    void hintsTellTheOperatorWhatTheKeysDo()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        board->show();
        QVERIFY(QTest::qWaitForWindowActive(board));
        board->setOperatorHints(true);
        auto *hints = board->findChild<OperatorHints *>();
        QVERIFY(hints);
        const auto &c = board->controls();

        c.clockPanel->setFocus();
        QCOMPARE(hints->framed(), c.clockPanel);
        QVERIFY(hints->text().contains(QStringLiteral("takes no keys")));

        LedDigit *digit = board->clockDigits()[3];
        digit->setFocus();
        QCOMPARE(hints->framed(), c.clockPanel);
        QVERIFY(!hints->text().contains(QStringLiteral("takes no keys")));
        QTest::keyClicks(digit, QStringLiteral("12.3"));
        QVERIFY(hints->text().contains(QStringLiteral("Typed: 12.3")));
        QTest::keyClick(digit, Qt::Key_Space);
        QVERIFY(!hints->text().contains(QStringLiteral("Typed")));

        c.home1Panel->setFocus();
        QCOMPARE(hints->framed(), c.home1Panel);
        QTest::keyClicks(c.home1Panel, QStringLiteral("S"));
        QVERIFY(hints->text().contains(QStringLiteral("Caps Lock")));
        QVERIFY(!app.game().isRunning());
        QTest::keyClicks(c.home1Panel, QStringLiteral("s"));
        QVERIFY(!hints->text().contains(QStringLiteral("Caps Lock")));
        QVERIFY(app.game().isRunning());
    }

    void thePointerHidesOverAFullScreenBoard()
    {
        QWidget window;
        auto *hider = new PointerHider(&window);
        auto *idle = hider->findChild<QTimer *>();
        QCOMPARE(idle->interval(), 3000);
        window.showFullScreen();
        QSignalSpy expired(idle, &QTimer::timeout);
        idle->start(0); // three quiet seconds, without waiting for them
        QVERIFY(expired.wait());
        QVERIFY(hider->isHidden());
        QCOMPARE(window.cursor().shape(), Qt::BlankCursor);
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), window.mapToGlobal(QPointF(10, 10)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QVERIFY(!hider->isHidden());
        QVERIFY(idle->isActive());
        window.showNormal();
        idle->start(0);
        QVERIFY(expired.wait());
        QVERIFY(!hider->isHidden()); // only in full screen
    }

    void screenSaver()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            QSKIP("no session bus: run under dbus-run-session");
        FakeScreenSaver fake;
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &fake,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));

        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        board->runCommandKey('s'); // the clock runs: no screen saver
        QTRY_COMPARE(fake.calls, QStringList{QStringLiteral("Inhibit Corvella")});
        QTRY_VERIFY(app.screenSaverInhibitor().isInhibiting());
        board->runCommandKey('s');
        QTRY_COMPARE(fake.calls.size(), 2);
        QCOMPARE(fake.calls.last(), QStringLiteral("UnInhibit 42"));
        board->showFullScreen();
        QTRY_COMPARE(fake.calls.size(), 3);
    }
};

CORVELLA_TEST_MAIN(TestAudience)
#include "tst_audience.moc"
