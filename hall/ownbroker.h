#pragma once

#include "hall/brokeraddress.h"
#include "hall/brokercertificates.h"
#include "hall/courtpasswords.h"

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// The Mosquitto a hall starts itself when no broker is set: from a
// configuration it writes into its folder, with TLS (see
// BrokerCertificates), no anonymous clients, a password for the hall and
// for each court (see CourtPasswords), each court's access list (see
// AccessList) and its sessions kept on disk as they change. It is started
// again when it exits, at most MaxRestartsPerMinute times a minute, and
// stopped with the hall; a hall that is killed takes it along (the kernel
// ends it when its parent goes).
class OwnBroker : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxRestartsPerMinute = 3;
    static constexpr int StartDeadlineMs = 10000;

    struct Listener
    {
        QString address; // empty: every address of this computer
        int port = 1884;
    };

    OwnBroker(QString folder, QString venue, QString hallUser, Listener listener,
              QObject *parent = nullptr);
    ~OwnBroker() override;

    // Where a hall keeps its own broker's files under a state folder.
    static QString folderFor(const QString &stateFolder, const QString &venue);

    // Makes what is missing (the certificates, the passwords) and writes the
    // configuration. False and why when it cannot.
    bool prepare(QString *why);
    // Starts the broker: ready() once it listens, failed() when it cannot
    // (its port taken, Mosquitto missing or refusing its configuration).
    void start();
    void stop();
    bool isRunning() const { return m_ready; }

    // Gives new courts a password and the running broker their users.
    bool addCourts(const QStringList &courts, QString *why);
    QStringList courts() const { return m_passwords.courts(); }
    QString courtPassword(const QString &court) const { return m_passwords.courtPassword(court); }
    QString caFile() const { return m_certificates.caFile(); }
    QString caFingerprint() const { return m_certificates.caFingerprint(); }
    Listener listener() const { return m_listener; }
    // Where and as whom the hall itself connects: this computer, over TLS.
    BrokerAddress hallAddress() const;

    // Milliseconds of a monotonic clock, for the restarts a minute.
    void setClock(std::function<qint64()> nowMs) { m_nowMs = std::move(nowMs); }

signals:
    void ready();
    // It could not start, or ended once too often: the hall has no broker.
    void failed(const QString &why);
    // Something the person running the hall should know.
    void told(const QString &text);
    void courtsChanged();

private:
    bool writeConfiguration(QString *why);
    bool writeUsers(QString *why);
    QString path(const char *name) const;
    void launch();
    void readOutput();
    void ended();
    void fail(const QString &why);
    void passwordsChanged();

    QString m_folder;
    QString m_venue;
    QString m_hallUser;
    Listener m_listener;
    BrokerCertificates m_certificates;
    CourtPasswords m_passwords;
    QProcess *m_process = nullptr; // this object's child
    QTimer m_startDeadline;
    QFileSystemWatcher m_watcher;
    QList<qint64> m_restarts;
    QStringList m_lastLines;
    std::function<qint64()> m_nowMs;
    bool m_ready = false;
    bool m_stopping = false;
};
