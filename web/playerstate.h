#pragma once

#include <QJsonObject>
#include <QJsonValue>

#include <optional>

class GameModel;

namespace BoardState {

inline constexpr QLatin1StringView Players{"players"};
inline constexpr QLatin1StringView Penalties{"penalties"};

// Per team, every player with a roster line in the game's team or a step in
// the game: {"home": [{"number": "7", "name": ..., "fouls", "points",
// "penalties", "out", "disqualified"}], "guest": [...]}; empty lists with
// the players off.
QJsonObject playersPart(const GameModel &game);
// Per team, the penalties in their order: {"player", "ms" (now), "waiting"};
// and the lengths a penalty is given from (empty with the players off).
QJsonObject penaltiesPart(const GameModel &game);

// A player's number as the network gives it: one or two digits as text, or
// a whole number from 0 to 99; nothing otherwise.
std::optional<QString> playerNumberOf(const QJsonValue &value);

} // namespace BoardState
