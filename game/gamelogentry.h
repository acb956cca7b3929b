#pragma once

#include "game/gamestructure.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <array>
#include <optional>

// One step of a game as its log keeps it.
struct GameLogEntry
{
    int number = 0;
    QDateTime time; // UTC
    QString kind;   // "action", "undo", "redo"
    QString action; // what the step did, by id ("score.add"); empty in older logs
    QString label;  // the same in the operator's language, as the board said it
    QString origin; // "operator", "remote", "console"
    std::array<std::optional<int>, 4> before{};
    std::array<std::optional<int>, 4> after{};
    int beforePeriod = 1;
    int period = 1;
    GamePhase phase = GamePhase::Play;
    qint64 beforeClockMs = 0;
    qint64 clockMs = 0;
    bool running = false;
    QString timeout; // "home" or "guest" when the step started that team's timeout
    // "home" or "guest": where the possession arrow pointed after the step;
    // empty without the arrow (the shot clock off, and every older log).
    QString possession;
    // With the players on: the player the step was about ("home" or
    // "guest", and the number); empty otherwise.
    QString playerTeam;
    QString player;
    // On the line of a set's end: the set's points, home's then the guests'.
    std::optional<std::array<int, 2>> setScore;

    // The most a line may hold, far past any game: a number beyond them is
    // damage, refused before it reaches any arithmetic.
    static constexpr int MaxPeriod = 9999;
    static constexpr qint64 MaxClockMs = qint64(24) * 60 * 60 * 1000;
    static constexpr int MaxSetPoints = 999;

    // The step as one line of the log, and back: nothing when the line is
    // damaged or does not describe a step.
    QJsonObject toJson() const;
    static std::optional<GameLogEntry> fromLine(const QByteArray &line);

    using Scores = std::array<std::optional<int>, 4>;
    // The parts of a line the record's header and exports write alike.
    static QJsonArray scoresJson(const Scores &scores);
    static QString timeText(const QDateTime &time);
};
