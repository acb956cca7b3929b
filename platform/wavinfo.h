#pragma once

#include <QString>

#include <optional>

// The playing time of a PCM .wav file from its header, or nothing when the
// file is not a readable, regular RIFF/WAVE file.
std::optional<qint64> wavDurationMs(const QString &path);
