#include "game/gamemodel.h"

#include "game/timesource.h"
#include "settings/appsettings.h"

#include <algorithm>
#include <tuple>

bool GameState::operator==(const GameState &other) const
{
    return scores == other.scores && timeoutsTaken == other.timeoutsTaken &&
           shotClock == other.shotClock && possession == other.possession &&
           players == other.players && penalties == other.penalties && sets == other.sets &&
           sameClock(other);
}

bool GameState::sameClock(const GameState &other) const
{
    return running == other.running && clockMs == other.clockMs && runStartMs == other.runStartMs &&
           faceBlank == other.faceBlank && enteredSeconds == other.enteredSeconds &&
           period == other.period && phase == other.phase && timeoutTeam == other.timeoutTeam &&
           timeoutMs == other.timeoutMs && timeoutStartMs == other.timeoutStartMs &&
           timeoutHeld == other.timeoutHeld;
}

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
    endPenaltyOnGoal(which, from, value);
    // The goal and the shot clock it resets are one step, undone together.
    if (m_shotRules.resetsOnScore(which == Home1 || which == Guest1, from, value))
        restartShotClock(m_shotRules.lengthMs);
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

void GameModel::stopRun()
{
    m_state.clockMs = clockMs();
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
    if (state.shotClock.running) {
        m_state.shotClock.ms = state.shotClock.msAt(state.takenAtMs);
        m_state.shotClock.runStartMs = m_time.elapsedMs();
    }
    for (QList<Penalty> &team : m_state.penalties.teams) {
        for (Penalty &penalty : team) {
            penalty.ms = penalty.msAt(state.takenAtMs);
            penalty.runStartMs = penalty.running ? m_time.elapsedMs() : 0;
        }
    }
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
    readyShotClock();
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
    const int allowed =
        playsSets() ? m_setsRules.timeoutsPerSet : m_structure.timeouts.allowed(half);
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
    m_state.players = {};
    m_state.penalties = {};
    if (hasShotClock())
        m_state.possession = Possession::None;
    m_state.sets = {};
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
    if (from.possession != to.possession)
        m_state.possession = to.possession;
    m_state.players.restoreChanged(from.players, to.players);
    if (from.penalties != to.penalties)
        m_state.penalties.restoreChanged(from.penalties, to.penalties, to.takenAtMs,
                                         penaltiesShouldRun(), m_time.elapsedMs());
    // A point moves the serve with the score: taking it back returns both.
    if (from.sets != to.sets)
        m_state.sets = to.sets;
    if (from.shotClock != to.shotClock) {
        const qint64 now = m_time.elapsedMs();
        ShotClockState &shot = m_state.shotClock;
        const qint64 ranSince = from.shotClock.msAt(from.takenAtMs) - shot.msAt(now);
        const bool running = shot.running;
        shot = to.shotClock;
        shot.ms =
            std::max<qint64>(to.shotClock.msAt(to.takenAtMs) - std::max<qint64>(ranSince, 0), 0);
        // Whether it runs is the game clock's business now, as ever.
        shot.running = running && shot.ms > 0;
        shot.runStartMs = now;
    }
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
    if (m_state.shotClock.running) {
        // Its face changes each second above five seconds, each tenth below:
        // a shot clock reset out of step with the game clock's tenths would
        // otherwise wake the board twice every tenth.
        const qint64 ms = shotClockMs();
        const qint64 step = ms > ShotClockRules::TenthsBelowMs ? 1000 : 100;
        const qint64 intoStep = ms % step;
        const qint64 shotNext = intoStep == 0 ? step : intoStep;
        next = m_state.running ? std::min(next, shotNext) : shotNext;
    }
    return next;
}

void GameModel::scheduleUpdate()
{
    m_update.start(static_cast<int>(msToNextTenth()));
}

void GameModel::settle()
{
    if (m_state.running || timeoutTeam() || m_state.shotClock.running)
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
    expirePenaltiesIfDue();
    if (expireShotClockIfDue())
        return;
    if (!m_state.running && !m_state.shotClock.running)
        return;
    if (syncShotClock())
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
    syncShotClock();
    syncPenalties();
    emit changed();
}

qint64 GameModel::shotClockMs() const
{
    return m_state.shotClock.msAt(m_time.elapsedMs());
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

bool GameModel::shotClockShouldRun() const
{
    const ShotClockState &shot = m_state.shotClock;
    // One that has run down keeps "running" at zero until the update that
    // sounds its horn, however soon a step comes after.
    const bool canRun = shot.running || shot.ms > 0;
    if (!canRun || shot.dark || m_state.phase != GamePhase::Play || timeoutTeam())
        return false;
    return m_shotRules.linked ? m_state.running && !shot.held : shot.running;
}

// Makes the shot clock follow the game: dark once the period has less time
// left than it, running while the game clock runs (linked). True when it
// changed.
bool GameModel::syncShotClock()
{
    if (!m_shotRules.enabled)
        return false;
    ShotClockState &shot = m_state.shotClock;
    const ShotClockState was = shot;
    const qint64 now = m_time.elapsedMs();
    const std::optional<qint64> periodLeft = periodLeftMs();
    if (!shot.dark && periodLeft && *periodLeft < shot.msAt(now)) {
        shot.ms = shot.msAt(now);
        shot.running = false;
        shot.dark = true;
    }
    const bool run = shotClockShouldRun();
    if (run != shot.running) {
        shot.ms = shot.msAt(now);
        shot.running = run;
        shot.runStartMs = run ? now : 0;
    }
    if (shot.running && (!m_update.isActive() || shot != was))
        scheduleUpdate();
    return shot != was;
}

bool GameModel::expireShotClockIfDue()
{
    ShotClockState &shot = m_state.shotClock;
    if (!shot.running || shot.msAt(m_time.elapsedMs()) > 0)
        return false;
    const qint64 expiredAt = shot.runStartMs + shot.ms;
    shot.ms = 0;
    shot.running = false;
    shot.runStartMs = 0;
    const GameState before = m_state;
    // Stopped the moment the shot clock ran out, however late this update comes.
    if (m_shotRules.stopGameAtZero && m_state.running && m_state.phase == GamePhase::Play) {
        m_state.clockMs = clockMsAt(m_state, expiredAt);
        m_state.running = false;
        m_state.runStartMs = 0;
        m_update.stop();
    }
    notifyChanged();
    if (m_state.running)
        scheduleUpdate();
    emit shotClockExpired();
    emit clockEnded(ClockEnd::ShotClock, before);
    return true;
}

void GameModel::readyShotClock()
{
    if (!hasShotClock())
        return;
    m_state.shotClock = ShotClockState{};
    m_state.shotClock.ms = m_shotRules.lengthMs;
}

void GameModel::restartShotClock(qint64 ms)
{
    ShotClockState &shot = m_state.shotClock;
    // A clock that runs runs on from the new value.
    shot.ms = ms;
    shot.runStartMs = m_time.elapsedMs();
    shot.dark = false;
}

void GameModel::resetShotClockTo(qint64 ms)
{
    if (!hasShotClock())
        return;
    restartShotClock(ms);
    notifyChanged();
}

void GameModel::resetShotClock()
{
    resetShotClockTo(m_shotRules.lengthMs);
}

void GameModel::resetShotClockShort()
{
    if (m_shotRules.shortMs > 0)
        resetShotClockTo(m_shotRules.shortMs);
}

void GameModel::holdOrReleaseShotClock()
{
    if (!hasShotClock())
        return;
    ShotClockState &shot = m_state.shotClock;
    if (m_shotRules.linked) {
        shot.held = !shot.held;
    } else {
        const qint64 now = m_time.elapsedMs();
        shot.ms = shot.msAt(now);
        shot.running = !shot.running;
        shot.runStartMs = shot.running ? now : 0;
    }
    notifyChanged();
}

void GameModel::blankShotClock()
{
    if (!hasShotClock() || m_state.shotClock.dark)
        return;
    m_state.shotClock.dark = true;
    notifyChanged();
}

void GameModel::setPossession(Possession team)
{
    if (!hasShotClock())
        return;
    m_state.possession = team;
    notifyChanged();
}

void GameModel::switchPossession()
{
    setPossession(m_state.possession == Possession::Home ? Possession::Guest : Possession::Home);
}

void GameModel::setShotClockRules(const ShotClockRules &rules)
{
    if (rules == m_shotRules)
        return;
    const bool turnedOn = rules.enabled && !m_shotRules.enabled;
    m_shotRules = rules;
    if (!rules.enabled) {
        m_state.shotClock = ShotClockState{};
        m_state.possession = Possession::None;
    } else if (turnedOn) {
        readyShotClock();
    }
    notifyChanged();
}

GameModel::PointRefusal GameModel::pointRefusal() const
{
    if (!playsSets())
        return PointRefusal::NoSets;
    if (m_state.phase == GamePhase::Final)
        return PointRefusal::Final;
    return PointRefusal::None;
}

void GameModel::addPoint(Team team)
{
    if (pointRefusal() != PointRefusal::None)
        return;
    const int points = std::min(score(team == Home ? Home1 : Guest1).value_or(0) + 1, ScoreMax);
    m_state.scores.at(team == Home ? Home1 : Guest1) = points;
    SetsState &sets = m_state.sets;
    const int home = score(Home1).value_or(0);
    const int guest = score(Guest1).value_or(0);
    sets.lastPointTo = team;
    sets.serving = m_setsRules.serverAt(sets.set, sets.firstServer, home, guest, team);
    // The match time starts with the first rally.
    if (m_setsRules.showClock && !m_state.running && sets.played.isEmpty() && home + guest == 1)
        startRun();
    if (const auto winner = m_setsRules.setWinner(sets.set, home, guest))
        endSet(Team(*winner));
    notifyChanged();
}

void GameModel::endSet(Team winner)
{
    SetsState &sets = m_state.sets;
    const int ended = sets.set;
    sets.played.append({score(Home1).value_or(0), score(Guest1).value_or(0)});
    const int won = score(winner == Home ? Home2 : Guest2).value_or(0) + 1;
    m_state.scores.at(winner == Home ? Home2 : Guest2) = won;
    const bool final = won >= m_setsRules.setsToWin;
    if (final) {
        if (m_state.running)
            stopRun();
        m_state.timeoutTeam = -1;
        m_state.phase = GamePhase::Final;
    } else {
        m_state.timeoutTeam = -1;
        m_state.timeoutsTaken = {};
        m_state.scores.at(Home1) = 0;
        m_state.scores.at(Guest1) = 0;
        // The other team opens the next set; before its first point the
        // operator can give the serve to the other.
        sets.set = ended + 1;
        sets.firstServer = 1 - sets.firstServer;
        sets.serving = sets.firstServer;
        sets.lastPointTo = -1;
        m_state.period = sets.set;
    }
    emit setEnded(ended, final);
}

bool GameModel::canSwitchFirstServer() const
{
    const bool setStarted = score(Home1).value_or(0) + score(Guest1).value_or(0) > 0;
    return pointRefusal() == PointRefusal::None && !setStarted;
}

void GameModel::switchFirstServer()
{
    SetsState &sets = m_state.sets;
    if (!canSwitchFirstServer())
        return;
    sets.firstServer = 1 - sets.firstServer;
    sets.serving = sets.firstServer;
    notifyChanged();
}

SetsRules::Hint GameModel::setsHint() const
{
    if (!playsSets() || m_state.phase == GamePhase::Final)
        return SetsRules::Hint::None;
    const SetsState &sets = m_state.sets;
    return m_setsRules.hintAt(sets.set, score(Home1).value_or(0), score(Guest1).value_or(0),
                              sets.lastPointTo);
}

void GameModel::setSetsRules(const SetsRules &rules)
{
    if (rules == m_setsRules)
        return;
    const bool turned = rules.enabled != m_setsRules.enabled;
    m_setsRules = rules;
    if (turned) {
        m_state.sets = {};
        readyPeriod(1);
    }
    notifyChanged();
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

qint64 GameModel::penaltyMs(const Penalty &penalty) const
{
    return penalty.msAt(m_time.elapsedMs());
}

bool GameModel::isPlayerOut(Team team, const QString &number) const
{
    const int limit = m_playerRules.foulLimit;
    return limit > 0 && players().line(team, number).fouls >= limit;
}

bool GameModel::isDisqualified(Team team, const QString &number) const
{
    const int limit = m_playerRules.suspensionsToDisqualify;
    return limit > 0 && players().line(team, number).penalties >= limit;
}

QString GameModel::playerName(Team team, const QString &number) const
{
    const std::optional<::Team> &rosterTeam = m_sides.at(team).team;
    const Player *player = rosterTeam ? rosterTeam->player(number) : nullptr;
    return player ? player->name : QString();
}

// Penalties run with the game clock in play, and stand in a timeout.
bool GameModel::penaltiesShouldRun() const
{
    return m_state.running && m_state.phase == GamePhase::Play && !timeoutTeam();
}

void GameModel::syncPenalties()
{
    m_state.penalties.run(penaltiesShouldRun(), m_time.elapsedMs());
}

bool GameModel::expirePenaltiesIfDue()
{
    const QList<PenaltyClocks::Ended> ended = m_state.penalties.expire(m_time.elapsedMs());
    if (ended.isEmpty())
        return false;
    notifyChanged();
    for (const PenaltyClocks::Ended &penalty : ended)
        emit penaltyEnded(Team(penalty.team), penalty.player);
    return true;
}

// A goal against a team a player short ends that team's oldest minor penalty.
void GameModel::endPenaltyOnGoal(int which, int from, int to)
{
    if (!hasPlayers() || !m_playerRules.penaltyEndsOnGoal || to <= from)
        return;
    if (which != Home1 && which != Guest1)
        return;
    const int conceding = which == Home1 ? Guest : Home;
    m_state.penalties.endOldest(conceding, PlayerRules::MinorPenaltyMs, penaltiesShouldRun(),
                                m_time.elapsedMs());
}

void GameModel::addPlayerFoul(Team team, const QString &number)
{
    if (!hasPlayers() || !isPlayerNumber(number))
        return;
    PlayerLine &line = m_state.players.teams.at(team)[number];
    ++line.fouls;
    const int teamFouls = team == Home ? Home2 : Guest2;
    if (m_structure.fouls.on && score(teamFouls).value_or(0) < maxScore(teamFouls))
        m_state.scores.at(teamFouls) = score(teamFouls).value_or(0) + 1;
    notifyChanged();
    if (m_playerRules.foulLimit > 0 && line.fouls == m_playerRules.foulLimit)
        emit playerFouledOut(team, number, line.fouls);
}

void GameModel::addPenalty(Team team, const QString &number, qint64 lengthMs)
{
    if (!hasPlayers() || !isPlayerNumber(number) || lengthMs <= 0)
        return;
    ++m_state.players.teams.at(team)[number].penalties;
    m_state.penalties.add(team, number, lengthMs, penaltiesShouldRun(), m_time.elapsedMs());
    notifyChanged();
}

void GameModel::addToScoreBy(int which, int delta, const QString &number)
{
    const bool named = hasPlayers() && isPlayerNumber(number);
    if (!named || !scoreRefusal(which, ScoreChange::Add, delta).isEmpty()) {
        addToScore(which, delta);
        return;
    }
    // Section 2's scorers are not the game's: it may count fouls or sets.
    if (which == Home1 || which == Guest1)
        m_state.players.teams.at(which == Home1 ? Home : Guest)[number].points += delta;
    addToScore(which, delta);
}

void GameModel::setPlayerRules(const PlayerRules &rules)
{
    if (rules == m_playerRules)
        return;
    m_playerRules = rules;
    if (!rules.enabled) {
        m_state.players = {};
        m_state.penalties = {};
    }
    notifyChanged();
}
