#pragma once

#include <QColor>
#include <QList>
#include <QString>

// A player on a team's roster. The number is text: "0", "00" and "7" are
// three players.
struct Player
{
    QString number;
    QString name;

    bool operator==(const Player &) const = default;
};

// A team as the library keeps it: one file in the teams folder.
struct Team
{
    QString name;
    QString shortName; // at most MaxShortLength characters, for narrow places
    QColor color;      // the band behind the name; invalid: the board's own colours
    QColor textColor;  // the name on it
    QString logo;      // the logo's file, its whole path; empty for none
    QList<Player> players;

    static constexpr int MaxShortLength = 6;
    // The longest team and player names the library keeps: with at most 110
    // numbers, both teams always fit a game's log line and saved game.
    static constexpr int MaxNameLength = 48;

    // The short name, or the name cut to fit where none was given.
    QString shortOrCut() const
    {
        return shortName.isEmpty() ? name.left(MaxShortLength) : shortName;
    }
    const Player *player(const QString &number) const
    {
        for (const Player &p : players)
            if (p.number == number)
                return &p;
        return nullptr;
    }
    bool operator==(const Team &) const = default;
};

// Whether `number` is a player's number: one or two digits.
bool isPlayerNumber(const QString &number);
