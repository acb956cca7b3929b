#include "game/shotclockpart.h"

#include "game/gamelogentry.h"
#include "game/gamemodel.h"
#include "game/gamerules.h"
#include "game/gamestatefile.h"
#include "game/jsonnumber.h"
#include "game/timesource.h"
#include "settings/appsettings.h"

const ShotClockState &ShotClockPart::state() const
{
    return m_game.m_state.shotClock;
}

ShotClockState &ShotClockPart::shot()
{
    return m_game.m_state.shotClock;
}

qint64 ShotClockPart::now() const
{
    return m_game.m_time.elapsedMs();
}

qint64 ShotClockPart::ms() const
{
    return state().msAt(now());
}

ClockSeconds ShotClockPart::shownTime() const
{
    return GameModel::shownTimeFor(ms(), true);
}

Possession ShotClockPart::possession() const
{
    return m_game.m_state.possession;
}

bool ShotClockPart::shouldRun() const
{
    const GameState &game = m_game.m_state;
    const ShotClockState &shot = game.shotClock;
    // One that has run down keeps "running" at zero until the update that
    // sounds its horn, however soon a step comes after.
    const bool canRun = shot.running || shot.ms > 0;
    if (!canRun || shot.dark || game.phase != GamePhase::Play || m_game.timeoutTeam())
        return false;
    return m_rules.linked ? game.running && !shot.held : shot.running;
}

bool ShotClockPart::follow()
{
    if (!m_rules.enabled)
        return false;
    ShotClockState &shot = this->shot();
    const ShotClockState was = shot;
    const qint64 now = this->now();
    const std::optional<qint64> periodLeft = m_game.periodLeftMs();
    if (!shot.dark && periodLeft && *periodLeft < shot.msAt(now)) {
        shot.ms = shot.msAt(now);
        shot.running = false;
        shot.dark = true;
    }
    const bool run = shouldRun();
    if (run != shot.running) {
        shot.ms = shot.msAt(now);
        shot.running = run;
        shot.runStartMs = run ? now : 0;
    }
    if (shot.running && (!m_game.m_update.isActive() || shot != was))
        m_game.scheduleUpdate();
    return shot != was;
}

bool ShotClockPart::expireIfDue()
{
    ShotClockState &shot = this->shot();
    if (!shot.running || shot.msAt(now()) > 0)
        return false;
    const qint64 expiredAt = shot.runStartMs + shot.ms;
    shot.ms = 0;
    shot.running = false;
    shot.runStartMs = 0;
    GameState &game = m_game.m_state;
    const GameState before = game;
    // Stopped the moment the shot clock ran out, however late this update comes.
    if (m_rules.stopGameAtZero && game.running && game.phase == GamePhase::Play)
        m_game.stopRun(expiredAt);
    m_game.notifyChanged();
    if (game.running)
        m_game.scheduleUpdate();
    emit m_game.shotClockExpired();
    emit m_game.clockEnded(GameModel::ClockEnd::ShotClock, before);
    return true;
}

std::optional<qint64> ShotClockPart::msToNextStep() const
{
    if (!state().running)
        return std::nullopt;
    // Its face changes each second above five seconds, each tenth below: a
    // shot clock reset out of step with the game clock's tenths would
    // otherwise wake the board twice every tenth.
    const qint64 ms = this->ms();
    const qint64 step = ms > ShotClockRules::TenthsBelowMs ? 1000 : 100;
    const qint64 intoStep = ms % step;
    return intoStep == 0 ? step : intoStep;
}

void ShotClockPart::ready()
{
    shot() = ShotClockState{};
    shot().ms = m_rules.lengthMs;
}

void ShotClockPart::readyPeriod()
{
    if (isOn())
        ready();
}

void ShotClockPart::newGame()
{
    if (isOn())
        m_game.m_state.possession = Possession::None;
}

void ShotClockPart::restart(qint64 ms)
{
    // A clock that runs runs on from the new value.
    shot().ms = ms;
    shot().runStartMs = now();
    shot().dark = false;
}

void ShotClockPart::scored(int which, int from, int to)
{
    // The goal and the shot clock it resets are one step, undone together.
    const bool section1 = which == GameModel::Home1 || which == GameModel::Guest1;
    if (m_rules.resetsOnScore(section1, from, to))
        restart(m_rules.lengthMs);
}

void ShotClockPart::restored(const GameState &state)
{
    if (!state.shotClock.running)
        return;
    shot().ms = state.shotClock.msAt(state.takenAtMs);
    shot().runStartMs = now();
}

void ShotClockPart::restoreStep(const GameState &from, const GameState &to)
{
    if (from.possession != to.possession)
        m_game.m_state.possession = to.possession;
    if (from.shotClock == to.shotClock)
        return;
    const qint64 now = this->now();
    ShotClockState &shot = this->shot();
    const qint64 ranSince = from.shotClock.msAt(from.takenAtMs) - shot.msAt(now);
    const bool running = shot.running;
    shot = to.shotClock;
    shot.ms = std::max<qint64>(to.shotClock.msAt(to.takenAtMs) - std::max<qint64>(ranSince, 0), 0);
    // Whether it runs is the game clock's business now, as ever.
    shot.running = running && shot.ms > 0;
    shot.runStartMs = now;
}

void ShotClockPart::resetTo(qint64 ms)
{
    if (!isOn())
        return;
    restart(ms);
    m_game.notifyChanged();
}

void ShotClockPart::reset()
{
    resetTo(m_rules.lengthMs);
}

void ShotClockPart::resetShort()
{
    if (m_rules.shortMs > 0)
        resetTo(m_rules.shortMs);
}

void ShotClockPart::holdOrRelease()
{
    if (!isOn())
        return;
    ShotClockState &shot = this->shot();
    if (m_rules.linked) {
        shot.held = !shot.held;
    } else {
        const qint64 now = this->now();
        shot.ms = shot.msAt(now);
        shot.running = !shot.running;
        shot.runStartMs = shot.running ? now : 0;
    }
    m_game.notifyChanged();
}

void ShotClockPart::blank()
{
    if (!isOn() || state().dark)
        return;
    shot().dark = true;
    m_game.notifyChanged();
}

void ShotClockPart::setPossession(Possession team)
{
    if (!isOn())
        return;
    m_game.m_state.possession = team;
    m_game.notifyChanged();
}

void ShotClockPart::switchPossession()
{
    setPossession(possession() == Possession::Home ? Possession::Guest : Possession::Home);
}

void ShotClockPart::setRules(const ShotClockRules &rules)
{
    if (rules == m_rules)
        return;
    const bool turnedOn = rules.enabled && !m_rules.enabled;
    m_rules = rules;
    if (!rules.enabled) {
        shot() = ShotClockState{};
        m_game.m_state.possession = Possession::None;
    } else if (turnedOn) {
        ready();
    }
    m_game.notifyChanged();
}

ShotClockRules ShotClockPart::rulesOf(const Settings &settings, QStringList *problems)
{
    ShotClockRules rules;
    rules.enabled = settings.ShotClockEnabled != 0;
    rules.linked = settings.ShotClockLinked != 0;
    rules.stopGameAtZero = settings.ShotClockStopGameAtZero != 0;
    rules.resetOnScore = settings.ShotClockResetOnScore != 0;
    // Told only when the shot clock is on: off, its lengths mean nothing.
    QStringList *told = rules.enabled ? problems : nullptr;
    const QString length = readableRule("Length", QString::number(settings.ShotClockLength), told);
    if (!length.isEmpty())
        rules.lengthMs = length.toInt() * 1000;
    const QString shortLength =
        readableRule("ShortLength", QString::number(settings.ShotClockShortLength), told);
    if (!shortLength.isEmpty())
        rules.shortMs = shortLength.toInt() * 1000;
    return rules;
}

// The arrow's names, in the board state, the saved game and the log alike.
static QString possessionName(Possession team)
{
    return team == Possession::Home ? QStringLiteral("home") : QStringLiteral("guest");
}

QJsonObject ShotClockPart::boardJson() const
{
    const bool on = isOn();
    return {{QStringLiteral("enabled"), on},
            {QStringLiteral("ms"), on ? ms() : 0},
            {QStringLiteral("running"), on && state().running},
            {QStringLiteral("dark"), on && state().dark}};
}

QJsonValue ShotClockPart::possessionJson() const
{
    if (!isOn() || possession() == Possession::None)
        return QJsonValue::Null;
    return possessionName(possession());
}

void ShotClockPart::save(SavedGame &saved) const
{
    if (!isOn())
        return;
    ShotClockState stopped = state();
    stopped.ms = ms();
    stopped.running = false;
    stopped.runStartMs = 0;
    saved.shotClock = stopped;
    saved.possession = possession();
}

void ShotClockPart::writeSaved(const SavedGame &saved, QJsonObject &object)
{
    if (!saved.shotClock)
        return;
    const ShotClockState &shot = *saved.shotClock;
    object.insert(QStringLiteral("shotClock"), QJsonObject{{QStringLiteral("ms"), shot.ms},
                                                           {QStringLiteral("held"), shot.held},
                                                           {QStringLiteral("dark"), shot.dark}});
    object.insert(QStringLiteral("possession"), saved.possession == Possession::None
                                                    ? QJsonValue(QJsonValue::Null)
                                                    : QJsonValue(possessionName(saved.possession)));
}

bool ShotClockPart::readSaved(const QJsonObject &object, SavedGame &saved)
{
    // Files from before the shot clock, or saved with it off, have none.
    const QJsonObject o = object.value(QStringLiteral("shotClock")).toObject();
    if (object.value(QStringLiteral("shotClock")).isUndefined())
        return true;
    const auto ms = jsonIntegerIn(o.value(QStringLiteral("ms")), 0, ShotClockRules::MaxLengthMs);
    const QJsonValue held = o.value(QStringLiteral("held"));
    const QJsonValue dark = o.value(QStringLiteral("dark"));
    if (!ms || !held.isBool() || !dark.isBool())
        return false;
    ShotClockState shot;
    shot.ms = *ms;
    shot.held = held.toBool();
    shot.dark = dark.toBool();
    saved.shotClock = shot;
    const QJsonValue team = object.value(QStringLiteral("possession"));
    if (team.isNull() || team.isUndefined())
        saved.possession = Possession::None;
    else if (team.toString() == possessionName(Possession::Home))
        saved.possession = Possession::Home;
    else if (team.toString() == possessionName(Possession::Guest))
        saved.possession = Possession::Guest;
    else
        return false;
    return true;
}

void ShotClockPart::logStep(const GameState &after, GameLogEntry &entry)
{
    if (after.possession != Possession::None)
        entry.possession = possessionName(after.possession);
}

void ShotClockPart::writeLog(const GameLogEntry &entry, QJsonObject &line)
{
    // Only with the arrow, so a game without it writes what it always wrote.
    if (!entry.possession.isEmpty())
        line.insert(QStringLiteral("possession"), entry.possession);
}

bool ShotClockPart::readLog(const QJsonObject &line, GameLogEntry &entry)
{
    entry.possession = line.value(QStringLiteral("possession")).toString();
    return entry.possession.isEmpty() || entry.possession == u"home" ||
           entry.possession == u"guest";
}
