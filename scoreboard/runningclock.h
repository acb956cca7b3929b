#pragma once

#include "scoreboard/clockseconds.h"

#include <QObject>
#include <QTimer>

class ClockFace;
class TimeSource;

// The game clock: counts up in tenths from a monotonic time source, banks
// each run when stopped, and stops by itself before 100 minutes. The 40 ms
// timer only pushes the current time to the face; time is never counted in
// ticks.
class RunningClock : public QObject
{
    Q_OBJECT

public:
    static constexpr ClockSeconds ClockLimit = ClockSeconds::fromSeconds(6000);
    static constexpr int TickMs = 40;

    RunningClock(const ClockFace &face, const TimeSource &time, QObject *parent = nullptr);

    bool isRunning() const { return tmrClock1.isActive(); }
    ClockSeconds RunSeconds() const { return m_runSeconds; }
    ClockSeconds BankedSeconds() const { return m_bankedSeconds; }
    qint16 EnteredSeconds() const { return m_enteredSeconds; }

    void StartStopClock();
    void ResetClock();
    void ClockTick();

    // A time typed by the operator: shown, and the clock stops and counts on
    // from it at the next start.
    void EnterTime(qint16 seconds);
    // Stops the clock and forgets all time, leaving the face as it is.
    void Clear();

private:
    static qint64 tenthsOf(qint64 ms) { return ms / 100; }

    const ClockFace &m_face;
    const TimeSource &m_time;
    QTimer tmrClock1{this};
    qint64 m_startTenths = 0;
    ClockSeconds m_runSeconds;
    ClockSeconds m_bankedSeconds;
    qint16 m_enteredSeconds = 0;
};
