#include "web/playerstate.h"

#include "teams/team.h"

namespace BoardState {

std::optional<QString> playerNumberOf(const QJsonValue &value)
{
    if (value.isString())
        return isPlayerNumber(value.toString()) ? std::optional(value.toString()) : std::nullopt;
    const double d = value.toDouble(-1);
    if (!value.isDouble() || d != double(int(d)) || d < 0 || d > 99)
        return std::nullopt;
    return QString::number(int(d));
}

} // namespace BoardState
