#pragma once

#include "game/gamelog.h"

#include <QPageSize>
#include <QString>

// The page a printed result goes on where the program runs: Letter where
// the locale measures in inches, A4 elsewhere.
QPageSize localPageSize();

// A one-page printable result of `record` as PDF.
QByteArray gamePdf(const GameRecord &record, const QPageSize &page = localPageSize());

// Writes `record` to `path` as its extension says: .csv, .json or .pdf.
// An empty string when done, else why not.
QString exportGame(const GameRecord &record, const QString &path);

// corvella --export FILE [--game PATH]: reads the log (the newest in
// `folder` unless `log` names one) and writes FILE. Complaints go to stderr;
// returns the exit status. Needs a QGuiApplication for PDF.
int runExport(const QString &file, const QString &log,
              const QString &folder = GameLog::defaultFolder());
