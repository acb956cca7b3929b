#pragma once

#include "console/consolefeed.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>

#include <memory>

class QSerialPort;
class QTcpServer;
class QTcpSocket;
class TimeSource;

// Where the hall's console is read from and how.
struct ConsoleConfig
{
    enum class Source { None, Bodet, Stramatel, Daktronics };

    Source source = Source::None;
    ConsoleSport sport = ConsoleSport::Basketball;
    QString device;            // the serial port, for Stramatel and Daktronics
    qint32 baud = 19200;       // 8N1
    quint16 listenPort = 4001; // Bodet's console connects here
    QHostAddress listenAddress = QHostAddress::Any;

    bool operator==(const ConsoleConfig &) const = default;
};

// The line to the hall's console: a serial port it sends on, or for Bodet a
// TCP port it connects to. Bytes go to the console's feed; each frame that
// changes the board is told. A line that is lost is opened again, and a
// console that connects again is taken up, without the operator.
class ConsoleLink : public QObject
{
    Q_OBJECT

public:
    // With no valid frame for this long the console counts as silent.
    static constexpr qint64 SilentAfterMs = 2000;
    // How often the line is looked after: silence, a port to open again.
    static constexpr int CheckEveryMs = 250;

    ConsoleLink(const TimeSource &time, QObject *parent = nullptr);
    ~ConsoleLink() override;

    // Reads from `config` from now on; Source::None stops reading.
    void start(const ConsoleConfig &config);
    const ConsoleConfig &config() const { return m_config; }
    bool isActive() const { return m_config.source != ConsoleConfig::Source::None; }

    // A valid frame came less than SilentAfterMs ago.
    bool isConnected() const { return m_connected; }
    // How long ago the last valid frame came; nothing before the first.
    std::optional<qint64> msSinceLastFrame() const;
    std::optional<qint64> lastFrameAtMs() const { return m_lastFrameAtMs; }
    int skipped() const { return m_feed ? m_feed->skipped() : 0; }
    const ConsoleState *state() const { return m_feed ? &m_feed->state() : nullptr; }
    // The TCP port Bodet's console connects to (0 while not listening).
    quint16 listeningPort() const;
    // Why the line is not open, in the operator's words; empty while it is.
    QString lineProblem() const { return m_problem; }

    static QString sourceName(ConsoleConfig::Source source);
    static std::optional<ConsoleConfig::Source> sourceNamed(const QString &name);
    static QString sportName(ConsoleSport sport);
    static std::optional<ConsoleSport> sportNamed(const QString &name);

public slots:
    // Looks after the line; a timer calls it every CheckEveryMs.
    void check();

signals:
    void stateChanged(const ConsoleState &state, const ConsoleState &before);
    void connectedChanged(bool connected);
    void frameSkipped(const QString &why);
    // Each check while the feed is silent.
    void silent(qint64 lastFrameAtMs);

private:
    void stop();
    void openSerial();
    void listen();
    void take(QIODevice &device);
    void setConnected(bool connected);

    const TimeSource &m_time;
    ConsoleConfig m_config;
    std::unique_ptr<ConsoleFeed> m_feed;
    QPointer<QSerialPort> m_serial;
    QPointer<QTcpServer> m_server;
    QPointer<QTcpSocket> m_socket;
    std::optional<qint64> m_lastFrameAtMs;
    qint64 m_startedAtMs = 0;
    qint64 m_nextOpenAtMs = 0;
    bool m_connected = false;
    QString m_problem;
    class QTimer *m_checks;
};
