#include "hall/schedulepage.h"

#include "hall/schedule.h"
#include "web/pagetexts.h"

namespace {

class ScheduleWords
{
public:
    explicit ScheduleWords(const QString &language) : m_words(language) {}
    QString operator()(const char *text) const
    {
        return m_words("SchedulePage", text).toHtmlEscaped();
    }
    // A shipped preset's name as the page's language has it; a club's own
    // as written.
    QString sport(const QString &preset) const
    {
        const QByteArray name = preset.toUtf8();
        return m_words("Presets", name.constData()).toHtmlEscaped();
    }

private:
    PageWords m_words;
};

QString cell(const QString &text)
{
    return QStringLiteral("<td>") + text.toHtmlEscaped() + QStringLiteral("</td>");
}

// The score, and under it the sets or periods it was made of.
QString resultCell(const MatchScore &match)
{
    const QString detail = match.detailText();
    return QStringLiteral("<td class='score'>") + match.scoreText() +
           (detail.isEmpty()
                ? QString()
                : QStringLiteral("<span class='detail'>") + detail + QStringLiteral("</span>")) +
           QStringLiteral("</td>");
}

QString headings(const QStringList &names)
{
    QString row = QStringLiteral("<tr>");
    for (const QString &name : names)
        row += QStringLiteral("<th>") + name + QStringLiteral("</th>");
    return row + QStringLiteral("</tr>");
}

QString gamesTable(const Schedule &schedule, const ScheduleWords &word)
{
    QStringList names = {word(QT_TRANSLATE_NOOP("SchedulePage", "Time")),
                         word(QT_TRANSLATE_NOOP("SchedulePage", "Court")),
                         word(QT_TRANSLATE_NOOP("SchedulePage", "Home")),
                         word(QT_TRANSLATE_NOOP("SchedulePage", "Guest")),
                         word(QT_TRANSLATE_NOOP("SchedulePage", "Sport"))};
    if (schedule.hasGroups())
        names << word(QT_TRANSLATE_NOOP("SchedulePage", "Group"));
    names << word(QT_TRANSLATE_NOOP("SchedulePage", "Result"));
    QString html = QStringLiteral("<table id='games'>") + headings(names);
    for (const ScheduledGame &game : schedule.games()) {
        html += game.isDone() ? QStringLiteral("<tr class='done'>") : QStringLiteral("<tr>");
        html += cell(game.time.toString(QStringLiteral("HH:mm"))) + cell(game.court) +
                cell(game.home) + cell(game.guest) + QStringLiteral("<td>") +
                word.sport(game.preset) + QStringLiteral("</td>");
        if (schedule.hasGroups())
            html += cell(game.group);
        html += game.isDone()
                    ? resultCell(game.match)
                    : QStringLiteral("<td>") + word(QT_TRANSLATE_NOOP("SchedulePage", "to play")) +
                          QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString standingsTable(const Schedule &schedule, const QString &group, const ScheduleWords &word)
{
    const bool sets = schedule.playsInSets(group);
    QString html =
        QStringLiteral("<h2>%1</h2><table class='standings'>")
            .arg(word(QT_TRANSLATE_NOOP("SchedulePage", "Group %1")).arg(group.toHtmlEscaped()));
    QStringList names = {word(QT_TRANSLATE_NOOP("SchedulePage", "Team")),
                         word(QT_TRANSLATE_NOOP("SchedulePage", "Played")),
                         word(QT_TRANSLATE_NOOP("SchedulePage", "Won"))};
    if (!sets)
        names << word(QT_TRANSLATE_NOOP("SchedulePage", "Drawn"));
    names << word(QT_TRANSLATE_NOOP("SchedulePage", "Lost"));
    if (sets)
        names << word(QT_TRANSLATE_NOOP("SchedulePage", "Sets"))
              << word(QT_TRANSLATE_NOOP("SchedulePage", "Set points"));
    else
        names << word(QT_TRANSLATE_NOOP("SchedulePage", "Scored"))
              << word(QT_TRANSLATE_NOOP("SchedulePage", "Difference"));
    names << word(QT_TRANSLATE_NOOP("SchedulePage", "Points"));
    html += headings(names);
    for (const Standing &team : schedule.standings(group)) {
        html += QStringLiteral("<tr>") + cell(team.team);
        for (const int n : {team.played, team.won})
            html += cell(QString::number(n));
        if (!sets)
            html += cell(QString::number(team.drawn));
        html += cell(QString::number(team.lost));
        if (sets)
            html += cell(QStringLiteral("%1 : %2").arg(team.setsWon).arg(team.setsLost));
        html += cell(QStringLiteral("%1 : %2").arg(team.scored).arg(team.conceded));
        if (!sets)
            html += cell(team.difference() == 0 ? QStringLiteral("0")
                                                : QString::asprintf("%+d", team.difference()));
        html += cell(QString::number(team.points)) + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QByteArray schedulePage(const Schedule &schedule, const QString &language)
{
    const ScheduleWords word(language);
    // In the lobby page's style, to be read on the same screen.
    QString html =
        QStringLiteral("<!DOCTYPE html><html lang='%1'><head><meta charset='utf-8'>"
                       "<meta name='viewport' content='width=device-width, initial-scale=1'>"
                       "<meta http-equiv='refresh' content='%2'><title>%3</title>"
                       "<link rel='stylesheet' href='/hall.css'></head><body class='schedule'>")
            .arg(language.isEmpty() ? QStringLiteral("en") : language)
            .arg(SchedulePageRefreshSeconds)
            .arg(word(QT_TRANSLATE_NOOP("SchedulePage", "Corvella: the day's games")));
    html += QStringLiteral("<header><h1>%1</h1><a href='/hall'>%2</a>"
                           "<a href='/hall/results'>%3</a></header><main>")
                .arg(word(QT_TRANSLATE_NOOP("SchedulePage", "The day's games")),
                     word(QT_TRANSLATE_NOOP("SchedulePage", "All courts")),
                     word(QT_TRANSLATE_NOOP("SchedulePage", "Results")));
    if (schedule.games().isEmpty())
        html += QStringLiteral("<p>%1</p>")
                    .arg(word(QT_TRANSLATE_NOOP("SchedulePage", "No games are scheduled.")));
    else
        html += gamesTable(schedule, word);
    for (const QString &group : schedule.groups())
        html += standingsTable(schedule, group, word);
    return (html + QStringLiteral("</main></body></html>")).toUtf8();
}
