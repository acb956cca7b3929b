#include "web/reportpage.h"

#include "game/gamelog.h"
#include "web/pagetexts.h"

namespace {

// The page's words in the language the browser asks for.
class ReportWords
{
public:
    explicit ReportWords(const QString &language) : m_words(language) {}
    QString operator()(const char *text) const { return m_words("ReportPage", text); }

private:
    PageWords m_words;
};

QString scoreText(const std::optional<int> &score)
{
    return score ? QString::number(*score) : QStringLiteral("-");
}

QString pair(const std::array<std::optional<int>, 4> &s)
{
    return QStringLiteral("%1 : %2 / %3 : %4")
        .arg(scoreText(s[0]), scoreText(s[1]), scoreText(s[2]), scoreText(s[3]));
}

QByteArray reportHtml(const GameRecord &record, const QString &language, const ReportWords &word)
{
    QString html = QStringLiteral("<!DOCTYPE html><html lang='%1'><head><meta charset='utf-8'>"
                                  "<title>%2</title></head><body>")
                       .arg(language.isEmpty() ? QStringLiteral("en") : language,
                            word(QT_TRANSLATE_NOOP("ReportPage", "Corvella: the game")));
    html += QStringLiteral("<h1>%1 &ndash; %2</h1><p>%3</p><p>%4 <b>%5</b></p>")
                .arg(record.home.toHtmlEscaped(), record.guest.toHtmlEscaped(),
                     record.started.toString(Qt::ISODate),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Final:")), pair(record.finalScores()));
    for (const auto &[period, scores] : record.periodScores())
        html += QStringLiteral("<p>%1</p>")
                    .arg(word(QT_TRANSLATE_NOOP("ReportPage", "Period %1: %2"))
                             .arg(period)
                             .arg(pair(scores)));
    html += QStringLiteral("<p><a href='/report.csv'>CSV</a> <a href='/report.json'>JSON</a></p>"
                           "<table><tr><th>#</th><th>%1</th><th>%2</th><th>%3</th>"
                           "<th>%4</th><th>%5</th></tr>")
                .arg(word(QT_TRANSLATE_NOOP("ReportPage", "Time")),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Action")),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Period")),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Clock ms")),
                     word(QT_TRANSLATE_NOOP("ReportPage", "Scores")));
    for (const GameLogEntry &e : record.entries)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td>"
                               "<td>%6</td></tr>")
                    .arg(e.number)
                    .arg(e.time.toString(Qt::ISODate),
                         (e.kind == QLatin1StringView("action") ? e.action
                                                                : QString(e.kind + u' ' + e.action))
                             .toHtmlEscaped())
                    .arg(e.period)
                    .arg(e.clockMs)
                    .arg(pair(e.after));
    html += QStringLiteral("</table></body></html>");
    return html.toUtf8();
}

} // namespace

std::optional<HttpFront::Answer> reportAnswer(const HttpFront::Request &request,
                                              const QString &logFolder)
{
    const QByteArray &path = request.path;
    const QString language = pageLanguage(request.header("accept-language"), request.query);
    const ReportWords word(language);
    if (path != "/report" && path != "/report.csv" && path != "/report.json")
        return std::nullopt;
    HttpFront::Answer answer;
    answer.headers = {{"Cache-Control", "no-store"}, {"X-Content-Type-Options", "nosniff"}};
    const QString newest = GameLog::newestLog(logFolder);
    const std::optional<GameRecord> record =
        newest.isEmpty() ? std::nullopt : GameLog::read(newest);
    if (!record) {
        answer.status = 404;
        answer.type = "text/plain; charset=utf-8";
        answer.body =
            word(QT_TRANSLATE_NOOP("ReportPage", "No game has been recorded yet.")).toUtf8() + '\n';
        return answer;
    }
    if (path == "/report.csv") {
        answer.type = "text/csv; charset=utf-8";
        answer.body = record->toCsv();
    } else if (path == "/report.json") {
        answer.type = "application/json";
        answer.body = record->toJson();
    } else {
        answer.type = "text/html; charset=utf-8";
        answer.body = reportHtml(*record, language, word);
        answer.headers.append(
            qMakePair(QByteArray("Content-Security-Policy"), QByteArray("default-src 'self'")));
    }
    return answer;
}
