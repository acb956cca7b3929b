#pragma once

#include <QMap>
#include <QString>
#include <QtGlobal>

#include <span>
#include <variant>

// Everything the operator can configure. Field names are the keys of the
// settings store. Colours are 0x00BBGGRR (red in the low byte); keys are the
// character codes a key press types.
struct Settings
{
    qint32 FormColor = 0;
    qint32 LEDTimeColor = 0;
    qint32 LEDScoreColor = 0;
    qint32 LEDBackColor = 0;
    qint32 HomeColor = 0;
    qint32 GuestColor = 0;
    qint32 TextColor = 0;
    qint16 StartStopClockKey = 0;
    qint16 ResetClockKey = 0;
    qint16 BuzzerKey = 0;
    QString BuzzerFile;
    QString HomeText;
    QString GuestText;
    QString SectionText1;
    QString SectionText2;
    qint16 TeamSize = 0;
    // The game clock counts up (0) or down (1) from PeriodLength, typed as
    // minutes.seconds like a clock entry.
    qint16 CountDown = 0;
    QString PeriodLength;
    // Periods of that length (0: none, the clock as it always was), the
    // breaks after them ("2.00, 15.00, 2.00") and the overtime ("5.00"; empty
    // or 0: none), played while section 1 is level.
    qint16 Periods = 0;
    QString BreakLengths;
    QString OvertimeLength;
    // Command keys of a game with periods.
    qint16 NextPeriodKey = 0;
    qint16 PreviousPeriodKey = 0;
    qint16 SkipBreakKey = 0;
    qint16 NewGameKey = 0;
    // Timeouts per team: so many in the whole game, or in each half ("2, 3":
    // two in the first half, three in the second; one number for both). 0
    // and empty: none. Each lasts TimeoutLength (minutes.seconds).
    qint16 TimeoutsPerGame = 0;
    QString TimeoutsPerHalf;
    QString TimeoutLength;
    qint16 HomeTimeoutKey = 0;
    qint16 GuestTimeoutKey = 0;
    // What section 2 counts: "scores" (as always) or "fouls", the team
    // fouls, reset at each period ("period") or half ("half"), with a bonus
    // mark from FoulBonusAt fouls on (0: no mark); or "none", a sport with
    // one score, whose board shows no section 2.
    QString Section2Role;
    QString FoulsReset;
    qint16 FoulBonusAt = 0;
    // Digits of section 1's scores: 2 (0 to 99) or 3 (0 to 999).
    qint16 ScoreDigits = 2;
    // The screen of the audience display, counted from 1; 0 is off.
    qint16 AudienceScreen = 0;
    // When the operator's board shows what has been typed, refused entries,
    // undo and the keyboard's place: with the audience display on (0),
    // always (1) or never (2).
    qint16 OperatorHints = 0;
    // The language of the program's texts, as a code ("de"); empty follows
    // the desktop's. Read at start.
    QString Language;
    // Scores typed whole (1: "2", "3", Enter sets 23) or one digit at a time (0).
    qint16 WholeScoreEntry = 0;
    // The small caption on the board that names its maker; empty hides it.
    QString CreditText;
    // The board on the hall's network: off (0) or on (1), the port, and the
    // address to listen on (empty: every address of this computer).
    qint16 WebServer = 0;
    qint32 WebPort = 8080; // a port is never 0: the default stands in for "unset"
    QString WebAddress;
    // The HTTP API for show-control software: off (0) or on (1), and the
    // bearer token it asks for (made when the API is first turned on).
    qint16 Api = 0;
    QString ApiToken;
    // The link to the hall's MQTT broker: "host:port" (empty: no link), the
    // venue and the court this board publishes as, the broker's user (empty:
    // the court, which the broker's access rules name), its password, and the
    // certificate authority that makes the link TLS (empty: plain).
    QString HallBroker;
    QString HallVenue;
    QString HallCourt;
    QString HallUser;
    QString HallPassword;
    QString HallCaFile;
    // The shot clock: off (0) or on (1); its full and short lengths in
    // seconds (short 0: none); whether it runs only with the game clock (1)
    // or by its own key (0); its horn (empty: the built-in tone); whether
    // the game clock stops when it runs out; and whether a goal (a rise of a
    // section 1 score) resets it to its full length.
    qint16 ShotClockEnabled = 0;
    qint16 ShotClockLength = 24;
    qint16 ShotClockShortLength = 14;
    qint16 ShotClockLinked = 1;
    QString ShotClockSound;
    qint16 ShotClockStopGameAtZero = 0;
    qint16 ShotClockResetOnScore = 0;
    // Its keys: full and short reset, hold or release, dark, and the arrow.
    // With their defaults here too: a record made without them stores keys
    // that load back.
    qint16 ShotClockResetKey = 120; // "x"
    qint16 ShotClockShortKey = 118; // "v"
    qint16 ShotClockHoldKey = 109;  // "m"
    qint16 ShotClockBlankKey = 100; // "d"
    qint16 PossessionKey = 97;      // "a"
    // Sports played in sets: off (0, the board as it always was) or on (1);
    // the sets that win the match, the points of a set and of the deciding
    // set, the lead a set is won by and the points that end it whatever the
    // lead (0: none); the serve going to the rally's winner (0) or changing
    // every so many points; timeouts per team and set; the points at which
    // the board hints to switch sides (0: never) or at an interval; and
    // whether the game clock shows the match time (1) or nothing (0).
    qint16 SetsEnabled = 0;
    qint16 SetsToWin = 3;
    qint16 SetsPointsPerSet = 25;
    qint16 SetsLastSetPoints = 15;
    qint16 SetsWinBy = 2;
    qint16 SetsCap = 0;
    qint16 SetsServeEvery = 0;
    qint16 SetsTimeoutsPerSet = 2;
    qint16 SetsSwitchSidesEvery = 0;
    qint16 SetsLastSetSwitchSidesEvery = 0;
    qint16 SetsIntervalAt = 0;
    qint16 SetsClock = 1;
    // Its keys: a point for each team and the first server of the set.
    qint16 PointHomeKey = 113;   // "q"
    qint16 PointGuestKey = 119;  // "w"
    qint16 FirstServerKey = 121; // "y"
    // Sponsor slides on the audience display: off (0) or on (1), how long
    // each stays, and in which phases they show ("breaks", "breaks,timeouts"
    // or "breaks,timeouts,pregame").
    qint16 SponsorsEnabled = 0;
    qint16 SponsorSlideSeconds = 8;
    QString SponsorsDuring = QStringLiteral("breaks");
    // Players on the board: off (0) or on (1); the personal fouls that put a
    // player out (0: none); the penalties' lengths as times separated by
    // commas, chosen by their place; whether a goal conceded ends the oldest
    // 2:00 penalty; and the penalties that disqualify a player (0: none).
    // Their keys open a foul's and a penalty's entry.
    qint16 PlayersEnabled = 0;
    qint16 PlayerFoulLimit = 5;
    QString PenaltyLengths = QStringLiteral("2.00");
    qint16 PenaltyEndsOnGoal = 0;
    qint16 SuspensionsToDisqualify = 0;
    qint16 PlayerFoulKey = 102; // "f"
    qint16 PenaltyKey = 101;    // "e"

    bool operator==(const Settings &) const = default;
};

namespace SettingsDefaults {
inline constexpr qint32 FormColor = 16711680;  // blue
inline constexpr qint32 LEDTimeColor = 255;    // red
inline constexpr qint32 LEDScoreColor = 33023; // orange
inline constexpr qint32 LEDBackColor = 0;      // black
inline constexpr qint32 HomeColor = 16777215;  // white
inline constexpr qint32 GuestColor = 16777215;
inline constexpr qint32 TextColor = 16777215;
inline constexpr qint16 StartStopClockKey = 115; // "s"
inline constexpr qint16 ResetClockKey = 114;     // "r"
inline constexpr qint16 BuzzerKey = 98;          // "b"
inline constexpr qint16 NextPeriodKey = 110;     // "n"
inline constexpr qint16 PreviousPeriodKey = 112; // "p"
inline constexpr qint16 SkipBreakKey = 107;      // "k"
inline constexpr qint16 NewGameKey = 103;        // "g"
inline constexpr qint16 HomeTimeoutKey = 104;    // "h"
inline constexpr qint16 GuestTimeoutKey = 106;   // "j"
inline constexpr qint16 ShotClockResetKey = 120; // "x"
inline constexpr qint16 ShotClockShortKey = 118; // "v"
inline constexpr qint16 ShotClockHoldKey = 109;  // "m"
inline constexpr qint16 ShotClockBlankKey = 100; // "d"
inline constexpr qint16 PossessionKey = 97;      // "a"
inline constexpr qint16 PlayerFoulKey = 102;     // "f"
inline constexpr qint16 PenaltyKey = 101;        // "e"
inline constexpr qint16 PointHomeKey = 113;      // "q"
inline constexpr qint16 PointGuestKey = 119;     // "w"
inline constexpr qint16 FirstServerKey = 121;    // "y"
inline constexpr qint16 MaxPeriods = 99;
inline constexpr qint16 MaxTimeouts = 5;
inline constexpr qint16 ScoreDigits = 2;
inline constexpr qint16 TeamSize = 24;
inline constexpr qint16 CountDown = 0;
inline constexpr qint16 WebServer = 0;
inline constexpr qint16 OperatorHints = 0;
inline constexpr qint16 WholeScoreEntry = 0;
inline constexpr qint32 WebPort = 8080;
inline constexpr qint16 Api = 0;
inline constexpr qint16 ShotClockEnabled = 0;
inline constexpr qint16 ShotClockLength = 24;
inline constexpr qint16 ShotClockShortLength = 14;
inline constexpr qint16 ShotClockLinked = 1;
inline constexpr qint16 ShotClockStopGameAtZero = 0;
inline constexpr qint16 ShotClockResetOnScore = 0;
inline constexpr qint16 MaxShotClockSeconds = 99;
inline constexpr qint16 SetsEnabled = 0;
inline constexpr qint16 SetsToWin = 3;
inline constexpr qint16 SetsPointsPerSet = 25;
inline constexpr qint16 SetsLastSetPoints = 15;
inline constexpr qint16 SetsWinBy = 2;
inline constexpr qint16 SetsCap = 0;
inline constexpr qint16 SetsServeEvery = 0;
inline constexpr qint16 SetsTimeoutsPerSet = 2;
inline constexpr qint16 SetsClock = 1;
inline constexpr qint16 MaxSetsToWin = 5;
inline constexpr qint16 MaxSetPoints = 99;
inline constexpr qint16 SponsorsEnabled = 0;
inline constexpr qint16 SponsorSlideSeconds = 8;
inline constexpr qint16 MaxSponsorSlideSeconds = 600;
inline constexpr qint16 PlayersEnabled = 0;
inline constexpr qint16 PlayerFoulLimit = 5;
inline constexpr qint16 PenaltyEndsOnGoal = 0;
inline constexpr qint16 SuspensionsToDisqualify = 0;
inline constexpr qint16 MaxPlayerCount = 99;
} // namespace SettingsDefaults

// The longest captions the options accept; longer stored ones load cut to this.
namespace SettingsLimits {
inline constexpr qsizetype TeamTextLength = 20;
inline constexpr qsizetype SectionTextLength = 18;
inline constexpr qsizetype CreditTextLength = 18;
} // namespace SettingsLimits

// One stored field: its section, its key and the member of Settings it fills.
struct SettingsEntry
{
    using Member = std::variant<qint32 Settings::*, qint16 Settings::*, QString Settings::*>;
    const char *group;
    const char *key;
    Member member;
    // The most characters a loaded text keeps; 0 for no limit.
    qsizetype maxLength = 0;
};

// Every stored field, in load and save order.
std::span<const SettingsEntry> settingsEntries();

// The values of OperatorHints.
namespace OperatorHintsMode {
inline constexpr qint16 WithAudience = 0;
inline constexpr qint16 Always = 1;
inline constexpr qint16 Never = 2;
} // namespace OperatorHintsMode

// The broker's user a court logs in as: its own name unless one is set.
QString hallUser(const Settings &settings);

// The default record. The default buzzer file lies beside the executable and
// is computed at the moment of the call.
Settings defaultSettings();
void applyDefaultColors(Settings &settings);
void applyDefaultKeys(Settings &settings);

// Reads the per-user store; a missing, damaged or unreadable entry loads as its
// default, and captions are cut to the lengths above. `unreadNumbers` (when
// given) gets the stored texts of numbers that are no number the field can
// hold at all, by "group/key", so that they can be told.
Settings loadSettings(QMap<QString, QString> *unreadNumbers = nullptr);

// Writes every field. Returns false when the store could not be written.
[[nodiscard]] bool saveSettings(const Settings &settings);
