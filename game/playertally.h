#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <array>
#include <optional>
#include <utility>

// How the players are followed: off (the board as it always was), the
// personal fouls that put a player out (0: none), the penalties' lengths in
// the order the operator picks them, whether a goal conceded ends the oldest
// two-minute penalty, and the penalties that disqualify (0: none).
struct PlayerRules
{
    static constexpr qint64 MinorPenaltyMs = 2 * 60 * 1000;
    static constexpr int MaxLengths = 3;

    bool enabled = false;
    int foulLimit = 5;
    QList<qint64> penaltyLengthsMs{MinorPenaltyMs};
    bool penaltyEndsOnGoal = false;
    int suspensionsToDisqualify = 0;

    bool operator==(const PlayerRules &) const = default;
};

// What one player has done in this game.
struct PlayerLine
{
    int fouls = 0;
    int points = 0;
    int penalties = 0;

    bool operator==(const PlayerLine &) const = default;
};

// Every player of both teams who has done something, by number.
struct PlayerTally
{
    std::array<QMap<QString, PlayerLine>, 2> teams; // home, guest

    PlayerLine line(int team, const QString &number) const { return teams.at(team).value(number); }
    // Puts back the lines that differ between `from` and `to` as `to` had them.
    void restoreChanged(const PlayerTally &from, const PlayerTally &to);

    bool operator==(const PlayerTally &) const = default;
};

// The player whose line differs between `a` and `b` (the one a step was
// about), as team (0 home, 1 guest) and number; nothing when none does.
std::optional<std::pair<int, QString>> changedPlayer(const PlayerTally &a, const PlayerTally &b);

// The numbers in the order a team sheet lists them: by value, "0" before "00".
QStringList sortedNumbers(QStringList numbers);
