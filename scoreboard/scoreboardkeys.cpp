// The scoreboard's keyboard: where each control's keys go, and the commands
// they run.
#include "scoreboard/frmscoreboard.h"

#include "display/controls.h"
#include "display/keyascii.h"
#include "display/ledlines.h"
#include "platform/dialogs.h"
#include "scoreboard/buzzer.h"

#include <QKeyEvent>
#include <QShortcut>

namespace {
constexpr int Esc = 27;
constexpr int LetterO = 111;
constexpr int LetterC = 99;
} // namespace

void frmScoreBoard::routeKeys()
{
    const Controls &c = m_controls;
    for (PictureBox *caption : {c.picHomeContainer, c.picGuestContainer})
        connect(caption, &PictureBox::KeyPress, this, &frmScoreBoard::AllKeyPress);

    for (ledlines *digit : m_ledTime.members())
        connect(digit, &ledlines::DigitKeyPress, this, [this](int, int key) { clockKey(key); });

    const std::pair<PictureBox *, GameModel::Score> scores[] = {
        {c.picHomeScore0, GameModel::Home1},
        {c.picGuestScore0, GameModel::Guest1},
        {c.picHomeScore1, GameModel::Home2},
        {c.picGuestScore1, GameModel::Guest2}};
    for (const auto &[panel, which] : scores) {
        const auto enter = [this, which = which](int key) { scoreKey(which, key); };
        connect(panel, &PictureBox::KeyPress, this, enter);
        for (ledlines *digit : scoreDigits(which).members())
            connect(digit, &ledlines::DigitKeyPress, this, [enter](int, int key) { enter(key); });
    }
    // Keys typed on the clock panel itself go nowhere.
}

void frmScoreBoard::createShortcuts()
{
    // Shortcuts come before every control's own keys, so undo never types a
    // character into an entry.
    const auto shortcut = [this](const QKeySequence &keys, auto slot) {
        auto *s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { m_history.undo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { m_history.redo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { m_history.redo(); });
}

void frmScoreBoard::scoreKey(GameModel::Score which, int keyAscii)
{
    AllKeyPress(keyAscii);
    const std::optional<ScoreEdit> edit = m_scoreEntry.key(which, keyAscii);
    updateHints(keyAscii);
    if (!edit)
        return;
    if (edit->kind == ScoreEdit::Set)
        act(tr("Set score"), [&](GameModel &game) { game.setScore(which, edit->amount); });
    else
        act(tr("Change score"), [&](GameModel &game) { game.addToScore(which, edit->amount); });
}

void frmScoreBoard::clockKey(int keyAscii)
{
    AllKeyPress(keyAscii);
    const std::optional<qint16> seconds = m_clockEntry.key(keyAscii);
    updateHints(keyAscii);
    if (seconds)
        act(tr("Set clock"), [&](GameModel &game) { game.enterClockTime(*seconds); });
}

void frmScoreBoard::act(const QString &what, const std::function<void(GameModel &)> &action)
{
    m_history.perform(what, action);
}

void frmScoreBoard::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier;
    if (plain &&
        (event->key() == Qt::Key_F2 || (m_audienceView && event->key() == Qt::Key_Escape))) {
        emit audienceToggleRequested();
        return;
    }
    if (plain && event->key() == Qt::Key_F11 && !m_audienceView) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        return;
    }
    if (const int code = keyAscii(event)) {
        AllKeyPress(code);
        updateHints(code);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void frmScoreBoard::AllKeyPress(int KeyAscii)
{
    // The audience's view takes no commands.
    if (m_audienceView)
        return;
    // The configurable keys come first: one equal to Esc, "o" or "c" hides
    // that command. They are read at every key, so a change in the options
    // takes effect at once.
    if (KeyAscii == m_settings.StartStopClockKey)
        act(tr("Start or stop the clock"), [](GameModel &game) { game.startStop(); });
    else if (KeyAscii == m_settings.ResetClockKey)
        act(tr("Reset the clock"), [](GameModel &game) { game.resetClock(); });
    else if (KeyAscii == m_settings.BuzzerKey)
        Buzzer();
    else if (KeyAscii == Esc)
        ShowStartScreen();
    else if (KeyAscii == LetterO)
        ShowOptions();
    else if (KeyAscii == LetterC)
        ClearAllLeds();
}

void frmScoreBoard::Buzzer()
{
    m_buzzer->Buzzer();
}

void frmScoreBoard::ClearAllLeds()
{
    if (!m_services.dialogs->askYesNo(this,
                                      QStringLiteral("Are you sure you want to clear all LEDs?"),
                                      QStringLiteral("Clear all LEDs?")))
        return;
    act(tr("Clear all LEDs"), [](GameModel &game) { game.clear(); });
    m_scoreEntry.discard();
    m_clockEntry.discard();
}

void frmScoreBoard::ShowStartScreen()
{
    if (m_openStartScreen)
        m_openStartScreen();
}

void frmScoreBoard::ShowOptions()
{
    // The program applies the options' outcome to the board.
    if (m_openOptions)
        m_openOptions(this);
}
