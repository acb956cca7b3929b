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
