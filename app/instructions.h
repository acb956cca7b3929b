#pragma once

#include <QString>

// The operating guide of the start screen, naming the three configured keys.
// Lines are separated by CR LF, with none after the last.
QString instructionsText(int startStopKey, int resetKey, int buzzerKey);
