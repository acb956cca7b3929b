#pragma once

#include "hall/brokeraddress.h"
#include "hall/nextgame.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

struct mosquitto;

// A court's link to the hall's MQTT broker. libmosquitto runs the network
// on its own thread; what it reports reaches this object through queued
// calls, and every publish is handed over without waiting, so the board
// never waits for the network. Topics, under corvella/v1/{venue}/{court}/:
// "online" (retained, "0" as the last will), "state" (retained), "log" (each
// line of the current game) and "result" (retained). After every
// (re)connection the current game's log goes out again from its first
// line, then the state: a broker that died may have lost what it took.
// The link listens on the court's "next" for the game the hall has it play
// next; it only tells of it, the operator decides. A flood there costs the
// board one look at the latest message a second at most, and a message
// larger than any next game is dropped on the network's thread unread.
class CourtLink : public QObject
{
    Q_OBJECT

public:
    static constexpr int KeepAliveSeconds = 10;
    static constexpr int MaxReconnectDelaySeconds = 10;
    // How long a first connection may take before the link counts as down.
    static constexpr int FirstConnectGraceMs = 5000;
    // A next game is about 120 bytes; escaped names may double that.
    static constexpr qsizetype MaxNextBytes = 2048;
    static constexpr int NextLookMs = 1000;

    explicit CourtLink(BrokerAddress address, QObject *parent = nullptr);
    ~CourtLink() override;

    const BrokerAddress &address() const { return m_address; }
    bool isUp() const { return m_up; }
    // Why the link is down, for the operator; empty while it is up or still
    // making its first connection.
    QString problem() const;
    // What the options show: up, connecting or down and why.
    QString stateText() const;

    // The game's state as the web's API gives it; `game` and `at` are added.
    void publishState(const QJsonObject &state);
    // A line of game `game`'s log; a new name starts a new game.
    void publishLogLine(const QString &game, const QByteArray &line);
    // The lines a resumed game already has, sent again on every connection.
    void resumeGame(const QString &game, const QList<QByteArray> &lines);
    // The current game's log lines so far, header first.
    const QList<QByteArray> &lines() const { return m_lines; }
    // The game's record once it is over.
    void publishResult(const QByteArray &json);
    // The presets a next game may name; the shipped and the user's until set.
    void setKnownPresets(const QStringList &names) { m_knownPresets = names; }
    // How often the board's thread has looked at a next game.
    int nextLooks() const { return m_nextLooks; }

signals:
    // The link came up or went down; problem() says why.
    void statusChanged();
    // The hall announced the court's next game.
    void nextGameAnnounced(const NextGame &game);
    // The hall has no next game for the court (an empty "next").
    void nextGameWithdrawn();

private:
    static void onConnect(mosquitto *client, void *self, int rc);
    static void onDisconnect(mosquitto *client, void *self, int rc);
    static void onMessage(mosquitto *client, void *self, const struct mosquitto_message *message);
    void nextGameArrived(const QByteArray &payload);
    void lookAtNextGame();
    void nextGameMessage(const QByteArray &payload);
    void connected(int rc);
    void disconnected(int rc);
    void setUp(bool up, const QString &reason);
    void publish(const QString &leaf, const QByteArray &payload, bool retained);
    QByteArray stamped(const QJsonObject &state) const;
    QByteArray logPayload(const QByteArray &line) const;
    void startGame(const QString &game);
    void sendEverything();
    void startNetwork();

    BrokerAddress m_address;
    mosquitto *m_client = nullptr;
    // Resolves the broker's name and makes the first connection, as often as
    // it takes, then starts libmosquitto's own thread, which keeps it.
    std::thread m_starter;
    std::mutex m_stopMutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;
    bool m_looping = false;
    bool m_up = false;
    bool m_graceOver = false;
    QString m_reason;
    QTimer m_grace;
    QString m_game;
    QList<QByteArray> m_lines;
    QJsonObject m_state;
    QByteArray m_result;
    QStringList m_knownPresets;
    // A wrong "next" is told once: a broker may hold it retained and send
    // it again at every connection.
    bool m_toldWrongNext = false;
    // The latest "next" from the network's thread, and whether a look at it
    // is already on its way to the board's thread.
    std::mutex m_nextMutex;
    std::optional<QByteArray> m_latestNext;
    bool m_nextPosted = false;
    QTimer m_nextLook;
    QElapsedTimer m_sinceLook;
    int m_nextLooks = 0;
};
