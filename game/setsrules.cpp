#include "game/setsrules.h"

#include <algorithm>
#include <cstdlib>

std::optional<int> SetsRules::setWinner(int set, int home, int guest) const
{
    const int leader = home > guest ? 0 : 1;
    const int most = std::max(home, guest);
    const int lead = std::abs(home - guest);
    if (home == guest)
        return std::nullopt;
    if (most >= pointsFor(set) && lead >= winBy)
        return leader;
    if (cap > 0 && most >= cap)
        return leader;
    return std::nullopt;
}

int SetsRules::serverAt(int set, int firstServer, int home, int guest, int lastPointTo) const
{
    if (serveEvery <= 0)
        return lastPointTo < 0 ? firstServer : lastPointTo;
    const int played = home + guest;
    // From level at one point short of the set, the serve changes every point.
    const int everyPointFrom = 2 * (pointsFor(set) - 1);
    const int changes = played < everyPointFrom
                            ? played / serveEvery
                            : everyPointFrom / serveEvery + (played - everyPointFrom);
    return changes % 2 == 0 ? firstServer : 1 - firstServer;
}

SetsRules::Hint SetsRules::hintAt(int set, int home, int guest, int lastPointTo) const
{
    const int played = home + guest;
    if (played == 0 || lastPointTo < 0)
        return Hint::None;
    const int every = isDecidingSet(set) ? lastSetSwitchSidesEvery : switchSidesEvery;
    if (every > 0 && played % every == 0)
        return Hint::SwitchSides;
    // The interval comes once, as the leader's point reaches it first.
    const int scorer = lastPointTo == 0 ? home : guest;
    const int other = lastPointTo == 0 ? guest : home;
    if (intervalAt > 0 && scorer == intervalAt && other < intervalAt)
        return Hint::Interval;
    return Hint::None;
}
