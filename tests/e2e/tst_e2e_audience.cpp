// The board on a projector: the installed program on an X server with two
// screens (a laptop's 1366 x 768 and a projector's 1920 x 1080), each with
// its own window manager. The operator works on the first; F2 puts the
// audience display full screen on the second. X input only, read back from
// screenshots of both screens.
#include "tests/e2e/boardreader.h"
#include "tests/e2e/desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Board = QStringLiteral("Corvella by Brannick");
const QString Audience = QStringLiteral("Corvella - audience");
const QString StartScreen = QStringLiteral("Form1");
const QString Options = QStringLiteral("Corvella");
const QString ClearQuestion = QStringLiteral("Clear all LEDs?");
const QSize Laptop(1366, 768);
const QSize Projector(1920, 1080);

// What a board shows, for comparing the two views.
struct Face
{
    QString clock, home0, guest0, home1, guest1;

    explicit Face(const BoardReader &b)
        : clock(b.clock()), home0(b.homeScore(0)), guest0(b.guestScore(0)), home1(b.homeScore(1)),
          guest1(b.guestScore(1))
    {
    }
    bool operator==(const Face &) const = default;
    QString text() const
    {
        return QStringLiteral("%1 [%2:%3] [%4:%5]").arg(clock, home0, guest0, home1, guest1);
    }
};

} // namespace

class TestEndToEndAudience : public QObject
{
    Q_OBJECT

    std::unique_ptr<Desktop> desktop;
    QTemporaryDir install;
    QTemporaryDir config;
    QProcess *corvella = nullptr;
    QString boardId;
    int shots = 0;

    QString shotName(const QString &what)
    {
        return QStringLiteral("audience/%1-%2").arg(++shots, 2, 10, QLatin1Char('0')).arg(what);
    }
    BoardReader operatorBoard(const QString &what)
    {
        const QRect client = desktop->geometry(boardId);
        return BoardReader(desktop->screenshot(shotName(QStringLiteral("operator-") + what), 0),
                           client);
    }
    BoardReader audienceBoard(const QString &what)
    {
        return BoardReader(desktop->screenshot(shotName(QStringLiteral("audience-") + what), 1),
                           QRect(QPoint(0, 0), Projector));
    }

    // Waits until both boards show the same, and returns the audience's face.
    QString bothShow(const QString &what)
    {
        QElapsedTimer timer;
        timer.start();
        QString seen;
        while (timer.elapsed() < 5000) {
            const Face audience(audienceBoard(what));
            const Face operatorFace(operatorBoard(what));
            if (audience == operatorFace)
                return audience.text();
            seen = QStringLiteral("operator %1, audience %2")
                       .arg(operatorFace.text(), audience.text());
        }
        return QStringLiteral("different: ") + seen;
    }

    bool operatorScoreReads(bool home, int section, const QString &expected)
    {
        return Desktop::waitUntil(
            [&] {
                const BoardReader b = operatorBoard(QStringLiteral("score"));
                return (home ? b.homeScore(section) : b.guestScore(section)) == expected;
            },
            5000);
    }

    bool onlyOnTheLaptop(const QString &title)
    {
        return !desktop->waitForWindow(title).isEmpty() && desktop->hasWindowOn(0, title) &&
               !desktop->hasWindowOn(1, title);
    }

private slots:
    void initTestCase()
    {
        desktop = std::make_unique<Desktop>(Laptop, Projector);
        QString why;
        if (!desktop->startDisplay(&why))
            QSKIP(qPrintable(QStringLiteral("cannot run end-to-end checks: ") + why));
        corvella = desktop->startInstalledProgram(install.path(), config.path(), &why);
        QVERIFY2(corvella, qPrintable(why));
        const QString splash = desktop->waitForWindow(StartScreen);
        QVERIFY2(!splash.isEmpty(), "the start screen did not appear");
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(Board);
        QVERIFY2(!boardId.isEmpty(), "the scoreboard did not appear");
    }

    void cleanupTestCase() { desktop.reset(); }

    void f2PutsTheAudienceDisplayFullScreenOnTheProjector()
    {
        QVERIFY(!desktop->hasWindowOn(1, Audience));
        desktop->key(QStringLiteral("F2"));
        const QString audience = desktop->waitForWindow(Audience);
        QVERIFY2(!audience.isEmpty(), "F2 did not open the audience display");
        QVERIFY(desktop->hasWindowOn(1, Audience));
        QVERIFY(!desktop->hasWindowOn(0, Audience));
        QVERIFY(Desktop::waitUntil(
            [&] { return desktop->geometry(audience) == QRect(QPoint(0, 0), Projector); }, 5000));
        // The operator's board stays where it was, on the laptop.
        QVERIFY(desktop->hasWindowOn(0, Board));
        QVERIFY(!desktop->hasWindowOn(1, Board));
        QCOMPARE(bothShow(QStringLiteral("opened")),
                 Face(audienceBoard(QStringLiteral("opened-audience"))).text());
    }

    void bothScreensShowEveryEntry()
    {
        desktop->click(operatorBoard(QStringLiteral("before-home")).scorePanelPoint(true, 0));
        desktop->type(QStringLiteral("8"));
        desktop->key(QStringLiteral("Return"));
        QVERIFY(operatorScoreReads(true, 0, QStringLiteral(" 8")));
        desktop->click(operatorBoard(QStringLiteral("before-guest")).scorePanelPoint(false, 1));
        desktop->type(QStringLiteral("+7"));
        QVERIFY(operatorScoreReads(false, 1, QStringLiteral(" 7")));
        desktop->click(operatorBoard(QStringLiteral("before-clock")).clockPoint());
        desktop->type(QStringLiteral("12.30"));
        desktop->key(QStringLiteral("Return"));
        QCOMPARE(bothShow(QStringLiteral("entries")), QStringLiteral("12:30.0 [ 8: 0] [ 0: 7]"));

        desktop->key(QStringLiteral("s"));
        QVERIFY(Desktop::waitUntil(
            [&] {
                return audienceBoard(QStringLiteral("running")).clock() >=
                       QStringLiteral("12:31.0");
            },
            5000));
        desktop->key(QStringLiteral("s"));
        const QString stopped = bothShow(QStringLiteral("stopped"));
        QVERIFY2(stopped.startsWith(QStringLiteral("12:3")) && stopped > QStringLiteral("12:31"),
                 qPrintable(stopped));
    }

    void dialogsAndTheStartScreenStayOnTheLaptop()
    {
        const QString before = Face(audienceBoard(QStringLiteral("before-dialogs"))).text();

        desktop->key(QStringLiteral("c"));
        QVERIFY(onlyOnTheLaptop(ClearQuestion));
        QCOMPARE(Face(audienceBoard(QStringLiteral("clear-question"))).text(), before);
        desktop->key(QStringLiteral("Escape")); // No: nothing is cleared
        QVERIFY(desktop->waitForWindowGone(ClearQuestion));

        desktop->key(QStringLiteral("o"));
        QVERIFY(onlyOnTheLaptop(Options));
        QCOMPARE(Face(audienceBoard(QStringLiteral("options"))).text(), before);
        desktop->key(QStringLiteral("alt+F4")); // as Cancel
        QVERIFY(desktop->waitForWindowGone(Options));

        desktop->key(QStringLiteral("Escape"));
        QVERIFY(onlyOnTheLaptop(StartScreen));
        QVERIFY(desktop->hasWindowOn(1, Audience));
        QCOMPARE(Face(audienceBoard(QStringLiteral("start-screen"))).text(), before);

        const QString splash = desktop->waitForWindow(StartScreen);
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(Board);
        QVERIFY(!boardId.isEmpty());
        QCOMPARE(bothShow(QStringLiteral("back")), before);
    }

    void f2AgainTakesItAway()
    {
        desktop->key(QStringLiteral("F2"));
        QVERIFY(desktop->waitForWindowGone(Audience));
        QVERIFY(desktop->hasWindowOn(0, Board));
    }

    void closingTheBoardEndsTheProgramWithTheAudienceDisplayOn()
    {
        desktop->key(QStringLiteral("F2"));
        QVERIFY(!desktop->waitForWindow(Audience).isEmpty());
        desktop->key(QStringLiteral("alt+F4"));
        QVERIFY(corvella->waitForFinished(10000));
        QVERIFY(!desktop->hasWindowOn(1, Audience));
    }

    // A second start, with periods and sponsors on: a sponsor picture of one
    // colour fills the projector through the break, and the board is back
    // the moment the break is skipped.
    void sponsorsFillTheAudienceDisplayDuringABreak()
    {
        QTemporaryDir settings;
        QTemporaryDir data;
        QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("Corvella/sponsors"))));
        QImage sponsor(800, 450, QImage::Format_RGB32);
        sponsor.fill(QColor(255, 0, 255));
        QVERIFY(sponsor.save(data.filePath(QStringLiteral("Corvella/sponsors/club.png"))));
        QVERIFY(QDir().mkpath(settings.filePath(QStringLiteral("Corvella"))));
        QFile conf(settings.filePath(QStringLiteral("Corvella/Corvella.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[ClockSettings]\nCountDown=1\nPeriodLength=0.02\nPeriods=2\n"
                   "BreakLengths=0.30\n[DisplaySettings]\nAudienceScreen=2\n"
                   "[SponsorSettings]\nEnabled=1\n");
        conf.close();
        QProcessEnvironment dataHome;
        dataHome.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        QString why;
        corvella = desktop->startInstalledProgram(install.path(), settings.path(), &why, dataHome);
        QVERIFY2(corvella, qPrintable(why));
        const QString splash = desktop->waitForWindow(StartScreen);
        QVERIFY(!splash.isEmpty());
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(Board);
        QVERIFY(!boardId.isEmpty());
        QVERIFY(!desktop->waitForWindow(Audience).isEmpty());
        const auto sponsorShare = [this](const QString &what) {
            const QImage shot = desktop->screenshot(shotName(what), 1);
            qint64 magenta = 0;
            for (int y = 0; y < shot.height(); y += 8)
                for (int x = 0; x < shot.width(); x += 8)
                    magenta += shot.pixel(x, y) == qRgb(255, 0, 255);
            return double(magenta) / ((shot.width() / 8) * (shot.height() / 8));
        };
        QVERIFY(sponsorShare(QStringLiteral("pregame")) < 0.01);

        desktop->key(QStringLiteral("s"));
        QVERIFY2(
            Desktop::waitUntil(
                [&] { return sponsorShare(QStringLiteral("sponsors-in-break")) > 0.6; }, 15000),
            "no sponsor on the projector in the break");
        // The operator's board keeps the game and says where the sponsors are.
        desktop->screenshot(shotName(QStringLiteral("operator-during-sponsors")), 0);
        desktop->key(QStringLiteral("k"));
        QVERIFY2(
            Desktop::waitUntil(
                [&] { return sponsorShare(QStringLiteral("board-after-break")) < 0.01; }, 5000),
            "the board did not come back after the break");
        desktop->key(QStringLiteral("alt+F4"));
        QVERIFY(corvella->waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestEndToEndAudience)
#include "tst_e2e_audience.moc"
