#include "game/clockface.h"
#include "game/gamemodel.h"
#include "game/timesource.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QRandomGenerator>

namespace {

// The face as the board shows it, " 1:05.3".
QString face(const GameModel &game)
{
    const ClockFace::Digits d =
        game.isFaceBlank() ? ClockFace::blankDigits() : ClockFace::digitsFor(game.shownTime());
    QString text;
    for (int i = 0; i < 5; ++i) {
        text += d[i] < 0 ? QStringLiteral(" ") : QString::number(d[i]);
        if (i == 1)
            text += u':';
        if (i == 3)
            text += u'.';
    }
    return text;
}

} // namespace

class TestGameModel : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

    // Moves time on, updating the clock as its timer would at every new tenth.
    void run(GameModel &game, qint64 ms)
    {
        for (qint64 left = ms; left > 0; left -= 10) {
            time.now += std::min<qint64>(left, 10);
            game.updateClock();
        }
    }

private slots:
    void runsAreBankedAcrossStops()
    {
        GameModel game(time);
        game.startStop();
        run(game, 65'300);
        game.startStop();
        QCOMPARE(face(game), QStringLiteral(" 1:05.3"));
        run(game, 5000); // stopped: nothing moves
        QCOMPARE(face(game), QStringLiteral(" 1:05.3"));
        game.startStop();
        run(game, 10'000);
        game.startStop();
        QCOMPARE(face(game), QStringLiteral(" 1:15.3"));
        QCOMPARE(game.clockMs(), 75'300);
    }

    void aStopBanksTheExactRunTime()
    {
        GameModel game(time);
        time.now = 1'000'950; // a start late in a tenth
        game.startStop();
        time.now += 30;
        game.startStop();
        QCOMPARE(game.clockMs(), 30);
        QCOMPARE(face(game), QStringLiteral(" 0:00.0"));
        game.startStop();
        time.now += 75;
        game.startStop();
        QCOMPARE(game.clockMs(), 105); // two short runs add up to a tenth
        QCOMPARE(face(game), QStringLiteral(" 0:00.1"));
    }

    void manyStopsLoseNoTime()
    {
        GameModel game(time);
        for (int i = 0; i < 200; ++i) {
            game.startStop();
            run(game, 1234);
            game.startStop();
            time.now += 777;
        }
        QCOMPARE(game.clockMs(), 246'800);
        QCOMPARE(face(game), QStringLiteral(" 4:06.8"));
    }

    void theFaceIsNeverAheadAndAtMostATenthBehind()
    {
        GameModel game(time);
        game.startStop();
        auto *rng = QRandomGenerator::global();
        qint64 played = 0;
        for (int i = 0; i < 2000; ++i) {
            const qint64 step = rng->bounded(1, 250);
            time.now += step;
            played += step;
            const qint64 shownMs = game.shownTime().raw / 10;
            QVERIFY(shownMs <= played);
            QVERIFY(played - shownMs < 100);
        }
    }

    void theTimerWakesAtEachNewTenth()
    {
        GameModel game(time);
        auto *timer = game.findChild<QTimer *>(QStringLiteral("tmrClock1"));
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        time.now = 5'030;
        game.startStop();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->remainingTime() <= 100, true);
        time.now += 40;
        game.updateClock(); // 40 ms into the run: the next tenth is 60 ms away
        QVERIFY(timer->interval() == 60);
        QSignalSpy advanced(&game, &GameModel::clockAdvanced);
        time.now += 500;
        QTRY_VERIFY(advanced.count() > 0);
        QCOMPARE(face(game), QStringLiteral(" 0:00.5"));
        game.startStop();
        QVERIFY(!timer->isActive());
    }

    void stopsByItselfAtOneHundredMinutes()
    {
        GameModel game(time);
        game.startStop();
        run(game, 100 * 60 * 1000 + 500);
        QVERIFY(!game.isRunning());
        QCOMPARE(face(game), QStringLiteral("99:59.9"));

        // Started again, it stops at its first update and the face stays.
        game.startStop();
        run(game, 100);
        QVERIFY(!game.isRunning());
        QCOMPARE(face(game), QStringLiteral("99:59.9"));

        game.resetClock();
        QCOMPARE(face(game), QStringLiteral(" 0:00.0"));
        game.startStop();
        run(game, 1000);
        QCOMPARE(face(game), QStringLiteral(" 0:01.0"));
    }

    void resetWhileRunningStopsAtZero()
    {
        GameModel game(time);
        game.startStop();
        run(game, 12'345);
        game.resetClock();
        QVERIFY(!game.isRunning());
        QCOMPARE(face(game), QStringLiteral(" 0:00.0"));
        game.startStop();
        run(game, 200);
        QCOMPARE(face(game), QStringLiteral(" 0:00.2"));
    }

    void anEnteredTimeStopsTheClockAndCountsOnFromIt()
    {
        GameModel game(time);
        game.startStop();
        run(game, 3000);
        game.enterClockTime(750);
        QVERIFY(!game.isRunning());
        QCOMPARE(face(game), QStringLiteral("12:30.0"));
        QCOMPARE(game.enteredSeconds(), qint16(750));
        game.startStop();
        run(game, 200);
        QCOMPARE(face(game), QStringLiteral("12:30.2"));
    }

    void scoresStayWithinTheirRange_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("result");
        QTest::newRow("9 + 9") << 9 << 9 << 18;
        QTest::newRow("10 - 1") << 10 << -1 << 9;
        QTest::newRow("0 - 1 stays") << 0 << -1 << 0;
        QTest::newRow("99 + 1 stays") << 99 << 1 << 99;
        QTest::newRow("98 + 5 stays") << 98 << 5 << 98;
    }

    void scoresStayWithinTheirRange()
    {
        QFETCH(int, start);
        QFETCH(int, delta);
        QFETCH(int, result);
        GameModel game(time);
        game.setScore(GameModel::Guest2, start);
        game.addToScore(GameModel::Guest2, delta);
        QCOMPARE(game.score(GameModel::Guest2), result);
        QCOMPARE(game.score(GameModel::Home1), 0); // the others are untouched
    }

    void clearBlanksEverythingAndAChangeCountsFromZero()
    {
        GameModel game(time);
        QSignalSpy changed(&game, &GameModel::changed);
        game.setScore(GameModel::Home1, 42);
        game.startStop();
        run(game, 1500);
        game.clear();
        QCOMPARE(changed.count(), 3);
        QVERIFY(!game.isRunning());
        QCOMPARE(face(game), QStringLiteral("  :  . "));
        for (int i = 0; i < GameModel::ScoreCount; ++i)
            QCOMPARE(game.score(i), std::nullopt);
        game.addToScore(GameModel::Guest1, 3);
        QCOMPARE(game.score(GameModel::Guest1), 3);
        game.startStop();
        run(game, 300);
        QCOMPARE(face(game), QStringLiteral(" 0:00.3"));
    }

    void countDownEndsExactlyAtZeroWithOneHorn()
    {
        GameModel game(time);
        game.setClockMode(true, 10 * 60 * 1000);
        QCOMPARE(face(game), QStringLiteral("10:00.0"));
        QSignalSpy horn(&game, &GameModel::clockExpired);
        auto *rng = QRandomGenerator::global();
        qint64 played = 0;
        // 50 stops, then run to the end.
        for (int i = 0; i < 50; ++i) {
            game.startStop();
            const qint64 ms = rng->bounded(1000, 10'000);
            run(game, ms);
            played += ms;
            game.startStop();
            time.now += rng->bounded(0, 5000);
        }
        QCOMPARE(game.clockMs(), 600'000 - played);
        game.startStop();
        run(game, 600'000 - played - 1);
        QCOMPARE(face(game), QStringLiteral(" 0:00.1")); // a millisecond left
        QCOMPARE(horn.count(), 0);
        run(game, 1);
        QVERIFY(!game.isRunning());
        QCOMPARE(face(game), QStringLiteral(" 0:00.0"));
        QCOMPARE(game.clockMs(), 0);
        QCOMPARE(horn.count(), 1);
        run(game, 5000);
        QCOMPARE(horn.count(), 1);

        // A start at zero does nothing until a reset or an entry.
        game.startStop();
        QVERIFY(!game.isRunning());
        game.enterClockTime(5);
        QCOMPARE(face(game), QStringLiteral(" 0:05.0"));
        game.startStop();
        run(game, 4950);
        QCOMPARE(face(game), QStringLiteral(" 0:00.1"));
        run(game, 100);
        QCOMPARE(face(game), QStringLiteral(" 0:00.0"));
        QCOMPARE(horn.count(), 2);
        game.resetClock();
        QCOMPARE(face(game), QStringLiteral("10:00.0"));
    }

    void countDownShowsEachTenthAsItBegins()
    {
        GameModel game(time);
        game.setClockMode(true, 60'000);
        game.startStop();
        time.now += 50;
        QCOMPARE(face(game), QStringLiteral(" 1:00.0"));
        time.now += 50;
        QCOMPARE(face(game), QStringLiteral(" 0:59.9"));
    }

    void theModeChangeResetsTheClock()
    {
        GameModel game(time);
        game.startStop();
        run(game, 5000);
        game.setClockMode(true, 90'000);
        QVERIFY(!game.isRunning());
        QCOMPARE(face(game), QStringLiteral(" 1:30.0"));
        game.setClockMode(false, 90'000);
        QCOMPARE(face(game), QStringLiteral(" 0:00.0"));
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
};

CORVELLA_TEST_MAIN(TestGameModel)
#include "tst_gamemodel.moc"
