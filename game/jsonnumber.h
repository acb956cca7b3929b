#pragma once

#include <QJsonValue>

#include <cmath>
#include <optional>

// A whole number within [lo, hi], or nothing: what a saved game trusts of a
// number it reads back.
inline std::optional<qint64> jsonIntegerIn(const QJsonValue &value, qint64 lo, qint64 hi)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (d != std::floor(d) || d < double(lo) || d > double(hi))
        return std::nullopt;
    return static_cast<qint64>(d);
}
