#pragma once

#include "game/gamehost.h"
#include "game/setsrules.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <optional>

class QJsonObject;

// A match in sets: its rules, the points that end a set and the match, and
// the serve. Its state is the game's (GameState::sets, beside the scores:
// section 1 the points of the set, section 2 the sets won); a set's end is
// told through the game's setEnded().
class SetsPart
{
public:
    explicit SetsPart(GameHost &game) : m_game(game) {}

    const SetsRules &rules() const { return m_rules; }
    bool isOn() const { return m_rules.enabled; }
    const SetsState &state() const;

    // With sets on (otherwise they do nothing): a point for `team`
    // (GameModel::Team), which may end the set and the match; and before a
    // set's first point, the other team serves first. Refused as
    // pointRefusal says.
    enum class PointRefusal { None, NoSets, Final };
    PointRefusal pointRefusal() const;
    void addPoint(int team);
    bool canSwitchFirstServer() const;
    void switchFirstServer();
    // What the board hints after the last point.
    SetsRules::Hint hint() const;
    // Turns sets on or off and sets their rules; turned on or off, the
    // match starts afresh.
    void setRules(const SetsRules &rules);

    // What the game asks and tells it: the timeouts a team has in each set
    // (nothing without sets), whether the game clock's face stays dark, a
    // new match, and a step taken back (a point moves the serve with the
    // score: taking it back returns both).
    std::optional<int> timeoutsPerSet() const;
    bool hidesClock() const { return isOn() && !m_rules.showClock; }
    void newGame();
    void restoreStep(const GameState &from, const GameState &to);

    // The board state's "sets": the set played, the sets won, each played
    // set's points and the team serving; null with sets off.
    QJsonValue boardJson() const;

    // The saved game's "sets", kept only with sets on, and the log's "set":
    // on the line of a set's end, the set's points.
    static void writeSaved(const std::optional<SetsState> &saved, QJsonObject &object);
    static bool readSaved(const QJsonObject &object, std::optional<SetsState> &saved);
    static void writeLog(const std::optional<std::array<int, 2>> &setScore, QJsonObject &line);
    static bool readLog(const QJsonObject &line, std::optional<std::array<int, 2>> &setScore);

private:
    void endSet(int winner);

    GameHost &m_game;
    SetsRules m_rules;
};
