#pragma once

#include <QHostAddress>
#include <QJsonObject>
#include <QObject>

#include <memory>
#include <optional>

class HallFeed;
class Schedule;
struct ScheduledGame;
class HttpFront;
class PageLinks;
class QWebSocketServer;

// The hall's web server: its pages (see HallPages) and a live channel on
// /live that sends every court, the hall's link and the day (each court's
// next game, each group's standings) when a page connects, then each again
// as it changes. It reads the feed and never writes it. Everything runs on
// this object's thread except the PDFs, which HttpFront makes on a worker.
class HallService : public QObject
{
    Q_OBJECT

public:
    explicit HallService(HallFeed &feed, QObject *parent = nullptr);
    ~HallService() override;

    // Port 0 picks a free one; false (see errorString()) when the address
    // cannot be used or the port is taken.
    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const;
    QString errorString() const { return m_error; }
    int pageCount() const;
    // Serves /hall/schedule from here on; the schedule outlives the service.
    void setSchedule(const Schedule *schedule) { m_schedule = schedule; }
    // The pages' language when a page does not ask for one (`?lang=`);
    // empty: the browser's.
    void setPagesLanguage(const QString &language) { m_language = language; }
    // Serves /hall/ca.crt from this file: the authority a board joining the
    // hall's own broker checks against its join code.
    void setCaFile(const QString &path) { m_caFile = path; }

    // What a page gets first, and on each change of a court, of the hall's
    // link to the broker, and of the day's results.
    QByteArray snapshotMessage() const;
    QByteArray courtMessage(const QString &court) const;
    QByteArray linkMessage() const;
    QByteArray dayMessage() const;

private:
    QJsonObject linkJson() const;
    QJsonObject dayJson() const;
    std::optional<ScheduledGame> nextToPlay(const QString &court) const;

    HallFeed &m_feed;
    const Schedule *m_schedule = nullptr;
    QString m_language;
    QString m_caFile;
    std::unique_ptr<HttpFront> m_http;
    QWebSocketServer *m_sockets = nullptr; // m_http's child
    PageLinks *m_links = nullptr;          // this object's child
    QString m_error;
};
