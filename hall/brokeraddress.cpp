#include "hall/brokeraddress.h"

#include "settings/appsettings.h"

namespace {

struct HostPort
{
    QString host;
    int port = 0; // 0: none given
};

std::optional<HostPort> splitBroker(const QString &text)
{
    const QString broker = text.trimmed();
    if (broker.isEmpty())
        return std::nullopt;
    HostPort out;
    qsizetype colon = -1;
    if (broker.startsWith(u'[')) {
        const qsizetype close = broker.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        out.host = broker.mid(1, close - 1);
        if (close + 1 < broker.size()) {
            if (broker.at(close + 1) != u':')
                return std::nullopt;
            colon = close + 1;
        }
    } else {
        colon = broker.lastIndexOf(u':');
        out.host = colon < 0 ? broker : broker.left(colon);
    }
    if (colon >= 0) {
        bool ok = false;
        out.port = broker.mid(colon + 1).toInt(&ok);
        if (!ok || out.port < 1 || out.port > 65535)
            return std::nullopt;
    }
    if (out.host.isEmpty() || out.host.contains(u' '))
        return std::nullopt;
    return out;
}

} // namespace

std::optional<BrokerAddress> BrokerAddress::from(const Settings &settings)
{
    const std::optional<HostPort> where = splitBroker(settings.HallBroker);
    if (!where)
        return std::nullopt;
    BrokerAddress a;
    a.host = where->host;
    a.caFile = settings.HallCaFile;
    a.port = where->port ? where->port : a.caFile.isEmpty() ? DefaultPort : DefaultTlsPort;
    a.venue = settings.HallVenue;
    a.court = settings.HallCourt;
    a.user = hallUser(settings);
    a.password = settings.HallPassword;
    return a;
}

QString BrokerAddress::topicRoot() const
{
    return QStringLiteral("corvella/v1/") + venue + u'/' + court + u'/';
}

QString BrokerAddress::text() const
{
    const QString shownHost = host.contains(u':') ? u'[' + host + u']' : host;
    return shownHost + u':' + QString::number(port);
}

bool isLocalBroker(const QString &broker)
{
    const std::optional<HostPort> where = splitBroker(broker);
    if (!where)
        return false;
    const QString host = where->host.toLower();
    return host == QLatin1StringView("localhost") || host == QLatin1StringView("127.0.0.1") ||
           host == QLatin1StringView("::1");
}

bool isTopicLevel(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'+') &&
           !name.contains(u'#') && !name.contains(QChar(0));
}
