#pragma once

#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "hall/brokeraddress.h"
#include "hall/courtlink.h"
#include "hall/courtpublisher.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <memory>

// What the hall's checks share: a broker of their own and a court's board.
namespace {

constexpr int LinkDeadlineMs = 15000;

// A Mosquitto of the test's own, on a loopback port nobody else holds.
class TestBroker
{
public:
    ~TestBroker() { kill(); }

    // Picks a free port, or takes `port` again after a restart.
    bool start(quint16 port = 0)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            m_port = port ? port : freePort();
            if (launch())
                return true;
            kill();
        }
        return false;
    }
    void kill()
    {
        if (!m_process)
            return;
        m_process->kill();
        m_process->waitForFinished(5000);
        m_process.reset();
    }
    // Serves TLS from here on, with a certificate for 127.0.0.1 and
    // localhost signed by an authority of its own, whose file it gives.
    QString useTls()
    {
        const auto run = [this](const QStringList &arguments) {
            QProcess openssl;
            openssl.setWorkingDirectory(m_dir.path());
            openssl.setStandardOutputFile(QProcess::nullDevice());
            openssl.setStandardErrorFile(QProcess::nullDevice());
            openssl.start(QStringLiteral("openssl"), arguments);
            return openssl.waitForFinished(30000) && openssl.exitCode() == 0;
        };
        QFile names(m_dir.filePath(QStringLiteral("names.ext")));
        if (!names.open(QIODevice::WriteOnly) ||
            names.write("subjectAltName=DNS:localhost,IP:127.0.0.1\n") < 0)
            return {};
        names.close();
        const QString key = QStringLiteral("rsa:2048");
        if (!run({u"req"_qs, u"-x509"_qs, u"-newkey"_qs, key, u"-nodes"_qs, u"-keyout"_qs,
                  u"ca.key"_qs, u"-out"_qs, u"ca.crt"_qs, u"-days"_qs, u"1"_qs, u"-subj"_qs,
                  u"/CN=Test hall"_qs}) ||
            !run({u"req"_qs, u"-newkey"_qs, key, u"-nodes"_qs, u"-keyout"_qs, u"broker.key"_qs,
                  u"-out"_qs, u"broker.csr"_qs, u"-subj"_qs, u"/CN=localhost"_qs}) ||
            !run({u"x509"_qs, u"-req"_qs, u"-in"_qs, u"broker.csr"_qs, u"-CA"_qs, u"ca.crt"_qs,
                  u"-CAkey"_qs, u"ca.key"_qs, u"-CAcreateserial"_qs, u"-out"_qs, u"broker.crt"_qs,
                  u"-days"_qs, u"1"_qs, u"-extfile"_qs, u"names.ext"_qs}))
            return {};
        // Mosquitto started as root reads them as its own user.
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner | QFileDevice::ExeOther);
        QFile::setPermissions(m_dir.filePath(u"broker.key"_qs),
                              QFileDevice::ReadOwner | QFileDevice::ReadOther);
        m_tls = QStringLiteral("cafile %1\ncertfile %2\nkeyfile %3\n")
                    .arg(m_dir.filePath(u"ca.crt"_qs), m_dir.filePath(u"broker.crt"_qs),
                         m_dir.filePath(u"broker.key"_qs));
        return m_dir.filePath(u"ca.crt"_qs);
    }
    // Keeps the sessions and what they hold across a restart, even a kill
    // -9: saved to disk at every change, as a hall's broker should be set up.
    void keepSessions()
    {
        const QString store = m_dir.filePath(u"store"_qs);
        QDir().mkpath(store);
        // Mosquitto started as root writes there as its own user.
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner | QFileDevice::ExeOther);
        QFile::setPermissions(store, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                         QFileDevice::WriteOther | QFileDevice::ExeOther);
        m_persistence = QStringLiteral("persistence true\npersistence_location %1/\n"
                                       "autosave_interval 1\nautosave_on_changes true\n")
                            .arg(store);
    }
    // Lines added to the broker's configuration at its next start.
    void addConfig(const QString &lines) { m_tls += lines; }
    quint16 port() const { return m_port; }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // A loopback port nobody holds now.
    static quint16 freePort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }

private:
    bool launch()
    {
        const QString conf = m_dir.filePath(QStringLiteral("generated.conf"));
        QFile file(conf);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        const QString persistence =
            m_persistence.isEmpty() ? QStringLiteral("persistence false\n") : m_persistence;
        file.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\nlog_dest stderr\n")
                       .arg(m_port)
                       .toUtf8() +
                   persistence.toUtf8() + m_tls.toUtf8());
        file.close();
        m_process = std::make_unique<QProcess>();
        m_process->setStandardErrorFile(m_dir.filePath(QStringLiteral("broker.log")));
        m_process->start(QStringLiteral("mosquitto"), {QStringLiteral("-c"), conf});
        if (!m_process->waitForStarted(5000))
            return false;
        // Listening once a connection is taken; a port taken meanwhile ends it.
        for (int tries = 0; tries < 50; ++tries) {
            if (m_process->state() != QProcess::Running)
                return false;
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(100))
                return true;
            m_process->waitForFinished(100);
        }
        return false;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    quint16 m_port = 0;
    QString m_tls;
    QString m_persistence;
};

Settings courtSettings(const QString &broker, const QString &court)
{
    Settings s = defaultSettings();
    s.HallBroker = broker;
    s.HallCourt = court;
    s.HomeText = QStringLiteral("Lions");
    s.GuestText = QStringLiteral("Tigers");
    return s;
}

// A board's game with its log, linked to the hall.
struct Court
{
    Court(TimeSource &time, const QString &folder, const Settings &settings)
        : game(time), history(game), log(folder, game, history), current(settings),
          link(*BrokerAddress::from(settings)), publisher(link, game, current, &log)
    {
        log.setCaptions(settings.HomeText, settings.GuestText, settings.SectionText1,
                        settings.SectionText2);
        log.begin(false);
    }
    void score(int which, int value)
    {
        history.perform(QStringLiteral("score"), [=](GameModel &g) { g.setScore(which, value); });
    }

    GameModel game;
    GameHistory history;
    GameLog log;
    CurrentSettings current;
    CourtLink link;
    CourtPublisher publisher;
};

} // namespace
