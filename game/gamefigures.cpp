#include "game/gamefigures.h"

#include "game/gamemodel.h"
#include "game/gamerecord.h"

#include <QJsonArray>

#include <cstdlib>

namespace {

int pointsOf(const GameLogEntry::Scores &scores, int which)
{
    return scores.at(which).value_or(0);
}

QJsonObject momentJson(const FlowMoment &at)
{
    return {{QStringLiteral("period"), at.period}, {QStringLiteral("clockMs"), at.clockMs}};
}

} // namespace

GameFigures GameFigures::of(const GameRecord &record)
{
    GameFigures figures;
    for (const GameLogEntry &e : record.entries)
        figures.add(e);
    return figures;
}

void GameFigures::add(const GameLogEntry &e)
{
    addToPlayed(e);
    addToFlow(e);
    addToPlayers(e);
}

// The game clock ran between two steps by as much as it moved, either way,
// while the game was in play and in the same period; what a step did to the
// clock itself (a correction, a new period) is no time played.
void GameFigures::addToPlayed(const GameLogEntry &e)
{
    if (m_clockKnown && m_lastPhase == GamePhase::Play && e.beforePeriod == m_lastPeriod)
        m_playedMs += std::abs(e.beforeClockMs - m_lastClockMs);
    m_clockKnown = true;
    m_lastPeriod = e.period;
    m_lastClockMs = e.clockMs;
    m_lastPhase = e.phase;
    const auto reach = [this](int period) {
        // A period taken back by an undo is played again from here.
        while (!m_periodTimes.isEmpty() && m_periodTimes.last().period > period)
            m_periodTimes.removeLast();
        if (m_periodTimes.isEmpty() || m_periodTimes.last().period != period)
            m_periodTimes.append({period, 0, 0, m_playedMs, m_playedMs});
        m_periodTimes.last().toMs = m_playedMs;
    };
    reach(e.beforePeriod);
    reach(e.period);
}

void GameFigures::addToFlow(const GameLogEntry &e)
{
    if (e.setScore) {
        // The point that ended a set cleared the board: the set's end
        // carries its last score.
        m_sets = true;
        const int set = e.beforePeriod;
        const auto [home, guest] = *e.setScore;
        if (m_flow.isEmpty() || m_flow.last().period != set || m_flow.last().home != home ||
            m_flow.last().guest != guest)
            append(e, set, home, guest);
        return;
    }
    const int home = pointsOf(e.after, GameModel::Home1);
    const int guest = pointsOf(e.after, GameModel::Guest1);
    if (home == pointsOf(e.before, GameModel::Home1) &&
        guest == pointsOf(e.before, GameModel::Guest1))
        return;
    // A new set begins level; the score it cleared is told by the set's end.
    if (e.kind != u"undo" && e.period != e.beforePeriod && home == 0 && guest == 0)
        return;
    if (e.kind == u"undo" && !m_flow.isEmpty())
        m_flow.removeLast();
    // The score as it stands: a set starts from level, a period from the
    // score the one before ended with.
    const bool standing = !m_flow.isEmpty() && (!m_sets || m_flow.last().period == e.period)
                              ? m_flow.last().home == home && m_flow.last().guest == guest
                              : home == 0 && guest == 0;
    if (e.kind != u"undo" || !standing)
        append(e, e.period, home, guest);
}

void GameFigures::append(const GameLogEntry &e, int period, int home, int guest)
{
    m_flow.append({e.number, period, e.clockMs, m_playedMs, home, guest});
}

// An undo takes back what its step gave; a redo gives it again.
void GameFigures::addToPlayers(const GameLogEntry &e)
{
    if (e.player.isEmpty())
        return;
    const int team = e.playerTeam == u"guest" ? GameModel::Guest : GameModel::Home;
    PlayerLine &line = m_players.teams.at(team)[e.player];
    const int sign = e.kind == u"undo" ? -1 : 1;
    if (e.action == u"foul.player")
        line.fouls += sign;
    else if (e.action == u"penalty.start")
        line.penalties += sign;
    const int section1 = team == GameModel::Home ? GameModel::Home1 : GameModel::Guest1;
    line.points += pointsOf(e.after, section1) - pointsOf(e.before, section1);
}

QList<FlowPoint> GameFigures::flowOf(int period) const
{
    QList<FlowPoint> points;
    FlowPoint start{0, period, 0, 0, 0, 0};
    for (const PeriodFigures &p : m_periodTimes)
        if (p.period == period)
            start.playedMs = p.fromMs;
    for (const FlowPoint &point : m_flow) {
        if (point.period < period && !m_sets) {
            start.home = point.home;
            start.guest = point.guest;
        } else if (point.period == period) {
            points.append(point);
        }
    }
    points.prepend(start);
    return points;
}

QList<PeriodFigures> GameFigures::periods() const
{
    QList<PeriodFigures> periods = m_periodTimes;
    for (PeriodFigures &p : periods) {
        const QList<FlowPoint> flow = flowOf(p.period);
        p.home = flow.last().home - flow.first().home;
        p.guest = flow.last().guest - flow.first().guest;
    }
    return periods;
}

template <typename Visit> void GameFigures::eachChange(Visit visit) const
{
    FlowPoint before;
    for (const FlowPoint &point : m_flow) {
        const bool newSet = m_sets && point.period != before.period;
        if (newSet)
            before = {0, point.period, point.clockMs, point.playedMs, 0, 0};
        visit(before, point, newSet);
        before = point;
    }
}

int GameFigures::leadChanges() const
{
    int changes = 0;
    int leader = 0; // the sign of the margin the last time a team led
    eachChange([&](const FlowPoint &, const FlowPoint &now, bool newSet) {
        if (newSet)
            leader = 0;
        const int sign = (now.margin() > 0) - (now.margin() < 0);
        if (sign != 0 && leader != 0 && sign != leader)
            ++changes;
        if (sign != 0)
            leader = sign;
    });
    return changes;
}

int GameFigures::timesTied() const
{
    int ties = 0;
    eachChange([&](const FlowPoint &before, const FlowPoint &now, bool) {
        if (now.margin() == 0 && before.margin() != 0)
            ++ties;
    });
    return ties;
}

TeamFigures GameFigures::team(int side) const
{
    TeamFigures figures;
    const int sign = side == 0 ? 1 : -1;
    int run = 0;
    FlowMoment runFrom;
    eachChange([&](const FlowPoint &before, const FlowPoint &now, bool newSet) {
        const int mine = side == 0 ? now.home - before.home : now.guest - before.guest;
        const int theirs = side == 0 ? now.guest - before.guest : now.home - before.home;
        if (newSet || mine <= 0 || theirs != 0)
            run = 0;
        if (mine > 0 && theirs == 0) {
            if (run == 0)
                runFrom = {now.period, now.clockMs};
            run += mine;
            if (run > figures.longestRun) {
                figures.longestRun = run;
                figures.longestRunFrom = runFrom;
                figures.longestRunTo = {now.period, now.clockMs};
            }
        }
        const int lead = sign * now.margin();
        if (lead > figures.largestLead) {
            figures.largestLead = lead;
            figures.largestLeadAt = {now.period, now.clockMs};
        }
    });
    // A margin holds until the next score; the end of a set leaves it.
    for (qsizetype i = 0; i < m_flow.size(); ++i) {
        const FlowPoint &point = m_flow.at(i);
        const bool last = i + 1 == m_flow.size();
        if (sign * point.margin() <= 0 ||
            (!last && m_sets && m_flow.at(i + 1).period != point.period))
            continue;
        const qint64 until = last ? m_playedMs : m_flow.at(i + 1).playedMs;
        figures.leadingMs += std::max<qint64>(0, until - point.playedMs);
    }
    return figures;
}

QJsonObject GameFigures::toJson() const
{
    QJsonArray periodList;
    for (const PeriodFigures &p : periods())
        periodList.append(QJsonObject{{QStringLiteral("period"), p.period},
                                      {QStringLiteral("points"), QJsonArray{p.home, p.guest}}});
    QJsonObject json{{QStringLiteral("sets"), m_sets},
                     {QStringLiteral("playedMs"), m_playedMs},
                     {QStringLiteral("leadChanges"), leadChanges()},
                     {QStringLiteral("timesTied"), timesTied()},
                     {QStringLiteral("periods"), periodList}};
    for (const int side : {0, 1}) {
        const TeamFigures t = team(side);
        json.insert(side == 0 ? QStringLiteral("home") : QStringLiteral("guest"),
                    QJsonObject{{QStringLiteral("largestLead"), t.largestLead},
                                {QStringLiteral("largestLeadAt"), momentJson(t.largestLeadAt)},
                                {QStringLiteral("longestRun"), t.longestRun},
                                {QStringLiteral("longestRunFrom"), momentJson(t.longestRunFrom)},
                                {QStringLiteral("longestRunTo"), momentJson(t.longestRunTo)},
                                {QStringLiteral("leadingMs"), t.leadingMs}});
    }
    return json;
}
