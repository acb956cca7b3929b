#pragma once

#include "game/gamerecord.h"
#include "hall/hallfeed.h"
#include "hall/matchscore.h"

#include <QByteArray>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QTime>

class Schedule;

// One finished game of the day as the league gets it.
struct DayResult
{
    QTime time; // as scheduled, or when the game started
    QString court;
    QString group;
    QString home;
    QString guest;
    MatchScore match;

    bool operator==(const DayResult &) const = default;
};

// The day for the league: its finished games, each once, in the order of
// their times, as a CSV (time,court,group,home,guest,score,detail) and as a sheet
// of results and standings on one page. The hall's pages serve them and the
// hall's window saves them. A disputed result is left out until a person
// accepts it.
namespace HallDay {

// `schedule` may be null: a day without one has no groups and no standings.
QList<DayResult> results(const HallFeed &feed, const Schedule *schedule);

QByteArray csv(const QList<DayResult> &results, CsvStyle style = CsvStyle::Rfc4180);
// The sheet, its words in `language` (empty: English).
QByteArray pdf(const QList<DayResult> &results, const Schedule *schedule, const QString &venue,
               const QString &language = {}, const QPageSize &page = QPageSize(QPageSize::A4));

// Written to `path` whole or not at all; false with the reason in `error`.
bool writeCsv(const QString &path, const QList<DayResult> &results, CsvStyle style, QString *error);
bool writePdf(const QString &path, const QList<DayResult> &results, const Schedule *schedule,
              const QString &venue, const QString &language, QString *error);

// Every text of the sheet, in English.
QStringList words();

} // namespace HallDay
