#include "game/playertally.h"

#include <algorithm>

void PlayerTally::restoreChanged(const PlayerTally &from, const PlayerTally &to)
{
    for (size_t team = 0; team < teams.size(); ++team) {
        QStringList numbers = from.teams[team].keys() + to.teams[team].keys();
        for (const QString &number : numbers) {
            const PlayerLine was = from.line(int(team), number);
            const PlayerLine back = to.line(int(team), number);
            if (was == back)
                continue;
            if (to.teams[team].contains(number))
                teams[team].insert(number, back);
            else
                teams[team].remove(number);
        }
    }
}

QStringList sortedNumbers(QStringList numbers)
{
    std::sort(numbers.begin(), numbers.end(), [](const QString &a, const QString &b) {
        return std::pair(a.toInt(), a.size()) < std::pair(b.toInt(), b.size());
    });
    numbers.removeDuplicates();
    return numbers;
}

std::optional<std::pair<int, QString>> changedPlayer(const PlayerTally &a, const PlayerTally &b)
{
    for (int team = 0; team < int(a.teams.size()); ++team) {
        for (const QString &number : a.teams[team].keys() + b.teams[team].keys()) {
            if (a.line(team, number) != b.line(team, number))
                return std::pair(team, number);
        }
    }
    return std::nullopt;
}
