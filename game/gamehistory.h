#pragma once

#include <QString>
#include <QUndoStack>

#include <functional>

class GameModel;

// Undo and redo of the operator's actions on the game. Each action is
// recorded as the game before and after it; an action that changes nothing is
// not recorded. The clock's own progress is not an action.
class GameHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int Depth = 1000;

    explicit GameHistory(GameModel &game, QObject *parent = nullptr);

    // Runs `action` on the game and records it under `text`.
    void perform(const QString &text, const std::function<void(GameModel &)> &action);
    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }
    void forget() { m_stack.clear(); }
    const QUndoStack &stack() const { return m_stack; }

private:
    GameModel &m_game;
    QUndoStack m_stack;
};
