#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// A monotonic clock in milliseconds. The game clock reads it instead of the
// time of day, so that a change of the computer's clock never moves the game
// clock; tests drive it by hand.
class TimeSource
{
public:
    virtual ~TimeSource() = default;
    virtual qint64 elapsedMs() const = 0;
};

class MonotonicTimeSource : public TimeSource
{
public:
    MonotonicTimeSource() { m_timer.start(); }
    qint64 elapsedMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};
