// The scoreboard's keyboard: where each control's keys go, and the commands
// they run.
#include "scoreboard/scoreboardwindow.h"

#include "display/controls.h"
#include "display/keyascii.h"
#include "display/leddigit.h"
#include "game/gamehistory.h"
#include "game/gamestatefile.h"
#include "platform/dialogs.h"
#include "scoreboard/teamchooser.h"
#include "teams/teamlibrary.h"

#include <QKeyEvent>
#include <QShortcut>

namespace {
using Action = GameHistory::Action;
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
    // The game ignores a score out of range; the operator is told why.
    const auto change =
        edit->kind == ScoreEdit::Set ? GameModel::ScoreChange::Set : GameModel::ScoreChange::Add;
    if (const QString refusal = game().scoreRefusal(which, change, edit->amount);
        !refusal.isEmpty())
        showNotice(tr("Not taken: %1").arg(refusal));
    if (edit->kind == ScoreEdit::Set)
        act(Action::ScoreSet, tr("Set score"),
            [&](GameModel &game) { game.setScore(which, edit->amount); });
    else
        act(Action::ScoreAdd, tr("Change score"),
            [&](GameModel &game) { game.addToScore(which, edit->amount); });
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
        act(Action::ClockSet, tr("Set clock"),
            [&](GameModel &game) { game.enterClockTime(*seconds); });
    if (seconds && game().phase() != GamePhase::Play)
        hint(phaseRefusal());
}

// Why the game has refused a command key, on the hints only: a board without
// them stays as silent as it always was. Keys refused elsewhere (a timeout
// running) have said so already.
void ScoreBoardWindow::explainRefusal(int keyAscii)
{
    const Settings &s = settings();
    const bool periods = game().structure().isOn();
    const bool inPlay = game().phase() == GamePhase::Play;
    if ((keyAscii == s.StartStopClockKey && !game().timeoutTeam()) || keyAscii == s.ResetClockKey) {
        if (!inPlay)
            hint(phaseRefusal());
        else if (keyAscii == s.StartStopClockKey && game().countsDown() && game().clockMs() <= 0)
            hint(tr("Not started: the clock is at zero; reset it or type a time"));
    } else if (periods && keyAscii == s.NextPeriodKey && !inPlay) {
        hint(phaseRefusal());
    } else if (periods && keyAscii == s.PreviousPeriodKey) {
        hint(tr("Not taken: this is the first period"));
    } else if (periods && keyAscii == s.SkipBreakKey) {
        hint(tr("Not taken: there is no break to skip"));
    }
}

// A break runs out by itself and a game that is over stays so: what the
// operator can do instead.
QString ScoreBoardWindow::phaseRefusal() const
{
    if (game().phase() == GamePhase::Break)
        return tr("Not taken: the break runs by itself (%1 skips it)")
            .arg(QChar(settings().SkipBreakKey));
    return tr("Not taken: the game is over (%1 starts a new one)")
        .arg(QChar(settings().NewGameKey));
}

void ScoreBoardWindow::hint(const QString &notice)
{
    if (m_hints)
        showNotice(notice);
}

void ScoreBoardWindow::act(GameHistory::Action kind, const QString &what,
                           const std::function<void(GameModel &)> &action)
{
    const GameState before = game().state();
    const QString noticeBefore = m_notice;
    m_history.perform(kind, what, action);
    // A step done puts the last note out of date: an undo told, an entry
    // refused; what the step itself told (a player's last foul) stays.
    if (m_hints && game().state() != before && !m_notice.isEmpty() && m_notice == noticeBefore)
        showNotice({});
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
    const GameState before = game().state();
    runCommand(keyAscii);
    if (game().state() == before)
        explainRefusal(keyAscii);
}

void ScoreBoardWindow::runCommand(int keyAscii)
{
    // The configurable keys come first: one equal to Esc, "o" or "c" hides
    // that command. They are read at every key, so a change in the options
    // takes effect at once.
    const Settings &s = settings();
    // A timeout a resume brought back held is the one thing the key starts.
    if (keyAscii == s.StartStopClockKey && game().timeoutTeam() && !game().isTimeoutHeld())
        showNotice(tr("Not started: a timeout is running; its team's key ends it"), true);
    else if (keyAscii == s.StartStopClockKey)
        act(Action::ClockStartStop, tr("Start or stop the clock"),
            [](GameModel &game) { game.startStop(); });
    else if (keyAscii == s.ResetClockKey)
        act(Action::ClockReset, tr("Reset the clock"), [](GameModel &game) { game.resetClock(); });
    else if (keyAscii == s.BuzzerKey)
        emit buzzerRequested();
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
        act(Action::PeriodNext, tr("Next period"), [](GameModel &game) { game.nextPeriod(); });
    else if (keyAscii == s.PreviousPeriodKey)
        act(Action::PeriodPrevious, tr("Previous period"),
            [](GameModel &game) { game.previousPeriod(); });
    else if (keyAscii == s.SkipBreakKey)
        act(Action::BreakSkip, tr("Skip the break"), [](GameModel &game) { game.skipBreak(); });
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
    const QString name = sideCaption(game(), team, s);
    switch (game().timeoutRefusal(team)) {
    case GameModel::TimeoutRefusal::None:
        break;
    case GameModel::TimeoutRefusal::NotInPlay:
        showNotice(tr("Not taken: no timeout in a break or after the game"), true);
        return true;
    case GameModel::TimeoutRefusal::OtherRunning:
        showNotice(tr("Not taken: the other team's timeout is running"), true);
        return true;
    case GameModel::TimeoutRefusal::NoneLeft:
        showNotice(tr("Not taken: %1 has no timeouts left").arg(name), true);
        return true;
    case GameModel::TimeoutRefusal::NoTimeouts:
        return false;
    }
    const bool ending = game().timeoutTeam() == team;
    act(Action::Timeout,
        ending ? tr("End the timeout of %1").arg(name) : tr("Timeout %1").arg(name),
        [team](GameModel &game) { game.takeTimeout(team); });
    return true;
}

// The keys of the shot clock and the arrow; a board without the shot clock
// has none of them.
bool ScoreBoardWindow::runShotClockKey(int keyAscii)
{
    const Settings &s = settings();
    if (keyAscii == s.ShotClockResetKey)
        act(Action::ShotClockReset, tr("Reset the shot clock"),
            [](GameModel &game) { game.resetShotClock(); });
    else if (keyAscii == s.ShotClockShortKey)
        act(Action::ShotClockShort, tr("Short shot clock"),
            [](GameModel &game) { game.resetShotClockShort(); });
    else if (keyAscii == s.ShotClockHoldKey)
        act(Action::ShotClockHold, tr("Hold or release the shot clock"),
            [](GameModel &game) { game.holdOrReleaseShotClock(); });
    else if (keyAscii == s.ShotClockBlankKey)
        act(Action::ShotClockBlank, tr("Shot clock dark"),
            [](GameModel &game) { game.blankShotClock(); });
    else if (keyAscii == s.PossessionKey)
        act(Action::Possession, tr("Switch the possession arrow"),
            [](GameModel &game) { game.switchPossession(); });
    else
        return false;
    return true;
}

// The keys of a match in sets; a board without sets has none of them.
bool ScoreBoardWindow::runSetsKey(int keyAscii)
{
    const Settings &s = settings();
    if (keyAscii == s.PointHomeKey || keyAscii == s.PointGuestKey) {
        const auto team = keyAscii == s.PointHomeKey ? GameModel::Home : GameModel::Guest;
        if (game().pointRefusal() == GameModel::PointRefusal::Final) {
            showNotice(tr("Not counted: the match is over"), true);
            return true;
        }
        act(Action::Point, tr("Point %1").arg(team == GameModel::Home ? s.HomeText : s.GuestText),
            [team](GameModel &game) { game.addPoint(team); });
        // The hints are the operator's to give: the audience sees none.
        if (game().setsHint() == SetsRules::Hint::SwitchSides)
            showNotice(tr("Switch sides"), true);
        else if (game().setsHint() == SetsRules::Hint::Interval)
            showNotice(tr("Interval"), true);
    } else if (keyAscii == s.FirstServerKey) {
        if (!game().canSwitchFirstServer()) {
            showNotice(tr("Not switched: the set has begun"), true);
            return true;
        }
        act(Action::FirstServer, tr("Switch the first server"),
            [](GameModel &game) { game.switchFirstServer(); });
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
    act(Action::NewGame, tr("New game"), [](GameModel &game) { game.newGame(); });
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
    act(Action::Clear, tr("Clear all LEDs"), [](GameModel &game) { game.clear(); });
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
