// The scoreboard's keyboard: where each control's keys go, and the commands
// they run.
#include "scoreboard/frmscoreboard.h"

#include "display/controls.h"
#include "display/keyascii.h"
#include "display/ledlines.h"
#include "platform/dialogs.h"
#include "scoreboard/buzzer.h"
#include "settings/appsettings.h"

#include <QKeyEvent>

namespace {
constexpr int Esc = 27;
constexpr int LetterO = 111;
constexpr int LetterC = 99;
constexpr int ScoreMin = 0;
constexpr int ScoreMax = 99;
} // namespace

void frmScoreBoard::routeKeys()
{
    const Controls &c = m_controls;
    for (PictureBox *caption : {c.picHomeContainer, c.picGuestContainer})
        connect(caption, &PictureBox::KeyPress, this, &frmScoreBoard::AllKeyPress);

    for (ledlines *digit : m_ledTime.members())
        connect(digit, &ledlines::DigitKeyPress, this,
                [this](int, int key) { m_clockEntry.KeyPress(key); });

    const std::pair<PictureBox *, const LedGroup *> scores[] = {
        {c.picHomeScore0, &m_ledHomeScore0},
        {c.picGuestScore0, &m_ledGuestScore0},
        {c.picHomeScore1, &m_ledHomeScore1},
        {c.picGuestScore1, &m_ledGuestScore1}};
    for (const auto &[panel, group] : scores) {
        const auto enter = [this, group](int key) {
            m_scoreEntry.StaticText(*group, key, ScoreMin, ScoreMax);
        };
        connect(panel, &PictureBox::KeyPress, this, enter);
        for (ledlines *digit : group->members())
            connect(digit, &ledlines::DigitKeyPress, this, [enter](int, int key) { enter(key); });
    }
    // Keys typed on the clock panel itself go nowhere.
}

void frmScoreBoard::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        return;
    }
    if (const int code = keyAscii(event))
        AllKeyPress(code);
    else
        QWidget::keyPressEvent(event);
}

void frmScoreBoard::AllKeyPress(int KeyAscii)
{
    // The configurable keys come first: one equal to Esc, "o" or "c" hides
    // that command.
    if (KeyAscii == AppSettings.StartStopClockKey)
        m_clock.StartStopClock();
    else if (KeyAscii == AppSettings.ResetClockKey)
        m_clock.ResetClock();
    else if (KeyAscii == AppSettings.BuzzerKey)
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
    for (ledlines *digit : allDigits())
        digit->setCaption(ledlines::Blank);
    m_clock.Clear();
    m_scoreEntry.Discard();
    m_clockEntry.Discard();
}

void frmScoreBoard::ShowStartScreen()
{
    if (m_openStartScreen)
        m_openStartScreen();
}

void frmScoreBoard::ShowOptions()
{
    if (!m_openOptions)
        return;
    m_openOptions(this);
    UpdateLabels();
    UpdateFormColors();
    m_layout.RecordLayout(this);
    m_buzzer->ReopenBuzzerSound();
}
