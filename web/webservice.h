#pragma once

#include "web/boardserver.h"
#include "web/livechannel.h"
#include "web/remoteapi.h"

#include <QObject>
#include <QPointer>

class CurrentSettings;
class GameHistory;
class GameModel;
class OperatorPanel;
struct Settings;
class TimeSource;

// The board on the hall's network, as the program runs it: follows the
// settings (off, or on at a port and address), and keeps the operator's
// panel with the address, QR code and PIN up to date.
class WebService : public QObject
{
    Q_OBJECT

public:
    WebService(GameModel &game, GameHistory &history, const CurrentSettings &settings,
               const TimeSource &time, QObject *parent = nullptr);
    ~WebService() override;

    void setBuzzer(const std::function<void()> &buzzer)
    {
        m_live.setBuzzer(buzzer);
        m_api.setBuzzer(buzzer);
    }
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
    // Where /report finds the game logs.
    void setGameLogFolder(const QString &folder) { m_server.setGameLogFolder(folder); }
    RemoteApi &api() { return m_api; }
    // Starts, restarts or stops the server as the settings say.
    void apply(const Settings &settings);
    // Shows the operator's panel while the server is on, beside `board`
    // when there is one.
    void showPanel(const QWidget *board = nullptr);

    bool isRunning() const { return m_server.isListening(); }
    QString problem() const { return m_problem; }
    // The addresses a browser on the network can open, "http://host:port/".
    QStringList baseUrls() const;
    LiveChannel &live() { return m_live; }
    const BoardServer &server() const { return m_server; }

    // The listen address a setting stands for: empty means every address.
    static QHostAddress listenAddress(const QString &text);

signals:
    void stateChanged();
    // The operator asked the network window for a new API token.
    void tokenRenewalRequested();

private:
    void updatePanel();

    LiveChannel m_live;
    RemoteApi m_api;
    BoardServer m_server;
    const CurrentSettings &m_settings;
    QString m_problem;
    QString m_listening; // "address:port" the server was last started with
    QString m_recordProblem;
    QPointer<OperatorPanel> m_panel;
};
