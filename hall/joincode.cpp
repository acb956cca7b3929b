#include "hall/joincode.h"

#include "hall/brokeraddress.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

namespace {

class JoinCodeText
{
    Q_DECLARE_TR_FUNCTIONS(Hall)
};

const QString Scheme = QStringLiteral("corvella-hall");

bool isFingerprint(const QString &text)
{
    if (text.size() != 64)
        return false;
    for (const QChar c : text)
        if (!(c.isDigit() || (c >= u'a' && c <= u'f')))
            return false;
    return true;
}

QString hostForUrl(const QString &host)
{
    return host.contains(u':') ? u'[' + host + u']' : host;
}

} // namespace

QString JoinCode::text() const
{
    QUrl url;
    url.setScheme(Scheme);
    url.setUserName(court);
    url.setPassword(password);
    url.setHost(host);
    url.setPort(port);
    url.setPath(u'/' + venue);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("ca"), caFingerprint);
    query.addQueryItem(QStringLiteral("web"), QString::number(webPort));
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

QString JoinCode::broker() const
{
    return hostForUrl(host) + u':' + QString::number(port);
}

QString JoinCode::caAddress() const
{
    return QStringLiteral("http://%1:%2/hall/ca.crt").arg(hostForUrl(host)).arg(webPort);
}

std::optional<JoinCode> JoinCode::parse(const QString &text, QString *why)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const auto refuse = [why](const QString &reason) {
        *why = reason;
        return std::nullopt;
    };
    if (!url.isValid() || url.scheme() != Scheme)
        return refuse(JoinCodeText::tr("A join code begins with \"corvella-hall://\"; copy it "
                                       "whole from the hall's window."));
    JoinCode code;
    code.court = url.userName(QUrl::FullyDecoded);
    code.password = url.password(QUrl::FullyDecoded);
    code.host = url.host(QUrl::FullyDecoded);
    code.port = url.port();
    code.venue = url.path(QUrl::FullyDecoded).mid(1);
    const QUrlQuery query(url);
    code.caFingerprint = query.queryItemValue(QStringLiteral("ca")).toLower();
    bool webOk = false;
    code.webPort = query.queryItemValue(QStringLiteral("web")).toInt(&webOk);
    if (!isTopicLevel(code.court) || code.password.isEmpty())
        return refuse(JoinCodeText::tr("The join code names no court or no password."));
    if (code.host.isEmpty() || code.port < 1 || code.port > 65535)
        return refuse(JoinCodeText::tr("The join code names no broker (host and port)."));
    if (!isTopicLevel(code.venue))
        return refuse(JoinCodeText::tr("The join code names no venue."));
    if (!isFingerprint(code.caFingerprint))
        return refuse(JoinCodeText::tr("The join code's \"ca\" is not a SHA-256 fingerprint."));
    if (!webOk || code.webPort < 1 || code.webPort > 65535)
        return refuse(JoinCodeText::tr("The join code's \"web\" is not a port."));
    return code;
}
