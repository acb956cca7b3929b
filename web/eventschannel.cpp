#include "web/eventschannel.h"

#include "game/gamelog.h"
#include "game/gamelogentry.h"
#include "game/gamemodel.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"
#include "web/remoteapi.h"

#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

QString eventText(QJsonObject message)
{
    message.insert(u"v"_s, EventsChannel::Version);
    return QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact));
}

} // namespace

EventsChannel::EventsChannel(const RemoteApi &api, const GameModel &game,
                             const CurrentSettings &settings, QObject *parent)
    : QObject(parent), m_api(api), m_game(game), m_token(settings.value().ApiToken)
{
    m_pace.setSingleShot(true);
    m_pace.setInterval(StateIntervalMs);
    connect(&m_pace, &QTimer::timeout, this, [this] {
        if (std::exchange(m_statePending, false))
            sendState();
    });
    connect(&game, &GameModel::changed, this, &EventsChannel::stateChanged);
    connect(&game, &GameModel::clockAdvanced, this, &EventsChannel::stateChanged);
    connect(&settings, &CurrentSettings::changed, this, &EventsChannel::settingsChanged);
}

void EventsChannel::followLog(const GameLog *log)
{
    if (log)
        connect(log, &GameLog::lineAppended, this,
                [this](const QString &, const QByteArray &line) { logLine(line); });
}

QString EventsChannel::stateMessage() const
{
    return eventText({{u"type"_s, u"state"_s}, {u"state"_s, m_api.state()}});
}

void EventsChannel::pageOpened(quint64 page)
{
    m_clients.insert(page, true);
    emit sendToPage(page, stateMessage());
}

void EventsChannel::pageClosed(quint64 page)
{
    m_clients.remove(page);
}

void EventsChannel::disconnectAll()
{
    m_clients.clear();
}

// A burst of changes (a script's hundred calls, the running clock's tenths)
// becomes one state per interval, the last one always sent.
void EventsChannel::stateChanged()
{
    if (m_clients.isEmpty())
        return;
    if (m_pace.isActive()) {
        m_statePending = true;
        return;
    }
    sendState();
}

void EventsChannel::sendState()
{
    const QString text = stateMessage();
    m_pace.start();
    if (text == m_lastState)
        return;
    m_lastState = text;
    emit sendToAll(text);
}

void EventsChannel::logLine(const QByteArray &line)
{
    if (m_clients.isEmpty())
        return;
    const std::optional<GameLogEntry> entry = GameLogEntry::fromLine(line);
    if (!entry)
        return; // a log's header: the state tells a new game
    emit sendToAll(eventText({{u"type"_s, u"step"_s},
                              {u"action"_s, entry->action},
                              {u"label"_s, entry->label},
                              {u"origin"_s, entry->origin},
                              {u"time"_s, GameLogEntry::timeText(entry->time)},
                              {u"seq"_s, entry->number}}));
}

// A client let in with a token that no longer opens the API is not kept.
void EventsChannel::settingsChanged(const Settings &settings)
{
    const bool tokenChanged = settings.ApiToken != m_token;
    m_token = settings.ApiToken;
    if (settings.Api == 0 || tokenChanged) {
        m_clients.clear();
        emit closeAllRequested();
        return;
    }
    stateChanged(); // the captions and colours are part of the state
}
