#include "game/gamehistory.h"
#include "game/gamelog.h"
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

    // Once the clock has ended a period, undo and redo reach that period's
    // scores, fouls and timeouts but skip its clock steps: the break and the
    // period stay. Steps: start/stop (the clock key), score, foul, timeout,
    // undo, redo, "wait MS" with the timer on time, "late MS" before it came.
    void undoAndRedoAcrossAPeriodsEnd_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<GamePhase>("phase");
        QTest::addColumn<bool>("running");
        QTest::addColumn<qint64>("clock");
        QTest::addColumn<QList<int>>("scoreFoulTimeouts");
        QTest::addColumn<QString>("skipped");
        QTest::addColumn<QString>("loggedPhase");
        const auto row = [](const char *name, const char *steps, GamePhase phase, bool running,
                            qint64 clock, QList<int> counts, const char *skipped,
                            const char *logged) {
            QTest::newRow(name) << QString::fromLatin1(steps) << phase << running << clock << counts
                                << QString::fromLatin1(skipped) << QString::fromLatin1(logged);
        };
        row("two undos in the break", "start, wait 3000, score, wait 7000, undo, undo",
            GamePhase::Break, true, 20'000, {0, 0, 0}, "start", "break");
        row("a redo in the break brings back the score only",
            "start, score, wait 10000, undo, undo, redo", GamePhase::Break, true, 20'000, {2, 0, 0},
            "start", "break");
        row("a foul and a timeout before the end stay in reach",
            "timeout, wait 5000, start, foul, wait 10000, undo, undo", GamePhase::Break, true,
            20'000, {0, 0, 0}, "start", "break");
        row("a stop undone before the end is not redone after it",
            "start, wait 4000, stop, undo, wait 6000, redo", GamePhase::Break, true, 20'000,
            {0, 0, 0}, "stop", "play");
        row("a redone start has run all the while", "start, wait 4000, undo, wait 1000, redo",
            GamePhase::Play, true, 5'000, {0, 0, 0}, "", "play");
        row("an undo before the timer saw the end", "start, score, late 10500, undo",
            GamePhase::Break, true, 19'500, {0, 0, 0}, "", "break");
    }

    void undoAndRedoAcrossAPeriodsEnd()
    {
        QFETCH(QString, steps);
        QTemporaryDir folder;
        GameModel game(time);
        game.setClockMode(true, 10'000);
        GameStructure halves{2, {20'000}, 0};
        halves.timeouts.perGame = 2;
        halves.timeouts.lengthMs = 5'000;
        halves.fouls.on = true;
        game.setStructure(halves);
        GameHistory history(game);
        GameLog log(folder.path(), game, history);
        log.begin(false);
        using Action = GameHistory::Action;
        QStringList skipped;
        for (const QString &step : steps.split(QStringLiteral(", "))) {
            const qint64 ms = step.section(u' ', 1).toLongLong();
            if (step == u"start" || step == u"stop")
                history.perform(Action::ClockStartStop, step, [](GameModel &g) { g.startStop(); });
            else if (step == u"score" || step == u"foul")
                history.perform(Action::ScoreAdd, step, [step](GameModel &g) {
                    g.addToScore(step == u"score" ? GameModel::Home1 : GameModel::Home2,
                                 step == u"score" ? 2 : 1);
                });
            else if (step == u"timeout")
                history.perform(Action::Timeout, step,
                                [](GameModel &g) { g.takeTimeout(GameModel::Home); });
            else if (step == u"undo")
                skipped << history.undo();
            else if (step == u"redo")
                skipped << history.redo();
            else if (step.startsWith(u"wait"))
                advance(game, ms);
            else if (step.startsWith(u"late"))
                time.now += ms;
            else
                QFAIL(qPrintable(step));
        }
        QTEST(game.phase(), "phase");
        QCOMPARE(game.period(), 1);
        QTEST(game.isRunning(), "running");
        QTEST(game.clockMs(), "clock");
        const QList<int> counts{game.score(GameModel::Home1).value_or(-1),
                                game.score(GameModel::Home2).value_or(-1),
                                game.timeoutsTaken().at(GameModel::Home).at(0)};
        QTEST(counts, "scoreFoulTimeouts");
        QTEST(skipped.join(QStringLiteral(", ")), "skipped");
        const auto record = GameRecord::read(log.currentPath());
        QVERIFY(record);
        QString lastStepPhase;
        for (const GameLogEntry &e : record->entries)
            if (e.kind != u"clock")
                lastStepPhase = GameRecord::phaseName(e.phase);
        QTEST(lastStepPhase, "loggedPhase");
    }

    // The next-period key past the last period: overtime only while section
    // 1 is level and overtime is played, else the end of the game.
    void theNextPeriodAfterTheLast_data()
    {
        QTest::addColumn<int>("home");
        QTest::addColumn<int>("guest");
        QTest::addColumn<qint64>("overtimeMs");
        QTest::addColumn<int>("presses");
        QTest::addColumn<GamePhase>("phase");
        QTest::addColumn<int>("period");
        QTest::newRow("level, overtime played")
            << 70 << 70 << 300'000LL << 4 << GamePhase::Play << 5;
        QTest::newRow("still level after overtime")
            << 70 << 70 << 300'000LL << 5 << GamePhase::Play << 6;
        QTest::newRow("home ahead") << 71 << 70 << 300'000LL << 4 << GamePhase::Final << 4;
        QTest::newRow("level, no overtime") << 70 << 70 << 0LL << 4 << GamePhase::Final << 4;
        QTest::newRow("no overtime, the key held")
            << 70 << 70 << 0LL << 150 << GamePhase::Final << 4;
    }

    void theNextPeriodAfterTheLast()
    {
        QFETCH(int, home);
        QFETCH(int, guest);
        QFETCH(qint64, overtimeMs);
        QFETCH(int, presses);
        GameModel game(time);
        game.setClockMode(true, 600'000);
        game.setStructure({4, {}, overtimeMs});
        game.setScore(GameModel::Home1, home);
        game.setScore(GameModel::Guest1, guest);
        for (int i = 0; i < presses; ++i)
            game.nextPeriod();
        QTEST(game.phase(), "phase");
        QTEST(game.period(), "period");
        QVERIFY(!game.isRunning());
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
