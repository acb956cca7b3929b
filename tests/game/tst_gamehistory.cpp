#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

class TestGameHistory : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

private slots:
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
