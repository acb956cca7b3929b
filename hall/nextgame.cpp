#include "hall/nextgame.h"

#include "settings/appsettings.h"

#include <QJsonDocument>
#include <QTime>

#include <algorithm>
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
    if (!QTime::fromString(game.time, QStringLiteral("HH:mm")).isValid() ||
        !isTeamName(game.home) || !isTeamName(game.guest) || !knownPresets.contains(game.preset))
        return std::nullopt;
    return game;
}

bool NextGame::isShownCharacter(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format: // the direction overrides and marks among them
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_NotAssigned:
        return false;
    default:
        return true;
    }
}

bool NextGame::isTeamName(const QString &name)
{
    return !name.isEmpty() && name.size() <= SettingsLimits::TeamTextLength &&
           std::all_of(name.cbegin(), name.cend(), isShownCharacter);
}
