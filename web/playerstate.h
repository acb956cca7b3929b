#pragma once

#include <QLatin1StringView>

namespace BoardState {

inline constexpr QLatin1StringView Players{"players"};
inline constexpr QLatin1StringView Penalties{"penalties"};

} // namespace BoardState
