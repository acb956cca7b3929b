#include "game/gametally.h"

void GameTally::add(const GameLogEntry &e)
{
    ++m_steps;
    m_final = e.after;
    m_clockMs = e.clockMs;
    m_period = e.period;
    m_phase = e.phase;
    if (m_periods > 0)
        addToPeriods(e);
    addToTimeouts(e);
}

void GameTally::addToPeriods(const GameLogEntry &e)
{
    // The score a period ended with is the last one seen while it was on.
    if (e.beforePeriod != e.period && !m_periodScores.isEmpty() &&
        m_periodScores.last().first == e.beforePeriod)
        m_periodScores.last().second = e.before;
    if (m_periodScores.isEmpty() || m_periodScores.last().first != e.period) {
        // A period taken back by an undo is played again from there.
        m_periodScores.removeIf([&](const auto &p) { return p.first >= e.period; });
        m_periodScores.append({e.period, e.after});
    } else {
        m_periodScores.last().second = e.after;
    }
}

void GameTally::addToTimeouts(const GameLogEntry &e)
{
    // An undo takes back the timeout it undoes, whichever way it was taken.
    // Logs written before steps had ids match by the board's words.
    const auto sameStep = [&e](const GameLogEntry &t) {
        return e.action.isEmpty() ? t.label == e.label : t.action == e.action;
    };
    if (e.kind == u"undo" && !m_timeouts.isEmpty() && sameStep(m_timeouts.last()) &&
        m_timeouts.last().after == e.before && m_timeouts.last().period == e.beforePeriod)
        m_timeouts.removeLast();
    else if (!e.timeout.isEmpty() && e.kind != u"undo")
        m_timeouts << e;
}
