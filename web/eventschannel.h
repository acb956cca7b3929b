#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>

class CurrentSettings;
class GameLog;
class GameModel;
class RemoteApi;
struct Settings;

// The API's events channel for button panels that show the game: the whole
// state on connecting, then each step as the game's log writes it and the
// state again after every change, at most ten a second. Clients only read.
// The sockets are held by PageLinks on a thread of their own, so that a step
// leaves while the server's thread still waits for the call that made it;
// the API checked each client's token before its socket opened.
class EventsChannel : public QObject
{
    Q_OBJECT

public:
    static constexpr int Version = 1;
    static inline const QString Path = QStringLiteral("/api/v1/events");
    // The least time between two state messages.
    static constexpr int StateIntervalMs = 100;

    EventsChannel(const RemoteApi &api, const GameModel &game, const CurrentSettings &settings,
                  QObject *parent = nullptr);

    // For tests: states as fast as the event loop turns.
    void setStateInterval(int ms) { m_pace.setInterval(ms); }
    // Steps come from this log; none without one.
    void followLog(const GameLog *log);

    // What the pages' side reports.
    void pageOpened(quint64 page);
    void pageClosed(quint64 page);
    void disconnectAll();
    int clientCount() const { return int(m_clients.size()); }

signals:
    // To the sockets' side.
    void sendToPage(quint64 page, const QString &text);
    void sendToAll(const QString &text);
    // The API was turned off or its token changed: every client goes.
    void closeAllRequested();

private:
    void stateChanged();
    void sendState();
    void logLine(const QByteArray &line);
    void settingsChanged(const Settings &settings);
    QString stateMessage() const;

    const RemoteApi &m_api;
    const GameModel &m_game;
    QHash<quint64, bool> m_clients;
    QTimer m_pace;
    bool m_statePending = false;
    QString m_lastState;
    QString m_token;
};
