#pragma once

#include <QString>

// Why the buzzer could not play the file at `path`, in a few plain words, or
// an empty string when it can be played.
QString soundFileProblem(const QString &path);
