#include "game/gameteams.h"

#include <QJsonArray>

GameSide sideNamed(const QString &text, const QList<Team> &library)
{
    const QString name = text.trimmed();
    for (const Team &team : library) {
        if (team.name == name)
            return {team, {}};
    }
    return {std::nullopt, name};
}

QJsonObject teamJson(const Team &team)
{
    QJsonArray players;
    for (const Player &p : team.players)
        players.append(QJsonArray{p.number, p.name});
    const auto color = [](const QColor &c) { return c.isValid() ? c.name() : QString(); };
    return {{QStringLiteral("name"), team.name},
            {QStringLiteral("short"), team.shortName},
            {QStringLiteral("color"), color(team.color)},
            {QStringLiteral("textColor"), color(team.textColor)},
            {QStringLiteral("logo"), team.logo},
            {QStringLiteral("players"), players}};
}

std::optional<Team> teamFromJson(const QJsonValue &value)
{
    const QJsonObject o = value.toObject();
    const QString name = o.value(QStringLiteral("name")).toString();
    if (name.isEmpty())
        return std::nullopt;
    Team team;
    team.name = name;
    team.shortName = o.value(QStringLiteral("short")).toString().left(Team::MaxShortLength);
    // An unreadable colour is no colour: the board's own, as for a team without one.
    const auto color = [&](const char *key) {
        const QColor c = QColor::fromString(o.value(QLatin1StringView(key)).toString());
        return c.isValid() ? c : QColor();
    };
    team.color = color("color");
    team.textColor = color("textColor");
    team.logo = o.value(QStringLiteral("logo")).toString();
    for (const QJsonValue &p : o.value(QStringLiteral("players")).toArray()) {
        const QJsonArray pair = p.toArray();
        const QString number = pair.at(0).toString();
        if (pair.size() == 2 && isPlayerNumber(number))
            team.players.append({number, pair.at(1).toString()});
    }
    return team;
}

QJsonValue sidesJson(const GameSides &sides)
{
    QJsonArray array;
    for (const GameSide &side : sides) {
        if (side.team)
            array.append(QJsonObject{{QStringLiteral("team"), teamJson(*side.team)}});
        else
            array.append(QJsonObject{{QStringLiteral("caption"), side.caption}});
    }
    return array;
}

std::optional<GameSides> sidesFromJson(const QJsonValue &value)
{
    const QJsonArray array = value.toArray();
    if (array.size() != 2)
        return std::nullopt;
    GameSides sides;
    for (int i = 0; i < 2; ++i) {
        const QJsonObject o = array.at(i).toObject();
        if (const QJsonValue team = o.value(QStringLiteral("team")); !team.isUndefined()) {
            sides.at(i).team = teamFromJson(team);
            if (!sides.at(i).team)
                return std::nullopt;
        } else {
            sides.at(i).caption = o.value(QStringLiteral("caption")).toString();
        }
    }
    return sides;
}
