#pragma once

#include "web/httpfront.h"

#include <optional>

// /report: the current game's record, read-only and without a PIN like
// /display, as a page, /report.csv (`?excel=1`: for a spreadsheet that
// separates with semicolons) or /report.json. Nothing when the request's path
// is not one of them. The page's words follow the browser's language (or
// `?lang=`), its times the hall's clock. It reads only the log on disk,
// which is synced at every step, so it can be made on any thread.
std::optional<HttpFront::Answer> reportAnswer(const HttpFront::Request &request,
                                              const QString &logFolder);

// The same answer, to be made off the server's thread: a long game's report
// takes seconds.
std::optional<HttpFront::Answer> reportLater(const HttpFront::Request &request,
                                             const QString &logFolder);
