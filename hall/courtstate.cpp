#include "hall/courtstate.h"

#include "game/gamelogentry.h"
#include "game/gamemodel.h"
#include "game/gamestructure.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>

namespace {

// Longer than any caption or team name a board shows.
constexpr qsizetype MaxTextChars = 200;

bool isWhole(const QJsonValue &value, double least, double most)
{
    const double n = value.toDouble(std::nan(""));
    return value.isDouble() && n >= least && n <= most && n == std::floor(n);
}

// Absent, or of the kind `check` accepts.
template <typename Check> bool absentOr(const QJsonObject &object, const char *key, Check check)
{
    const QJsonValue value = object.value(QLatin1StringView(key));
    return value.isUndefined() || check(value);
}

bool isBool(const QJsonValue &v)
{
    return v.isBool();
}

bool isText(const QJsonValue &v)
{
    return v.isString() && v.toString().size() <= MaxTextChars;
}

bool isScores(const QJsonValue &value)
{
    const QJsonArray scores = value.toArray();
    if (!value.isArray() || scores.isEmpty() || scores.size() > GameModel::ScoreCount)
        return false;
    return std::all_of(scores.cbegin(), scores.cend(), [](const QJsonValue &score) {
        return score.isNull() || isWhole(score, GameModel::ScoreMin, GameModel::ScoreMax);
    });
}

bool isClockMs(const QJsonValue &v)
{
    return isWhole(v, 0, double(GameLogEntry::MaxClockMs));
}

bool isClock(const QJsonValue &value)
{
    const QJsonObject clock = value.toObject();
    return value.isObject() && isClockMs(clock.value(u"ms")) &&
           absentOr(clock, "running", isBool) && absentOr(clock, "countDown", isBool) &&
           absentOr(clock, "blank", isBool) &&
           absentOr(clock, "periods",
                    [](const QJsonValue &v) { return isWhole(v, 0, GameLogEntry::MaxPeriod); }) &&
           absentOr(clock, "period",
                    [](const QJsonValue &v) { return isWhole(v, 1, GameLogEntry::MaxPeriod); }) &&
           absentOr(clock, "phase",
                    [](const QJsonValue &v) {
                        return v.isString() && gamePhaseNamed(v.toString()).has_value();
                    }) &&
           absentOr(clock, "timeout", [](const QJsonValue &v) {
               const QJsonObject timeout = v.toObject();
               return v.isNull() || (v.isObject() && isText(timeout.value(u"team")) &&
                                     isClockMs(timeout.value(u"ms")));
           });
}

bool isTeam(const QJsonValue &v)
{
    return v.isNull() || (v.isObject() && absentOr(v.toObject(), "name", isText));
}

bool isBoard(const QJsonValue &value)
{
    const QJsonObject board = value.toObject();
    return value.isObject() && absentOr(board, "home", isText) &&
           absentOr(board, "guest", isText) && absentOr(board, "homeTeam", isTeam) &&
           absentOr(board, "guestTeam", isTeam);
}

bool isTeams(const QJsonValue &value)
{
    return value.isObject() && absentOr(value.toObject(), "timeoutsLeft", [](const QJsonValue &v) {
               const QJsonArray left = v.toArray();
               return v.isNull() || (v.isArray() && left.size() == 2 &&
                                     isWhole(left.at(0), 0, 99) && isWhole(left.at(1), 0, 99));
           });
}

QJsonObject withoutLogos(QJsonObject state)
{
    QJsonObject board = state.value(u"board").toObject();
    for (const QLatin1StringView side :
         {QLatin1StringView("homeTeam"), QLatin1StringView("guestTeam")}) {
        if (board.value(side).isObject()) {
            QJsonObject team = board.value(side).toObject();
            team.remove(u"logo");
            board.insert(side, team);
        }
    }
    if (state.contains(u"board"))
        state.insert(u"board", board);
    return state;
}

} // namespace

std::optional<QJsonObject> courtState(const QByteArray &payload, qsizetype maxKeptBytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject state = document.object();
    if (!isScores(state.value(u"scores")) || !isClock(state.value(u"clock")) ||
        !absentOr(state, "at", [](const QJsonValue &v) { return isWhole(v, 0, 1e15); }) ||
        !absentOr(state, "game", isText) || !absentOr(state, "board", isBoard) ||
        !absentOr(state, "teams", isTeams))
        return std::nullopt;
    QJsonObject kept;
    for (const char *key :
         {"at", "game", "scores", "clock", "teams", "shotClock", "possession", "sets", "board"}) {
        const QJsonValue value = state.value(QLatin1StringView(key));
        if (!value.isUndefined())
            kept.insert(QLatin1StringView(key), value);
    }
    kept = withoutLogos(kept);
    if (QJsonDocument(kept).toJson(QJsonDocument::Compact).size() > maxKeptBytes)
        return std::nullopt;
    return kept;
}
