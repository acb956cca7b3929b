#pragma once

#include <QString>

#include <functional>

class RunningClock;

// Typing on the clock digits: minutes, a point, seconds and Enter set the
// clock (and stop it); space starts over. Every key first goes to the board's
// key commands.
class ClockEntry
{
public:
    ClockEntry(RunningClock &clock, std::function<void(int)> allKeyPress)
        : m_clock(clock), m_allKeyPress(std::move(allKeyPress))
    {
    }

    void KeyPress(int KeyAscii);
    void Discard() { m_timeEntryText.clear(); }
    const QString &TimeEntryText() const { return m_timeEntryText; }

    // Whether a typed text is a time the clock can show: digits with at most
    // one point, from 0 to 99.59.
    static bool isAcceptable(const QString &text);

private:
    RunningClock &m_clock;
    std::function<void(int)> m_allKeyPress;
    QString m_timeEntryText;
};
