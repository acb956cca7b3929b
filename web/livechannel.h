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
class TimeSource;

// The live channel to every connected page. A page gets the whole board when
// it connects, then one message per change; while the clock runs, a keyframe
// each second keeps every page's own clock in step. Pages read; a page that
// sent the right PIN may also operate (start/stop, reset, buzzer, scores).
// Everything a client sends is checked. The sockets themselves are held by
// PageLinks on the server's thread: this side, on the main thread, knows the
// pages by number and writes each message once for all of them.
class LiveChannel : public QObject
{
    Q_OBJECT

public:
    // A client message longer than this is dropped unread.
    static constexpr qsizetype MaxMessageChars = 1024;
    static constexpr int KeyframeMs = 1000;

    LiveChannel(GameModel &game, GameHistory &history, const CurrentSettings &settings,
                const TimeSource &time, QObject *parent = nullptr);
    ~LiveChannel() override;

    // Sounds the buzzer on this computer when a remote asks for it.
    void setBuzzer(std::function<void()> buzzer) { m_buzzer = std::move(buzzer); }

    // What the pages' side reports.
    void pageOpened(quint64 page);
    void pageMessage(quint64 page, const QString &text);
    void pageClosed(quint64 page);
    // Forgets every page (the server has closed them).
    void disconnectAll();

    int clientCount() const { return int(m_clients.size()); }
    int operatorCount() const;
    PinLock &pinLock() { return m_pin; }
    const PinLock &pinLock() const { return m_pin; }

signals:
    void clientsChanged();
    // To the pages' side.
    void sendToPage(quint64 page, const QString &text);
    void sendToAll(const QString &text);

private:
    struct Client
    {
        bool mayOperate = false;
    };

    void broadcastChange();
    void send(quint64 page, const QJsonObject &message);
    void receivePin(quint64 page, const QJsonObject &message);
    void receiveAction(quint64 page, const QJsonObject &message);
    bool perform(const QJsonObject &message);
    void updateKeyframes();

    GameModel &m_game;
    GameHistory &m_history;
    const CurrentSettings &m_settings;
    PinLock m_pin;
    std::function<void()> m_buzzer;
    QHash<quint64, Client> m_clients;
    QJsonObject m_lastSent;
    qint64 m_seq = 0;
    QTimer m_keyframes;
};
