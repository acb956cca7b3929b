#pragma once

#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <array>

// A finished game's score as the day's lists tell it: a game of periods by
// its goals, with the points of each period; a match in sets by the sets it
// won, with the points of each set played. Home first, then the guests.
struct MatchScore
{
    using Pair = std::array<int, 2>;

    Pair score{};        // goals, or sets won
    QList<Pair> sets;    // each played set's points; empty for a game of periods
    QList<Pair> periods; // each period's points in a game of periods

    bool inSets() const { return !sets.isEmpty(); }
    // The same game with home and guest the other way round.
    MatchScore swapped() const;
    // Points won and lost over all sets, for the standings of a group in sets.
    Pair setPoints() const;

    // "3 : 1", or "78 : 75"; `separator` between them.
    QString scoreText(const QString &separator = QStringLiteral(" : ")) const;
    // "25:20 24:26 25:15", or the points per period "20:18 19:21".
    QString detailText() const;
    // {"won": [3, 1], "played": [[25, 20], ...]}, or null for a game of periods.
    QJsonValue setsJson() const;

    // From a game's final scores (home, guest, and in a match in sets the sets
    // won in the second pair) and its log on the hall's disk, whose set ends
    // say the game was played in sets. A log that cannot be read leaves the
    // game told by its final scores.
    static MatchScore of(const QJsonArray &finalScores, const QString &logPath);

    bool operator==(const MatchScore &) const = default;
};
