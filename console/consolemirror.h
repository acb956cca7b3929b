#pragma once

#include "console/consolestate.h"
#include "game/gamehistory.h"

#include <QObject>

class GameModel;
class TimeSource;

// Makes the game follow the hall's console: each value the console changes
// becomes one step of the game with the console as its origin, so the
// record, the views and the hall follow as they do for the operator's keys.
// A running clock is not a step: it is only kept in line with the console.
class ConsoleMirror : public QObject
{
    Q_OBJECT

public:
    // How long a running clock runs on by itself once the feed is silent.
    static constexpr qint64 RunOnMs = 5000;

    ConsoleMirror(GameModel &game, GameHistory &history, const TimeSource &time,
                  QObject *parent = nullptr);

    // The console's board as its feed now tells it.
    void apply(const ConsoleState &state);
    // The feed has been silent since `lastFrameAtMs`: a running clock stands
    // once it has run on for RunOnMs since then.
    void feedSilent(qint64 lastFrameAtMs);

private:
    using Edit = std::function<void(GameState &)>;
    void step(GameHistory::Action kind, const QString &text, const Edit &edit);
    void quietly(const Edit &edit);
    bool isNewGame(const ConsoleState &state) const;
    void mirrorClock(const ConsoleState &state);
    void mirrorScores(const ConsoleState &state);
    void mirrorPeriod(const ConsoleState &state);
    void mirrorTimeouts(const ConsoleState &state);
    void mirrorShotClock(const ConsoleState &state);
    void mirrorSets(const ConsoleState &state);
    void mirrorPenalties(const ConsoleState &state);

    GameModel &m_game;
    GameHistory &m_history;
    const TimeSource &m_time;
    ConsoleState m_last;
    // The clock stood because the feed fell silent, not because the console
    // stopped it: a console still running takes it on again unrecorded.
    bool m_stoodStill = false;
};
