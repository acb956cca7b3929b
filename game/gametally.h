#pragma once

#include "game/gamerecord.h"

// What a game's result sums up, gathered from its steps one at a time: the
// scores at the end of each period and of the game, and the timeouts that
// were taken and not undone.
class GameTally
{
public:
    using Scores = std::array<std::optional<int>, 4>;

    explicit GameTally(int periods) : m_periods(periods) {}
    void add(const GameLogEntry &e);

    int steps() const { return m_steps; }
    Scores finalScores() const { return m_final; }
    qint64 finalClockMs() const { return m_clockMs; }
    int finalPeriod() const { return m_period; }
    GamePhase finalPhase() const { return m_phase; }
    // In the order played; empty for a game without periods.
    const QList<QPair<int, Scores>> &periodScores() const { return m_periodScores; }
    const QList<GameLogEntry> &timeouts() const { return m_timeouts; }

private:
    void addToPeriods(const GameLogEntry &e);
    void addToTimeouts(const GameLogEntry &e);

    int m_periods = 0;
    int m_steps = 0;
    Scores m_final{};
    qint64 m_clockMs = 0;
    int m_period = 1;
    GamePhase m_phase = GamePhase::Play;
    QList<QPair<int, Scores>> m_periodScores;
    QList<GameLogEntry> m_timeouts;
};
