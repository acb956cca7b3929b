#pragma once

#include <QString>

struct Settings;

// The operating guide of the start screen, naming the three configured keys.
// Lines are separated by CR LF, with none after the last.
QString instructionsText(int startStopKey, int resetKey, int buzzerKey);
// The same guide with the configured keys, and the keys of periods and of
// timeouts when the game has them.
QString instructionsText(const Settings &settings);
