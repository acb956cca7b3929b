#include "display/controls.h"
#include "display/leddigit.h"
#include "display/ledgroup.h"
#include "platform/dialogs.h"
#include "scoreboard/scoreboardwindow.h"
#include "scoreboard/teamchooser.h"
#include "settings/appsettings.h"
#include "teams/teamlibrary.h"
#include "tests/support/boardtext.h"
#include "tests/support/fakes.h"
#include "tests/support/testboard.h"
#include "tests/support/testenv.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// "7" or " 7" style: what a score shows, blanks as spaces.
QString scoreText(const LedGroup &group)
{
    QString text;
    for (int i = 1; i >= 0; --i)
        text +=
            group[i]->caption() < 0 ? QStringLiteral(" ") : QString::number(group[i]->caption());
    return text;
}

// Puts a score on the game the board shows.
void setScore(ScoreBoardWindow &board, const LedGroup &group, int value)
{
    const QStringList names = {QStringLiteral("ledHomeScore0"), QStringLiteral("ledGuestScore0"),
                               QStringLiteral("ledHomeScore1"), QStringLiteral("ledGuestScore1")};
    board.game().setScore(static_cast<int>(names.indexOf(group.name())), value);
}

// Types a sequence of keys; "\r" is Enter.
void type(QWidget *target, const QString &keys)
{
    for (QChar c : keys) {
        if (c == u'\r')
            QTest::keyClick(target, Qt::Key_Return);
        else
            QTest::keyClicks(target, QString(c));
    }
}

} // namespace

class TestKeyCommands : public QObject
{
    Q_OBJECT

    Settings settings = defaultSettings();

    FakeServices fakes;
    std::unique_ptr<TestBoard> made;
    ScoreBoardWindow *board = nullptr;

    // The options' OK: new settings reach the board as values.
    void changeSettings(const std::function<void(Settings &)> &change)
    {
        Settings changed = board->settings();
        change(changed);
        board->applySettings(changed);
    }

    void clickFocus(QWidget *w)
    {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(QApplication::focusWidget(), w);
    }

private slots:
    void init()
    {
        settings = defaultSettings();
        settings.BuzzerFile = QCoreApplication::applicationFilePath(); // any existing file
        fakes.dialogs = ScriptedDialogs{};
        made = std::make_unique<TestBoard>(fakes, settings);
        board = &made->window;
        board->show();
        QVERIFY(QTest::qWaitForWindowActive(board));
    }
    void cleanup() { made.reset(); }

    void commandKeysFromEveryPartThatPassesKeys()
    {
        const auto &c = board->controls();
        for (QWidget *target :
             {static_cast<QWidget *>(board), static_cast<QWidget *>(c.homeTeamPanel),
              static_cast<QWidget *>(c.guestTeamPanel),
              static_cast<QWidget *>(board->clockDigits()[3]), static_cast<QWidget *>(c.home2Panel),
              static_cast<QWidget *>(board->guest1Digits()[1])}) {
            target->setFocus();
            QTest::keyClick(target, Qt::Key_S);
            QVERIFY2(board->game().isRunning(), qPrintable(target->objectName()));
            QTest::keyClick(target, Qt::Key_S);
            QVERIFY(!board->game().isRunning());
        }
    }

    void theClockPanelItselfSwallowsKeys()
    {
        clickFocus(board->controls().clockPanel);
        QTest::keyClick(board->controls().clockPanel, Qt::Key_S);
        QVERIFY(!board->game().isRunning());
    }

    void upperCaseIsAnotherKey()
    {
        const auto &c = board->controls();
        c.homeTeamPanel->setFocus();
        QSignalSpy buzzer(board, &ScoreBoardWindow::buzzerRequested);
        QTest::keyClicks(c.homeTeamPanel, QStringLiteral("SRBOC"));
        QVERIFY(!board->game().isRunning());
        QCOMPARE(buzzer.count(), 0);
        QCOMPARE(fakes.dialogs.questions, 0);
    }

    // F3 asks for the settings window; the options stay on "o".
    void f3AsksForTheSettingsWindow()
    {
        QSignalSpy settingsAsked(board, &ScoreBoardWindow::settingsRequested);
        QSignalSpy optionsAsked(board, &ScoreBoardWindow::optionsRequested);
        QTest::keyClick(board, Qt::Key_F3);
        QCOMPARE(settingsAsked.count(), 1);
        QCOMPARE(optionsAsked.count(), 0);
    }

    void configurableKeysComeFirst()
    {
        changeSettings([](Settings &s) {
            s.BuzzerKey = 'o';
            s.ResetClockKey = s.StartStopClockKey;
        });
        int optionsShown = 0;
        connect(board, &ScoreBoardWindow::optionsRequested, this, [&] { ++optionsShown; });
        QSignalSpy buzzer(board, &ScoreBoardWindow::buzzerRequested);
        board->runCommandKey('o');
        QCOMPARE(optionsShown, 0);
        QCOMPARE(buzzer.count(), 1);
        board->runCommandKey('s');
        QVERIFY(board->game().isRunning());
        board->runCommandKey('s');
        QVERIFY(!board->game().isRunning());

        changeSettings([](Settings &s) { s.StartStopClockKey = 27; });
        int startScreens = 0;
        connect(board, &ScoreBoardWindow::startScreenRequested, this, [&] { ++startScreens; });
        board->runCommandKey(27);
        QCOMPARE(startScreens, 0);
        QVERIFY(board->game().isRunning());
    }

    void shotClockKeysActOnlyWithTheShotClockOn_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        // Off, the keys do what they did before: nothing on the board.
        QTest::newRow("off") << false << "sxvmda"
                             << "24000 stopped, arrow 0";
        QTest::newRow("reset keeps it running") << true << "sx"
                                                << "24000 running, arrow 0";
        QTest::newRow("short reset") << true << "sv"
                                     << "14000 running, arrow 0";
        QTest::newRow("hold") << true << "sm"
                              << "24000 stopped, arrow 0";
        QTest::newRow("dark") << true << "sd"
                              << "24000 dark, arrow 0";
        QTest::newRow("the arrow home, then guest") << true << "aa"
                                                    << "24000 stopped, arrow 2";
    }

    void shotClockKeysActOnlyWithTheShotClockOn()
    {
        QFETCH(bool, on);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        ShotClockRules rules;
        rules.enabled = on;
        changeSettings([on](Settings &s) { s.ShotClockEnabled = on ? 1 : 0; });
        board->game().shotClockPart().setRules(rules);
        const QWidget *focus = board->controls().homeTeamPanel;
        board->controls().homeTeamPanel->setFocus();
        for (const QChar key : keys)
            QTest::keyClicks(const_cast<QWidget *>(focus), QString(key));
        const GameModel &game = board->game();
        const QString state = game.shotClockPart().state().dark      ? QStringLiteral("dark")
                              : game.shotClockPart().state().running ? QStringLiteral("running")
                                                                     : QStringLiteral("stopped");
        QCOMPARE(QStringLiteral("%1 %2, arrow %3")
                     .arg(game.shotClockPart().ms())
                     .arg(state)
                     .arg(int(game.shotClockPart().possession())),
                 expected);
    }

    void playerKeysOpenAnEntryThatHasTheDigits_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("lengths");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("roster");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("notice");
        const QString fiveFouls = u"fh7\rfh7\rfh7\rfh7\rfh7\r"_qs;
        // Off, the keys type what they did before: 7 and Enter set a score.
        QTest::newRow("off") << false << "2.00"
                             << "score" << false << "fh7\r"
                             << "fouls -; penalties -; scores 7-0"
                             << "";
        QTest::newRow("a foul from a caption") << true << "2.00"
                                               << "caption" << false << "fh7\r"
                                               << "fouls H7=1; penalties -; scores 0-0"
                                               << "";
        QTest::newRow("the digits skip the score that has the focus")
            << true << "2.00"
            << "score" << false << "fj12\r"
            << "fouls G12=1; penalties -; scores 0-0"
            << "";
        QTest::newRow("and the clock that has it") << true << "2.00"
                                                   << "clock" << false << "fh07\r"
                                                   << "fouls H07=1; penalties -; scores 0-0"
                                                   << "";
        QTest::newRow("Space drops the entry") << true << "2.00"
                                               << "score" << false << "fh7 \r"
                                               << "fouls -; penalties -; scores 0-0"
                                               << "";
        QTest::newRow("one length: Enter takes it") << true << "2.00"
                                                    << "caption" << false << "ej12\r"
                                                    << "fouls -; penalties G12=120000; scores 0-0"
                                                    << "";
        QTest::newRow("three lengths: chosen by place")
            << true << "2.00, 5.00, 10.00"
            << "caption" << false << "eh4\r2"
            << "fouls -; penalties H4=300000; scores 0-0"
            << "";
        QTest::newRow("the fifth foul names the player")
            << true << "2.00"
            << "caption" << false << fiveFouls << "fouls H7=5; penalties -; scores 0-0"
            << "#7: 5th foul";
        QTest::newRow("by the roster's name")
            << true << "2.00"
            << "caption" << true << fiveFouls << "fouls H7=5; penalties -; scores 0-0"
            << "#7 Anna Berg: 5th foul";
    }

    void playerKeysOpenAnEntryThatHasTheDigits()
    {
        QFETCH(bool, on);
        QFETCH(QString, lengths);
        QFETCH(QString, focus);
        QFETCH(bool, roster);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(QString, notice);
        changeSettings([&](Settings &s) {
            s.PlayersEnabled = on ? 1 : 0;
            s.PenaltyLengths = lengths;
        });
        PlayerRules rules;
        rules.enabled = on;
        rules.penaltyLengthsMs = {120'000};
        if (lengths.contains(u','))
            rules.penaltyLengthsMs = {120'000, 300'000, 600'000};
        GameModel &game = board->game();
        game.playersPart().setRules(rules);
        if (roster) {
            Team team{u"TSV"_qs, {}, {}, {}, {}, {Player{u"7"_qs, u"Anna Berg"_qs}}};
            game.setSides({GameSide{team, {}}, GameSide{}});
        }
        QWidget *target = focus == u"score"_qs ? static_cast<QWidget *>(board->home1Digits()[0])
                          : focus == u"clock"_qs
                              ? static_cast<QWidget *>(board->clockDigits()[3])
                              : static_cast<QWidget *>(board->controls().homeTeamPanel);
        clickFocus(target);
        type(target, keys);
        QStringList fouls, penalties;
        for (const GameModel::Team team : {GameModel::Home, GameModel::Guest}) {
            const QString side = team == GameModel::Home ? u"H"_qs : u"G"_qs;
            const auto &lines = game.playersPart().tally().teams.at(team);
            for (auto it = lines.cbegin(); it != lines.cend(); ++it)
                if (it->fouls > 0)
                    fouls << side + it.key() + u'=' + QString::number(it->fouls);
            for (const Penalty &penalty : game.playersPart().penalties().teams.at(team))
                penalties << side + penalty.player + u'=' + QString::number(penalty.ms);
        }
        const auto listed = [](const QStringList &items) {
            return items.isEmpty() ? u"-"_qs : items.join(u' ');
        };
        QCOMPARE(u"fouls %1; penalties %2; scores %3-%4"_qs.arg(
                     listed(fouls), listed(penalties),
                     QString::number(game.score(GameModel::Home1).value_or(0)),
                     QString::number(game.score(GameModel::Guest1).value_or(0))),
                 expected);
        if (!notice.isEmpty())
            QCOMPARE(board->notice(), notice);
        QVERIFY(!board->playerEntry().isOpen());
    }

    void theTeamKeysAskWhoPlaysOnlyWithALibrary_data()
    {
        QTest::addColumn<bool>("library");
        QTest::addColumn<bool>("periods");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("homeCaption");
        QTest::newRow("t, no teams") << false << false << int(Qt::Key_T) << QStringLiteral("Home");
        QTest::newRow("t, a team")
            << true << false << int(Qt::Key_T) << QStringLiteral("TSV Neustadt");
        QTest::newRow("g, no teams") << false << true << int(Qt::Key_G) << QStringLiteral("Home");
        QTest::newRow("g, a team")
            << true << true << int(Qt::Key_G) << QStringLiteral("TSV Neustadt");
    }

    void theTeamKeysAskWhoPlaysOnlyWithALibrary()
    {
        QFETCH(bool, library);
        QFETCH(bool, periods);
        QFETCH(int, key);
        QFETCH(QString, homeCaption);
        QTemporaryDir teams;
        if (library)
            TeamLibrary::write({QStringLiteral("TSV Neustadt"), {}, {}, {}, {}, {}}, teams.path());
        board->setTeamFolder(teams.path());
        if (periods)
            board->game().setStructure({2, {60'000}, 0});
        setScore(*board, board->home1Digits(), 42);
        int choosers = 0;
        // The chooser is modal: answered from the event loop it runs.
        QTimer::singleShot(0, board, [&] {
            auto *chooser = qobject_cast<TeamChooser *>(QApplication::activeModalWidget());
            if (!chooser)
                return;
            ++choosers;
            chooser->findChild<QComboBox *>(QStringLiteral("cboHomeTeam"))
                ->setCurrentText(QStringLiteral("TSV Neustadt"));
            chooser->findChild<QComboBox *>(QStringLiteral("cboGuestTeam"))
                ->setCurrentText(QStringLiteral("Visitors"));
            chooser->accept();
        });
        QTest::keyClick(board->controls().homeTeamPanel, Qt::Key(key));
        QCOMPARE(choosers, library ? 1 : 0);
        QCOMPARE(sideCaption(board->game(), GameModel::Home, board->settings()), homeCaption);
        QCOMPARE(board->controls().homeTeamCaption->text(), homeCaption);
        // "g" is a new game with or without teams.
        QCOMPARE(board->game().score(GameModel::Home1), std::optional<int>(periods ? 0 : 42));
    }

    void setsKeysActOnlyWithSetsOn_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("off") << false << "qqwy"
                             << "0:0, serving 0";
        QTest::newRow("points") << true << "qqw"
                                << "2:1, serving 1";
        QTest::newRow("the guests serve first") << true << "y"
                                                << "0:0, serving 1";
        QTest::newRow("no switch once the set began") << true << "qy"
                                                      << "1:0, serving 0";
    }

    void setsKeysActOnlyWithSetsOn()
    {
        QFETCH(bool, on);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        SetsRules rules;
        rules.enabled = on;
        changeSettings([on](Settings &s) { s.SetsEnabled = on ? 1 : 0; });
        board->game().setsPart().setRules(rules);
        board->controls().homeTeamPanel->setFocus();
        for (const QChar key : keys)
            QTest::keyClicks(board->controls().homeTeamPanel, QString(key));
        const GameModel &game = board->game();
        QCOMPARE(u"%1:%2, serving %3"_qs.arg(*game.score(GameModel::Home1))
                     .arg(*game.score(GameModel::Guest1))
                     .arg(game.setsPart().state().serving),
                 expected);
    }

    // A set won by keys: the next set's serve, the played set's points and
    // the timeouts left of the new set show, as on every other view.
    void aSetWonByKeysShowsOnTheBoard()
    {
        SetsRules rules;
        rules.enabled = true;
        changeSettings([](Settings &s) { s.SetsEnabled = 1; });
        board->game().setsPart().setRules(rules);
        const auto &c = board->controls();
        c.homeTeamPanel->setFocus();
        QTest::keyClicks(c.homeTeamPanel, u"qqqqqqqqqqqqqqqqqqqqqqqqq"_qs);
        QCOMPARE(*board->game().score(GameModel::Home2), 1);
        QVERIFY(!c.serveMarks[0]->isVisible());
        QVERIFY(c.serveMarks[1]->isVisible());
        QCOMPARE(c.setScores->text(), u"25:0"_qs);
        for (const auto &dots : c.timeoutDots) {
            QVERIFY(dots[1]->isVisible());
            QVERIFY(!dots[2]->isVisible());
        }
    }

    // A timeout a resume brought back held: the start key runs it on, and
    // leaves the game clock stopped.
    void theStartKeyRunsOnAHeldTimeout()
    {
        GameState held = board->game().state();
        held.timeoutTeam = GameModel::Home;
        held.timeoutMs = 41'000;
        held.timeoutHeld = true;
        board->game().restore(held);
        QTest::keyClick(board, Qt::Key_S);
        QVERIFY(!board->game().isTimeoutHeld());
        QCOMPARE(board->game().timeoutTeam(), GameModel::Home);
        QVERIFY(!board->game().isRunning());
    }

    // A match won by keys: "FINAL" in the set corner, and no set number.
    void aMatchWonShowsTheFinalWithoutASetNumber()
    {
        SetsRules rules;
        rules.enabled = true;
        changeSettings([](Settings &s) { s.SetsEnabled = 1; });
        board->game().setsPart().setRules(rules);
        const auto &c = board->controls();
        c.homeTeamPanel->setFocus();
        // Sets 25:0, 25:0, 0:25, 25:0: won 3:1 in the fourth.
        const QString home(25, u'q');
        const QString guest(25, u'w');
        QTest::keyClicks(c.homeTeamPanel, home + home + guest + home);
        QCOMPARE(board->game().phase(), GamePhase::Final);
        QCOMPARE(board->game().period(), 4);
        QCOMPARE(c.phaseCaption->text(), u"FINAL"_qs);
        QStringList period;
        for (const LedDigit *digit : board->findChildren<LedDigit *>(u"ledPeriod"_qs))
            period << QString::number(digit->caption());
        QCOMPARE(period, (QStringList{u"-1"_qs, u"-1"_qs}));
    }

    void clearAllLedsAsksAndBlanksEverything()
    {
        const auto &c = board->controls();
        setScore(*board, board->home1Digits(), 42);
        board->game().startStop();
        fakes.time.now += 5000;
        board->game().updateClock();

        fakes.dialogs.yes = false;
        c.homeTeamPanel->setFocus();
        QTest::keyClick(c.homeTeamPanel, Qt::Key_C);
        QCOMPARE(fakes.dialogs.questions, 1);
        QCOMPARE(fakes.dialogs.lastText,
                 QStringLiteral("Are you sure you want to clear all LEDs?"));
        QCOMPARE(fakes.dialogs.lastTitle, QStringLiteral("Clear all LEDs?"));
        QCOMPARE(scoreText(board->home1Digits()), QStringLiteral("42"));
        QVERIFY(board->game().isRunning());

        fakes.dialogs.yes = true;
        QTest::keyClick(c.homeTeamPanel, Qt::Key_C);
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral("  :  . "));
        for (const LedGroup *g :
             {&board->clockDigits(), &board->home1Digits(), &board->guest1Digits(),
              &board->home2Digits(), &board->guest2Digits()})
            for (const LedDigit *d : g->members())
                QCOMPARE(d->caption(), -1);
        QVERIFY(!board->game().isRunning());
        board->game().startStop();
        fakes.time.now += 300;
        board->game().updateClock();
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral(" 0:00.3"));
    }

    void theQuestionBoxLooksAsItShould()
    {
        const auto box =
            makeYesNoBox(nullptr, QStringLiteral("Are you sure you want to clear all LEDs?"),
                         QStringLiteral("Clear all LEDs?"));
        QCOMPARE(box->text(), QStringLiteral("Are you sure you want to clear all LEDs?"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Clear all LEDs?"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
    }

    void scoreEntry_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digit, Enter") << 42 << QStringLiteral("7\r") << QStringLiteral(" 7");
        QTest::newRow("0, Enter") << 42 << QStringLiteral("0\r") << QStringLiteral(" 0");
        QTest::newRow("9 + 9 = 18") << 9 << QStringLiteral("+9") << QStringLiteral("18");
        QTest::newRow("10 - 1 = 9, tens blank")
            << 10 << QStringLiteral("-1") << QStringLiteral(" 9");
        QTest::newRow("0 - 1 unchanged") << 0 << QStringLiteral("-1") << QStringLiteral(" 0");
        QTest::newRow("99 + 1 unchanged") << 99 << QStringLiteral("+1") << QStringLiteral("99");
        QTest::newRow("98 + 5 unchanged") << 98 << QStringLiteral("+5") << QStringLiteral("98");
        QTest::newRow("two digits change nothing")
            << 5 << QStringLiteral("12\r") << QStringLiteral(" 5");
        QTest::newRow("+, Enter") << 5 << QStringLiteral("+\r") << QStringLiteral(" 5");
        QTest::newRow("+, + empties") << 5 << QStringLiteral("++3") << QStringLiteral(" 5");
        QTest::newRow("5, + empties") << 5 << QStringLiteral("5+\r") << QStringLiteral(" 5");
        QTest::newRow("space discards") << 5 << QStringLiteral("7 \r") << QStringLiteral(" 5");
        QTest::newRow("Enter alone") << 5 << QStringLiteral("\r") << QStringLiteral(" 5");
        QTest::newRow("letters ignored") << 5 << QStringLiteral("x3\r") << QStringLiteral(" 3");
        QTest::newRow("adds twice") << 5 << QStringLiteral("+5+5") << QStringLiteral("15");
    }

    void scoreEntry()
    {
        QFETCH(int, start);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        const LedGroup &score = board->guest2Digits();
        setScore(*board, score, start);
        clickFocus(score[0]);
        type(score[0], keys);
        QCOMPARE(scoreText(score), shown);
        // The panel round the digits takes the same keys.
        setScore(*board, board->home1Digits(), start);
        clickFocus(board->controls().home1Panel);
        type(board->controls().home1Panel, keys);
        QCOMPARE(scoreText(board->home1Digits()), shown);
    }

    // A board that opens on three digits (a preset's, or a resumed game's)
    // hears each key on a clicked score once: a digit and Enter set that
    // digit, and one `s` starts the clock.
    void aBoardOpenedOnThreeDigitsTakesEachKeyOnce()
    {
        made.reset();
        GameModel game(fakes.time);
        GameStructure rules;
        rules.section1Max = 999;
        game.setStructure(rules);
        GameHistory history(game);
        ScoreBoardWindow window(game, history, settings, fakes.dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.showsThreeDigits());
        LedDigit *digit = window.scoreDigits(GameModel::Home1)[2];
        clickFocus(digit);
        type(digit, QStringLiteral("3\r"));
        QCOMPARE(game.score(GameModel::Home1), 3);
        type(digit, QStringLiteral("+3"));
        QCOMPARE(game.score(GameModel::Home1), 6);
        QTest::keyClick(digit, Qt::Key_S);
        QVERIFY(game.isRunning());
    }

    void aPendingEntryStaysWithItsScore()
    {
        clickFocus(board->home1Digits()[0]);
        QTest::keyClicks(board->home1Digits()[0], QStringLiteral("+"));
        clickFocus(board->home2Digits()[1]);
        QTest::keyClicks(board->home2Digits()[1], QStringLiteral("4"));
        QTest::keyClick(board->home2Digits()[1], Qt::Key_Return);
        QCOMPARE(scoreText(board->home1Digits()), QStringLiteral(" 0"));
        QCOMPARE(scoreText(board->home2Digits()), QStringLiteral(" 4"));
    }

    void aChangeOnAClearedScoreCountsFromZero()
    {
        fakes.dialogs.yes = true;
        board->askToClear();
        clickFocus(board->guest1Digits()[0]);
        QTest::keyClicks(board->guest1Digits()[0], QStringLiteral("+3"));
        QCOMPARE(scoreText(board->guest1Digits()), QStringLiteral(" 3"));
    }

    void aDigitCommandKeyRunsOncePerPress()
    {
        changeSettings([](Settings &s) { s.StartStopClockKey = '5'; });
        clickFocus(board->home1Digits()[0]);
        QTest::keyClicks(board->home1Digits()[0], QStringLiteral("5"));
        QVERIFY(board->game().isRunning());
        QTest::keyClick(board->home1Digits()[0], Qt::Key_Return);
        QVERIFY(board->game().isRunning());
        QCOMPARE(scoreText(board->home1Digits()), QStringLiteral(" 5"));
    }

    void clockEntry_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("face");
        QTest::newRow("12.30") << QStringLiteral("12.30\r") << QStringLiteral("12:30.0");
        QTest::newRow("12.5") << QStringLiteral("12.5\r") << QStringLiteral("12:50.0");
        QTest::newRow("12.05") << QStringLiteral("12.05\r") << QStringLiteral("12:05.0");
        QTest::newRow("5") << QStringLiteral("5\r") << QStringLiteral(" 5:00.0");
        QTest::newRow(".3") << QStringLiteral(".3\r") << QStringLiteral(" 0:30.0");
        QTest::newRow("0.75") << QStringLiteral("0.75\r") << QStringLiteral(" 1:15.0");
        QTest::newRow("99.59") << QStringLiteral("99.59\r") << QStringLiteral("99:59.0");
        QTest::newRow("99.6") << QStringLiteral("99.6\r") << QStringLiteral(" 3:21.4");
        QTest::newRow("100") << QStringLiteral("100\r") << QStringLiteral(" 3:21.4");
        QTest::newRow("99.591") << QStringLiteral("99.591\r") << QStringLiteral(" 3:21.4");
        QTest::newRow("1.2.3") << QStringLiteral("1.2.3\r") << QStringLiteral(" 3:21.4");
        QTest::newRow("Enter alone") << QStringLiteral("\r") << QStringLiteral(" 3:21.4");
        QTest::newRow("12 space 3") << QStringLiteral("12 3\r") << QStringLiteral(" 3:00.0");
        QTest::newRow("letters ignored") << QStringLiteral("1x2\r") << QStringLiteral("12:00.0");
    }

    void clockEntry()
    {
        QFETCH(QString, keys);
        QFETCH(QString, face);
        board->game().enterClockTime(201);
        board->clockDigits()[5]->setCaption(4);
        clickFocus(board->clockDigits()[2]);
        type(board->clockDigits()[2], keys);
        QCOMPARE(faceText(board->clockDigits()), face);
    }

    void anEnteredTimeStopsTheClockAndCountsOnFromIt()
    {
        board->game().startStop();
        clickFocus(board->clockDigits()[5]);
        type(board->clockDigits()[5], QStringLiteral("12.30\r"));
        QVERIFY(!board->game().isRunning());
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral("12:30.0"));
        QCOMPARE(board->game().enteredSeconds(), qint16(750));
        board->game().startStop();
        fakes.time.now += 200;
        board->game().updateClock();
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral("12:30.2"));
    }

    void backspaceDoesNotEraseATypedTime()
    {
        clickFocus(board->clockDigits()[1]);
        QTest::keyClicks(board->clockDigits()[1], QStringLiteral("12"));
        QTest::keyClick(board->clockDigits()[1], Qt::Key_Backspace);
        QTest::keyClick(board->clockDigits()[1], Qt::Key_Return);
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral("12:00.0"));
    }
};

CORVELLA_TEST_MAIN(TestKeyCommands)
#include "tst_keycommands.moc"
