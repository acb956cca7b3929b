#include "console/consolemonitor.h"

#include "game/timesource.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

ConsoleMonitor::ConsoleMonitor(const ConsoleConfig &config, const TimeSource &time,
                               QTextStream &out, QObject *parent)
    : QObject(parent), m_link(time), m_out(out)
{
    connect(&m_link, &ConsoleLink::stateChanged, this,
            [this](const ConsoleState &state, const ConsoleState &before) {
                for (const QString &line : state.changesSince(before))
                    m_out << line << Qt::endl;
            });
    connect(&m_link, &ConsoleLink::frameSkipped, this, [this](const QString &why) {
        m_out << skipLine(why, m_link.config().source) << Qt::endl;
    });
    connect(&m_link, &ConsoleLink::connectedChanged, this, [this](bool connected) {
        m_out << (connected ? tr("console heard") : tr("console silent")) << Qt::endl;
    });
    m_link.start(config);
    if (!m_link.lineProblem().isEmpty())
        m_out << m_link.lineProblem() << Qt::endl;
}

QString ConsoleMonitor::skipLine(const QString &why, ConsoleConfig::Source source)
{
    // Stramatel's pair swapped gives bytes that never frame.
    if (source == ConsoleConfig::Source::Stramatel && why == u"garbage")
        return tr("skipped: %1 (garbage: swap A and B)").arg(why);
    return tr("skipped: %1").arg(why);
}

int runConsoleMonitor(const ConsoleConfig &config)
{
    QTextStream out(stdout);
    if (config.source == ConsoleConfig::Source::None) {
        QTextStream(stderr) << ConsoleMonitor::tr(
                                   "corvella: no console is set (Settings, page Console).")
                            << Qt::endl;
        return 1;
    }
    MonotonicTimeSource time;
    ConsoleMonitor monitor(config, time, out);
    out << ConsoleMonitor::tr("Reading the %1 console; Ctrl+C ends.")
               .arg(ConsoleLink::sourceName(config.source))
        << Qt::endl;
    return QCoreApplication::exec();
}
