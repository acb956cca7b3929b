#include "game/gamestructure.h"

#include "game/clockface.h"

#include <QStringList>

std::optional<QList<qint64>> GameStructure::parseBreaks(const QString &text)
{
    QList<qint64> breaks;
    if (text.trimmed().isEmpty())
        return breaks;
    for (const QString &part : text.split(u',')) {
        const QString entry = part.trimmed();
        if (!ClockFace::isAcceptableEntry(entry))
            return std::nullopt;
        breaks.append(qint64(ClockFace::typedSeconds(entry)) * 1000);
    }
    return breaks;
}

std::optional<QList<int>> TimeoutRules::parseCounts(const QString &text, int most)
{
    QList<int> counts;
    if (text.trimmed().isEmpty())
        return counts;
    for (const QString &part : text.split(u',')) {
        bool ok = false;
        const int count = part.trimmed().toInt(&ok);
        if (!ok || count < 0 || count > most)
            return std::nullopt;
        counts.append(count);
    }
    return counts;
}

namespace {
const QLatin1StringView phaseNames[] = {QLatin1StringView("play"), QLatin1StringView("break"),
                                        QLatin1StringView("final")};
} // namespace

QString gamePhaseName(GamePhase phase)
{
    return phaseNames[int(phase)];
}

std::optional<GamePhase> gamePhaseNamed(QStringView name)
{
    for (GamePhase phase : {GamePhase::Play, GamePhase::Break, GamePhase::Final}) {
        if (phaseNames[int(phase)] == name)
            return phase;
    }
    return std::nullopt;
}
