#pragma once

#include <QString>
#include <QtGlobal>

class TimeSource;

// The PIN that turns a phone into a remote: six random digits shown on the
// operator's screen. After a few wrong tries in a row every try is refused
// for a while, so the PIN cannot be guessed by trying them all. The lock is
// one for all clients: a guesser cannot get more tries by reconnecting.
class PinLock
{
public:
    enum class Result { Accepted, Refused, LockedOut };
    static constexpr int AllowedFailures = 5;
    static constexpr qint64 LockoutMs = 60 * 1000;

    explicit PinLock(const TimeSource &time);

    const QString &pin() const { return m_pin; }
    // A fresh PIN; the old one stops working.
    void renew();
    Result check(const QString &tried);
    bool isLockedOut() const;

    // Six digits, drawn from the system's secure random source.
    static QString randomPin();

private:
    const TimeSource &m_time;
    QString m_pin;
    int m_failures = 0;
    qint64 m_lockedUntilMs = 0;
    bool m_locked = false;
};
