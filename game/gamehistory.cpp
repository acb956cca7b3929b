#include "game/gamehistory.h"

#include "game/gamemodel.h"

#include <QUndoCommand>

namespace {

bool sameScores(const GameState &a, const GameState &b)
{
    return a.scores == b.scores && a.timeoutsTaken == b.timeoutsTaken;
}

bool samePeriod(const GameState &a, const GameState &b)
{
    return a.period == b.period && a.phase == b.phase;
}

// One action, as the game before and after it. Undone or redone, it puts
// back only what it changed: a score set while the clock ran leaves the clock
// running where it is now.
class GameChange : public QUndoCommand
{
public:
    static constexpr int RemoteId = 1;

    GameChange(GameModel &game, const QString &text, QString action, GameState before,
               GameState after, GameHistory::Origin origin, bool joinsPrevious)
        : QUndoCommand(text), m_game(game), m_action(std::move(action)),
          m_before(std::move(before)), m_after(std::move(after)),
          m_clockAction(!m_before.sameClock(m_after)),
          m_remote(origin == GameHistory::Origin::Remote),
          m_console(origin == GameHistory::Origin::Console), m_joinsPrevious(joinsPrevious)
    {
    }

    const QString &action() const { return m_action; }
    bool isRemote() const { return m_remote; }
    bool isConsoles() const { return m_console; }
    bool clockWasRunning() const { return m_clockAction && m_before.running; }
    const GameState &before() const { return m_before; }
    int id() const override { return m_remote ? RemoteId : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        // A step sealed by a period's end keeps its reach; a later one must
        // not lend it the clock of a period that is over.
        const auto *next = static_cast<const GameChange *>(other);
        if (!next->m_joinsPrevious || m_sealed || isObsolete())
            return false;
        m_after = next->m_after;
        m_clockAction = m_clockAction || next->m_clockAction;
        return true;
    }

    // The clock ended the period this step was taken in (or a later one):
    // what it did to scores and timeouts stays in reach, its clock does not.
    void seal()
    {
        m_sealed = true;
        if (!m_clockAction)
            return;
        if (sameScores(m_before, m_after) || !samePeriod(m_before, m_after))
            setObsolete(true);
        else
            m_clockAction = false;
    }

    void undo() override
    {
        if (m_clockAction)
            m_game.restore(m_before);
        else
            m_game.restoreScores(m_after, m_before);
    }
    void redo() override
    {
        // The action itself already ran when it was recorded.
        if (!m_done) {
            m_done = true;
            return;
        }
        // As if it had never been undone: a clock it started has run since.
        if (m_clockAction)
            m_game.restoreAsOfNow(m_after);
        else
            m_game.restoreScores(m_before, m_after);
    }

private:
    GameModel &m_game;
    QString m_action;
    GameState m_before;
    GameState m_after;
    bool m_clockAction;
    bool m_remote;
    bool m_console;
    bool m_joinsPrevious;
    bool m_done = false;
    bool m_sealed = false;
};

const GameChange *change(const QUndoCommand *command)
{
    return static_cast<const GameChange *>(command);
}

// What an action given without its kind did, read from the game.
GameHistory::Action inferredAction(const GameState &before, const GameState &after)
{
    using Action = GameHistory::Action;
    if (before.timeoutTeam != after.timeoutTeam)
        return Action::Timeout;
    if (!samePeriod(before, after))
        return after.period == 1 && before.period != 1 ? Action::NewGame
               : after.period < before.period          ? Action::PeriodPrevious
                                                       : Action::PeriodNext;
    if (before.running != after.running)
        return Action::ClockStartStop;
    if (!before.sameClock(after))
        return Action::ClockSet;
    return Action::ScoreSet;
}

} // namespace

GameHistory::GameHistory(GameModel &game, QObject *parent) : QObject(parent), m_game(game)
{
    m_stack.setUndoLimit(Depth);
    connect(&game, &GameModel::clockEnded, this, [this](GameModel::ClockEnd end) {
        if (end == GameModel::ClockEnd::Period)
            sealPeriod();
    });
}

QString GameHistory::actionId(Action action, const GameState &before, const GameState &after)
{
    switch (action) {
    case Action::ScoreSet:
        return QStringLiteral("score.set");
    case Action::ScoreAdd:
        return QStringLiteral("score.add");
    case Action::ClockStartStop: {
        // The key also runs on a timeout that a resume brought back held.
        const bool timeoutRunOn = before.timeoutHeld && !after.timeoutHeld;
        return after.running || timeoutRunOn ? QStringLiteral("clock.start")
                                             : QStringLiteral("clock.stop");
    }
    case Action::ClockReset:
        return QStringLiteral("clock.reset");
    case Action::ClockSet:
        return QStringLiteral("clock.set");
    case Action::Clear:
        return QStringLiteral("board.clear");
    case Action::PeriodNext:
        return QStringLiteral("period.next");
    case Action::PeriodPrevious:
        return QStringLiteral("period.previous");
    case Action::BreakSkip:
        return QStringLiteral("break.skip");
    case Action::Timeout:
        return after.timeoutTeam >= 0 && after.timeoutTeam != before.timeoutTeam
                   ? QStringLiteral("timeout.start")
                   : QStringLiteral("timeout.end");
    case Action::ShotClockReset:
        return QStringLiteral("shotclock.reset");
    case Action::ShotClockShort:
        return QStringLiteral("shotclock.short");
    case Action::ShotClockHold:
        if (before.shotClock.held != after.shotClock.held)
            return after.shotClock.held ? QStringLiteral("shotclock.hold")
                                        : QStringLiteral("shotclock.release");
        return after.shotClock.running ? QStringLiteral("shotclock.start")
                                       : QStringLiteral("shotclock.stop");
    case Action::ShotClockBlank:
        return QStringLiteral("shotclock.blank");
    case Action::Possession:
        return after.possession == Possession::Guest ? QStringLiteral("possession.guest")
                                                     : QStringLiteral("possession.home");
    case Action::PlayerFoul:
        return QStringLiteral("foul.player");
    case Action::Penalty:
        return QStringLiteral("penalty.start");
    case Action::Point:
        return after.sets.lastPointTo == GameModel::Guest ? QStringLiteral("point.guest")
                                                          : QStringLiteral("point.home");
    case Action::FirstServer:
        return after.sets.firstServer == GameModel::Guest ? QStringLiteral("serve.guest")
                                                          : QStringLiteral("serve.home");
    case Action::NewGame:
        break;
    }
    return QStringLiteral("game.new");
}

void GameHistory::sealPeriod()
{
    for (int i = 0; i < m_stack.count(); ++i)
        const_cast<GameChange *>(change(m_stack.command(i)))->seal();
}

const QUndoCommand *GameHistory::nextUndo() const
{
    for (int i = m_stack.index() - 1; i >= 0; --i) {
        if (!m_stack.command(i)->isObsolete())
            return m_stack.command(i);
    }
    return nullptr;
}

const QUndoCommand *GameHistory::nextRedo() const
{
    for (int i = m_stack.index(); i < m_stack.count(); ++i) {
        if (!m_stack.command(i)->isObsolete())
            return m_stack.command(i);
    }
    return nullptr;
}

bool GameHistory::consoleKeepsNextUndo() const
{
    const QUndoCommand *next = nextUndo();
    return next && change(next)->isConsoles();
}

std::optional<ClockSeconds> GameHistory::undoRestartsClockAt() const
{
    const GameChange *next = change(nextUndo());
    if (!next || next->isConsoles() || !next->clockWasRunning() || m_game.isRunning())
        return std::nullopt;
    // The clock the undo brings back runs on from where it was then, the way
    // it ran then: a break counts down whichever way the game's clock goes.
    return m_game.shownTimeOf(next->before());
}

int GameHistory::remoteSteps() const
{
    int steps = 0;
    for (int i = 0; i < m_stack.count(); ++i)
        steps += change(m_stack.command(i))->isRemote();
    return steps;
}

void GameHistory::perform(Action kind, const QString &text,
                          const std::function<void(GameModel &)> &action, Origin origin)
{
    record(kind, text, action, origin);
}

void GameHistory::perform(const QString &text, const std::function<void(GameModel &)> &action,
                          Origin origin)
{
    record(std::nullopt, text, action, origin);
}

void GameHistory::record(std::optional<Action> kind, const QString &text,
                         const std::function<void(GameModel &)> &action, Origin origin)
{
    emit performing(origin);
    // A period that ran out before the timer noticed ends before the step.
    m_game.settle();
    const GameState before = m_game.state();
    action(m_game);
    const GameState after = m_game.state();
    if (after != before) {
        const bool remote = origin == Origin::Remote;
        const bool joins = remote && remoteSteps() >= RemoteShare;
        const QString id = actionId(kind.value_or(inferredAction(before, after)), before, after);
        m_stack.push(new GameChange(m_game, text, id, before, after, origin, joins));
        emit stepped(Step::Action, text, origin, before, id);
    }
    emit performed(origin);
}

QStringList GameHistory::skipOutOfReach(bool undoing)
{
    QStringList skipped;
    while (undoing ? m_stack.canUndo() : m_stack.canRedo()) {
        const QUndoCommand *next = m_stack.command(m_stack.index() - (undoing ? 1 : 0));
        if (!next->isObsolete())
            break;
        skipped << next->text();
        // The stack drops an obsolete step instead of running it.
        if (undoing)
            m_stack.undo();
        else
            m_stack.redo();
    }
    return skipped;
}

QStringList GameHistory::undo(Origin origin)
{
    m_game.settle();
    const QStringList skipped = skipOutOfReach(true);
    // What the console did is the hall's truth: the console takes it back.
    if (!m_stack.canUndo() || consoleKeepsNextUndo())
        return skipped;
    const GameChange *next = change(m_stack.command(m_stack.index() - 1));
    const QString text = next->text();
    const QString id = next->action();
    const GameState before = m_game.state();
    m_stack.undo();
    if (m_game.state() != before)
        emit stepped(Step::Undo, text, origin, before, id);
    return skipped;
}

QStringList GameHistory::redo(Origin origin)
{
    m_game.settle();
    const QStringList skipped = skipOutOfReach(false);
    if (!m_stack.canRedo())
        return skipped;
    const GameChange *next = change(m_stack.command(m_stack.index()));
    const QString text = next->text();
    const QString id = next->action();
    const GameState before = m_game.state();
    m_stack.redo();
    if (m_game.state() != before)
        emit stepped(Step::Redo, text, origin, before, id);
    return skipped;
}
