#include "display/ledgroup.h"
#include "display/ledlines.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/appsettings.h"
#include "tests/support/boardtext.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

namespace {

} // namespace

class TestRunningClock : public QObject
{
    Q_OBJECT

    FakeServices fakes;

    // Moves time on in steps of one tick, ticking the clock as its timer would.
    void run(frmScoreBoard &board, qint64 ms)
    {
        for (qint64 left = ms; left > 0; left -= RunningClock::TickMs) {
            fakes.time.now += std::min<qint64>(left, RunningClock::TickMs);
            if (board.clock().isRunning())
                board.clock().ClockTick();
        }
    }

private slots:
    void init() { AppSettings = defaultSettings(); }

    void runsAreBankedAcrossStops()
    {
        frmScoreBoard board(fakes.services());
        board.clock().StartStopClock();
        run(board, 65'300);
        board.clock().StartStopClock();
        QCOMPARE(faceText(board.ledTime()), QStringLiteral(" 1:05.3"));
        run(board, 5000); // stopped: nothing moves
        QCOMPARE(faceText(board.ledTime()), QStringLiteral(" 1:05.3"));
        board.clock().StartStopClock();
        run(board, 10'000);
        board.clock().StartStopClock();
        QCOMPARE(faceText(board.ledTime()), QStringLiteral(" 1:15.3"));
        QCOMPARE(board.clock().BankedSeconds(), ClockSeconds::fromTenths(753));
    }

    void tenthsFollowTheTenthsOfBothReadings()
    {
        frmScoreBoard board(fakes.services());
        fakes.time.now = 1'000'950; // a start late in a tenth
        board.clock().StartStopClock();
        fakes.time.now += 2'100; // 3.050: whole tenths 10009 -> 10030
        board.clock().ClockTick();
        QCOMPARE(board.clock().RunSeconds(), ClockSeconds::fromTenths(21));
    }

    void aStopBeforeTheFirstTickBanksNothing()
    {
        frmScoreBoard board(fakes.services());
        board.clock().StartStopClock();
        fakes.time.now += 30;
        board.clock().StartStopClock();
        QCOMPARE(board.clock().BankedSeconds(), ClockSeconds{});
        QCOMPARE(faceText(board.ledTime()), QStringLiteral(" 0:00.0"));
    }

    void stopsByItselfBeforeOneHundredMinutes()
    {
        frmScoreBoard board(fakes.services());
        board.clock().StartStopClock();
        run(board, 100 * 60 * 1000 + 500);
        QVERIFY(!board.clock().isRunning());
        QCOMPARE(faceText(board.ledTime()), QStringLiteral("99:59.9"));
        QVERIFY(fakes.device()->plays == 0);

        // Started again, it stops at its first tick and the face stays.
        board.clock().StartStopClock();
        run(board, 40);
        QVERIFY(!board.clock().isRunning());
        QCOMPARE(faceText(board.ledTime()), QStringLiteral("99:59.9"));

        board.clock().ResetClock();
        QCOMPARE(faceText(board.ledTime()), QStringLiteral(" 0:00.0"));
        board.clock().StartStopClock();
        run(board, 1000);
        QCOMPARE(faceText(board.ledTime()), QStringLiteral(" 0:01.0"));
    }

    void resetWhileRunningStopsAtZero()
    {
        frmScoreBoard board(fakes.services());
        board.clock().StartStopClock();
        run(board, 12'345);
        board.clock().ResetClock();
        QVERIFY(!board.clock().isRunning());
        QCOMPARE(faceText(board.ledTime()), QStringLiteral(" 0:00.0"));
        board.clock().StartStopClock();
        run(board, 200);
        QCOMPARE(faceText(board.ledTime()), QStringLiteral(" 0:00.2"));
    }

    void theProgramsTimeSourceIgnoresTheTimeOfDay()
    {
        // A change of the computer's clock (by the operator, a time sync or
        // daylight saving) cannot reach a monotonic source.
        QVERIFY(QElapsedTimer::isMonotonic());
        QCOMPARE(QElapsedTimer::clockType(), QElapsedTimer::MonotonicClock);
        MonotonicTimeSource source;
        const qint64 before = source.elapsedMs();
        QVERIFY(source.elapsedMs() >= before);
    }

    void theTimerTicksEveryFortyMilliseconds()
    {
        frmScoreBoard board(fakes.services());
        auto *timer = board.clock().findChild<QTimer *>(QStringLiteral("tmrClock1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 40);
        QVERIFY(!timer->isActive());
        board.clock().StartStopClock();
        QVERIFY(timer->isActive());
        fakes.time.now += 500;
        QTRY_COMPARE(faceText(board.ledTime()), QStringLiteral(" 0:00.5"));
    }
};

CORVELLA_TEST_MAIN(TestRunningClock)
#include "tst_runningclock.moc"
