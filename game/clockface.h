#pragma once

#include "game/clockseconds.h"

#include <QString>

#include <array>
#include <optional>

// The game clock's face: five digits reading minutes, colon, seconds, point
// and tenths, and the conversions that feed it. Pure functions: the face is
// computed from a time, never read back from a display.
namespace ClockFace {

inline constexpr int Blank = -1;
// Digits 1 to 5 of the face, left to right, each 0 to 9 or Blank.
using Digits = std::array<int, 5>;

// The face for `shown` (0 to just below 100 minutes): tenths truncated, the
// leading minutes digit blank below ten minutes.
Digits digitsFor(ClockSeconds shown);
// Every digit blank, as after the board was cleared.
Digits blankDigits();

// The face as a text, "m:ss.t" ("9:05.3", "12:00.0"); past 99 minutes the
// minutes go on ("100:00.0") where the face itself stops.
QString text(ClockSeconds shown);
// A clock value in milliseconds cut to tenths, as the face reads counting up.
QString textOfMs(qint64 ms);
// A score beside the clock: its number, or "-" for a blank one.
QString scoreText(std::optional<int> score);

// Whole seconds of a typed "minutes.seconds" text ("12.5" is 12:50). The text
// is rounded to two decimals in decimal, so "0.995" is 1:00.
qint16 typedSeconds(QString text);
// Whether a typed text is a time the clock can show: digits with at most one
// point, from 0 to 99.59.
bool isAcceptableEntry(const QString &text);

// The length of a period typed like a clock entry ("10.00" is ten minutes),
// or nothing when the text is not an acceptable entry or gives no time.
std::optional<qint64> periodLengthMs(const QString &text);
// A length in whole seconds as such a text ("10.00" for ten minutes).
QString lengthText(qint64 ms);

// num / divideBy rounded down.
qint16 floorDivide(ClockSeconds num, ClockSeconds divideBy);
// A digit value rounded half to even, or 0 for a negative value (a blank digit).
qint16 blankAsZero(double value);

} // namespace ClockFace
