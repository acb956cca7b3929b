#pragma once

#include "game/clockseconds.h"
#include "game/gamehost.h"
#include "game/gamestate.h"
#include "game/gamestructure.h"
#include "game/gameteams.h"
#include "game/playerspart.h"
#include "game/setspart.h"
#include "game/shotclockpart.h"

#include <QObject>
#include <QTimer>

#include <optional>

class TimeSource;

// The game: scores and clock, changed only through what the operator does.
// Every change emits changed(); while the clock runs, clockAdvanced() follows
// each new tenth on the face. Time comes from a monotonic source and is kept
// exactly in milliseconds; the face shows it cut to tenths.
class GameModel : public QObject, public GameIndex, private GameHost
{
    Q_OBJECT

public:
    // Why a timeout cannot be taken now.
    enum class TimeoutRefusal { None, NoTimeouts, NotInPlay, OtherRunning, NoneLeft };
    // How a score is changed: set to an amount, or the amount added to it.
    enum class ScoreChange { Set, Add };
    // What the clock ended by itself.
    enum class ClockEnd { Period, Break, Timeout, Zero, Limit, ShotClock };
    Q_ENUM(ClockEnd)
    static constexpr qint64 DefaultPeriodMs = 10 * 60 * 1000;

    explicit GameModel(const TimeSource &time, QObject *parent = nullptr);

    std::optional<int> score(int which) const { return m_state.scores.at(which); }
    int maxScore(int which) const override
    {
        return which == Home1 || which == Guest1 ? m_structure.section1Max : 99;
    }
    bool isRunning() const { return m_state.running; }
    bool isFaceBlank() const { return m_state.faceBlank; }
    qint16 enteredSeconds() const { return m_state.enteredSeconds; }
    // The clock's exact value now: time played, or time left when counting down.
    qint64 clockMs() const;
    // What the face shows: time played cut to tenths (at most 99:59.9), or
    // time left rounded up to tenths, so 0:00.0 shows exactly at zero.
    ClockSeconds shownTime() const { return shownTimeFor(clockMs(), faceCountsDown()); }
    // What the face showed in `state` at the moment it was taken.
    ClockSeconds shownTimeOf(const GameState &state) const
    {
        return shownTimeFor(clockMsOf(state), faceCountsDownIn(state));
    }
    static ClockSeconds shownTimeFor(qint64 clockMs, bool countDown);
    bool countsDown() const { return m_countDown; }
    qint64 periodMs() const { return m_periodMs; }
    // The clock's value when reset: 0, or the period (or overtime) when
    // counting down.
    qint64 initialClockMs() const { return m_countDown ? playLengthMs(m_state.period) : 0; }

    const GameStructure &structure() const override { return m_structure; }
    int period() const { return m_state.period; }
    GamePhase phase() const { return m_state.phase; }
    bool isOvertime() const
    {
        return m_structure.isOn() && m_state.phase != GamePhase::Break &&
               m_state.period > m_structure.periods;
    }
    // Timeouts: the one running (its team, or nothing) and what is left of it.
    std::optional<Team> timeoutTeam() const
    {
        return m_state.timeoutTeam < 0 ? std::nullopt
                                       : std::optional<Team>(Team(m_state.timeoutTeam));
    }
    using TimeoutCounts = GameState::TimeoutCounts;
    const TimeoutCounts &timeoutsTaken() const { return m_state.timeoutsTaken; }
    qint64 timeoutLeftMs() const;
    bool isTimeoutHeld() const { return timeoutTeam() && m_state.timeoutHeld; }
    ClockSeconds shownTimeoutTime() const { return shownTimeFor(timeoutLeftMs(), true); }
    int timeoutsLeft(Team team) const;
    // Whether timeouts are taken at all: per set in sets, else as structured.
    bool hasTimeouts() const
    {
        return m_sets.timeoutsPerSet() ? *m_sets.timeoutsPerSet() > 0 : m_structure.timeouts.isOn();
    }
    TimeoutRefusal timeoutRefusal(Team team) const;
    // Why score `which` cannot be changed so, in the words every way of
    // changing it tells ("99 + 5 is over 99"); empty when it can.
    QString scoreRefusal(int which, ScoreChange change, qint64 amount) const
    {
        return scoreRefusal(score(which).value_or(0), change, amount, maxScore(which));
    }
    // The same for a score at `from` that goes up to `max`.
    static QString scoreRefusal(int from, ScoreChange change, qint64 amount, int max);
    // Section 2 as team fouls: whether a team has reached the bonus.
    bool inBonus(Team team) const;

    // Whether the face counts down now: a break always does.
    bool faceCountsDown() const { return faceCountsDownIn(m_state); }
    bool faceCountsDownIn(const GameState &state) const
    {
        return m_countDown || state.phase == GamePhase::Break;
    }

    // The parts of the game that follow a feature of their own, each with its
    // rules and its steps; off, they leave the game as it always was.
    ShotClockPart &shotClockPart() { return m_shot; }
    const ShotClockPart &shotClockPart() const { return m_shot; }
    bool hasShotClock() const { return m_shot.isOn(); }
    SetsPart &setsPart() { return m_sets; }
    const SetsPart &setsPart() const { return m_sets; }
    bool playsSets() const override { return m_sets.isOn(); }
    PlayersPart &playersPart() { return m_players; }
    const PlayersPart &playersPart() const { return m_players; }
    bool hasPlayers() const { return m_players.isOn(); }

    // Who plays: a side is a team, a plain caption or the board's own.
    const GameSide &side(int team) const override { return m_sides.at(team); }
    const GameSides &sides() const { return m_sides; }
    // Chosen before or during a game; not a step of the game, so undo leaves
    // it, and a new game keeps it.
    void setSides(const GameSides &sides);

    // What the operator does.
    void setScore(int which, int value);
    void addToScore(int which, int delta) override;
    void startStop();
    void resetClock();
    void enterClockTime(qint16 seconds);
    void clear();
    // With periods: on to the next period (a break ends at once), back to
    // the one before, and a new game from period 1 with every score 0.
    // After the last period the next is overtime only while section 1 is
    // level and overtime is played; otherwise the game is over.
    void nextPeriod();
    void previousPeriod();
    void skipBreak();
    void newGame();
    // Stops the game clock and runs the team's timeout; the team's key again
    // ends it early. Refused as timeoutRefusal says.
    void takeTimeout(Team team);
    // Counting up (the default) or down from a period. A change of either
    // resets the clock.
    void setClockMode(bool countDown, qint64 periodMs);
    // The same, taking effect at the next reset or clear of the clock.
    void setPendingClockMode(bool countDown, qint64 periodMs);
    // Periods, breaks and overtime; none is the board as it always was. A
    // game under way keeps its period where the new structure has it.
    void setStructure(const GameStructure &structure);

    GameState state() const;
    // Puts the game back as it was; a clock that was running runs on from
    // the value it had then.
    void restore(const GameState &state);
    // Puts the game back as it would be now had nothing happened since the
    // state was taken: a clock that was running has run on all the while.
    void restoreAsOfNow(const GameState &state);
    // The clock's value in `state` at the moment it was taken.
    qint64 clockMsOf(const GameState &state) const { return clockMsAt(state, state.takenAtMs); }
    // Takes back what one step changed in the scores, the timeouts and the
    // parts (the shot clock, the sets, the players), from `from` to `to`; the
    // clock goes on as it is, and what changed since by itself (fouls cleared
    // at a new period) stays.
    void restoreScores(const GameState &from, const GameState &to);

    // Brings the clock up to date; the timer calls it at every new tenth.
    void updateClock();
    // Ends now a period, break or timeout whose time ran out before the
    // timer came, so that a step taken meanwhile meets the game as it is.
    void settle();

signals:
    void changed();
    void clockAdvanced();
    // Counting down, the clock has reached zero and stopped, or a period or
    // a break is over: sound the horn.
    void clockExpired();
    // The shot clock has run out: sound its own horn.
    void shotClockExpired();
    // The clock changed the game by itself: `before` is the game the moment
    // the time ran out, the clock stopped at its last value.
    void clockEnded(GameModel::ClockEnd end, const GameState &before);
    // A player's foul reached the limit: the player is out.
    void playerFouledOut(GameModel::Team team, const QString &number, int fouls);
    // A penalty ran out: the player may come back.
    void penaltyEnded(GameModel::Team team, const QString &number);
    // A point ended set `set` (the match, with `final`): sound the horn.
    void setEnded(int set, bool final);
    // newGame() began a game: whatever came before belongs to another one.
    void newGameStarted();

private:
    // What the parts reach of the game: its state and time, the steps of its
    // clock, and its signals.
    GameState &hostState() override { return m_state; }
    const GameState &hostState() const override { return m_state; }
    qint64 hostNowMs() const override;
    bool isScoreChangeRefused(int which, int delta) const override;
    bool isUpdateScheduled() const override { return m_update.isActive(); }
    void partShotClockRanOut(const GameState &before) override;
    void partSetEnded(int set, bool final) override { emit setEnded(set, final); }
    void partPlayerFouledOut(int team, const QString &number, int fouls) override;
    void partPenaltyEnded(int team, const QString &number) override;

    qint64 clockMsAt(const GameState &state, qint64 now) const;
    qint64 playLengthMs(int period) const;
    void endPeriod(qint64 endedAtMs);
    void endGame();
    bool overtimeFollows() const;
    void endBreak();
    void endTimeout();
    void runHeldTimeout();
    int timeoutHalf() const;
    void resetFoulsFor(int nextPeriod);
    void readyPeriod(int period) override;
    void startRun() override;
    void stopRun(std::optional<qint64> atMs = std::nullopt) override;
    void scheduleUpdate() override;
    qint64 msToNextTenth() const;
    void setClockValue(qint64 ms);
    bool endGameClockIfDue();
    void notifyChanged() override;
    std::optional<qint64> periodLeftMs() const override;
    void applyPendingClockMode();

    const TimeSource &m_time;
    GameState m_state;
    bool m_countDown = false;
    qint64 m_periodMs = DefaultPeriodMs;
    std::optional<std::pair<bool, qint64>> m_pendingMode;
    GameStructure m_structure;
    ShotClockPart m_shot{*this};
    SetsPart m_sets{*this};
    PlayersPart m_players{*this};
    QTimer m_update{this};
    GameSides m_sides;
};

struct Settings;

// The caption of `side` (GameModel::Team) in this game: every view and
// record names a side through this.
QString sideCaption(const GameModel &game, int side, const Settings &settings);
