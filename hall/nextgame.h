#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <optional>

// A court's next game as the hall announces it on the court's "next" topic:
// {"time": "HH:MM", "home", "guest", "preset"}, the preset by its
// untranslated name. An empty message means no next game.
struct NextGame
{
    QString time;
    QString home;
    QString guest;
    QString preset;

    // Whether it is the game between these two teams, either way round.
    bool isBetween(const QString &team, const QString &other) const;

    QJsonObject toJson() const;
    QByteArray toMessage() const;
    // Nothing unless `message` is exactly that object: four strings, no
    // other member, teams named within a caption's length, and the preset
    // one of `knownPresets`.
    static std::optional<NextGame> fromMessage(const QByteArray &message,
                                               const QStringList &knownPresets);
    // A team's name as a board can take it for a caption: within the
    // options' length, no control, format or direction character.
    static bool isTeamName(const QString &name);
    static bool isShownCharacter(QChar c);

    bool operator==(const NextGame &) const = default;
};

Q_DECLARE_METATYPE(NextGame)
