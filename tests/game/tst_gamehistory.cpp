#include "game/commands.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QJsonDocument>

using GameAction = std::function<void(GameModel &)>;
Q_DECLARE_METATYPE(GameAction)

class TestGameHistory : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

private slots:
    // Every way in runs a command by its id and parameters: a mistake in the
    // asking is malformed, a game that cannot do it now says why, and a
    // command done is one step (or none, when the game already is so).
    void commandsCheckTheirParametersAndTheGame_data()
    {
        using R = GameCommands::Refusal;
        QTest::addColumn<QString>("id");
        QTest::addColumn<QByteArray>("params");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("why");
        QTest::addColumn<int>("steps");
        const auto row = [](const char *name, const char *id, const char *params, R refusal,
                            const char *why, int steps) {
            QTest::newRow(name) << QString::fromLatin1(id) << QByteArray(params) << int(refusal)
                                << QString::fromUtf8(why) << steps;
        };
        row("a score added", "score.add", R"({"team":"guest","section":2,"add":2})", R::None, "",
            1);
        row("a field too many", "score.add", R"({"team":"home","section":1,"add":2,"x":1})",
            R::Malformed, "\"x\" is not a field of this call", 0);
        row("a field missing", "score.set", R"({"team":"home","section":1})", R::Malformed,
            "\"set\" is missing", 0);
        row("outside its closed set", "score.add", R"({"team":"left","section":1,"add":1})",
            R::Malformed, "\"team\" is \"home\" or \"guest\"", 0);
        row("a section that is not there", "score.add", R"({"team":"home","section":3,"add":1})",
            R::Malformed, "\"section\" is 1 or 2", 0);
        row("half a point", "score.add", R"({"team":"home","section":1,"add":0.5})", R::Malformed,
            "\"add\" is a whole number", 0);
        row("over its limit", "score.set", R"({"team":"home","section":1,"set":100})", R::NotNow,
            "100 is over 99", 0);
        row("a clock that is no time", "clock.set", R"({"value":"12.75"})", R::Malformed,
            "\"value\" is minutes.seconds, from \"0\" to \"99.59\"", 0);
        row("a clock twice", "clock.set", R"({"value":"1","ms":1})", R::Malformed,
            "give either \"value\" (minutes.seconds) or \"ms\"", 0);
        row("a clock set", "clock.set", R"({"value":"12.30"})", R::None, "", 1);
        row("stopped already", "clock.stop", "{}", R::None, "", 0);
        row("no periods", "period.next", "{}", R::NotNow, "the game has no periods", 0);
        row("no timeouts", "timeout.toggle", R"({"team":"home"})", R::NotNow,
            "the game has no timeouts", 0);
        row("the shot clock off", "possession.switch", "{}", R::NotNow, "the shot clock is off", 0);
        row("no sets", "point.home", "{}", R::NotNow, "the game is not played in sets", 0);
        row("no players", "foul.player", R"({"team":"home","player":7})", R::NotNow,
            "the players are off", 0);
        row("a player's number of three digits", "foul.player", R"({"team":"home","player":"123"})",
            R::Malformed, "\"player\" is a number of one or two digits", 0);
        row("nothing to undo", "undo", "{}", R::NotNow, "nothing to undo", 0);
        row("an unknown command", "clock.faster", "{}", R::Malformed, "not found", 0);
    }

    void commandsCheckTheirParametersAndTheGame()
    {
        QFETCH(QString, id);
        QFETCH(QByteArray, params);
        QFETCH(int, refusal);
        QFETCH(QString, why);
        QFETCH(int, steps);
        GameModel game(time);
        GameHistory history(game);
        const Settings settings = defaultSettings();
        GameCommands commands(game, history, [&]() -> const Settings & { return settings; });
        const GameState before = game.state();
        const GameCommands::Outcome outcome =
            commands.run(id, QJsonDocument::fromJson(params).object());
        QCOMPARE(int(outcome.refusal), refusal);
        QCOMPARE(outcome.why, why);
        QCOMPARE(history.stack().count(), steps);
        if (refusal != int(GameCommands::Refusal::None))
            QVERIFY(game.state() == before);
    }

    void undoAndRedoEveryKindOfAction()
    {
        GameModel game(time);
        GameHistory history(game);
        history.perform(QStringLiteral("score"),
                        [](GameModel &g) { g.setScore(GameModel::Home1, 7); });
        history.perform(QStringLiteral("add"),
                        [](GameModel &g) { g.addToScore(GameModel::Guest2, 3); });
        history.perform(QStringLiteral("entry"), [](GameModel &g) { g.enterClockTime(750); });
        history.perform(QStringLiteral("clear"), [](GameModel &g) { g.clear(); });
        QCOMPARE(game.score(GameModel::Home1), std::nullopt);

        history.undo(); // the clear
        QCOMPARE(game.score(GameModel::Home1), 7);
        QCOMPARE(game.score(GameModel::Guest2), 3);
        QCOMPARE(game.clockMs(), 750'000);
        QVERIFY(!game.isFaceBlank());
        history.undo(); // the entry
        QCOMPARE(game.clockMs(), 0);
        history.undo(); // the addition
        QCOMPARE(game.score(GameModel::Guest2), 0);
        history.redo();
        history.redo();
        QCOMPARE(game.score(GameModel::Guest2), 3);
        QCOMPARE(game.clockMs(), 750'000);
    }

    void undoingAStopRunsOnFromTheStop()
    {
        GameModel game(time);
        GameHistory history(game);
        game.setClockMode(true, 10 * 60 * 1000);
        history.perform(QStringLiteral("start"), [](GameModel &g) { g.startStop(); });
        time.now += 600'000 - 192'400; // 3:12.4 left
        history.perform(QStringLiteral("stop"), [](GameModel &g) { g.startStop(); });
        QCOMPARE(game.clockMs(), 192'400);
        time.now += 30'000; // the operator notices later
        history.undo();
        QVERIFY(game.isRunning());
        QCOMPARE(game.clockMs(), 192'400);
        time.now += 2'000;
        QCOMPARE(game.clockMs(), 190'400);
        history.redo(); // stopped again where it was stopped
        QVERIFY(!game.isRunning());
        QCOMPARE(game.clockMs(), 192'400);
    }

    // A score changed while the clock runs is undone and redone without
    // touching the clock, in either direction; clock actions put the clock back.
    void undoPutsBackOnlyWhatTheActionChanged_data()
    {
        QTest::addColumn<bool>("countDown");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("clockAction");
        using Action = GameAction;
        QTest::addColumn<Action>("action");
        const Action set = [](GameModel &g) { g.setScore(GameModel::Home1, 12); };
        const Action add = [](GameModel &g) { g.addToScore(GameModel::Guest2, -1); };
        const Action entry = [](GameModel &g) { g.enterClockTime(300); };
        const Action reset = [](GameModel &g) { g.resetClock(); };
        const Action startStop = [](GameModel &g) { g.startStop(); };
        for (const bool down : {false, true}) {
            for (const bool running : {false, true}) {
                const QByteArray at =
                    QByteArray(down ? "down, " : "up, ") + (running ? "running" : "stopped");
                const std::tuple<const char *, bool, Action> actions[] = {
                    {", score set", false, set},
                    {", score added", false, add},
                    {", clock entry", true, entry},
                    {", reset", true, reset},
                    {", start or stop", true, startStop}};
                for (const auto &[name, onClock, action] : actions)
                    QTest::newRow(QByteArray(at + name).constData())
                        << down << running << onClock << action;
            }
        }
    }

    void undoPutsBackOnlyWhatTheActionChanged()
    {
        QFETCH(bool, countDown);
        QFETCH(bool, running);
        QFETCH(bool, clockAction);
        QFETCH(GameAction, action);
        GameModel game(time);
        GameHistory history(game);
        game.setClockMode(countDown, 60'000);
        game.setScore(GameModel::Guest2, 5);
        if (running)
            game.startStop();
        time.now += 4'500;
        const GameState before = game.state();
        const qint64 clockBefore = game.clockMs();
        history.perform(QStringLiteral("action"), action);
        const qint64 clockAfter = game.clockMs();
        const GameState after = game.state();
        time.now += 6'500;
        const qint64 elapsed = 6'500 * (countDown ? -1 : 1);

        history.undo();
        QCOMPARE(game.score(GameModel::Home1), before.scores[GameModel::Home1]);
        QCOMPARE(game.score(GameModel::Guest2), before.scores[GameModel::Guest2]);
        if (clockAction) {
            QCOMPARE(game.isRunning(), before.running);
            QCOMPARE(game.clockMs(), clockBefore);
        } else {
            QCOMPARE(game.isRunning(), running);
            QCOMPARE(game.clockMs(), clockAfter + (running ? elapsed : 0));
        }
        history.redo();
        QCOMPARE(game.score(GameModel::Home1), after.scores[GameModel::Home1]);
        QCOMPARE(game.score(GameModel::Guest2), after.scores[GameModel::Guest2]);
        if (clockAction) {
            // Redone, a running clock is where it would be had it never been undone.
            QCOMPARE(game.isRunning(), after.running);
            QCOMPARE(game.clockMs(), clockAfter + (after.running ? elapsed : 0));
        } else {
            QCOMPARE(game.clockMs(), clockAfter + (running ? elapsed : 0));
        }
    }

    void aRemoteFloodNeverPushesTheOperatorsStepsOut()
    {
        GameModel game(time);
        GameHistory history(game);
        for (int i = 1; i <= 10; ++i)
            history.perform(QStringLiteral("key"), [i](GameModel &g) { g.setScore(1, i); });
        for (int i = 0; i < 2 * GameHistory::Depth; ++i)
            history.perform(
                QStringLiteral("remote"), [i](GameModel &g) { g.setScore(0, i % 90); },
                GameHistory::Origin::Remote);
        QCOMPARE(history.stack().count(), 10 + GameHistory::RemoteShare);
        while (history.stack().canUndo())
            history.undo();
        QCOMPARE(game.score(1), 0); // the operator's first step is still there
        QCOMPARE(game.score(0), 0);
    }

    void actionsThatChangeNothingAreNotRecorded()
    {
        GameModel game(time);
        GameHistory history(game);
        game.startStop();
        time.now += 1234;
        history.perform(QStringLiteral("out of range"),
                        [](GameModel &g) { g.addToScore(GameModel::Home1, -5); });
        QCOMPARE(history.stack().count(), 0);
        history.perform(QStringLiteral("same score"),
                        [](GameModel &g) { g.setScore(GameModel::Home1, 0); });
        QCOMPARE(history.stack().count(), 0);
    }

    void keepsAtLeastAHundredSteps()
    {
        GameModel game(time);
        GameHistory history(game);
        for (int i = 0; i < 150; ++i)
            history.perform(QStringLiteral("score"),
                            [i](GameModel &g) { g.setScore(GameModel::Home2, 1 + i % 50); });
        for (int i = 0; i < 150; ++i)
            history.undo();
        QCOMPARE(game.score(GameModel::Home2), 0);
    }
};

CORVELLA_TEST_MAIN(TestGameHistory)
#include "tst_gamehistory.moc"
