#include "web/remoteapi.h"

#include "game/clockface.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/timesource.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"
#include "web/boardstate.h"
#include "web/livechannel.h"
#include "web/pinlock.h"
#include "web/playerstate.h"

#include <QHash>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

using Action = GameHistory::Action;

constexpr QByteArrayView V1{"/api/v1/"};

HttpFront::Answer json(int status, const QJsonObject &body)
{
    HttpFront::Answer answer;
    answer.status = status;
    answer.type = "application/json";
    answer.body = QJsonDocument(body).toJson(QJsonDocument::Compact);
    answer.headers = {{"Cache-Control", "no-store"}, {"X-Content-Type-Options", "nosniff"}};
    return answer;
}

HttpFront::Answer refusal(int status, const QString &reason)
{
    return json(status, {{QStringLiteral("error"), reason}});
}

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

// The POST paths there are, each with the fields its body may carry: a
// field of any other name is a mistake the caller should hear about, not a
// wish quietly ignored. Anything else is not found.
const QHash<QByteArray, QStringList> &actions()
{
    static const QHash<QByteArray, QStringList> table = [] {
        const QString add = QStringLiteral("add");
        const QString set = QStringLiteral("set");
        const QString player = QStringLiteral("player");
        const QString team = QStringLiteral("team");
        const QStringList none;
        const QStringList score{add, set, player};
        return QHash<QByteArray, QStringList>{
            {"clock/start", none},
            {"clock/stop", none},
            {"clock/toggle", none},
            {"clock/reset", none},
            {"clock", {QStringLiteral("value"), QStringLiteral("ms")}},
            {"buzzer", none},
            {"undo", none},
            {"redo", none},
            {"period/next", none},
            {"period/previous", none},
            {"break/skip", none},
            {"game/new", {QStringLiteral("home"), QStringLiteral("guest")}},
            {"score/home/1", score},
            {"score/home/2", score},
            {"score/guest/1", score},
            {"score/guest/2", score},
            {"timeout/home", none},
            {"timeout/guest", none},
            {"shotclock/reset", {QStringLiteral("short")}},
            {"shotclock/start", none},
            {"shotclock/stop", none},
            {"shotclock/toggle", none},
            {"possession", {team}},
            {"foul/home", {player}},
            {"foul/guest", {player}},
            {"penalty/home", {player, QStringLiteral("seconds")}},
            {"penalty/guest", {player, QStringLiteral("seconds")}},
            {"point/home", none},
            {"point/guest", none},
            {"serve", {team}}};
    }();
    return table;
}

} // namespace

RemoteApi::RemoteApi(GameModel &game, GameHistory &history, const CurrentSettings &settings,
                     const LiveChannel &live, const TimeSource &time, QObject *parent)
    : QObject(parent), m_game(game), m_history(history), m_settings(settings), m_live(live),
      m_time(time)
{
}

QString RemoteApi::newToken()
{
    static_assert(PinLock::SecretBits >= TokenBits);
    return PinLock::randomToken();
}

QJsonObject RemoteApi::state() const
{
    QJsonObject state = BoardState::snapshot(m_game, m_settings.value());
    state.insert(QStringLiteral("version"), Version);
    state.insert(QStringLiteral("seq"), m_live.sequence());
    state.insert(QStringLiteral("status"), QJsonObject{{QStringLiteral("saved"), m_saved},
                                                       {QStringLiteral("logged"), m_logged}});
    return state;
}

bool RemoteApi::isLockedOut(const QString &from)
{
    const auto it = m_strikes.find(from);
    if (it == m_strikes.end())
        return false;
    if (m_time.elapsedMs() - it->sinceMs >= LockoutMs) {
        m_strikes.erase(it);
        return false;
    }
    return it->count >= AllowedFailures;
}

void RemoteApi::strike(const QString &from)
{
    if (!m_strikes.contains(from) && m_strikes.size() >= MaxAddresses) {
        auto oldest = m_strikes.begin();
        for (auto it = m_strikes.begin(); it != m_strikes.end(); ++it)
            if (it->sinceMs < oldest->sinceMs)
                oldest = it;
        m_strikes.erase(oldest);
    }
    Strikes &strikes = m_strikes[from];
    if (strikes.count == 0)
        strikes.sinceMs = m_time.elapsedMs();
    ++strikes.count;
}

bool RemoteApi::isTooFast(const QString &from)
{
    const qint64 now = m_time.elapsedMs();
    if (!m_calls.contains(from) && m_calls.size() >= MaxAddresses)
        m_calls.removeIf([now](const auto &it) { return now - it.value().sinceMs >= 1000; });
    if (!m_calls.contains(from) && m_calls.size() >= MaxAddresses)
        m_calls.clear();
    Calls &calls = m_calls[from];
    if (now - calls.sinceMs >= 1000)
        calls = {now, 0};
    return ++calls.count > MaxCallsPerSecond;
}

HttpFront::Answer RemoteApi::answer(const HttpFront::Request &request)
{
    const Settings &settings = m_settings.value();
    if (settings.Api == 0)
        return refusal(404, tr("not found"));
    if (isLockedOut(request.from)) {
        const qint64 left =
            LockoutMs - (m_time.elapsedMs() - m_strikes.value(request.from).sinceMs);
        HttpFront::Answer answer = refusal(429, tr("too many wrong tokens; try again later"));
        answer.headers.append(qMakePair(QByteArray("Retry-After"),
                                        QByteArray(QByteArray::number((left + 999) / 1000))));
        return answer;
    }
    const QByteArray authorization = request.header("authorization");
    const bool bearer = authorization.size() > 7 &&
                        authorization.left(7).compare("Bearer ", Qt::CaseInsensitive) == 0;
    const QString tried = bearer ? QString::fromLatin1(authorization.mid(7).trimmed()) : QString();
    // An empty token (one set by hand, or not yet made) lets nobody in.
    if (settings.ApiToken.isEmpty() || !PinLock::sameText(tried, settings.ApiToken)) {
        if (!authorization.isEmpty())
            strike(request.from);
        HttpFront::Answer answer = refusal(401, tr("a valid bearer token is needed"));
        answer.headers.append(qMakePair(QByteArray("WWW-Authenticate"), QByteArray("Bearer")));
        return answer;
    }
    m_strikes.remove(request.from);
    if (isTooFast(request.from)) {
        HttpFront::Answer answer = refusal(429, tr("too many calls; slow down"));
        answer.headers.append(qMakePair(QByteArray("Retry-After"), QByteArray("1")));
        return answer;
    }

    if (!request.path.startsWith(V1))
        return refusal(404, tr("not found"));
    const QByteArray path = request.path.mid(V1.size());
    const bool head = request.method == "HEAD";
    if (path == "state") {
        if (request.method != "GET" && !head) {
            HttpFront::Answer answer = refusal(405, tr("use GET"));
            answer.headers.append(qMakePair(QByteArray("Allow"), QByteArray("GET, HEAD")));
            return answer;
        }
        return json(200, state());
    }
    const auto action = actions().constFind(path);
    if (action == actions().cend())
        return refusal(404, tr("not found"));
    if (request.method != "POST") {
        HttpFront::Answer answer = refusal(405, tr("use POST"));
        answer.headers.append(qMakePair(QByteArray("Allow"), QByteArray("POST")));
        return answer;
    }
    if (m_held) {
        HttpFront::Answer answer =
            refusal(503, tr("the operator has not yet said whether to resume the saved game"));
        answer.headers.append(qMakePair(QByteArray("Retry-After"), QByteArray("1")));
        return answer;
    }
    QJsonObject body;
    if (!request.body.trimmed().isEmpty()) {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(request.body, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            return refusal(400, tr("the body is not a JSON object"));
        body = document.object();
    }
    for (const QString &field : body.keys())
        if (!action->contains(field))
            return refusal(400, tr("\"%1\" is not a field of this call").arg(field));
    const Outcome outcome = act(path, body);
    if (outcome.status != 200)
        return refusal(outcome.status, outcome.reason);
    if (m_save)
        m_save();
    return json(200, state());
}

RemoteApi::Outcome RemoteApi::record(GameHistory::Action kind, const QString &text,
                                     const std::function<void(GameModel &)> &action,
                                     const QString &refusal)
{
    if (!refusal.isEmpty())
        return {409, refusal};
    m_history.perform(kind, text, action, GameHistory::Origin::Remote);
    return {};
}

RemoteApi::Outcome RemoteApi::act(const QByteArray &path, const QJsonObject &body)
{
    const GamePhase phase = m_game.phase();
    const QString notInPlay = phase == GamePhase::Final   ? tr("the game is over")
                              : phase == GamePhase::Break ? tr("the break runs by itself")
                                                          : QString();
    const bool atZero = !m_game.isRunning() && m_game.countsDown() && m_game.clockMs() <= 0;
    // Starting runs on a timeout that a resume brought back held.
    const QString cannotStart = m_game.isTimeoutHeld() ? QString()
                                : !notInPlay.isEmpty() ? notInPlay
                                : m_game.timeoutTeam() ? tr("a timeout is running")
                                : atZero               ? tr("the clock is at zero; reset or set it")
                                                       : QString();
    const auto startStop = [](GameModel &g) { g.startStop(); };
    if (path == "clock/start") {
        if (m_game.isRunning() && notInPlay.isEmpty())
            return {};
        return record(Action::ClockStartStop, tr("Start the clock from the API"), startStop,
                      cannotStart);
    }
    if (path == "clock/stop") {
        if (!m_game.isRunning() && notInPlay.isEmpty())
            return {};
        return record(Action::ClockStartStop, tr("Stop the clock from the API"), startStop,
                      notInPlay);
    }
    if (path == "clock/toggle")
        return record(Action::ClockStartStop, tr("Start or stop the clock from the API"), startStop,
                      m_game.isRunning() ? notInPlay : cannotStart);
    if (path == "clock/reset")
        return record(
            Action::ClockReset, tr("Reset the clock from the API"),
            [](GameModel &g) { g.resetClock(); }, notInPlay);
    if (path == "clock")
        return setClock(body);
    if (path.startsWith("score/"))
        return changeScore(path.mid(6), body);
    if (path == "buzzer") {
        emit buzzerRequested();
        return {};
    }
    if (path == "undo") {
        if (!m_history.stack().canUndo())
            return {409, tr("nothing to undo")};
        m_history.undo(GameHistory::Origin::Remote);
        return {};
    }
    if (path == "redo") {
        if (!m_history.stack().canRedo())
            return {409, tr("nothing to redo")};
        m_history.redo(GameHistory::Origin::Remote);
        return {};
    }
    const bool periods = m_game.structure().isOn();
    if (path == "period/next")
        return record(
            Action::PeriodNext, tr("Next period from the API"),
            [](GameModel &g) { g.nextPeriod(); },
            !periods                    ? tr("the game has no periods")
            : phase == GamePhase::Final ? tr("the game is over")
                                        : QString());
    if (path == "period/previous")
        return record(
            Action::PeriodPrevious, tr("Previous period from the API"),
            [](GameModel &g) { g.previousPeriod(); },
            !periods                                           ? tr("the game has no periods")
            : m_game.period() <= 1 && phase == GamePhase::Play ? tr("this is the first period")
                                                               : QString());
    if (path == "break/skip")
        return record(
            Action::BreakSkip, tr("Skip the break from the API"),
            [](GameModel &g) { g.skipBreak(); },
            phase == GamePhase::Break ? QString() : tr("there is no break to skip"));
    if (path.startsWith("timeout/"))
        return takeTimeout(path == "timeout/home" ? GameModel::Home : GameModel::Guest);
    if (path.startsWith("shotclock/") || path == "possession")
        return shotClockAction(path, body);
    if (path.startsWith("point/") || path == "serve")
        return setsAction(path, body);
    if (path == "game/new")
        return newGame(body);
    if (path.startsWith("foul/") || path.startsWith("penalty/"))
        return playerAction(path, body);
    return {404, tr("not found")};
}

// A name from the library gives its team, any other text is a plain caption;
// a side not named keeps who plays there.
RemoteApi::Outcome RemoteApi::newGame(const QJsonObject &body)
{
    GameSides sides = m_game.sides();
    const QLatin1StringView keys[] = {QLatin1StringView("home"), QLatin1StringView("guest")};
    const bool named = body.contains(keys[0]) || body.contains(keys[1]);
    const QList<Team> library = named ? TeamLibrary::load(m_teamFolder) : QList<Team>();
    for (int side = 0; side < 2; ++side) {
        const QJsonValue value = body.value(keys[side]);
        if (value.isUndefined())
            continue;
        if (!value.isString())
            return {400, tr("%1 must be a text").arg(keys[side])};
        if (value.toString().size() > SettingsLimits::TeamTextLength &&
            !TeamLibrary::find(library, value.toString()))
            return {400, tr("%1 is longer than %2 characters")
                             .arg(keys[side])
                             .arg(SettingsLimits::TeamTextLength)};
        sides.at(side) = sideNamed(value.toString(), library, m_teamFolder);
    }
    // The teams first, so that the new game's log begins with them.
    m_game.setSides(sides);
    return record(
        Action::NewGame, tr("New game from the API"), [](GameModel &g) { g.newGame(); }, QString());
}

RemoteApi::Outcome RemoteApi::takeTimeout(GameModel::Team team)
{
    using Refusal = GameModel::TimeoutRefusal;
    const Refusal refusal = m_game.timeoutRefusal(team);
    const QString reason = refusal == Refusal::NoTimeouts  ? tr("the game has no timeouts")
                           : refusal == Refusal::NotInPlay ? tr("only during play")
                           : refusal == Refusal::OtherRunning
                               ? tr("the other team's timeout is running")
                           : refusal == Refusal::NoneLeft ? tr("no timeouts left")
                                                          : QString();
    const bool ending = m_game.timeoutTeam() == team;
    return record(
        Action::Timeout, ending ? tr("End the timeout from the API") : tr("Timeout from the API"),
        [team](GameModel &g) { g.takeTimeout(team); }, reason);
}

RemoteApi::Outcome RemoteApi::setClock(const QJsonObject &body)
{
    const QJsonValue value = body.value(QStringLiteral("value"));
    const QJsonValue ms = body.value(QStringLiteral("ms"));
    if (value.isUndefined() == ms.isUndefined())
        return {400, tr("give either \"value\" (minutes.seconds) or \"ms\"")};
    QString refusal = m_game.phase() == GamePhase::Play ? QString() : tr("only during play");
    if (!value.isUndefined()) {
        if (!value.isString() || !BoardState::isClockText(value.toString()))
            return {400, tr("\"value\" is minutes.seconds, from \"0\" to \"99.59\"")};
        const qint16 seconds = ClockFace::typedSeconds(value.toString());
        return record(
            Action::ClockSet, tr("Set the clock from the API"),
            [seconds](GameModel &g) { g.enterClockTime(seconds); }, refusal);
    }
    const std::optional<qint64> n = whole(ms);
    if (!n || *n < 0 || *n >= GameModel::LimitMs)
        return {400, tr("\"ms\" is a whole number from 0 to %1").arg(GameModel::LimitMs - 1)};
    const qint64 to = *n;
    const qint64 now = m_time.elapsedMs();
    return record(
        Action::ClockSet, tr("Set the clock from the API"),
        [to, now](GameModel &g) {
            // The clock runs on from the new value if it was running.
            GameState state = g.state();
            state.clockMs = to;
            state.runStartMs = now;
            state.takenAtMs = now;
            state.faceBlank = false;
            g.restore(state);
        },
        refusal);
}

RemoteApi::Outcome RemoteApi::changeScore(const QByteArray &which, const QJsonObject &body)
{
    const QList<QByteArray> parts = which.split('/');
    const bool home = parts.value(0) == "home";
    const int section = parts.value(1) == "2" ? 1 : 0;
    const int index = section * 2 + (home ? 0 : 1);
    const QJsonValue add = body.value(QStringLiteral("add"));
    const QJsonValue set = body.value(QStringLiteral("set"));
    if (add.isUndefined() == set.isUndefined())
        return {400, tr("give either \"add\" or \"set\"")};
    const std::optional<qint64> n = whole(add.isUndefined() ? set : add);
    if (!n)
        return {400, tr("the score change is a whole number")};
    const auto change =
        add.isUndefined() ? GameModel::ScoreChange::Set : GameModel::ScoreChange::Add;
    if (const QString refusal = m_game.scoreRefusal(index, change, *n); !refusal.isEmpty())
        return {409, refusal};
    const qint64 to = add.isUndefined() ? *n : m_game.score(index).value_or(0) + *n;
    const int value = int(to);
    if (const QJsonValue player = body.value(QStringLiteral("player")); !player.isUndefined()) {
        if (!m_game.hasPlayers())
            return playersOff();
        const std::optional<QString> number = BoardState::playerNumberOf(player);
        if (!number)
            return {400, tr("\"player\" is a number of one or two digits")};
        if (add.isUndefined())
            return {400, tr("a player goes with \"add\"")};
        const int delta = int(*n);
        return record(
            Action::ScoreAdd, tr("Change score from the API"),
            [index, delta, number](GameModel &g) { g.addToScoreBy(index, delta, *number); },
            QString());
    }
    return record(
        add.isUndefined() ? Action::ScoreSet : Action::ScoreAdd, tr("Change score from the API"),
        [index, value](GameModel &g) { g.setScore(index, value); }, QString());
}

RemoteApi::Outcome RemoteApi::shotClockAction(const QByteArray &path, const QJsonObject &body)
{
    if (!m_game.hasShotClock())
        return {409, tr("the shot clock is off")};
    if (path == "possession")
        return setPossession(body);
    const ShotClockState &shot = m_game.shotClock();
    const auto holdOrRelease = [](GameModel &g) { g.holdOrReleaseShotClock(); };
    // Linked, the shot clock is held or follows the game clock; unlinked,
    // it simply runs or stands, like the key says.
    const bool going = m_game.shotClockRules().linked ? !shot.held : shot.running;
    if (path == "shotclock/start") {
        if (going)
            return {};
        return record(Action::ShotClockHold, tr("Start the shot clock from the API"), holdOrRelease,
                      QString());
    }
    if (path == "shotclock/stop") {
        if (!going)
            return {};
        return record(Action::ShotClockHold, tr("Stop the shot clock from the API"), holdOrRelease,
                      QString());
    }
    if (path == "shotclock/toggle")
        return record(Action::ShotClockHold, tr("Start or stop the shot clock from the API"),
                      holdOrRelease, QString());
    const QJsonValue isShort = body.value(QStringLiteral("short"));
    if (!isShort.isUndefined() && !isShort.isBool())
        return {400, tr("\"short\" is true or false")};
    if (!isShort.toBool())
        return record(
            Action::ShotClockReset, tr("Reset the shot clock from the API"),
            [](GameModel &g) { g.resetShotClock(); }, QString());
    return record(
        Action::ShotClockShort, tr("Short shot clock from the API"),
        [](GameModel &g) { g.resetShotClockShort(); },
        m_game.shotClockRules().shortMs > 0 ? QString() : tr("the shot clock has no short length"));
}

RemoteApi::Outcome RemoteApi::setsAction(const QByteArray &path, const QJsonObject &body)
{
    if (!m_game.playsSets())
        return {409, tr("the game is not played in sets")};
    if (path == "serve")
        return setFirstServer(body);
    const auto team = path == "point/home" ? GameModel::Home : GameModel::Guest;
    return record(
        Action::Point, tr("Point from the API"), [team](GameModel &g) { g.addPoint(team); },
        m_game.pointRefusal() == GameModel::PointRefusal::Final ? tr("the match is over")
                                                                : QString());
}

RemoteApi::Outcome RemoteApi::setFirstServer(const QJsonObject &body)
{
    const QJsonValue team = body.value(QStringLiteral("team"));
    if (!team.isUndefined() && team != u"home"_s && team != u"guest"_s)
        return {400, tr("\"team\" is \"home\" or \"guest\"")};
    const int to = team == u"guest"_s ? GameModel::Guest : GameModel::Home;
    if (!team.isUndefined() && m_game.sets().firstServer == to)
        return {};
    return record(
        Action::FirstServer, tr("Switch the first server from the API"),
        [](GameModel &g) { g.switchFirstServer(); },
        m_game.canSwitchFirstServer() ? QString() : tr("the set has begun"));
}

RemoteApi::Outcome RemoteApi::setPossession(const QJsonObject &body)
{
    const QJsonValue team = body.value(QStringLiteral("team"));
    if (team.isUndefined())
        return record(
            Action::Possession, tr("Switch the possession arrow from the API"),
            [](GameModel &g) { g.switchPossession(); }, QString());
    if (team != u"home"_s && team != u"guest"_s)
        return {400, tr("\"team\" is \"home\" or \"guest\"")};
    const Possession to = team == u"home"_s ? Possession::Home : Possession::Guest;
    if (m_game.possession() == to)
        return {};
    return record(
        Action::Possession, tr("Set the possession arrow from the API"),
        [to](GameModel &g) { g.setPossession(to); }, QString());
}

RemoteApi::Outcome RemoteApi::playersOff() const
{
    if (m_game.playsSets())
        return {409, tr("a match in sets has no players' fouls or penalties")};
    return {409, tr("the players are off")};
}

RemoteApi::Outcome RemoteApi::playerAction(const QByteArray &path, const QJsonObject &body)
{
    if (!m_game.hasPlayers())
        return playersOff();
    const GameModel::Team team = path.endsWith("/home") ? GameModel::Home : GameModel::Guest;
    const std::optional<QString> number =
        BoardState::playerNumberOf(body.value(QStringLiteral("player")));
    if (!number)
        return {400, tr("\"player\" is a number of one or two digits")};
    if (path.startsWith("foul/"))
        return record(
            Action::PlayerFoul, tr("Player's foul from the API"),
            [team, number](GameModel &g) { g.addPlayerFoul(team, *number); }, QString());
    const std::optional<qint64> seconds = whole(body.value(QStringLiteral("seconds")));
    if (!seconds || *seconds < 1 || *seconds * 1000 >= GameModel::LimitMs)
        return {
            400,
            tr("\"seconds\" is a whole number from 1 to %1").arg(GameModel::LimitMs / 1000 - 1)};
    const qint64 ms = *seconds * 1000;
    return record(
        Action::Penalty, tr("Penalty from the API"),
        [team, number, ms](GameModel &g) { g.addPenalty(team, *number, ms); }, QString());
}
