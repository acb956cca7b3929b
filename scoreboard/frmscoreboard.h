#pragma once

#include "display/ledgroup.h"
#include "display/modstretch.h"
#include "platform/services.h"
#include "scoreboard/clockentry.h"
#include "scoreboard/clockface.h"
#include "scoreboard/runningclock.h"
#include "scoreboard/scoreentry.h"

#include <QWidget>

#include <array>
#include <functional>

class BuzzerSound;
class Label;
class PictureBox;
class Shape;

// The scoreboard window: the clock, two sections of home and guest scores,
// the captions and the buzzer. Its whole layout scales with the window.
class frmScoreBoard : public QWidget
{
    Q_OBJECT

public:
    // The window's client area at design size, in twips.
    static constexpr double DesignWidth = 9480;
    static constexpr double DesignHeight = 6795;

    explicit frmScoreBoard(const Services &services, QWidget *parent = nullptr);
    ~frmScoreBoard() override;

    // The controls, by their names.
    struct Controls
    {
        PictureBox *picHomeContainer, *picGuestContainer, *picTimeBack;
        Label *lblHomeScore, *lblGuestScore, *lblSection1, *lblSection2, *lblCreatedBy;
        std::array<Shape *, 3> shpTime;
        Shape *shpTimeBorder, *shpLarge;
        PictureBox *picHomeScore0, *picGuestScore0, *picHomeScore1, *picGuestScore1;
    };
    const Controls &controls() const { return m_controls; }
    const LedGroup &ledTime() const { return m_ledTime; }
    const LedGroup &ledHomeScore0() const { return m_ledHomeScore0; }
    const LedGroup &ledGuestScore0() const { return m_ledGuestScore0; }
    const LedGroup &ledHomeScore1() const { return m_ledHomeScore1; }
    const LedGroup &ledGuestScore1() const { return m_ledGuestScore1; }
    const LayoutSnapshot &layoutSnapshot() const { return m_layout; }
    RunningClock &clock() { return m_clock; }
    const BuzzerSound &buzzer() const { return *m_buzzer; }
    bool BuzzerPlaying() const;
    const ScoreEntry &scoreEntry() const { return m_scoreEntry; }
    const ClockEntry &clockEntry() const { return m_clockEntry; }

    // The start screen is another part of the program; it tells the board how
    // to show it.
    void setStartScreenOpener(std::function<void()> opener)
    {
        m_openStartScreen = std::move(opener);
    }
    void setOptionsOpener(std::function<void(QWidget *)> opener)
    {
        m_openOptions = std::move(opener);
    }

    double RSize(qint16 Value) const;
    void UpdateLabels();
    void UpdateFormColors();
    void AllKeyPress(int KeyAscii);
    void ClearAllLeds();
    void ShowStartScreen();
    void ShowOptions();
    void Buzzer();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void createScore(PictureBox *&panel, LedGroup &digits, const char *panelName, int left,
                     int top);
    void setTabOrder();
    void routeKeys();
    void fitCaptions();
    QList<ledlines *> allDigits() const;

    Services m_services;
    Controls m_controls{};
    LedGroup m_ledTime{QStringLiteral("ledTime")};
    LedGroup m_ledHomeScore0{QStringLiteral("ledHomeScore0")};
    LedGroup m_ledGuestScore0{QStringLiteral("ledGuestScore0")};
    LedGroup m_ledHomeScore1{QStringLiteral("ledHomeScore1")};
    LedGroup m_ledGuestScore1{QStringLiteral("ledGuestScore1")};
    LayoutSnapshot m_layout;
    ClockFace m_face{m_ledTime};
    RunningClock m_clock;
    ScoreEntry m_scoreEntry;
    ClockEntry m_clockEntry;
    BuzzerSound *m_buzzer;
    std::function<void()> m_openStartScreen;
    std::function<void(QWidget *)> m_openOptions;
};
