#include "hall/hallpages.h"

#include "game/gamerecord.h"
#include "game/printedresult.h"
#include "game/scoreflowchart.h"
#include "hall/hallday.h"
#include "hall/schedule.h"
#include "hall/schedulepage.h"
#include "web/pagetexts.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUrlQuery>

namespace {

const char *const Context = "HallPages";

// Every text of the hall's pages and script.
const char *const Texts[] = {
    QT_TRANSLATE_NOOP("HallPages", "Corvella hall"),
    QT_TRANSLATE_NOOP("HallPages", "Results"),
    QT_TRANSLATE_NOOP("HallPages", "Not connected"),
    QT_TRANSLATE_NOOP("HallPages", "Court %1"),
    QT_TRANSLATE_NOOP("HallPages", "Online"),
    QT_TRANSLATE_NOOP("HallPages", "Offline"),
    QT_TRANSLATE_NOOP("HallPages", "Final"),
    QT_TRANSLATE_NOOP("HallPages", "Break after period %1"),
    QT_TRANSLATE_NOOP("HallPages", "Overtime %1"),
    QT_TRANSLATE_NOOP("HallPages", "Period %1"),
    QT_TRANSLATE_NOOP("HallPages", "Timeout"),
    QT_TRANSLATE_NOOP("HallPages", "Timeouts left: %1 - %2"),
    QT_TRANSLATE_NOOP("HallPages", "No court has reported yet."),
    QT_TRANSLATE_NOOP("HallPages", "Corvella hall: results"),
    QT_TRANSLATE_NOOP("HallPages", "All courts"),
    QT_TRANSLATE_NOOP("HallPages", "Court"),
    QT_TRANSLATE_NOOP("HallPages", "Home"),
    QT_TRANSLATE_NOOP("HallPages", "Guest"),
    QT_TRANSLATE_NOOP("HallPages", "Score"),
    QT_TRANSLATE_NOOP("HallPages", "Ended"),
    QT_TRANSLATE_NOOP("HallPages", "Printable result"),
    QT_TRANSLATE_NOOP("HallPages", "No game has finished yet."),
    QT_TRANSLATE_NOOP("HallPages", "Disputed: counts once accepted"),
    QT_TRANSLATE_NOOP("HallPages", "Sets and periods"),
    QT_TRANSLATE_NOOP("HallPages", "Schedule"),
    QT_TRANSLATE_NOOP("HallPages", "Results as CSV"),
    QT_TRANSLATE_NOOP("HallPages", "Day sheet (PDF)"),
    QT_TRANSLATE_NOOP("HallPages", "Set %1"),
    QT_TRANSLATE_NOOP("HallPages", "Sets %1 - %2"),
    QT_TRANSLATE_NOOP("HallPages", "No signal"),
    QT_TRANSLATE_NOOP("HallPages", "Hall link down since %1"),
    QT_TRANSLATE_NOOP("HallPages", "Timeout %1"),
    QT_TRANSLATE_NOOP("HallPages", "Next games"),
    QT_TRANSLATE_NOOP("HallPages", "Standings"),
    QT_TRANSLATE_NOOP("HallPages", "Group %1"),
};

constexpr QByteArrayView WordsSlot = "/* words */ {}";

QString languageCode(const QString &language)
{
    return language.isEmpty() ? QStringLiteral("en") : language;
}

QByteArray resource(const char *name)
{
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

HttpFront::Answer page(QByteArray body, const QByteArray &type, const QString &language = {})
{
    HttpFront::Answer answer;
    answer.type = type;
    answer.body = std::move(body);
    answer.headers = {{"Cache-Control", "no-store"},
                      {"X-Content-Type-Options", "nosniff"},
                      {"Content-Security-Policy", "default-src 'self'; connect-src 'self'"}};
    if (type.startsWith("text/html"))
        answer.headers << qMakePair(QByteArray("Content-Language"),
                                    languageCode(language).toLatin1())
                       << qMakePair(QByteArray("Vary"), QByteArray("Accept-Language"));
    return answer;
}

// /hall/results/{court}/{game}.pdf, made from the game's log off the
// server's thread: a long game takes a while to lay out.
std::optional<HttpFront::Answer> pdfAnswer(const HttpFront::Request &request, const HallFeed &feed)
{
    const QString path = QUrl::fromPercentEncoding(request.path);
    const QString prefix = QStringLiteral("/hall/results/");
    if (!path.startsWith(prefix) || !path.endsWith(QStringLiteral(".pdf")))
        return std::nullopt;
    const QStringList parts = path.mid(prefix.size()).chopped(4).split(u'/');
    HttpFront::Answer answer;
    answer.status = 404;
    if (parts.size() != 2)
        return answer;
    const QString log = feed.logPath(parts.at(0), parts.at(1));
    if (log.isEmpty())
        return answer;
    answer.later = [log] {
        HttpFront::Answer made;
        std::optional<GameRecord> record = GameRecord::read(log);
        if (!record) {
            made.status = 404;
            return made;
        }
        // The hall shows the teams' colours only: a logo in a court's log
        // names a file on the court's computer, not the hall's.
        for (std::optional<Team> &team : record->teams)
            if (team)
                team->logo.clear();
        made = page(gamePdf(*record), "application/pdf");
        made.headers.append(qMakePair(QByteArray("Content-Disposition"), QByteArray("inline")));
        return made;
    };
    return answer;
}

HttpFront::Answer csvAnswer(const HttpFront::Request &request, const HallFeed &feed,
                            const Schedule *schedule)
{
    const bool excel =
        QUrlQuery(QString::fromUtf8(request.query)).queryItemValue(QStringLiteral("excel")) == u"1";
    HttpFront::Answer answer = page(HallDay::csv(HallDay::results(feed, schedule),
                                                 excel ? CsvStyle::Spreadsheet : CsvStyle::Rfc4180),
                                    "text/csv; charset=utf-8; header=present");
    answer.headers.append(qMakePair(QByteArray("Content-Disposition"),
                                    QByteArray("attachment; filename=\"results.csv\"")));
    return answer;
}

// Laid out off the server's thread, from copies of the day as it stands.
// The charts read the games' logs: made on the server's worker, from the
// results and the logs' paths as they stand now.
HttpFront::Answer resultsAnswer(const HallFeed &feed, const QString &language, bool withSchedule)
{
    const QList<HallFeed::Result> results = feed.results();
    QStringList logs;
    for (qsizetype i = 0; i < results.size() && i < HallPages::ChartedResults; ++i)
        logs << feed.logPath(results.at(i).court, results.at(i).game);
    HttpFront::Answer answer;
    answer.later = [results, logs, language, withSchedule] {
        return page(HallPages::resultsPage(results, language, withSchedule, logs),
                    "text/html; charset=utf-8", language);
    };
    return answer;
}

HttpFront::Answer dayPdfAnswer(const HallFeed &feed, const Schedule *schedule,
                               const QString &language)
{
    HttpFront::Answer answer;
    answer.later = [results = HallDay::results(feed, schedule),
                    day = schedule ? std::optional<Schedule>(*schedule) : std::nullopt,
                    venue = feed.venue(), language] {
        HttpFront::Answer made =
            page(HallDay::pdf(results, day ? &*day : nullptr, venue, language), "application/pdf");
        made.headers.append(qMakePair(QByteArray("Content-Disposition"), QByteArray("inline")));
        return made;
    };
    return answer;
}

} // namespace

namespace HallPages {

QStringList words()
{
    QStringList all;
    for (const char *text : Texts)
        all << QString::fromUtf8(text);
    return all;
}

QByteArray hallPage(const QString &language, bool withSchedule)
{
    QString html = QString::fromUtf8(resource(":/hall/hall.html"));
    if (!withSchedule)
        html.remove(QStringLiteral("<a href=\"/hall/schedule\">Schedule</a>"));
    html.replace(QStringLiteral("<html lang=\"en\">"),
                 u"<html lang=\"" + languageCode(language) + u"\">");
    const PageWords word(language);
    QJsonObject table;
    if (word.isTranslated()) {
        for (const char *text : Texts) {
            const QString english = QString::fromUtf8(text).toHtmlEscaped();
            const QString translated = word(Context, text);
            table.insert(QString::fromUtf8(text), translated);
            html.replace(u'>' + english + u'<', u'>' + translated.toHtmlEscaped() + u'<');
        }
    }
    // Inert JSON, read by the script: a "</" in a word must not end it.
    QByteArray json = QJsonDocument(table).toJson(QJsonDocument::Compact);
    json.replace("</", "<\\/");
    return html.toUtf8().replace(WordsSlot, json);
}

QString pdfPath(const HallFeed::Result &result)
{
    return QStringLiteral("/hall/results/") +
           QString::fromLatin1(QUrl::toPercentEncoding(result.court)) + u'/' +
           QString::fromLatin1(QUrl::toPercentEncoding(result.game)) + QStringLiteral(".pdf");
}

QStringList resultCells(const HallFeed::Result &result, const PageWords &word)
{
    const auto w = [&](const char *text) { return word(Context, text).toHtmlEscaped(); };
    const auto cell = [](const QString &className, const QString &html) {
        return className.isEmpty()
                   ? QStringLiteral("<td>%1</td>").arg(html)
                   : QStringLiteral("<td class=\"%1\">%2</td>").arg(className, html);
    };
    const QString disputed = result.disputed ? QStringLiteral(" <span class=\"disputed\">%1</span>")
                                                   .arg(w("Disputed: counts once accepted"))
                                             : QString();
    return {cell({}, result.finished.toLocalTime().toString(QStringLiteral("HH:mm"))),
            cell({}, result.court.toHtmlEscaped()),
            cell({}, result.home.toHtmlEscaped()),
            cell({}, result.guest.toHtmlEscaped()),
            cell(QStringLiteral("score"), result.match.scoreText() + disputed),
            cell(QStringLiteral("detail"), result.match.detailText()),
            cell({}, QStringLiteral("<a href=\"%1\">%2</a>")
                         .arg(pdfPath(result).toHtmlEscaped(), w("Printable result")))};
}

QByteArray resultsPage(const QList<HallFeed::Result> &results, const QString &language,
                       bool withSchedule, const QStringList &logPaths)
{
    const PageWords word(language);
    const auto w = [&](const char *text) { return word(Context, text).toHtmlEscaped(); };
    QString html = QStringLiteral("<!DOCTYPE html><html lang=\"%1\"><head><meta charset=\"utf-8\">"
                                  "<meta name=\"viewport\" content=\"width=device-width, "
                                  "initial-scale=1\"><title>%2</title>"
                                  "<link rel=\"stylesheet\" href=\"/hall.css\"></head>"
                                  "<body class=\"results\"><header><h1>%2</h1>"
                                  "<a href=\"/hall\">%3</a>")
                       .arg(languageCode(language), w("Corvella hall: results"), w("All courts"));
    if (withSchedule)
        html += QStringLiteral("<a href=\"/hall/schedule\">%1</a>").arg(w("Schedule"));
    html += QStringLiteral("<a href=\"/hall/results.csv\">%1</a>"
                           "<a href=\"/hall/day.pdf\">%2</a></header>")
                .arg(w("Results as CSV"), w("Day sheet (PDF)"));
    if (results.isEmpty()) {
        html += QStringLiteral("<p class=\"none\">%1</p>").arg(w("No game has finished yet."));
    } else {
        html += QStringLiteral("<table><tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th>"
                               "<th>%5</th><th>%6</th><th></th></tr>")
                    .arg(w("Ended"), w("Court"), w("Home"), w("Guest"), w("Score"),
                         w("Sets and periods"));
        for (const HallFeed::Result &r : results)
            html += QStringLiteral("<tr>") + resultCells(r, word).join(QString()) +
                    QStringLiteral("</tr>");
        html += QStringLiteral("</table>");
    }
    const ScoreFlowChart::Words chartWords = [&word](const char *context, const char *text) {
        return word(context, text);
    };
    for (qsizetype i = 0; i < logPaths.size() && i < results.size(); ++i) {
        const QByteArray figures = scoreFlowFigures(logPaths.at(i), chartWords);
        if (figures.isEmpty())
            continue;
        const HallFeed::Result &r = results.at(i);
        html += QStringLiteral("<section class=\"story\"><h2>%1 · %2 - %3</h2>")
                    .arg(word(Context, "Court %1").arg(r.court).toHtmlEscaped(),
                         r.home.toHtmlEscaped(), r.guest.toHtmlEscaped()) +
                QString::fromUtf8(figures) + QStringLiteral("</section>");
    }
    return (html + QStringLiteral("</body></html>\n")).toUtf8();
}

std::optional<HttpFront::Answer> answer(const HttpFront::Request &request, const HallFeed &feed,
                                        const Schedule *schedule)
{
    const QString language = pageLanguage(request.header("accept-language"), request.query);
    if (request.path == "/hall" || request.path == "/")
        return page(hallPage(language, schedule != nullptr), "text/html; charset=utf-8", language);
    if (request.path == "/hall/results")
        return resultsAnswer(feed, language, schedule != nullptr);
    if (request.path == "/hall/results.csv")
        return csvAnswer(request, feed, schedule);
    if (request.path == "/hall/day.pdf")
        return dayPdfAnswer(feed, schedule, language);
    if (request.path == "/hall/schedule" && schedule)
        return page(schedulePage(*schedule, language), "text/html; charset=utf-8", language);
    if (request.path == "/hall.json")
        return page(QJsonDocument(feed.toJson()).toJson(QJsonDocument::Compact),
                    "application/json");
    if (request.path == "/hall.js")
        return page(resource(":/hall/hall.js"), "text/javascript; charset=utf-8");
    if (request.path == "/hall.css")
        return page(resource(":/hall/hall.css"), "text/css; charset=utf-8");
    return pdfAnswer(request, feed);
}

} // namespace HallPages
