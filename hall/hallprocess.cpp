#include "hall/hallprocess.h"

#include "hall/brokeraddress.h"
#include "hall/hallfeed.h"
#include "hall/halllink.h"
#include "hall/hallschedule.h"
#include "hall/hallservice.h"
#include "settings/appsettings.h"
#include "settings/settingsstore.h"
#include "web/webservice.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Gives the hall's messages their translation context.
class HallText
{
    Q_DECLARE_TR_FUNCTIONS(Hall)
};

void complain(const QString &text)
{
    std::fprintf(stderr, "corvella: %s\n", qPrintable(text));
    std::fflush(stderr);
}

// The hall is a user of the broker of its own, "hall" unless set: the
// court's name, a court's default user, is not the hall's.
BrokerAddress hallAddress(const Settings &settings)
{
    BrokerAddress address = *BrokerAddress::from(settings);
    address.user = settings.HallUser.isEmpty() ? QStringLiteral("hall") : settings.HallUser;
    return address;
}

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

int acceptResult(const HallOptions &options, const Settings &settings)
{
    const QString venue =
        settings.HallVenue.isEmpty() ? QStringLiteral("hall") : settings.HallVenue;
    QString why;
    const std::optional<QJsonArray> scores =
        HallFeed::accept(HallFeed::folderFor(options.stateFolder, venue), options.acceptCourt,
                         options.acceptGame, &why);
    if (!scores) {
        complain(why);
        return 1;
    }
    std::printf("%s\n", qPrintable(QStringLiteral("court %1, game %2: %3 : %4 accepted")
                                       .arg(options.acceptCourt, options.acceptGame)
                                       .arg(scores->at(0).toInt())
                                       .arg(scores->at(1).toInt())));
    std::fflush(stdout);
    return 0;
}

} // namespace

int runHall(const HallOptions &options)
{
    const Settings settings = loadSettings();
    if (!options.acceptCourt.isEmpty())
        return acceptResult(options, settings);
    std::optional<Schedule> schedule;
    if (!options.scheduleFile.isEmpty()) {
        QString error;
        schedule = Schedule::read(options.scheduleFile, &error);
        if (!schedule) {
            complain(error);
            return 2;
        }
    }
    if (settings.HallBroker.trimmed().isEmpty()) {
        complain(HallText::tr("--hall needs the hall's broker: set HallSettings/Broker "
                              "(host:port) in the options' Hall page or in Corvella.conf"));
        return 2;
    }
    if (!BrokerAddress::from(settings)) {
        complain(HallText::tr("HallSettings/Broker is not host:port: %1").arg(settings.HallBroker));
        return 2;
    }
    const BrokerAddress address = hallAddress(settings);
    HallFeed feed(address.venue, HallFeed::folderFor(options.stateFolder, address.venue),
                  hallLimits());
    HallLink link(address);
    QObject::connect(&link, &HallLink::message, &feed, &HallFeed::receive);
    QObject::connect(&link, &HallLink::statusChanged, &feed, [&link, &address, &feed] {
        feed.setLinkUp(link.isUp());
        if (link.isUp())
            complain(HallText::tr("connected to the broker %1").arg(address.text()));
        else
            complain(HallText::tr("not connected to the broker: %1").arg(link.problem()));
    });
    HallService service(feed);
    std::unique_ptr<HallSchedule> day;
    if (schedule) {
        schedule->setPoints(ResultPoints::fromStored(SettingsStore::read()));
        const auto publishNext = [&link, &address](const QString &court, const QByteArray &next) {
            link.publish(QStringLiteral("corvella/v1/%1/%2/next").arg(address.venue, court), next,
                         true);
        };
        day = std::make_unique<HallSchedule>(std::move(*schedule), feed, publishNext);
        service.setSchedule(&day->schedule());
        // Retained on the broker, and sent again on every connection: a
        // broker that died may have lost them.
        QObject::connect(&link, &HallLink::statusChanged, day.get(), [&link, &day] {
            if (link.isUp())
                day->announceAll();
        });
        QObject::connect(&feed, &HallFeed::finished, day.get(), &HallSchedule::gameFinished);
    }
    const quint16 webPort = quint16(options.port > 0 ? options.port : settings.WebPort);
    if (!service.listen(WebService::listenAddress(settings.WebAddress), webPort)) {
        complain(HallText::tr("cannot serve the hall's pages on port %1: %2")
                     .arg(webPort)
                     .arg(service.errorString()));
        return 1;
    }
    complain(
        HallText::tr(
            "the hall's pages are on port %1: /hall, /hall/results, /hall/schedule, /hall.json")
            .arg(service.port()));
    return QCoreApplication::exec();
}
