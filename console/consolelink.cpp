#include "console/consolelink.h"

#include "console/bodetfeed.h"
#include "console/daktronicsfeed.h"
#include "console/stramatelfeed.h"
#include "game/timesource.h"

#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A lost serial port is looked for again this often.
constexpr qint64 ReopenEveryMs = 500;
// The most one read takes in at once; the rest waits for the next turn.
constexpr qint64 ReadChunk = 4096;
constexpr qint64 MostPerTurn = 64 * 1024;

const QList<std::pair<ConsoleConfig::Source, QString>> &sourceNames()
{
    static const QList<std::pair<ConsoleConfig::Source, QString>> names{
        {ConsoleConfig::Source::None, u"none"_s},
        {ConsoleConfig::Source::Bodet, u"bodet"_s},
        {ConsoleConfig::Source::Stramatel, u"stramatel"_s},
        {ConsoleConfig::Source::Daktronics, u"daktronics"_s}};
    return names;
}

const QList<std::pair<ConsoleSport, QString>> &sportNames()
{
    static const QList<std::pair<ConsoleSport, QString>> names{
        {ConsoleSport::Basketball, u"basketball"_s},
        {ConsoleSport::Handball, u"handball"_s},
        {ConsoleSport::IceHockey, u"icehockey"_s},
        {ConsoleSport::Floorball, u"floorball"_s},
        {ConsoleSport::Volleyball, u"volleyball"_s}};
    return names;
}

template <typename T> QString nameOf(const QList<std::pair<T, QString>> &names, T value)
{
    for (const auto &[v, name] : names)
        if (v == value)
            return name;
    return {};
}

template <typename T>
std::optional<T> valueNamed(const QList<std::pair<T, QString>> &names, const QString &name)
{
    for (const auto &[v, n] : names)
        if (n == name)
            return v;
    return std::nullopt;
}

} // namespace

ConsoleLink::ConsoleLink(const TimeSource &time, QObject *parent)
    : QObject(parent), m_time(time), m_checks(new QTimer(this))
{
    m_checks->setInterval(CheckEveryMs);
    connect(m_checks, &QTimer::timeout, this, &ConsoleLink::check);
}

ConsoleLink::~ConsoleLink() = default;

QString ConsoleLink::sourceName(ConsoleConfig::Source source)
{
    return nameOf(sourceNames(), source);
}

std::optional<ConsoleConfig::Source> ConsoleLink::sourceNamed(const QString &name)
{
    return valueNamed(sourceNames(), name);
}

QString ConsoleLink::sportName(ConsoleSport sport)
{
    return nameOf(sportNames(), sport);
}

std::optional<ConsoleSport> ConsoleLink::sportNamed(const QString &name)
{
    return valueNamed(sportNames(), name);
}

void ConsoleLink::stop()
{
    m_checks->stop();
    delete m_socket;
    delete m_server;
    delete m_serial;
    m_feed.reset();
    m_lastFrameAtMs.reset();
    m_problem.clear();
    setConnected(false);
}

void ConsoleLink::start(const ConsoleConfig &config)
{
    stop();
    m_config = config;
    m_startedAtMs = m_time.elapsedMs();
    switch (config.source) {
    case ConsoleConfig::Source::None:
        return;
    case ConsoleConfig::Source::Bodet:
        m_feed = std::make_unique<BodetFeed>(config.sport);
        listen();
        break;
    case ConsoleConfig::Source::Stramatel:
        m_feed = std::make_unique<StramatelFeed>(config.sport);
        openSerial();
        break;
    case ConsoleConfig::Source::Daktronics:
        m_feed = std::make_unique<DaktronicsFeed>(config.sport);
        openSerial();
        break;
    }
    m_checks->start();
}

void ConsoleLink::openSerial()
{
    m_nextOpenAtMs = m_time.elapsedMs() + ReopenEveryMs;
    delete m_serial;
    auto *port = new QSerialPort(m_config.device, this);
    port->setBaudRate(m_config.baud);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadOnly)) {
        m_problem = tr("%1 cannot be opened: %2").arg(m_config.device, port->errorString());
        delete port;
        return;
    }
    // An RS-485 adapter may drive the bus while RTS is high: the program
    // only listens. A pseudo-terminal has neither line, and that is fine.
    port->setDataTerminalReady(false);
    port->setRequestToSend(false);
    port->clearError();
    m_problem.clear();
    m_serial = port;
    m_feed->dropPartial();
    connect(port, &QSerialPort::readyRead, this, [this, port] { take(*port); });
    connect(port, &QSerialPort::errorOccurred, this, [this, port](QSerialPort::SerialPortError e) {
        // Unplugged: let it go, and look for it again at the next check.
        if (e == QSerialPort::ResourceError || e == QSerialPort::DeviceNotFoundError ||
            e == QSerialPort::PermissionError) {
            m_problem = tr("%1 was lost: %2").arg(m_config.device, port->errorString());
            port->deleteLater();
            m_serial = nullptr;
        }
    });
}

void ConsoleLink::listen()
{
    auto *server = new QTcpServer(this);
    if (!server->listen(m_config.listenAddress, m_config.listenPort)) {
        m_problem = tr("Port %1 cannot be listened on: %2")
                        .arg(m_config.listenPort)
                        .arg(server->errorString());
        delete server;
        return;
    }
    m_server = server;
    connect(server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            // The console that connects again is the one to read: it came
            // back after a restart or a lost cable, and the old link is dead.
            delete m_socket;
            m_socket = socket;
            socket->setParent(this);
            socket->setReadBufferSize(MostPerTurn);
            m_feed->dropPartial();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { take(*socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

quint16 ConsoleLink::listeningPort() const
{
    return m_server ? m_server->serverPort() : 0;
}

void ConsoleLink::take(QIODevice &device)
{
    if (!m_feed)
        return;
    const ConsoleState before = m_feed->state();
    const int frames = m_feed->frames();
    qint64 taken = 0;
    while (device.bytesAvailable() > 0 && taken < MostPerTurn) {
        const QByteArray bytes = device.read(ReadChunk);
        if (bytes.isEmpty())
            break;
        taken += bytes.size();
        m_feed->feed(bytes);
    }
    if (device.bytesAvailable() > 0)
        QTimer::singleShot(0, &device, [this, &device] { take(device); });
    for (const QString &why : m_feed->takeSkipReasons())
        emit frameSkipped(why);
    if (m_feed->frames() == frames)
        return;
    m_lastFrameAtMs = m_time.elapsedMs();
    setConnected(true);
    if (m_feed->state() != before)
        emit stateChanged(m_feed->state(), before);
}

std::optional<qint64> ConsoleLink::msSinceLastFrame() const
{
    if (!m_lastFrameAtMs)
        return std::nullopt;
    return m_time.elapsedMs() - *m_lastFrameAtMs;
}

void ConsoleLink::check()
{
    if (!isActive())
        return;
    const qint64 now = m_time.elapsedMs();
    const bool serial = m_config.source != ConsoleConfig::Source::Bodet;
    if (serial && !m_serial && now >= m_nextOpenAtMs)
        openSerial();
    if (!m_server && !serial && now >= m_nextOpenAtMs) {
        m_nextOpenAtMs = now + ReopenEveryMs;
        listen();
    }
    const qint64 since = m_lastFrameAtMs.value_or(m_startedAtMs);
    if (now - since < SilentAfterMs)
        return;
    setConnected(false);
    if (m_lastFrameAtMs)
        emit silent(*m_lastFrameAtMs);
}

void ConsoleLink::setConnected(bool connected)
{
    if (connected == m_connected)
        return;
    m_connected = connected;
    emit connectedChanged(connected);
}
