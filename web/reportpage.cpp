#include "web/reportpage.h"

#include "game/clockface.h"
#include "game/gamefigures.h"
#include "game/gamelog.h"
#include "game/gametally.h"
#include "game/recordsheet.h"
#include "game/scoreflowchart.h"
#include "teams/contrast.h"
#include "teams/teamlogo.h"
#include "web/pagetexts.h"

#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QUrlQuery>

namespace {

// The page's words in the language the browser asks for.
class ReportWords
{
public:
    explicit ReportWords(const QString &language) : m_words(language) {}
    QString operator()(const char *text) const { return m_words("ReportPage", text); }
    QString operator()(const char *context, const char *text) const
    {
        return m_words(context, text);
    }

private:
    PageWords m_words;
};

QString pair(const RecordSheet::Scores &s)
{
    return RecordSheet::scorePair(s, 0, 1) + QStringLiteral(" / ") +
           RecordSheet::scorePair(s, 2, 3);
}

// What was done, in the words the board used for it.
QString shownAction(const GameLogEntry &e)
{
    return e.label.isEmpty() ? e.action : e.label;
}

QString rowHtml(const GameLogEntry &e)
{
    const QString what = e.kind == u"action" ? shownAction(e) : e.kind + u' ' + shownAction(e);
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td>"
                          "<td>%6</td></tr>")
        .arg(e.number)
        .arg(hallTime(e.time).toString(QStringLiteral("HH:mm:ss")), what.toHtmlEscaped())
        .arg(e.period)
        .arg(ClockFace::textOfMs(e.clockMs), pair(e.after));
}

// A library team's name in its colours, its logo small before it. The logo
// travels inside the page: the board serves only the running game's logos,
// and the newest log may be another game's.
QString teamHtml(const std::optional<Team> &team, const QString &caption)
{
    if (!team)
        return caption.toHtmlEscaped();
    QString logo;
    const QImage image = TeamLogo::image(*team, QSize(48, 48));
    QByteArray png;
    QBuffer buffer(&png);
    if (!image.isNull() && buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"))
        logo = QStringLiteral("<img src='data:image/png;base64,%1' alt='' height='24' "
                              "style='vertical-align:middle;margin-right:6px'>")
                   .arg(QString::fromLatin1(png.toBase64()));
    QString style = QStringLiteral("padding:2px 8px;font-weight:bold;");
    const QColor text = team->textColor.isValid() ? team->textColor
                        : team->color.isValid()   ? outlineFor(team->color)
                                                  : QColor();
    if (team->color.isValid())
        style += QStringLiteral("background:%1;").arg(team->color.name());
    if (text.isValid())
        style += QStringLiteral("color:%1;").arg(text.name());
    if (team->color.isValid() && text.isValid() && needsOutline(text, team->color))
        style += QStringLiteral("text-shadow:0 0 2px %1,0 0 2px %1;").arg(outlineFor(text).name());
    return QStringLiteral("<span class='team' style='%1'>%2%3</span>")
        .arg(style, logo, team->name.toHtmlEscaped());
}

// The figures as a small table under the teams' names, and the score's
// flow drawn, one chart a set.
QString storyHtml(const ScoreFlowChart &chart, const RecordSheet &sheet)
{
    QString html = QStringLiteral("<table class='figures'><tr><th></th><th>%1</th><th>%2</th></tr>")
                       .arg(sheet.home().toHtmlEscaped(), sheet.guest().toHtmlEscaped());
    for (const ScoreFlowChart::FigureRow &row : chart.figureRows()) {
        html += QStringLiteral("<tr><th>%1</th>").arg(row.name.toHtmlEscaped());
        if (row.values.size() == 1)
            html +=
                QStringLiteral("<td colspan='2'>%1</td>").arg(row.values.first().toHtmlEscaped());
        else
            for (const QString &value : row.values)
                html += QStringLiteral("<td>%1</td>").arg(value.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    for (const int part : chart.charts())
        html += QStringLiteral("<figure class='flow'>") + QString::fromUtf8(chart.svg(part)) +
                QStringLiteral("</figure>");
    return html;
}

QByteArray reportHtml(GameLogReader &reader, const QString &language, const ReportWords &word)
{
    const GameRecord &game = reader.header();
    GameTally tally(game.periods);
    GameFigures figures;
    QString rows;
    while (const std::optional<GameLogEntry> e = reader.next()) {
        tally.add(*e);
        figures.add(*e);
        rows += rowHtml(*e);
    }
    // The sheet's words in the page's language, as the rest of the page.
    const RecordSheet sheet(
        game, QLocale(language.isEmpty() ? QStringLiteral("en") : language),
        [&word](const char *context, const char *text) { return word(context, text); });
    QString html = QStringLiteral("<!DOCTYPE html><html lang='%1'><head><meta charset='utf-8'>"
                                  "<title>%2</title></head><body>")
                       .arg(language.isEmpty() ? QStringLiteral("en") : language,
                            word(QT_TRANSLATE_NOOP("ReportPage", "Corvella: the game")));
    html += QStringLiteral("<h1>%1</h1>").arg(sheet.title().toHtmlEscaped());
    if (game.teams.at(0) || game.teams.at(1))
        html += QStringLiteral("<p class='teams'>%1 \u2013 %2</p>")
                    .arg(teamHtml(game.teams.at(0), sheet.home()),
                         teamHtml(game.teams.at(1), sheet.guest()));
    html += QStringLiteral("<p>%1</p><p>%2 <b>%3</b></p>")
                .arg(sheet.started().toHtmlEscaped(),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Final:")), pair(tally.finalScores()));
    for (const auto &[period, scores] : tally.periodScores())
        html += QStringLiteral("<p>%1</p>")
                    .arg(word(QT_TRANSLATE_NOOP("ReportPage", "Period %1: %2"))
                             .arg(period)
                             .arg(pair(scores)));
    if (!figures.flow().isEmpty())
        html += storyHtml(ScoreFlowChart(figures, sheet.home(), sheet.guest(), game.periods,
                                         [&word](const char *context, const char *text) {
                                             return word(context, text);
                                         }),
                          sheet);
    html += QStringLiteral("<p><a href='/report.csv'>CSV</a> "
                           "<a href='/report.csv?excel=1'>%1</a> <a href='/report.json'>JSON</a>"
                           "</p><table><tr><th>#</th><th>%2</th><th>%3</th><th>%4</th>"
                           "<th>%5</th><th>%6</th></tr>")
                .arg(word(QT_TRANSLATE_NOOP("ReportPage", "CSV for a spreadsheet (;)")),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Time")),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Action")),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Period")),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Game clock")),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Scores")));
    html += rows + QStringLiteral("</table></body></html>");
    return html.toUtf8();
}

bool isReport(const QByteArray &path)
{
    return path == "/report" || path == "/report.csv" || path == "/report.json";
}

} // namespace

std::optional<HttpFront::Answer> reportAnswer(const HttpFront::Request &request,
                                              const QString &logFolder)
{
    const QByteArray &path = request.path;
    if (!isReport(path))
        return std::nullopt;
    const QString language = pageLanguage(request.header("accept-language"), request.query);
    const ReportWords word(language);
    HttpFront::Answer answer;
    answer.headers = {{"Cache-Control", "no-store"}, {"X-Content-Type-Options", "nosniff"}};
    const QString newest = GameLog::newestLog(logFolder);
    GameLogReader reader;
    if (newest.isEmpty() || !reader.open(newest)) {
        answer.status = 404;
        answer.type = "text/plain; charset=utf-8";
        answer.body =
            word(QT_TRANSLATE_NOOP("ReportPage", "No game has been recorded yet.")).toUtf8() + '\n';
        return answer;
    }
    if (path == "/report.csv" || path == "/report.json") {
        const QUrlQuery query(QString::fromUtf8(request.query));
        const CsvStyle style = query.queryItemValue(QStringLiteral("excel")) == u"1"
                                   ? CsvStyle::Spreadsheet
                                   : CsvStyle::Rfc4180;
        QBuffer body(&answer.body);
        body.open(QIODevice::WriteOnly);
        if (path == "/report.csv") {
            answer.type = "text/csv; charset=utf-8";
            writeCsv(reader, body, style);
        } else {
            answer.type = "application/json";
            writeJson(reader, body);
        }
    } else {
        answer.type = "text/html; charset=utf-8";
        answer.body = reportHtml(reader, language, word);
        answer.headers.append(
            qMakePair(QByteArray("Content-Security-Policy"),
                      // Teams' logos come inside the page, their colours in its styles.
                      QByteArray("default-src 'self'; img-src 'self' data:; "
                                 "style-src 'self' 'unsafe-inline'")));
    }
    return answer;
}

std::optional<HttpFront::Answer> reportLater(const HttpFront::Request &request,
                                             const QString &logFolder)
{
    if (!isReport(request.path))
        return std::nullopt;
    HttpFront::Answer answer;
    answer.later = [request, logFolder] { return *reportAnswer(request, logFolder); };
    return answer;
}
