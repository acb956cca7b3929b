#include "game/gamemodel.h"

#include "game/timesource.h"
#include "settings/appsettings.h"

#include <algorithm>
#include <tuple>

GameModel::GameModel(const TimeSource &time, QObject *parent) : QObject(parent), m_time(time)
{
    m_update.setObjectName(QStringLiteral("tmrClock1"));
    m_update.setSingleShot(true);
    m_update.setTimerType(Qt::PreciseTimer);
    connect(&m_update, &QTimer::timeout, this, &GameModel::updateClock);
    // A new game shows 0 on the clock and 0 on the units of every score.
    m_state.scores.fill(0);
}

qint64 GameModel::clockMsAt(const GameState &state, qint64 now) const
{
    if (!state.running)
        return state.clockMs;
    const qint64 run = now - state.runStartMs;
    return faceCountsDownIn(state) ? std::max<qint64>(state.clockMs - run, 0) : state.clockMs + run;
}

qint64 GameModel::playLengthMs(int period) const
{
    if (m_structure.isOn() && period > m_structure.periods)
        return m_structure.overtimeMs;
    return m_periodMs;
}

qint64 GameModel::clockMs() const
{
    return clockMsAt(m_state, m_time.elapsedMs());
}

ClockSeconds GameModel::shownTimeFor(qint64 clockMs, bool countDown)
{
    if (countDown)
        return ClockSeconds::fromTenths((clockMs + 99) / 100);
    return ClockSeconds::fromTenths(std::min(clockMs, LimitMs - 1) / 100);
}

QString GameModel::scoreRefusal(int from, ScoreChange change, qint64 amount, int max)
{
    // A blank score counts from 0.
    const qint64 to = change == ScoreChange::Add ? from + amount : amount;
    if (to >= ScoreMin && to <= max)
        return {};
    if (change == ScoreChange::Set)
        return to > max ? tr("%1 is over %2").arg(to).arg(max)
                        : tr("%1 is below %2").arg(to).arg(ScoreMin);
    return to > max ? tr("%1 + %2 is over %3").arg(from).arg(amount).arg(max)
                    : tr("%1 - %2 is below %3").arg(from).arg(-amount).arg(ScoreMin);
}

void GameModel::setScore(int which, int value)
{
    if (!scoreRefusal(which, ScoreChange::Set, value).isEmpty())
        return;
    const int from = score(which).value_or(0);
    m_players.scored(which, from, value);
    m_shot.scored(which, from, value);
    m_state.scores.at(which) = value;
    notifyChanged();
}

void GameModel::addToScore(int which, int delta)
{
    // A blank score (after the board was cleared) counts from 0.
    setScore(which, score(which).value_or(0) + delta);
}

void GameModel::startStop()
{
    if (isTimeoutHeld()) {
        runHeldTimeout();
        return;
    }
    // Counting down, a clock at zero waits for a reset or an entry; a game
    // that is over waits for a new one; a break runs by itself.
    if (!m_state.running && m_countDown && m_state.clockMs <= 0)
        return;
    if (m_state.phase != GamePhase::Play || timeoutTeam())
        return;
    if (m_state.running)
        stopRun();
    else
        startRun();
    notifyChanged();
}

void GameModel::startRun()
{
    m_state.faceBlank = false;
    m_state.running = true;
    m_state.runStartMs = m_time.elapsedMs();
    // Past the limit, or at zero counting down, the first update stops it
    // again, leaving the face as it is.
    scheduleUpdate();
}

void GameModel::stopRun(std::optional<qint64> atMs)
{
    m_state.clockMs = clockMsAt(m_state, atMs.value_or(m_time.elapsedMs()));
    m_state.running = false;
    m_state.runStartMs = 0;
    m_update.stop();
}

void GameModel::setClockValue(qint64 ms)
{
    if (m_state.running)
        stopRun();
    m_state.clockMs = ms;
    m_state.faceBlank = false;
}

void GameModel::resetClock()
{
    // A break runs out by itself (or is skipped); a game that is over stays so.
    if (m_state.phase != GamePhase::Play)
        return;
    applyPendingClockMode();
    setClockValue(initialClockMs());
    notifyChanged();
}

void GameModel::enterClockTime(qint16 seconds)
{
    if (m_state.phase != GamePhase::Play)
        return;
    setClockValue(qint64(seconds) * 1000);
    m_state.enteredSeconds = seconds;
    notifyChanged();
}

void GameModel::clear()
{
    applyPendingClockMode();
    setClockValue(initialClockMs());
    m_state.faceBlank = true;
    m_state.enteredSeconds = 0;
    m_state.scores.fill(std::nullopt);
    m_state.timeoutTeam = -1;
    notifyChanged();
}

void GameModel::setPendingClockMode(bool countDown, qint64 periodMs)
{
    m_pendingMode = {countDown, std::clamp<qint64>(periodMs, 0, LimitMs - 1)};
}

void GameModel::applyPendingClockMode()
{
    if (!m_pendingMode)
        return;
    std::tie(m_countDown, m_periodMs) = *m_pendingMode;
    m_pendingMode.reset();
}

void GameModel::setClockMode(bool countDown, qint64 periodMs)
{
    m_pendingMode.reset();
    periodMs = std::clamp<qint64>(periodMs, 0, LimitMs - 1);
    if (countDown == m_countDown && periodMs == m_periodMs)
        return;
    m_countDown = countDown;
    m_periodMs = periodMs;
    resetClock();
}

GameState GameModel::state() const
{
    GameState snapshot = m_state;
    snapshot.takenAtMs = m_time.elapsedMs();
    return snapshot;
}

void GameModel::restore(const GameState &state)
{
    m_update.stop();
    m_state = state;
    m_state.clockMs = clockMsAt(state, state.takenAtMs);
    if (state.timeoutTeam >= 0 && !state.timeoutHeld) {
        // The timeout runs on from what was left of it then.
        const qint64 run = state.takenAtMs - state.timeoutStartMs;
        m_state.timeoutMs = std::max<qint64>(state.timeoutMs - run, 0);
        m_state.timeoutStartMs = m_time.elapsedMs();
        scheduleUpdate();
    }
    m_shot.restored(state);
    m_players.restored(state);
    // A break never stands still: one saved mid-way runs on from there.
    if (m_state.phase == GamePhase::Break)
        m_state.running = true;
    if (m_state.running) {
        m_state.runStartMs = m_time.elapsedMs();
        scheduleUpdate();
    }
    notifyChanged();
}

void GameModel::restoreAsOfNow(const GameState &state)
{
    GameState now = state;
    now.takenAtMs = m_time.elapsedMs();
    restore(now);
}

void GameModel::readyPeriod(int period)
{
    resetFoulsFor(period);
    m_update.stop();
    m_state.timeoutTeam = -1;
    m_state.running = false;
    m_state.runStartMs = 0;
    m_state.phase = GamePhase::Play;
    m_state.period = period;
    m_state.clockMs = initialClockMs();
    m_state.faceBlank = false;
    m_shot.readyPeriod();
}

void GameModel::endPeriod(qint64 endedAtMs)
{
    const int period = m_state.period;
    const qint64 breakMs = m_structure.breakAfter(period);
    if (period < m_structure.periods && breakMs > 0) {
        // The break starts the moment the period ended, so it is exact too.
        m_state.phase = GamePhase::Break;
        m_state.clockMs = breakMs;
        m_state.runStartMs = endedAtMs;
        m_state.running = true;
        scheduleUpdate();
    } else if (period < m_structure.periods || overtimeFollows()) {
        readyPeriod(period + 1);
    } else {
        endGame();
    }
    notifyChanged();
    emit clockExpired();
}

bool GameModel::overtimeFollows() const
{
    const bool level = score(Home1).value_or(0) == score(Guest1).value_or(0);
    return m_structure.overtimeMs > 0 && level;
}

void GameModel::endGame()
{
    m_update.stop();
    m_state.timeoutTeam = -1;
    m_state.running = false;
    m_state.runStartMs = 0;
    m_state.clockMs = m_countDown ? 0 : playLengthMs(m_state.period);
    m_state.phase = GamePhase::Final;
}

void GameModel::endBreak()
{
    readyPeriod(m_state.period + 1);
    notifyChanged();
    emit clockExpired();
}

void GameModel::nextPeriod()
{
    if (!m_structure.isOn() || m_state.phase == GamePhase::Final)
        return;
    const bool lastPlayed = m_state.phase == GamePhase::Play &&
                            m_state.period >= m_structure.periods && !overtimeFollows();
    if (lastPlayed)
        endGame();
    else
        readyPeriod(m_state.period + 1);
    notifyChanged();
}

void GameModel::previousPeriod()
{
    if (!m_structure.isOn() || (m_state.period <= 1 && m_state.phase == GamePhase::Play))
        return;
    // From a break or the end, back to the period just played.
    const bool inPlay = m_state.phase == GamePhase::Play;
    readyPeriod(inPlay ? m_state.period - 1 : m_state.period);
    notifyChanged();
}

void GameModel::skipBreak()
{
    if (m_state.phase != GamePhase::Break)
        return;
    readyPeriod(m_state.period + 1);
    notifyChanged();
}

qint64 GameModel::timeoutLeftMs() const
{
    if (!timeoutTeam())
        return 0;
    if (m_state.timeoutHeld)
        return m_state.timeoutMs;
    const qint64 run = m_time.elapsedMs() - m_state.timeoutStartMs;
    return std::max<qint64>(m_state.timeoutMs - run, 0);
}

// Where the timeouts taken now are counted: the half, or the whole game.
// In sets they are counted in the first, and start afresh with each set.
int GameModel::timeoutHalf() const
{
    if (playsSets())
        return 0;
    return m_structure.timeouts.countsHalves() ? m_structure.halfOf(period()) : 0;
}

int GameModel::timeoutsLeft(Team team) const
{
    const int half = timeoutHalf();
    const int allowed = m_sets.timeoutsPerSet().value_or(m_structure.timeouts.allowed(half));
    return std::max(allowed - m_state.timeoutsTaken.at(team).at(half), 0);
}

GameModel::TimeoutRefusal GameModel::timeoutRefusal(Team team) const
{
    if (!hasTimeouts())
        return TimeoutRefusal::NoTimeouts;
    if (m_state.phase != GamePhase::Play)
        return TimeoutRefusal::NotInPlay;
    if (timeoutTeam() && timeoutTeam() != team)
        return TimeoutRefusal::OtherRunning;
    if (!timeoutTeam() && timeoutsLeft(team) == 0)
        return TimeoutRefusal::NoneLeft;
    return TimeoutRefusal::None;
}

void GameModel::takeTimeout(Team team)
{
    if (timeoutRefusal(team) != TimeoutRefusal::None)
        return;
    if (timeoutTeam()) {
        // Play goes on before the time is up: no horn.
        m_update.stop();
        m_state.timeoutTeam = -1;
        m_state.timeoutHeld = false;
        notifyChanged();
        return;
    }
    // The match time in sets runs on through a timeout.
    if (m_state.running && !playsSets())
        stopRun();
    const int half = timeoutHalf();
    ++m_state.timeoutsTaken.at(team).at(half);
    m_state.timeoutTeam = team;
    m_state.timeoutMs = m_structure.timeouts.lengthMs;
    m_state.timeoutStartMs = m_time.elapsedMs();
    m_state.timeoutHeld = false;
    scheduleUpdate();
    notifyChanged();
}

void GameModel::runHeldTimeout()
{
    m_state.timeoutHeld = false;
    m_state.timeoutStartMs = m_time.elapsedMs();
    scheduleUpdate();
    notifyChanged();
}

void GameModel::endTimeout()
{
    m_update.stop();
    m_state.timeoutTeam = -1;
    notifyChanged();
    emit clockExpired();
}

bool GameModel::inBonus(Team team) const
{
    const FoulRules &fouls = m_structure.fouls;
    const int foulCount = score(team == Home ? Home2 : Guest2).value_or(0);
    return fouls.on && fouls.bonusAt > 0 && foulCount >= fouls.bonusAt;
}

// Team fouls start again from 0 with each new period, or with the second half.
void GameModel::resetFoulsFor(int nextPeriod)
{
    const FoulRules &fouls = m_structure.fouls;
    if (!fouls.on || nextPeriod <= m_state.period)
        return;
    if (fouls.resetPerHalf && m_structure.halfOf(nextPeriod) == m_structure.halfOf(m_state.period))
        return;
    m_state.scores.at(Home2) = 0;
    m_state.scores.at(Guest2) = 0;
}

void GameModel::newGame()
{
    applyPendingClockMode();
    m_state.scores.fill(0);
    m_state.enteredSeconds = 0;
    m_state.timeoutsTaken = {};
    m_players.newGame();
    m_shot.newGame();
    m_sets.newGame();
    readyPeriod(1);
    emit newGameStarted();
    notifyChanged();
}

void GameModel::setStructure(const GameStructure &structure)
{
    if (structure == m_structure)
        return;
    m_structure = structure;
    if (!structure.isOn()) {
        // In sets the period is the set, which no clock structure decides.
        const bool pastTheStart = m_state.phase != GamePhase::Play || m_state.period != 1;
        if (pastTheStart && !playsSets())
            readyPeriod(1);
    } else if (m_state.period > structure.periods && structure.overtimeMs <= 0) {
        readyPeriod(structure.periods);
    }
    notifyChanged();
}

void GameModel::restoreScores(const GameState &from, const GameState &to)
{
    for (size_t i = 0; i < to.scores.size(); ++i) {
        if (from.scores[i] != to.scores[i])
            m_state.scores[i] = to.scores[i];
    }
    for (size_t team = 0; team < to.timeoutsTaken.size(); ++team) {
        for (size_t half = 0; half < to.timeoutsTaken[team].size(); ++half) {
            if (from.timeoutsTaken[team][half] != to.timeoutsTaken[team][half])
                m_state.timeoutsTaken[team][half] = to.timeoutsTaken[team][half];
        }
    }
    m_shot.restoreStep(from, to);
    m_players.restoreStep(from, to);
    m_sets.restoreStep(from, to);
    notifyChanged();
}

qint64 GameModel::msToNextTenth() const
{
    if (timeoutTeam()) {
        const qint64 intoTenth = timeoutLeftMs() % 100;
        return intoTenth == 0 ? 100 : intoTenth;
    }
    qint64 next = 100;
    if (m_state.running) {
        const qint64 ms = clockMs();
        const qint64 intoTenth = ms % 100;
        next = !faceCountsDown() ? 100 - intoTenth : intoTenth == 0 ? 100 : intoTenth;
    }
    if (const std::optional<qint64> shotNext = m_shot.msToNextStep())
        next = m_state.running ? std::min(next, *shotNext) : *shotNext;
    return next;
}

void GameModel::scheduleUpdate()
{
    m_update.start(static_cast<int>(msToNextTenth()));
}

void GameModel::settle()
{
    if (m_state.running || timeoutTeam() || m_shot.isRunning())
        updateClock();
}

void GameModel::updateClock()
{
    if (isTimeoutHeld())
        return;
    if (timeoutTeam()) {
        if (timeoutLeftMs() <= 0) {
            const GameState before = m_state;
            endTimeout();
            emit clockEnded(ClockEnd::Timeout, before);
        } else {
            scheduleUpdate();
            emit clockAdvanced();
        }
        return;
    }
    if (m_state.running && endGameClockIfDue())
        return;
    m_players.expireIfDue();
    if (m_shot.expireIfDue())
        return;
    if (!m_state.running && !m_shot.isRunning())
        return;
    if (m_shot.follow())
        emit changed();
    scheduleUpdate();
    emit clockAdvanced();
}

// Ends a period, a break or a run of the clock that is over; false when none is.
bool GameModel::endGameClockIfDue()
{
    const auto endedWith = [this](qint64 lastClockMs) {
        GameState atEnd = m_state;
        atEnd.running = false;
        atEnd.clockMs = lastClockMs;
        return atEnd;
    };
    const qint64 ms = clockMs();
    if (m_state.phase == GamePhase::Break && ms <= 0) {
        const GameState before = endedWith(0);
        endBreak();
        emit clockEnded(ClockEnd::Break, before);
        return true;
    }
    if (m_structure.isOn()) {
        // Ended the moment the period ran out, however late this update comes.
        const qint64 length = playLengthMs(m_state.period);
        if (m_countDown && ms <= 0) {
            const GameState before = endedWith(0);
            endPeriod(m_state.runStartMs + m_state.clockMs);
            emit clockEnded(ClockEnd::Period, before);
            return true;
        }
        if (!m_countDown && ms >= length) {
            const GameState before = endedWith(length);
            endPeriod(m_state.runStartMs + (length - m_state.clockMs));
            emit clockEnded(ClockEnd::Period, before);
            return true;
        }
    }
    if (m_countDown && ms <= 0) {
        const GameState before = endedWith(0);
        stopRun();
        notifyChanged();
        emit clockExpired();
        emit clockEnded(ClockEnd::Zero, before);
        return true;
    }
    if (!m_countDown && ms >= LimitMs) {
        const GameState before = endedWith(LimitMs);
        stopRun();
        notifyChanged();
        emit clockEnded(ClockEnd::Limit, before);
        return true;
    }
    return false;
}

void GameModel::notifyChanged()
{
    m_shot.follow();
    m_players.follow();
    emit changed();
}

// What is left of the period in play; nothing when the game clock has no end
// (counting up without periods) or no period is played.
std::optional<qint64> GameModel::periodLeftMs() const
{
    if (m_state.phase != GamePhase::Play)
        return std::nullopt;
    if (m_countDown)
        return clockMs();
    if (m_structure.isOn())
        return std::max<qint64>(playLengthMs(m_state.period) - clockMs(), 0);
    return std::nullopt;
}

qint64 GameModel::hostNowMs() const
{
    return m_time.elapsedMs();
}

bool GameModel::isScoreChangeRefused(int which, int delta) const
{
    return !scoreRefusal(which, ScoreChange::Add, delta).isEmpty();
}

void GameModel::partShotClockRanOut(const GameState &before)
{
    emit shotClockExpired();
    emit clockEnded(ClockEnd::ShotClock, before);
}

void GameModel::partPlayerFouledOut(int team, const QString &number, int fouls)
{
    emit playerFouledOut(Team(team), number, fouls);
}

void GameModel::partPenaltyEnded(int team, const QString &number)
{
    emit penaltyEnded(Team(team), number);
}

void GameModel::setSides(const GameSides &sides)
{
    if (sides == m_sides)
        return;
    m_sides = sides;
    notifyChanged();
}

QString sideCaption(const GameModel &game, int side, const Settings &settings)
{
    return game.side(side).captionOr(side == GameModel::Home ? settings.HomeText
                                                             : settings.GuestText);
}
