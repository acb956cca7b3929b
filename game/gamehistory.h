#pragma once

#include "game/clockseconds.h"
#include "game/gamemodel.h"

#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <functional>
#include <optional>

// Undo and redo of the operator's actions on the game. Each action is
// recorded as the game before and after it; an action that changes nothing is
// not recorded. The clock's own progress is not an action.
//
// Once the clock has ended a period by itself, the steps taken before keep
// only what they did to scores, fouls and timeouts: the clock steps of that
// period (start, stop, entries, a change of period) are out of reach, and an
// undo or redo that meets one skips it. Otherwise an undo in the break would
// bring the period back and take the break away.
class GameHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int Depth = 1000;
    // Actions from the network never take more than this many of the steps:
    // past it, each joins the remote step before it.
    static constexpr int RemoteShare = Depth / 2;
    // Who acted: the operator at the board, a remote on the network, or the
    // hall's console whose feed the game mirrors.
    enum class Origin { Operator, Remote, Console };
    Q_ENUM(Origin)
    // What a recorded step was: a new action, or one undone or redone.
    enum class Step { Action, Undo, Redo };
    Q_ENUM(Step)
    // What an action does, whoever asked for it and in whichever language.
    // A toggle (the clock's key, a team's timeout key) is named by what it
    // did: clock.start or clock.stop, timeout.start or timeout.end; the shot
    // clock's key shotclock.hold or shotclock.release (unlinked:
    // shotclock.start or shotclock.stop); the arrow possession.home or
    // possession.guest; a player's foul foul.player, a penalty penalty.start;
    // a point point.home or point.guest, the first server serve.home or
    // serve.guest.
    enum class Action {
        ScoreSet,
        ScoreAdd,
        ClockStartStop,
        ClockReset,
        ClockSet,
        Clear,
        PeriodNext,
        PeriodPrevious,
        BreakSkip,
        Timeout,
        NewGame,
        ShotClockReset,
        ShotClockShort,
        ShotClockHold,
        ShotClockBlank,
        Possession,
        PlayerFoul,
        Penalty,
        Point,
        FirstServer
    };
    Q_ENUM(Action)

    explicit GameHistory(GameModel &game, QObject *parent = nullptr);

    // The name the log and the exports give an action: one of a fixed set
    // that reads the same in every language (see the README).
    static QString actionId(Action action, const GameState &before, const GameState &after);

    // Runs `action` on the game and records it under `text`.
    void perform(Action kind, const QString &text, const std::function<void(GameModel &)> &action,
                 Origin origin = Origin::Operator);
    // The same, naming the action by what it changed in the game.
    void perform(const QString &text, const std::function<void(GameModel &)> &action,
                 Origin origin = Origin::Operator);
    // Who asked is what the log records for the step. Each returns the texts
    // of the steps it skipped on the way, out of reach since a period ended.
    QStringList undo(Origin origin = Origin::Operator);
    QStringList redo(Origin origin = Origin::Operator);
    void forget() { m_stack.clear(); }
    // The step undo() would take back, past those it would skip.
    const QUndoCommand *nextUndo() const;
    // Whether that step is the console's: those stay, and undo() stops there.
    bool consoleKeepsNextUndo() const;
    // While the hall's console is the game's source, it keeps what its feed
    // carries; every way in asks here before it changes any of that.
    void setConsoleKeeps(bool keeps) { m_consoleKeeps = keeps; }
    bool consoleKeeps() const { return m_consoleKeeps; }
    const QUndoCommand *nextRedo() const;
    // Where undo() now would set the stopped clock running again from, as
    // the face would show it then; nothing when it would not start it.
    std::optional<ClockSeconds> undoRestartsClockAt() const;
    bool undoStartsClock() const { return undoRestartsClockAt().has_value(); }
    const QUndoStack &stack() const { return m_stack; }

signals:
    // Around each action: what the game emits in between comes from `origin`.
    void performing(GameHistory::Origin origin);
    void performed(GameHistory::Origin origin);
    // After each step that changed the game: its text, the game before it
    // and the action's id.
    void stepped(GameHistory::Step step, const QString &text, GameHistory::Origin origin,
                 const GameState &before, const QString &action);

private:
    void record(std::optional<Action> kind, const QString &text,
                const std::function<void(GameModel &)> &action, Origin origin);
    int remoteSteps() const;
    void sealPeriod();
    QStringList skipOutOfReach(bool undoing);

    GameModel &m_game;
    QUndoStack m_stack;
    bool m_consoleKeeps = false;
};
