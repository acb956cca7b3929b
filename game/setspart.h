#pragma once

#include "game/setsrules.h"

#include <QJsonValue>
#include <QStringList>

#include <optional>

class GameModel;
class QJsonObject;
struct GameLogEntry;
struct GameState;
struct SavedGame;
struct Settings;

// A match in sets: its rules, the points that end a set and the match, and
// the serve. Its state is the game's (GameState::sets, beside the scores:
// section 1 the points of the set, section 2 the sets won); a set's end is
// told through the game's setEnded().
class SetsPart
{
public:
    explicit SetsPart(GameModel &game) : m_game(game) {}

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
    static SetsRules rulesOf(const Settings &settings, QStringList *problems);

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

    // The saved game's "sets", kept only with sets on.
    void save(SavedGame &saved) const;
    static void writeSaved(const SavedGame &saved, QJsonObject &object);
    static bool readSaved(const QJsonObject &object, SavedGame &saved);

    // The log's "set": on the line of a set's end, the set's points.
    static void writeLog(const GameLogEntry &entry, QJsonObject &line);
    static bool readLog(const QJsonObject &line, GameLogEntry &entry);

private:
    void endSet(int winner);

    GameModel &m_game;
    SetsRules m_rules;
};
