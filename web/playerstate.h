#pragma once

#include <QJsonObject>
#include <QJsonValue>

#include <optional>

namespace BoardState {

inline constexpr QLatin1StringView Players{"players"};
inline constexpr QLatin1StringView Penalties{"penalties"};

// A player's number as the network gives it: one or two digits as text, or
// a whole number from 0 to 99; nothing otherwise.
std::optional<QString> playerNumberOf(const QJsonValue &value);

} // namespace BoardState
