#pragma once

#include <QString>
#include <QStringList>

// The TLS files of the hall's own broker, in a folder of their own: a
// certificate authority made once (its fingerprint is in every join code, so
// it stays), and the broker's certificate, signed by it, naming this
// computer as boards reach it: its name, its `.local` name, localhost and
// every address it has. Made with Debian's `openssl`; the broker's
// certificate is made again when those names change (a new address), the
// authority never.
class BrokerCertificates
{
public:
    explicit BrokerCertificates(QString folder) : m_folder(std::move(folder)) {}

    // Makes what is missing or out of date for `names` (see namesOfThisComputer()).
    // False and why when openssl cannot.
    bool prepare(const QStringList &names, QString *why);

    QString caFile() const;
    QString certificateFile() const;
    QString keyFile() const;
    // SHA-256 of the authority's certificate (its DER form), 64 lower-case
    // hex digits; empty when there is none.
    QString caFingerprint() const;

    // The names a board may reach this computer by: host name, host.local,
    // localhost, every address (loopback included), and `extra` when given.
    static QStringList namesOfThisComputer(const QString &extra = {});
    // SHA-256 of a PEM certificate's DER form, as above; empty when `pem`
    // holds no certificate.
    static QString fingerprintOfPem(const QByteArray &pem);

private:
    bool makeAuthority(QString *why);
    bool makeBrokerCertificate(const QStringList &names, QString *why);
    bool openssl(const QStringList &arguments, QString *why) const;
    QString path(const char *name) const;

    QString m_folder;
};
