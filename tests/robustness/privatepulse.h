#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QThread>

#include <cstdlib>

// A PulseAudio server of this process's own, with a silent sink whose
// monitor is recorded, so that a check can hear what was played, and stop
// and start the server at will. Nothing of it outlives the check.
class PrivatePulse
{
public:
    // Points this process's sound clients at `folder`; call before anything
    // talks to a sound server.
    explicit PrivatePulse(const QString &folder) : m_folder(folder)
    {
        QDir().mkpath(folder + QStringLiteral("/xdg"));
        QDir().mkpath(folder + QStringLiteral("/pa"));
        QFile::setPermissions(folder + QStringLiteral("/xdg"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder + QStringLiteral("/xdg")));
        qputenv("PULSE_COOKIE", QFile::encodeName(folder + QStringLiteral("/pa/cookie")));
        qunsetenv("PULSE_SERVER");
    }

    ~PrivatePulse() { stop(); }

    // Starts the server and waits (boundedly) until it answers.
    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_folder + QStringLiteral("/pa"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder + QStringLiteral("/pa"));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("--daemonize=no"), QStringLiteral("-n"),
                        QStringLiteral("--exit-idle-time=-1"),
                        // Its memfd transport can abort the server when
                        // clients come and go quickly (PulseAudio issue 824).
                        QStringLiteral("--enable-memfd=no"), QStringLiteral("--log-target=stderr"),
                        QStringLiteral("--log-level=error"),
                        QStringLiteral("--load=module-null-sink sink_name=nullsink norewinds=1"),
                        QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1"),
                        QStringLiteral("--load=module-always-sink")});
        if (!m_server.waitForStarted(5000))
            return false;
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            QProcess info;
            info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
            if (info.waitForFinished(2000) && info.exitStatus() == QProcess::NormalExit &&
                info.exitCode() == 0)
                return true;
            if (m_server.state() != QProcess::Running)
                return false;
            QThread::msleep(50);
        }
        return false;
    }

    void stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.kill();
        m_server.waitForFinished(5000);
    }

private:
    QString m_folder;
    QProcess m_server;
};

// Records the silent sink and notes when loud samples arrive.
class SinkRecorder : public QObject
{
public:
    SinkRecorder()
    {
        m_clock.start();
        connect(&m_parec, &QProcess::readyReadStandardOutput, this, [this] { take(); });
    }
    ~SinkRecorder() override { stop(); }

    bool start()
    {
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("-d"), QStringLiteral("nullsink.monitor"),
                       QStringLiteral("--latency-msec=2"), QStringLiteral("--format=s16le"),
                       QStringLiteral("--rate=44100"), QStringLiteral("--channels=2"),
                       QStringLiteral("--raw")});
        // Started is not yet recording: the monitor's first (silent) samples
        // say it is, so that a short tone played next cannot slip past.
        if (!m_parec.waitForStarted(5000))
            return false;
        const QDeadlineTimer deadline(5000);
        while (m_received == 0 && !deadline.hasExpired())
            m_parec.waitForReadyRead(100); // take() reads what came
        return m_received > 0;
    }

    void stop()
    {
        if (m_parec.state() == QProcess::NotRunning)
            return;
        m_parec.kill();
        m_parec.waitForFinished(5000);
    }

    qint64 now() const { return m_clock.elapsed(); }
    qint64 loudSamples = 0;
    // When the last loud sample arrived, on this recorder's clock; -1 before.
    qint64 lastLoudAt = -1;
    qint64 firstLoudAfter(qint64 from) const { return m_firstLoudSince.value(from, -1); }
    void markPress(qint64 at) { m_pressAt = at; }

private:
    void take()
    {
        const QByteArray data = m_carry + m_parec.readAllStandardOutput();
        m_received += data.size();
        const qsizetype whole = data.size() & ~qsizetype(1);
        m_carry = data.mid(whole);
        const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
        for (qsizetype i = 0; i < whole / 2; ++i) {
            if (std::abs(int(samples[i])) > 1000) {
                ++loudSamples;
                lastLoudAt = now();
                if (m_pressAt >= 0 && !m_firstLoudSince.contains(m_pressAt))
                    m_firstLoudSince.insert(m_pressAt, lastLoudAt);
            }
        }
    }

    QProcess m_parec;
    QElapsedTimer m_clock;
    QByteArray m_carry;
    qint64 m_pressAt = -1;
    qint64 m_received = 0;
    QHash<qint64, qint64> m_firstLoudSince;
};
