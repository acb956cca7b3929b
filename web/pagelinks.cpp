#include "web/pagelinks.h"

#include <QHostAddress>
#include <QList>
#include <QUrl>
#include <QWebSocket>

PageLinks::PageLinks(const QString &path, QObject *parent) : QObject(parent), m_path(path) {}

PageLinks::~PageLinks()
{
    closeAll();
}

bool PageLinks::isAcceptedOrigin(const QString &origin, const QUrl &requestUrl)
{
    if (origin.isEmpty())
        return true;
    const QUrl from(origin);
    return from.scheme() == u"http" && !from.host().isEmpty() &&
           from.host().compare(requestUrl.host(), Qt::CaseInsensitive) == 0 &&
           from.port(80) == requestUrl.port(80);
}

void PageLinks::add(std::unique_ptr<QWebSocket> owned)
{
    QWebSocket *socket = owned.release();
    socket->setParent(this);
    if (socket->requestUrl().path() != m_path ||
        !isAcceptedOrigin(socket->origin(), socket->requestUrl())) {
        socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
        socket->deleteLater();
        return;
    }
    socket->setMaxAllowedIncomingMessageSize(MaxIncomingBytes);
    socket->setMaxAllowedIncomingFrameSize(MaxIncomingBytes);
    const quint64 id = m_nextId++;
    m_pages.insert(id, Page{socket, false});
    connect(socket, &QWebSocket::textMessageReceived, this,
            [this, id](const QString &message) { emit received(id, message); });
    connect(socket, &QWebSocket::disconnected, this, [this, id] { close(id); });
    bool mapped = false;
    const quint32 v4 = socket->peerAddress().toIPv4Address(&mapped);
    emit opened(id, mapped ? QHostAddress(v4).toString() : socket->peerAddress().toString());
}

bool PageLinks::write(Page &page, const QString &text)
{
    // A page that has stopped reading keeps its queue growing: let it go
    // before it holds more than a small amount of memory.
    if (page.socket->bytesToWrite() > m_queueCap)
        return false;
    page.socket->sendTextMessage(text);
    // Out now rather than on the next pass of the loop: saves a wake-up and
    // a write notification per page for every message.
    page.socket->flush();
    return true;
}

void PageLinks::send(quint64 id, const QString &text)
{
    const auto it = m_pages.find(id);
    if (it == m_pages.end())
        return;
    it->ready = true;
    if (!write(*it, text))
        close(id);
}

void PageLinks::broadcast(const QString &text)
{
    QList<quint64> behind;
    for (auto it = m_pages.begin(); it != m_pages.end(); ++it) {
        if (it->ready && !write(*it, text))
            behind.append(it.key());
    }
    for (quint64 id : behind)
        close(id);
}

void PageLinks::close(quint64 id)
{
    const Page page = m_pages.take(id);
    if (!page.socket)
        return;
    page.socket->disconnect(this);
    page.socket->abort();
    page.socket->deleteLater();
    emit closed(id);
}

void PageLinks::closeAll()
{
    const QList<quint64> ids = m_pages.keys();
    for (quint64 id : ids)
        close(id);
}
