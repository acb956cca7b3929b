#pragma once

#include "display/ledgroup.h"
#include "display/modstretch.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "platform/services.h"
#include "scoreboard/clockentry.h"
#include "scoreboard/scoreentry.h"
#include "settings/appsettings.h"

#include <QWidget>

#include <array>
#include <functional>

class BuzzerSound;
class Label;
class PictureBox;
class Shape;
class TimeSource;

// The scoreboard window: a view of the game (the clock, two sections of home
// and guest scores) with the captions and the buzzer. Keys typed on it are
// turned into actions on the game. Its whole layout scales with the window.
class frmScoreBoard : public QWidget
{
    Q_OBJECT

public:
    // The window's client area at design size, in twips.
    static constexpr double DesignWidth = 9480;
    static constexpr double DesignHeight = 6795;

    frmScoreBoard(GameModel &game, GameHistory &history, const Settings &settings,
                  const Services &services, QWidget *parent = nullptr);
    // A board with a game of its own, on the program's current settings.
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
    GameModel &game() { return m_game; }
    GameHistory &history() { return m_history; }
    const Settings &settings() const { return m_settings; }
    const BuzzerSound &buzzer() const { return *m_buzzer; }
    bool isBuzzerPlaying() const;
    const ScoreEntry &scoreEntry() const { return m_scoreEntry; }
    const ClockEntry &clockEntry() const { return m_clockEntry; }

    // The start screen and the options are other parts of the program; they
    // tell the board how to show them.
    void setStartScreenOpener(std::function<void()> opener)
    {
        m_openStartScreen = std::move(opener);
    }
    void setOptionsOpener(std::function<void(QWidget *)> opener)
    {
        m_openOptions = std::move(opener);
    }

    // Takes new settings: captions, colours, keys and the buzzer sound.
    void applySettings(const Settings &settings);
    // Shown in the title bar while the game cannot be saved; empty clears it.
    void setSaveProblem(const QString &problem);

    // Makes this board a read-only view for the audience: no commands, no
    // dialogs, no sound. Only a view that `takesKeys` (alone on the
    // operator's screen) takes the keyboard, for F2 and Esc to close it.
    void makeAudienceView(bool takesKeys = false);
    bool isAudienceView() const { return m_audienceView; }
    // While an audience display is on, the operator's board shows which part
    // has the keyboard, what has been typed and traps like Caps Lock.
    void setOperatorHints(bool on);
    bool showsOperatorHints() const { return m_hints != nullptr; }

    // The caption font size for `points` at design size, scaled to the window.
    double captionPointSize(qint16 points) const;
    void UpdateLabels();
    void UpdateFormColors();
    void AllKeyPress(int KeyAscii);
    void ClearAllLeds();
    void ShowStartScreen();
    void ShowOptions();
    void Buzzer();

signals:
    // F2 on the operator's board, or F2 or Esc on the audience view.
    void audienceToggleRequested();
    // The window has been closed (it may be deleted next).
    void closed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct OwnGame
    {
        GameModel *game;
        GameHistory *history;
    };
    static OwnGame makeOwnGame(const TimeSource &time);
    frmScoreBoard(const Services &services, OwnGame own, QWidget *parent);

    void createControls();
    void createScore(PictureBox *&panel, LedGroup &digits, const char *panelName, int left,
                     int top);
    void setTabOrder();
    void routeKeys();
    void createShortcuts();
    void scoreKey(GameModel::Score which, int keyAscii);
    void clockKey(int keyAscii);
    void act(const QString &what, const std::function<void(GameModel &)> &action);
    void showGame();
    void showClock();
    void updateTitle();
    void updateHints(int keyAscii);
    void fitCaptions();
    const LedGroup &scoreDigits(GameModel::Score which) const;

    GameModel &m_game;
    GameHistory &m_history;
    Settings m_settings;
    Services m_services;
    QString m_saveProblem;
    bool m_audienceView = false;
    class OperatorHints *m_hints = nullptr;
    Controls m_controls{};
    LedGroup m_ledTime{QStringLiteral("ledTime")};
    LedGroup m_ledHomeScore0{QStringLiteral("ledHomeScore0")};
    LedGroup m_ledGuestScore0{QStringLiteral("ledGuestScore0")};
    LedGroup m_ledHomeScore1{QStringLiteral("ledHomeScore1")};
    LedGroup m_ledGuestScore1{QStringLiteral("ledGuestScore1")};
    LayoutSnapshot m_layout;
    ScoreEntry m_scoreEntry;
    ClockEntry m_clockEntry;
    BuzzerSound *m_buzzer;
    std::function<void()> m_openStartScreen;
    std::function<void(QWidget *)> m_openOptions;
};
