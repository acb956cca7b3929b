#include "web/livechannel.h"

#include "game/clockface.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/timesource.h"
#include "settings/currentsettings.h"
#include "web/boardstate.h"
#include "web/playerstate.h"

#include <QJsonDocument>
#include <QUndoCommand>

#include <algorithm>

namespace {

QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

QJsonObject typed(const char *type)
{
    return {{QStringLiteral("type"), text(type)}};
}

} // namespace

LiveChannel::LiveChannel(GameModel &game, GameHistory &history, const CurrentSettings &settings,
                         const TimeSource &time, QObject *parent)
    : QObject(parent), m_game(game), m_history(history), m_settings(settings), m_time(time),
      m_pin(time)
{
    m_keyframes.setInterval(KeyframeMs);
    connect(&m_keyframes, &QTimer::timeout, this, &LiveChannel::broadcastChange);
    connect(&m_game, &GameModel::changed, this, &LiveChannel::broadcastChange);
    connect(&m_settings, &CurrentSettings::changed, this, &LiveChannel::broadcastChange);
    m_lastSent = BoardState::snapshot(m_game, m_settings.value());
}

LiveChannel::~LiveChannel() = default;

void LiveChannel::pageOpened(quint64 page, const QString &address)
{
    Client client;
    client.address = address;
    client.tokensAtMs = m_time.elapsedMs();
    m_clients.insert(page, client);
    QJsonObject message = BoardState::snapshot(m_game, m_settings.value());
    message.insert(QStringLiteral("type"), text("state"));
    message.insert(QStringLiteral("seq"), m_seq);
    send(page, message);
    updateKeyframes();
    emit clientsChanged();
}

void LiveChannel::pageClosed(quint64 page)
{
    if (!m_clients.remove(page))
        return;
    updateKeyframes();
    emit clientsChanged();
}

void LiveChannel::disconnectAll()
{
    if (m_clients.isEmpty())
        return;
    m_clients.clear();
    updateKeyframes();
    emit clientsChanged();
}

int LiveChannel::operatorCount() const
{
    int count = 0;
    for (const Client &client : m_clients)
        count += client.mayOperate ? 1 : 0;
    return count;
}

void LiveChannel::send(quint64 page, QJsonObject message)
{
    message.insert(QStringLiteral("version"), Version);
    emit sendToPage(page, QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

void LiveChannel::broadcastChange()
{
    const QJsonObject now = BoardState::snapshot(m_game, m_settings.value());
    QJsonObject message = BoardState::changedParts(m_lastSent, now);
    m_lastSent = now;
    updateKeyframes();
    if (message.isEmpty())
        return;
    message.insert(QStringLiteral("type"), text("change"));
    message.insert(QStringLiteral("seq"), ++m_seq);
    message.insert(QStringLiteral("version"), Version);
    // Written once for every page.
    emit sendToAll(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

void LiveChannel::updateKeyframes()
{
    // An unlinked shot clock runs on its own, and pages run it on like the clock.
    const bool running = m_game.isRunning() || m_game.shotClock().running;
    const bool wanted = running && !m_clients.isEmpty();
    if (wanted && !m_keyframes.isActive())
        m_keyframes.start();
    else if (!wanted)
        m_keyframes.stop();
}

void LiveChannel::pageMessage(quint64 page, const QString &message)
{
    // Anything that is not a small JSON object of a known type is dropped.
    if (!m_clients.contains(page) || message.size() > MaxMessageChars)
        return;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return;
    const QJsonObject object = document.object();
    const QString type = object.value(QStringLiteral("type")).toString();
    if (type == u"pin")
        receivePin(page, object);
    else if (type == u"key")
        receiveKey(page, object);
    else if (type == u"session")
        receiveSession(page, object);
    else if (type == u"action")
        receiveAction(page, object);
}

void LiveChannel::renewAccess()
{
    m_pin.renew();
    m_sessions.clear();
    bool changed = false;
    for (Client &client : m_clients) {
        changed |= client.mayOperate;
        client.mayOperate = false;
    }
    if (changed)
        emit clientsChanged();
}

void LiveChannel::grant(quint64 page, const QString &session)
{
    if (!m_sessions.contains(session)) {
        m_sessions.append(session);
        if (m_sessions.size() > MaxSessions)
            m_sessions.removeFirst();
    }
    m_clients[page].mayOperate = true;
    emit clientsChanged();
    QJsonObject reply = typed("pin");
    reply.insert(QStringLiteral("result"), text("accepted"));
    reply.insert(QStringLiteral("session"), session);
    send(page, reply);
}

void LiveChannel::receiveKey(quint64 page, const QJsonObject &message)
{
    // 128 random bits: trying them is pointless, so tries are not counted.
    if (m_pin.checkSecret(message.value(QStringLiteral("key")).toString())) {
        grant(page, PinLock::randomToken());
        return;
    }
    QJsonObject reply = typed("pin");
    reply.insert(QStringLiteral("result"), text("refused"));
    send(page, reply);
}

void LiveChannel::receiveSession(quint64 page, const QJsonObject &message)
{
    const QString tried = message.value(QStringLiteral("session")).toString();
    for (const QString &session : std::as_const(m_sessions)) {
        if (PinLock::sameText(tried, session)) {
            grant(page, session);
            return;
        }
    }
    QJsonObject reply = typed("session");
    reply.insert(QStringLiteral("result"), text("unknown"));
    send(page, reply);
}

void LiveChannel::record(GameHistory::Action kind, const QString &text,
                         const std::function<void(GameModel &)> &action)
{
    // The history keeps remotes to their share of its steps.
    m_history.perform(kind, text, action, GameHistory::Origin::Remote);
}

bool LiveChannel::takeActionToken(Client &client)
{
    const qint64 now = m_time.elapsedMs();
    client.actionTokens =
        qMin<double>(ActionBurst, client.actionTokens +
                                      double(now - client.tokensAtMs) * ActionsPerSecond / 1000);
    client.tokensAtMs = now;
    if (client.actionTokens < 1) {
        ++m_droppedActions;
        return false;
    }
    client.actionTokens -= 1;
    return true;
}

void LiveChannel::receivePin(quint64 page, const QJsonObject &message)
{
    const QJsonValue pin = message.value(QStringLiteral("pin"));
    if (!pin.isString())
        return;
    const char *result = "refused";
    switch (m_pin.check(pin.toString(), m_clients.value(page).address)) {
    case PinLock::Result::Accepted:
        grant(page, PinLock::randomToken());
        return;
    case PinLock::Result::Refused:
        break;
    case PinLock::Result::LockedOut:
        result = "locked";
        break;
    }
    QJsonObject reply = typed("pin");
    reply.insert(QStringLiteral("result"), text(result));
    send(page, reply);
}

void LiveChannel::receiveAction(quint64 page, const QJsonObject &message)
{
    Client &client = m_clients[page];
    if (!takeActionToken(client))
        return;
    if (!client.mayOperate) {
        send(page, typed("pinRequired"));
        return;
    }
    if (m_held) {
        QJsonObject reply = typed("action");
        reply.insert(QStringLiteral("result"), text("wait"));
        send(page, reply);
        return;
    }
    perform(page, message);
}

bool LiveChannel::undo(quint64 page)
{
    const QUndoStack &stack = m_history.stack();
    if (!stack.canUndo())
        return false;
    // As at the board: a clock set running by surprise would run on
    // unnoticed, so that undo waits for a second press.
    const QUndoCommand *next = m_history.nextUndo();
    Client &client = m_clients[page];
    const qint64 now = m_time.elapsedMs();
    if (m_history.undoStartsClock() &&
        (client.confirming != next || now - client.confirmingAtMs > UndoConfirmMs)) {
        client.confirming = next;
        client.confirmingAtMs = now;
        QJsonObject reply = typed("undo");
        reply.insert(QStringLiteral("result"), text("confirm"));
        send(page, reply);
        return true;
    }
    client.confirming = nullptr;
    m_history.undo(GameHistory::Origin::Remote);
    return true;
}

bool LiveChannel::perform(quint64 page, const QJsonObject &message)
{
    const QString action = message.value(QStringLiteral("action")).toString();
    if (action == u"startStop") {
        record(GameHistory::Action::ClockStartStop, tr("Start or stop the clock from a phone"),
               [](GameModel &g) { g.startStop(); });
    } else if (action == u"reset") {
        record(GameHistory::Action::ClockReset, tr("Reset the clock from a phone"),
               [](GameModel &g) { g.resetClock(); });
    } else if (action == u"buzzer") {
        emit buzzerRequested();
    } else if (action == u"score") {
        const QJsonValue which = message.value(QStringLiteral("which"));
        const QJsonValue delta = message.value(QStringLiteral("delta"));
        const int w = which.toInt(-1);
        const int d = delta.toInt(0);
        // Only whole numbers in range: 1.5 or "1" is not a score button.
        if (!which.isDouble() || which.toDouble() != w || w < 0 || w >= GameModel::ScoreCount ||
            !delta.isDouble() || delta.toDouble() != d || d == 0 || qAbs(d) > MaxScoreStep)
            return false;
        const QString refusal = m_game.scoreRefusal(w, GameModel::ScoreChange::Add, d);
        if (!refusal.isEmpty()) {
            // Told to the phone that asked, in the words the board uses.
            QJsonObject reply = typed("action");
            reply.insert(QStringLiteral("result"), text("refused"));
            reply.insert(QStringLiteral("reason"), refusal);
            send(page, reply);
            return true;
        }
        // With the players on, a number sent with it names the scorer.
        const std::optional<QString> player =
            BoardState::playerNumberOf(message.value(QStringLiteral("player")));
        if (m_game.hasPlayers() && player)
            record(GameHistory::Action::ScoreAdd, tr("Change score from a phone"),
                   [w, d, number = *player](GameModel &g) { g.addToScoreBy(w, d, number); });
        else
            record(GameHistory::Action::ScoreAdd, tr("Change score from a phone"),
                   [w, d](GameModel &g) { g.addToScore(w, d); });
    } else if (action == u"clock") {
        // "minutes.seconds" as the API takes it, and only in play, as the board's own entry.
        const QJsonValue value = message.value(QStringLiteral("value"));
        if (!value.isString() || !BoardState::isClockText(value.toString()) ||
            m_game.phase() != GamePhase::Play)
            return false;
        const qint16 seconds = ClockFace::typedSeconds(value.toString());
        record(GameHistory::Action::ClockSet, tr("Set the clock from a phone"),
               [seconds](GameModel &g) { g.enterClockTime(seconds); });
    } else if (action == u"undo") {
        return undo(page);
    } else if (m_game.hasPlayers() && (action == u"foul" || action == u"penalty")) {
        return performPlayerStep(action, message);
    } else if (m_game.hasShotClock() && action.startsWith(u"shotClock")) {
        return performShotClock(action);
    } else if (m_game.playsSets() && action == u"point") {
        const QJsonValue team = message.value(QStringLiteral("team"));
        if (!team.isDouble() || (team.toDouble() != 0 && team.toDouble() != 1) ||
            m_game.pointRefusal() != GameModel::PointRefusal::None)
            return false;
        const auto to = team.toInt() == 0 ? GameModel::Home : GameModel::Guest;
        record(GameHistory::Action::Point, tr("Point from a phone"),
               [to](GameModel &g) { g.addPoint(to); });
    } else if (m_game.playsSets() && action == u"firstServer") {
        if (!m_game.canSwitchFirstServer())
            return false;
        record(GameHistory::Action::FirstServer, tr("Switch the first server from a phone"),
               [](GameModel &g) { g.switchFirstServer(); });
    } else if (m_game.hasShotClock() && action == u"possession") {
        record(GameHistory::Action::Possession, tr("Switch the possession arrow from a phone"),
               [](GameModel &g) { g.switchPossession(); });
    } else {
        return false;
    }
    return true;
}

// The remote's number pad, shown only with the players on: a foul or a
// penalty of one of the lengths the board offers.
bool LiveChannel::performPlayerStep(const QString &action, const QJsonObject &message)
{
    const QString team = message.value(QStringLiteral("team")).toString();
    const std::optional<QString> player =
        BoardState::playerNumberOf(message.value(QStringLiteral("player")));
    if ((team != u"home" && team != u"guest") || !player)
        return false;
    const GameModel::Team side = team == u"home" ? GameModel::Home : GameModel::Guest;
    const QString number = *player;
    if (action == u"foul") {
        record(GameHistory::Action::PlayerFoul, tr("Player's foul from a phone"),
               [side, number](GameModel &g) { g.addPlayerFoul(side, number); });
        return true;
    }
    const qint64 ms = qint64(message.value(QStringLiteral("seconds")).toDouble()) * 1000;
    if (!m_game.playerRules().penaltyLengthsMs.contains(ms))
        return false;
    record(GameHistory::Action::Penalty, tr("Penalty from a phone"),
           [side, number, ms](GameModel &g) { g.addPenalty(side, number, ms); });
    return true;
}

// The remote shows these buttons only with the shot clock on.
bool LiveChannel::performShotClock(const QString &action)
{
    if (action == u"shotClockReset")
        record(GameHistory::Action::ShotClockReset, tr("Reset the shot clock from a phone"),
               [](GameModel &g) { g.resetShotClock(); });
    else if (action == u"shotClockShort" && m_game.shotClockRules().shortMs > 0)
        record(GameHistory::Action::ShotClockShort, tr("Short shot clock from a phone"),
               [](GameModel &g) { g.resetShotClockShort(); });
    else if (action == u"shotClockHold")
        record(GameHistory::Action::ShotClockHold,
               tr("Hold or release the shot clock from a phone"),
               [](GameModel &g) { g.holdOrReleaseShotClock(); });
    else
        return false;
    return true;
}
