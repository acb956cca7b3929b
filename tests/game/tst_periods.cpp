#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/gamestatefile.h"
#include "game/presets.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

// A whole game with periods, breaks and overtime, on a clock the test moves.
class TestPeriods : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

    static GameStructure basketball()
    {
        return {4, {2 * 60'000, 15 * 60'000, 2 * 60'000}, 5 * 60'000};
    }

    // Moves time on in steps, letting the model see each moment as its
    // timer would, and counts the horns.
    void advance(GameModel &game, qint64 ms, int step = 100)
    {
        for (qint64 done = 0; done < ms; done += step) {
            time.now += std::min<qint64>(step, ms - done);
            game.updateClock();
            QVERIFY(game.clockMs() >= 0);
        }
    }

private slots:
    void aBasketballGameEndsAfterExactlyItsPlayingTime()
    {
        GameModel game(time);
        game.setClockMode(true, 10 * 60'000);
        game.setStructure(basketball());
        game.setScore(GameModel::Home1, 80);
        QSignalSpy horns(&game, &GameModel::clockExpired);
        QRandomGenerator random(20261207);
        qint64 played = 0;
        int breaksSeen = 0;
        while (game.phase() != GamePhase::Final) {
            if (game.phase() == GamePhase::Break) {
                ++breaksSeen;
                QVERIFY(game.clockMs() <= basketball().breakAfter(game.period()));
                advance(game, game.clockMs() + 50);
                continue;
            }
            // Random stops: run a while, stop, wait, start again.
            game.startStop();
            const qint64 run = 1000 + random.bounded(90'000);
            const qint64 left = game.clockMs();
            advance(game, run);
            played += std::min(run, left);
            if (game.isRunning()) {
                game.startStop();
                time.now += random.bounded(30'000);
            }
        }
        QCOMPARE(played, 40 * 60'000);
        QCOMPARE(breaksSeen, 3);
        QCOMPARE(horns.count(), 4 + 3); // each period's end, each break's end
        QCOMPARE(game.period(), 4);
        game.startStop();
        QVERIFY(!game.isRunning()); // over until a new game
        game.newGame();
        QCOMPARE(game.period(), 1);
        QCOMPARE(game.score(GameModel::Home1), 0);
        QCOMPARE(game.clockMs(), 10 * 60'000);
    }

    void overtimeIsPlayedOnlyWhenLevel_data()
    {
        QTest::addColumn<int>("home");
        QTest::addColumn<int>("guest");
        QTest::addColumn<bool>("overtime");
        QTest::newRow("level") << 70 << 70 << true;
        QTest::newRow("home ahead") << 71 << 70 << false;
        QTest::newRow("level at zero") << 0 << 0 << true;
    }

    void overtimeIsPlayedOnlyWhenLevel()
    {
        QFETCH(int, home);
        QFETCH(int, guest);
        QFETCH(bool, overtime);
        GameModel game(time);
        game.setClockMode(true, 60'000);
        game.setStructure({1, {}, 30'000});
        game.setScore(GameModel::Home1, home);
        game.setScore(GameModel::Guest1, guest);
        game.startStop();
        advance(game, 60'000);
        QCOMPARE(game.phase(), overtime ? GamePhase::Play : GamePhase::Final);
        if (overtime) {
            QVERIFY(game.isOvertime());
            QCOMPARE(game.clockMs(), 30'000);
            QVERIFY(!game.isRunning());
        }
    }

    void countingUpAPeriodEndsAtItsLength()
    {
        GameModel game(time);
        game.setClockMode(false, 30 * 60'000);
        game.setStructure({2, {15 * 60'000}, 0});
        game.startStop();
        time.now += 30 * 60'000 + 250; // the timer came late
        game.updateClock();
        QCOMPARE(game.phase(), GamePhase::Break);
        // The break began when the period ended, not when it was noticed.
        QCOMPARE(game.clockMs(), 15 * 60'000 - 250);
        QVERIFY(game.faceCountsDown());
    }

    void undoAcrossAPeriodsEndPutsThePeriodBack()
    {
        GameModel game(time);
        GameHistory history(game);
        game.setClockMode(true, 60'000);
        game.setStructure(basketball());
        history.perform(QStringLiteral("start"), [](GameModel &g) { g.startStop(); });
        advance(game, 60'000); // into the break
        history.perform(QStringLiteral("skip"), [](GameModel &g) { g.skipBreak(); });
        QCOMPARE(game.period(), 2);
        history.perform(QStringLiteral("next"), [](GameModel &g) { g.nextPeriod(); });
        QCOMPARE(game.period(), 3);
        history.undo();
        history.undo();
        QCOMPARE(game.phase(), GamePhase::Break);
        QCOMPARE(game.period(), 1);
        QVERIFY(game.isRunning()); // the break runs on
    }

    void aKillInABreakResumesInTheBreak()
    {
        QTemporaryDir dir;
        {
            GameModel game(time);
            game.setClockMode(true, 60'000);
            game.setStructure(basketball());
            GameStateFile file(dir.path());
            file.track(game);
            game.startStop();
            advance(game, 60'000); // the period ends, the break starts: one save
            time.now += 30'000;    // killed half a minute into the break
        }
        const std::optional<SavedGame> saved = GameStateFile(dir.path()).load();
        QVERIFY(saved);
        QCOMPARE(saved->phase, GamePhase::Break);
        QCOMPARE(saved->period, 1);
        GameModel again(time);
        again.setClockMode(true, 60'000);
        again.setStructure(basketball());
        again.restore(saved->toState());
        QCOMPARE(again.phase(), GamePhase::Break);
        QVERIFY(again.isRunning());
        QVERIFY(again.clockMs() <= 2 * 60'000);
    }

    void anOldSavedGameLoadsInTheFirstPeriod()
    {
        QTemporaryDir dir;
        QFile old(dir.filePath(QStringLiteral("game-0.json")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(R"({"format":"corvella-game","version":1,"sequence":4,"scores":[1,2,3,4],)"
                  R"("clockMs":5000,"faceBlank":false,"enteredSeconds":0,"countDown":false,)"
                  R"("periodMs":600000})");
        old.close();
        const std::optional<SavedGame> saved = GameStateFile(dir.path()).load();
        QVERIFY(saved);
        QCOMPARE(saved->period, 1);
        QCOMPARE(saved->phase, GamePhase::Play);
    }

    void shippedPresetsAndABrokenOneOfTheClubs()
    {
        QTemporaryDir user;
        QFile broken(user.filePath(QStringLiteral("broken.ini")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("no preset here\n");
        broken.close();
        QFile own(user.filePath(QStringLiteral("minis.ini")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("[Preset]\nName=Minis\n[ClockSettings]\nPeriods=6\nPeriodLength=8.00\n");
        own.close();
        QStringList problems;
        const QList<Preset> presets = Presets::load(user.path(), &problems);
        QStringList names;
        for (const Preset &p : presets)
            names << p.name;
        QCOMPARE(names.mid(0, 7),
                 (QStringList{QStringLiteral("Classic"), QStringLiteral("Basketball"),
                              QStringLiteral("Handball"), QStringLiteral("Futsal"),
                              QStringLiteral("Ice hockey"), QStringLiteral("Floorball"),
                              QStringLiteral("Football")}));
        QVERIFY(names.contains(QStringLiteral("Minis")));
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().contains(QStringLiteral("broken.ini")));
        const Preset &basketballPreset = presets.at(1);
        QCOMPARE(basketballPreset.values.value(QStringLiteral("ClockSettings/BreakLengths")),
                 QStringLiteral("2.00, 15.00, 2.00"));
        QCOMPARE(GameStructure::parseBreaks(
                     basketballPreset.values.value(QStringLiteral("ClockSettings/BreakLengths"))),
                 (QList<qint64>{120'000, 900'000, 120'000}));
    }
};

CORVELLA_TEST_MAIN(TestPeriods)
#include "tst_periods.moc"
