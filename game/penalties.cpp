#include "game/penalties.h"

void PenaltyClocks::activate(int team, bool clockRuns, qint64 at)
{
    QList<Penalty> &list = teams.at(team);
    for (int i = 0; i < list.size(); ++i) {
        Penalty &penalty = list[i];
        const bool shouldRun = clockRuns && i < MaxRunning;
        if (penalty.running == shouldRun)
            continue;
        penalty.ms = penalty.msAt(at);
        penalty.running = shouldRun;
        penalty.runStartMs = shouldRun ? at : 0;
    }
}

void PenaltyClocks::add(int team, const QString &player, qint64 lengthMs, bool clockRuns,
                        qint64 now)
{
    Penalty penalty;
    penalty.id = nextId++;
    penalty.player = player;
    penalty.lengthMs = lengthMs;
    penalty.ms = lengthMs;
    teams.at(team).append(penalty);
    activate(team, clockRuns, now);
}

void PenaltyClocks::run(bool clockRuns, qint64 now)
{
    for (int team = 0; team < int(teams.size()); ++team)
        activate(team, clockRuns, now);
}

QList<PenaltyClocks::Ended> PenaltyClocks::expire(qint64 now)
{
    QList<Ended> ended;
    for (int team = 0; team < int(teams.size()); ++team) {
        QList<Penalty> &list = teams[team];
        for (int i = 0; i < list.size() && i < MaxRunning;) {
            const Penalty &penalty = list.at(i);
            if (!penalty.running || penalty.msAt(now) > 0) {
                ++i;
                continue;
            }
            const qint64 endedAt = penalty.runStartMs + penalty.ms;
            ended.append({team, penalty.player});
            list.removeAt(i);
            activate(team, true, endedAt);
            // The one that took its place may have run out since, too.
            i = 0;
        }
    }
    return ended;
}

bool PenaltyClocks::endOldest(int team, qint64 lengthMs, bool clockRuns, qint64 now)
{
    QList<Penalty> &list = teams.at(team);
    for (int i = 0; i < list.size() && i < MaxRunning; ++i) {
        if (list.at(i).lengthMs == lengthMs) {
            list.removeAt(i);
            activate(team, clockRuns, now);
            return true;
        }
    }
    return false;
}

void PenaltyClocks::restoreChanged(const PenaltyClocks &from, const PenaltyClocks &to,
                                   qint64 toTakenAtMs, bool clockRuns, qint64 now)
{
    const auto findIn = [](const QList<Penalty> &list, int id) {
        return std::find_if(list.cbegin(), list.cend(),
                            [id](const Penalty &p) { return p.id == id; });
    };
    for (int team = 0; team < int(teams.size()); ++team) {
        QList<Penalty> &list = teams[team];
        for (const Penalty &gone : from.teams[team]) {
            if (findIn(to.teams[team], gone.id) == to.teams[team].cend())
                list.removeIf([&](const Penalty &p) { return p.id == gone.id; });
        }
        for (Penalty back : to.teams[team]) {
            if (findIn(from.teams[team], back.id) != from.teams[team].cend() ||
                findIn(list, back.id) != list.cend())
                continue;
            back.ms = back.msAt(toTakenAtMs);
            back.running = false;
            back.runStartMs = 0;
            const auto at = std::find_if(list.begin(), list.end(),
                                         [&](const Penalty &p) { return p.id > back.id; });
            list.insert(at, back);
        }
        // One put back ahead of the running ones takes its place among them.
        for (int i = MaxRunning; i < list.size(); ++i) {
            list[i].ms = list[i].msAt(now);
            list[i].running = false;
            list[i].runStartMs = 0;
        }
        activate(team, clockRuns, now);
    }
    nextId = std::max(nextId, to.nextId);
}

PenaltyClocks PenaltyClocks::stoppedAt(qint64 now) const
{
    PenaltyClocks stopped = *this;
    stopped.run(false, now);
    return stopped;
}
