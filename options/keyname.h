#pragma once

#include <QString>

// How a key code is shown to the operator: its own character when it is
// printable, else a readable name ("Tab", "Backspace", "Ctrl+A").
QString keyDisplayName(int keyAscii);
