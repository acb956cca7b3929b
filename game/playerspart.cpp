#include "game/playerspart.h"

#include "game/jsonnumber.h"

#include "game/gameteams.h"
#include "teams/team.h"

#include <QJsonArray>

// The teams' names in the board state, the saved game and the log alike.
static QString playersTeamKey(int team)
{
    return team == GameIndex::Home ? QStringLiteral("home") : QStringLiteral("guest");
}

bool PlayersPart::isOn() const
{
    return m_rules.enabled && !m_game.playsSets();
}

const PlayerTally &PlayersPart::tally() const
{
    return m_game.hostState().players;
}

const PenaltyClocks &PlayersPart::penalties() const
{
    return m_game.hostState().penalties;
}

qint64 PlayersPart::now() const
{
    return m_game.hostNowMs();
}

qint64 PlayersPart::penaltyMs(const Penalty &penalty) const
{
    return penalty.msAt(now());
}

bool PlayersPart::isOut(int team, const QString &number) const
{
    const int limit = m_rules.foulLimit;
    return limit > 0 && tally().line(team, number).fouls >= limit;
}

bool PlayersPart::isDisqualified(int team, const QString &number) const
{
    const int limit = m_rules.suspensionsToDisqualify;
    return limit > 0 && tally().line(team, number).penalties >= limit;
}

QString PlayersPart::playerName(int team, const QString &number) const
{
    const std::optional<::Team> &rosterTeam = m_game.side(team).team;
    const Player *player = rosterTeam ? rosterTeam->player(number) : nullptr;
    return player ? player->name : QString();
}

// Penalties run with the game clock in play, and stand in a timeout.
bool PlayersPart::penaltiesShouldRun() const
{
    return m_game.hostState().running && m_game.hostState().phase == GamePhase::Play &&
           !(m_game.hostState().timeoutTeam >= 0);
}

void PlayersPart::follow()
{
    m_game.hostState().penalties.run(penaltiesShouldRun(), now());
}

void PlayersPart::expireIfDue()
{
    const QList<PenaltyClocks::Ended> ended = m_game.hostState().penalties.expire(now());
    if (ended.isEmpty())
        return;
    m_game.notifyChanged();
    for (const PenaltyClocks::Ended &penalty : ended)
        m_game.partPenaltyEnded(penalty.team, penalty.player);
}

// A goal against a team a player short ends that team's oldest minor penalty.
void PlayersPart::scored(int which, int from, int to)
{
    if (!isOn() || !m_rules.penaltyEndsOnGoal || to <= from)
        return;
    if (which != GameIndex::Home1 && which != GameIndex::Guest1)
        return;
    const int conceding = which == GameIndex::Home1 ? GameIndex::Guest : GameIndex::Home;
    m_game.hostState().penalties.endOldest(conceding, PlayerRules::MinorPenaltyMs,
                                           penaltiesShouldRun(), now());
}

void PlayersPart::addFoul(int team, const QString &number)
{
    if (!isOn() || !isPlayerNumber(number))
        return;
    GameState &game = m_game.hostState();
    PlayerLine &line = game.players.teams.at(team)[number];
    ++line.fouls;
    const int teamFouls = team == GameIndex::Home ? GameIndex::Home2 : GameIndex::Guest2;
    const int fouls = game.scores.at(teamFouls).value_or(0);
    if (m_game.structure().fouls.on && fouls < m_game.maxScore(teamFouls))
        game.scores.at(teamFouls) = fouls + 1;
    m_game.notifyChanged();
    if (m_rules.foulLimit > 0 && line.fouls == m_rules.foulLimit)
        m_game.partPlayerFouledOut(team, number, line.fouls);
}

void PlayersPart::addPenalty(int team, const QString &number, qint64 lengthMs)
{
    if (!isOn() || !isPlayerNumber(number) || lengthMs <= 0)
        return;
    GameState &game = m_game.hostState();
    ++game.players.teams.at(team)[number].penalties;
    game.penalties.add(team, number, lengthMs, penaltiesShouldRun(), now());
    m_game.notifyChanged();
}

void PlayersPart::addToScoreBy(int which, int delta, const QString &number)
{
    const bool named = isOn() && isPlayerNumber(number);
    const bool refused = m_game.isScoreChangeRefused(which, delta);
    // Section 2's scorers are not the game's: it may count fouls or sets.
    const bool section1 = which == GameIndex::Home1 || which == GameIndex::Guest1;
    if (named && !refused && section1) {
        const int team = which == GameIndex::Home1 ? GameIndex::Home : GameIndex::Guest;
        m_game.hostState().players.teams.at(team)[number].points += delta;
    }
    m_game.addToScore(which, delta);
}

void PlayersPart::setRules(const PlayerRules &rules)
{
    if (rules == m_rules)
        return;
    m_rules = rules;
    if (!rules.enabled)
        newGame();
    m_game.notifyChanged();
}

void PlayersPart::newGame()
{
    m_game.hostState().players = {};
    m_game.hostState().penalties = {};
}

void PlayersPart::restored(const GameState &state)
{
    for (QList<Penalty> &team : m_game.hostState().penalties.teams) {
        for (Penalty &penalty : team) {
            penalty.ms = penalty.msAt(state.takenAtMs);
            penalty.runStartMs = penalty.running ? now() : 0;
        }
    }
}

void PlayersPart::restoreStep(const GameState &from, const GameState &to)
{
    GameState &game = m_game.hostState();
    game.players.restoreChanged(from.players, to.players);
    if (from.penalties != to.penalties)
        game.penalties.restoreChanged(from.penalties, to.penalties, to.takenAtMs,
                                      penaltiesShouldRun(), now());
}

QJsonObject PlayersPart::boardPlayersJson() const
{
    QJsonObject teams;
    for (const int team : {GameIndex::Home, GameIndex::Guest}) {
        QJsonArray list;
        QStringList numbers = tally().teams.at(team).keys();
        if (const std::optional<::Team> &roster = m_game.side(team).team) {
            for (const Player &player : roster->players)
                numbers << player.number;
        }
        for (const QString &number : isOn() ? sortedNumbers(numbers) : QStringList()) {
            const PlayerLine line = tally().line(team, number);
            list.append(
                QJsonObject{{QStringLiteral("number"), number},
                            {QStringLiteral("name"), playerName(team, number)},
                            {QStringLiteral("fouls"), line.fouls},
                            {QStringLiteral("points"), line.points},
                            {QStringLiteral("penalties"), line.penalties},
                            {QStringLiteral("out"), isOut(team, number)},
                            {QStringLiteral("disqualified"), isDisqualified(team, number)}});
        }
        teams.insert(playersTeamKey(team), list);
    }
    return teams;
}

QJsonObject PlayersPart::boardPenaltiesJson() const
{
    QJsonObject teams;
    for (const int team : {GameIndex::Home, GameIndex::Guest}) {
        QJsonArray list;
        const QList<Penalty> &penalties = this->penalties().teams.at(team);
        for (int i = 0; i < penalties.size(); ++i)
            list.append(QJsonObject{{QStringLiteral("player"), penalties[i].player},
                                    {QStringLiteral("ms"), penaltyMs(penalties[i])},
                                    {QStringLiteral("waiting"), i >= PenaltyClocks::MaxRunning}});
        teams.insert(playersTeamKey(team), list);
    }
    QJsonArray lengths;
    if (isOn()) {
        for (const qint64 ms : m_rules.penaltyLengthsMs)
            lengths.append(ms);
    }
    teams.insert(QStringLiteral("lengths"), lengths);
    return teams;
}

static std::optional<PlayerTally> playersFrom(const QJsonValue &value)
{
    PlayerTally tally;
    for (int team = 0; team < 2; ++team) {
        const QJsonObject lines = value.toObject().value(playersTeamKey(team)).toObject();
        for (auto it = lines.constBegin(); it != lines.constEnd(); ++it) {
            const QJsonArray counts = it->toArray();
            if (!isPlayerNumber(it.key()) || counts.size() != 3)
                return std::nullopt;
            std::array<int, 3> read{};
            for (int i = 0; i < 3; ++i) {
                const auto count = jsonIntegerIn(counts.at(i), 0, GameIndex::ScoreMax);
                if (!count)
                    return std::nullopt;
                read.at(i) = int(*count);
            }
            tally.teams[team].insert(it.key(), {read[0], read[1], read[2]});
        }
    }
    return tally;
}

static std::optional<PenaltyClocks> penaltiesFrom(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    PenaltyClocks penalties;
    const auto nextId = jsonIntegerIn(object.value(QStringLiteral("nextId")), 1, 1'000'000);
    if (!nextId)
        return std::nullopt;
    penalties.nextId = int(*nextId);
    for (int team = 0; team < 2; ++team) {
        for (const QJsonValue &item : object.value(playersTeamKey(team)).toArray()) {
            const QJsonObject o = item.toObject();
            Penalty penalty;
            const auto id = jsonIntegerIn(o.value(QStringLiteral("id")), 1, *nextId - 1);
            const auto length =
                jsonIntegerIn(o.value(QStringLiteral("lengthMs")), 1, GameIndex::LimitMs);
            const auto ms = jsonIntegerIn(o.value(QStringLiteral("ms")), 0, GameIndex::LimitMs);
            penalty.player = o.value(QStringLiteral("player")).toString();
            if (!id || !length || !ms || !isPlayerNumber(penalty.player))
                return std::nullopt;
            penalty.id = int(*id);
            penalty.lengthMs = *length;
            penalty.ms = *ms;
            penalties.teams[team].append(penalty);
        }
    }
    return penalties;
}

// {"home": {"7": [fouls, points, penalties]}, "guest": {...}}, and
// {"nextId": 4, "home": [{"id": 1, "player": "7", "lengthMs": 120000, "ms": 80000}], ...}
void PlayersPart::writeSaved(const PlayerTally &tally, const PenaltyClocks &clocks,
                             QJsonObject &object)
{
    if (tally != PlayerTally{}) {
        QJsonObject teams;
        for (int team = 0; team < 2; ++team) {
            QJsonObject lines;
            const QMap<QString, PlayerLine> &players = tally.teams[team];
            for (auto it = players.cbegin(); it != players.cend(); ++it)
                lines.insert(it.key(), QJsonArray{it->fouls, it->points, it->penalties});
            teams.insert(playersTeamKey(team), lines);
        }
        object.insert(QStringLiteral("players"), teams);
    }
    if (clocks.isEmpty())
        return;
    QJsonObject penalties{{QStringLiteral("nextId"), clocks.nextId}};
    for (int team = 0; team < 2; ++team) {
        QJsonArray list;
        for (const Penalty &penalty : clocks.teams[team])
            list.append(QJsonObject{{QStringLiteral("id"), penalty.id},
                                    {QStringLiteral("player"), penalty.player},
                                    {QStringLiteral("lengthMs"), penalty.lengthMs},
                                    {QStringLiteral("ms"), penalty.ms}});
        penalties.insert(playersTeamKey(team), list);
    }
    object.insert(QStringLiteral("penalties"), penalties);
}

bool PlayersPart::readSaved(const QJsonObject &object, PlayerTally &tally, PenaltyClocks &clocks)
{
    // Files from before players, or of a game without them, have none.
    if (const QJsonValue players = object.value(QStringLiteral("players"));
        !players.isUndefined()) {
        const std::optional<PlayerTally> read = playersFrom(players);
        if (!read)
            return false;
        tally = *read;
    }
    if (const QJsonValue penalties = object.value(QStringLiteral("penalties"));
        !penalties.isUndefined()) {
        const std::optional<PenaltyClocks> read = penaltiesFrom(penalties);
        if (!read)
            return false;
        clocks = *read;
    }
    return true;
}

void PlayersPart::logStep(const GameState &before, const GameState &after, QString &team,
                          QString &number)
{
    if (const auto player = changedPlayer(before.players, after.players)) {
        team = playersTeamKey(player->first);
        number = player->second;
    }
}

void PlayersPart::writeLog(const QString &team, const QString &number, QJsonObject &line)
{
    if (!number.isEmpty())
        line.insert(QStringLiteral("player"), QJsonObject{{QStringLiteral("team"), team},
                                                          {QStringLiteral("number"), number}});
}

bool PlayersPart::readLog(const QJsonObject &line, QString &team, QString &number)
{
    // None in a game without players, and in every older log.
    const QJsonObject player = line.value(QStringLiteral("player")).toObject();
    team = player.value(QStringLiteral("team")).toString();
    number = player.value(QStringLiteral("number")).toString();
    const bool known = team == u"home" || team == u"guest";
    return number.isEmpty() || (known && isPlayerNumber(number));
}
