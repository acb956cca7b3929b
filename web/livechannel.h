#pragma once

#include "game/commands.h"
#include "game/gamehistory.h"
#include "web/pinlock.h"

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class CurrentSettings;
class GameModel;
class LiveStory;
class QUndoCommand;
class TimeSource;

// The live channel to every connected page. A page gets the whole board when
// it connects, then one message per change; while the clock runs, a keyframe
// each second keeps every page's own clock in step. Pages read; a page that
// sent the right PIN may also operate (start/stop, reset, buzzer, scores,
// setting the clock, undo). Everything a client sends is checked. The
// sockets themselves are held by PageLinks on the server's thread: this
// side, on the main thread, knows the pages by number and writes each
// message once for all of them.
class LiveChannel : public QObject
{
    Q_OBJECT

public:
    // Every message says which version of this format it is.
    static constexpr int Version = 1;
    // A client message longer than this is dropped unread.
    static constexpr qsizetype MaxMessageChars = 1024;
    static constexpr int KeyframeMs = 1000;
    // A remote's actions: this many a second, with short bursts of up to
    // ActionBurst; the rest are dropped.
    static constexpr int ActionsPerSecond = 20;
    static constexpr int ActionBurst = 10;
    // The most a remote's score button adds or takes at once.
    static constexpr int MaxScoreStep = 3;
    // An undo that would start the clock again is done by a second one
    // within this time.
    static constexpr qint64 UndoConfirmMs = 2000;
    // Sessions kept; the oldest goes first.
    static constexpr int MaxSessions = 64;

    LiveChannel(GameModel &game, GameHistory &history, const CurrentSettings &settings,
                const TimeSource &time, QObject *parent = nullptr);
    ~LiveChannel() override;

    // While held, a remote's actions are refused and change nothing: the
    // operator has yet to say which game this is.
    void holdActions(bool held) { m_held = held; }

    // What the pages' side reports.
    void pageOpened(quint64 page, const QString &address = QString());
    void pageMessage(quint64 page, const QString &text);
    void pageClosed(quint64 page);
    // Forgets every page (the server has closed them).
    void disconnectAll();

    int clientCount() const { return int(m_clients.size()); }
    int operatorCount() const;
    // Actions dropped for coming too fast, since the start.
    qint64 droppedActions() const { return m_droppedActions; }
    // The number of the last change sent; it grows with every change.
    qint64 sequence() const { return m_seq; }
    // A new PIN and QR secret; every session ends (phones must ask again).
    void renewAccess();
    PinLock &pinLock() { return m_pin; }
    const PinLock &pinLock() const { return m_pin; }

    const GameModel &game() const { return m_game; }
    // The game's story (figures and last steps) travels with the board as
    // its part "story" while set; `story` outlives this or is unset first.
    void setStory(const LiveStory *story);

signals:
    void clientsChanged();
    // A remote asked for the buzzer on this computer, its short warning, or
    // all sound off or on again.
    void buzzerRequested();
    void shortBuzzerRequested();
    void muteToggleRequested();
    // To the pages' side.
    void sendToPage(quint64 page, const QString &text);
    void sendToAll(const QString &text);

private:
    struct Client
    {
        QString address;
        bool mayOperate = false;
        double actionTokens = ActionBurst;
        qint64 tokensAtMs = 0;
        // The step an undo is waiting to be confirmed for, only compared.
        const QUndoCommand *confirming = nullptr;
        qint64 confirmingAtMs = 0;
    };

    QJsonObject snapshot() const;
    void broadcastChange();
    void send(quint64 page, QJsonObject message);
    void receivePin(quint64 page, const QJsonObject &message);
    void receiveKey(quint64 page, const QJsonObject &message);
    void receiveSession(quint64 page, const QJsonObject &message);
    void grant(quint64 page, const QString &session);
    bool takeActionToken(Client &client);
    void receiveAction(quint64 page, const QJsonObject &message);
    static const QHash<QString, QString> &buttons();
    bool perform(quint64 page, const QJsonObject &message);
    bool undo(quint64 page);
    void updateKeyframes();

    GameModel &m_game;
    GameHistory &m_history;
    const CurrentSettings &m_settings;
    const TimeSource &m_time;
    PinLock m_pin;
    GameCommands m_commands;
    QStringList m_sessions;
    qint64 m_droppedActions = 0;
    QHash<quint64, Client> m_clients;
    QJsonObject m_lastSent;
    qint64 m_seq = 0;
    QTimer m_keyframes;
    bool m_held = false;
    const LiveStory *m_story = nullptr;
};
