#include "hall/hallservice.h"

#include "hall/hallfeed.h"
#include "hall/hallpages.h"
#include "web/httpfront.h"
#include "web/pagelinks.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
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
        if (auto answer = HallPages::answer(request, m_feed, m_schedule))
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
    return message(
        {{QStringLiteral("type"), QStringLiteral("hall")}, {QStringLiteral("courts"), courts}});
}

QByteArray HallService::courtMessage(const QString &court) const
{
    const std::optional<HallFeed::Court> c = m_feed.court(court);
    if (!c)
        return {};
    return message({{QStringLiteral("type"), QStringLiteral("court")},
                    {QStringLiteral("court"), HallFeed::courtJson(*c)}});
}
