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
// More than a match in sets has.
constexpr int MaxSets = 99;

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

// "#rrggbb", or none: a page sets it as a colour as it is.
bool isColor(const QJsonValue &v)
{
    const QString text = v.toString();
    return v.isNull() || (v.isString() && text.size() == 7 && text.startsWith(u'#') &&
                          std::all_of(text.cbegin() + 1, text.cend(), [](QChar c) {
                              return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') ||
                                     (c >= u'A' && c <= u'F');
                          }));
}

bool isTeam(const QJsonValue &v)
{
    const QJsonObject team = v.toObject();
    return v.isNull() ||
           (v.isObject() && absentOr(team, "name", isText) && absentOr(team, "short", isText) &&
            absentOr(team, "color", isColor) && absentOr(team, "textColor", isColor));
}

bool isPair(const QJsonValue &value, double most)
{
    const QJsonArray pair = value.toArray();
    return value.isArray() && pair.size() == 2 && isWhole(pair.at(0), 0, most) &&
           isWhole(pair.at(1), 0, most);
}

// A match in sets: the set played, the sets won, each played set's points,
// who serves; null for a game of periods.
bool isSets(const QJsonValue &value)
{
    if (value.isNull())
        return true;
    const QJsonObject sets = value.toObject();
    const QJsonArray played = sets.value(u"played").toArray();
    return value.isObject() && isWhole(sets.value(u"set"), 1, MaxSets) &&
           isPair(sets.value(u"won"), MaxSets) && sets.value(u"played").isArray() &&
           played.size() <= MaxSets &&
           std::all_of(
               played.cbegin(), played.cend(),
               [](const QJsonValue &set) { return isPair(set, GameLogEntry::MaxSetPoints); }) &&
           absentOr(sets, "serving", [](const QJsonValue &v) {
               return v == QJsonValue(u"home"_qs) || v == QJsonValue(u"guest"_qs);
           });
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
        !absentOr(state, "teams", isTeams) || !absentOr(state, "sets", isSets))
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
