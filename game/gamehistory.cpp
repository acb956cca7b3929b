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
    static constexpr int RemoteId = 1;

    GameChange(GameModel &game, const QString &text, GameState before, GameState after, bool remote,
               bool joinsPrevious)
        : QUndoCommand(text), m_game(game), m_before(std::move(before)), m_after(std::move(after)),
          m_clockAction(!m_before.sameClock(m_after)), m_remote(remote),
          m_joinsPrevious(joinsPrevious)
    {
    }

    bool isRemote() const { return m_remote; }
    bool clockWasRunning() const { return m_clockAction && m_before.running; }
    int id() const override { return m_remote ? RemoteId : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const GameChange *>(other);
        if (!next->m_joinsPrevious)
            return false;
        m_after = next->m_after;
        m_clockAction = m_clockAction || next->m_clockAction;
        return true;
    }

    void undo() override { put(m_after, m_before); }
    void redo() override
    {
        // The action itself already ran when it was recorded.
        if (m_done)
            put(m_before, m_after);
        m_done = true;
    }

private:
    void put(const GameState &from, const GameState &to)
    {
        if (m_clockAction)
            m_game.restore(to);
        else
            m_game.restoreScores(from, to);
    }

    GameModel &m_game;
    GameState m_before;
    GameState m_after;
    bool m_clockAction;
    bool m_remote;
    bool m_joinsPrevious;
    bool m_done = false;
};

} // namespace

GameHistory::GameHistory(GameModel &game, QObject *parent) : QObject(parent), m_game(game)
{
    m_stack.setUndoLimit(Depth);
}

bool GameHistory::undoStartsClock() const
{
    if (!m_stack.canUndo() || m_game.isRunning())
        return false;
    return static_cast<const GameChange *>(m_stack.command(m_stack.index() - 1))->clockWasRunning();
}

int GameHistory::remoteSteps() const
{
    int steps = 0;
    for (int i = 0; i < m_stack.count(); ++i)
        steps += static_cast<const GameChange *>(m_stack.command(i))->isRemote();
    return steps;
}

void GameHistory::perform(const QString &text, const std::function<void(GameModel &)> &action,
                          Origin origin)
{
    emit performing(origin);
    const GameState before = m_game.state();
    action(m_game);
    const GameState after = m_game.state();
    if (after != before) {
        const bool remote = origin == Origin::Remote;
        const bool joins = remote && remoteSteps() >= RemoteShare;
        m_stack.push(new GameChange(m_game, text, before, after, remote, joins));
        emit stepped(Step::Action, text, origin, before);
    }
    emit performed(origin);
}

void GameHistory::undo(Origin origin)
{
    const QString text = m_stack.undoText();
    const GameState before = m_game.state();
    m_stack.undo();
    if (m_game.state() != before)
        emit stepped(Step::Undo, text, origin, before);
}

void GameHistory::redo(Origin origin)
{
    const QString text = m_stack.redoText();
    const GameState before = m_game.state();
    m_stack.redo();
    if (m_game.state() != before)
        emit stepped(Step::Redo, text, origin, before);
}
