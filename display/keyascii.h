#pragma once

class QKeyEvent;

// The character code (1 to 255, Latin-1) of the one character a key press
// types, or 0 when it types none or one beyond 255: such keys never reach the
// program's key handling. The keypad's decimal key gives "." whatever the
// keyboard layout makes it type.
int keyAscii(const QKeyEvent *event);
