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
                    ? cell(QStringLiteral("%1 : %2").arg(*game.homeScore).arg(*game.guestScore))
                    : QStringLiteral("<td>") + word(QT_TRANSLATE_NOOP("SchedulePage", "to play")) +
                          QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString standingsTable(const Schedule &schedule, const QString &group, const ScheduleWords &word)
{
    QString html =
        QStringLiteral("<h2>%1</h2><table class='standings'>")
            .arg(word(QT_TRANSLATE_NOOP("SchedulePage", "Group %1")).arg(group.toHtmlEscaped()));
    html += headings({word(QT_TRANSLATE_NOOP("SchedulePage", "Team")),
                      word(QT_TRANSLATE_NOOP("SchedulePage", "Played")),
                      word(QT_TRANSLATE_NOOP("SchedulePage", "Won")),
                      word(QT_TRANSLATE_NOOP("SchedulePage", "Drawn")),
                      word(QT_TRANSLATE_NOOP("SchedulePage", "Lost")),
                      word(QT_TRANSLATE_NOOP("SchedulePage", "Scored")),
                      word(QT_TRANSLATE_NOOP("SchedulePage", "Difference")),
                      word(QT_TRANSLATE_NOOP("SchedulePage", "Points"))});
    for (const Standing &team : schedule.standings(group)) {
        html += QStringLiteral("<tr>") + cell(team.team);
        for (const int n : {team.played, team.won, team.drawn, team.lost})
            html += cell(QString::number(n));
        html += cell(QStringLiteral("%1 : %2").arg(team.scored).arg(team.conceded)) +
                cell(team.difference() == 0 ? QStringLiteral("0")
                                            : QString::asprintf("%+d", team.difference())) +
                cell(QString::number(team.points)) + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QByteArray schedulePage(const Schedule &schedule, const QString &language)
{
    const ScheduleWords word(language);
    QString html =
        QStringLiteral("<!DOCTYPE html><html lang='%1'><head><meta charset='utf-8'>"
                       "<meta http-equiv='refresh' content='%2'><title>%3</title></head><body>")
            .arg(language.isEmpty() ? QStringLiteral("en") : language)
            .arg(SchedulePageRefreshSeconds)
            .arg(word(QT_TRANSLATE_NOOP("SchedulePage", "Corvella: the day's games")));
    html += QStringLiteral("<h1>%1</h1>")
                .arg(word(QT_TRANSLATE_NOOP("SchedulePage", "The day's games")));
    if (schedule.games().isEmpty())
        html += QStringLiteral("<p>%1</p>")
                    .arg(word(QT_TRANSLATE_NOOP("SchedulePage", "No games are scheduled.")));
    else
        html += gamesTable(schedule, word);
    for (const QString &group : schedule.groups())
        html += standingsTable(schedule, group, word);
    return (html + QStringLiteral("</body></html>")).toUtf8();
}
