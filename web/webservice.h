#pragma once

#include "web/boardserver.h"
#include "web/eventschannel.h"
#include "web/livechannel.h"
#include "web/livestory.h"
#include "web/remoteapi.h"

#include <QObject>

class CurrentSettings;
class GameLog;
class GameHistory;
class GameLog;
class GameModel;
struct Settings;
class TimeSource;

// The board on the hall's network, as the program runs it: follows the
// settings (off, or on at a port and address), and tells what the
// operator's network window shows: the addresses, the PIN, who is connected.
class WebService : public QObject
{
    Q_OBJECT

public:
    WebService(GameModel &game, GameHistory &history, const CurrentSettings &settings,
               const TimeSource &time, QObject *parent = nullptr);
    ~WebService() override;

    void setSaver(std::function<void()> saver) { m_api.setSaver(std::move(saver)); }
    // Remotes and the API may act on the game, or not yet (see RemoteApi).
    void holdActions(bool held)
    {
        m_live.holdActions(held);
        m_api.holdActions(held);
    }
    // Whether the game is kept on disk and logged; `problem` says why not,
    // in the network window.
    void setRecordStatus(bool saved, bool logged, const QString &problem);
    // What the operator's network window shows.
    struct Status
    {
        QStringList urls;
        QString pin;
        // The remote's secret, for the address in the QR code.
        QString secret;
        // Why the server is not on the network, or nothing.
        QString problem;
        int clients = 0;
        int remotes = 0;
        // Empty while the API is off.
        QString apiToken;
        QString recordProblem;
    };
    Status status() const;
    // Whether there is anything for the network window to show: the server
    // runs, or tried to and says why not.
    bool hasStatus() const { return isRunning() || !m_problem.isEmpty(); }
    // Where /report finds the game logs.
    void setGameLogFolder(const QString &folder) { m_server.setGameLogFolder(folder); }
    RemoteApi &api() { return m_api; }
    // The announcer's page tells the game's story from `log` (which
    // outlives this), from the start of the game it is writing.
    void followLog(GameLog &log);
    // The events channel's steps come from this log.
    void sendStepsOf(const GameLog *log) { m_events.followLog(log); }
    const EventsChannel &events() const { return m_events; }
    // Starts, restarts or stops the server as the settings say.
    void apply(const Settings &settings);

    bool isRunning() const { return m_server.isListening(); }
    QString problem() const { return m_problem; }
    // The addresses a browser on the network can open, "http://host:port/".
    QStringList baseUrls() const;
    LiveChannel &live() { return m_live; }
    const BoardServer &server() const { return m_server; }

    // The listen address a setting stands for: empty means every address.
    static QHostAddress listenAddress(const QString &text);

signals:
    // The server has been started, restarted or stopped.
    void stateChanged();
    // What status() gives may have changed.
    void statusChanged();
    // A phone or the API asked for the buzzer, its short warning, or all
    // sound off or on again.
    void buzzerRequested();
    void shortBuzzerRequested();
    void muteToggleRequested();

private:
    LiveStory m_story;
    LiveChannel m_live;
    RemoteApi m_api;
    EventsChannel m_events;
    BoardServer m_server;
    const CurrentSettings &m_settings;
    QString m_problem;
    QString m_listening; // "address:port" the server was last started with
    QString m_recordProblem;
};
