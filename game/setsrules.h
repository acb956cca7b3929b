#pragma once

#include <QList>
#include <QtGlobal>

#include <array>
#include <optional>

// How a sport played in sets is played: off (the board as it always was),
// the sets that win the match, the points of a set and of the deciding set,
// the lead a set is won by, the points that end a set whatever the lead
// (0: none), how the serve changes, the timeouts per team and set, and the
// points at which the operator is told to switch sides or give an interval.
struct SetsRules
{
    bool enabled = false;
    int setsToWin = 3;
    int pointsPerSet = 25;
    int lastSetPoints = 15;
    int winBy = 2;
    int cap = 0;
    // 0: the rally's winner serves; n: the serve changes every n points, and
    // every point once both teams are one point short of the set.
    int serveEvery = 0;
    int timeoutsPerSet = 2;
    int switchSidesEvery = 0;
    int lastSetSwitchSidesEvery = 0;
    int intervalAt = 0;
    // The game clock shows the match time counting up, or nothing.
    bool showClock = true;

    // The most sets a match can take, the last of them deciding it.
    int maxSets() const { return 2 * setsToWin - 1; }
    bool isDecidingSet(int set) const { return set >= maxSets(); }
    int pointsFor(int set) const { return isDecidingSet(set) ? lastSetPoints : pointsPerSet; }
    // The team (0 home, 1 guest) that has won set `set` at these points.
    std::optional<int> setWinner(int set, int home, int guest) const;
    // Who serves in set `set` at these points: `firstServer` served first,
    // and `lastPointTo` won the rally just played (-1: none yet).
    int serverAt(int set, int firstServer, int home, int guest, int lastPointTo) const;
    // The hint the board gives after `lastPointTo` made these points.
    enum class Hint { None, SwitchSides, Interval };
    Hint hintAt(int set, int home, int guest, int lastPointTo) const;

    bool operator==(const SetsRules &) const = default;
};

// A match in sets at one moment, beside the scores (section 1 the points of
// the set, section 2 the sets won): the set played, the scores of the sets
// before it, and who served first in it and serves now (0 home, 1 guest).
struct SetsState
{
    int set = 1;
    QList<std::array<int, 2>> played;
    int firstServer = 0;
    int serving = 0;
    int lastPointTo = -1; // the team that won the last rally of the set, -1: none yet

    bool operator==(const SetsState &) const = default;
};
