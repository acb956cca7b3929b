#include "web/pinlock.h"

#include "game/timesource.h"

#include <QRandomGenerator>

namespace {

constexpr qint64 HourMs = 60 * 60 * 1000;

} // namespace

PinLock::PinLock(const TimeSource &time) : m_time(time)
{
    renew();
}

QString PinLock::randomPin()
{
    const quint32 number = QRandomGenerator::system()->bounded(1000000u);
    return QStringLiteral("%1").arg(number, 6, 10, QChar(u'0'));
}

QString PinLock::randomToken()
{
    quint32 words[SecretBits / 32];
    QRandomGenerator::system()->fillRange(words);
    QString token;
    for (quint32 word : words)
        token += QStringLiteral("%1").arg(word, 8, 16, QChar(u'0'));
    return token;
}

bool PinLock::sameText(const QString &a, const QString &b)
{
    bool same = a.size() == b.size();
    for (qsizetype i = 0; i < b.size(); ++i)
        same &= i < a.size() && a.at(i) == b.at(i);
    return same;
}

void PinLock::renew()
{
    m_pin = randomPin();
    m_secret = randomToken();
    m_guessers.clear();
    m_budget = FailuresPerHour;
    m_budgetAtMs = m_time.elapsedMs();
}

double PinLock::budgetNow() const
{
    const qint64 passed = m_time.elapsedMs() - m_budgetAtMs;
    return qMin<double>(FailuresPerHour, m_budget + double(passed) * FailuresPerHour / HourMs);
}

bool PinLock::isLockedOut(const QString &from) const
{
    if (budgetNow() < 1)
        return true;
    const auto it = m_guessers.constFind(from);
    return it != m_guessers.cend() && m_time.elapsedMs() < it->lockedUntilMs;
}

bool PinLock::checkSecret(const QString &tried) const
{
    return sameText(tried, m_secret);
}

PinLock::Result PinLock::check(const QString &tried, const QString &from)
{
    if (isLockedOut(from))
        return Result::LockedOut;
    if (sameText(tried, m_pin)) {
        m_guessers.remove(from);
        return Result::Accepted;
    }
    m_budget = budgetNow() - 1;
    m_budgetAtMs = m_time.elapsedMs();
    if (!m_guessers.contains(from) && m_guessers.size() >= MaxAddresses)
        return m_budget < 1 ? Result::LockedOut : Result::Refused;
    Guesser &guesser = m_guessers[from];
    if (++guesser.failures >= AllowedFailures) {
        guesser.failures = 0;
        const qint64 lockout = qMin(MaxLockoutMs, LockoutMs << qMin(guesser.lockouts, 10));
        ++guesser.lockouts;
        guesser.lockedUntilMs = m_time.elapsedMs() + lockout;
        return Result::LockedOut;
    }
    return m_budget < 1 ? Result::LockedOut : Result::Refused;
}
