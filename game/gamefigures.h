#pragma once

#include "game/gamelogentry.h"
#include "game/playertally.h"

#include <QJsonObject>
#include <QList>

#include <array>

class GameRecord;

// The score as it stood after a step that changed it: the flow a chart of
// the game draws and its figures are counted from.
struct FlowPoint
{
    int step = 0;       // the log's number of the step
    int period = 1;     // the period, or in a match in sets the set
    qint64 clockMs = 0; // the board's clock then
    // Game time played from the start up to the step, the periods laid end
    // to end whichever way the clock counts.
    qint64 playedMs = 0;
    int home = 0;
    int guest = 0;

    int margin() const { return home - guest; }
    bool operator==(const FlowPoint &) const = default;
};

// Where something happened in the game: its period (or set) and the clock.
struct FlowMoment
{
    int period = 0; // 0: never
    qint64 clockMs = 0;

    bool operator==(const FlowMoment &) const = default;
};

// One team's figures: its largest lead and longest run (points in a row
// without an answer) with where each began, and the game time it led.
struct TeamFigures
{
    int largestLead = 0;
    FlowMoment largestLeadAt;
    int longestRun = 0;
    FlowMoment longestRunFrom;
    FlowMoment longestRunTo;
    qint64 leadingMs = 0;

    bool operator==(const TeamFigures &) const = default;
};

// A period's (or set's) part of the game: the points each team made in it
// and where it lies on the game's played time.
struct PeriodFigures
{
    int period = 1;
    int home = 0;
    int guest = 0;
    qint64 fromMs = 0;
    qint64 toMs = 0;

    bool operator==(const PeriodFigures &) const = default;
};

// What a game's log tells beyond its score: the flow of the margin, the
// points per period or set, lead changes, ties, each team's largest lead,
// longest run and time leading, and with the players on what each did.
// Gathered from the steps one at a time; a step taken back leaves no trace.
// A match in sets counts each set from 0:0, as its board did.
class GameFigures
{
public:
    explicit GameFigures(bool sets = false) : m_sets(sets) {}
    static GameFigures of(const GameRecord &record);

    void add(const GameLogEntry &e);

    // Once a set has ended in the log, the game is known to be in sets.
    bool isSets() const { return m_sets; }
    const QList<FlowPoint> &flow() const { return m_flow; }
    // The flow of one period or set, with the score it started from first.
    QList<FlowPoint> flowOf(int period) const;
    qint64 playedMs() const { return m_playedMs; }
    QList<PeriodFigures> periods() const;
    int leadChanges() const;
    int timesTied() const;
    TeamFigures team(int side) const; // 0 home, 1 guest
    const PlayerTally &players() const { return m_players; }

    // For the pages: every figure above but the flow.
    QJsonObject toJson() const;

private:
    void addToPlayed(const GameLogEntry &e);
    void addToFlow(const GameLogEntry &e);
    void addToPlayers(const GameLogEntry &e);
    void append(const GameLogEntry &e, int period, int home, int guest);
    // The margins in order, each set starting again from level.
    template <typename Visit> void eachChange(Visit visit) const;

    bool m_sets = false;
    QList<FlowPoint> m_flow;
    // Where each period began and ended on the played time, in order.
    QList<PeriodFigures> m_periodTimes;
    qint64 m_playedMs = 0;
    bool m_clockKnown = false;
    int m_lastPeriod = 1;
    qint64 m_lastClockMs = 0;
    GamePhase m_lastPhase = GamePhase::Play;
    PlayerTally m_players;
};
