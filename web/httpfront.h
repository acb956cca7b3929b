#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QStringList>
#include <QTcpServer>
#include <QThreadPool>
#include <QTimer>

#include <functional>

class QTcpSocket;

// The board's HTTP/1.1 server: reads each request itself so that nothing a
// client sends is held beyond small fixed limits, and hands a WebSocket
// upgrade's socket on with its request unread. Qt HttpServer 6.4 has no
// limits of its own, which is why this class exists.
class HttpFront : public QTcpServer
{
    Q_OBJECT

public:
    // The request line and each header line.
    static constexpr qsizetype MaxLineBytes = 8 * 1024;
    // The whole head: request line and headers.
    static constexpr qsizetype MaxHeadBytes = 64 * 1024;
    // Only where a body is allowed at all (never on GET or HEAD).
    static constexpr qint64 MaxBodyBytes = 4 * 1024;
    static constexpr int MaxConnectionsPerAddress = 64;
    static constexpr int MaxConnections = 256;
    // From a connection's first byte (or its opening) to a whole request.
    static constexpr int RequestTimeoutMs = 10 * 1000;
    // Between requests on a kept-alive connection.
    static constexpr int KeepAliveTimeoutMs = 60 * 1000;
    // Answers a client leaves unread before it is let go.
    static constexpr qint64 MaxUnsentBytes = 256 * 1024;
    // After the last answer on a connection: what the client still sends
    // (the rest of a refused body) is read and dropped up to this many bytes,
    // more than the kernel's buffers hold, and the connection closed at the
    // latest this long after the answer left, time for a client on a busy
    // machine to read it.
    static constexpr qint64 MaxDrainBytes = 16 * 1024 * 1024;
    static constexpr int DrainMs = 5 * 1000;
    // When the process has no descriptors left, accepting waits this long.
    static constexpr int AcceptPauseMs = 500;
    static constexpr int ComplaintIntervalMs = 60 * 1000;

    struct Request
    {
        QByteArray method;
        QByteArray path;  // without the query
        QByteArray query; // after the '?', as sent
        QByteArray version;
        QList<QPair<QByteArray, QByteArray>> headers; // names in lower case
        QByteArray body;                              // at most MaxBodyBytes
        QString from;                                 // the client's address
        QByteArray header(const QByteArray &lowerName) const;
    };
    struct Answer
    {
        int status = 200;
        QByteArray type;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        // An answer too slow to make on the server's thread: made on a worker
        // instead, one at a time, while the server goes on serving the others.
        // This connection waits for it; the rest of this answer is unused.
        std::function<Answer()> later;
    };
    using Handler = std::function<Answer(const Request &)>;

    explicit HttpFront(QObject *parent = nullptr);
    ~HttpFront() override;

    // Answers GET and HEAD (HEAD with the body left out).
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    // Paths under this prefix reach the handler with any method and their
    // body; everywhere else only GET and HEAD do.
    void setAnyMethodPrefix(const QByteArray &prefix) { m_anyMethodPrefix = prefix; }
    // Upgrades are taken on this path only; a plain GET there gets 426.
    void setUpgradePath(const QByteArray &path) { m_upgradePath = path; }
    // A second WebSocket path whose upgrades are first put to `gate`: one it
    // answers other than 101 gets that answer and no WebSocket.
    void setGatedUpgradePath(const QByteArray &path, Handler gate);
    bool isUpgradePath(const QByteArray &path) const;
    Answer gateUpgrade(const Request &request) const;
    void setTimeouts(int requestMs, int keepAliveMs);
    int requestTimeoutMs() const { return m_requestTimeoutMs; }
    int keepAliveTimeoutMs() const { return m_keepAliveTimeoutMs; }
    // For tests that need many pages from 127.0.0.1.
    void setConnectionLimits(int perAddress, int total);
    // Names besides this computer's addresses, "localhost" and its host name
    // that a request's Host may carry.
    void setExtraHostNames(const QStringList &names);
    // Whether a Host header names this computer (with or without a port);
    // anything else is a page from another site reaching us by DNS rebinding.
    bool isOwnHost(const QByteArray &host) const;

    int connectionCount() const { return int(m_open.size()); }

    // For the connections.
    QThreadPool &slowWork() { return m_slowWork; }
    const QByteArray &upgradePath() const { return m_upgradePath; }
    Answer respond(const Request &request) const;
    void handOver(QTcpSocket *socket, const QByteArray &path);

signals:
    // A WebSocket upgrade on the upgrade path; the handshake is still unread
    // in the socket. The socket stays this server's child.
    void upgrade(QTcpSocket *socket);
    // The same on the gated path, once the gate let it through. The socket is
    // this server's child, but a receiver may take it (unparent it and move
    // it to another thread); it is counted until it closes or is destroyed.
    void gatedUpgrade(QTcpSocket *socket);

protected:
    void incomingConnection(qintptr handle) override;

private:
    void release(QObject *socket);
    void countByStandIn(QTcpSocket *socket);
    void acceptFailed(QAbstractSocket::SocketError error);

    Handler m_handler;
    QByteArray m_upgradePath;
    QByteArray m_gatedPath;
    Handler m_gate;
    QByteArray m_anyMethodPrefix;
    int m_requestTimeoutMs = RequestTimeoutMs;
    int m_keepAliveTimeoutMs = KeepAliveTimeoutMs;
    int m_maxPerAddress = MaxConnectionsPerAddress;
    int m_maxConnections = MaxConnections;
    QStringList m_hostNames;
    mutable QList<QHostAddress> m_addresses;
    mutable QElapsedTimer m_addressesAge;
    QHash<QObject *, QString> m_open;
    QHash<QString, int> m_perAddress;
    QElapsedTimer m_lastComplaint;
    QTimer m_acceptPause;
    // Declared last: its destructor waits for a slow answer still being made.
    QThreadPool m_slowWork;
};
