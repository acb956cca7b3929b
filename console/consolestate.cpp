#include "console/consolestate.h"

using namespace Qt::StringLiterals;

namespace {

QString clockText(qint64 ms)
{
    if (ms < 60'000)
        return u"%1.%2"_s.arg(ms / 1000).arg(ms % 1000 / 100);
    return u"%1:%2"_s.arg(ms / 60'000).arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'));
}

template <typename T> QString text(const std::optional<T> &value)
{
    return value ? QString::number(*value) : u"-"_s;
}

QString clockText(const std::optional<qint64> &ms)
{
    return ms ? clockText(*ms) : u"-"_s;
}

} // namespace

QStringList ConsoleState::changesSince(const ConsoleState &before) const
{
    QStringList lines;
    const auto pair = [](const auto &values) {
        return u"%1-%2"_s.arg(text(values[0]), text(values[1]));
    };
    if (clockMs != before.clockMs || clockRunning != before.clockRunning)
        lines << u"clock %1 %2"_s.arg(clockText(clockMs),
                                      clockRunning.value_or(false) ? u"running"_s : u"stopped"_s);
    if (scores != before.scores)
        lines << u"score %1"_s.arg(pair(scores));
    if (period != before.period || extraTime != before.extraTime)
        lines << u"period %1%2"_s.arg(text(period), extraTime ? u" extra time"_s : QString());
    if (teamFouls != before.teamFouls)
        lines << u"team fouls %1"_s.arg(pair(teamFouls));
    if (timeouts != before.timeouts)
        lines << u"timeouts %1"_s.arg(pair(timeouts));
    if (timeoutsLeft != before.timeoutsLeft)
        lines << u"timeouts left %1"_s.arg(pair(timeoutsLeft));
    if (shotClockMs != before.shotClockMs || shotClockRunning != before.shotClockRunning ||
        shotClockShown != before.shotClockShown)
        lines << u"shot clock %1 %2%3"_s.arg(
            clockText(shotClockMs), shotClockRunning.value_or(false) ? u"running"_s : u"stopped"_s,
            shotClockShown.value_or(true) ? QString() : u" dark"_s);
    if (possession != before.possession)
        lines << u"possession %1"_s.arg(possession == 0   ? u"home"_s
                                        : possession == 1 ? u"guest"_s
                                                          : u"none"_s);
    for (int slot = 0; slot < PenaltySlots; ++slot) {
        if (penaltiesMs[slot] != before.penaltiesMs[slot])
            lines << u"penalty %1 %2 %3"_s.arg(slot < 3 ? u"home"_s : u"guest"_s)
                         .arg(slot % 3 + 1)
                         .arg(clockText(penaltiesMs[slot]));
    }
    if (set != before.set || setsWon != before.setsWon)
        lines << u"set %1, sets won %2"_s.arg(text(set), pair(setsWon));
    if (setScores != before.setScores) {
        QStringList sets;
        for (const auto &score : setScores)
            sets << pair(score);
        lines << u"set scores %1"_s.arg(sets.join(u' '));
    }
    if (server != before.server)
        lines << (server == 0 ? u"serve home"_s : u"serve guest"_s);
    return lines;
}
