#pragma once

#include "game/gamestructure.h"
#include "game/playertally.h"
#include "game/setsrules.h"
#include "game/shotclock.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

struct Settings;
class GameHistory;
class GameModel;

// The rules of a game as the operator set them: how the game is divided,
// its timeouts and fouls, and how its clock counts.
struct GameRules
{
    GameStructure structure;
    bool countDown = false;
    qint64 periodMs = 0;
    ShotClockRules shotClock;
    PlayerRules players;
    SetsRules sets;
};

// The rules the settings give. A value that cannot be read stands as that
// rule's default, and `problems` (when given) gets a line naming it and why.
GameRules gameRulesOf(const Settings &settings, QStringList *problems = nullptr);

// Why `text` cannot be the rule stored under the settings key `key`
// ("PeriodLength", "BreakLengths", "OvertimeLength", "TimeoutsPerHalf",
// "TimeoutLength", "Section2Role", "FoulsReset", the shot clock's "Length"
// and "ShortLength", the players' "PenaltyLengths", the sets' "SetsToWin", "PointsPerSet",
// "LastSetPoints", "WinBy", "Cap", "ServeEvery", "TimeoutsPerSet", "SwitchSidesEvery",
// "LastSetSwitchSidesEvery" and "IntervalAt"); empty when it can, or when
// the key is not one of these.
QString ruleRefusal(QStringView key, const QString &text);

// Why a set that ends at most at `cap` points (0: none) cannot be played to
// `pointsPerSet`, or to `lastSetPoints` in the deciding set; empty when it can.
QString setsCapRefusal(int cap, int pointsPerSet, int lastSetPoints);

// A line for each stored rule in `unreadNumbers` ("group/key" to the stored
// text, as loadSettings gives them) that is no number at all or beyond what
// the setting can hold: why it cannot be used, as gameRulesOf tells of a
// rule out of its range. Settings other than rules are not told.
QStringList unreadRuleProblems(const QMap<QString, QString> &unreadNumbers);

// The penalties' lengths in `text` ("2.00, 5.00, 10.00"): one to three
// times; nothing when it does not read so.
std::optional<QList<qint64>> parsePenaltyLengths(const QString &text);

// Puts `rules` in force. A running clock is never stopped or reset by new
// rules: a new kind of clock takes over at the next reset. A clock of another
// kind starts afresh, and the actions done on the old one leave the history.
void applyGameRules(const GameRules &rules, GameModel &game, GameHistory &history);
