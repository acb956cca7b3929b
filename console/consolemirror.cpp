#include "console/consolemirror.h"

#include "game/clockface.h"
#include "game/gamemodel.h"
#include "game/timesource.h"

using namespace Qt::StringLiterals;

namespace {

// A running clock that drifts from the console's by less than this is left
// alone: the console shows whole seconds above a minute, tenths below.
qint64 toleranceFor(qint64 consoleMs)
{
    return consoleMs >= 60'000 ? 1100 : 250;
}

// Penalty clocks show whole seconds at every length.
constexpr qint64 PenaltyToleranceMs = 1100;

} // namespace

ConsoleMirror::ConsoleMirror(GameModel &game, GameHistory &history, const TimeSource &time,
                             QObject *parent)
    : QObject(parent), m_game(game), m_history(history), m_time(time)
{
}

void ConsoleMirror::step(GameHistory::Action kind, const QString &text, const Edit &edit)
{
    m_history.perform(
        kind, text,
        [edit](GameModel &game) {
            GameState state = game.state();
            edit(state);
            game.restore(state);
        },
        GameHistory::Origin::Console);
}

void ConsoleMirror::quietly(const Edit &edit)
{
    GameState state = m_game.state();
    edit(state);
    m_game.restore(state);
}

void ConsoleMirror::apply(const ConsoleState &state)
{
    if (isNewGame(state)) {
        m_history.perform(
            GameHistory::Action::NewGame, tr("New game on the console"),
            [](GameModel &game) { game.newGame(); }, GameHistory::Origin::Console);
    }
    mirrorPeriod(state);
    mirrorScores(state);
    mirrorTimeouts(state);
    mirrorSets(state);
    mirrorShotClock(state);
    mirrorClock(state);
    mirrorPenalties(state);
    m_last = state;
}

bool ConsoleMirror::isNewGame(const ConsoleState &state) const
{
    const auto atStart = [](const ConsoleState &s) {
        return s.scores[0] == 0 && s.scores[1] == 0 && s.period.value_or(1) <= 1 &&
               s.set.value_or(1) <= 1;
    };
    const bool wasUnderWay = m_last.scores[0] && m_last.scores[1] && !atStart(m_last);
    return wasUnderWay && atStart(state);
}

void ConsoleMirror::mirrorPeriod(const ConsoleState &state)
{
    if (!state.period || m_game.playsSets())
        return;
    const GameStructure &structure = m_game.structure();
    int period = std::max(*state.period, 1);
    if (state.extraTime && structure.isOn())
        period = std::max(period, structure.periods + 1);
    if (m_game.period() == period)
        return;
    step(period > m_game.period() ? GameHistory::Action::PeriodNext
                                  : GameHistory::Action::PeriodPrevious,
         tr("Period %1 on the console").arg(period), [period](GameState &s) {
             s.period = period;
             s.phase = GamePhase::Play;
         });
}

void ConsoleMirror::mirrorScores(const ConsoleState &state)
{
    for (int team : {GameModel::Home, GameModel::Guest}) {
        const int which = team == GameModel::Home ? GameModel::Home1 : GameModel::Guest1;
        if (state.scores[team] && m_game.score(which) != state.scores[team]) {
            const int value = *state.scores[team];
            step(GameHistory::Action::ScoreSet,
                 (team == GameModel::Home ? tr("Home %1 on the console")
                                          : tr("Guest %1 on the console"))
                     .arg(value),
                 [which, value](GameState &s) { s.scores[which] = value; });
        }
        // Section 2 keeps the team fouls where the feed carries them.
        const int fouls = team == GameModel::Home ? GameModel::Home2 : GameModel::Guest2;
        if (state.teamFouls[team] && m_game.score(fouls) != state.teamFouls[team]) {
            const int value = *state.teamFouls[team];
            step(GameHistory::Action::ScoreSet,
                 (team == GameModel::Home ? tr("Home team fouls %1 on the console")
                                          : tr("Guest team fouls %1 on the console"))
                     .arg(value),
                 [fouls, value](GameState &s) { s.scores[fouls] = value; });
        }
    }
}

void ConsoleMirror::mirrorTimeouts(const ConsoleState &state)
{
    const GameStructure &structure = m_game.structure();
    const int half = structure.halfOf(m_game.period());
    for (int team : {GameModel::Home, GameModel::Guest}) {
        // A console that counts them down tells how many are taken of what
        // the game allows in this half.
        std::optional<int> told = state.timeouts[team];
        if (!told && state.timeoutsLeft[team] && structure.timeouts.isOn())
            told = std::max(structure.timeouts.allowed(half) - *state.timeoutsLeft[team], 0);
        if (!told || m_game.timeoutsTaken()[team][half] == *told)
            continue;
        const int taken = *told;
        step(GameHistory::Action::ScoreSet,
             (team == GameModel::Home ? tr("Home timeouts %1 on the console")
                                      : tr("Guest timeouts %1 on the console"))
                 .arg(taken),
             [team, half, taken](GameState &s) { s.timeoutsTaken[team][half] = taken; });
    }
}

void ConsoleMirror::mirrorSets(const ConsoleState &state)
{
    if (!m_game.playsSets() || !state.set)
        return;
    const int set = std::max(*state.set, 1);
    QList<std::array<int, 2>> played;
    for (int i = 0; i < std::min(set - 1, ConsoleState::SetSlots); ++i)
        played << std::array<int, 2>{state.setScores[i][0].value_or(0),
                                     state.setScores[i][1].value_or(0)};
    const GameState now = m_game.state();
    const int serving = state.server.value_or(now.sets.serving);
    if (now.sets.set == set && now.sets.played == played && now.sets.serving == serving)
        return;
    step(GameHistory::Action::Point, tr("Set %1 on the console").arg(set),
         [set, played, serving](GameState &s) {
             s.sets.set = set;
             s.period = set;
             s.sets.played = played;
             s.sets.serving = serving;
         });
}

void ConsoleMirror::mirrorShotClock(const ConsoleState &state)
{
    if (!m_game.hasShotClock())
        return;
    if (state.possession) {
        const Possession to = *state.possession == 0   ? Possession::Home
                              : *state.possession == 1 ? Possession::Guest
                                                       : Possession::None;
        if (m_game.shotClockPart().possession() != to)
            step(GameHistory::Action::Possession, tr("Possession on the console"),
                 [to](GameState &s) { s.possession = to; });
    }
    const ShotClockState &shot = m_game.shotClockPart().state();
    const qint64 now = m_time.elapsedMs();
    const bool running = state.shotClockRunning.value_or(shot.running);
    if (!state.shotClockMs)
        return;
    const bool dark = !state.shotClockShown.value_or(!shot.dark);
    const qint64 ms = *state.shotClockMs;
    const ShotClockState wanted{ms, now, running, false, dark};
    const qint64 shownMs = shot.msAt(now);
    const auto set = [wanted](GameState &s) { s.shotClock = wanted; };
    if (ms > shownMs + toleranceFor(0))
        step(GameHistory::Action::ShotClockReset, tr("Shot clock %1 on the console").arg(ms / 1000),
             set);
    else if (running != shot.running)
        step(GameHistory::Action::ShotClockHold,
             running ? tr("Shot clock started on the console")
                     : tr("Shot clock stopped on the console"),
             set);
    else if (dark != shot.dark)
        step(GameHistory::Action::ShotClockBlank, tr("Shot clock dark on the console"), set);
    else if (std::abs(ms - shownMs) > toleranceFor(0))
        quietly(set);
}

void ConsoleMirror::mirrorClock(const ConsoleState &state)
{
    // The final is the operator's: its clock stands as the game ended.
    if (!state.clockMs || m_game.phase() == GamePhase::Final)
        return;
    const qint64 ms = *state.clockMs;
    const bool running = state.clockRunning.value_or(m_game.isRunning());
    const qint64 now = m_time.elapsedMs();
    const auto set = [ms, running, now](GameState &s) {
        s.clockMs = ms;
        s.running = running;
        s.runStartMs = now;
        s.takenAtMs = now;
        s.faceBlank = false;
        // A break the board began by itself at zero ends when the console's
        // clock says otherwise; the console names the next period itself.
        if (s.phase == GamePhase::Break)
            s.phase = GamePhase::Play;
    };
    const bool resumesAfterSilence = m_stoodStill && running && m_last.clockRunning == true;
    m_stoodStill = false;
    if (resumesAfterSilence) {
        quietly(set);
    } else if (running != m_game.isRunning() || m_game.phase() == GamePhase::Break) {
        step(GameHistory::Action::ClockStartStop,
             running ? tr("Clock started on the console at %1").arg(ClockFace::textOfMs(ms))
                     : tr("Clock stopped on the console at %1").arg(ClockFace::textOfMs(ms)),
             set);
    } else if (std::abs(m_game.clockMs() - ms) > toleranceFor(ms)) {
        if (running)
            quietly(set);
        else
            step(GameHistory::Action::ClockSet,
                 tr("Clock set on the console to %1").arg(ClockFace::textOfMs(ms)), set);
    }
}

// The console's penalty clocks, three a team, become the game's penalties
// (without a player's number: the feeds carry none). One coming or going is
// a step; their running time is kept in line quietly, as the clock's is.
void ConsoleMirror::mirrorPenalties(const ConsoleState &state)
{
    if (!m_game.hasPlayers())
        return;
    const qint64 now = m_time.elapsedMs();
    constexpr int slotsPerTeam = ConsoleState::PenaltySlots / 2;
    for (int team : {GameModel::Home, GameModel::Guest}) {
        QList<qint64> shown;
        bool told = false;
        for (int slot = team * slotsPerTeam; slot < (team + 1) * slotsPerTeam; ++slot) {
            told = told || state.penaltiesMs[slot].has_value();
            if (state.penaltiesMs[slot].value_or(0) > 0)
                shown << *state.penaltiesMs[slot];
        }
        if (!told)
            continue;
        const GameState current = m_game.state();
        const QList<Penalty> &kept = current.penalties.teams.at(team);
        bool inLine = kept.size() == shown.size();
        for (int i = 0; inLine && i < kept.size(); ++i)
            inLine = std::abs(kept.at(i).msAt(now) - shown.at(i)) <= PenaltyToleranceMs;
        if (inLine)
            continue;
        // As the game's own penalties: running with the clock in play.
        const bool runs =
            current.running && current.phase == GamePhase::Play && current.timeoutTeam < 0;
        const auto follow = [team, shown, runs, now](GameState &s) {
            QList<Penalty> &list = s.penalties.teams.at(team);
            while (list.size() > shown.size())
                list.removeLast();
            for (int i = 0; i < shown.size(); ++i) {
                if (i == list.size()) {
                    Penalty added;
                    added.id = s.penalties.nextId++;
                    // A penalty first seen a moment after it began is still
                    // one of whole minutes.
                    added.lengthMs = (shown.at(i) + 59'999) / 60'000 * 60'000;
                    list.append(added);
                }
                list[i].ms = shown.at(i);
                list[i].running = runs;
                list[i].runStartMs = runs ? now : 0;
            }
        };
        const bool home = team == GameModel::Home;
        if (shown.size() > kept.size())
            step(GameHistory::Action::Penalty,
                 (home ? tr("Home penalty %1 on the console")
                       : tr("Guest penalty %1 on the console"))
                     .arg(ClockFace::textOfMs(shown.last())),
                 follow);
        else if (shown.size() < kept.size())
            step(GameHistory::Action::Penalty,
                 home ? tr("Home penalty over on the console")
                      : tr("Guest penalty over on the console"),
                 follow);
        else
            quietly(follow);
    }
}

void ConsoleMirror::feedSilent(qint64 lastFrameAtMs)
{
    const qint64 now = m_time.elapsedMs();
    const qint64 standAt = lastFrameAtMs + RunOnMs;
    if (!m_game.isRunning() || now < standAt)
        return;
    // Where the clock was when it had run on long enough, not where the
    // timer that noticed found it.
    const qint64 overrun = now - standAt;
    const qint64 ms = m_game.clockMs() + (m_game.faceCountsDown() ? overrun : -overrun);
    quietly([ms](GameState &s) {
        s.clockMs = std::max<qint64>(ms, 0);
        s.running = false;
    });
    m_stoodStill = true;
}
