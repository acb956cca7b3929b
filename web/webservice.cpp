#include "web/webservice.h"

#include "game/gamelog.h"

#include "settings/currentsettings.h"

#include <QNetworkInterface>

void WebService::followLog(GameLog &log)
{
    connect(&log, &GameLog::lineAppended, &m_story, &LiveStory::take, Qt::UniqueConnection);
    if (!log.currentPath().isEmpty())
        m_story.resumeFrom(log.currentPath());
    m_live.setStory(&m_story);
}

WebService::WebService(GameModel &game, GameHistory &history, const CurrentSettings &settings,
                       const TimeSource &time, QObject *parent)
    : QObject(parent), m_live(game, history, settings, time),
      m_api(game, history, settings, m_live, time), m_events(m_api, game, settings),
      m_server(m_live), m_settings(settings)
{
    m_server.setApi(&m_api);
    m_server.setEvents(&m_events);
    connect(&settings, &CurrentSettings::changed, this, &WebService::apply);
    connect(&m_live, &LiveChannel::clientsChanged, this, &WebService::statusChanged);
    connect(&m_live, &LiveChannel::buzzerRequested, this, &WebService::buzzerRequested);
    connect(&m_api, &RemoteApi::buzzerRequested, this, &WebService::buzzerRequested);
    connect(&m_live, &LiveChannel::shortBuzzerRequested, this, &WebService::shortBuzzerRequested);
    connect(&m_api, &RemoteApi::shortBuzzerRequested, this, &WebService::shortBuzzerRequested);
    connect(&m_live, &LiveChannel::muteToggleRequested, this, &WebService::muteToggleRequested);
    connect(&m_api, &RemoteApi::muteToggleRequested, this, &WebService::muteToggleRequested);
}

WebService::~WebService() = default;

QHostAddress WebService::listenAddress(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QHostAddress(QHostAddress::Any);
    return QHostAddress(trimmed);
}

void WebService::apply(const Settings &settings)
{
    const QHostAddress address = listenAddress(settings.WebAddress);
    const QString wanted = settings.WebServer == 0
                               ? QString()
                               : address.toString() + u'|' + QString::number(settings.WebPort);
    if (wanted == m_listening && (wanted.isEmpty() || isRunning())) {
        emit statusChanged(); // the API's token may have changed
        return;
    }
    m_listening = wanted;
    m_server.close();
    m_problem.clear();
    if (!wanted.isEmpty()) {
        if (address.isNull())
            m_problem = tr("\"%1\" is not an address of this computer").arg(settings.WebAddress);
        else if (!m_server.listen(address, quint16(settings.WebPort)))
            m_problem = m_server.errorString();
        // A new run of the server gets a new PIN: phones must ask again.
        m_live.renewAccess();
    }
    emit statusChanged();
    emit stateChanged();
}

QStringList WebService::baseUrls() const
{
    if (!isRunning())
        return {};
    QList<QHostAddress> hosts;
    const QHostAddress bound = m_server.address();
    if (bound == QHostAddress(QHostAddress::Any) || bound == QHostAddress(QHostAddress::AnyIPv4)) {
        // Addresses on the network first; the loopback one only if nothing else.
        for (const QHostAddress &a : QNetworkInterface::allAddresses()) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
                hosts.append(a);
        }
        if (hosts.isEmpty())
            hosts.append(QHostAddress(QHostAddress::LocalHost));
    } else {
        hosts.append(bound);
    }
    QStringList urls;
    for (const QHostAddress &host : hosts) {
        const QString name = host.protocol() == QAbstractSocket::IPv6Protocol
                                 ? u'[' + host.toString() + u']'
                                 : host.toString();
        urls.append(QStringLiteral("http://%1:%2/").arg(name).arg(m_server.port()));
    }
    return urls;
}

void WebService::setRecordStatus(bool saved, bool logged, const QString &problem)
{
    m_api.setRecordStatus(saved, logged);
    m_recordProblem = problem;
    emit statusChanged();
}

WebService::Status WebService::status() const
{
    const Settings &s = m_settings.value();
    Status status;
    status.urls = baseUrls();
    status.pin = m_live.pinLock().pin();
    status.secret = m_live.pinLock().secret();
    status.problem = m_problem;
    status.clients = m_live.clientCount();
    status.remotes = m_live.operatorCount();
    status.apiToken = isRunning() && s.Api != 0 ? s.ApiToken : QString();
    status.recordProblem = m_recordProblem;
    return status;
}
