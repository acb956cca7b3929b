#pragma once

#include "web/httpfront.h"

#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QThread>

#include <array>
#include <memory>
#include <optional>

class EventsChannel;
class HttpFront;
class LiveChannel;
class PageLinks;
class QTcpSocket;
class QWebSocketServer;
class RemoteApi;

// The board's web server: the pages and scripts compiled into the program,
// and the live channel on /live, all on one port. Only the known paths are
// served, and only to GET and HEAD; HttpFront bounds every request. The
// server and the pages' sockets run on a thread of their own (see
// PageLinks); this object and the live channel stay on the main thread.
// The events channel's sockets have a third thread: the server's thread
// waits for each API call's answer, and a step must not wait with it.
class BoardServer : public QObject
{
    Q_OBJECT

public:
    struct Page
    {
        const char *path;
        const char *resource;
        const char *mimeType;
    };
    static const std::initializer_list<Page> Pages;

    explicit BoardServer(LiveChannel &live, QObject *parent = nullptr);
    ~BoardServer() override;

    // Starts listening; false (with errorString()) when the address cannot be
    // used or the port is taken. Port 0 picks a free port.
    bool listen(const QHostAddress &address, quint16 port);
    void close();
    bool isListening() const { return m_listening; }
    quint16 port() const { return m_port; }
    QHostAddress address() const { return m_address; }
    QString errorString() const { return m_error; }

    // Serves the API under /api/ too; set before listen(). The API answers
    // on the main thread: a request waits at most ApiWaitMs for it.
    void setApi(RemoteApi *api) { m_api = api; }
    static constexpr int ApiWaitMs = 2000;
    // Serves the API's events channel too, to clients the API lets in; set
    // before listen(), with the API.
    void setEvents(EventsChannel *events);

    // For tests: shorter waits for a whole request and between requests.
    void setTimeouts(int requestMs, int keepAliveMs);
    // For tests with many pages from one address.
    void setConnectionLimits(int perAddress, int total);
    // Host names a request may carry besides this computer's own.
    void setExtraHostNames(const QStringList &names);
    // Open connections, as the server's thread counts them.
    int connectionCount() const;
    // Where /report finds the game logs; GameLog::defaultFolder() unless set.
    void setGameLogFolder(const QString &folder);
    // Changed only from this thread, so read here without a lock.
    QString gameLogFolder() const { return m_logFolder; }

private:
    // On the server's thread.
    bool start(const QHostAddress &address, quint16 port);
    void stop();
    void takeWebSockets();
    void passToEvents(QTcpSocket *socket);
    // On the events thread.
    void startEvents();
    void stopEvents();
    void takeEventSockets();
    HttpFront::Answer askApi(const HttpFront::Request &request) const;
    // /logo/home and /logo/guest: the logo of the team on that side.
    std::optional<HttpFront::Answer> logoAnswer(const HttpFront::Request &request) const;
    void updateLogos();

    LiveChannel &m_live;
    RemoteApi *m_api = nullptr;
    QThread m_thread;
    QThread m_eventsThread;
    PageLinks *m_links;      // lives on m_thread
    PageLinks *m_eventLinks; // lives on m_eventsThread
    // The events channel's handshakes: m_eventLinks's child, while listening.
    QWebSocketServer *m_eventSockets = nullptr;
    EventsChannel *m_events = nullptr;
    std::unique_ptr<HttpFront> m_http;     // made, used and destroyed on m_thread
    QWebSocketServer *m_sockets = nullptr; // m_http's child
    int m_requestTimeoutMs;
    int m_keepAliveTimeoutMs;
    QStringList m_hostNames;
    QPair<int, int> m_limits;
    bool m_listening = false;
    QHostAddress m_address;
    quint16 m_port = 0;
    QString m_error;
    QString m_logFolder; // read on m_thread: changed only through it
    mutable QMutex m_logoMutex;
    std::array<QString, 2> m_logos; // the sides' logo files, under m_logoMutex
};
