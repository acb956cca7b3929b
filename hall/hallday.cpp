#include "hall/hallday.h"

#include "game/gamerecord.h"
#include "game/printpage.h"
#include "game/printtable.h"
#include "hall/schedule.h"
#include "web/pagetexts.h"

#include <QBuffer>
#include <QDate>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace {

const char *const DayContext = "HallDay";

const char *const DayTexts[] = {
    QT_TRANSLATE_NOOP("HallDay", "Results of the day"),
    QT_TRANSLATE_NOOP("HallDay", "Time"),
    QT_TRANSLATE_NOOP("HallDay", "Court"),
    QT_TRANSLATE_NOOP("HallDay", "Group"),
    QT_TRANSLATE_NOOP("HallDay", "Home"),
    QT_TRANSLATE_NOOP("HallDay", "Guest"),
    QT_TRANSLATE_NOOP("HallDay", "Score"),
    QT_TRANSLATE_NOOP("HallDay", "Sets and periods"),
    QT_TRANSLATE_NOOP("HallDay", "No game has finished yet."),
    QT_TRANSLATE_NOOP("HallDay", "Group %1"),
    QT_TRANSLATE_NOOP("HallDay", "Played"),
    QT_TRANSLATE_NOOP("HallDay", "Won"),
    QT_TRANSLATE_NOOP("HallDay", "Drawn"),
    QT_TRANSLATE_NOOP("HallDay", "Lost"),
    QT_TRANSLATE_NOOP("HallDay", "Goals"),
    QT_TRANSLATE_NOOP("HallDay", "Sets"),
    QT_TRANSLATE_NOOP("HallDay", "Set points"),
    QT_TRANSLATE_NOOP("HallDay", "Points"),
};

// When the game started by its log, in the hall's time; a game the
// schedule does not list has no other time.
QTime startOf(const QString &logPath)
{
    GameLogReader reader;
    if (logPath.isEmpty() || !reader.open(logPath))
        return {};
    return reader.header().started.toLocalTime().time();
}

const ScheduledGame *scheduledAs(const Schedule *schedule, const HallFeed::Result &result)
{
    if (!schedule)
        return nullptr;
    const QList<ScheduledGame> &games = schedule->games();
    const auto it = std::find_if(games.cbegin(), games.cend(), [&](const ScheduledGame &game) {
        return game.court == result.court && game.playedAs == result.game;
    });
    return it == games.cend() ? nullptr : &*it;
}

// The sheet's layout: everything on one page, its type as large as that
// allows and no larger than reads well.
struct SheetType
{
    qreal cell;
    qreal padding;
};

SheetType sheetType(qreal height, int rows)
{
    for (qreal points = 10; points > 5; points -= 0.5) {
        const qreal padding = points / 5;
        // A row's line is about 1.2 of its type with padding above and below.
        if (rows * (points * 1.25 + 2 * padding) <= height)
            return {points, padding};
    }
    return {5, 1};
}

class DaySheet
{
public:
    DaySheet(QPdfWriter &writer, const QString &language)
        : m_page(writer), m_words(language),
          m_locale(language.isEmpty() ? QLocale(QLocale::English) : QLocale(language))
    {
    }

    void print(const QList<DayResult> &results, const Schedule *schedule, const QString &venue)
    {
        const QString title = word("Results of the day");
        const QString subtitle = m_locale.toString(QDate::currentDate(), QLocale::LongFormat) +
                                 (venue.isEmpty() ? QString() : QStringLiteral(" · ") + venue);
        const QFont titleFont = m_page.fitted(18, 12, true, title, width());
        const QFont small = PrintPage::font(10);
        m_page.text({0, 0, width(), m_page.height(titleFont)}, Qt::AlignLeft, titleFont, title);
        qreal y = m_page.height(titleFont) + 2;
        m_page.text({0, y, width(), m_page.height(small)}, Qt::AlignLeft, small, subtitle);
        y += m_page.height(small) + 4;
        m_page.rule(y);
        y += 10;
        const QStringList groups = schedule ? schedule->groups() : QStringList();
        int rows = int(std::max<qsizetype>(results.size(), 1)) + 1;
        for (const QString &group : groups)
            rows += int(schedule->standings(group).size()) + 3; // heading, head, gap
        m_type = sheetType(m_page.area().height() - y, rows);
        y = printResults(y, results);
        for (const QString &group : groups)
            y = printStandings(y, *schedule, group);
    }

private:
    qreal width() const { return m_page.area().width(); }
    QString word(const char *text) const { return m_words(DayContext, text); }
    PrintTable::Look look(Qt::Alignment values) const
    {
        return {PrintPage::font(m_type.cell, true), PrintPage::font(m_type.cell), m_type.padding,
                values};
    }

    qreal printResults(qreal y, const QList<DayResult> &results)
    {
        if (results.isEmpty()) {
            const QFont font = PrintPage::font(m_type.cell);
            m_page.text({0, y, width(), m_page.height(font)}, Qt::AlignLeft, font,
                        word("No game has finished yet."));
            return y + m_page.height(font) + gap();
        }
        // Time, court, group, home, guest, score, and the rest for the sets
        // or periods, in points across the page.
        const QList<qreal> shares = {0.07, 0.07, 0.11, 0.2, 0.2, 0.07};
        QList<TableColumn> columns;
        qreal left = 0;
        for (const qreal share : shares) {
            columns.append({left, width() * share});
            left += width() * share;
        }
        columns.append({left, width() - left});
        PrintTable table(m_page, y, columns, look(Qt::AlignLeft));
        table.head(word("Time"), {word("Court"), word("Group"), word("Home"), word("Guest"),
                                  word("Score"), word("Sets and periods")});
        for (const DayResult &r : results)
            table.row(r.time.toString(QStringLiteral("HH:mm")),
                      {r.court, r.group, r.home, r.guest, r.match.scoreText(QStringLiteral(":")),
                       r.match.detailText()});
        return table.bottom() + gap();
    }

    qreal printStandings(qreal y, const Schedule &schedule, const QString &group)
    {
        const bool sets = schedule.playsInSets(group);
        const QFont heading = PrintPage::font(m_type.cell + 1, true);
        m_page.text({0, y, width(), m_page.height(heading)}, Qt::AlignLeft, heading,
                    word("Group %1").arg(group));
        y += m_page.height(heading);
        QStringList names = {word("Played"), word("Won")};
        if (!sets)
            names << word("Drawn");
        names << word("Lost");
        names << (sets ? QStringList{word("Sets"), word("Set points")}
                       : QStringList{word("Goals")});
        names << word("Points");
        PrintTable table(m_page, y, tableColumns(0, width(), 0.34, names.size()),
                         look(Qt::AlignHCenter));
        table.head(QString(), names);
        for (const Standing &team : schedule.standings(group)) {
            QStringList values = {QString::number(team.played), QString::number(team.won)};
            if (!sets)
                values << QString::number(team.drawn);
            values << QString::number(team.lost);
            if (sets)
                values << QStringLiteral("%1:%2").arg(team.setsWon).arg(team.setsLost);
            values << QStringLiteral("%1:%2").arg(team.scored).arg(team.conceded)
                   << QString::number(team.points);
            table.row(team.team, values);
        }
        return table.bottom() + gap();
    }

    qreal gap() const { return m_type.cell * 1.2; }

    PrintPage m_page;
    PageWords m_words;
    QLocale m_locale;
    SheetType m_type{10, 2};
};

template <typename Write> bool saveFile(const QString &path, QString *error, Write write)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(write()) < 0 || !out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace

namespace HallDay {

QList<DayResult> results(const HallFeed &feed, const Schedule *schedule)
{
    QList<DayResult> day;
    const QList<HallFeed::Result> finished = feed.results();
    for (auto it = finished.crbegin(); it != finished.crend(); ++it) {
        if (it->disputed)
            continue;
        DayResult row{{}, it->court, {}, it->home, it->guest, it->match};
        if (const ScheduledGame *game = scheduledAs(schedule, *it)) {
            // As the schedule lists it, so that the league finds its game.
            row = {game->time, game->court, game->group, game->home, game->guest, game->match};
        } else {
            row.time = startOf(feed.logPath(it->court, it->game));
        }
        day.append(row);
    }
    // The day's order, as the league's schedule has it.
    std::stable_sort(day.begin(), day.end(),
                     [](const DayResult &a, const DayResult &b) { return a.time < b.time; });
    return day;
}

QByteArray csv(const QList<DayResult> &results, CsvStyle style)
{
    const char separator = style == CsvStyle::Spreadsheet ? ';' : ',';
    QByteArray out = style == CsvStyle::Spreadsheet ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    QByteArray header = "time,court,group,home,guest,score,detail\r\n";
    out += header.replace(',', separator);
    for (const DayResult &r : results) {
        const QStringList fields = {r.time.toString(QStringLiteral("HH:mm")),
                                    r.court,
                                    r.group,
                                    r.home,
                                    r.guest,
                                    r.match.scoreText(QStringLiteral(":")),
                                    r.match.detailText()};
        QByteArrayList row;
        for (const QString &field : fields)
            row << csvField(field, separator);
        out += row.join(separator) + "\r\n";
    }
    return out;
}

QByteArray pdf(const QList<DayResult> &results, const Schedule *schedule, const QString &venue,
               const QString &language, const QPageSize &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(page);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("Corvella: ") +
                        PageWords(language)(DayContext, DayTexts[0]));
        writer.setCreator(QStringLiteral("Corvella"));
        DaySheet(writer, language).print(results, schedule, venue);
    }
    buffer.close();
    return buffer.data();
}

bool writeCsv(const QString &path, const QList<DayResult> &results, CsvStyle style, QString *error)
{
    return saveFile(path, error, [&] { return csv(results, style); });
}

bool writePdf(const QString &path, const QList<DayResult> &results, const Schedule *schedule,
              const QString &venue, const QString &language, QString *error)
{
    return saveFile(path, error, [&] { return pdf(results, schedule, venue, language); });
}

QStringList words()
{
    QStringList all;
    for (const char *text : DayTexts)
        all << QString::fromUtf8(text);
    return all;
}

} // namespace HallDay
