#pragma once

#include <QObject>
#include <QTextStream>

#include "console/consolelink.h"

// For the hall's technician wiring the adapter: reads the configured console
// and prints each change it decodes, and each frame it skips with why, as a
// line. Runs until the program is interrupted.
class ConsoleMonitor : public QObject
{
    Q_OBJECT

public:
    ConsoleMonitor(const ConsoleConfig &config, const TimeSource &time, QTextStream &out,
                   QObject *parent = nullptr);

    const ConsoleLink &link() const { return m_link; }
    // A hint where a skipped frame often has a cause in the wiring.
    static QString skipLine(const QString &why, ConsoleConfig::Source source);

private:
    ConsoleLink m_link;
    QTextStream &m_out;
};

// Runs the monitor on the settings' console; the exit status.
int runConsoleMonitor(const ConsoleConfig &config);
