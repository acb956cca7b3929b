#include "game/commands.h"

#include "game/clockface.h"
#include "game/gamemodel.h"
#include "settings/appsettings.h"
#include "teams/teamlibrary.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

using Action = GameHistory::Action;
using Origin = GameHistory::Origin;
using Type = GameCommands::ParamType;
using Param = GameCommands::Param;

// A whole number, not 1.5 or "1".
std::optional<qint64> whole(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (d != double(qint64(d)) || d < -1e15 || d > 1e15)
        return std::nullopt;
    return qint64(d);
}

const QJsonArray teams{u"home"_s, u"guest"_s};

Param team()
{
    return {u"team"_s, Type::String, teams};
}

Param player()
{
    return {u"player"_s, Type::PlayerNumber, {}};
}

int teamOf(const QJsonObject &params)
{
    return params.value(u"team"_s) == u"guest"_s ? GameModel::Guest : GameModel::Home;
}

// Section 1 or 2 of a team: the score it names.
int scoreOf(const QJsonObject &params)
{
    return (params.value(u"section"_s).toInt(1) == 2 ? 2 : 0) + teamOf(params);
}

// "\"home\" or \"guest\"", "1 or 2".
QString listed(const QJsonArray &values)
{
    QStringList words;
    for (const QJsonValue &value : values)
        words << (value.isString() ? u"\""_s + value.toString() + u'"'
                                   : QString::number(value.toInteger()));
    const QString last = words.takeLast();
    return words.isEmpty() ? last : words.join(u", "_s) + GameCommands::tr(" or ") + last;
}

GameCommands::Outcome refused(const QString &why, GamePhase blockedBy = GamePhase::Play)
{
    return {GameCommands::Refusal::NotNow, why, blockedBy};
}

GameCommands::Outcome malformed(const QString &why)
{
    return {GameCommands::Refusal::Malformed, why, GamePhase::Play};
}

} // namespace

// One command: its parameters, why it cannot be done now (or is asked for
// wrongly beyond its parameters' types), and how it is done. `check` takes
// the parameters that were given; one left out stands for any.
struct GameCommands::Entry
{
    Command command;
    std::function<Outcome(const GameCommands &, const QJsonObject &)> check;
    std::function<void(GameCommands &, const QJsonObject &, Origin)> run;
};

GameCommands::GameCommands(GameModel &game, GameHistory &history, SettingsSource settings,
                           QObject *parent)
    : QObject(parent), m_game(game), m_history(history), m_settings(std::move(settings)),
      m_teamFolder(TeamLibrary::defaultFolder())
{
}

GameCommands::~GameCommands() = default;

const QList<GameCommands::Command> &GameCommands::table()
{
    static const QList<Command> commands = [] {
        QList<Command> list;
        for (const Entry &entry : entries())
            list << entry.command;
        return list;
    }();
    return commands;
}

const GameCommands::Command *GameCommands::find(const QString &id)
{
    const Entry *found = entry(id);
    return found ? &found->command : nullptr;
}

const GameCommands::Entry *GameCommands::entry(const QString &id)
{
    for (const Entry &entry : entries())
        if (entry.command.id == id)
            return &entry;
    return nullptr;
}

std::optional<QString> GameCommands::playerNumberOf(const QJsonValue &value)
{
    if (value.isString())
        return isPlayerNumber(value.toString()) ? std::optional(value.toString()) : std::nullopt;
    const double d = value.toDouble(-1);
    if (!value.isDouble() || d != double(int(d)) || d < 0 || d > 99)
        return std::nullopt;
    return QString::number(int(d));
}

bool GameCommands::isClockText(const QString &text)
{
    static const QRegularExpression form(u"^[0-9]{1,2}(\\.([0-5][0-9]?)?)?$"_s);
    return form.match(text).hasMatch() && ClockFace::isAcceptableEntry(text);
}

QString GameCommands::clockText(qint16 seconds)
{
    return u"%1.%2"_s.arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

GameCommands::Outcome GameCommands::checkParams(const Entry &entry, const QJsonObject &params) const
{
    for (auto it = params.constBegin(); it != params.constEnd(); ++it) {
        const auto &list = entry.command.params;
        if (std::none_of(list.cbegin(), list.cend(),
                         [&](const Param &p) { return p.name == it.key(); }))
            return malformed(tr("\"%1\" is not a field of this call").arg(it.key()));
    }
    for (const Param &param : entry.command.params) {
        const QJsonValue value = params.value(param.name);
        if (value.isUndefined()) {
            if (!param.optional)
                return malformed(tr("\"%1\" is missing").arg(param.name));
            continue;
        }
        const QString name = param.name;
        switch (param.type) {
        case ParamType::Integer:
            if (!whole(value))
                return malformed(tr("\"%1\" is a whole number").arg(name));
            break;
        case ParamType::String:
            if (!value.isString())
                return malformed(tr("\"%1\" is a text").arg(name));
            break;
        case ParamType::Boolean:
            if (!value.isBool())
                return malformed(tr("\"%1\" is true or false").arg(name));
            break;
        case ParamType::Clock:
            if (!value.isString() || !isClockText(value.toString()))
                return malformed(
                    tr("\"%1\" is minutes.seconds, from \"0\" to \"99.59\"").arg(name));
            break;
        case ParamType::PlayerNumber:
            if (!playerNumberOf(value))
                return malformed(tr("\"%1\" is a number of one or two digits").arg(name));
            break;
        }
        if (!param.values.isEmpty() && !param.values.contains(value))
            return malformed(tr("\"%1\" is %2").arg(name, listed(param.values)));
    }
    return {};
}

GameCommands::Outcome GameCommands::availability(const QString &id) const
{
    const Entry *found = entry(id);
    if (!found)
        return malformed(tr("not found"));
    // What is missing here is a caller's to give, not a reason of the game's.
    const auto now = [&](const QJsonObject &params) {
        const Outcome outcome = found->check(*this, params);
        return outcome.refusal == Refusal::Malformed ? Outcome{} : outcome;
    };
    if (Outcome kept = consoleRefusal(id, Origin::Operator); !kept.isDone())
        return kept;
    const Outcome home = now({});
    const auto &params = found->command.params;
    const bool forATeam = std::any_of(params.cbegin(), params.cend(),
                                      [](const Param &p) { return p.name == u"team"; });
    if (home.isDone() || !forATeam)
        return home;
    const Outcome guest = now({{u"team"_s, u"guest"_s}});
    return guest.isDone() ? guest : home;
}

GameCommands::Outcome GameCommands::run(const QString &id, const QJsonObject &params,
                                        GameHistory::Origin origin)
{
    const Entry *found = entry(id);
    if (!found)
        return malformed(tr("not found"));
    if (Outcome outcome = checkParams(*found, params); !outcome.isDone())
        return outcome;
    if (Outcome kept = consoleRefusal(id, origin); !kept.isDone())
        return kept;
    // A period whose time ran out before the timer came ends first: the
    // command meets the game as it is.
    m_game.settle();
    if (Outcome outcome = found->check(*this, params); !outcome.isDone())
        return outcome;
    found->run(*this, params, origin);
    return {};
}

bool GameCommands::isKeptByConsole(const QString &id) const
{
    if (!m_history.consoleKeeps())
        return false;
    if (id == u"period.next") {
        const GameStructure &structure = m_game.structure();
        return !structure.isOn() || m_game.period() < structure.periods;
    }
    static const QStringList kept{u"score."_s,     u"clock."_s,       u"board.clear"_s,
                                  u"period."_s,    u"break.skip"_s,   u"timeout."_s,
                                  u"shotclock."_s, u"possession."_s,  u"point."_s,
                                  u"serve."_s,     u"penalty.start"_s};
    return std::any_of(kept.cbegin(), kept.cend(),
                       [&id](const QString &prefix) { return id.startsWith(prefix); });
}

GameCommands::Outcome GameCommands::consoleRefusal(const QString &id, Origin origin) const
{
    if (origin == Origin::Console || !m_history.consoleKeeps())
        return {};
    Outcome outcome;
    if (isKeptByConsole(id))
        outcome = refused(tr("the console keeps the score"));
    else if (id == u"undo" && m_history.consoleKeepsNextUndo())
        outcome = refused(tr("the console keeps it"));
    outcome.byConsole = !outcome.isDone();
    return outcome;
}

void GameCommands::step(GameHistory::Action kind, const QString &label,
                        const std::function<void(GameModel &)> &action, Origin origin)
{
    m_history.perform(kind, label, action, origin);
}

QString GameCommands::caption(int team) const
{
    return sideCaption(m_game, team, m_settings());
}

// "#7 Anna Berg" with the game's roster, else "#7".
QString GameCommands::playerLabel(int team, const QString &number) const
{
    const QString name = m_game.playersPart().playerName(GameModel::Team(team), number);
    const QString label = u"#"_s + number;
    return name.isEmpty() ? label : label + u' ' + name;
}

GameCommands::Outcome GameCommands::notInPlay() const
{
    switch (m_game.phase()) {
    case GamePhase::Break:
        return refused(tr("the break runs by itself"), GamePhase::Break);
    case GamePhase::Final:
        return refused(tr("the game is over"), GamePhase::Final);
    case GamePhase::Play:
        break;
    }
    return {};
}

GameCommands::Outcome GameCommands::cannotStart() const
{
    // Starting runs on a timeout that a resume brought back held.
    if (m_game.isTimeoutHeld())
        return {};
    if (Outcome phase = notInPlay(); !phase.isDone())
        return phase;
    if (m_game.timeoutTeam())
        return refused(tr("a timeout is running"));
    if (!m_game.isRunning() && m_game.countsDown() && m_game.clockMs() <= 0)
        return refused(tr("the clock is at zero; reset or set it"));
    return {};
}

GameCommands::Outcome GameCommands::timeoutRefusal(int team) const
{
    using Why = GameModel::TimeoutRefusal;
    switch (m_game.timeoutRefusal(GameModel::Team(team))) {
    case Why::None:
        break;
    case Why::NoTimeouts:
        return refused(tr("the game has no timeouts"));
    case Why::NotInPlay:
        return refused(tr("no timeout in a break or after the game"));
    case Why::OtherRunning:
        return refused(tr("the other team's timeout is running"));
    case Why::NoneLeft:
        return refused(tr("%1 has no timeouts left").arg(caption(team)));
    }
    return {};
}

GameCommands::Outcome GameCommands::shotClockOff() const
{
    return m_game.hasShotClock() ? Outcome{} : refused(tr("the shot clock is off"));
}

// The shot clock off, or a short reset asked of one without a short length.
GameCommands::Outcome GameCommands::shortRefusal(bool isShort) const
{
    if (Outcome off = shotClockOff(); !off.isDone())
        return off;
    if (isShort && m_game.shotClockPart().rules().shortMs <= 0)
        return refused(tr("the shot clock has no short length"));
    return {};
}

GameCommands::Outcome GameCommands::setsOff() const
{
    return m_game.playsSets() ? Outcome{} : refused(tr("the game is not played in sets"));
}

GameCommands::Outcome GameCommands::playersOff() const
{
    if (m_game.hasPlayers())
        return {};
    if (m_game.playsSets())
        return refused(tr("a match in sets has no players' fouls or penalties"));
    return refused(tr("the players are off"));
}

GameCommands::Outcome GameCommands::scoreRefusal(const QJsonObject &params, bool add) const
{
    const QJsonValue amount = params.value(add ? u"add"_s : u"set"_s);
    if (amount.isUndefined())
        return {};
    const auto change = add ? GameModel::ScoreChange::Add : GameModel::ScoreChange::Set;
    if (const QString why = m_game.scoreRefusal(scoreOf(params), change, *whole(amount));
        !why.isEmpty())
        return refused(why);
    if (params.contains(u"player"_s))
        return playersOff();
    return {};
}

GameCommands::Outcome GameCommands::pointRefusal() const
{
    if (Outcome off = setsOff(); !off.isDone())
        return off;
    if (m_game.setsPart().pointRefusal() == SetsPart::PointRefusal::Final)
        return refused(tr("the match is over"), GamePhase::Final);
    return {};
}

void GameCommands::point(int team, Origin origin)
{
    step(
        Action::Point, tr("Point %1").arg(caption(team)),
        [team](GameModel &g) { g.setsPart().addPoint(GameModel::Team(team)); }, origin);
}

// `team` serves first, or the other one (-1).
GameCommands::Outcome GameCommands::serveRefusal(int team) const
{
    if (Outcome off = setsOff(); !off.isDone())
        return off;
    if (team >= 0 && m_game.setsPart().state().firstServer == team)
        return {};
    return m_game.setsPart().canSwitchFirstServer() ? Outcome{} : refused(tr("the set has begun"));
}

void GameCommands::serve(int team, Origin origin)
{
    if (team >= 0 && m_game.setsPart().state().firstServer == team)
        return;
    step(
        Action::FirstServer, tr("Switch the first server"),
        [](GameModel &g) { g.setsPart().switchFirstServer(); }, origin);
}

// A caption longer than the board takes is refused; a team's name from the
// library may be longer.
GameCommands::Outcome GameCommands::newGameRefusal(const QJsonObject &params) const
{
    // The library is read only for a name too long for a caption.
    for (const QString &side : {u"home"_s, u"guest"_s}) {
        const QString name = params.value(side).toString();
        if (name.size() > SettingsLimits::TeamTextLength &&
            !TeamLibrary::find(TeamLibrary::load(m_teamFolder), name))
            return malformed(tr("%1 is longer than %2 characters")
                                 .arg(side)
                                 .arg(SettingsLimits::TeamTextLength));
    }
    return {};
}

// A name from the library gives its team, any other text is a plain caption;
// a side not named keeps who plays there.
void GameCommands::newGame(const QJsonObject &params, Origin origin)
{
    if (!params.isEmpty()) {
        GameSides sides = m_game.sides();
        const QList<Team> library = TeamLibrary::load(m_teamFolder);
        const QString keys[] = {u"home"_s, u"guest"_s};
        for (int side = 0; side < 2; ++side)
            if (params.contains(keys[side]))
                sides.at(side) =
                    sideNamed(params.value(keys[side]).toString(), library, m_teamFolder);
        // The teams first, so that the new game's log begins with them.
        m_game.setSides(sides);
    }
    step(
        Action::NewGame, tr("New game"), [](GameModel &g) { g.newGame(); }, origin);
}

const QList<GameCommands::Entry> &GameCommands::entries()
{
    using C = GameCommands;
    using P = const QJsonObject &;
    const auto none = [](const C &, P) { return Outcome{}; };
    const QJsonArray sections{1, 2};
    const Param section{u"section"_s, Type::Integer, sections};
    // The shot clock goes when it is neither held nor stopped: linked, it
    // follows the game clock unless held; unlinked, it simply runs or stands.
    const auto shotGoing = [](const C &c) {
        const ShotClockState &shot = c.m_game.shotClockPart().state();
        return c.m_game.shotClockPart().rules().linked ? !shot.held : shot.running;
    };
    const auto holdOrRelease = [](GameModel &g) { g.shotClockPart().holdOrRelease(); };
    const auto shotTo = [shotGoing, holdOrRelease](bool going, const char *label) {
        return Entry{{},
                     [](const C &c, P) { return c.shotClockOff(); },
                     [=](C &c, P, Origin o) {
                         if (shotGoing(c) != going)
                             c.step(Action::ShotClockHold, tr(label), holdOrRelease, o);
                     }};
    };
    // The arrow pointed to a team; already so, nothing is done.
    const auto arrowTo = [](int team) {
        const Possession to = team == GameModel::Home ? Possession::Home : Possession::Guest;
        return Entry{{},
                     [](const C &c, P) { return c.shotClockOff(); },
                     [team, to](C &c, P, Origin o) {
                         if (c.m_game.shotClockPart().possession() != to)
                             c.step(
                                 Action::Possession,
                                 tr("Possession arrow to %1").arg(c.caption(team)),
                                 [to](GameModel &g) { g.shotClockPart().setPossession(to); }, o);
                     }};
    };
    const auto named = [](const QString &id, QList<Param> params, Entry entry) {
        entry.command = {id, std::move(params)};
        return entry;
    };

    static const QList<Entry> list{
        named(u"score.set"_s, {team(), section, {u"set"_s, Type::Integer, {}}},
              {{},
               [](const C &c, P p) { return c.scoreRefusal(p, false); },
               [](C &c, P p, Origin o) {
                   const int which = scoreOf(p);
                   const int to = int(*whole(p.value(u"set"_s)));
                   c.step(
                       Action::ScoreSet, tr("Set score"),
                       [which, to](GameModel &g) { g.setScore(which, to); }, o);
               }}),
        named(u"score.add"_s,
              {team(),
               section,
               {u"add"_s, Type::Integer, {}},
               {u"player"_s, Type::PlayerNumber, {}, true}},
              {{},
               [](const C &c, P p) { return c.scoreRefusal(p, true); },
               [](C &c, P p, Origin o) {
                   const int which = scoreOf(p);
                   const int add = int(*whole(p.value(u"add"_s)));
                   const std::optional<QString> number = playerNumberOf(p.value(u"player"_s));
                   if (number)
                       c.step(
                           Action::ScoreAdd, tr("Change score"),
                           [=](GameModel &g) { g.playersPart().addToScoreBy(which, add, *number); },
                           o);
                   else
                       c.step(
                           Action::ScoreAdd, tr("Change score"),
                           [=](GameModel &g) { g.addToScore(which, add); }, o);
               }}),
        named(u"clock.start"_s, {},
              {{},
               [](const C &c, P) {
                   return c.m_game.isRunning() && c.notInPlay().isDone() ? Outcome{}
                                                                         : c.cannotStart();
               },
               [](C &c, P, Origin o) {
                   if (!c.m_game.isRunning() || c.m_game.isTimeoutHeld())
                       c.step(
                           Action::ClockStartStop, tr("Start the clock"),
                           [](GameModel &g) { g.startStop(); }, o);
               }}),
        named(u"clock.stop"_s, {},
              {{},
               [](const C &c, P) { return c.notInPlay(); },
               [](C &c, P, Origin o) {
                   if (c.m_game.isRunning())
                       c.step(
                           Action::ClockStartStop, tr("Stop the clock"),
                           [](GameModel &g) { g.startStop(); }, o);
               }}),
        named(u"clock.toggle"_s, {},
              {{},
               [](const C &c, P) { return c.m_game.isRunning() ? c.notInPlay() : c.cannotStart(); },
               [](C &c, P, Origin o) {
                   c.step(
                       Action::ClockStartStop, tr("Start or stop the clock"),
                       [](GameModel &g) { g.startStop(); }, o);
               }}),
        named(u"clock.reset"_s, {},
              {{},
               [](const C &c, P) { return c.notInPlay(); },
               [](C &c, P, Origin o) {
                   c.step(
                       Action::ClockReset, tr("Reset the clock"),
                       [](GameModel &g) { g.resetClock(); }, o);
               }}),
        named(u"clock.set"_s,
              {{u"value"_s, Type::Clock, {}, true}, {u"ms"_s, Type::Integer, {}, true}},
              {{},
               [](const C &c, P p) {
                   const bool value = p.contains(u"value"_s);
                   const bool ms = p.contains(u"ms"_s);
                   if (value == ms)
                       return malformed(tr("give either \"value\" (minutes.seconds) or \"ms\""));
                   if (ms) {
                       const qint64 n = *whole(p.value(u"ms"_s));
                       if (n < 0 || n >= GameModel::LimitMs)
                           return malformed(tr("\"ms\" is a whole number from 0 to %1")
                                                .arg(GameModel::LimitMs - 1));
                   }
                   return c.notInPlay();
               },
               [](C &c, P p, Origin o) {
                   if (p.contains(u"value"_s)) {
                       const qint16 seconds =
                           ClockFace::typedSeconds(p.value(u"value"_s).toString());
                       c.step(
                           Action::ClockSet, tr("Set clock"),
                           [seconds](GameModel &g) { g.enterClockTime(seconds); }, o);
                       return;
                   }
                   const qint64 to = *whole(p.value(u"ms"_s));
                   c.step(
                       Action::ClockSet, tr("Set clock"),
                       [to](GameModel &g) {
                           // The clock runs on from the new value if it was running.
                           GameState state = g.state();
                           state.clockMs = to;
                           state.runStartMs = state.takenAtMs;
                           state.faceBlank = false;
                           g.restore(state);
                       },
                       o);
               }}),
        named(u"board.clear"_s, {},
              {{},
               none,
               [](C &c, P, Origin o) {
                   c.step(
                       Action::Clear, tr("Clear all LEDs"), [](GameModel &g) { g.clear(); }, o);
               }}),
        named(u"period.next"_s, {},
              {{},
               [](const C &c, P) {
                   if (!c.m_game.structure().isOn())
                       return refused(tr("the game has no periods"));
                   return c.m_game.phase() == GamePhase::Final ? c.notInPlay() : Outcome{};
               },
               [](C &c, P, Origin o) {
                   c.step(
                       Action::PeriodNext, tr("Next period"), [](GameModel &g) { g.nextPeriod(); },
                       o);
               }}),
        named(u"period.previous"_s, {},
              {{},
               [](const C &c, P) {
                   if (!c.m_game.structure().isOn())
                       return refused(tr("the game has no periods"));
                   if (c.m_game.period() <= 1 && c.m_game.phase() == GamePhase::Play)
                       return refused(tr("this is the first period"));
                   return Outcome{};
               },
               [](C &c, P, Origin o) {
                   c.step(
                       Action::PeriodPrevious, tr("Previous period"),
                       [](GameModel &g) { g.previousPeriod(); }, o);
               }}),
        named(u"break.skip"_s, {},
              {{},
               [](const C &c, P) {
                   return c.m_game.phase() == GamePhase::Break
                              ? Outcome{}
                              : refused(tr("there is no break to skip"));
               },
               [](C &c, P, Origin o) {
                   c.step(
                       Action::BreakSkip, tr("Skip the break"), [](GameModel &g) { g.skipBreak(); },
                       o);
               }}),
        named(u"game.new"_s,
              {{u"home"_s, Type::String, {}, true}, {u"guest"_s, Type::String, {}, true}},
              {{},
               [](const C &c, P p) { return c.newGameRefusal(p); },
               [](C &c, P p, Origin o) { c.newGame(p, o); }}),
        named(u"timeout.start"_s, {team()},
              {{},
               [](const C &c, P p) {
                   return c.m_game.timeoutTeam() == GameModel::Team(teamOf(p))
                              ? Outcome{}
                              : c.timeoutRefusal(teamOf(p));
               },
               [](C &c, P p, Origin o) {
                   const auto team = GameModel::Team(teamOf(p));
                   if (c.m_game.timeoutTeam() != team)
                       c.step(
                           Action::Timeout, tr("Timeout %1").arg(c.caption(team)),
                           [team](GameModel &g) { g.takeTimeout(team); }, o);
               }}),
        named(u"timeout.end"_s, {team()},
              {{},
               [](const C &c, P p) {
                   const int team = teamOf(p);
                   return c.m_game.timeoutTeam() == GameModel::Team(team)
                              ? Outcome{}
                              : refused(tr("no timeout of %1 is running").arg(c.caption(team)));
               },
               [](C &c, P p, Origin o) {
                   const auto team = GameModel::Team(teamOf(p));
                   c.step(
                       Action::Timeout, tr("End the timeout of %1").arg(c.caption(team)),
                       [team](GameModel &g) { g.takeTimeout(team); }, o);
               }}),
        named(u"timeout.toggle"_s, {team()},
              {{},
               [](const C &c, P p) { return c.timeoutRefusal(teamOf(p)); },
               [](C &c, P p, Origin o) {
                   const auto team = GameModel::Team(teamOf(p));
                   const QString label = c.m_game.timeoutTeam() == team
                                             ? tr("End the timeout of %1").arg(c.caption(team))
                                             : tr("Timeout %1").arg(c.caption(team));
                   c.step(
                       Action::Timeout, label, [team](GameModel &g) { g.takeTimeout(team); }, o);
               }}),
        named(u"shotclock.reset"_s, {{u"short"_s, Type::Boolean, {}, true}},
              {{},
               [](const C &c, P p) { return c.shortRefusal(p.value(u"short"_s).toBool()); },
               [](C &c, P p, Origin o) {
                   if (p.value(u"short"_s).toBool())
                       c.step(
                           Action::ShotClockShort, tr("Short shot clock"),
                           [](GameModel &g) { g.shotClockPart().resetShort(); }, o);
                   else
                       c.step(
                           Action::ShotClockReset, tr("Reset the shot clock"),
                           [](GameModel &g) { g.shotClockPart().reset(); }, o);
               }}),
        named(u"shotclock.short"_s, {},
              {{},
               [](const C &c, P) { return c.shortRefusal(true); },
               [](C &c, P, Origin o) {
                   c.step(
                       Action::ShotClockShort, tr("Short shot clock"),
                       [](GameModel &g) { g.shotClockPart().resetShort(); }, o);
               }}),
        named(u"shotclock.hold"_s, {}, shotTo(false, QT_TR_NOOP("Hold the shot clock"))),
        named(u"shotclock.release"_s, {}, shotTo(true, QT_TR_NOOP("Release the shot clock"))),
        named(u"shotclock.start"_s, {}, shotTo(true, QT_TR_NOOP("Start the shot clock"))),
        named(u"shotclock.stop"_s, {}, shotTo(false, QT_TR_NOOP("Stop the shot clock"))),
        named(u"shotclock.toggle"_s, {},
              {{},
               [](const C &c, P) { return c.shotClockOff(); },
               [holdOrRelease](C &c, P, Origin o) {
                   c.step(Action::ShotClockHold, tr("Hold or release the shot clock"),
                          holdOrRelease, o);
               }}),
        named(u"shotclock.blank"_s, {},
              {{},
               [](const C &c, P) { return c.shotClockOff(); },
               [](C &c, P, Origin o) {
                   c.step(
                       Action::ShotClockBlank, tr("Shot clock dark"),
                       [](GameModel &g) { g.shotClockPart().blank(); }, o);
               }}),
        named(u"possession.home"_s, {}, arrowTo(GameModel::Home)),
        named(u"possession.guest"_s, {}, arrowTo(GameModel::Guest)),
        named(u"possession.switch"_s, {},
              {{},
               [](const C &c, P) { return c.shotClockOff(); },
               [](C &c, P, Origin o) {
                   c.step(
                       Action::Possession, tr("Switch the possession arrow"),
                       [](GameModel &g) { g.shotClockPart().switchPossession(); }, o);
               }}),
        named(u"point.home"_s, {},
              {{},
               [](const C &c, P) { return c.pointRefusal(); },
               [](C &c, P, Origin o) { c.point(GameModel::Home, o); }}),
        named(u"point.guest"_s, {},
              {{},
               [](const C &c, P) { return c.pointRefusal(); },
               [](C &c, P, Origin o) { c.point(GameModel::Guest, o); }}),
        named(u"serve.home"_s, {},
              {{},
               [](const C &c, P) { return c.serveRefusal(GameModel::Home); },
               [](C &c, P, Origin o) { c.serve(GameModel::Home, o); }}),
        named(u"serve.guest"_s, {},
              {{},
               [](const C &c, P) { return c.serveRefusal(GameModel::Guest); },
               [](C &c, P, Origin o) { c.serve(GameModel::Guest, o); }}),
        named(u"serve.switch"_s, {},
              {{},
               [](const C &c, P) { return c.serveRefusal(-1); },
               [](C &c, P, Origin o) { c.serve(-1, o); }}),
        named(u"foul.player"_s, {team(), player()},
              {{},
               [](const C &c, P) { return c.playersOff(); },
               [](C &c, P p, Origin o) {
                   const auto team = GameModel::Team(teamOf(p));
                   const QString number = *playerNumberOf(p.value(u"player"_s));
                   c.step(
                       Action::PlayerFoul, tr("Foul %1").arg(c.playerLabel(team, number)),
                       [team, number](GameModel &g) { g.playersPart().addFoul(team, number); }, o);
               }}),
        named(u"penalty.start"_s, {team(), player(), {u"seconds"_s, Type::Integer, {}}},
              {{},
               [](const C &c, P p) {
                   if (Outcome off = c.playersOff(); !off.isDone())
                       return off;
                   const QJsonValue seconds = p.value(u"seconds"_s);
                   const qint64 n = whole(seconds).value_or(1);
                   if (n < 1 || n * 1000 >= GameModel::LimitMs)
                       return malformed(tr("\"seconds\" is a whole number from 1 to %1")
                                            .arg(GameModel::LimitMs / 1000 - 1));
                   return Outcome{};
               },
               [](C &c, P p, Origin o) {
                   const auto team = GameModel::Team(teamOf(p));
                   const QString number = *playerNumberOf(p.value(u"player"_s));
                   const qint64 ms = *whole(p.value(u"seconds"_s)) * 1000;
                   c.step(
                       Action::Penalty, tr("Penalty %1").arg(c.playerLabel(team, number)),
                       [team, number, ms](GameModel &g) {
                           g.playersPart().addPenalty(team, number, ms);
                       },
                       o);
               }}),
        named(u"undo"_s, {},
              {{},
               [](const C &c, P) {
                   return c.m_history.stack().canUndo() ? Outcome{}
                                                        : refused(tr("nothing to undo"));
               },
               [](C &c, P, Origin o) { c.m_history.undo(o); }}),
        named(u"redo"_s, {},
              {{},
               [](const C &c, P) {
                   return c.m_history.stack().canRedo() ? Outcome{}
                                                        : refused(tr("nothing to redo"));
               },
               [](C &c, P, Origin o) { c.m_history.redo(o); }}),
        named(u"buzzer.sound"_s, {}, {{}, none, [](C &c, P, Origin) { emit c.buzzerRequested(); }}),
        named(u"buzzer.short"_s, {},
              {{}, none, [](C &c, P, Origin) { emit c.shortBuzzerRequested(); }}),
        named(u"sound.mute"_s, {},
              {{}, none, [](C &c, P, Origin) { emit c.muteToggleRequested(); }}),
    };
    return list;
}
