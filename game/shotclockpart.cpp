#include "game/shotclockpart.h"

#include "game/jsonnumber.h"

const ShotClockState &ShotClockPart::state() const
{
    return m_game.hostState().shotClock;
}

ShotClockState &ShotClockPart::shot()
{
    return m_game.hostState().shotClock;
}

qint64 ShotClockPart::now() const
{
    return m_game.hostNowMs();
}

qint64 ShotClockPart::ms() const
{
    return state().msAt(now());
}

Possession ShotClockPart::possession() const
{
    return m_game.hostState().possession;
}

bool ShotClockPart::shouldRun() const
{
    const GameState &game = m_game.hostState();
    const ShotClockState &shot = game.shotClock;
    // One that has run down keeps "running" at zero until the update that
    // sounds its horn, however soon a step comes after.
    const bool canRun = shot.running || shot.ms > 0;
    if (!canRun || shot.dark || game.phase != GamePhase::Play ||
        (m_game.hostState().timeoutTeam >= 0))
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
    if (shot.running && (!m_game.isUpdateScheduled() || shot != was))
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
    GameState &game = m_game.hostState();
    const GameState before = game;
    // Stopped the moment the shot clock ran out, however late this update comes.
    if (m_rules.stopGameAtZero && game.running && game.phase == GamePhase::Play)
        m_game.stopRun(expiredAt);
    m_game.notifyChanged();
    if (game.running)
        m_game.scheduleUpdate();
    m_game.partShotClockRanOut(before);
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
        m_game.hostState().possession = Possession::None;
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
    const bool section1 = which == GameIndex::Home1 || which == GameIndex::Guest1;
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
        m_game.hostState().possession = to.possession;
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
    m_game.hostState().possession = team;
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
        m_game.hostState().possession = Possession::None;
    } else if (turnedOn) {
        ready();
    }
    m_game.notifyChanged();
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

void ShotClockPart::writeSaved(const std::optional<ShotClockState> &saved, Possession possession,
                               QJsonObject &object)
{
    if (!saved)
        return;
    const ShotClockState &shot = *saved;
    object.insert(QStringLiteral("shotClock"), QJsonObject{{QStringLiteral("ms"), shot.ms},
                                                           {QStringLiteral("held"), shot.held},
                                                           {QStringLiteral("dark"), shot.dark}});
    object.insert(QStringLiteral("possession"), possession == Possession::None
                                                    ? QJsonValue(QJsonValue::Null)
                                                    : QJsonValue(possessionName(possession)));
}

bool ShotClockPart::readSaved(const QJsonObject &object, std::optional<ShotClockState> &saved,
                              Possession &possession)
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
    saved = shot;
    const QJsonValue team = object.value(QStringLiteral("possession"));
    if (team.isNull() || team.isUndefined())
        possession = Possession::None;
    else if (team.toString() == possessionName(Possession::Home))
        possession = Possession::Home;
    else if (team.toString() == possessionName(Possession::Guest))
        possession = Possession::Guest;
    else
        return false;
    return true;
}

void ShotClockPart::logStep(const GameState &after, QString &possession)
{
    if (after.possession != Possession::None)
        possession = possessionName(after.possession);
}

void ShotClockPart::writeLog(const QString &possession, QJsonObject &line)
{
    // Only with the arrow, so a game without it writes what it always wrote.
    if (!possession.isEmpty())
        line.insert(QStringLiteral("possession"), possession);
}

bool ShotClockPart::readLog(const QJsonObject &line, QString &possession)
{
    possession = line.value(QStringLiteral("possession")).toString();
    return possession.isEmpty() || possession == u"home" || possession == u"guest";
}
