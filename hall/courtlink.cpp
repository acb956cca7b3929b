#include "hall/courtlink.h"

#include "game/presets.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QMetaObject>

#include <mosquitto.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>

namespace {

// libmosquitto keeps its own state; the first link made sets it up.
void initLibrary()
{
    static const int once = mosquitto_lib_init();
    Q_UNUSED(once);
}

QString nextTopic(const BrokerAddress &address)
{
    return address.topicRoot() + QStringLiteral("next");
}

} // namespace

CourtLink::CourtLink(BrokerAddress address, QObject *parent)
    : QObject(parent), m_address(std::move(address))
{
    initLibrary();
    m_client = mosquitto_new(nullptr, true, this);
    const QByteArray user = m_address.user.toUtf8();
    const QByteArray password = m_address.password.toUtf8();
    if (!m_address.user.isEmpty())
        mosquitto_username_pw_set(m_client, user.constData(),
                                  m_address.password.isEmpty() ? nullptr : password.constData());
    if (!m_address.caFile.isEmpty()) {
        // The broker's certificate is checked against the authority and the
        // name we connect to: a password never goes to an impostor.
        const QByteArray ca = m_address.caFile.toLocal8Bit();
        mosquitto_tls_set(m_client, ca.constData(), nullptr, nullptr, nullptr, nullptr);
        mosquitto_tls_insecure_set(m_client, false);
    }
    const QByteArray willTopic = (m_address.topicRoot() + QStringLiteral("online")).toUtf8();
    mosquitto_will_set(m_client, willTopic.constData(), 1, "0", 1, true);
    mosquitto_reconnect_delay_set(m_client, 1, MaxReconnectDelaySeconds, true);
    mosquitto_connect_callback_set(m_client, &CourtLink::onConnect);
    mosquitto_disconnect_callback_set(m_client, &CourtLink::onDisconnect);
    mosquitto_message_callback_set(m_client, &CourtLink::onMessage);
    qRegisterMetaType<NextGame>();

    m_grace.setSingleShot(true);
    m_grace.setInterval(FirstConnectGraceMs);
    connect(&m_grace, &QTimer::timeout, this, [this] {
        m_graceOver = true;
        if (!m_up)
            setUp(false, tr("no answer from %1").arg(m_address.text()));
    });
    m_grace.start();
    m_nextLook.setSingleShot(true);
    connect(&m_nextLook, &QTimer::timeout, this, &CourtLink::lookAtNextGame);

    m_starter = std::thread([this] { startNetwork(); });
}

// libmosquitto's loop reconnects a link it once started, but a first
// attempt refused at once is left to its caller.
void CourtLink::startNetwork()
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

CourtLink::~CourtLink()
{
    {
        const std::lock_guard lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopped.notify_all();
    m_starter.join();
    if (m_looping) {
        // Told as the will would tell it: a board that closes is off the hall.
        if (m_up)
            publish(QStringLiteral("online"), "0", true);
        mosquitto_disconnect(m_client);
        mosquitto_loop_stop(m_client, false);
    }
    mosquitto_destroy(m_client);
}

void CourtLink::onConnect(mosquitto *client, void *self, int rc)
{
    auto *link = static_cast<CourtLink *>(self);
    // A clean session forgets what it was subscribed to; the broker sends
    // the retained next game again with each subscription.
    if (rc == 0) {
        const QByteArray topic = nextTopic(link->m_address).toUtf8();
        mosquitto_subscribe(client, nullptr, topic.constData(), 1);
    }
    QMetaObject::invokeMethod(
        link, [link, rc] { link->connected(rc); }, Qt::QueuedConnection);
}

void CourtLink::onDisconnect(mosquitto *, void *self, int rc)
{
    auto *link = static_cast<CourtLink *>(self);
    QMetaObject::invokeMethod(
        link, [link, rc] { link->disconnected(rc); }, Qt::QueuedConnection);
}

void CourtLink::onMessage(mosquitto *, void *self, const mosquitto_message *message)
{
    auto *link = static_cast<CourtLink *>(self);
    if (QString::fromUtf8(message->topic) != nextTopic(link->m_address))
        return;
    // Too large to be a next game: its first bytes are enough to tell of it.
    const int size = std::min<int>(message->payloadlen, MaxNextBytes + 1);
    link->nextGameArrived(QByteArray(static_cast<const char *>(message->payload), size));
}

// On the network's thread: only the latest counts, and at most one look is
// queued for the board's thread at a time.
void CourtLink::nextGameArrived(const QByteArray &payload)
{
    {
        const std::lock_guard lock(m_nextMutex);
        m_latestNext = payload;
        if (std::exchange(m_nextPosted, true))
            return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            const qint64 since = m_sinceLook.isValid() ? m_sinceLook.elapsed() : NextLookMs;
            if (since >= NextLookMs)
                lookAtNextGame();
            else if (!m_nextLook.isActive())
                m_nextLook.start(int(NextLookMs - since));
        },
        Qt::QueuedConnection);
}

void CourtLink::lookAtNextGame()
{
    std::optional<QByteArray> payload;
    {
        const std::lock_guard lock(m_nextMutex);
        payload = std::exchange(m_latestNext, std::nullopt);
        m_nextPosted = false;
    }
    if (!payload)
        return;
    m_sinceLook.start();
    ++m_nextLooks;
    nextGameMessage(*payload);
}

void CourtLink::nextGameMessage(const QByteArray &payload)
{
    if (payload.isEmpty()) {
        emit nextGameWithdrawn();
        return;
    }
    if (m_knownPresets.isEmpty()) {
        for (const Preset &preset : Presets::load(Presets::userFolder()))
            m_knownPresets << preset.name;
    }
    if (payload.size() <= MaxNextBytes) {
        if (const std::optional<NextGame> game = NextGame::fromMessage(payload, m_knownPresets)) {
            emit nextGameAnnounced(*game);
            return;
        }
    }
    if (!std::exchange(m_toldWrongNext, true)) {
        // Shown as the hall sent it, but never a control character on a terminal.
        QString shown = QString::fromUtf8(payload.left(200));
        for (QChar &c : shown)
            if (!NextGame::isShownCharacter(c))
                c = u'?';
        std::fprintf(stderr, "corvella: %s\n",
                     qPrintable(tr("ignored a next game from the hall that is not "
                                   "{\"time\", \"home\", \"guest\", \"preset\"} with a known "
                                   "preset: %1")
                                    .arg(shown)));
    }
}

void CourtLink::connected(int rc)
{
    if (rc != 0) {
        setUp(false, QString::fromUtf8(mosquitto_connack_string(rc)));
        return;
    }
    setUp(true, QString());
    sendEverything();
}

void CourtLink::disconnected(int rc)
{
    Q_UNUSED(rc);
    m_graceOver = true;
    setUp(false, tr("the connection to %1 was lost").arg(m_address.text()));
}

void CourtLink::setUp(bool up, const QString &reason)
{
    const bool changed = up != m_up || reason != m_reason;
    m_up = up;
    m_reason = reason;
    if (up)
        m_graceOver = true;
    if (changed)
        emit statusChanged();
}

QString CourtLink::problem() const
{
    if (m_up || (!m_graceOver && m_reason.isEmpty()))
        return {};
    return tr("the hall link is down: %1").arg(m_reason);
}

QString CourtLink::stateText() const
{
    if (m_up)
        return tr("Connected to %1").arg(m_address.text());
    if (!m_graceOver && m_reason.isEmpty())
        return tr("Connecting to %1").arg(m_address.text());
    return tr("Not connected: %1").arg(m_reason);
}

void CourtLink::publish(const QString &leaf, const QByteArray &payload, bool retained)
{
    const QByteArray topic = (m_address.topicRoot() + leaf).toUtf8();
    mosquitto_publish(m_client, nullptr, topic.constData(), int(payload.size()),
                      payload.constData(), 1, retained);
}

QByteArray CourtLink::stamped(const QJsonObject &state) const
{
    QJsonObject out = state;
    out.insert(QStringLiteral("game"), m_game);
    out.insert(QStringLiteral("at"), QDateTime::currentMSecsSinceEpoch());
    return QJsonDocument(out).toJson(QJsonDocument::Compact);
}

QByteArray CourtLink::logPayload(const QByteArray &line) const
{
    QJsonObject entry = QJsonDocument::fromJson(line).object();
    entry.insert(QStringLiteral("game"), m_game);
    return QJsonDocument(entry).toJson(QJsonDocument::Compact);
}

void CourtLink::publishState(const QJsonObject &state)
{
    m_state = state;
    if (m_up)
        publish(QStringLiteral("state"), stamped(m_state), true);
}

void CourtLink::startGame(const QString &game)
{
    if (game == m_game)
        return;
    m_game = game;
    m_lines.clear();
    m_result.clear();
}

void CourtLink::publishLogLine(const QString &game, const QByteArray &line)
{
    startGame(game);
    m_lines.append(line);
    // Down, the line waits in the game's lines for the next connection.
    if (m_up)
        publish(QStringLiteral("log"), logPayload(line), false);
}

void CourtLink::resumeGame(const QString &game, const QList<QByteArray> &lines)
{
    startGame(game);
    m_lines = lines;
    if (m_up)
        sendEverything();
}

void CourtLink::publishResult(const QByteArray &json)
{
    m_result = json;
    if (m_up)
        publish(QStringLiteral("result"), m_result, true);
}

void CourtLink::sendEverything()
{
    publish(QStringLiteral("online"), "1", true);
    for (const QByteArray &line : std::as_const(m_lines))
        publish(QStringLiteral("log"), logPayload(line), false);
    if (!m_state.isEmpty())
        publish(QStringLiteral("state"), stamped(m_state), true);
    if (!m_result.isEmpty())
        publish(QStringLiteral("result"), m_result, true);
}
