#include "hall/hallserver.h"

#include "hall/hallfeed.h"
#include "hall/halllink.h"
#include "hall/hallschedule.h"
#include "hall/hallservice.h"
#include "hall/ownbroker.h"
#include "hall/schedule.h"
#include "settings/appsettings.h"
#include "settings/settingsstore.h"
#include "web/webservice.h"

#include <QCoreApplication>
#include <QHostInfo>

namespace {

class ServerText
{
    Q_DECLARE_TR_FUNCTIONS(Hall)
};

// The venue's bounds a hall's settings may raise or lower; a value out of
// range keeps the default.
HallLimits hallLimits()
{
    HallLimits limits;
    const QMap<QString, QString> stored = SettingsStore::read();
    const auto read = [&stored](const QString &key, int &into) {
        bool ok = false;
        const int value = stored.value(QStringLiteral("HallSettings/") + key).toInt(&ok);
        if (ok && value >= 1 && value <= 10000)
            into = value;
    };
    read(QStringLiteral("MaxCourts"), limits.maxCourts);
    read(QStringLiteral("MaxGamesPerCourt"), limits.maxGamesPerCourt);
    return limits;
}

std::unique_ptr<OwnBroker> ownBrokerOf(const HallServiceSettings &settings,
                                       const HallServer::Options &options)
{
    return std::make_unique<OwnBroker>(
        OwnBroker::folderFor(options.stateFolder, settings.venue), settings.venue, settings.user,
        OwnBroker::Listener{settings.ownBrokerAddress, settings.ownBrokerPort});
}

// A court's code for the hall's own broker, whose password it already has.
JoinCode joinCodeOf(const OwnBroker &broker, const QString &venue, const QString &court,
                    int webPort)
{
    JoinCode code;
    code.court = court;
    code.password = broker.courtPassword(court);
    code.host = HallServer::localHostName();
    code.port = broker.listener().port;
    code.venue = venue;
    code.caFingerprint = broker.caFingerprint();
    code.webPort = webPort;
    return code;
}

// The address the pages are served on, as settings of the board's web server.
QString webAddressSetting()
{
    return SettingsStore::read().value(QStringLiteral("WebSettings/WebAddress"));
}

} // namespace

HallServer::HallServer(HallServiceSettings settings, Options options, QObject *parent)
    : QObject(parent), m_settings(std::move(settings)), m_options(std::move(options)),
      m_feed(std::make_unique<HallFeed>(
          m_settings.venue, HallFeed::folderFor(m_options.stateFolder, m_settings.venue),
          hallLimits()))
{
    connect(m_feed.get(), &HallFeed::finished, this,
            [this](const QString &court, const QString &game) {
                if (m_day)
                    m_day->gameFinished(court, game);
                emit scheduleChanged();
            });
}

HallServer::~HallServer()
{
    m_service.reset();
    if (m_ownBroker)
        m_ownBroker->stop();
}

HallServer::Start HallServer::start(QString *why)
{
    if (m_settings.hasOwnBroker()) {
        auto own = ownBrokerOf(m_settings, m_options);
        if (!own->prepare(why))
            return Start::BrokerRefused;
        m_ownBroker = own.release();
        m_ownBroker->setParent(this);
        connect(m_ownBroker, &OwnBroker::told, this, &HallServer::told);
        connect(m_ownBroker, &OwnBroker::courtsChanged, this, &HallServer::courtsChanged);
        connect(m_ownBroker, &OwnBroker::failed, this, [this](const QString &reason) {
            emit brokerFailed(reason);
            emit statusChanged();
        });
        connect(m_ownBroker, &OwnBroker::ready, this, [this] {
            emit told(ServerText::tr("the hall's own broker listens on port %1")
                          .arg(m_ownBroker->listener().port));
            if (!m_link)
                startLink(m_ownBroker->hallAddress());
            emit statusChanged();
        });
        if (m_day && !m_ownBroker->addCourts(m_day->schedule().courts(), why))
            return Start::BrokerRefused;
    } else {
        BrokerAddress address;
        Settings asBoard;
        asBoard.HallBroker = m_settings.broker;
        asBoard.HallVenue = m_settings.venue;
        asBoard.HallPassword = m_settings.password;
        asBoard.HallCaFile = m_settings.caFile;
        const std::optional<BrokerAddress> from = BrokerAddress::from(asBoard);
        if (!from) {
            *why = ServerText::tr("HallServiceSettings/Broker is not host:port: %1")
                       .arg(m_settings.broker);
            return Start::BrokerRefused;
        }
        address = *from;
        address.user = m_settings.user;
        startLink(address);
    }

    m_service = std::make_unique<HallService>(*m_feed);
    m_service->setSchedule(schedule());
    m_service->setPagesLanguage(m_settings.language);
    if (m_ownBroker)
        m_service->setCaFile(m_ownBroker->caFile());
    const quint16 port = quint16(m_options.webPort > 0 ? m_options.webPort : m_settings.webPort);
    if (!m_service->listen(WebService::listenAddress(webAddressSetting()), port)) {
        *why = ServerText::tr("cannot serve the hall's pages on port %1: %2")
                   .arg(port)
                   .arg(m_service->errorString());
        m_service.reset();
        return Start::PagesRefused;
    }
    if (m_ownBroker)
        m_ownBroker->start();
    return Start::Serving;
}

bool HallServer::loadSchedule(const QString &path, QString *why)
{
    std::optional<Schedule> read = Schedule::read(path, why);
    if (!read)
        return false;
    read->setPoints(ResultPoints::parse(m_settings.points).value_or(ResultPoints{}));
    if (m_ownBroker && !m_ownBroker->addCourts(read->courts(), why))
        return false;
    if (m_service)
        m_service->setSchedule(nullptr);
    m_day = std::make_unique<HallSchedule>(
        std::move(*read), *m_feed,
        [this](const QString &court, const QByteArray &payload) { publishNext(court, payload); });
    if (m_service)
        m_service->setSchedule(&m_day->schedule());
    if (isLinkUp())
        m_day->announceAll();
    emit scheduleChanged();
    return true;
}

const Schedule *HallServer::schedule() const
{
    return m_day ? &m_day->schedule() : nullptr;
}

quint16 HallServer::webPort() const
{
    return m_service ? m_service->port() : 0;
}

QString HallServer::brokerText() const
{
    if (m_ownBroker)
        return ServerText::tr("the hall's own, port %1").arg(m_ownBroker->listener().port);
    return m_address.text();
}

bool HallServer::isLinkUp() const
{
    return m_link && m_link->isUp();
}

QString HallServer::linkProblem() const
{
    if (m_ownBroker && !m_ownBroker->isRunning())
        return ServerText::tr("the hall's own broker is not running");
    return m_link ? m_link->problem() : QString();
}

QStringList HallServer::joinableCourts() const
{
    return m_ownBroker ? m_ownBroker->courts() : QStringList();
}

std::optional<JoinCode> HallServer::joinCode(const QString &court) const
{
    if (!m_ownBroker || m_ownBroker->courtPassword(court).isEmpty())
        return std::nullopt;
    return joinCodeOf(*m_ownBroker, m_settings.venue, court, webPort());
}

QString HallServer::caFile() const
{
    return m_ownBroker ? m_ownBroker->caFile() : QString();
}

bool HallServer::addCourt(const QString &court, QString *why)
{
    if (!m_ownBroker) {
        *why = ServerText::tr("the hall uses the broker %1, whose users it does not keep")
                   .arg(m_settings.broker);
        return false;
    }
    if (!HallFeed::isCourtName(court)) {
        *why = ServerText::tr("\"%1\" cannot name a court: letters, digits, \"_\", \"-\", \".\" "
                              "and spaces only")
                   .arg(court);
        return false;
    }
    return m_ownBroker->addCourts({court}, why);
}

std::optional<JoinCode> HallServer::joinCodeFor(const HallServiceSettings &settings,
                                                const Options &options, const QString &court,
                                                QString *why)
{
    if (!settings.hasOwnBroker()) {
        *why = ServerText::tr("join codes are for the hall's own broker, and "
                              "HallServiceSettings/Broker names another one (%1)")
                   .arg(settings.broker);
        return std::nullopt;
    }
    if (!HallFeed::isCourtName(court)) {
        *why = ServerText::tr("\"%1\" cannot name a court").arg(court);
        return std::nullopt;
    }
    const std::unique_ptr<OwnBroker> own = ownBrokerOf(settings, options);
    if (!own->prepare(why) || !own->addCourts({court}, why))
        return std::nullopt;
    return joinCodeOf(*own, settings.venue, court,
                      options.webPort > 0 ? options.webPort : settings.webPort);
}

QString HallServer::localHostName()
{
    const QString host = QHostInfo::localHostName();
    return host.isEmpty() ? QStringLiteral("localhost") : host + QStringLiteral(".local");
}

void HallServer::startLink(const BrokerAddress &address)
{
    m_address = address;
    m_link = new HallLink(address, this);
    connect(m_link, &HallLink::message, m_feed.get(), &HallFeed::receive);
    connect(m_link, &HallLink::statusChanged, this, [this] {
        m_feed->setLinkUp(m_link->isUp());
        if (m_link->isUp()) {
            emit told(ServerText::tr("connected to the broker %1").arg(m_address.text()));
            // Retained on the broker, and sent again on every connection: a
            // broker that died may have lost them.
            if (m_day)
                m_day->announceAll();
        } else {
            emit told(ServerText::tr("not connected to the broker: %1").arg(m_link->problem()));
        }
        emit statusChanged();
    });
}

void HallServer::publishNext(const QString &court, const QByteArray &payload)
{
    if (m_link)
        m_link->publish(QStringLiteral("corvella/v1/%1/%2/next").arg(m_settings.venue, court),
                        payload, true);
}
