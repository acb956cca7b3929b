#include "hall/hallservice.h"

#include "hall/hallfeed.h"
#include "hall/hallpages.h"
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
