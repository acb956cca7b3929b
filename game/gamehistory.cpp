#include "game/gamehistory.h"

#include "game/gamemodel.h"

#include <QUndoCommand>

namespace {

// One action, as the game before and after it.
class GameChange : public QUndoCommand
{
public:
    GameChange(GameModel &game, const QString &text, GameState before, GameState after)
        : QUndoCommand(text), m_game(game), m_before(std::move(before)), m_after(std::move(after))
    {
    }

    void undo() override { m_game.restore(m_before); }
    void redo() override
    {
        // The action itself already ran when it was recorded.
        if (m_done)
            m_game.restore(m_after);
        m_done = true;
    }

private:
    GameModel &m_game;
    GameState m_before;
    GameState m_after;
    bool m_done = false;
};

} // namespace

GameHistory::GameHistory(GameModel &game, QObject *parent) : QObject(parent), m_game(game)
{
    m_stack.setUndoLimit(Depth);
}

void GameHistory::perform(const QString &text, const std::function<void(GameModel &)> &action)
{
    const GameState before = m_game.state();
    action(m_game);
    const GameState after = m_game.state();
    if (after != before)
        m_stack.push(new GameChange(m_game, text, before, after));
}
