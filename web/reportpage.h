#pragma once

#include "web/httpfront.h"

#include <optional>

// /report: the current game's record, read-only and without a PIN like
// /display, as a page, /report.csv or /report.json. The query is not passed
// on by the front, so the formats have paths of their own. Nothing when
// `path` is not one of them. Runs on the server's thread: it reads only the
// log on disk, which is synced at every step.
std::optional<HttpFront::Answer> reportAnswer(const QByteArray &path, const QString &logFolder);
