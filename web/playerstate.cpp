#include "web/playerstate.h"

#include "game/gamemodel.h"

#include <QJsonArray>

namespace BoardState {

namespace {

QJsonArray playersOf(const GameModel &game, GameModel::Team team)
{
    QStringList numbers = game.players().teams.at(team).keys();
    if (const std::optional<Team> &roster = game.side(team).team) {
        for (const Player &player : roster->players)
            numbers << player.number;
    }
    QJsonArray list;
    for (const QString &number : sortedNumbers(numbers)) {
        const PlayerLine line = game.players().line(team, number);
        list.append(
            QJsonObject{{QStringLiteral("number"), number},
                        {QStringLiteral("name"), game.playerName(team, number)},
                        {QStringLiteral("fouls"), line.fouls},
                        {QStringLiteral("points"), line.points},
                        {QStringLiteral("penalties"), line.penalties},
                        {QStringLiteral("out"), game.isPlayerOut(team, number)},
                        {QStringLiteral("disqualified"), game.isDisqualified(team, number)}});
    }
    return list;
}

QJsonArray penaltiesOf(const GameModel &game, GameModel::Team team)
{
    QJsonArray list;
    const QList<Penalty> &penalties = game.penalties().teams.at(team);
    for (int i = 0; i < penalties.size(); ++i)
        list.append(QJsonObject{{QStringLiteral("player"), penalties[i].player},
                                {QStringLiteral("ms"), game.penaltyMs(penalties[i])},
                                {QStringLiteral("waiting"), i >= PenaltyClocks::MaxRunning}});
    return list;
}

} // namespace

QJsonObject playersPart(const GameModel &game)
{
    if (!game.hasPlayers())
        return {{QStringLiteral("home"), QJsonArray()}, {QStringLiteral("guest"), QJsonArray()}};
    return {{QStringLiteral("home"), playersOf(game, GameModel::Home)},
            {QStringLiteral("guest"), playersOf(game, GameModel::Guest)}};
}

QJsonObject penaltiesPart(const GameModel &game)
{
    QJsonArray lengths;
    if (game.hasPlayers()) {
        for (const qint64 ms : game.playerRules().penaltyLengthsMs)
            lengths.append(ms);
    }
    return {{QStringLiteral("home"), penaltiesOf(game, GameModel::Home)},
            {QStringLiteral("guest"), penaltiesOf(game, GameModel::Guest)},
            {QStringLiteral("lengths"), lengths}};
}

std::optional<QString> playerNumberOf(const QJsonValue &value)
{
    if (value.isString())
        return isPlayerNumber(value.toString()) ? std::optional(value.toString()) : std::nullopt;
    const double d = value.toDouble(-1);
    if (!value.isDouble() || d != double(int(d)) || d < 0 || d > 99)
        return std::nullopt;
    return QString::number(int(d));
}

} // namespace BoardState
