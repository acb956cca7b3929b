#pragma once

#include "teams/team.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <array>
#include <optional>

// Who plays on one side of this game: a team from the library, copied when
// it was chosen (the library may change during the game, the game does not),
// or a plain caption. With neither, the side is the board's own caption from
// the settings, as it always was.
struct GameSide
{
    std::optional<Team> team;
    QString caption;

    QString captionOr(const QString &stored) const
    {
        if (team)
            return team->name;
        return caption.isEmpty() ? stored : caption;
    }
    bool isChosen() const { return team || !caption.isEmpty(); }
    bool operator==(const GameSide &) const = default;
};

// Home first, then guest.
using GameSides = std::array<GameSide, 2>;

// What was typed or chosen for a side: the library's team of that name, any
// other text a plain caption, nothing the board's own caption.
GameSide sideNamed(const QString &text, const QList<Team> &library);
// The same where the library's folder is at hand: its teams already carry
// their logos' whole paths, so the folder adds nothing.
inline GameSide sideNamed(const QString &text, const QList<Team> &library, const QString &)
{
    return sideNamed(text, library);
}

// A team copied into a game, and back; nothing when the object is not one.
QJsonObject teamJson(const Team &team);
std::optional<Team> teamFromJson(const QJsonValue &value);

// Both sides as the game's state file and log keep them; nothing when the
// value does not read as sides.
QJsonValue sidesJson(const GameSides &sides);
std::optional<GameSides> sidesFromJson(const QJsonValue &value);
