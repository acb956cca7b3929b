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
    std::optional<Team> team; // its logo is a whole path here, not a name in a folder
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

// What was typed or chosen for a side: the library's team of that name
// (its logo found in `folder`), any other text a plain caption, nothing the
// board's own caption.
GameSide sideNamed(const QString &text, const QList<Team> &library, const QString &folder);

// A team copied into a game, and back; nothing when the object is not one.
QJsonObject teamJson(const Team &team);
std::optional<Team> teamFromJson(const QJsonValue &value);

// Both sides as the game's state file and log keep them; nothing when the
// value does not read as sides.
QJsonValue sidesJson(const GameSides &sides);
std::optional<GameSides> sidesFromJson(const QJsonValue &value);
