#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

class TimeSource;

// What turns a phone into a remote. Either the six-digit PIN shown on the
// operator's screen, typed; or the long secret in the QR code, which needs no
// typing and cannot be guessed. Wrong PINs are counted per address: after a
// few in a row that address is refused for a while, longer each time, so a
// guesser at one phone neither gets far nor keeps a phone elsewhere out.
// All addresses together also draw on one small budget of wrong PINs, so
// that many addresses cannot add up to a brute force either; once it is
// spent typed PINs wait for it to refill, while the QR code still works.
class PinLock
{
public:
    enum class Result { Accepted, Refused, LockedOut };
    // Wrong PINs in a row from one address before it is refused.
    static constexpr int AllowedFailures = 5;
    // The first refusal; each further one from the same address doubles,
    // up to the longest.
    static constexpr qint64 LockoutMs = 60 * 1000;
    static constexpr qint64 MaxLockoutMs = 60 * 60 * 1000;
    // Wrong PINs from all addresses together, per hour (and at most this
    // many at once).
    static constexpr int FailuresPerHour = 100;
    // Addresses remembered; beyond them only the shared budget applies.
    static constexpr int MaxAddresses = 1024;
    // The QR code's secret, in random bits.
    static constexpr int SecretBits = 128;

    explicit PinLock(const TimeSource &time);

    const QString &pin() const { return m_pin; }
    const QString &secret() const { return m_secret; }
    // A fresh PIN and secret; the old ones stop working and the counts of
    // wrong PINs start afresh.
    void renew();
    Result check(const QString &tried, const QString &from = QString());
    bool isLockedOut(const QString &from = QString()) const;
    bool checkSecret(const QString &tried) const;

    // Six digits, drawn from the system's secure random source.
    static QString randomPin();
    // 128 random bits from the same source, as 32 hex digits.
    static QString randomToken();
    // Compares every character, so the time taken tells nothing.
    static bool sameText(const QString &a, const QString &b);

private:
    struct Guesser
    {
        int failures = 0;
        int lockouts = 0;
        qint64 lockedUntilMs = 0;
    };

    double budgetNow() const;

    const TimeSource &m_time;
    QString m_pin;
    QString m_secret;
    QHash<QString, Guesser> m_guessers;
    double m_budget = FailuresPerHour;
    qint64 m_budgetAtMs = 0;
};
