// The scoreboard's keyboard: where each control's keys go, and the commands
// they run.
#include "scoreboard/scoreboardwindow.h"

#include "display/controls.h"
#include "display/keyascii.h"
#include "display/leddigit.h"
#include "game/commands.h"
#include "game/gamehistory.h"
#include "game/gamestatefile.h"
#include "platform/dialogs.h"
#include "scoreboard/teamchooser.h"
#include "teams/teamlibrary.h"

#include <QHash>
#include <QKeyEvent>
#include <QShortcut>

using namespace Qt::StringLiterals;

namespace {
constexpr int Esc = 27;
constexpr int LetterO = 111;
constexpr int LetterC = 99;
constexpr int LetterT = 116;
} // namespace

void ScoreBoardWindow::routeKeys()
{
    const BoardView::Controls &c = controls();
    for (PictureBox *caption : {c.homeTeamPanel, c.guestTeamPanel})
        connect(caption, &PictureBox::keyTyped, this, &ScoreBoardWindow::runCommandKey);

    for (LedDigit *digit : clockDigits().members())
        connect(digit, &LedDigit::keyTyped, this, [this](int, int key) { clockKey(key); });

    const std::pair<PictureBox *, GameModel::Score> scores[] = {{c.home1Panel, GameModel::Home1},
                                                                {c.guest1Panel, GameModel::Guest1},
                                                                {c.home2Panel, GameModel::Home2},
                                                                {c.guest2Panel, GameModel::Guest2}};
    for (const auto &[panel, which] : scores) {
        const auto enter = [this, which = which](int key) { scoreKey(which, key); };
        connect(panel, &PictureBox::keyTyped, this, enter);
        // Both digit sets, whichever shows now: the board may switch to three
        // digits later, and must not hear a key twice when it starts with them.
        for (LedDigit *digit : m_view->allScoreDigits(which))
            connect(digit, &LedDigit::keyTyped, this, [enter](int, int key) { enter(key); });
    }
    // Keys typed on the clock panel itself go nowhere.
}

void ScoreBoardWindow::createShortcuts()
{
    // Shortcuts come before every control's own keys, so undo never types a
    // character into an entry.
    const auto shortcut = [this](const QKeySequence &keys, auto slot) {
        auto *s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { redo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { emit exportRequested(); });
}

void ScoreBoardWindow::scoreKey(GameModel::Score which, int keyAscii)
{
    if (takePlayerKey(keyAscii))
        return;
    runCommandKey(keyAscii);
    const std::optional<ScoreEdit> edit = m_scoreEntry.key(which, keyAscii, game().maxScore(which));
    updateHints(keyAscii);
    if (!m_scoreEntry.refusal().isEmpty())
        showNotice(tr("Not taken: %1").arg(m_scoreEntry.refusal()));
    if (!edit)
        return;
    const bool set = edit->kind == ScoreEdit::Set;
    command(set ? u"score.set"_s : u"score.add"_s,
            {{u"team"_s, which % 2 == 0 ? u"home"_s : u"guest"_s},
             {u"section"_s, which < 2 ? 1 : 2},
             {set ? u"set"_s : u"add"_s, edit->amount}});
}

void ScoreBoardWindow::clockKey(int keyAscii)
{
    if (takePlayerKey(keyAscii))
        return;
    runCommandKey(keyAscii);
    const QString typed = m_clockEntry.pendingText();
    const std::optional<qint16> seconds = m_clockEntry.key(keyAscii);
    updateHints(keyAscii);
    if (keyAscii == 13 && !seconds && !typed.isEmpty())
        showNotice(tr("Not taken: %1 is not a time from 0.00 to 99.59").arg(typed));
    if (seconds)
        command(u"clock.set"_s, {{u"value"_s, GameCommands::clockText(*seconds)}});
}

// A refusal in the board's words; one by a break or the final names the
// key that ends it.
QString ScoreBoardWindow::refusalText(const GameCommands::Outcome &outcome) const
{
    if (outcome.blockedBy == GamePhase::Break)
        return tr("Not taken: %1 (%2 skips it)").arg(outcome.why, QChar(settings().SkipBreakKey));
    if (outcome.blockedBy == GamePhase::Final)
        return tr("Not taken: %1 (%2 starts a new one)")
            .arg(outcome.why, QChar(settings().NewGameKey));
    return tr("Not taken: %1").arg(outcome.why);
}

void ScoreBoardWindow::hint(const QString &notice)
{
    if (m_hints)
        showNotice(notice);
}

// Runs a command from the keys. A refusal is told on the hints only, so a
// board without them stays as silent as it always was; `loud` ones (the
// keys of timeouts and sets) show in the title too, and so does the hall's
// console keeping what a key would change: a board that just ignored the
// operator's keys would look broken.
bool ScoreBoardWindow::command(const QString &id, const QJsonObject &params, bool loud)
{
    const GameState before = game().state();
    const QString noticeBefore = m_notice;
    const GameCommands::Outcome outcome = m_commands->run(id, params);
    if (!outcome.isDone()) {
        if (loud || outcome.byConsole)
            showNotice(refusalText(outcome), true);
        else
            hint(refusalText(outcome));
        return false;
    }
    // A step done puts the last note out of date: an undo told, an entry
    // refused; what the step itself told (a player's last foul) stays.
    if (m_hints && game().state() != before && !m_notice.isEmpty() && m_notice == noticeBefore)
        showNotice({});
    return true;
}

void ScoreBoardWindow::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_F2) {
        emit audienceToggleRequested();
        return;
    }
    if (plain && event->key() == Qt::Key_F3) {
        emit settingsRequested();
        return;
    }
    if (plain && event->key() == Qt::Key_F4) {
        emit networkWindowRequested();
        return;
    }
    if (plain && event->key() == Qt::Key_F7) {
        askForNextGame();
        return;
    }
    if (plain && event->key() == Qt::Key_F11) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        return;
    }
    if (const int code = keyAscii(event)) {
        runCommandKey(code);
        updateHints(code);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void ScoreBoardWindow::runCommandKey(int keyAscii)
{
    // An open foul or penalty entry has the digits, whatever has the focus.
    if (takePlayerKey(keyAscii))
        return;
    runCommand(keyAscii);
}

void ScoreBoardWindow::runCommand(int keyAscii)
{
    // The configurable keys come first: one equal to Esc, "o" or "c" hides
    // that command. They are read at every key, so a change in the options
    // takes effect at once.
    const Settings &s = settings();
    // A running timeout is told in the title too: its team's key ends it.
    if (keyAscii == s.StartStopClockKey)
        command(u"clock.toggle"_s, {}, game().timeoutTeam().has_value());
    else if (keyAscii == s.ResetClockKey)
        command(u"clock.reset"_s);
    else if (keyAscii == s.BuzzerKey)
        command(u"buzzer.sound"_s);
    else if (keyAscii == s.ShortHornKey)
        command(u"buzzer.short"_s);
    else if (keyAscii == s.MuteKey)
        command(u"sound.mute"_s);
    else if (keyAscii == Esc && isFullScreen())
        setWindowState(windowState() & ~Qt::WindowFullScreen); // the start screen at the next Esc
    else if (game().structure().isOn() && runPeriodKey(keyAscii))
        return;
    else if (game().hasTimeouts() && runTimeoutKey(keyAscii))
        return;
    else if (game().hasShotClock() && runShotClockKey(keyAscii))
        return;
    else if (game().hasPlayers() && runPlayerKey(keyAscii))
        return;
    else if (game().playsSets() && runSetsKey(keyAscii))
        return;
    else if (keyAscii == Esc)
        showStartScreen();
    else if (keyAscii == LetterO)
        showOptions();
    else if (keyAscii == LetterC)
        askToClear();
    else if (keyAscii == LetterT)
        chooseTeams();
}

bool ScoreBoardWindow::chooseTeams()
{
    const QList<Team> library =
        m_teamFolder.isEmpty() ? QList<Team>() : TeamLibrary::load(m_teamFolder);
    if (library.isEmpty())
        return false;
    TeamChooser chooser(library, m_teamFolder, game().sides(), this);
    // Who plays is not a step of the game: undo takes back scores and
    // clock, never the teams on the board.
    if (chooser.exec() == QDialog::Accepted)
        game().setSides(chooser.sides());
    return true;
}

// The keys of a game with periods; a board without periods has none of them.
bool ScoreBoardWindow::runPeriodKey(int keyAscii)
{
    const Settings &s = settings();
    if (keyAscii == s.NextPeriodKey)
        command(u"period.next"_s);
    else if (keyAscii == s.PreviousPeriodKey)
        command(u"period.previous"_s);
    else if (keyAscii == s.SkipBreakKey)
        command(u"break.skip"_s);
    else if (keyAscii == s.NewGameKey)
        askForNewGame();
    else
        return false;
    return true;
}

// The timeout keys of a game with timeouts; a board without them has none.
bool ScoreBoardWindow::runTimeoutKey(int keyAscii)
{
    // Refusals show in the title too: a key command is answered on a board
    // without hints as well.
    const Settings &s = settings();
    GameModel::Team team = GameModel::Home;
    if (keyAscii == s.GuestTimeoutKey)
        team = GameModel::Guest;
    else if (keyAscii != s.HomeTimeoutKey)
        return false;
    command(u"timeout.toggle"_s, {{u"team"_s, team == GameModel::Home ? u"home"_s : u"guest"_s}},
            true);
    return true;
}

// The keys of the shot clock and the arrow; a board without the shot clock
// has none of them.
bool ScoreBoardWindow::runShotClockKey(int keyAscii)
{
    const Settings &s = settings();
    const QHash<int, QString> keys{{s.ShotClockResetKey, u"shotclock.reset"_s},
                                   {s.ShotClockShortKey, u"shotclock.short"_s},
                                   {s.ShotClockHoldKey, u"shotclock.toggle"_s},
                                   {s.ShotClockBlankKey, u"shotclock.blank"_s},
                                   {s.PossessionKey, u"possession.switch"_s}};
    const auto it = keys.constFind(keyAscii);
    if (it == keys.cend())
        return false;
    command(*it);
    return true;
}

// The keys of a match in sets; a board without sets has none of them.
bool ScoreBoardWindow::runSetsKey(int keyAscii)
{
    const Settings &s = settings();
    if (keyAscii == s.PointHomeKey || keyAscii == s.PointGuestKey) {
        if (!command(keyAscii == s.PointHomeKey ? u"point.home"_s : u"point.guest"_s, {}, true))
            return true;
        // The hints are the operator's to give: the audience sees none.
        if (game().setsPart().hint() == SetsRules::Hint::SwitchSides)
            showNotice(tr("Switch sides"), true);
        else if (game().setsPart().hint() == SetsRules::Hint::Interval)
            showNotice(tr("Interval"), true);
    } else if (keyAscii == s.FirstServerKey) {
        command(u"serve.switch"_s, {}, true);
    } else if (keyAscii == s.NewGameKey) {
        askForNewGame();
    } else {
        return false;
    }
    return true;
}

void ScoreBoardWindow::askForNewGame()
{
    if (!m_dialogs.askYesNo(this, tr("Are you sure you want to start a new game?"),
                            tr("New game?")))
        return;
    // A new game may be between other teams; with no library, as it always was.
    chooseTeams();
    startNewGame();
}

void ScoreBoardWindow::startNewGame()
{
    command(u"game.new"_s);
    m_scoreEntry.discard();
    m_clockEntry.discard();
}

// What comes from the hall never replaces a game being played: only one
// over, or one nothing has happened in yet (a new or cleared board).
QString ScoreBoardWindow::nextGameRefusal() const
{
    const bool underWay = game().isRunning() ||
                          (game().phase() != GamePhase::Final && !SavedGame::of(game()).isFresh());
    if (!underWay)
        return {};
    // Named, so that nobody takes it for a stale one to be cleared away.
    const QString playing =
        QStringLiteral("%1 - %2").arg(sideCaption(game(), GameModel::Home, settings()),
                                      sideCaption(game(), GameModel::Guest, settings()));
    return tr("Not loaded: %1 is still being played").arg(playing);
}

void ScoreBoardWindow::askForNextGame()
{
    if (m_nextGame.isEmpty()) {
        showNotice(tr("No next game has come from the hall"), true);
        return;
    }
    if (const QString refusal = nextGameRefusal(); !refusal.isEmpty()) {
        showNotice(refusal, true);
        return;
    }
    if (!m_dialogs.askYesNo(this, tr("Start a new game: %1?").arg(m_nextGame), tr("New game?")))
        return;
    // The clock may have been started from the network meanwhile.
    if (const QString refusal = nextGameRefusal(); !refusal.isEmpty()) {
        showNotice(refusal, true);
        return;
    }
    emit nextGameAccepted();
}

void ScoreBoardWindow::askToClear()
{
    if (!m_dialogs.askYesNo(this, tr("Are you sure you want to clear all LEDs?"),
                            tr("Clear all LEDs?")))
        return;
    command(u"board.clear"_s);
    m_scoreEntry.discard();
    m_clockEntry.discard();
}

void ScoreBoardWindow::showStartScreen()
{
    emit startScreenRequested();
}

void ScoreBoardWindow::showOptions()
{
    // The program applies the options' outcome to the board.
    emit optionsRequested();
}
