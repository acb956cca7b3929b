#include "hall/nextgame.h"

#include <QJsonDocument>
#include <QTime>

#include <array>

namespace {

constexpr std::array Members = {"time", "home", "guest", "preset"};

} // namespace

bool NextGame::isBetween(const QString &team, const QString &other) const
{
    const QString a = team.trimmed();
    const QString b = other.trimmed();
    return (home == a && guest == b) || (home == b && guest == a);
}

QJsonObject NextGame::toJson() const
{
    return {{QStringLiteral("time"), time},
            {QStringLiteral("home"), home},
            {QStringLiteral("guest"), guest},
            {QStringLiteral("preset"), preset}};
}

QByteArray NextGame::toMessage() const
{
    return QJsonDocument(toJson()).toJson(QJsonDocument::Compact);
}

std::optional<NextGame> NextGame::fromMessage(const QByteArray &message,
                                              const QStringList &knownPresets)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(message, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    if (object.size() != qsizetype(Members.size()))
        return std::nullopt;
    for (const char *member : Members) {
        if (!object.value(QLatin1StringView(member)).isString())
            return std::nullopt;
    }
    NextGame game{object.value(QLatin1StringView("time")).toString(),
                  object.value(QLatin1StringView("home")).toString().trimmed(),
                  object.value(QLatin1StringView("guest")).toString().trimmed(),
                  object.value(QLatin1StringView("preset")).toString()};
    if (!QTime::fromString(game.time, QStringLiteral("HH:mm")).isValid() || game.home.isEmpty() ||
        game.guest.isEmpty() || !knownPresets.contains(game.preset))
        return std::nullopt;
    return game;
}
