#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/gamerules.h"
#include "game/gamestatefile.h"
#include "game/presets.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

// The shot clock beside the game clock, played from a script of the
// operator's keys on a clock the test moves.
class TestShotClock : public QObject
{
    Q_OBJECT

    ManualTimeSource time;
    QTemporaryDir stateFolder;

    // One game with its history, replaced whole when the script kills the program.
    struct Game
    {
        std::unique_ptr<GameModel> model;
        std::unique_ptr<GameHistory> history;
        std::unique_ptr<QSignalSpy> horns;
    };

    // "up" or "down", "period30" (two periods of 30 s, a break of 60 s
    // between), "unlinked", "stopAtZero", "resetOnScore", "off".
    Game newGame(const QStringList &flags)
    {
        Game game;
        game.model = std::make_unique<GameModel>(time);
        game.history = std::make_unique<GameHistory>(*game.model);
        GameStructure structure{flags.contains(u"period30"_qs) ? 2 : 0, {60'000}, 0};
        structure.timeouts.perGame = 2;
        game.model->setStructure(structure);
        const qint64 periodMs = flags.contains(u"period30"_qs) ? 30'000 : 10 * 60'000;
        game.model->setClockMode(flags.contains(u"down"_qs), periodMs);
        ShotClockRules rules;
        rules.enabled = !flags.contains(u"off"_qs);
        rules.linked = !flags.contains(u"unlinked"_qs);
        rules.stopGameAtZero = flags.contains(u"stopAtZero"_qs);
        rules.resetOnScore = flags.contains(u"resetOnScore"_qs);
        game.model->shotClockPart().setRules(rules);
        game.horns = std::make_unique<QSignalSpy>(game.model.get(), &GameModel::shotClockExpired);
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

    void play(Game &game, const QString &key)
    {
        using Action = GameHistory::Action;
        GameHistory &history = *game.history;
        const auto act = [&](Action kind, const std::function<void(GameModel &)> &step) {
            history.perform(kind, key, step);
        };
        if (key == u"s")
            act(Action::ClockStartStop, [](GameModel &g) { g.startStop(); });
        else if (key == u"x")
            act(Action::ShotClockReset, [](GameModel &g) { g.shotClockPart().reset(); });
        else if (key == u"v")
            act(Action::ShotClockShort, [](GameModel &g) { g.shotClockPart().resetShort(); });
        else if (key == u"m")
            act(Action::ShotClockHold, [](GameModel &g) { g.shotClockPart().holdOrRelease(); });
        else if (key == u"d")
            act(Action::ShotClockBlank, [](GameModel &g) { g.shotClockPart().blank(); });
        else if (key == u"a")
            act(Action::Possession, [](GameModel &g) { g.shotClockPart().switchPossession(); });
        else if (key == u"t")
            history.perform(Action::Timeout, key,
                            [](GameModel &g) { g.takeTimeout(GameModel::Home); });
        else if (key == u"u")
            history.undo();
        else if (key == u"goal" || key == u"guestGoal" || key == u"foul")
            history.perform(Action::ScoreAdd, key, [key](GameModel &g) {
                g.addToScore(key == u"goal"        ? GameModel::Home1
                             : key == u"guestGoal" ? GameModel::Guest1
                                                   : GameModel::Home2,
                             1);
            });
        else if (key.startsWith(u"set"))
            history.perform(Action::ScoreSet, key, [value = key.mid(3).toInt()](GameModel &g) {
                g.setScore(GameModel::Home1, value);
            });
        else if (key.startsWith(u'+'))
            advance(*game.model, key.mid(1).toLongLong());
        else
            qFatal("unknown step %s", qPrintable(key));
    }

    static QString describe(const GameModel &game, int horns)
    {
        const ShotClockState &shot = game.shotClockPart().state();
        const QString face = shot.dark   ? u"dark"_qs
                             : shot.held ? QString::number(game.shotClockPart().ms()) + u" held"_qs
                             : shot.running
                                 ? QString::number(game.shotClockPart().ms()) + u" running"_qs
                                 : QString::number(game.shotClockPart().ms()) + u" stopped"_qs;
        const QString arrow = game.shotClockPart().possession() == Possession::Home    ? u"home"_qs
                              : game.shotClockPart().possession() == Possession::Guest ? u"guest"_qs
                                                                                       : u"none"_qs;
        return u"%1, game %2, horns %3, arrow %4"_qs.arg(
            face, game.isRunning() ? u"running"_qs : u"stopped"_qs, QString::number(horns), arrow);
    }

private slots:
    void theShotClockFollowsTheGame_data()
    {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");

        QTest::newRow("the game clock starts it")
            << "up"
            << "s +3000"
            << "21000 running, game running, horns 0, arrow none";
        QTest::newRow("the game clock stops it")
            << "up"
            << "s +3000 s +5000"
            << "21000 stopped, game stopped, horns 0, arrow none";
        QTest::newRow("a reset while the game clock runs keeps it running")
            << "up"
            << "s +5000 x +1000"
            << "23000 running, game running, horns 0, arrow none";
        QTest::newRow("a reset while the game clock stands waits for it")
            << "up"
            << "s +5000 s x +1000"
            << "24000 stopped, game stopped, horns 0, arrow none";
        QTest::newRow("a short reset") << "up"
                                       << "s +1000 v +2000"
                                       << "12000 running, game running, horns 0, arrow none";
        QTest::newRow("a timeout stops it") << "up"
                                            << "s +3000 t +5000"
                                            << "21000 stopped, game stopped, horns 0, arrow none";
        QTest::newRow("the end of the timeout lets the game clock start it again")
            << "up"
            << "s +3000 t +60000 s +1000"
            << "20000 running, game running, horns 0, arrow none";
        QTest::newRow("a break (its clock running) stops it, a reset in it waits")
            << "down period30"
            << "s +6000 x +24000 x +5000"
            << "24000 stopped, game running, horns 0, arrow none";
        QTest::newRow("the period's last seconds darken it, counting down")
            << "down period30"
            << "s +10000 x +1000"
            << "dark, game running, horns 0, arrow none";
        QTest::newRow("the period's last seconds darken it, counting up")
            << "up period30"
            << "s +10000 x +1000"
            << "dark, game running, horns 0, arrow none";
        QTest::newRow("a held clock stands still while the game runs")
            << "up"
            << "s +2000 m +3000"
            << "22000 held, game running, horns 0, arrow none";
        QTest::newRow("released, it runs with the game again")
            << "up"
            << "s +2000 m +3000 m +1000"
            << "21000 running, game running, horns 0, arrow none";
        QTest::newRow("blanked, it stays dark until the next reset")
            << "up"
            << "s d +2000"
            << "dark, game running, horns 0, arrow none";
        QTest::newRow("the next reset brings it back")
            << "up"
            << "s d +2000 x +1000"
            << "23000 running, game running, horns 0, arrow none";
        QTest::newRow("undoing a reset puts back its value less the time run since")
            << "up"
            << "s +5000 x +2000 u"
            << "17000 running, game running, horns 0, arrow none";
        QTest::newRow("undoing a short reset while stopped")
            << "up"
            << "s +5000 s v u"
            << "19000 stopped, game stopped, horns 0, arrow none";
        QTest::newRow("undoing a blank brings back the running clock")
            << "up"
            << "s +1000 d +2000 u"
            << "23000 running, game running, horns 0, arrow none";
        QTest::newRow("at zero one horn, and the game clock runs on")
            << "up"
            << "s +30000"
            << "0 stopped, game running, horns 1, arrow none";
        QTest::newRow("at zero the game clock stops when told to")
            << "up stopAtZero"
            << "s +30000"
            << "0 stopped, game stopped, horns 1, arrow none";
        QTest::newRow("undo after zero does not bring the horn back")
            << "up"
            << "s +30000 x +1000 u"
            << "0 stopped, game running, horns 1, arrow none";
        QTest::newRow("a resume after a kill restores it stopped")
            << "up"
            << "s +3000 m kill"
            << "21000 held, game stopped, horns 0, arrow guest";
        QTest::newRow("unlinked, its own key starts it alone")
            << "up unlinked"
            << "m +3000"
            << "21000 running, game stopped, horns 0, arrow none";
        QTest::newRow("unlinked, its own key stops it")
            << "up unlinked"
            << "s m +3000 m +1000"
            << "21000 stopped, game running, horns 0, arrow none";
        QTest::newRow("the arrow points home first, then switches")
            << "up"
            << "a a a"
            << "24000 stopped, game stopped, horns 0, arrow home";
        QTest::newRow("undoing the arrow points it back")
            << "up"
            << "a a u"
            << "24000 stopped, game stopped, horns 0, arrow home";
        QTest::newRow("off, no key touches it and the game runs as ever")
            << "up off"
            << "s x +3000 m v d a"
            << "24000 stopped, game running, horns 0, arrow none";
    }

    void theShotClockFollowsTheGame()
    {
        QFETCH(QString, flags);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        const QStringList flagList = flags.split(u' ');
        Game game = newGame(flagList);
        int hornsBefore = 0;
        for (const QString &key : script.split(u' ')) {
            if (key == u"kill") {
                hornsBefore += int(game.horns->count());
                // The arrow too is kept: pointed before the kill.
                play(game, u"a"_qs);
                play(game, u"a"_qs);
                game = killAndResume(game, flagList);
            } else {
                play(game, key);
            }
        }
        QCOMPARE(describe(*game.model, hornsBefore + int(game.horns->count())), expected);
    }

    // With the rule on, a goal by any way of scoring puts the shot clock back
    // to its length in the same step; one undo takes back both.
    void aGoalResetsTheShotClock_data()
    {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a goal added resets it, running on")
            << "up resetOnScore"
            << "s +5000 goal +1000"
            << "23000 running, game running, 1:0 / 0:0";
        QTest::newRow("the guests' goal too") << "up resetOnScore"
                                              << "s +5000 guestGoal +1000"
                                              << "23000 running, game running, 0:1 / 0:0";
        QTest::newRow("a score set higher resets it") << "up resetOnScore"
                                                      << "s +5000 set3 +1000"
                                                      << "23000 running, game running, 3:0 / 0:0";
        QTest::newRow("a score set lower does not") << "up resetOnScore"
                                                    << "s set3 +5000 set1 +1000"
                                                    << "18000 running, game running, 1:0 / 0:0";
        QTest::newRow("section 2 does not") << "up resetOnScore"
                                            << "s +5000 foul +1000"
                                            << "18000 running, game running, 0:0 / 1:0";
        QTest::newRow("a goal with the clocks stopped resets it, stopped")
            << "up resetOnScore"
            << "s +5000 s goal +1000"
            << "24000 stopped, game stopped, 1:0 / 0:0";
        QTest::newRow("one undo takes back the goal and the reset")
            << "up resetOnScore"
            << "s +5000 goal +2000 u"
            << "17000 running, game running, 0:0 / 0:0";
        QTest::newRow("without the rule a goal leaves it")
            << "up"
            << "s +5000 goal +1000"
            << "18000 running, game running, 1:0 / 0:0";
    }

    void aGoalResetsTheShotClock()
    {
        QFETCH(QString, flags);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        Game game = newGame(flags.split(u' '));
        for (const QString &key : script.split(u' '))
            play(game, key);
        const GameModel &model = *game.model;
        const QString scores = u"%1:%2 / %3:%4"_qs.arg(*model.score(GameModel::Home1))
                                   .arg(*model.score(GameModel::Guest1))
                                   .arg(*model.score(GameModel::Home2))
                                   .arg(*model.score(GameModel::Guest2));
        const QString shot =
            QString::number(model.shotClockPart().ms()) +
            (model.shotClockPart().state().running ? u" running"_qs : u" stopped"_qs);
        QCOMPARE(u"%1, game %2, %3"_qs.arg(shot, model.isRunning() ? u"running"_qs : u"stopped"_qs,
                                           scores),
                 expected);
    }

    // Of the sports the presets bring with a shot clock, each resets it at a
    // goal as its rules do: the ball goes to the other team.
    void thePresetsWithAShotClockResetItAtAGoal()
    {
        const QList<Preset> presets = Presets::load(QString());
        QStringList withShotClock;
        for (const Preset &preset : presets) {
            const ShotClockRules rules =
                gameRulesOf(Presets::apply(preset, presets, defaultSettings())).shotClock;
            if (rules.enabled)
                withShotClock << preset.name +
                                     (rules.resetOnScore ? u" resets"_qs : u" runs on"_qs);
        }
        withShotClock.sort();
        QCOMPARE(withShotClock, (QStringList{u"Basketball resets"_qs, u"Korfball resets"_qs,
                                             u"Water polo resets"_qs}));
    }
};

CORVELLA_TEST_MAIN(TestShotClock)
#include "tst_shotclock.moc"
