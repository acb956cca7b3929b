#pragma once

#include "game/gamelog.h"
#include "game/printedresult.h"

#include <QPageSize>
#include <QString>

#include <functional>

class QIODevice;

// Writes `path` with `write`. A regular file (or a new one) is replaced
// whole or not at all; anything else, a symbolic link or a device, is
// written in place, as a shell's redirection would. An empty string when
// done, else why not.
QString writeExportFile(const QString &path, const std::function<bool(QIODevice &)> &write);

// Writes the game in the log `log` to `path` as its extension says: .csv,
// .json or .pdf, reading the log a step at a time. An empty string when
// done, else why not.
QString exportLog(const QString &log, const QString &path, CsvStyle csv = CsvStyle::Rfc4180);

// corvella --export FILE [--game PATH] [--csv-excel]: reads the log (the
// newest in `folder` unless `log` names one) and writes FILE. Complaints go
// to stderr; returns the exit status. Needs a QGuiApplication for PDF.
int runExport(const QString &file, const QString &log,
              const QString &folder = GameLog::defaultFolder(), CsvStyle csv = CsvStyle::Rfc4180);
