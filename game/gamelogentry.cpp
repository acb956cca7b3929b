#include "game/gamelogentry.h"

#include "game/gamemodel.h"
#include "teams/team.h"

#include <QJsonDocument>

namespace {

using Scores = GameLogEntry::Scores;

// A whole number of milliseconds in [0, MaxClockMs]; -1 for anything else,
// without converting a double that an integer cannot hold.
qint64 clockMsOf(const QJsonValue &value)
{
    const double ms = value.toDouble(-1);
    if (!(ms >= 0 && ms <= double(GameLogEntry::MaxClockMs)))
        return -1;
    return qint64(ms);
}

std::optional<Scores> scoresOf(const QJsonValue &value)
{
    const QJsonArray array = value.toArray();
    if (array.size() != GameModel::ScoreCount)
        return std::nullopt;
    Scores scores;
    for (int i = 0; i < GameModel::ScoreCount; ++i) {
        if (array.at(i).isNull())
            continue;
        const int score = array.at(i).toInt(-1);
        if (score < GameModel::ScoreMin || score > GameModel::ScoreMax)
            return std::nullopt;
        scores.at(i) = score;
    }
    return scores;
}

} // namespace

QJsonArray GameLogEntry::scoresJson(const Scores &scores)
{
    QJsonArray array;
    for (const std::optional<int> &score : scores)
        array.append(score ? QJsonValue(*score) : QJsonValue(QJsonValue::Null));
    return array;
}

QString GameLogEntry::timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject GameLogEntry::toJson() const
{
    const GameLogEntry &e = *this;
    QJsonObject line{{QStringLiteral("n"), e.number},
                     {QStringLiteral("time"), timeText(e.time)},
                     {QStringLiteral("kind"), e.kind},
                     {QStringLiteral("action"), e.action},
                     {QStringLiteral("label"), e.label},
                     {QStringLiteral("origin"), e.origin},
                     {QStringLiteral("period"), e.period},
                     {QStringLiteral("phase"), gamePhaseName(e.phase)},
                     {QStringLiteral("clockMs"), e.clockMs},
                     {QStringLiteral("running"), e.running},
                     {QStringLiteral("beforePeriod"), e.beforePeriod},
                     {QStringLiteral("beforeClockMs"), e.beforeClockMs},
                     {QStringLiteral("before"), scoresJson(e.before)},
                     {QStringLiteral("after"), scoresJson(e.after)},
                     {QStringLiteral("timeout"),
                      e.timeout.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(e.timeout)}};
    ShotClockPart::writeLog(e.possession, line);
    PlayersPart::writeLog(e.playerTeam, e.player, line);
    SetsPart::writeLog(e.setScore, line);
    return line;
}

std::optional<GameLogEntry> GameLogEntry::fromLine(const QByteArray &line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    GameLogEntry e;
    e.number = o.value(QStringLiteral("n")).toInt(-1);
    e.time = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    e.kind = o.value(QStringLiteral("kind")).toString();
    e.action = o.value(QStringLiteral("action")).toString();
    if (!o.contains(QStringLiteral("label"))) {
        // Written before steps had ids: the action was the board's own words.
        e.label = e.action;
        e.action.clear();
    } else {
        e.label = o.value(QStringLiteral("label")).toString();
    }
    e.origin = o.value(QStringLiteral("origin")).toString();
    e.period = o.value(QStringLiteral("period")).toInt(-1);
    e.beforePeriod = o.value(QStringLiteral("beforePeriod")).toInt(-1);
    e.clockMs = clockMsOf(o.value(QStringLiteral("clockMs")));
    e.beforeClockMs = clockMsOf(o.value(QStringLiteral("beforeClockMs")));
    e.running = o.value(QStringLiteral("running")).toBool();
    e.timeout = o.value(QStringLiteral("timeout")).toString(); // none in older logs
    if (!e.timeout.isEmpty() && e.timeout != u"home" && e.timeout != u"guest")
        return std::nullopt;
    if (!ShotClockPart::readLog(o, e.possession) ||
        !PlayersPart::readLog(o, e.playerTeam, e.player) || !SetsPart::readLog(o, e.setScore))
        return std::nullopt;
    const auto phase = gamePhaseNamed(o.value(QStringLiteral("phase")).toString());
    const auto before = scoresOf(o.value(QStringLiteral("before")));
    const auto after = scoresOf(o.value(QStringLiteral("after")));
    if (e.number < 1 || !e.time.isValid() || e.kind.isEmpty() || e.period < 1 ||
        e.period > MaxPeriod || e.beforePeriod < 1 || e.beforePeriod > MaxPeriod || e.clockMs < 0 ||
        e.beforeClockMs < 0 || !phase || !before || !after)
        return std::nullopt;
    e.phase = *phase;
    e.before = *before;
    e.after = *after;
    return e;
}
