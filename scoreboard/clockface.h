#pragma once

#include "scoreboard/clockseconds.h"

#include <QString>

class LedGroup;

// The game clock's face: five LED digits reading minutes, colon, seconds,
// point and tenths, and the conversions that feed it. It keeps no state: the
// digits are the only thing it changes, and it reads them back as it works.
class ClockFace
{
public:
    explicit ClockFace(const LedGroup &ledTime) : m_ledTime(ledTime) {}

    // Shows `Sec` (0 to just below 100 minutes) with the tenths truncated and
    // the leading minutes digit blank below ten minutes.
    void Sec2Clock(ClockSeconds Sec) const;

    // Whole seconds of a typed "minutes.seconds" text ("12.5" is 12:50).
    static qint16 StrToSeconds(QString StrTime);
    // Num / DivideBy rounded down.
    static qint16 Div(ClockSeconds Num, ClockSeconds DivideBy);
    // Value rounded half to even, or 0 for a negative value (a blank digit).
    static qint16 Min0(double Value);

private:
    int digit(int index) const;
    void setDigit(int index, qint64 value) const;

    const LedGroup &m_ledTime;
};
