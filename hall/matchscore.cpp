#include "hall/matchscore.h"

#include "game/gamemodel.h"
#include "game/gamerecord.h"
#include "game/gametally.h"

#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace {

QString pairsText(const QList<MatchScore::Pair> &pairs)
{
    QStringList texts;
    for (const MatchScore::Pair &pair : pairs)
        texts << QStringLiteral("%1:%2").arg(pair[0]).arg(pair[1]);
    return texts.join(u' ');
}

MatchScore::Pair swappedPair(const MatchScore::Pair &pair)
{
    return {pair[1], pair[0]};
}

} // namespace

MatchScore MatchScore::swapped() const
{
    MatchScore other;
    other.score = swappedPair(score);
    for (const Pair &set : sets)
        other.sets << swappedPair(set);
    for (const Pair &period : periods)
        other.periods << swappedPair(period);
    return other;
}

MatchScore::Pair MatchScore::setPoints() const
{
    Pair total{};
    for (const Pair &set : sets) {
        total[0] += set[0];
        total[1] += set[1];
    }
    return total;
}

QString MatchScore::scoreText(const QString &separator) const
{
    return QString::number(score[0]) + separator + QString::number(score[1]);
}

QString MatchScore::detailText() const
{
    return pairsText(inSets() ? sets : periods);
}

QJsonValue MatchScore::setsJson() const
{
    if (!inSets())
        return QJsonValue::Null;
    QJsonArray played;
    for (const Pair &set : sets)
        played.append(QJsonArray{set[0], set[1]});
    return QJsonObject{{QStringLiteral("won"), QJsonArray{score[0], score[1]}},
                       {QStringLiteral("played"), played}};
}

MatchScore MatchScore::of(const QJsonArray &finalScores, const QString &logPath)
{
    MatchScore match;
    const auto at = [&](int i) { return finalScores.at(i).toInt(0); };
    match.score = {at(GameModel::Home1), at(GameModel::Guest1)};
    GameLogReader reader;
    if (logPath.isEmpty() || !reader.open(logPath))
        return match;
    GameTally tally(reader.header().periods);
    while (const std::optional<GameLogEntry> e = reader.next()) {
        tally.add(*e);
        if (e->setScore) {
            // A set ended again after an undone point is the one that stands.
            match.sets.resize(std::clamp<qsizetype>(e->beforePeriod - 1, 0, match.sets.size()));
            match.sets.append(*e->setScore);
        }
    }
    if (match.inSets()) {
        match.score = {at(GameModel::Home2), at(GameModel::Guest2)};
        return match;
    }
    // The tally has the score at each period's end; a period's points are
    // what it added to the one before.
    Pair before{};
    for (const auto &[period, scores] : tally.periodScores()) {
        const Pair after{scores.at(GameModel::Home1).value_or(0),
                         scores.at(GameModel::Guest1).value_or(0)};
        match.periods.append({after[0] - before[0], after[1] - before[1]});
        before = after;
    }
    return match;
}
