#pragma once

#include <QHostAddress>
#include <QObject>
#include <QThread>

#include <memory>

class LiveChannel;
class PageLinks;
class QHttpServer;

// The board's web server: the pages and scripts compiled into the program,
// and the live channel on /live, all on one port. Qt HttpServer is a
// technology preview in Qt 6.4, so this class is the only place that uses it.
// Only the known paths are served, and only to GET. The server and the
// pages' sockets run on a thread of their own (see PageLinks); this object
// and the live channel stay on the main thread.
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

private:
    // On the server's thread.
    bool start(const QHostAddress &address, quint16 port);
    void stop();
    void addRoutes();
    void takeWebSockets();

    LiveChannel &m_live;
    QThread m_thread;
    PageLinks *m_links;                  // lives on m_thread
    std::unique_ptr<QHttpServer> m_http; // made, used and destroyed on m_thread
    bool m_listening = false;
    QHostAddress m_address;
    quint16 m_port = 0;
    QString m_error;
};
