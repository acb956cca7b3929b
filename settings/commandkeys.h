#pragma once

#include "settings/appsettings.h"

#include <QList>

#include <span>

// Every command key the board has, and whether a board with given settings
// obeys it: the keys that must differ from each other.
struct CommandKey
{
    qint16 Settings::*setting;
    bool (*inUse)(const Settings &settings);
};

std::span<const CommandKey> commandKeys();

// The keys a board with these settings obeys: the original three always,
// those of periods, timeouts, the shot clock, players and sets while the
// game has them, and a key for the sound or the short horn once one is
// chosen. A key may be in the list twice: two commands then share it.
QList<int> keysInUse(const Settings &settings);
