#pragma once

#include "game/gamehost.h"
#include "game/shotclock.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>

// The shot clock and the possession arrow of a game: their rules and what the
// operator does with them. Their state is the game's (GameState::shotClock
// and possession), so an undo step or a saved game holds it with the rest;
// what happened is told through the game's signals.
class ShotClockPart
{
public:
    explicit ShotClockPart(GameHost &game) : m_game(game) {}

    const ShotClockRules &rules() const { return m_rules; }
    bool isOn() const { return m_rules.enabled; }
    const ShotClockState &state() const;
    // Its value now.
    qint64 ms() const;
    Possession possession() const;

    // With the shot clock on (otherwise they do nothing): back to its full or
    // short length, running on if it ran; held or released (unlinked: stopped
    // or started); dark until the next reset. The arrow points to `team`,
    // or switches (the first time to the home team).
    void reset();
    void resetShort();
    void holdOrRelease();
    void blank();
    void setPossession(Possession team);
    void switchPossession();
    // Turns the shot clock on or off and sets how it is played. Turned on, it
    // stands at its full length; new lengths take effect at the next reset.
    void setRules(const ShotClockRules &rules);

    // What the game tells it. The game clock ran, stopped or moved on: the
    // shot clock follows (dark once the period has less time left, running
    // with a linked game clock); true when it changed.
    bool follow();
    // Score `which` went from `from` to `to`, in the same step.
    void scored(int which, int from, int to);
    // A period starts: the shot clock stands at its full length.
    void readyPeriod();
    void newGame();
    // The game came back as `state` had it: a running shot clock runs on from
    // its value then.
    void restored(const GameState &state);
    // One step from `from` to `to` is taken back: the shot clock gets the
    // value `to` had, less the time it has run since.
    void restoreStep(const GameState &from, const GameState &to);
    bool isRunning() const { return state().running; }
    // How long until its face changes, while it runs.
    std::optional<qint64> msToNextStep() const;
    // Sounds its horn (and stops the game clock, as the rules say) once it
    // has run out; false while it has not.
    bool expireIfDue();

    // The board state's "shotClock" part: on or not, running or not, dark or
    // not, and its value now; off, the same object, never running.
    QJsonObject boardJson() const;
    // The board state's "possession": "home", "guest" or null.
    QJsonValue possessionJson() const;

    // The saved game's "shotClock" and "possession", kept only with the shot
    // clock on (it comes back stopped), and the log's "possession": where the
    // arrow pointed after the step, none without the arrow.
    static void writeSaved(const std::optional<ShotClockState> &saved, Possession possession,
                           QJsonObject &object);
    static bool readSaved(const QJsonObject &object, std::optional<ShotClockState> &saved,
                          Possession &possession);
    static void logStep(const GameState &after, QString &possession);
    static void writeLog(const QString &possession, QJsonObject &line);
    static bool readLog(const QJsonObject &line, QString &possession);

private:
    ShotClockState &shot();
    bool shouldRun() const;
    void ready();
    void restart(qint64 ms);
    void resetTo(qint64 ms);
    qint64 now() const;

    GameHost &m_game;
    ShotClockRules m_rules;
};
