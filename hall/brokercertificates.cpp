#include "hall/brokercertificates.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QSaveFile>

namespace {

class CertificateText
{
    Q_DECLARE_TR_FUNCTIONS(Hall)
};

constexpr int OpensslDeadlineMs = 60000;

// An address as a certificate names it: without an interface's scope.
QString bareAddress(const QHostAddress &address)
{
    return address.toString().section(u'%', 0, 0);
}

QString subjectAltNames(const QStringList &names)
{
    QStringList entries;
    for (const QString &name : names) {
        const bool isAddress = !QHostAddress(name).isNull();
        entries << (isAddress ? QStringLiteral("IP:") : QStringLiteral("DNS:")) + name;
    }
    return entries.join(u',');
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
           file.commit();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(1024 * 1024) : QByteArray();
}

} // namespace

bool BrokerCertificates::prepare(const QStringList &names, QString *why)
{
    if (!QDir().mkpath(m_folder)) {
        *why = CertificateText::tr("cannot make the folder %1").arg(m_folder);
        return false;
    }
    QFile::setPermissions(m_folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!QFile::exists(caFile()) || !QFile::exists(path("ca.key"))) {
        if (!makeAuthority(why))
            return false;
    }
    const QByteArray wanted = names.join(u'\n').toUtf8();
    if (!QFile::exists(certificateFile()) || !QFile::exists(keyFile()) ||
        readFile(path("broker.names")) != wanted) {
        if (!makeBrokerCertificate(names, why) || !writeFile(path("broker.names"), wanted))
            return false;
    }
    return true;
}

QString BrokerCertificates::caFile() const
{
    return path("ca.crt");
}

QString BrokerCertificates::certificateFile() const
{
    return path("broker.crt");
}

QString BrokerCertificates::keyFile() const
{
    return path("broker.key");
}

QString BrokerCertificates::caFingerprint() const
{
    return fingerprintOfPem(readFile(caFile()));
}

QStringList BrokerCertificates::namesOfThisComputer(const QString &extra)
{
    QStringList names;
    const QString host = QHostInfo::localHostName();
    if (!host.isEmpty())
        names << host << host + QStringLiteral(".local");
    names << QStringLiteral("localhost");
    for (const QHostAddress &address : QNetworkInterface::allAddresses())
        names << bareAddress(address);
    if (!extra.isEmpty() && !names.contains(extra))
        names << extra;
    names.removeDuplicates();
    return names;
}

QString BrokerCertificates::fingerprintOfPem(const QByteArray &pem)
{
    const QByteArray begin = "-----BEGIN CERTIFICATE-----";
    const QByteArray end = "-----END CERTIFICATE-----";
    const qsizetype from = pem.indexOf(begin);
    const qsizetype to = pem.indexOf(end, from + 1);
    if (from < 0 || to < 0)
        return {};
    const QByteArray body = pem.mid(from + begin.size(), to - from - begin.size()).simplified();
    const QByteArray der = QByteArray::fromBase64(QByteArray(body).replace(' ', ""));
    if (der.isEmpty())
        return {};
    return QString::fromLatin1(QCryptographicHash::hash(der, QCryptographicHash::Sha256).toHex());
}

bool BrokerCertificates::makeAuthority(QString *why)
{
    return openssl({QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                    QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                    QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                    QStringLiteral("-keyout"), path("ca.key"), QStringLiteral("-out"), caFile(),
                    QStringLiteral("-days"), QStringLiteral("3650"), QStringLiteral("-subj"),
                    QStringLiteral("/CN=Corvella hall authority"), QStringLiteral("-addext"),
                    QStringLiteral("basicConstraints=critical,CA:TRUE"), QStringLiteral("-addext"),
                    QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")},
                   why);
}

bool BrokerCertificates::makeBrokerCertificate(const QStringList &names, QString *why)
{
    const QString extensions = path("broker.ext");
    if (!writeFile(extensions, (QStringLiteral("subjectAltName=") + subjectAltNames(names) +
                                QStringLiteral("\nbasicConstraints=CA:FALSE\n"
                                               "extendedKeyUsage=serverAuth\n"))
                                   .toUtf8())) {
        *why = CertificateText::tr("cannot write %1").arg(extensions);
        return false;
    }
    const QString request = path("broker.csr");
    const bool made =
        openssl({QStringLiteral("req"), QStringLiteral("-new"), QStringLiteral("-newkey"),
                 QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                 QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                 QStringLiteral("-keyout"), keyFile(), QStringLiteral("-out"), request,
                 QStringLiteral("-subj"), QStringLiteral("/CN=") + names.first()},
                why) &&
        openssl({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), request,
                 QStringLiteral("-CA"), caFile(), QStringLiteral("-CAkey"), path("ca.key"),
                 QStringLiteral("-CAcreateserial"), QStringLiteral("-out"), certificateFile(),
                 QStringLiteral("-days"), QStringLiteral("825"), QStringLiteral("-extfile"),
                 extensions},
                why);
    QFile::remove(request);
    return made;
}

bool BrokerCertificates::openssl(const QStringList &arguments, QString *why) const
{
    QProcess process;
    process.setWorkingDirectory(m_folder);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForStarted(OpensslDeadlineMs)) {
        *why = CertificateText::tr("cannot run openssl (%1): the hall's broker needs the "
                                   "package openssl")
                   .arg(process.errorString());
        return false;
    }
    if (!process.waitForFinished(OpensslDeadlineMs) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        *why = CertificateText::tr("openssl could not make the hall's certificates: %1")
                   .arg(said.section(u'\n', 0, 0));
        process.kill();
        return false;
    }
    return true;
}

QString BrokerCertificates::path(const char *name) const
{
    return m_folder + u'/' + QLatin1StringView(name);
}
