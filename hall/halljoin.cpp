#include "hall/halljoin.h"

#include "hall/accesslist.h"
#include "hall/brokercertificates.h"
#include "settings/appsettings.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

HallJoin::HallJoin(QString caFolder, QObject *parent)
    : QObject(parent), m_caFolder(std::move(caFolder)), m_network(new QNetworkAccessManager(this))
{
}

void HallJoin::start(const JoinCode &code)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_code = code;
    QNetworkRequest request(QUrl(code.caAddress()));
    request.setTransferTimeout(DeadlineMs);
    // No proxy: the hall is on this network.
    m_network->setProxy(QNetworkProxy::NoProxy);
    m_reply = m_network->get(request);
    m_reply->setReadBufferSize(MaxCertificateBytes + 1);
    connect(m_reply, &QNetworkReply::finished, this, &HallJoin::finish);
}

void HallJoin::finish()
{
    QNetworkReply *reply = std::exchange(m_reply, nullptr);
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        emit failed(tr("The hall at %1 cannot be reached: %2")
                        .arg(m_code.caAddress(), reply->errorString()));
        return;
    }
    const QByteArray pem = reply->read(MaxCertificateBytes);
    const QString fingerprint = BrokerCertificates::fingerprintOfPem(pem);
    if (fingerprint.isEmpty()) {
        emit failed(tr("The hall at %1 sent no certificate.").arg(m_code.caAddress()));
        return;
    }
    if (fingerprint != m_code.caFingerprint) {
        emit failed(tr("The hall's certificate does not match the join code: this may not be "
                       "the hall that gave it. Ask the hall for its code again."));
        return;
    }
    const QString caFile = caFileFor(m_caFolder, m_code.venue);
    QDir().mkpath(m_caFolder);
    QSaveFile file(caFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(pem) != pem.size() || !file.commit()) {
        emit failed(
            tr("Cannot keep the hall's certificate in %1: %2").arg(caFile, file.errorString()));
        return;
    }
    emit joined(m_code, caFile);
}

void HallJoin::apply(const JoinCode &code, const QString &caFile, Settings &settings)
{
    settings.HallBroker = code.broker();
    settings.HallVenue = code.venue;
    settings.HallCourt = code.court;
    settings.HallUser = AccessList::courtUser(code.venue, code.court);
    settings.HallPassword = code.password;
    settings.HallCaFile = caFile;
}

QString HallJoin::caFileFor(const QString &caFolder, const QString &venue)
{
    return caFolder + QStringLiteral("/hall-ca-") + venue + QStringLiteral(".crt");
}
