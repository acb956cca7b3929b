#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/gamestatefile.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QSignalSpy>
#include <QTemporaryDir>

// Timeouts, team fouls and scores past 99, on a clock the test moves.
class TestTimeouts : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

    // Basketball's rules: four quarters, 2 + 3 timeouts of 1:00, fouls per
    // quarter with the bonus from the fifth, three-digit scores.
    static GameStructure basketball()
    {
        GameStructure rules{4, {}, 0};
        rules.timeouts.perHalf = {2, 3};
        rules.timeouts.lengthMs = 60'000;
        rules.fouls = {true, false, 5};
        rules.section1Max = 999;
        return rules;
    }

    void advance(GameModel &game, qint64 ms)
    {
        for (qint64 done = 0; done < ms; done += 100) {
            time.now += std::min<qint64>(100, ms - done);
            game.updateClock();
        }
    }

private slots:
    void aTimeoutStopsTheClockRunsItsMinuteAndLeavesTheClockWhereItStopped()
    {
        GameModel game(time);
        game.setClockMode(true, 10 * 60'000);
        game.setStructure(basketball());
        QSignalSpy horns(&game, &GameModel::clockExpired);
        game.startStop();
        advance(game, 12'345);
        game.takeTimeout(GameModel::Guest);
        const qint64 stoppedAt = game.clockMs();
        QCOMPARE(stoppedAt, 10 * 60'000 - 12'345);
        QVERIFY(!game.isRunning());
        QCOMPARE(game.timeoutTeam(), GameModel::Guest);
        game.startStop(); // the start key waits for the timeout
        QVERIFY(!game.isRunning());
        advance(game, 59'900);
        QCOMPARE(game.shownTimeoutTime(), ClockSeconds::fromTenths(1));
        QCOMPARE(horns.count(), 0);
        advance(game, 200);
        QCOMPARE(horns.count(), 1);
        QVERIFY(!game.timeoutTeam());
        QCOMPARE(game.clockMs(), stoppedAt);
        QCOMPARE(game.timeoutsLeft(GameModel::Guest), 1);
        QCOMPARE(game.timeoutsLeft(GameModel::Home), 2);
    }

    void theLastAllowedTimeoutIsTheLastAndTheSecondHalfHasItsOwn()
    {
        GameModel game(time);
        game.setStructure(basketball());
        for (int i = 0; i < 2; ++i) {
            game.takeTimeout(GameModel::Home);
            game.takeTimeout(GameModel::Home); // the same key again ends it early
        }
        QCOMPARE(game.timeoutRefusal(GameModel::Home), GameModel::TimeoutRefusal::NoneLeft);
        game.takeTimeout(GameModel::Home);
        QVERIFY(!game.timeoutTeam());
        game.takeTimeout(GameModel::Guest);
        QCOMPARE(game.timeoutRefusal(GameModel::Home), GameModel::TimeoutRefusal::OtherRunning);
        game.nextPeriod(); // ends the guests' timeout too
        QVERIFY(!game.timeoutTeam());
        QCOMPARE(game.timeoutsLeft(GameModel::Home), 0);
        game.nextPeriod(); // the third quarter: the second half
        QCOMPARE(game.timeoutsLeft(GameModel::Home), 3);
        QCOMPARE(game.timeoutsLeft(GameModel::Guest), 3);
    }

    void foulsResetEachPeriodAndTheBonusGoesWithAnUndo()
    {
        GameModel game(time);
        game.setStructure(basketball());
        GameHistory history(game);
        const auto foul = [&] {
            history.perform(QStringLiteral("foul"),
                            [](GameModel &g) { g.addToScore(GameModel::Home2, 1); });
        };
        for (int i = 0; i < 4; ++i)
            foul();
        QVERIFY(!game.inBonus(GameModel::Home));
        foul();
        QVERIFY(game.inBonus(GameModel::Home));
        history.undo();
        QVERIFY(!game.inBonus(GameModel::Home));
        history.redo();
        history.perform(QStringLiteral("next"), [](GameModel &g) { g.nextPeriod(); });
        QCOMPARE(game.score(GameModel::Home2), 0);
        QVERIFY(!game.inBonus(GameModel::Home));
        history.undo(); // back in the first quarter, fouls and all
        QCOMPARE(game.score(GameModel::Home2), 5);
    }

    // A quarter that ends by itself clears the fouls outside the history:
    // undoing a basket from before it takes back the basket, not the fouls.
    void aBasketUndoneAfterTheQuarterEndedLeavesTheNewQuartersFouls()
    {
        GameModel game(time);
        game.setClockMode(true, 60'000);
        game.setStructure(basketball());
        GameHistory history(game);
        history.perform(QStringLiteral("foul"),
                        [](GameModel &g) { g.addToScore(GameModel::Home2, 1); });
        game.startStop();
        history.perform(QStringLiteral("basket"),
                        [](GameModel &g) { g.addToScore(GameModel::Home1, 2); });
        advance(game, 60'000);
        game.skipBreak();
        QCOMPARE(game.period(), 2);
        QCOMPARE(game.score(GameModel::Home2), 0);
        history.undo();
        QCOMPARE(game.score(GameModel::Home1), 0);
        QCOMPARE(game.score(GameModel::Home2), 0);
        history.redo();
        QCOMPARE(game.score(GameModel::Home1), 2);
    }

    void anUndoneTimeoutGivesItBack()
    {
        GameModel game(time);
        game.setStructure(basketball());
        GameHistory history(game);
        history.perform(QStringLiteral("timeout"),
                        [](GameModel &g) { g.takeTimeout(GameModel::Home); });
        QCOMPARE(game.timeoutsLeft(GameModel::Home), 1);
        history.undo();
        QVERIFY(!game.timeoutTeam());
        QCOMPARE(game.timeoutsLeft(GameModel::Home), 2);
    }

    void aScoreOf101SurvivesAKillAndAResume()
    {
        QTemporaryDir dir;
        {
            GameModel game(time);
            game.setStructure(basketball());
            GameStateFile file(dir.path());
            file.track(game);
            game.setScore(GameModel::Home1, 101);
            game.takeTimeout(GameModel::Guest);
        } // killed: nothing more is written
        const std::optional<SavedGame> saved = GameStateFile(dir.path()).load();
        QVERIFY(saved);
        GameModel again(time);
        again.setStructure(basketball());
        again.restore(saved->toState());
        QCOMPARE(again.score(GameModel::Home1), 101);
        QCOMPARE(again.timeoutsLeft(GameModel::Guest), 1);
    }

    // Killed 4 s into a timeout: the resumed game has it back, held at what
    // was left (saved every second as it ran), the game clock stopped where
    // the timeout stopped it; the start key runs it on to its horn.
    void aTimeoutRunningAtAKillComesBackHeld()
    {
        QTemporaryDir dir;
        {
            GameModel game(time);
            game.setClockMode(true, 10 * 60'000);
            game.setStructure(basketball());
            GameStateFile file(dir.path());
            file.track(game);
            game.startStop();
            advance(game, 12'000);
            game.takeTimeout(GameModel::Home);
            advance(game, 4'000);
            QTRY_COMPARE_WITH_TIMEOUT(GameStateFile(dir.path()).load()->timeoutMs, 56'000, 3000);
        } // killed: nothing more is written
        const std::optional<SavedGame> saved = GameStateFile(dir.path()).load();
        QVERIFY(saved);
        QCOMPARE(saved->timeout, GameModel::Home);
        GameModel again(time);
        again.setClockMode(true, 10 * 60'000);
        again.setStructure(basketball());
        GameHistory history(again);
        QSignalSpy horns(&again, &GameModel::clockExpired);
        again.restore(saved->toState());
        advance(again, 5'000);
        QCOMPARE(again.timeoutTeam(), GameModel::Home);
        QCOMPARE(again.timeoutLeftMs(), 56'000);
        QCOMPARE(again.timeoutsLeft(GameModel::Home), 1);
        QVERIFY(!again.isRunning());
        QCOMPARE(again.clockMs(), 10 * 60'000 - 12'000);
        history.perform(GameHistory::Action::ClockStartStop, QStringLiteral("s"),
                        [](GameModel &g) { g.startStop(); });
        QCOMPARE(GameHistory::actionId(GameHistory::Action::ClockStartStop, saved->toState(),
                                       again.state()),
                 QStringLiteral("clock.start"));
        advance(again, 1'000);
        QCOMPARE(again.timeoutLeftMs(), 55'000);
        QVERIFY(!again.isRunning());
        advance(again, 55'100);
        QCOMPARE(horns.count(), 1);
        QVERIFY(!again.timeoutTeam());
        QCOMPARE(again.clockMs(), 10 * 60'000 - 12'000);
    }

    void twoDigitsStopAt99AndThreeAt999()
    {
        GameModel game(time);
        game.setScore(GameModel::Home1, 100);
        QCOMPARE(game.score(GameModel::Home1), 0);
        game.setStructure(basketball());
        game.setScore(GameModel::Home1, 999);
        game.addToScore(GameModel::Home1, 1);
        QCOMPARE(game.score(GameModel::Home1), 999);
        game.setScore(GameModel::Home2, 100); // section 2 keeps two digits
        QCOMPARE(game.score(GameModel::Home2), 0);
    }
};

CORVELLA_TEST_MAIN(TestTimeouts)
#include "tst_timeouts.moc"
