#include "web/boardserver.h"

#include "web/eventschannel.h"
#include "web/httpfront.h"
#include "web/livechannel.h"
#include "web/pagelinks.h"
#include "web/pagetexts.h"
#include "web/remoteapi.h"
#include "web/reportpage.h"

#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "teams/imagefile.h"
#include "teams/sponsorslides.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QWaitCondition>
#include <QWebSocket>
#include <QWebSocketServer>

const std::initializer_list<BoardServer::Page> BoardServer::Pages = {
    {"/", ":/web/index.html", "text/html; charset=utf-8"},
    {"/display", ":/web/display.html", "text/html; charset=utf-8"},
    {"/overlay", ":/web/overlay.html", "text/html; charset=utf-8"},
    {"/remote", ":/web/remote.html", "text/html; charset=utf-8"},
    {"/shotclock", ":/web/shotclock.html", "text/html; charset=utf-8"},
    {"/announcer", ":/web/announcer.html", "text/html; charset=utf-8"},
    {"/announcer.js", ":/web/announcer.js", "text/javascript; charset=utf-8"},
    {"/board.css", ":/web/board.css", "text/css; charset=utf-8"},
    {"/board.js", ":/web/board.js", "text/javascript; charset=utf-8"},
    {"/display.js", ":/web/display.js", "text/javascript; charset=utf-8"},
    {"/live.js", ":/web/live.js", "text/javascript; charset=utf-8"},
    {"/remote.js", ":/web/remote.js", "text/javascript; charset=utf-8"},
    {"/texts.js", ":/web/texts.js", "text/javascript; charset=utf-8"},
    {"/teambands.js", ":/web/teambands.js", "text/javascript; charset=utf-8"},
};

namespace {

// The pages' words in the language the browser asks for.
HttpFront::Answer textsAnswer(const HttpFront::Request &request)
{
    const QByteArray accepted = request.header("accept-language");
    const QString language = pageLanguage(accepted, request.query);
    HttpFront::Answer answer;
    answer.type = "application/json";
    answer.body = pageTexts(accepted, request.query);
    answer.headers = {{"Cache-Control", "no-store"},
                      {"X-Content-Type-Options", "nosniff"},
                      {"Content-Language", language.isEmpty() ? "en" : language.toLatin1()},
                      {"Vary", "Accept-Language"}};
    return answer;
}

// A picture of a team or a sponsor, served as what its content is and under
// a policy that runs nothing: an SVG opened on its own is a document of the
// board's address, and a script in it must not run there.
HttpFront::Answer pictureAnswer(const QString &path)
{
    HttpFront::Answer answer;
    answer.status = 404;
    answer.headers = {
        {"Cache-Control", "no-store"},
        {"X-Content-Type-Options", "nosniff"},
        {"Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'; sandbox"}};
    QFile file(path);
    // What the board would refuse to show, no page gets either.
    if (path.isEmpty() || !ImageFile::refusal(path).isEmpty() || !file.open(QIODevice::ReadOnly))
        return answer;
    answer.status = 200;
    answer.type = ImageFile::mimeType(ImageFile::format(path));
    answer.body = file.read(ImageFile::MaxBytes);
    return answer;
}

// The sponsors' pictures the board shows, by number: /sponsors.json counts
// them, /sponsors/N is the picture itself. Each is checked again as it is
// served, since the folder may change under the board.
HttpFront::Answer sponsorsAnswer(const HttpFront::Request &request)
{
    const QStringList paths = SponsorSlides::shownPaths(SponsorSlides::defaultFolder());
    HttpFront::Answer answer;
    answer.headers = {{"Cache-Control", "no-store"}, {"X-Content-Type-Options", "nosniff"}};
    if (request.path == "/sponsors.json") {
        answer.type = "application/json";
        answer.body = QJsonDocument(QJsonObject{{QStringLiteral("count"), paths.size()}})
                          .toJson(QJsonDocument::Compact);
        return answer;
    }
    bool ok = false;
    const int number = QString::fromLatin1(request.path.mid(10)).toInt(&ok);
    return pictureAnswer(ok && number >= 0 && number < paths.size() ? paths.at(number) : QString());
}

HttpFront::Answer pageAnswer(const HttpFront::Request &request)
{
    if (request.path == "/texts.json")
        return textsAnswer(request);
    if (request.path == "/sponsors.json" || request.path.startsWith("/sponsors/")) {
        // Checking the pictures reads their files: off the server's thread.
        HttpFront::Answer later;
        later.later = [request] { return sponsorsAnswer(request); };
        return later;
    }
    HttpFront::Answer answer;
    answer.status = 404;
    for (const BoardServer::Page &page : BoardServer::Pages) {
        if (request.path != page.path)
            continue;
        QFile file(QString::fromLatin1(page.resource));
        if (!file.open(QIODevice::ReadOnly)) {
            answer.status = 500;
            return answer;
        }
        answer.status = 200;
        answer.type = page.mimeType;
        answer.body = file.readAll();
        // Pages are small and change with the program: never served stale.
        answer.headers = {{"Cache-Control", "no-store"},
                          {"X-Content-Type-Options", "nosniff"},
                          {"Content-Security-Policy", "default-src 'self'; connect-src 'self'"}};
        const bool html = QByteArrayView(page.mimeType).startsWith("text/html");
        if (!html && request.path != "/texts.js")
            return answer;
        // In the browser's language from the first frame, not after a second request.
        const QString language = pageLanguage(request.header("accept-language"), request.query);
        answer.body =
            html ? translatedPage(answer.body, language) : textsScript(answer.body, language);
        answer.headers << qMakePair(QByteArray("Content-Language"),
                                    language.isEmpty() ? QByteArray("en") : language.toLatin1())
                       << qMakePair(QByteArray("Vary"), QByteArray("Accept-Language"));
    }
    return answer;
}

} // namespace

BoardServer::BoardServer(LiveChannel &live, QObject *parent)
    : QObject(parent), m_live(live), m_links(new PageLinks),
      m_eventLinks(new PageLinks(EventsChannel::Path, nullptr)),
      m_requestTimeoutMs(HttpFront::RequestTimeoutMs),
      m_keepAliveTimeoutMs(HttpFront::KeepAliveTimeoutMs), m_logFolder(GameLog::defaultFolder())
{
    // The pages live in this static library; the linker would drop them
    // without a reference.
    Q_INIT_RESOURCE(web);
    m_thread.setObjectName(QStringLiteral("web server"));
    m_eventsThread.setObjectName(QStringLiteral("web events"));
    connect(&m_thread, &QThread::finished, m_links, &QObject::deleteLater);
    connect(&m_eventsThread, &QThread::finished, m_eventLinks, &QObject::deleteLater);
    // Queued both ways, each in the order it was sent.
    connect(m_links, &PageLinks::opened, &m_live, &LiveChannel::pageOpened);
    connect(m_links, &PageLinks::received, &m_live, &LiveChannel::pageMessage);
    connect(m_links, &PageLinks::closed, &m_live, &LiveChannel::pageClosed);
    connect(&m_live, &LiveChannel::sendToPage, m_links, &PageLinks::send);
    connect(&m_live, &LiveChannel::sendToAll, m_links, &PageLinks::broadcast);
    connect(&m_live.game(), &GameModel::changed, this, &BoardServer::updateLogos);
    updateLogos();
}

// The server's thread reads the logos' files; the game is read here.
void BoardServer::updateLogos()
{
    const QMutexLocker lock(&m_logoMutex);
    for (int side = 0; side < 2; ++side) {
        const std::optional<Team> &team = m_live.game().side(side).team;
        m_logos.at(side) = team ? team->logo : QString();
    }
}

std::optional<HttpFront::Answer> BoardServer::logoAnswer(const HttpFront::Request &request) const
{
    const bool home = request.path == "/logo/home";
    if (!home && request.path != "/logo/guest")
        return std::nullopt;
    QString path;
    {
        const QMutexLocker lock(&m_logoMutex);
        path = m_logos.at(home ? 0 : 1);
    }
    return pictureAnswer(path);
}

BoardServer::~BoardServer()
{
    close();
    if (!m_thread.isRunning()) {
        delete m_links;
        delete m_eventLinks;
        return;
    }
    // The links go with their threads' end (see the constructor).
    m_thread.quit();
    m_eventsThread.quit();
    m_thread.wait();
    m_eventsThread.wait();
}

bool BoardServer::listen(const QHostAddress &address, quint16 port)
{
    close();
    // Started with the first server: a board kept off the network has no
    // thread for it.
    if (!m_thread.isRunning()) {
        m_links->moveToThread(&m_thread);
        m_eventLinks->moveToThread(&m_eventsThread);
        m_thread.start();
        m_eventsThread.start();
    }
    // Ready before the first upgrade can reach it.
    QMetaObject::invokeMethod(
        m_eventLinks, [this] { startEvents(); }, Qt::BlockingQueuedConnection);
    bool started = false;
    QMetaObject::invokeMethod(
        m_links, [&] { started = start(address, port); }, Qt::BlockingQueuedConnection);
    if (!started)
        QMetaObject::invokeMethod(
            m_eventLinks, [this] { stopEvents(); }, Qt::BlockingQueuedConnection);
    m_listening = started;
    return started;
}

void BoardServer::close()
{
    if (!m_listening)
        return;
    QMetaObject::invokeMethod(
        m_links, [this] { stop(); }, Qt::BlockingQueuedConnection);
    // After the server: a socket it passed on before it stopped is queued
    // ahead of this, and so is not left behind.
    QMetaObject::invokeMethod(
        m_eventLinks, [this] { stopEvents(); }, Qt::BlockingQueuedConnection);
    m_live.disconnectAll();
    if (m_events)
        m_events->disconnectAll();
    m_listening = false;
    m_port = 0;
}

void BoardServer::setEvents(EventsChannel *events)
{
    m_events = events;
    connect(m_eventLinks, &PageLinks::opened, events,
            [events](quint64 page) { events->pageOpened(page); });
    connect(m_eventLinks, &PageLinks::closed, events, &EventsChannel::pageClosed);
    connect(events, &EventsChannel::sendToPage, m_eventLinks, &PageLinks::send);
    connect(events, &EventsChannel::sendToAll, m_eventLinks, &PageLinks::broadcast);
    connect(events, &EventsChannel::closeAllRequested, m_eventLinks, &PageLinks::closeAll);
}

void BoardServer::setTimeouts(int requestMs, int keepAliveMs)
{
    m_requestTimeoutMs = requestMs;
    m_keepAliveTimeoutMs = keepAliveMs;
    if (!m_listening)
        return;
    QMetaObject::invokeMethod(
        m_links,
        [this] {
            m_http->setTimeouts(m_requestTimeoutMs, m_keepAliveTimeoutMs);
            m_sockets->setHandshakeTimeout(m_requestTimeoutMs);
        },
        Qt::BlockingQueuedConnection);
    QMetaObject::invokeMethod(
        m_eventLinks, [this] { m_eventSockets->setHandshakeTimeout(m_requestTimeoutMs); },
        Qt::BlockingQueuedConnection);
}

void BoardServer::setConnectionLimits(int perAddress, int total)
{
    m_limits = {perAddress, total};
    if (m_listening)
        QMetaObject::invokeMethod(
            m_links, [this] { m_http->setConnectionLimits(m_limits.first, m_limits.second); },
            Qt::BlockingQueuedConnection);
}

void BoardServer::setExtraHostNames(const QStringList &names)
{
    m_hostNames = names;
    if (m_listening)
        QMetaObject::invokeMethod(
            m_links, [this] { m_http->setExtraHostNames(m_hostNames); },
            Qt::BlockingQueuedConnection);
}

int BoardServer::connectionCount() const
{
    if (!m_listening)
        return 0;
    int count = 0;
    QMetaObject::invokeMethod(
        m_links, [&] { count = m_http->connectionCount(); }, Qt::BlockingQueuedConnection);
    return count;
}

void BoardServer::setGameLogFolder(const QString &folder)
{
    if (!m_listening) {
        m_logFolder = folder;
        return;
    }
    QMetaObject::invokeMethod(
        m_links, [this, folder] { m_logFolder = folder; }, Qt::BlockingQueuedConnection);
}

bool BoardServer::start(const QHostAddress &address, quint16 port)
{
    auto http = std::make_unique<HttpFront>();
    if (!http->listen(address, port)) {
        m_error = http->errorString();
        return false;
    }
    m_error.clear();
    m_address = address;
    m_port = http->serverPort();
    const auto pages = [this](const HttpFront::Request &request) {
        if (auto report = reportLater(request, m_logFolder))
            return *report;
        if (auto logo = logoAnswer(request))
            return *logo;
        return pageAnswer(request);
    };
    if (m_api) {
        http->setAnyMethodPrefix(QByteArray(RemoteApi::Prefix.data(), RemoteApi::Prefix.size()));
        http->setHandler([this, pages](const HttpFront::Request &request) {
            return request.path.startsWith(RemoteApi::Prefix.data()) ? askApi(request)
                                                                     : pages(request);
        });
    } else {
        http->setHandler(pages);
    }
    http->setUpgradePath(PageLinks::Path.toLatin1());
    if (m_api && m_events)
        http->setGatedUpgradePath(
            EventsChannel::Path.toLatin1(),
            [this](const HttpFront::Request &request) { return askApi(request); });
    http->setTimeouts(m_requestTimeoutMs, m_keepAliveTimeoutMs);
    http->setExtraHostNames(m_hostNames);
    if (m_limits.first > 0)
        http->setConnectionLimits(m_limits.first, m_limits.second);
    m_sockets = new QWebSocketServer(QStringLiteral("Corvella"), QWebSocketServer::NonSecureMode,
                                     http.get());
    m_sockets->setHandshakeTimeout(m_requestTimeoutMs);
    connect(http.get(), &HttpFront::upgrade, m_sockets, &QWebSocketServer::handleConnection);
    connect(http.get(), &HttpFront::gatedUpgrade, m_links,
            [this](QTcpSocket *socket) { passToEvents(socket); });
    connect(m_sockets, &QWebSocketServer::newConnection, m_links, [this] { takeWebSockets(); });
    m_http = std::move(http);
    return true;
}

void BoardServer::stop()
{
    m_links->closeAll();
    m_http.reset();
    m_sockets = nullptr;
}

void BoardServer::takeWebSockets()
{
    while (m_sockets && m_sockets->hasPendingConnections())
        m_links->add(std::unique_ptr<QWebSocket>(m_sockets->nextPendingConnection()));
}

// An events client let in by the API: its socket goes to the events thread
// before its handshake is read. Moved with it are everything it holds (its
// notifiers, its timers); a QWebSocket cannot take its socket along later.
void BoardServer::passToEvents(QTcpSocket *socket)
{
    socket->setParent(nullptr);
    socket->moveToThread(&m_eventsThread);
    QMetaObject::invokeMethod(
        m_eventLinks,
        [this, socket] {
            if (!m_eventSockets) {
                delete socket;
                return;
            }
            // Owned by the handshakes' server until its QWebSocket takes it:
            // one still shaking hands goes when the server stops.
            socket->setParent(m_eventSockets);
            m_eventSockets->handleConnection(socket);
        },
        Qt::QueuedConnection);
}

void BoardServer::startEvents()
{
    m_eventSockets = new QWebSocketServer(QStringLiteral("Corvella"),
                                          QWebSocketServer::NonSecureMode, m_eventLinks);
    m_eventSockets->setHandshakeTimeout(m_requestTimeoutMs);
    connect(m_eventSockets, &QWebSocketServer::newConnection, m_eventLinks,
            [this] { takeEventSockets(); });
}

void BoardServer::stopEvents()
{
    m_eventLinks->closeAll();
    delete m_eventSockets;
    m_eventSockets = nullptr;
}

void BoardServer::takeEventSockets()
{
    while (m_eventSockets && m_eventSockets->hasPendingConnections())
        m_eventLinks->add(std::unique_ptr<QWebSocket>(m_eventSockets->nextPendingConnection()));
}

HttpFront::Answer BoardServer::askApi(const HttpFront::Request &request) const
{
    // Shared with the main thread, which may answer after this side gave up.
    struct Pending
    {
        QMutex mutex;
        QWaitCondition ready;
        bool done = false;
        bool gaveUp = false;
        HttpFront::Answer answer;
    };
    auto pending = std::make_shared<Pending>();
    // Dropped unrun if the API object is gone by then.
    QMetaObject::invokeMethod(
        m_api,
        [api = m_api, request, pending] {
            // Held throughout: the action happens only if its answer goes out.
            QMutexLocker lock(&pending->mutex);
            if (pending->gaveUp)
                return;
            pending->answer = api->answer(request);
            pending->done = true;
            pending->ready.wakeOne();
        },
        Qt::QueuedConnection);
    // The main thread may itself be waiting on this one (a restart of the
    // server): a bounded wait keeps the two from holding each other.
    const QDeadlineTimer deadline(ApiWaitMs);
    QMutexLocker lock(&pending->mutex);
    while (!pending->done)
        if (!pending->ready.wait(&pending->mutex, deadline))
            break;
    if (pending->done)
        return std::move(pending->answer);
    pending->gaveUp = true;
    HttpFront::Answer busy;
    busy.status = 503;
    busy.headers = {{"Retry-After", "1"}};
    return busy;
}
