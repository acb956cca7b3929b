#include "web/pinlock.h"

#include "game/timesource.h"

#include <QRandomGenerator>

PinLock::PinLock(const TimeSource &time) : m_time(time), m_pin(randomPin()) {}

QString PinLock::randomPin()
{
    const quint32 number = QRandomGenerator::system()->bounded(1000000u);
    return QStringLiteral("%1").arg(number, 6, 10, QChar(u'0'));
}

void PinLock::renew()
{
    m_pin = randomPin();
}

bool PinLock::isLockedOut() const
{
    return m_locked && m_time.elapsedMs() < m_lockedUntilMs;
}

PinLock::Result PinLock::check(const QString &tried)
{
    if (isLockedOut())
        return Result::LockedOut;
    m_locked = false;
    // Every character is compared, so the time taken tells nothing.
    bool same = tried.size() == m_pin.size();
    for (qsizetype i = 0; i < m_pin.size(); ++i)
        same &= i < tried.size() && tried.at(i) == m_pin.at(i);
    if (same) {
        m_failures = 0;
        return Result::Accepted;
    }
    if (++m_failures >= AllowedFailures) {
        m_failures = 0;
        m_locked = true;
        m_lockedUntilMs = m_time.elapsedMs() + LockoutMs;
        return Result::LockedOut;
    }
    return Result::Refused;
}
