#include "game/setspart.h"

#include "game/jsonnumber.h"

#include <QJsonArray>
#include <QJsonObject>

const SetsState &SetsPart::state() const
{
    return m_game.hostState().sets;
}

SetsPart::PointRefusal SetsPart::pointRefusal() const
{
    if (!isOn())
        return PointRefusal::NoSets;
    if (m_game.hostState().phase == GamePhase::Final)
        return PointRefusal::Final;
    return PointRefusal::None;
}

void SetsPart::addPoint(int team)
{
    if (pointRefusal() != PointRefusal::None)
        return;
    GameState &game = m_game.hostState();
    const int which = team == GameIndex::Home ? GameIndex::Home1 : GameIndex::Guest1;
    game.scores.at(which) = std::min(game.scores.at(which).value_or(0) + 1, GameIndex::ScoreMax);
    SetsState &sets = game.sets;
    const int home = game.scores.at(GameIndex::Home1).value_or(0);
    const int guest = game.scores.at(GameIndex::Guest1).value_or(0);
    sets.lastPointTo = team;
    sets.serving = m_rules.serverAt(sets.set, sets.firstServer, home, guest, team);
    // The match time starts with the first rally.
    if (m_rules.showClock && !game.running && sets.played.isEmpty() && home + guest == 1)
        m_game.startRun();
    if (const auto winner = m_rules.setWinner(sets.set, home, guest))
        endSet(*winner);
    m_game.notifyChanged();
}

void SetsPart::endSet(int winner)
{
    GameState &game = m_game.hostState();
    SetsState &sets = game.sets;
    const int ended = sets.set;
    sets.played.append({game.scores.at(GameIndex::Home1).value_or(0),
                        game.scores.at(GameIndex::Guest1).value_or(0)});
    const int setsWon = winner == GameIndex::Home ? GameIndex::Home2 : GameIndex::Guest2;
    const int won = game.scores.at(setsWon).value_or(0) + 1;
    game.scores.at(setsWon) = won;
    game.timeoutTeam = -1;
    const bool final = won >= m_rules.setsToWin;
    if (final) {
        if (game.running)
            m_game.stopRun();
        game.phase = GamePhase::Final;
    } else {
        game.timeoutsTaken = {};
        game.scores.at(GameIndex::Home1) = 0;
        game.scores.at(GameIndex::Guest1) = 0;
        // The other team opens the next set; before its first point the
        // operator can give the serve to the other.
        sets.set = ended + 1;
        sets.firstServer = 1 - sets.firstServer;
        sets.serving = sets.firstServer;
        sets.lastPointTo = -1;
        game.period = sets.set;
    }
    m_game.partSetEnded(ended, final);
}

bool SetsPart::canSwitchFirstServer() const
{
    const GameState &game = m_game.hostState();
    const bool setStarted = game.scores.at(GameIndex::Home1).value_or(0) +
                                game.scores.at(GameIndex::Guest1).value_or(0) >
                            0;
    return pointRefusal() == PointRefusal::None && !setStarted;
}

void SetsPart::switchFirstServer()
{
    if (!canSwitchFirstServer())
        return;
    SetsState &sets = m_game.hostState().sets;
    sets.firstServer = 1 - sets.firstServer;
    sets.serving = sets.firstServer;
    m_game.notifyChanged();
}

SetsRules::Hint SetsPart::hint() const
{
    if (!isOn() || m_game.hostState().phase == GamePhase::Final)
        return SetsRules::Hint::None;
    const GameState &game = m_game.hostState();
    return m_rules.hintAt(state().set, game.scores.at(GameIndex::Home1).value_or(0),
                          game.scores.at(GameIndex::Guest1).value_or(0), state().lastPointTo);
}

void SetsPart::setRules(const SetsRules &rules)
{
    if (rules == m_rules)
        return;
    const bool turned = rules.enabled != m_rules.enabled;
    m_rules = rules;
    if (turned) {
        m_game.hostState().sets = {};
        m_game.readyPeriod(1);
    }
    m_game.notifyChanged();
}

std::optional<int> SetsPart::timeoutsPerSet() const
{
    return isOn() ? std::optional(m_rules.timeoutsPerSet) : std::nullopt;
}

void SetsPart::newGame()
{
    m_game.hostState().sets = {};
}

void SetsPart::restoreStep(const GameState &from, const GameState &to)
{
    if (from.sets != to.sets)
        m_game.hostState().sets = to.sets;
}

static QJsonArray playedSetsJson(const SetsState &sets)
{
    QJsonArray played;
    for (const auto &set : sets.played)
        played.append(QJsonArray{set[0], set[1]});
    return played;
}

QJsonValue SetsPart::boardJson() const
{
    if (!isOn())
        return QJsonValue::Null;
    const SetsState &sets = state();
    const auto name = [](int team) {
        return team == GameIndex::Home ? QStringLiteral("home") : QStringLiteral("guest");
    };
    return QJsonObject{{QStringLiteral("set"), sets.set},
                       {QStringLiteral("won"),
                        QJsonArray{m_game.hostState().scores.at(GameIndex::Home2).value_or(0),
                                   m_game.hostState().scores.at(GameIndex::Guest2).value_or(0)}},
                       {QStringLiteral("played"), playedSetsJson(sets)},
                       {QStringLiteral("serving"), name(sets.serving)}};
}

void SetsPart::writeSaved(const std::optional<SetsState> &saved, QJsonObject &object)
{
    if (!saved)
        return;
    const SetsState &sets = *saved;
    object.insert(QStringLiteral("sets"),
                  QJsonObject{{QStringLiteral("set"), sets.set},
                              {QStringLiteral("played"), playedSetsJson(sets)},
                              {QStringLiteral("firstServer"), sets.firstServer},
                              {QStringLiteral("serving"), sets.serving},
                              {QStringLiteral("lastPointTo"), sets.lastPointTo}});
}

bool SetsPart::readSaved(const QJsonObject &object, std::optional<SetsState> &saved)
{
    // Files from before sets, or saved with them off, have none.
    const QJsonValue value = object.value(QStringLiteral("sets"));
    if (value.isUndefined())
        return true;
    const QJsonObject o = value.toObject();
    const auto set = jsonIntegerIn(o.value(QStringLiteral("set")), 1, 99);
    const auto first = jsonIntegerIn(o.value(QStringLiteral("firstServer")), 0, 1);
    const auto serving = jsonIntegerIn(o.value(QStringLiteral("serving")), 0, 1);
    const auto last = jsonIntegerIn(o.value(QStringLiteral("lastPointTo")), -1, 1);
    const QJsonValue played = o.value(QStringLiteral("played"));
    if (!set || !first || !serving || !last || !played.isArray() || played.toArray().size() > 99)
        return false;
    SetsState sets;
    for (const QJsonValue &one : played.toArray()) {
        const QJsonArray points = one.toArray();
        const auto home = jsonIntegerIn(points.at(0), 0, GameIndex::ScoreMax);
        const auto guest = jsonIntegerIn(points.at(1), 0, GameIndex::ScoreMax);
        if (points.size() != 2 || !home || !guest)
            return false;
        sets.played.append({int(*home), int(*guest)});
    }
    sets.set = int(*set);
    sets.firstServer = int(*first);
    sets.serving = int(*serving);
    sets.lastPointTo = int(*last);
    saved = sets;
    return true;
}

void SetsPart::writeLog(const std::optional<std::array<int, 2>> &setScore, QJsonObject &line)
{
    if (setScore)
        line.insert(QStringLiteral("set"), QJsonArray{(*setScore)[0], (*setScore)[1]});
}

bool SetsPart::readLog(const QJsonObject &line, std::optional<std::array<int, 2>> &setScore)
{
    const QJsonValue set = line.value(QStringLiteral("set"));
    if (!set.isArray())
        return true;
    const QJsonArray points = set.toArray();
    const int home = points.at(0).toInt(-1);
    const int guest = points.at(1).toInt(-1);
    const int most = GameIndex::ScoreMax;
    if (points.size() != 2 || home < 0 || guest < 0 || home > most || guest > most)
        return false;
    setScore = std::array<int, 2>{home, guest};
    return true;
}
