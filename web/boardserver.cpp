#include "web/boardserver.h"

#include "web/livechannel.h"
#include "web/pagelinks.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QTcpServer>
#include <QWebSocket>

const std::initializer_list<BoardServer::Page> BoardServer::Pages = {
    {"/", ":/web/index.html", "text/html; charset=utf-8"},
    {"/display", ":/web/display.html", "text/html; charset=utf-8"},
    {"/overlay", ":/web/overlay.html", "text/html; charset=utf-8"},
    {"/remote", ":/web/remote.html", "text/html; charset=utf-8"},
    {"/board.css", ":/web/board.css", "text/css; charset=utf-8"},
    {"/board.js", ":/web/board.js", "text/javascript; charset=utf-8"},
    {"/display.js", ":/web/display.js", "text/javascript; charset=utf-8"},
    {"/live.js", ":/web/live.js", "text/javascript; charset=utf-8"},
    {"/remote.js", ":/web/remote.js", "text/javascript; charset=utf-8"},
};

namespace {

QHttpServerResponse pageResponse(const BoardServer::Page &page)
{
    QFile file(QString::fromLatin1(page.resource));
    if (!file.open(QIODevice::ReadOnly))
        return QHttpServerResponse(QHttpServerResponse::StatusCode::InternalServerError);
    QHttpServerResponse response(QByteArray(page.mimeType), file.readAll());
    // Pages are small and change with the program: never served stale.
    response.setHeader("Cache-Control", "no-store");
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("Content-Security-Policy", "default-src 'self'; connect-src 'self'");
    return response;
}

} // namespace

BoardServer::BoardServer(LiveChannel &live, QObject *parent)
    : QObject(parent), m_live(live), m_links(new PageLinks)
{
    // The pages live in this static library; the linker would drop them
    // without a reference.
    Q_INIT_RESOURCE(web);
    m_thread.setObjectName(QStringLiteral("web server"));
    connect(&m_thread, &QThread::finished, m_links, &QObject::deleteLater);
    // Queued both ways, each in the order it was sent.
    connect(m_links, &PageLinks::opened, &m_live, &LiveChannel::pageOpened);
    connect(m_links, &PageLinks::received, &m_live, &LiveChannel::pageMessage);
    connect(m_links, &PageLinks::closed, &m_live, &LiveChannel::pageClosed);
    connect(&m_live, &LiveChannel::sendToPage, m_links, &PageLinks::send);
    connect(&m_live, &LiveChannel::sendToAll, m_links, &PageLinks::broadcast);
}

BoardServer::~BoardServer()
{
    close();
    if (!m_thread.isRunning()) {
        delete m_links;
        return;
    }
    // The links go with the thread's end (see the constructor).
    m_thread.quit();
    m_thread.wait();
}

bool BoardServer::listen(const QHostAddress &address, quint16 port)
{
    close();
    // Started with the first server: a board kept off the network has no
    // thread for it.
    if (!m_thread.isRunning()) {
        m_links->moveToThread(&m_thread);
        m_thread.start();
    }
    bool started = false;
    QMetaObject::invokeMethod(
        m_links, [&] { started = start(address, port); }, Qt::BlockingQueuedConnection);
    m_listening = started;
    return started;
}

void BoardServer::close()
{
    if (!m_listening)
        return;
    QMetaObject::invokeMethod(
        m_links, [this] { stop(); }, Qt::BlockingQueuedConnection);
    m_live.disconnectAll();
    m_listening = false;
    m_port = 0;
}

bool BoardServer::start(const QHostAddress &address, quint16 port)
{
    auto http = std::make_unique<QHttpServer>();
    auto *tcp = new QTcpServer(http.get());
    if (!tcp->listen(address, port)) {
        m_error = tcp->errorString();
        return false;
    }
    m_error.clear();
    m_address = address;
    m_port = tcp->serverPort();
    m_http = std::move(http);
    addRoutes();
    m_http->bind(tcp);
    connect(m_http.get(), &QHttpServer::newWebSocketConnection, m_links,
            [this] { takeWebSockets(); });
    return true;
}

void BoardServer::stop()
{
    m_links->closeAll();
    m_http.reset();
}

void BoardServer::addRoutes()
{
    for (const Page &page : Pages) {
        m_http->route(QString::fromLatin1(page.path), QHttpServerRequest::Method::Get,
                      [page] { return pageResponse(page); });
    }
    // Qt hands a WebSocket upgrade over only on a path that has a route; the
    // socket itself answers the handshake, so the route writes nothing.
    m_http->route(PageLinks::Path, QHttpServerRequest::Method::Get,
                  [](const QHttpServerRequest &, QHttpServerResponder &&) {});
}

void BoardServer::takeWebSockets()
{
    while (m_http && m_http->hasPendingWebSocketConnections())
        m_links->add(m_http->nextPendingWebSocketConnection());
}
