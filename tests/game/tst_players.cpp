#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/gamestatefile.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

// The players beside the game: personal fouls, penalties on the game clock
// and scorers, played from a script of the operator's steps on a clock the
// test moves.
class TestPlayers : public QObject
{
    Q_OBJECT

    ManualTimeSource time;
    QTemporaryDir stateFolder;

    struct Game
    {
        std::unique_ptr<GameModel> model;
        std::unique_ptr<GameHistory> history;
        std::unique_ptr<QSignalSpy> fouledOut;
        std::unique_ptr<QSignalSpy> penaltiesEnded;
    };

    // "off", "goalEnds" (a goal ends a minor penalty), "disqualify3", "sets"
    // (a match in sets, with the players' rules on).
    Game newGame(const QStringList &flags)
    {
        Game game;
        game.model = std::make_unique<GameModel>(time);
        game.history = std::make_unique<GameHistory>(*game.model);
        GameStructure structure;
        structure.fouls.on = true;
        game.model->setStructure(structure);
        PlayerRules rules;
        rules.enabled = !flags.contains(u"off"_qs);
        rules.penaltyEndsOnGoal = flags.contains(u"goalEnds"_qs);
        rules.suspensionsToDisqualify = flags.contains(u"disqualify3"_qs) ? 3 : 0;
        game.model->playersPart().setRules(rules);
        SetsRules sets;
        sets.enabled = flags.contains(u"sets"_qs);
        game.model->setsPart().setRules(sets);
        game.fouledOut =
            std::make_unique<QSignalSpy>(game.model.get(), &GameModel::playerFouledOut);
        game.penaltiesEnded =
            std::make_unique<QSignalSpy>(game.model.get(), &GameModel::penaltyEnded);
        return game;
    }

    void advance(GameModel &game, qint64 ms)
    {
        for (qint64 done = 0; done < ms; done += 100) {
            time.now += std::min<qint64>(100, ms - done);
            game.updateClock();
        }
    }

    // Saved as the program saves it, read back by a program started anew.
    Game killAndResume(Game &game, const QStringList &flags)
    {
        GameStateFile file(stateFolder.path() + QStringLiteral("/state"));
        if (!file.save(SavedGame::of(*game.model)))
            qFatal("cannot save the game");
        game = {};
        Game resumed = newGame(flags);
        const std::optional<SavedGame> saved = file.load();
        if (!saved)
            qFatal("cannot read the saved game back");
        resumed.model->restore(saved->toState());
        return resumed;
    }

    // "s" the clock's key, "f7"/"F7" a foul for home/guest #7, "e7:120" or
    // "E7:120" a penalty of 120 s, "g"/"G" a goal for home/guest, "g7:2" two
    // points by home #7, "u" undo, "k" kill and resume, "+ms" time passes.
    void play(Game &game, const QString &step, const QStringList &flags)
    {
        using Action = GameHistory::Action;
        GameHistory &history = *game.history;
        const QChar kind = step.front();
        const GameModel::Team team = kind.isUpper() ? GameModel::Guest : GameModel::Home;
        const QStringList args = step.mid(1).split(u':');
        if (step == u"s") {
            history.perform(Action::ClockStartStop, step, [](GameModel &g) { g.startStop(); });
        } else if (kind.toLower() == u'f') {
            history.perform(Action::PlayerFoul, step,
                            [&](GameModel &g) { g.playersPart().addFoul(team, args.at(0)); });
        } else if (kind.toLower() == u'e') {
            const qint64 ms = args.at(1).toLongLong() * 1000;
            history.perform(Action::Penalty, step, [&](GameModel &g) {
                g.playersPart().addPenalty(team, args.at(0), ms);
            });
        } else if (kind.toLower() == u'g') {
            const int which = team == GameModel::Home ? GameModel::Home1 : GameModel::Guest1;
            const QString player = args.at(0);
            const int points = args.size() > 1 ? args.at(1).toInt() : 1;
            history.perform(Action::ScoreAdd, step, [&](GameModel &g) {
                g.playersPart().addToScoreBy(which, points, player);
            });
        } else if (step == u"u") {
            history.undo();
        } else if (step == u"k") {
            game = killAndResume(game, flags);
        } else if (kind == u'+') {
            advance(*game.model, step.mid(1).toLongLong());
        } else {
            qFatal("unknown step %s", qPrintable(step));
        }
    }

    // "home #7 5f 4pts 1p out dq; pen home 7 95000 run, 9 120000 wait; team fouls 5-0"
    static QString describe(const GameModel &game)
    {
        QStringList parts;
        for (const GameModel::Team team : {GameModel::Home, GameModel::Guest}) {
            const QString name = team == GameModel::Home ? u"home"_qs : u"guest"_qs;
            QStringList players;
            const auto &lines = game.playersPart().tally().teams.at(team);
            for (const QString &number : sortedNumbers(lines.keys())) {
                const PlayerLine line = lines.value(number);
                QString text = u"#%1 %2f %3pts %4p"_qs.arg(number)
                                   .arg(line.fouls)
                                   .arg(line.points)
                                   .arg(line.penalties);
                if (game.playersPart().isOut(team, number))
                    text += u" out"_qs;
                if (game.playersPart().isDisqualified(team, number))
                    text += u" dq"_qs;
                players << text;
            }
            if (!players.isEmpty())
                parts << name + u' ' + players.join(u", "_qs);
            QStringList penalties;
            for (const Penalty &penalty : game.playersPart().penalties().teams.at(team))
                penalties << u"%1 %2 %3"_qs.arg(penalty.player)
                                 .arg(game.playersPart().penaltyMs(penalty))
                                 .arg(penalty.running ? u"run"_qs : u"wait"_qs);
            if (!penalties.isEmpty())
                parts << u"pen "_qs + name + u' ' + penalties.join(u", "_qs);
        }
        parts << u"team fouls %1-%2"_qs.arg(game.score(GameModel::Home2).value_or(0))
                     .arg(game.score(GameModel::Guest2).value_or(0));
        return parts.join(u"; "_qs);
    }

private slots:
    void thePlayersFollowTheGame_data()
    {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("outs");
        QTest::addColumn<int>("ended");

        QTest::newRow("fouls to the limit put the player out, the team's follow")
            << ""
            << "f7 f7 f7 F07 f7 f7"
            << "home #7 5f 0pts 0p out; guest #07 1f 0pts 0p; team fouls 5-1" << 1 << 0;
        QTest::newRow("undo of the fifth brings the player back")
            << ""
            << "f7 f7 f7 f7 f7 u"
            << "home #7 4f 0pts 0p; team fouls 4-0" << 1 << 0;
        QTest::newRow("0, 00 and 7 are three players")
            << ""
            << "f0 f00 f7"
            << "home #0 1f 0pts 0p, #00 1f 0pts 0p, #7 1f 0pts 0p; "
               "team fouls 3-0"
            << 0 << 0;
        QTest::newRow("a penalty runs only while the game clock runs")
            << ""
            << "E12:4 +2000 s +3000 s +5000"
            << "guest #12 0f 0pts 1p; pen guest 12 1000 wait; team fouls 0-0" << 0 << 0;
        QTest::newRow("a penalty leaves at zero")
            << ""
            << "E12:4 +2000 s +3000 s +5000 s +1000"
            << "guest #12 0f 0pts 1p; team fouls 0-0" << 0 << 1;
        QTest::newRow("a goal conceded ends the oldest minor penalty")
            << "goalEnds"
            << "s e9:300 e7:120 e4:120 +1000 G"
            << "home #4 0f 0pts 1p, #7 0f 0pts 1p, #9 0f 0pts 1p; "
               "pen home 9 299000 run, 4 119000 run; team fouls 0-0"
            << 0 << 0;
        QTest::newRow("undoing the goal brings the penalty back in its place")
            << "goalEnds"
            << "s e9:300 e7:120 e4:120 +1000 G +1000 u"
            << "home #4 0f 0pts 1p, #7 0f 0pts 1p, #9 0f 0pts 1p; "
               "pen home 9 298000 run, 7 119000 run, 4 118000 run; team fouls 0-0"
            << 0 << 0;
        QTest::newRow("without the rule a goal leaves the penalties")
            << ""
            << "s e7:120 +1000 G"
            << "home #7 0f 0pts 1p; pen home 7 119000 run; team fouls 0-0" << 0 << 0;
        QTest::newRow("three run at once, a fourth waits and starts when one ends")
            << ""
            << "s e1:60 e2:60 e3:60 e4:60 +30000"
            << "home #1 0f 0pts 1p, #2 0f 0pts 1p, #3 0f 0pts 1p, #4 0f 0pts 1p; "
               "pen home 1 30000 run, 2 30000 run, 3 30000 run, 4 60000 wait; team fouls 0-0"
            << 0 << 0;
        QTest::newRow("the fourth starts the moment the first ends")
            << ""
            << "s e1:60 e2:60 e3:60 e4:60 +60050 +9950"
            << "home #1 0f 0pts 1p, #2 0f 0pts 1p, #3 0f 0pts 1p, #4 0f 0pts 1p; "
               "pen home 4 50000 run; team fouls 0-0"
            << 0 << 3;
        QTest::newRow("a penalty resumes stopped after a kill")
            << ""
            << "s e7:120 f5 +20000 k"
            << "home #5 1f 0pts 0p, #7 0f 0pts 1p; pen home 7 100000 wait; team fouls 1-0" << 0
            << 0;
        QTest::newRow("and runs on with the clock")
            << ""
            << "s e7:120 f5 +20000 k s +10000"
            << "home #5 1f 0pts 0p, #7 0f 0pts 1p; pen home 7 90000 run; team fouls 1-0" << 0 << 0;
        QTest::newRow("the third suspension disqualifies")
            << "disqualify3"
            << "e7:120 e7:120 e7:120"
            << "home #7 0f 0pts 3p dq; pen home 7 120000 wait, 7 120000 wait, 7 120000 wait; "
               "team fouls 0-0"
            << 0 << 0;
        QTest::newRow("a score names its scorer, and undo takes the points back")
            << ""
            << "g7:2 g7:3 g4:1 u"
            << "home #7 0f 5pts 0p; team fouls 0-0" << 0 << 0;
        QTest::newRow("off, nothing is followed") << "off"
                                                  << "f7 e7:120 g7:2"
                                                  << "team fouls 0-0" << 0 << 0;
        QTest::newRow("a match in sets has no players") << "sets"
                                                        << "s f7 e7:120 +5000"
                                                        << "team fouls 0-0" << 0 << 0;
    }
    void thePlayersFollowTheGame()
    {
        QFETCH(QString, flags);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        QFETCH(int, outs);
        QFETCH(int, ended);

        const QStringList flagList = flags.split(u' ', Qt::SkipEmptyParts);
        Game game = newGame(flagList);
        int endedTotal = 0;
        for (const QString &step : script.split(u' ')) {
            if (step == u"k")
                endedTotal += int(game.penaltiesEnded->count());
            play(game, step, flagList);
        }
        QCOMPARE(describe(*game.model), expected);
        QCOMPARE(int(game.fouledOut->count()), outs);
        QCOMPARE(endedTotal + int(game.penaltiesEnded->count()), ended);
    }
};

CORVELLA_TEST_MAIN(TestPlayers)
#include "tst_players.moc"
