#include "hall/halllink.h"

#include "hall/halllimits.h"

#include <QMetaObject>

#include <mosquitto.h>

#include <algorithm>
#include <chrono>

HallLink::HallLink(BrokerAddress address, QObject *parent)
    : QObject(parent), m_address(std::move(address))
{
    static const int once = mosquitto_lib_init();
    Q_UNUSED(once);
    const QByteArray id = clientId(m_address.venue).toUtf8();
    // Not a clean session: the broker keeps the hall's subscription and its
    // QoS 1 messages while the hall restarts.
    m_client = mosquitto_new(id.constData(), false, this);
    const QByteArray user = m_address.user.toUtf8();
    const QByteArray password = m_address.password.toUtf8();
    if (!m_address.user.isEmpty())
        mosquitto_username_pw_set(m_client, user.constData(),
                                  m_address.password.isEmpty() ? nullptr : password.constData());
    if (!m_address.caFile.isEmpty()) {
        const QByteArray ca = m_address.caFile.toLocal8Bit();
        mosquitto_tls_set(m_client, ca.constData(), nullptr, nullptr, nullptr, nullptr);
        mosquitto_tls_insecure_set(m_client, false);
    }
    mosquitto_reconnect_delay_set(m_client, 1, MaxReconnectDelaySeconds, true);
    mosquitto_connect_callback_set(m_client, &HallLink::onConnect);
    mosquitto_disconnect_callback_set(m_client, &HallLink::onDisconnect);
    mosquitto_message_callback_set(m_client, &HallLink::onMessage);
    m_starter = std::thread([this] { startNetwork(); });
}

HallLink::~HallLink()
{
    {
        const std::lock_guard lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopped.notify_all();
    m_starter.join();
    if (m_looping) {
        mosquitto_disconnect(m_client);
        mosquitto_loop_stop(m_client, false);
    }
    mosquitto_destroy(m_client);
}

QString HallLink::clientId(const QString &venue)
{
    return QStringLiteral("corvella-hall-") + venue;
}

QString HallLink::subscription(const QString &venue)
{
    return QStringLiteral("corvella/v1/") + venue + QStringLiteral("/#");
}

void HallLink::startNetwork()
{
    const QByteArray host = m_address.host.toUtf8();
    std::chrono::seconds delay{1};
    std::unique_lock lock(m_stopMutex);
    while (!m_stopping) {
        lock.unlock();
        const int rc =
            mosquitto_connect_async(m_client, host.constData(), m_address.port, KeepAliveSeconds);
        lock.lock();
        if (rc == MOSQ_ERR_SUCCESS) {
            m_looping = !m_stopping && mosquitto_loop_start(m_client) == MOSQ_ERR_SUCCESS;
            return;
        }
        m_stopped.wait_for(lock, delay, [this] { return m_stopping; });
        delay = std::min(delay * 2, std::chrono::seconds(MaxReconnectDelaySeconds));
    }
}

void HallLink::onConnect(mosquitto *client, void *self, int rc)
{
    auto *link = static_cast<HallLink *>(self);
    if (rc == 0) {
        // Asked again on every connection: a broker that lost its sessions
        // has forgotten the subscription too.
        const QByteArray topic = subscription(link->m_address.venue).toUtf8();
        mosquitto_subscribe(client, nullptr, topic.constData(), 1);
    }
    const QString why = rc == 0 ? QString() : QString::fromUtf8(mosquitto_connack_string(rc));
    QMetaObject::invokeMethod(
        link, [link, rc, why] { link->setUp(rc == 0, why); }, Qt::QueuedConnection);
}

void HallLink::onDisconnect(mosquitto *, void *self, int)
{
    auto *link = static_cast<HallLink *>(self);
    QMetaObject::invokeMethod(
        link,
        [link] {
            link->setUp(false, tr("the connection to %1 was lost").arg(link->m_address.text()));
        },
        Qt::QueuedConnection);
}

void HallLink::onMessage(mosquitto *, void *self, const mosquitto_message *m)
{
    auto *link = static_cast<HallLink *>(self);
    const QString topic = QString::fromUtf8(m->topic);
    // A message past the bound of its kind is refused by the feed anyway:
    // only its first bytes cross to the hall's thread, enough to tell of it.
    const HallLimits limits;
    const qsizetype bound = topic.endsWith(u"/log")     ? limits.maxLogLineBytes
                            : topic.endsWith(u"/state") ? limits.maxStateBytes
                                                        : limits.maxResultBytes;
    const QByteArray payload(static_cast<const char *>(m->payload),
                             std::min<qsizetype>(m->payloadlen, bound + 1));
    QMetaObject::invokeMethod(
        link, [link, topic, payload] { emit link->message(topic, payload); }, Qt::QueuedConnection);
}

void HallLink::setUp(bool up, const QString &problem)
{
    if (up == m_up && problem == m_problem)
        return;
    m_up = up;
    m_problem = problem;
    emit statusChanged();
}

void HallLink::publish(const QString &topic, const QByteArray &payload, bool retained)
{
    const QByteArray name = topic.toUtf8();
    mosquitto_publish(m_client, nullptr, name.constData(), int(payload.size()), payload.constData(),
                      1, retained);
}
