#pragma once

#include "hall/hallfeed.h"
#include "web/httpfront.h"

#include <QStringList>

#include <optional>

class Schedule;

// The hall's read-only pages: /hall (every court, live), /hall/results (the
// day's finished games, each with its printed result as a PDF) and
// /hall.json. Their words follow the browser's language, or `?lang=`.
namespace HallPages {

// The answer to a request, or nothing when its path is not the hall's.
// /hall/schedule only with a schedule.
std::optional<HttpFront::Answer> answer(const HttpFront::Request &request, const HallFeed &feed,
                                        const Schedule *schedule = nullptr);

// Every text the pages show, in English, as they write it.
QStringList words();

// /hall in a language (empty: English), its words in place.
QByteArray hallPage(const QString &language);
// /hall/results: the games newest first, in a language.
QByteArray resultsPage(const QList<HallFeed::Result> &results, const QString &language);
// Where a result's PDF is served.
QString pdfPath(const HallFeed::Result &result);

} // namespace HallPages
