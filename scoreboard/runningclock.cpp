#include "scoreboard/runningclock.h"

#include "platform/timesource.h"
#include "scoreboard/clockface.h"

RunningClock::RunningClock(const ClockFace &face, const TimeSource &time, QObject *parent)
    : QObject(parent), m_face(face), m_time(time)
{
    tmrClock1.setObjectName(QStringLiteral("tmrClock1"));
    tmrClock1.setInterval(TickMs);
    tmrClock1.setTimerType(Qt::PreciseTimer);
    connect(&tmrClock1, &QTimer::timeout, this, &RunningClock::ClockTick);
}

void RunningClock::StartStopClock()
{
    if (!tmrClock1.isActive()) {
        tmrClock1.start();
        m_startTenths = tenthsOf(m_time.elapsedMs());
        m_runSeconds = {};
    } else {
        tmrClock1.stop();
        m_bankedSeconds = m_bankedSeconds + m_runSeconds;
    }
}

void RunningClock::ClockTick()
{
    // The same tenths rule as comparing the tenths digits of two readings:
    // a run is within a tenth of the true time either way.
    m_runSeconds = ClockSeconds::fromTenths(tenthsOf(m_time.elapsedMs()) - m_startTenths);
    const ClockSeconds total = m_runSeconds + m_bankedSeconds;
    if (total < ClockLimit)
        m_face.Sec2Clock(total);
    else
        StartStopClock();
}

void RunningClock::ResetClock()
{
    if (isRunning())
        StartStopClock();
    m_bankedSeconds = {};
    m_face.Sec2Clock({});
}

void RunningClock::EnterTime(qint16 seconds)
{
    const ClockSeconds entered = ClockSeconds::fromSeconds(seconds);
    m_face.Sec2Clock(entered);
    m_enteredSeconds = seconds;
    m_runSeconds = {};
    m_bankedSeconds = entered;
    if (isRunning())
        StartStopClock();
}

void RunningClock::Clear()
{
    tmrClock1.stop();
    m_runSeconds = {};
    m_bankedSeconds = {};
    m_enteredSeconds = 0;
}
