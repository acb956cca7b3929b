#pragma once

#include "game/gamemodel.h"

#include <QString>
#include <QUndoStack>

#include <functional>

// Undo and redo of the operator's actions on the game. Each action is
// recorded as the game before and after it; an action that changes nothing is
// not recorded. The clock's own progress is not an action.
class GameHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int Depth = 1000;
    // Actions from the network never take more than this many of the steps:
    // past it, each joins the remote step before it.
    static constexpr int RemoteShare = Depth / 2;
    // Who acted: the operator at the board, or a remote on the network.
    enum class Origin { Operator, Remote };
    Q_ENUM(Origin)
    // What a recorded step was: a new action, or one undone or redone.
    enum class Step { Action, Undo, Redo };
    Q_ENUM(Step)

    explicit GameHistory(GameModel &game, QObject *parent = nullptr);

    // Runs `action` on the game and records it under `text`.
    void perform(const QString &text, const std::function<void(GameModel &)> &action,
                 Origin origin = Origin::Operator);
    // Who asked is what the log records for the step.
    void undo(Origin origin = Origin::Operator);
    void redo(Origin origin = Origin::Operator);
    void forget() { m_stack.clear(); }
    // Whether undo() now would set the stopped clock running again.
    bool undoStartsClock() const;
    const QUndoStack &stack() const { return m_stack; }

signals:
    // Around each action: what the game emits in between comes from `origin`.
    void performing(GameHistory::Origin origin);
    void performed(GameHistory::Origin origin);
    // After each step that changed the game: its text and the game before it.
    void stepped(GameHistory::Step step, const QString &text, GameHistory::Origin origin,
                 const GameState &before);

private:
    int remoteSteps() const;

    GameModel &m_game;
    QUndoStack m_stack;
};
