#pragma once

#include "hall/hallfeed.h"
#include "web/httpfront.h"
#include "web/pagetexts.h"

#include <QStringList>

#include <optional>

class Schedule;

// The hall's read-only pages: /hall (every court, live), /hall/results (the
// day's finished games, each with its printed result as a PDF), the day for
// the league as /hall/results.csv (`?excel=1` for a spreadsheet) and
// /hall/day.pdf, /hall/schedule and /hall.json. Their words follow the browser's language, or
// `?lang=`.
namespace HallPages {

// The answer to a request, or nothing when its path is not the hall's.
// /hall/schedule only with a schedule.
std::optional<HttpFront::Answer> answer(const HttpFront::Request &request, const HallFeed &feed,
                                        const Schedule *schedule = nullptr);

// Every text the pages show, in English, as they write it.
QStringList words();

// /hall in a language (empty: English), its words in place; linked to the
// schedule when there is one.
QByteArray hallPage(const QString &language, bool withSchedule = false);
// /hall/results: the games newest first, in a language; a row per game,
// linked to the schedule when there is one; below the table, the score-flow
// chart of each game whose log is in `logPaths` (the newest results' logs,
// in the order of `results`).
QByteArray resultsPage(const QList<HallFeed::Result> &results, const QString &language,
                       bool withSchedule = false, const QStringList &logPaths = {});
// The newest results that /hall/results draws a chart of: each reads its
// game's whole log.
inline constexpr int ChartedResults = 20;
// One game's cells on /hall/results, in the order of the table's heading.
QStringList resultCells(const HallFeed::Result &result, const PageWords &word);
// Where a result's PDF is served.
QString pdfPath(const HallFeed::Result &result);

} // namespace HallPages
