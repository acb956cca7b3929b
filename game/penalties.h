#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <array>

// One timed penalty, banked like the game clock: what was left of it at the
// last stop (or when it started running) and the time source's reading then.
struct Penalty
{
    int id = 0; // the order penalties were given in, across both teams
    QString player;
    qint64 lengthMs = 0;
    qint64 ms = 0;
    qint64 runStartMs = 0;
    bool running = false;

    qint64 msAt(qint64 now) const
    {
        return running ? std::max<qint64>(ms - (now - runStartMs), 0) : ms;
    }

    bool operator==(const Penalty &) const = default;
};

// The penalties of both teams. The first MaxRunning of a team run while the
// game clock runs; the others wait, in order, for one of them to end.
struct PenaltyClocks
{
    static constexpr int MaxRunning = 3;

    struct Ended
    {
        int team;
        QString player;
    };

    std::array<QList<Penalty>, 2> teams; // home, guest
    int nextId = 1;

    void add(int team, const QString &player, qint64 lengthMs, bool clockRuns, qint64 now);
    // Starts the running ones at `now`, or banks them there.
    void run(bool clockRuns, qint64 now);
    // Takes off those that reached zero by `now`; a waiting one starts the
    // moment the one before it ended, however late this comes.
    QList<Ended> expire(qint64 now);
    // Ends the oldest running penalty of `lengthMs` of `team`; false when none runs.
    bool endOldest(int team, qint64 lengthMs, bool clockRuns, qint64 now);
    // Puts back the penalties that one step gave or took (from `from` to
    // `to`, taken at `toTakenAtMs`), leaving the others running as they are.
    void restoreChanged(const PenaltyClocks &from, const PenaltyClocks &to, qint64 toTakenAtMs,
                        bool clockRuns, qint64 now);
    // As they stand when the clock stopped at `now`.
    PenaltyClocks stoppedAt(qint64 now) const;
    bool isEmpty() const { return teams[0].isEmpty() && teams[1].isEmpty(); }

    // The same penalties; where the numbering of the next stands is no part of the game.
    bool operator==(const PenaltyClocks &other) const { return teams == other.teams; }

private:
    void activate(int team, bool clockRuns, qint64 at);
};
