#pragma once

#include "web/pinlock.h"

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class CurrentSettings;
class GameHistory;
class GameModel;
class QWebSocket;
class TimeSource;

// The live channel to every connected page. A page gets the whole board when
// it connects, then one message per change; while the clock runs, a keyframe
// each second keeps every page's own clock in step. Pages read; a page that
// sent the right PIN may also operate (start/stop, reset, buzzer, scores).
// Everything a client sends is checked, and a client that does not keep up
// with what it is sent is let go rather than left to hold memory.
class LiveChannel : public QObject
{
    Q_OBJECT

public:
    // Outgoing bytes a client may leave unread before it is disconnected.
    static constexpr qint64 DefaultQueueCap = 128 * 1024;
    // A client message longer than this is dropped unread.
    static constexpr qsizetype MaxMessageChars = 1024;
    static constexpr int KeyframeMs = 1000;
    static inline const QString Path = QStringLiteral("/live");

    LiveChannel(GameModel &game, GameHistory &history, const CurrentSettings &settings,
                const TimeSource &time, QObject *parent = nullptr);
    ~LiveChannel() override;

    // Sounds the buzzer on this computer when a remote asks for it.
    void setBuzzer(std::function<void()> buzzer) { m_buzzer = std::move(buzzer); }
    void setQueueCap(qint64 bytes) { m_queueCap = bytes; }

    // Takes over a socket that has just connected: refused unless it asked
    // for the live path and comes from one of our own pages (or from a
    // program that sends no Origin, which no web page can be).
    void addClient(std::unique_ptr<QWebSocket> socket);
    void disconnectAll();

    int clientCount() const { return int(m_clients.size()); }
    int operatorCount() const;
    PinLock &pinLock() { return m_pin; }
    const PinLock &pinLock() const { return m_pin; }

    static bool isAcceptedOrigin(const QString &origin, const QUrl &requestUrl);

signals:
    void clientsChanged();

private:
    struct Client
    {
        bool mayOperate = false;
    };

    void broadcastChange();
    void sendKeyframe();
    void send(QWebSocket *socket, const QJsonObject &message);
    void sendText(QWebSocket *socket, const QString &text);
    void sendSnapshot(QWebSocket *socket);
    void receive(QWebSocket *socket, const QString &text);
    void receivePin(QWebSocket *socket, const QJsonObject &message);
    void receiveAction(QWebSocket *socket, const QJsonObject &message);
    bool perform(const QJsonObject &message);
    void drop(QWebSocket *socket);
    void updateKeyframes();

    GameModel &m_game;
    GameHistory &m_history;
    const CurrentSettings &m_settings;
    PinLock m_pin;
    std::function<void()> m_buzzer;
    QHash<QWebSocket *, Client> m_clients;
    QJsonObject m_lastSent;
    qint64 m_seq = 0;
    qint64 m_queueCap = DefaultQueueCap;
    QTimer m_keyframes;
};
