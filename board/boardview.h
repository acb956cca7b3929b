#pragma once

#include "board/penaltylist.h"
#include "display/layoutsnapshot.h"
#include "display/ledgroup.h"
#include "game/gamemodel.h"
#include "settings/appsettings.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class Label;
class PictureBox;
class Shape;
class TeamBand;

// The scoreboard's face: a view of the game (the clock, two sections of home
// and guest scores) with the captions, in the settings' colours. It only
// shows; the operator's window holds one and adds the keyboard, the audience
// display shows one as a window of its own. Its whole layout scales with its
// size.
class BoardView : public QWidget
{
    Q_OBJECT

public:
    // The window's client area at design size, in twips.
    static constexpr double DesignWidth = 9480;
    static constexpr double DesignHeight = 6795;

    BoardView(GameModel &game, const Settings &settings, QWidget *parent = nullptr);

    // The controls, by what they show.
    struct Controls
    {
        PictureBox *homeTeamPanel, *guestTeamPanel, *clockPanel;
        Label *homeTeamCaption, *guestTeamCaption, *section1Caption, *section2Caption,
            *creditCaption;
        std::array<Shape *, 3> clockDots;
        Shape *clockFrame, *boardFrame;
        PictureBox *home1Panel, *guest1Panel, *home2Panel, *guest2Panel;
        // With periods only: the period's number and what is being played.
        PictureBox *periodPanel;
        Label *phaseCaption;
        // With timeouts only: whose is running, and the dots of those left.
        Label *timeoutCaption, *timeoutTeamCaption;
        std::array<std::array<Shape *, 5>, 2> timeoutDots;
        // With team fouls only: the bonus of each team.
        std::array<Label *, 2> bonusCaptions;
        // With the shot clock only: its two digits (a dot before tenths) in
        // the corner opposite the period, and the arrow between the names.
        PictureBox *shotClockPanel;
        Shape *shotClockDot;
        Label *possessionArrow;
        // A match in sets: the mark beside the team serving, and the
        // points of the sets played.
        std::array<Label *, 2> serveMarks;
        Label *setScores;
    };
    const Controls &controls() const { return m_controls; }
    // The band over a side's caption panel, shown while a library team plays there.
    const TeamBand *teamBand(GameModel::Team side) const { return m_teamBands.at(side); }
    const LedGroup &clockDigits() const { return m_clockDigits; }
    const LedGroup &shotClockDigits() const { return m_shotDigits; }
    // With the players on: the penalties running beside each team.
    const PenaltyList &penaltyList() const { return *m_penaltyList; }
    // The digits a score shows on now: section 1 has a second, three-digit
    // set for scores over 99.
    const LedGroup &scoreDigits(GameModel::Score which) const;
    bool showsThreeDigits() const { return m_threeDigits; }
    // Section 1's three-digit set, shown or not; none for section 2.
    const LedGroup *threeDigitScore(GameModel::Score which) const;
    // Every digit that may show a score, shown or not, each once.
    QList<LedDigit *> allScoreDigits(GameModel::Score which) const;
    const LedGroup &home1Digits() const { return m_home1Digits; }
    const LedGroup &guest1Digits() const { return m_guest1Digits; }
    const LedGroup &home2Digits() const { return m_home2Digits; }
    const LedGroup &guest2Digits() const { return m_guest2Digits; }
    const LayoutSnapshot &layoutSnapshot() const { return m_layout; }
    GameModel &game() { return m_game; }
    const GameModel &game() const { return m_game; }
    const Settings &settings() const { return m_settings; }

    // Takes new settings: captions and colours.
    void applySettings(const Settings &settings);

    // The caption font size for `points` at design size, scaled to the view,
    // or to a view of `size` pixels.
    double captionPointSize(qint16 points) const { return captionPointSizeAt(size(), points); }
    static double captionPointSizeAt(QSize size, qint16 points);
    // Lays the controls out again for the view's size.
    void relayout();
    void updateCaptions();
    void updateColors();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void createScore(PictureBox *&panel, LedGroup &digits, const char *panelName, int left,
                     int top);
    void createThreeDigits(PictureBox *panel, LedGroup &digits);
    void createTimeoutParts();
    void showScores();
    void sizeSection2LikeSection1();
    void showTimeouts();
    void showBonus();
    void showGame();
    void showClock();
    void showPeriod();
    void createShotClockParts();
    void showShotClock();
    void showPossession();
    void showPenalties();
    void showSets();
    void createSetsParts();
    QString section2Text() const;
    void showSection2();
    void fitCaptions();
    void showTeamBands();

    GameModel &m_game;
    Settings m_settings;
    Controls m_controls{};
    LedGroup m_clockDigits{QStringLiteral("ledTime")};
    LedGroup m_home1Digits{QStringLiteral("ledHomeScore0")};
    LedGroup m_guest1Digits{QStringLiteral("ledGuestScore0")};
    LedGroup m_home1Wide{QStringLiteral("ledHomeScore0Wide")};
    LedGroup m_guest1Wide{QStringLiteral("ledGuestScore0Wide")};
    bool m_threeDigits = false;
    LedGroup m_home2Digits{QStringLiteral("ledHomeScore1")};
    LedGroup m_guest2Digits{QStringLiteral("ledGuestScore1")};
    LedGroup m_periodDigits{QStringLiteral("ledPeriod")};
    LedGroup m_shotDigits{QStringLiteral("ledShotClock")};
    // After the shot clock runs out its 0 flashes a while; only what shows.
    QTimer m_shotFlash;
    int m_shotFlashesLeft = 0;
    std::unique_ptr<PenaltyList> m_penaltyList;
    LayoutSnapshot m_layout;
    GameSides m_shownSides; // the sides the captions were last laid out for
    std::array<TeamBand *, 2> m_teamBands{};
};
