#pragma once

#include <QString>

#include <optional>

// The playing time of a .wav file, or nothing when it cannot be played.
std::optional<qint64> wavDurationMs(const QString &path);
