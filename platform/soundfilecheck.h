#pragma once

#include <QString>

// Why the sound file at `path` cannot be played, as a short reason in plain
// words ("it is not a WAV sound file"), or empty when it can be played. Safe
// on any file: a FIFO, a huge or hostile file costs no more than a moment,
// and on the user-interface thread the timers keep running meanwhile.
QString soundFileProblem(const QString &path);
