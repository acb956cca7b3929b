#include "web/reportpage.h"

#include "game/gamelog.h"

namespace {

QString scoreText(const std::optional<int> &score)
{
    return score ? QString::number(*score) : QStringLiteral("-");
}

QString pair(const std::array<std::optional<int>, 4> &s)
{
    return QStringLiteral("%1 : %2 / %3 : %4")
        .arg(scoreText(s[0]), scoreText(s[1]), scoreText(s[2]), scoreText(s[3]));
}

QByteArray reportHtml(const GameRecord &record)
{
    QString html = QStringLiteral("<!DOCTYPE html><html><head><meta charset='utf-8'>"
                                  "<title>Corvella: the game</title></head><body>");
    html += QStringLiteral("<h1>%1 &ndash; %2</h1><p>%3</p><p>Final: <b>%4</b></p>")
                .arg(record.home.toHtmlEscaped(), record.guest.toHtmlEscaped(),
                     record.started.toString(Qt::ISODate), pair(record.finalScores()));
    for (const auto &[period, scores] : record.periodScores())
        html += QStringLiteral("<p>Period %1: %2</p>").arg(period).arg(pair(scores));
    html += QStringLiteral("<p><a href='/report.csv'>CSV</a> <a href='/report.json'>JSON</a></p>"
                           "<table><tr><th>#</th><th>Time</th><th>Action</th><th>Period</th>"
                           "<th>Clock ms</th><th>Scores</th></tr>");
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

std::optional<HttpFront::Answer> reportAnswer(const QByteArray &path, const QString &logFolder)
{
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
        answer.body = "No game has been recorded yet.\n";
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
        answer.body = reportHtml(*record);
        answer.headers.append(
            qMakePair(QByteArray("Content-Security-Policy"), QByteArray("default-src 'self'")));
    }
    return answer;
}
