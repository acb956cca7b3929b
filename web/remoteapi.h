#pragma once

#include "game/commands.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "teams/teamlibrary.h"
#include "web/httpfront.h"

#include <QHash>
#include <QJsonObject>
#include <QObject>

#include <functional>

class CurrentSettings;
class LiveChannel;
class TimeSource;

// The HTTP API under /api/v1/ for show-control software and scripts: JSON in
// and out, every call with the bearer token from the settings. Actions go
// through the game's history as a remote's, like the phone remote's, and
// each answer carries the whole game after it. Lives on the main thread;
// the web server's thread hands requests over (see BoardServer).
class RemoteApi : public QObject
{
    Q_OBJECT

public:
    static constexpr QLatin1StringView Prefix{"/api/"};
    static constexpr int Version = 1;
    // Wrong tokens from one address before it is turned away, and for how long.
    static constexpr int AllowedFailures = 5;
    static constexpr qint64 LockoutMs = 60 * 1000;
    // Addresses remembered for their wrong tokens; past it the oldest go.
    static constexpr int MaxAddresses = 1024;
    static constexpr int TokenBits = 128;
    // Calls from one address in a second with the right token: a button
    // panel needs a few, a script a few hundred; past it, 429.
    static constexpr int MaxCallsPerSecond = 300;

    RemoteApi(GameModel &game, GameHistory &history, const CurrentSettings &settings,
              const LiveChannel &live, const TimeSource &time, QObject *parent = nullptr);

    // Puts the game on disk; an action is answered only after it has run, so
    // this stays a call and not a signal a receiver could queue.
    void setSaver(std::function<void()> saver) { m_save = std::move(saver); }
    HttpFront::Answer answer(const HttpFront::Request &request);
    // While held, every action is answered 503 and changes nothing: the
    // operator has yet to say which game this is. The state still answers.
    void holdActions(bool held) { m_held = held; }
    // Whether the game is being saved and its steps logged, shown in the state.
    void setRecordStatus(bool saved, bool logged)
    {
        m_saved = saved;
        m_logged = logged;
    }

    // How the hall's console is heard, for the state's "console" (left out
    // while no console is the source).
    void setConsoleStatus(std::function<QJsonObject()> status)
    {
        m_consoleStatus = std::move(status);
    }

    // The game as GET /api/v1/state shows it.
    QJsonObject state() const;
    static QString newToken();

    // Where game/new looks up the teams it is given by name.
    void setTeamFolder(const QString &folder) { m_commands.setTeamFolder(folder); }

signals:
    // A call asked for the buzzer on this computer, its short warning, or
    // all sound off or on again.
    void buzzerRequested();
    void shortBuzzerRequested();
    void muteToggleRequested();

private:
    struct Strikes
    {
        int count = 0;
        qint64 sinceMs = 0;
    };
    struct Calls
    {
        qint64 sinceMs = 0;
        int count = 0;
    };
    struct Outcome
    {
        int status = 200;
        QString reason;
    };

    bool isLockedOut(const QString &from);
    void strike(const QString &from);
    bool isTooFast(const QString &from);
    Outcome commandOfRoute(const QByteArray &path, QJsonObject body, QString &id,
                           QJsonObject &params) const;
    Outcome run(const QString &id, const QJsonObject &params);
    QJsonObject commandList() const;

    GameModel &m_game;
    GameHistory &m_history;
    const CurrentSettings &m_settings;
    const LiveChannel &m_live;
    const TimeSource &m_time;
    GameCommands m_commands;
    std::function<void()> m_save;
    QHash<QString, Strikes> m_strikes;
    QHash<QString, Calls> m_calls;
    bool m_held = false;
    bool m_saved = true;
    std::function<QJsonObject()> m_consoleStatus;
    bool m_logged = true;
};
