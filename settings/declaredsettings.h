// Every setting, declared once: its group and key in the store, the field of
// Settings that holds it, its default and what a value may be. Included
// where a list of all settings is made (the fields of Settings, the store's
// table), with the macros below defined for that list; so it has no include
// guard. The order is the store's order of loading and saving: the sixteen
// settings the board has always had first, then the others as they came.
//
//   SETTING_COLOR(group, key, field, default)   a colour 0x00BBGGRR, any number
//   SETTING_KEY(group, key, field, default)     a key's character code, 1 to 255;
//                                               0 (none) too where it is the default
//   SETTING_SWITCH(group, key, field, default)  off (0) or on (1)
//   SETTING_NUMBER(group, key, field, type, default, least, most, outside)
//       a number from least to most; one stored outside loads as its default
//       (Dropped), or as it is (Kept: the game's rules tell what is wrong)
//   SETTING_TEXT(group, key, field, default, maxLength)
//       a text, cut to maxLength characters when loaded (0: no limit)

// clang-format off

// The board's colours.
SETTING_COLOR(ColorSettings, FormColor, FormColor, 16711680) // blue
SETTING_COLOR(ColorSettings, LEDTimeColor, LEDTimeColor, 255) // red
SETTING_COLOR(ColorSettings, LEDScoreColor, LEDScoreColor, 33023) // orange
SETTING_COLOR(ColorSettings, LEDBackColor, LEDBackColor, 0) // black
SETTING_COLOR(ColorSettings, HomeColor, HomeColor, 16777215) // white
SETTING_COLOR(ColorSettings, GuestColor, GuestColor, 16777215)
SETTING_COLOR(ColorSettings, TextColor, TextColor, 16777215)
// The clock's and the buzzer's keys, and the buzzer's sound: a file name
// without a folder lies beside the program (defaultSettings() makes it whole).
SETTING_KEY(KeySettings, StartStopClockKey, StartStopClockKey, 115) // "s"
SETTING_KEY(KeySettings, ResetClockKey, ResetClockKey, 114) // "r"
SETTING_KEY(KeySettings, BuzzerKey, BuzzerKey, 98) // "b"
SETTING_TEXT(KeySettings, BuzzerFile, BuzzerFile, "buzzer.wav", 0)
// Scores typed whole (1: "2", "3", Enter sets 23) or one digit at a time (0).
SETTING_SWITCH(KeySettings, WholeScoreEntry, WholeScoreEntry, 0)
// The captions, and the point size of the team and section captions.
SETTING_TEXT(TextSettings, HomeText, HomeText, "Home", SettingsLimits::TeamTextLength)
SETTING_TEXT(TextSettings, GuestText, GuestText, "Guest", SettingsLimits::TeamTextLength)
SETTING_TEXT(TextSettings, SectionText1, SectionText1, "Section 1", SettingsLimits::SectionTextLength)
SETTING_TEXT(TextSettings, SectionText2, SectionText2, "Section 2", SettingsLimits::SectionTextLength)
SETTING_NUMBER(TextSettings, TeamSize, TeamSize, qint16, 24, SHRT_MIN, SHRT_MAX, Kept)
// The small caption on the board that names its maker; empty hides it.
SETTING_TEXT(TextSettings, CreditText, CreditText, "Brannick", SettingsLimits::CreditTextLength)
// The game clock counts up (0) or down (1) from PeriodLength, typed as
// minutes.seconds like a clock entry.
SETTING_SWITCH(ClockSettings, CountDown, CountDown, 0)
SETTING_TEXT(ClockSettings, PeriodLength, PeriodLength, "10.00", 0)
// Periods of that length (0: none, the clock as it always was), the breaks
// after them ("2.00, 15.00, 2.00") and the overtime ("5.00"; empty or 0:
// none), played while section 1 is level.
SETTING_NUMBER(ClockSettings, Periods, Periods, qint16, 0, 0, SettingsLimits::MaxPeriods, Dropped)
SETTING_TEXT(ClockSettings, BreakLengths, BreakLengths, "", 0)
SETTING_TEXT(ClockSettings, OvertimeLength, OvertimeLength, "", 0)
// Command keys of a game with periods.
SETTING_KEY(KeySettings, NextPeriodKey, NextPeriodKey, 110) // "n"
SETTING_KEY(KeySettings, PreviousPeriodKey, PreviousPeriodKey, 112) // "p"
SETTING_KEY(KeySettings, SkipBreakKey, SkipBreakKey, 107) // "k"
SETTING_KEY(KeySettings, NewGameKey, NewGameKey, 103) // "g"
// Timeouts per team: so many in the whole game, or in each half ("2, 3":
// two in the first half, three in the second; one number for both). 0 and
// empty: none. Each lasts TimeoutLength (minutes.seconds).
SETTING_NUMBER(ClockSettings, TimeoutsPerGame, TimeoutsPerGame, qint16, 0, 0, SettingsLimits::MaxTimeouts, Dropped)
SETTING_TEXT(ClockSettings, TimeoutsPerHalf, TimeoutsPerHalf, "", 40)
SETTING_TEXT(ClockSettings, TimeoutLength, TimeoutLength, "1.00", 8)
SETTING_KEY(KeySettings, HomeTimeoutKey, HomeTimeoutKey, 104) // "h"
SETTING_KEY(KeySettings, GuestTimeoutKey, GuestTimeoutKey, 106) // "j"
// What section 2 counts: "scores" (as always) or "fouls", the team fouls,
// reset at each period ("period") or half ("half"), with a bonus mark from
// FoulBonusAt fouls on (0: no mark); or "none", a sport with one score, whose
// board shows no section 2.
SETTING_TEXT(TextSettings, Section2Role, Section2Role, "scores", 8)
SETTING_TEXT(TextSettings, FoulsReset, FoulsReset, "period", 8)
SETTING_NUMBER(TextSettings, FoulBonusAt, FoulBonusAt, qint16, 0, 0, 99, Dropped)
// Digits of section 1's scores: 2 (0 to 99) or 3 (0 to 999).
SETTING_NUMBER(DisplaySettings, ScoreDigits, ScoreDigits, qint16, 2, 2, 3, Dropped)
// The screen of the audience display, counted from 1; 0 is off.
SETTING_NUMBER(DisplaySettings, AudienceScreen, AudienceScreen, qint16, 0, 0, 9, Kept)
// When the operator's board shows what has been typed, refused entries, undo
// and the keyboard's place: with the audience display on (0), always (1) or
// never (2); see OperatorHintsMode.
SETTING_NUMBER(DisplaySettings, OperatorHints, OperatorHints, qint16, 0, 0, 2, Dropped)
// The language of the program's texts, as a code ("de"); empty follows the
// desktop's. Read at start.
SETTING_TEXT(DisplaySettings, Language, Language, "", 16)
// The board on the hall's network: off or on, the port, and the address to
// listen on (empty: every address of this computer).
SETTING_SWITCH(WebSettings, WebServer, WebServer, 0)
SETTING_NUMBER(WebSettings, WebPort, WebPort, qint32, 8080, 1, 65535, Dropped)
SETTING_TEXT(WebSettings, WebAddress, WebAddress, "", 0)
// The HTTP API for show-control software: off or on, and the bearer token it
// asks for (made when the API is first turned on).
SETTING_SWITCH(WebSettings, Api, Api, 0)
SETTING_TEXT(WebSettings, ApiToken, ApiToken, "", 128)
// The link to the hall's MQTT broker: "host:port" (empty: no link), the venue
// and the court this board publishes as, the broker's user (empty: the court,
// which the broker's access rules name), its password, and the certificate
// authority that makes the link TLS (empty: plain).
SETTING_TEXT(HallSettings, Broker, HallBroker, "", 256)
SETTING_TEXT(HallSettings, Venue, HallVenue, "hall", 64)
SETTING_TEXT(HallSettings, Court, HallCourt, "1", 64)
SETTING_TEXT(HallSettings, User, HallUser, "", 64)
SETTING_TEXT(HallSettings, Password, HallPassword, "", 256)
SETTING_TEXT(HallSettings, CaFile, HallCaFile, "", 4096)
// A hall's join code (corvella-hall://...), read at start into the fields
// above once the hall's authority is fetched and checked; then cleared.
SETTING_TEXT(HallSettings, JoinCode, HallJoinCode, "", 1024)
// The shot clock: off or on; its full and short lengths in seconds (short 0:
// none); whether it runs only with the game clock (1) or by its own key (0);
// its horn (empty: the built-in tone); whether the game clock stops when it
// runs out; and whether a goal (a rise of a section 1 score) resets it to its
// full length.
SETTING_SWITCH(ShotClockSettings, Enabled, ShotClockEnabled, 0)
SETTING_NUMBER(ShotClockSettings, Length, ShotClockLength, qint16, 24, 1, SettingsLimits::MaxShotClockSeconds, Kept)
SETTING_NUMBER(ShotClockSettings, ShortLength, ShotClockShortLength, qint16, 14, 0, SettingsLimits::MaxShotClockSeconds, Kept)
SETTING_SWITCH(ShotClockSettings, Linked, ShotClockLinked, 1)
SETTING_TEXT(ShotClockSettings, ShotClockSound, ShotClockSound, "", 0)
SETTING_SWITCH(ShotClockSettings, StopGameAtZero, ShotClockStopGameAtZero, 0)
SETTING_SWITCH(ShotClockSettings, ResetOnScore, ShotClockResetOnScore, 0)
// Its keys: full and short reset, hold or release, dark, and the arrow.
SETTING_KEY(KeySettings, ShotClockResetKey, ShotClockResetKey, 120) // "x"
SETTING_KEY(KeySettings, ShotClockShortKey, ShotClockShortKey, 118) // "v"
SETTING_KEY(KeySettings, ShotClockHoldKey, ShotClockHoldKey, 109) // "m"
SETTING_KEY(KeySettings, ShotClockBlankKey, ShotClockBlankKey, 100) // "d"
SETTING_KEY(KeySettings, PossessionKey, PossessionKey, 97) // "a"
// Sports played in sets: off (the board as it always was) or on; the sets
// that win the match, the points of a set and of the deciding set, the lead a
// set is won by and the points that end it whatever the lead (0: none); the
// serve going to the rally's winner (0) or changing every so many points;
// timeouts per team and set; the points at which the board hints to switch
// sides (0: never) or at an interval; and whether the game clock shows the
// match time (1) or nothing (0).
SETTING_SWITCH(SetsSettings, Enabled, SetsEnabled, 0)
SETTING_NUMBER(SetsSettings, SetsToWin, SetsToWin, qint16, 3, 1, SettingsLimits::MaxSetsToWin, Kept)
SETTING_NUMBER(SetsSettings, PointsPerSet, SetsPointsPerSet, qint16, 25, 1, SettingsLimits::MaxSetPoints, Kept)
SETTING_NUMBER(SetsSettings, LastSetPoints, SetsLastSetPoints, qint16, 15, 1, SettingsLimits::MaxSetPoints, Kept)
SETTING_NUMBER(SetsSettings, WinBy, SetsWinBy, qint16, 2, 1, SettingsLimits::MaxSetPoints, Kept)
SETTING_NUMBER(SetsSettings, Cap, SetsCap, qint16, 0, 0, SettingsLimits::MaxSetPoints, Kept)
SETTING_NUMBER(SetsSettings, ServeEvery, SetsServeEvery, qint16, 0, 0, SettingsLimits::MaxSetPoints, Kept)
SETTING_NUMBER(SetsSettings, TimeoutsPerSet, SetsTimeoutsPerSet, qint16, 2, 0, SettingsLimits::MaxTimeouts, Kept)
SETTING_NUMBER(SetsSettings, SwitchSidesEvery, SetsSwitchSidesEvery, qint16, 0, 0, SettingsLimits::MaxSetPoints, Kept)
SETTING_NUMBER(SetsSettings, LastSetSwitchSidesEvery, SetsLastSetSwitchSidesEvery, qint16, 0, 0, SettingsLimits::MaxSetPoints, Kept)
SETTING_NUMBER(SetsSettings, IntervalAt, SetsIntervalAt, qint16, 0, 0, SettingsLimits::MaxSetPoints, Kept)
SETTING_SWITCH(SetsSettings, Clock, SetsClock, 1)
// Its keys: a point for each team and the first server of the set.
SETTING_KEY(KeySettings, PointHomeKey, PointHomeKey, 113) // "q"
SETTING_KEY(KeySettings, PointGuestKey, PointGuestKey, 119) // "w"
SETTING_KEY(KeySettings, FirstServerKey, FirstServerKey, 121) // "y"
// Sponsor slides on the audience display: off or on, how long each stays, and
// in which phases they show ("breaks", "breaks,timeouts" or
// "breaks,timeouts,pregame").
SETTING_SWITCH(SponsorSettings, Enabled, SponsorsEnabled, 0)
SETTING_NUMBER(SponsorSettings, SlideSeconds, SponsorSlideSeconds, qint16, 8, 1, 600, Dropped)
SETTING_TEXT(SponsorSettings, During, SponsorsDuring, "breaks", 32)
// Players on the board: off or on; the personal fouls that put a player out
// (0: none); the penalties' lengths as times separated by commas, chosen by
// their place; whether a goal conceded ends the oldest 2:00 penalty; and the
// penalties that disqualify a player (0: none). Their keys open a foul's and
// a penalty's entry.
SETTING_SWITCH(PlayerSettings, Enabled, PlayersEnabled, 0)
SETTING_NUMBER(PlayerSettings, PlayerFoulLimit, PlayerFoulLimit, qint16, 5, 0, SettingsLimits::MaxPlayerCount, Dropped)
SETTING_TEXT(PlayerSettings, PenaltyLengths, PenaltyLengths, "2.00", 64)
SETTING_SWITCH(PlayerSettings, PenaltyEndsOnGoal, PenaltyEndsOnGoal, 0)
SETTING_NUMBER(PlayerSettings, SuspensionsToDisqualify, SuspensionsToDisqualify, qint16, 0, 0, SettingsLimits::MaxPlayerCount, Dropped)
SETTING_KEY(KeySettings, PlayerFoulKey, PlayerFoulKey, 102) // "f"
SETTING_KEY(KeySettings, PenaltyKey, PenaltyKey, 101) // "e"
// Sound off and on again, and a short sound of the buzzer: no key (0) unless
// one is chosen.
SETTING_KEY(KeySettings, MuteKey, MuteKey, 0)
SETTING_KEY(KeySettings, ShortHornKey, ShortHornKey, 0)
// The hall's console as the game's source: none, bodet, stramatel or
// daktronics; the sport it is set to (basketball, handball, icehockey,
// floorball, volleyball); for a serial console the port and its speed (8N1),
// for Bodet the TCP port its console connects to.
SETTING_TEXT(ConsoleSettings, Source, ConsoleSource, "none", 16)
SETTING_TEXT(ConsoleSettings, Sport, ConsoleGameSport, "basketball", 16)
SETTING_TEXT(ConsoleSettings, Device, ConsoleDevice, "", 4096)
SETTING_NUMBER(ConsoleSettings, Baud, ConsoleBaud, qint32, 19200, 300, 4000000, Dropped)
SETTING_NUMBER(ConsoleSettings, ListenPort, ConsoleListenPort, qint32, 4001, 1, 65535, Dropped)
// The address that port is opened on; empty for every address of the computer.
SETTING_TEXT(ConsoleSettings, ListenAddress, ConsoleListenAddress, "", 64)

// clang-format on
