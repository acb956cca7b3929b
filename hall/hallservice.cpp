#include "hall/hallservice.h"

#include "hall/hallfeed.h"
#include "hall/hallpages.h"
#include "hall/schedule.h"
#include "web/httpfront.h"
#include "web/pagelinks.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrlQuery>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {

// Every message carries the hall's time, so that a page whose computer's
// clock is off still runs the courts' clocks on from their `at`.
QByteArray message(QJsonObject body)
{
    body.insert(QStringLiteral("now"), QDateTime::currentMSecsSinceEpoch());
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

HttpFront::Answer caCertificate(const QString &path)
{
    HttpFront::Answer answer;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        answer.status = 404;
        return answer;
    }
    answer.type = "application/x-x509-ca-cert";
    answer.body = file.read(64 * 1024);
    return answer;
}

// A request that names no language gets the hall's, when one is set.
HttpFront::Request inLanguage(const HttpFront::Request &request, const QString &language)
{
    if (language.isEmpty() ||
        QUrlQuery(QString::fromLatin1(request.query)).hasQueryItem(QStringLiteral("lang")))
        return request;
    HttpFront::Request asked = request;
    asked.query += (asked.query.isEmpty() ? "lang=" : "&lang=") + language.toLatin1();
    return asked;
}

} // namespace

HallService::HallService(HallFeed &feed, QObject *parent)
    : QObject(parent), m_feed(feed), m_links(new PageLinks(this))
{
    Q_INIT_RESOURCE(hall);
    connect(m_links, &PageLinks::opened, this,
            [this](quint64 page) { m_links->send(page, QString::fromUtf8(snapshotMessage())); });
    connect(&m_feed, &HallFeed::courtChanged, this, [this](const QString &court) {
        m_links->broadcast(QString::fromUtf8(courtMessage(court)));
    });
    connect(&m_feed, &HallFeed::linkChanged, this,
            [this] { m_links->broadcast(QString::fromUtf8(linkMessage())); });
    // After the schedule has counted the result.
    connect(&m_feed, &HallFeed::resultsChanged, this,
            [this] { m_links->broadcast(QString::fromUtf8(dayMessage())); });
}

HallService::~HallService()
{
    m_links->closeAll();
}

bool HallService::listen(const QHostAddress &address, quint16 port)
{
    auto http = std::make_unique<HttpFront>();
    if (!http->listen(address, port)) {
        m_error = http->errorString();
        return false;
    }
    http->setHandler([this](const HttpFront::Request &request) {
        if (request.path == "/hall/ca.crt" && !m_caFile.isEmpty())
            return caCertificate(m_caFile);
        if (auto answer = HallPages::answer(inLanguage(request, m_language), m_feed, m_schedule))
            return *answer;
        HttpFront::Answer missing;
        missing.status = 404;
        return missing;
    });
    http->setUpgradePath(PageLinks::Path.toLatin1());
    m_sockets = new QWebSocketServer(QStringLiteral("Corvella hall"),
                                     QWebSocketServer::NonSecureMode, http.get());
    connect(http.get(), &HttpFront::upgrade, m_sockets, &QWebSocketServer::handleConnection);
    connect(m_sockets, &QWebSocketServer::newConnection, this, [this] {
        while (m_sockets->hasPendingConnections())
            m_links->add(std::unique_ptr<QWebSocket>(m_sockets->nextPendingConnection()));
    });
    m_http = std::move(http);
    return true;
}

quint16 HallService::port() const
{
    return m_http ? m_http->serverPort() : 0;
}

int HallService::pageCount() const
{
    return m_links->count();
}

QByteArray HallService::snapshotMessage() const
{
    QJsonArray courts;
    for (const HallFeed::Court &court : m_feed.courts())
        courts.append(HallFeed::courtJson(court));
    return message({{QStringLiteral("type"), QStringLiteral("hall")},
                    {QStringLiteral("courts"), courts},
                    {QStringLiteral("link"), linkJson()},
                    {QStringLiteral("day"), dayJson()}});
}

QByteArray HallService::linkMessage() const
{
    return message(
        {{QStringLiteral("type"), QStringLiteral("link")}, {QStringLiteral("link"), linkJson()}});
}

QByteArray HallService::dayMessage() const
{
    return message(
        {{QStringLiteral("type"), QStringLiteral("day")}, {QStringLiteral("day"), dayJson()}});
}

// The court's first game still to play, past the one it is playing now.
std::optional<ScheduledGame> HallService::nextToPlay(const QString &court) const
{
    const std::optional<HallFeed::Court> now = m_feed.court(court);
    const QJsonObject board = now ? now->state.value(u"board").toObject() : QJsonObject();
    const bool playing =
        now && now->state.value(u"clock").toObject().value(u"phase").toString() != u"final";
    bool first = true;
    for (const ScheduledGame &game : m_schedule->games()) {
        if (game.court != court || game.isDone())
            continue;
        const bool current = first && playing &&
                             game.nextGame().isBetween(board.value(u"home").toString(),
                                                       board.value(u"guest").toString());
        first = false;
        if (!current)
            return game;
    }
    return std::nullopt;
}

// {"up", "since": "HH:MM" while down}, the time as the hall's clock has it.
QJsonObject HallService::linkJson() const
{
    QJsonObject link{{QStringLiteral("up"), m_feed.isLinkUp()}};
    if (!m_feed.isLinkUp())
        link.insert(QStringLiteral("since"),
                    m_feed.linkDownSince().toString(QStringLiteral("HH:mm")));
    return link;
}

// {"next": [{"court", "time", "home", "guest"}], "standings": [{"group",
// "sets", "teams": [{"team", "played", "won", "lost", "score", "points"}]}]};
// empty lists without a schedule.
QJsonObject HallService::dayJson() const
{
    QJsonArray next;
    QJsonArray standings;
    if (m_schedule) {
        for (const QString &court : m_schedule->courts()) {
            if (const std::optional<ScheduledGame> game = nextToPlay(court))
                next.append(QJsonObject{
                    {QStringLiteral("court"), court},
                    {QStringLiteral("time"), game->time.toString(QStringLiteral("HH:mm"))},
                    {QStringLiteral("home"), game->home},
                    {QStringLiteral("guest"), game->guest}});
        }
        for (const QString &group : m_schedule->groups()) {
            const bool sets = m_schedule->playsInSets(group);
            QJsonArray teams;
            for (const Standing &team : m_schedule->standings(group)) {
                const QString score =
                    sets ? QStringLiteral("%1:%2").arg(team.setsWon).arg(team.setsLost)
                         : QStringLiteral("%1:%2").arg(team.scored).arg(team.conceded);
                teams.append(QJsonObject{{QStringLiteral("team"), team.team},
                                         {QStringLiteral("played"), team.played},
                                         {QStringLiteral("won"), team.won},
                                         {QStringLiteral("lost"), team.lost},
                                         {QStringLiteral("score"), score},
                                         {QStringLiteral("points"), team.points}});
            }
            standings.append(QJsonObject{{QStringLiteral("group"), group},
                                         {QStringLiteral("sets"), sets},
                                         {QStringLiteral("teams"), teams}});
        }
    }
    return {{QStringLiteral("next"), next}, {QStringLiteral("standings"), standings}};
}

QByteArray HallService::courtMessage(const QString &court) const
{
    const std::optional<HallFeed::Court> c = m_feed.court(court);
    if (!c)
        return {};
    return message({{QStringLiteral("type"), QStringLiteral("court")},
                    {QStringLiteral("court"), HallFeed::courtJson(*c)}});
}
