#pragma once

#include "web/httpfront.h"

#include <optional>

// /report: the current game's record, read-only and without a PIN like
// /display, as a page, /report.csv or /report.json. Nothing when the
// request's path is not one of them. The page's words follow the browser's
// language (or `?lang=`). Runs on the server's thread: it reads only the log
// on disk, which is synced at every step.
std::optional<HttpFront::Answer> reportAnswer(const HttpFront::Request &request,
                                              const QString &logFolder);
