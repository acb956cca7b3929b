#include "game/playerspart.h"

#include "game/gamelogentry.h"
#include "game/gamemodel.h"
#include "game/gamerules.h"
#include "game/gamestatefile.h"
#include "game/jsonnumber.h"
#include "game/timesource.h"
#include "settings/appsettings.h"
#include "teams/team.h"

#include <QJsonArray>

// The teams' names in the board state, the saved game and the log alike.
static QString playersTeamKey(int team)
{
    return team == GameModel::Home ? QStringLiteral("home") : QStringLiteral("guest");
}

bool PlayersPart::isOn() const
{
    return m_rules.enabled && !m_game.playsSets();
}

const PlayerTally &PlayersPart::tally() const
{
    return m_game.m_state.players;
}

const PenaltyClocks &PlayersPart::penalties() const
{
    return m_game.m_state.penalties;
}

qint64 PlayersPart::now() const
{
    return m_game.m_time.elapsedMs();
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
    return m_game.isRunning() && m_game.phase() == GamePhase::Play && !m_game.timeoutTeam();
}

void PlayersPart::follow()
{
    m_game.m_state.penalties.run(penaltiesShouldRun(), now());
}

void PlayersPart::expireIfDue()
{
    const QList<PenaltyClocks::Ended> ended = m_game.m_state.penalties.expire(now());
    if (ended.isEmpty())
        return;
    m_game.notifyChanged();
    for (const PenaltyClocks::Ended &penalty : ended)
        emit m_game.penaltyEnded(GameModel::Team(penalty.team), penalty.player);
}

// A goal against a team a player short ends that team's oldest minor penalty.
void PlayersPart::scored(int which, int from, int to)
{
    if (!isOn() || !m_rules.penaltyEndsOnGoal || to <= from)
        return;
    if (which != GameModel::Home1 && which != GameModel::Guest1)
        return;
    const int conceding = which == GameModel::Home1 ? GameModel::Guest : GameModel::Home;
    m_game.m_state.penalties.endOldest(conceding, PlayerRules::MinorPenaltyMs, penaltiesShouldRun(),
                                       now());
}

void PlayersPart::addFoul(int team, const QString &number)
{
    if (!isOn() || !isPlayerNumber(number))
        return;
    GameState &game = m_game.m_state;
    PlayerLine &line = game.players.teams.at(team)[number];
    ++line.fouls;
    const int teamFouls = team == GameModel::Home ? GameModel::Home2 : GameModel::Guest2;
    const int fouls = game.scores.at(teamFouls).value_or(0);
    if (m_game.structure().fouls.on && fouls < m_game.maxScore(teamFouls))
        game.scores.at(teamFouls) = fouls + 1;
    m_game.notifyChanged();
    if (m_rules.foulLimit > 0 && line.fouls == m_rules.foulLimit)
        emit m_game.playerFouledOut(GameModel::Team(team), number, line.fouls);
}

void PlayersPart::addPenalty(int team, const QString &number, qint64 lengthMs)
{
    if (!isOn() || !isPlayerNumber(number) || lengthMs <= 0)
        return;
    GameState &game = m_game.m_state;
    ++game.players.teams.at(team)[number].penalties;
    game.penalties.add(team, number, lengthMs, penaltiesShouldRun(), now());
    m_game.notifyChanged();
}

void PlayersPart::addToScoreBy(int which, int delta, const QString &number)
{
    const bool named = isOn() && isPlayerNumber(number);
    const bool refused = !m_game.scoreRefusal(which, GameModel::ScoreChange::Add, delta).isEmpty();
    // Section 2's scorers are not the game's: it may count fouls or sets.
    const bool section1 = which == GameModel::Home1 || which == GameModel::Guest1;
    if (named && !refused && section1) {
        const int team = which == GameModel::Home1 ? GameModel::Home : GameModel::Guest;
        m_game.m_state.players.teams.at(team)[number].points += delta;
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

PlayerRules PlayersPart::rulesOf(const Settings &settings, QStringList *problems)
{
    PlayerRules rules;
    rules.enabled = settings.PlayersEnabled != 0;
    rules.foulLimit = settings.PlayerFoulLimit;
    rules.penaltyEndsOnGoal = settings.PenaltyEndsOnGoal != 0;
    rules.suspensionsToDisqualify = settings.SuspensionsToDisqualify;
    // Told only when the players are on, like the shot clock's lengths.
    QStringList *told = rules.enabled ? problems : nullptr;
    if (const auto lengths =
            parsePenaltyLengths(readableRule("PenaltyLengths", settings.PenaltyLengths, told)))
        rules.penaltyLengthsMs = *lengths;
    return rules;
}

void PlayersPart::newGame()
{
    m_game.m_state.players = {};
    m_game.m_state.penalties = {};
}

void PlayersPart::restored(const GameState &state)
{
    for (QList<Penalty> &team : m_game.m_state.penalties.teams) {
        for (Penalty &penalty : team) {
            penalty.ms = penalty.msAt(state.takenAtMs);
            penalty.runStartMs = penalty.running ? now() : 0;
        }
    }
}

void PlayersPart::restoreStep(const GameState &from, const GameState &to)
{
    GameState &game = m_game.m_state;
    game.players.restoreChanged(from.players, to.players);
    if (from.penalties != to.penalties)
        game.penalties.restoreChanged(from.penalties, to.penalties, to.takenAtMs,
                                      penaltiesShouldRun(), now());
}

QJsonObject PlayersPart::boardPlayersJson() const
{
    QJsonObject teams;
    for (const int team : {GameModel::Home, GameModel::Guest}) {
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
    for (const int team : {GameModel::Home, GameModel::Guest}) {
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

void PlayersPart::save(SavedGame &saved) const
{
    saved.players = tally();
    saved.penalties = penalties().stoppedAt(now());
}

// {"home": {"7": [fouls, points, penalties]}, "guest": {...}}, and
// {"nextId": 4, "home": [{"id": 1, "player": "7", "lengthMs": 120000, "ms": 80000}], ...}
void PlayersPart::writeSaved(const SavedGame &saved, QJsonObject &object)
{
    if (saved.players != PlayerTally{}) {
        QJsonObject teams;
        for (int team = 0; team < 2; ++team) {
            QJsonObject lines;
            const QMap<QString, PlayerLine> &players = saved.players.teams[team];
            for (auto it = players.cbegin(); it != players.cend(); ++it)
                lines.insert(it.key(), QJsonArray{it->fouls, it->points, it->penalties});
            teams.insert(playersTeamKey(team), lines);
        }
        object.insert(QStringLiteral("players"), teams);
    }
    if (saved.penalties.isEmpty())
        return;
    QJsonObject penalties{{QStringLiteral("nextId"), saved.penalties.nextId}};
    for (int team = 0; team < 2; ++team) {
        QJsonArray list;
        for (const Penalty &penalty : saved.penalties.teams[team])
            list.append(QJsonObject{{QStringLiteral("id"), penalty.id},
                                    {QStringLiteral("player"), penalty.player},
                                    {QStringLiteral("lengthMs"), penalty.lengthMs},
                                    {QStringLiteral("ms"), penalty.ms}});
        penalties.insert(playersTeamKey(team), list);
    }
    object.insert(QStringLiteral("penalties"), penalties);
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
                const auto count = jsonIntegerIn(counts.at(i), 0, GameModel::ScoreMax);
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
                jsonIntegerIn(o.value(QStringLiteral("lengthMs")), 1, GameModel::LimitMs);
            const auto ms = jsonIntegerIn(o.value(QStringLiteral("ms")), 0, GameModel::LimitMs);
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

bool PlayersPart::readSaved(const QJsonObject &object, SavedGame &saved)
{
    // Files from before players, or of a game without them, have none.
    if (const QJsonValue players = object.value(QStringLiteral("players"));
        !players.isUndefined()) {
        const std::optional<PlayerTally> read = playersFrom(players);
        if (!read)
            return false;
        saved.players = *read;
    }
    if (const QJsonValue penalties = object.value(QStringLiteral("penalties"));
        !penalties.isUndefined()) {
        const std::optional<PenaltyClocks> read = penaltiesFrom(penalties);
        if (!read)
            return false;
        saved.penalties = *read;
    }
    return true;
}

void PlayersPart::logStep(const GameState &before, const GameState &after, GameLogEntry &entry)
{
    if (const auto player = changedPlayer(before.players, after.players)) {
        entry.playerTeam = playersTeamKey(player->first);
        entry.player = player->second;
    }
}

void PlayersPart::writeLog(const GameLogEntry &entry, QJsonObject &line)
{
    if (!entry.player.isEmpty())
        line.insert(QStringLiteral("player"),
                    QJsonObject{{QStringLiteral("team"), entry.playerTeam},
                                {QStringLiteral("number"), entry.player}});
}

bool PlayersPart::readLog(const QJsonObject &line, GameLogEntry &entry)
{
    // None in a game without players, and in every older log.
    const QJsonObject player = line.value(QStringLiteral("player")).toObject();
    entry.playerTeam = player.value(QStringLiteral("team")).toString();
    entry.player = player.value(QStringLiteral("number")).toString();
    const bool team = entry.playerTeam == u"home" || entry.playerTeam == u"guest";
    return entry.player.isEmpty() || (team && isPlayerNumber(entry.player));
}
