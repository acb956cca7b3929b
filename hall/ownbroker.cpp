#include "hall/ownbroker.h"

#include "hall/accesslist.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QSaveFile>
#include <QTcpServer>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

class BrokerText
{
    Q_DECLARE_TR_FUNCTIONS(Hall)
};

constexpr qint64 MinuteMs = 60 * 1000;
constexpr int KeptLines = 8;

bool writeText(const QString &path, const QString &text, QFileDevice::Permissions permissions)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.setPermissions(permissions);
    return file.commit();
}

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QHostAddress listenAddress(const QString &address)
{
    return address.isEmpty() ? QHostAddress(QHostAddress::Any) : QHostAddress(address);
}

// Whether another program holds the port: told before Mosquitto's own,
// less plain, words.
bool portIsFree(const OwnBroker::Listener &listener, QString *why)
{
    QTcpServer probe;
    if (probe.listen(listenAddress(listener.address), quint16(listener.port)))
        return true;
    *why = BrokerText::tr("port %1 is taken (%2): set HallServiceSettings/OwnBrokerPort to "
                          "another one")
               .arg(listener.port)
               .arg(probe.errorString());
    return false;
}

qint64 monotonicMs()
{
    static QElapsedTimer since;
    if (!since.isValid())
        since.start();
    return since.elapsed();
}

} // namespace

OwnBroker::OwnBroker(QString folder, QString venue, QString hallUser, Listener listener,
                     QObject *parent)
    : QObject(parent), m_folder(std::move(folder)), m_venue(std::move(venue)),
      m_hallUser(std::move(hallUser)), m_listener(std::move(listener)),
      m_certificates(m_folder + QStringLiteral("/tls")),
      m_passwords(m_folder + QStringLiteral("/passwords.json")), m_nowMs(monotonicMs)
{
    m_startDeadline.setSingleShot(true);
    m_startDeadline.setInterval(StartDeadlineMs);
    connect(&m_startDeadline, &QTimer::timeout, this, [this] {
        fail(BrokerText::tr("Mosquitto did not start within %1 s").arg(StartDeadlineMs / 1000));
    });
    // `--print-join-code` of another process may add a court.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &OwnBroker::passwordsChanged);
}

OwnBroker::~OwnBroker()
{
    stop();
}

QString OwnBroker::folderFor(const QString &stateFolder, const QString &venue)
{
    return stateFolder + QStringLiteral("/hall-broker/") + venue;
}

bool OwnBroker::prepare(QString *why)
{
    if (!QDir().mkpath(m_folder + QStringLiteral("/store"))) {
        *why = BrokerText::tr("cannot make the folder %1").arg(m_folder);
        return false;
    }
    QFile::setPermissions(m_folder, OwnerOnly | QFileDevice::ExeOwner);
    if (!m_certificates.prepare(BrokerCertificates::namesOfThisComputer(m_listener.address), why) ||
        !m_passwords.ensure({}, why) || !writeUsers(why) || !writeConfiguration(why))
        return false;
    if (!m_watcher.directories().contains(m_folder))
        m_watcher.addPath(m_folder);
    return true;
}

void OwnBroker::start()
{
    m_stopping = false;
    QString why;
    if (!portIsFree(m_listener, &why)) {
        fail(why);
        return;
    }
    launch();
}

void OwnBroker::launch()
{
    m_ready = false;
    m_lastLines.clear();
    delete m_process;
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    // The broker ends with the hall, however the hall ends.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    connect(m_process, &QProcess::readyRead, this, &OwnBroker::readOutput);
    connect(m_process, &QProcess::finished, this, &OwnBroker::ended);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(BrokerText::tr("cannot run mosquitto (%1): the hall's own broker needs the "
                                "package mosquitto")
                     .arg(m_process->errorString()));
    });
    m_startDeadline.start();
    m_process->start(QStringLiteral("mosquitto"), {QStringLiteral("-c"), path("mosquitto.conf")});
}

void OwnBroker::stop()
{
    m_stopping = true;
    m_startDeadline.stop();
    m_ready = false;
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(3000)) {
        m_process->kill();
        m_process->waitForFinished(3000);
    }
}

bool OwnBroker::addCourts(const QStringList &courts, QString *why)
{
    const QStringList before = m_passwords.courts();
    if (!m_passwords.ensure(courts, why))
        return false;
    if (m_passwords.courts() == before)
        return true;
    if (!writeUsers(why))
        return false;
    // Mosquitto reads its passwords and access list again on a hangup.
    if (m_process && m_process->state() == QProcess::Running)
        ::kill(pid_t(m_process->processId()), SIGHUP);
    emit courtsChanged();
    return true;
}

BrokerAddress OwnBroker::hallAddress() const
{
    BrokerAddress address;
    const QHostAddress listening = listenAddress(m_listener.address);
    const bool everywhere = listening == QHostAddress(QHostAddress::Any) ||
                            listening == QHostAddress(QHostAddress::AnyIPv4) ||
                            listening == QHostAddress(QHostAddress::AnyIPv6);
    address.host = everywhere ? QStringLiteral("127.0.0.1") : m_listener.address;
    address.port = m_listener.port;
    address.venue = m_venue;
    address.user = m_hallUser;
    address.password = m_passwords.hallPassword();
    address.caFile = m_certificates.caFile();
    return address;
}

bool OwnBroker::writeUsers(QString *why)
{
    QString users;
    users += m_hallUser + u':' + m_passwords.hallPassword() + u'\n';
    const QStringList courts = m_passwords.courts();
    for (const QString &court : courts)
        users +=
            AccessList::courtUser(m_venue, court) + u':' + m_passwords.courtPassword(court) + u'\n';
    // The running broker may read the file at any moment: it is hashed
    // (mosquitto_passwd -U, in place) under another name, then put in place
    // whole.
    const QString unhashed = path("passwd.") + QString::number(QCoreApplication::applicationPid()) +
                             QStringLiteral(".new");
    if (!writeText(unhashed, users, OwnerOnly) ||
        !writeText(path("acl"), AccessList::forVenue(m_venue, courts, m_hallUser), OwnerOnly)) {
        *why = BrokerText::tr("cannot write the broker's users into %1").arg(m_folder);
        return false;
    }
    QProcess hash;
    hash.start(QStringLiteral("mosquitto_passwd"), {QStringLiteral("-U"), unhashed});
    if (!hash.waitForFinished(30000) || hash.exitStatus() != QProcess::NormalExit ||
        hash.exitCode() != 0) {
        *why = BrokerText::tr("mosquitto_passwd could not write the broker's users: %1")
                   .arg(hash.error() == QProcess::FailedToStart
                            ? hash.errorString()
                            : QString::fromLocal8Bit(hash.readAllStandardError()).trimmed());
        hash.kill();
        QFile::remove(unhashed);
        return false;
    }
    if (std::rename(QFile::encodeName(unhashed).constData(),
                    QFile::encodeName(path("passwd")).constData()) != 0) {
        *why = BrokerText::tr("cannot write the broker's users into %1").arg(m_folder);
        return false;
    }
    return true;
}

bool OwnBroker::writeConfiguration(QString *why)
{
    QString listener = QStringLiteral("listener %1").arg(m_listener.port);
    if (!m_listener.address.isEmpty())
        listener += u' ' + m_listener.address;
    QString config = QStringLiteral(
        "# Written by the Corvella hall at each start: changes made here are lost.\n");
    config += listener + u'\n';
    config += QStringLiteral("cafile %1\ncertfile %2\nkeyfile %3\n")
                  .arg(m_certificates.caFile(), m_certificates.certificateFile(),
                       m_certificates.keyFile());
    config += QStringLiteral("allow_anonymous false\npassword_file %1\nacl_file %2\n")
                  .arg(path("passwd"), path("acl"));
    // Every line a court sent survives the broker's crash.
    config += QStringLiteral("persistence true\npersistence_location %1/\n"
                             "autosave_interval 1\nautosave_on_changes true\n")
                  .arg(path("store"));
    config += QStringLiteral("message_size_limit 4194304\n"
                             "log_dest stderr\nlog_type error\nlog_type warning\n"
                             "log_type notice\nlog_type information\n"
                             "connection_messages false\n");
    // Started as root, Mosquitto would become the user "mosquitto", who
    // cannot read this folder.
    if (::geteuid() == 0)
        config += QStringLiteral("user root\n");
    if (!writeText(path("mosquitto.conf"), config, OwnerOnly)) {
        *why = BrokerText::tr("cannot write %1").arg(path("mosquitto.conf"));
        return false;
    }
    return true;
}

QString OwnBroker::path(const char *name) const
{
    return m_folder + u'/' + QLatin1StringView(name);
}

void OwnBroker::readOutput()
{
    while (m_process->canReadLine()) {
        const QString line = QString::fromLocal8Bit(m_process->readLine()).trimmed();
        // "1733750000: mosquitto version 2.0.11 running"
        const QString text = line.section(QStringLiteral(": "), 1);
        m_lastLines.append(text.isEmpty() ? line : text);
        if (m_lastLines.size() > KeptLines)
            m_lastLines.removeFirst();
        if (!m_ready && text.startsWith(QStringLiteral("mosquitto version")) &&
            text.endsWith(QStringLiteral("running"))) {
            m_ready = true;
            m_startDeadline.stop();
            emit ready();
        } else if (text.startsWith(QStringLiteral("Error")) ||
                   (text.startsWith(QStringLiteral("Warning")) &&
                    !text.contains(QStringLiteral("root")))) {
            emit told(BrokerText::tr("the hall's broker: %1").arg(text));
        }
    }
}

void OwnBroker::ended()
{
    m_startDeadline.stop();
    const bool wasReady = m_ready;
    m_ready = false;
    if (m_stopping)
        return;
    readOutput();
    const QString said =
        m_lastLines.isEmpty() ? BrokerText::tr("no word from it") : m_lastLines.last();
    if (!wasReady) {
        fail(BrokerText::tr("Mosquitto would not start: %1").arg(said));
        return;
    }
    const qint64 now = m_nowMs();
    m_restarts.removeIf([now](qint64 at) { return now - at >= MinuteMs; });
    if (m_restarts.size() >= MaxRestartsPerMinute) {
        fail(BrokerText::tr("the hall's broker ended %1 times within a minute (%2); it is not "
                            "started again")
                 .arg(MaxRestartsPerMinute + 1)
                 .arg(said));
        return;
    }
    m_restarts.append(now);
    emit told(BrokerText::tr("the hall's broker ended (%1); starting it again (%2 of %3 this "
                             "minute)")
                  .arg(said)
                  .arg(m_restarts.size())
                  .arg(MaxRestartsPerMinute));
    launch();
}

void OwnBroker::fail(const QString &why)
{
    m_startDeadline.stop();
    m_stopping = true;
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(3000);
    }
    m_ready = false;
    emit failed(why);
}

void OwnBroker::passwordsChanged()
{
    const QStringList before = m_passwords.courts();
    QString why;
    if (!m_passwords.load(&why) || m_passwords.courts() == before)
        return;
    if (!writeUsers(&why)) {
        emit told(why);
        return;
    }
    if (m_process && m_process->state() == QProcess::Running)
        ::kill(pid_t(m_process->processId()), SIGHUP);
    emit courtsChanged();
}
