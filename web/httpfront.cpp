#include "web/httpfront.h"

#include <QFutureWatcher>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QtConcurrentRun>

#include <sys/socket.h>

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 409:
        return "Conflict";
    case 411:
        return "Length Required";
    case 413:
        return "Content Too Large";
    case 421:
        return "Misdirected Request";
    case 426:
        return "Upgrade Required";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    case 505:
        return "HTTP Version Not Supported";
    default:
        return "Error";
    }
}

bool hasToken(const QByteArray &list, const char *token)
{
    for (const QByteArray &part : list.split(','))
        if (part.trimmed().compare(token, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// One client connection, from its opening until it is closed or upgraded.
class Connection : public QObject
{
public:
    Connection(HttpFront &front, QTcpSocket *socket, const QString &from)
        : QObject(socket), m_front(front), m_socket(socket), m_from(from)
    {
        // Qt's own buffer never holds more than one request may need.
        m_socket->setReadBufferSize(HttpFront::MaxHeadBytes + HttpFront::MaxBodyBytes + 1024);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] { m_socket->abort(); });
        connect(m_socket, &QTcpSocket::readyRead, this, [this] { readMore(); });
        m_timer.start(m_front.requestTimeoutMs());
    }

private:
    enum class Phase { Head, Body, Waiting, Closing };

    // Reading stops until the answer is made; what the client sends
    // meanwhile waits in the socket.
    void waitFor(std::function<HttpFront::Answer()> later)
    {
        m_phase = Phase::Waiting;
        m_timer.stop();
        auto *watcher = new QFutureWatcher<HttpFront::Answer>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
            watcher->deleteLater();
            const bool head = m_request.method == "HEAD";
            write(watcher->result(), m_keepAlive, head);
            if (m_phase == Phase::Head)
                readMore();
        });
        watcher->setFuture(QtConcurrent::run(&m_front.slowWork(), std::move(later)));
    }

    void fail(int status)
    {
        HttpFront::Answer answer;
        answer.status = status;
        write(answer, false, false);
    }

    void write(const HttpFront::Answer &answer, bool keepAlive, bool headOnly)
    {
        QByteArray out =
            "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reason(answer.status) + "\r\n";
        if (!answer.type.isEmpty())
            out += "Content-Type: " + answer.type + "\r\n";
        for (const auto &[name, value] : answer.headers)
            out += name + ": " + value + "\r\n";
        out += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        out += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
        m_socket->write(out);
        // Apart from the head: a long game's report is not copied once more.
        if (!headOnly)
            m_socket->write(answer.body);
        if (keepAlive) {
            m_phase = Phase::Head;
            m_waitingForFirstByte = true;
            m_timer.start(m_front.keepAliveTimeoutMs());
            return;
        }
        m_phase = Phase::Closing;
        m_timer.start(m_front.requestTimeoutMs()); // for a client that never reads
        m_buffer.clear();
        m_request = {};
        // A refused head leaves its transaction open; what follows is dropped.
        if (m_socket->isTransactionStarted())
            m_socket->commitTransaction();
        if (m_socket->bytesToWrite() == 0)
            halfClose();
        else
            connect(m_socket, &QTcpSocket::bytesWritten, this, [this] {
                if (m_socket->bytesToWrite() == 0)
                    halfClose();
            });
    }

    // Closing a socket with unread bytes in it resets the connection, and a
    // reset can reach a client that is still sending (a body too large)
    // before it has read its answer, which is then lost. So once the answer
    // has left, only our side is closed; the client sees the end of the
    // answer, and what it still sends is read and dropped until it closes
    // too or the time is up.
    void halfClose()
    {
        if (m_halfClosed)
            return;
        m_halfClosed = true;
        ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
        m_timer.start(HttpFront::DrainMs);
        drain();
    }

    // Past the bound nothing more is read: the client's sending stalls
    // until the close.
    void drain()
    {
        char scrap[16 * 1024];
        while (m_drained < HttpFront::MaxDrainBytes) {
            const qint64 got = m_socket->read(
                scrap, qMin<qint64>(sizeof scrap, HttpFront::MaxDrainBytes - m_drained));
            if (got <= 0)
                return;
            m_drained += got;
        }
    }

    void readMore()
    {
        if (m_phase == Phase::Closing) {
            drain();
            return;
        }
        // A client that sends more requests while it leaves the answers
        // unread. Only then: one answer alone (a sponsor's photo, a long
        // game's report) may be larger than the bound, and its client is
        // reading it.
        const bool moreSent = !m_buffer.isEmpty() || m_socket->bytesAvailable() > 0;
        if (moreSent && m_socket->bytesToWrite() > HttpFront::MaxUnsentBytes) {
            m_socket->abort();
            return;
        }
        while (m_phase != Phase::Closing && m_phase != Phase::Waiting) {
            if (m_phase == Phase::Head) {
                if (m_buffer.isEmpty() && !m_socket->isTransactionStarted())
                    m_socket->startTransaction();
                const qsizetype had = m_buffer.size();
                m_buffer += m_socket->read(HttpFront::MaxHeadBytes + 4 - m_buffer.size());
                if (m_buffer.isEmpty())
                    return;
                if (m_waitingForFirstByte) {
                    m_waitingForFirstByte = false;
                    m_timer.start(m_front.requestTimeoutMs());
                }
                if (!readHead() && m_buffer.size() == had)
                    return;
            } else {
                if (m_bodyLeft > 0 && m_buffer.isEmpty())
                    m_buffer = m_socket->read(m_bodyLeft);
                const qint64 taken = qMin<qint64>(m_bodyLeft, m_buffer.size());
                m_request.body += m_buffer.left(taken);
                m_buffer.remove(0, taken);
                m_bodyLeft -= taken;
                if (m_bodyLeft > 0)
                    return;
                HttpFront::Answer answer = m_front.respond(m_request);
                if (answer.later) {
                    waitFor(std::move(answer.later));
                    return;
                }
                write(answer, m_keepAlive, m_request.method == "HEAD");
                if (m_phase == Phase::Head && m_buffer.isEmpty() && m_socket->bytesAvailable() == 0)
                    return;
            }
        }
    }

    // True once the head is read and accepted; the body follows.
    bool readHead()
    {
        qsizetype end = -1;
        while (end < 0) {
            const qsizetype newline = m_buffer.indexOf("\r\n", m_lineStart);
            if (newline < 0)
                break;
            if (newline - m_lineStart > HttpFront::MaxLineBytes) {
                fail(431);
                return false;
            }
            if (newline == m_lineStart)
                end = newline + 2;
            m_lineStart = newline + 2;
        }
        if (end < 0) {
            if (m_buffer.size() - m_lineStart > HttpFront::MaxLineBytes ||
                m_buffer.size() > HttpFront::MaxHeadBytes)
                fail(431);
            return false;
        }
        if (end - 4 > HttpFront::MaxHeadBytes) {
            fail(431);
            return false;
        }
        const bool inTransaction = m_socket->isTransactionStarted();
        const QByteArray head = m_buffer.left(end - 2);
        m_buffer.remove(0, end);
        m_lineStart = 0;
        if (const int status = parse(head)) {
            fail(status);
            return false;
        }
        if (m_upgrade) {
            // The WebSocket side reads the handshake again from its start;
            // a handshake behind another request in one read cannot be.
            if (!inTransaction) {
                fail(400);
                return false;
            }
            if (const HttpFront::Answer gate = m_front.gateUpgrade(m_request); gate.status != 101) {
                write(gate, false, false);
                return false;
            }
            m_phase = Phase::Closing;
            m_socket->rollbackTransaction();
            // The same small buffer bounds what a WebSocket client can push.
            QTcpSocket *socket = m_socket;
            socket->disconnect(this);
            setParent(nullptr);
            deleteLater();
            m_front.handOver(socket, m_request.path);
            return false;
        }
        if (inTransaction)
            m_socket->commitTransaction();
        m_phase = Phase::Body;
        return true;
    }

    // The status that refuses the request, or 0.
    int parse(const QByteArray &head)
    {
        QList<QByteArray> lines = head.split('\n');
        for (QByteArray &line : lines)
            line.chop(line.endsWith('\r') ? 1 : 0);
        lines.removeLast(); // after the last line's end
        const QList<QByteArray> first = lines.value(0).split(' ');
        if (first.size() != 3 || first.at(0).isEmpty() || !first.at(1).startsWith('/'))
            return 400;
        m_request = {};
        m_request.from = m_from;
        m_request.method = first.at(0);
        const qsizetype query = first.at(1).indexOf('?');
        m_request.path = query < 0 ? first.at(1) : first.at(1).left(query);
        m_request.query = query < 0 ? QByteArray() : first.at(1).mid(query + 1);
        m_request.version = first.at(2);
        if (m_request.version != "HTTP/1.1" && m_request.version != "HTTP/1.0")
            return m_request.version.startsWith("HTTP/") ? 505 : 400;
        int hosts = 0;
        int lengths = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray &line = lines.at(i);
            const qsizetype colon = line.indexOf(':');
            // Folded lines and names with blanks are how requests get smuggled.
            if (colon <= 0 || line.left(colon).contains(' ') || line.left(colon).contains('\t'))
                return 400;
            const QByteArray name = line.left(colon).toLower();
            hosts += name == "host" ? 1 : 0;
            lengths += name == "content-length" ? 1 : 0;
            m_request.headers.append({name, line.mid(colon + 1).trimmed()});
        }
        const bool http11 = m_request.version == "HTTP/1.1";
        m_keepAlive = http11 && !hasToken(m_request.header("connection"), "close");
        if (hosts > 1 || (http11 && hosts == 0))
            return 400;
        if (hosts == 1 && !m_front.isOwnHost(m_request.header("host")))
            return 421;

        const bool get = m_request.method == "GET" || m_request.method == "HEAD";
        const QByteArray length = m_request.header("content-length");
        bool number = !length.isEmpty() && length.size() <= 18;
        for (char c : length)
            number &= c >= '0' && c <= '9';
        if (lengths > 1 || (lengths == 1 && !number))
            return 400;
        m_bodyLeft = lengths == 1 ? length.toLongLong() : 0;
        if (!m_request.header("transfer-encoding").isEmpty())
            return get ? 413 : 411;
        if (m_bodyLeft > (get ? 0 : HttpFront::MaxBodyBytes))
            return 413;

        const bool upgrade = hasToken(m_request.header("upgrade"), "websocket");
        m_upgrade = upgrade && m_request.method == "GET" && m_front.isUpgradePath(m_request.path);
        // No page is a WebSocket: the client learns so at once.
        if (upgrade && !m_upgrade)
            return 404;
        return 0;
    }

    HttpFront &m_front;
    QTcpSocket *m_socket;
    const QString m_from;
    QTimer m_timer;
    QByteArray m_buffer;
    qsizetype m_lineStart = 0;
    Phase m_phase = Phase::Head;
    bool m_waitingForFirstByte = false;
    bool m_keepAlive = false;
    bool m_upgrade = false;
    bool m_halfClosed = false;
    qint64 m_bodyLeft = 0;
    qint64 m_drained = 0;
    HttpFront::Request m_request;
};

QString addressKey(const QHostAddress &address)
{
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4).toString() : address.toString();
}

} // namespace

QByteArray HttpFront::Request::header(const QByteArray &lowerName) const
{
    for (const auto &[name, value] : headers)
        if (name == lowerName)
            return value;
    return {};
}

HttpFront::HttpFront(QObject *parent) : QTcpServer(parent)
{
    // One slow answer at a time leaves the other core to the board.
    m_slowWork.setMaxThreadCount(1);
    m_acceptPause.setSingleShot(true);
    m_acceptPause.setInterval(AcceptPauseMs);
    connect(&m_acceptPause, &QTimer::timeout, this, &QTcpServer::resumeAccepting);
    connect(this, &QTcpServer::acceptError, this, &HttpFront::acceptFailed);
}

HttpFront::~HttpFront()
{
    // The sockets still open go with this object (they are its children).
    for (QObject *socket : m_open.keys())
        socket->disconnect(this);
}

void HttpFront::setTimeouts(int requestMs, int keepAliveMs)
{
    m_requestTimeoutMs = requestMs;
    m_keepAliveTimeoutMs = keepAliveMs;
}

void HttpFront::setConnectionLimits(int perAddress, int total)
{
    m_maxPerAddress = perAddress;
    m_maxConnections = total;
}

void HttpFront::setExtraHostNames(const QStringList &names)
{
    m_hostNames.clear();
    for (const QString &name : names)
        if (!name.trimmed().isEmpty())
            m_hostNames.append(name.trimmed().toLower());
}

bool HttpFront::isOwnHost(const QByteArray &host) const
{
    // "name", "name:port", "[v6]" or "[v6]:port".
    QString name = QString::fromLatin1(host).trimmed().toLower();
    if (name.startsWith(u'[')) {
        const qsizetype close = name.indexOf(u']');
        if (close < 0)
            return false;
        name = name.mid(1, close - 1);
    } else if (name.count(u':') == 1) {
        name = name.left(name.indexOf(u':'));
    }
    if (name.endsWith(u'.'))
        name.chop(1);
    if (name.isEmpty())
        return false;
    if (name == u"localhost" || m_hostNames.contains(name))
        return true;
    const QString machine = QHostInfo::localHostName().toLower();
    if (!machine.isEmpty() && (name == machine || name == machine + u".local"))
        return true;
    const QHostAddress address(name);
    if (address.isNull())
        return false;
    if (address.isLoopback())
        return true;
    // The addresses change with the network; looked up again now and then.
    const auto known = [&] {
        for (const QHostAddress &own : std::as_const(m_addresses))
            if (own.isEqual(address, QHostAddress::TolerantConversion))
                return true;
        return false;
    };
    if (known())
        return true;
    if (m_addressesAge.isValid() && m_addressesAge.elapsed() < 1000)
        return false;
    m_addresses = QNetworkInterface::allAddresses();
    m_addressesAge.start();
    return known();
}

void HttpFront::setGatedUpgradePath(const QByteArray &path, Handler gate)
{
    m_gatedPath = path;
    m_gate = std::move(gate);
}

bool HttpFront::isUpgradePath(const QByteArray &path) const
{
    return path == m_upgradePath || (!m_gatedPath.isEmpty() && path == m_gatedPath);
}

HttpFront::Answer HttpFront::gateUpgrade(const Request &request) const
{
    Answer answer;
    answer.status = 101;
    if (request.path == m_gatedPath && m_gate)
        answer = m_gate(request);
    return answer;
}

HttpFront::Answer HttpFront::respond(const Request &request) const
{
    Answer answer;
    if (isUpgradePath(request.path) && (request.method == "GET" || request.method == "HEAD")) {
        answer.status = 426;
        answer.headers.append(qMakePair(QByteArray("Upgrade"), QByteArray("websocket")));
        return answer;
    }
    const bool anyMethod =
        !m_anyMethodPrefix.isEmpty() && request.path.startsWith(m_anyMethodPrefix);
    if ((!anyMethod && request.method != "GET" && request.method != "HEAD") || !m_handler) {
        answer.status = 404;
        return answer;
    }
    return m_handler(request);
}

void HttpFront::incomingConnection(qintptr handle)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    const QString from = addressKey(socket->peerAddress());
    if (m_open.size() >= m_maxConnections || m_perAddress.value(from) >= m_maxPerAddress) {
        socket->abort();
        delete socket;
        return;
    }
    m_open.insert(socket, from);
    ++m_perAddress[from];
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        release(socket);
        socket->deleteLater();
    });
    connect(socket, &QObject::destroyed, this, &HttpFront::release);
    new Connection(*this, socket, from);
}

void HttpFront::handOver(QTcpSocket *socket, const QByteArray &path)
{
    // Still counted while open, but the WebSocket now decides when the
    // socket goes.
    disconnect(socket, &QTcpSocket::disconnected, this, nullptr);
    if (!m_gatedPath.isEmpty() && path == m_gatedPath) {
        countByStandIn(socket);
        emit gatedUpgrade(socket);
        return;
    }
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { release(socket); });
    emit upgrade(socket);
}

// A socket that may go on to another thread can be destroyed there at any
// time; what is counted here must not point at it. A stand-in of this
// thread is counted instead, and goes when the socket closes or goes.
void HttpFront::countByStandIn(QTcpSocket *socket)
{
    auto *standIn = new QObject(this);
    m_open.insert(standIn, m_open.take(socket));
    disconnect(socket, &QObject::destroyed, this, nullptr);
    connect(standIn, &QObject::destroyed, this, &HttpFront::release);
    connect(socket, &QTcpSocket::disconnected, standIn, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, standIn, &QObject::deleteLater);
}

void HttpFront::release(QObject *socket)
{
    const auto it = m_open.constFind(socket);
    if (it == m_open.cend())
        return;
    const QString from = *it;
    m_open.erase(it);
    if (--m_perAddress[from] <= 0)
        m_perAddress.remove(from);
}

void HttpFront::acceptFailed(QAbstractSocket::SocketError error)
{
    // Out of descriptors, most likely: Qt stops accepting after such an
    // error, and trying again at once would only spin.
    // Once a minute at most: the log is not to fill up instead.
    if (!m_lastComplaint.isValid() || m_lastComplaint.elapsed() > ComplaintIntervalMs) {
        qWarning("web server: cannot accept connections (%s), pausing", qPrintable(errorString()));
        m_lastComplaint.start();
    }
    Q_UNUSED(error);
    pauseAccepting();
    m_acceptPause.start();
}
