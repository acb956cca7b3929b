#pragma once

#include <QString>

#include <optional>

// Why the sound file at `path` cannot be played, as a short reason in plain
// words ("it is not a sound file"), or empty when it can be played. Safe on
// any file: a FIFO, a huge or hostile file costs no more than a moment, and
// on the user-interface thread the timers keep running meanwhile. The check
// decodes in the sound plugin, which this loads.
QString soundFileProblem(const QString &path);

// The playing time of a sound file, or nothing when it cannot be played.
std::optional<qint64> soundDurationMs(const QString &path);
