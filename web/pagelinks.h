#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class QUrl;
class QWebSocket;

// The connected pages' sockets. They live on the web server's own thread, so
// that the program's main loop neither wakes for them nor polls them each
// time the board repaints. Pages are known by number; the live channel (on
// the main thread) talks to them through queued calls and signals, which
// keep their order.
class PageLinks : public QObject
{
    Q_OBJECT

public:
    // Outgoing bytes a page may leave unread before it is disconnected.
    static constexpr qint64 DefaultQueueCap = 128 * 1024;
    // Nothing a page sends is anywhere near this; larger messages end the
    // connection before they are held in memory.
    static constexpr qint64 MaxIncomingBytes = 64 * 1024;
    static inline const QString Path = QStringLiteral("/live");

    explicit PageLinks(QObject *parent = nullptr) : PageLinks(Path, parent) {}
    // Pages that connect on `path` are taken; any other is refused.
    PageLinks(const QString &path, QObject *parent);
    ~PageLinks() override;

    // Takes over a socket that has just connected: refused unless it asked
    // for the live path and comes from one of our own pages (or from a
    // program that sends no Origin, which no web page can be).
    void add(std::unique_ptr<QWebSocket> socket);
    int count() const { return int(m_pages.size()); }

    static bool isAcceptedOrigin(const QString &origin, const QUrl &requestUrl);

    // To one page; the first message a page gets (its snapshot) also lets
    // broadcasts reach it, so that none arrives before the whole board.
    void send(quint64 page, const QString &text);
    void broadcast(const QString &text);
    void close(quint64 page);
    void closeAll();

signals:
    // `address` is where the page connected from.
    void opened(quint64 page, const QString &address);
    void received(quint64 page, const QString &text);
    void closed(quint64 page);

private:
    struct Page
    {
        QWebSocket *socket = nullptr;
        bool ready = false;
    };

    bool write(Page &page, const QString &text);

    QHash<quint64, Page> m_pages;
    quint64 m_nextId = 1;
    qint64 m_queueCap = DefaultQueueCap;
    const QString m_path;
};
