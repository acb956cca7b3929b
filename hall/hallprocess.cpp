#include "hall/hallprocess.h"

#include "hall/brokeraddress.h"
#include "hall/hallfeed.h"
#include "hall/halllink.h"
#include "hall/hallservice.h"
#include "settings/appsettings.h"
#include "web/webservice.h"

#include <QCoreApplication>

#include <cstdio>

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

} // namespace

int runHall(const HallOptions &options)
{
    const Settings settings = loadSettings();
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
    HallFeed feed(address.venue, HallFeed::folderFor(options.stateFolder, address.venue));
    HallLink link(address);
    QObject::connect(&link, &HallLink::message, &feed, &HallFeed::receive);
    QObject::connect(&link, &HallLink::statusChanged, &feed, [&link, &address] {
        if (link.isUp())
            complain(HallText::tr("connected to the broker %1").arg(address.text()));
        else
            complain(HallText::tr("not connected to the broker: %1").arg(link.problem()));
    });
    HallService service(feed);
    const quint16 webPort = quint16(options.port > 0 ? options.port : settings.WebPort);
    if (!service.listen(WebService::listenAddress(settings.WebAddress), webPort)) {
        complain(HallText::tr("cannot serve the hall's pages on port %1: %2")
                     .arg(webPort)
                     .arg(service.errorString()));
        return 1;
    }
    complain(HallText::tr("the hall's pages are on port %1: /hall, /hall/results, /hall.json")
                 .arg(service.port()));
    return QCoreApplication::exec();
}
