#include "web/remoteapi.h"

#include "game/commands.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/timesource.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"
#include "web/boardstate.h"
#include "web/livechannel.h"
#include "web/pinlock.h"

#include <QHash>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView V1{"/api/v1/"};
constexpr QByteArrayView EventsPath{"/api/v1/events"};

// The value of `token=` in a query, percent-decoded; empty without one.
QString tokenOfQuery(const QByteArray &query)
{
    for (const QByteArray &pair : query.split('&'))
        if (pair.startsWith("token="))
            return QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(6)));
    return {};
}

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
      m_time(time),
      m_commands(game, history, [&settings]() -> const Settings & { return settings.value(); })
{
    connect(&m_commands, &GameCommands::buzzerRequested, this, &RemoteApi::buzzerRequested);
    connect(&m_commands, &GameCommands::shortBuzzerRequested, this,
            &RemoteApi::shortBuzzerRequested);
    connect(&m_commands, &GameCommands::muteToggleRequested, this, &RemoteApi::muteToggleRequested);
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
    if (const QJsonObject console = m_consoleStatus ? m_consoleStatus() : QJsonObject();
        !console.isEmpty())
        state.insert(QStringLiteral("console"), console);
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
    QString tried = bearer ? QString::fromLatin1(authorization.mid(7).trimmed()) : QString();
    // A WebSocket in a browser cannot set a header: the events channel takes
    // the token in its address too.
    const bool events = request.path == EventsPath;
    const QString queryToken = events ? tokenOfQuery(request.query) : QString();
    if (tried.isEmpty())
        tried = queryToken;
    // An empty token (one set by hand, or not yet made) lets nobody in.
    if (settings.ApiToken.isEmpty() || !PinLock::sameText(tried, settings.ApiToken)) {
        if (!authorization.isEmpty() || !queryToken.isEmpty())
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
    // The events channel's socket is opened by the server once this allows it.
    if (events) {
        if (request.method != "GET")
            return refusal(405, tr("use GET"));
        HttpFront::Answer upgrade;
        upgrade.status = 101;
        return upgrade;
    }
    const QByteArray path = request.path.mid(V1.size());
    const bool head = request.method == "HEAD";
    // What is only read: the state and the list of commands.
    if (path == "state" || path == "commands") {
        if (request.method != "GET" && !head) {
            HttpFront::Answer answer = refusal(405, tr("use GET"));
            answer.headers.append(qMakePair(QByteArray("Allow"), QByteArray("GET, HEAD")));
            return answer;
        }
        return json(200, path == "state" ? state() : commandList());
    }
    const QString commandId =
        path.startsWith("commands/") ? QString::fromUtf8(path.mid(9)) : QString();
    const auto action = actions().constFind(path);
    if (action == actions().cend() && !GameCommands::find(commandId))
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
    QString id = commandId;
    QJsonObject params = body;
    if (id.isEmpty()) {
        for (const QString &field : body.keys())
            if (!action->contains(field))
                return refusal(400, tr("\"%1\" is not a field of this call").arg(field));
        if (const Outcome outcome = commandOfRoute(path, body, id, params); outcome.status != 200)
            return refusal(outcome.status, outcome.reason);
    }
    const Outcome outcome = run(id, params);
    if (outcome.status != 200)
        return refusal(outcome.status, outcome.reason);
    if (m_save)
        m_save();
    return json(200, state());
}

// The command a short route stands for, with the parameters its path names
// and its body carries; a body that fits no command is answered here.
RemoteApi::Outcome RemoteApi::commandOfRoute(const QByteArray &path, QJsonObject body, QString &id,
                                             QJsonObject &params) const
{
    static const QHash<QByteArray, QString> plain{{"clock/start", u"clock.start"_s},
                                                  {"clock/stop", u"clock.stop"_s},
                                                  {"clock/toggle", u"clock.toggle"_s},
                                                  {"clock/reset", u"clock.reset"_s},
                                                  {"clock", u"clock.set"_s},
                                                  {"buzzer", u"buzzer.sound"_s},
                                                  {"undo", u"undo"_s},
                                                  {"redo", u"redo"_s},
                                                  {"period/next", u"period.next"_s},
                                                  {"period/previous", u"period.previous"_s},
                                                  {"break/skip", u"break.skip"_s},
                                                  {"game/new", u"game.new"_s},
                                                  {"shotclock/reset", u"shotclock.reset"_s},
                                                  {"shotclock/start", u"shotclock.start"_s},
                                                  {"shotclock/stop", u"shotclock.stop"_s},
                                                  {"shotclock/toggle", u"shotclock.toggle"_s},
                                                  {"point/home", u"point.home"_s},
                                                  {"point/guest", u"point.guest"_s}};
    params = body;
    if (const auto it = plain.constFind(path); it != plain.cend()) {
        id = *it;
        return {};
    }
    const QList<QByteArray> parts = path.split('/');
    const QString team = QString::fromLatin1(parts.value(1));
    if (parts.first() == "score") {
        const bool add = body.contains(u"add"_s);
        if (add == body.contains(u"set"_s))
            return {400, tr("give either \"add\" or \"set\"")};
        if (!add && body.contains(u"player"_s))
            return {400, tr("a player goes with \"add\"")};
        id = add ? u"score.add"_s : u"score.set"_s;
        params.insert(u"team"_s, team);
        params.insert(u"section"_s, parts.value(2).toInt());
        return {};
    }
    if (parts.first() == "timeout" || parts.first() == "foul" || parts.first() == "penalty") {
        id = parts.first() == "timeout" ? u"timeout.toggle"_s
             : parts.first() == "foul"  ? u"foul.player"_s
                                        : u"penalty.start"_s;
        params.insert(u"team"_s, team);
        return {};
    }
    // The arrow and the first server: to a team, or switched.
    const QJsonValue to = body.take(u"team"_s);
    const QString what = path == "possession" ? u"possession"_s : u"serve"_s;
    if (to.isUndefined()) {
        id = what + u".switch"_s;
    } else if (to == u"home"_s || to == u"guest"_s) {
        id = what + u'.' + to.toString();
    } else {
        return {400, tr("\"team\" is \"home\" or \"guest\"")};
    }
    params = body;
    return {};
}

RemoteApi::Outcome RemoteApi::run(const QString &id, const QJsonObject &params)
{
    const GameCommands::Outcome outcome = m_commands.run(id, params, GameHistory::Origin::Remote);
    switch (outcome.refusal) {
    case GameCommands::Refusal::None:
        return {};
    case GameCommands::Refusal::NotNow:
        return {409, outcome.why};
    case GameCommands::Refusal::Malformed:
        break;
    }
    return {400, outcome.why};
}

// Every command with its parameters, and whether it can be done now.
QJsonObject RemoteApi::commandList() const
{
    static const char *const typeNames[] = {"integer", "string", "boolean", "clock", "string"};
    QJsonArray list;
    for (const GameCommands::Command &command : GameCommands::table()) {
        QJsonObject params;
        for (const GameCommands::Param &param : command.params) {
            QJsonObject described{{u"type"_s, QLatin1StringView(typeNames[int(param.type)])}};
            if (!param.values.isEmpty())
                described.insert(u"values"_s, param.values);
            if (param.optional)
                described.insert(u"optional"_s, true);
            params.insert(param.name, described);
        }
        const GameCommands::Outcome now = m_commands.availability(command.id);
        list.append(QJsonObject{{u"id"_s, command.id},
                                {u"params"_s, params},
                                {u"available"_s, now.isDone()},
                                {u"why"_s, now.isDone() ? QJsonValue() : QJsonValue(now.why)}});
    }
    return {{u"commands"_s, list}};
}
