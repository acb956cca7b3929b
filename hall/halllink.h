#pragma once

#include "hall/brokeraddress.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

struct mosquitto;

// The hall's side of the broker: everything its courts publish, through a
// persistent QoS 1 session, so that what arrives while the hall is away
// waits for it on the broker. libmosquitto runs on its own thread; each
// message reaches this object's thread through a queued call, in order.
class HallLink : public QObject
{
    Q_OBJECT

public:
    static constexpr int KeepAliveSeconds = 10;
    static constexpr int MaxReconnectDelaySeconds = 10;

    // `address` gives the broker, the venue and who the hall is to it (its
    // court is not used).
    explicit HallLink(BrokerAddress address, QObject *parent = nullptr);
    ~HallLink() override;

    // The broker keeps the session by this name: one per venue.
    static QString clientId(const QString &venue);
    // What the hall listens to: corvella/v1/{venue}/#.
    static QString subscription(const QString &venue);

    bool isUp() const { return m_up; }
    // Why the link is down, or empty.
    QString problem() const { return m_problem; }
    // Handed to the network thread without waiting; QoS 1.
    void publish(const QString &topic, const QByteArray &payload, bool retained);

signals:
    void message(const QString &topic, const QByteArray &payload);
    void statusChanged();

private:
    static void onConnect(mosquitto *client, void *self, int rc);
    static void onDisconnect(mosquitto *client, void *self, int rc);
    static void onMessage(mosquitto *client, void *self, const struct mosquitto_message *m);
    void setUp(bool up, const QString &problem);
    void startNetwork();

    BrokerAddress m_address;
    mosquitto *m_client = nullptr;
    // Makes the first connection as often as it takes, then starts
    // libmosquitto's own thread, which keeps it (as a court's link does).
    std::thread m_starter;
    std::mutex m_stopMutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;
    bool m_looping = false;
    bool m_up = false;
    QString m_problem;
};
