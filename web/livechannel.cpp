#include "web/livechannel.h"

#include "game/commands.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/timesource.h"
#include "settings/currentsettings.h"
#include "web/boardstate.h"
#include "web/livestory.h"

#include <QJsonDocument>
#include <QUndoCommand>

#include <algorithm>

using namespace Qt::StringLiterals;

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
      m_pin(time),
      m_commands(game, history, [&settings]() -> const Settings & { return settings.value(); })
{
    connect(&m_commands, &GameCommands::buzzerRequested, this, &LiveChannel::buzzerRequested);
    connect(&m_commands, &GameCommands::shortBuzzerRequested, this,
            &LiveChannel::shortBuzzerRequested);
    connect(&m_commands, &GameCommands::muteToggleRequested, this,
            &LiveChannel::muteToggleRequested);
    m_keyframes.setInterval(KeyframeMs);
    connect(&m_keyframes, &QTimer::timeout, this, &LiveChannel::broadcastChange);
    connect(&m_game, &GameModel::changed, this, &LiveChannel::broadcastChange);
    connect(&m_settings, &CurrentSettings::changed, this, &LiveChannel::broadcastChange);
    m_lastSent = snapshot();
}

LiveChannel::~LiveChannel() = default;

void LiveChannel::setStory(const LiveStory *story)
{
    if (m_story)
        disconnect(m_story, nullptr, this, nullptr);
    m_story = story;
    if (story)
        connect(story, &LiveStory::changed, this, &LiveChannel::broadcastChange);
    broadcastChange();
}

QJsonObject LiveChannel::snapshot() const
{
    QJsonObject board = BoardState::snapshot(m_game, m_settings.value());
    if (m_story && !m_story->json().isEmpty())
        board.insert(QStringLiteral("story"), m_story->json());
    return board;
}

void LiveChannel::pageOpened(quint64 page, const QString &address)
{
    Client client;
    client.address = address;
    client.tokensAtMs = m_time.elapsedMs();
    m_clients.insert(page, client);
    QJsonObject message = snapshot();
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
    const QJsonObject now = snapshot();
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
    const bool running = m_game.isRunning() || m_game.shotClockPart().state().running;
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

// The remote's own names for its buttons, each a command with no parameters.
const QHash<QString, QString> &LiveChannel::buttons()
{
    static const QHash<QString, QString> named{{u"startStop"_s, u"clock.toggle"_s},
                                               {u"reset"_s, u"clock.reset"_s},
                                               {u"buzzer"_s, u"buzzer.sound"_s},
                                               {u"shotClockReset"_s, u"shotclock.reset"_s},
                                               {u"shotClockShort"_s, u"shotclock.short"_s},
                                               {u"shotClockHold"_s, u"shotclock.toggle"_s},
                                               {u"firstServer"_s, u"serve.switch"_s},
                                               {u"possession"_s, u"possession.switch"_s}};
    return named;
}

bool LiveChannel::perform(quint64 page, const QJsonObject &message)
{
    const QString action = message.value(u"action"_s).toString();
    if (action == u"undo")
        return undo(page);
    QString id = buttons().value(action);
    QJsonObject params;
    if (action == u"score") {
        const QJsonValue which = message.value(u"which"_s);
        const QJsonValue delta = message.value(u"delta"_s);
        const int w = which.toInt(-1);
        const int d = delta.toInt(0);
        // Only whole numbers in range: 1.5 or "1" is not a score button.
        if (!which.isDouble() || which.toDouble() != w || w < 0 || w >= GameModel::ScoreCount ||
            !delta.isDouble() || delta.toDouble() != d || d == 0 || qAbs(d) > MaxScoreStep)
            return false;
        id = u"score.add"_s;
        params = {{u"team"_s, w % 2 == 0 ? u"home"_s : u"guest"_s},
                  {u"section"_s, w < 2 ? 1 : 2},
                  {u"add"_s, d}};
        // With the players on, a number sent with it names the scorer.
        const QJsonValue player = message.value(u"player"_s);
        if (m_game.hasPlayers() && GameCommands::playerNumberOf(player))
            params.insert(u"player"_s, player);
    } else if (action == u"clock") {
        id = u"clock.set"_s;
        params = {{u"value"_s, message.value(u"value"_s)}};
    } else if (action == u"point") {
        const QJsonValue team = message.value(u"team"_s);
        if (!team.isDouble() || (team.toDouble() != 0 && team.toDouble() != 1))
            return false;
        id = team.toInt() == 0 ? u"point.home"_s : u"point.guest"_s;
    } else if (action == u"foul" || action == u"penalty") {
        id = action == u"foul" ? u"foul.player"_s : u"penalty.start"_s;
        params = {{u"team"_s, message.value(u"team"_s)}, {u"player"_s, message.value(u"player"_s)}};
        // The pad offers the board's own lengths and no other.
        if (action == u"penalty") {
            const qint64 ms = qint64(message.value(u"seconds"_s).toDouble()) * 1000;
            if (m_game.hasPlayers() && !m_game.playersPart().rules().penaltyLengthsMs.contains(ms))
                return false;
            params.insert(u"seconds"_s, message.value(u"seconds"_s));
        }
    } else if (id.isEmpty() && GameCommands::find(action)) {
        // Any other command by its id, with its parameters.
        id = action;
        params = message.value(u"params"_s).toObject();
    }
    if (id.isEmpty())
        return false;
    const GameCommands::Outcome outcome = m_commands.run(id, params, GameHistory::Origin::Remote);
    if (outcome.refusal == GameCommands::Refusal::Malformed)
        return false;
    if (outcome.refusal == GameCommands::Refusal::NotNow) {
        // Told to the phone that asked, in the words the board uses.
        QJsonObject reply = typed("action");
        reply.insert(u"result"_s, text("refused"));
        reply.insert(u"reason"_s, outcome.why);
        send(page, reply);
    }
    return true;
}
