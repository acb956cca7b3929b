#include "game/gamehistory.h"

#include "game/gamemodel.h"

#include <QUndoCommand>

namespace {

// One action, as the game before and after it. Undone or redone, it puts
// back only what it changed: a score set while the clock ran leaves the clock
// running where it is now.
class GameChange : public QUndoCommand
{
public:
    GameChange(GameModel &game, const QString &text, GameState before, GameState after)
        : QUndoCommand(text), m_game(game), m_before(std::move(before)), m_after(std::move(after)),
          m_clockAction(!m_before.sameClock(m_after))
    {
    }

    void undo() override { put(m_before); }
    void redo() override
    {
        // The action itself already ran when it was recorded.
        if (m_done)
            put(m_after);
        m_done = true;
    }

private:
    void put(const GameState &state)
    {
        if (m_clockAction)
            m_game.restore(state);
        else
            m_game.restoreScores(state);
    }

    GameModel &m_game;
    GameState m_before;
    GameState m_after;
    bool m_clockAction;
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
