#include "app/export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>

namespace {

// Gives the exported report's texts their translation context.
class ExportText
{
    Q_DECLARE_TR_FUNCTIONS(Export)
};

using Scores = std::array<std::optional<int>, 4>;

QString scorePair(const Scores &scores, int home, int guest)
{
    const auto text = [](std::optional<int> s) -> QString {
        return s ? QString::number(*s) : QStringLiteral("-");
    };
    return QStringLiteral("%1 : %2").arg(text(scores.at(home)), text(scores.at(guest)));
}

QString clockText(qint64 ms)
{
    const qint64 tenths = ms / 100;
    return QStringLiteral("%1:%2").arg(tenths / 600).arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'));
}

QString orDefault(const QString &caption, const QString &fallback)
{
    return caption.trimmed().isEmpty() ? fallback : caption.toHtmlEscaped();
}

bool sectionTwoUsed(const GameRecord &record)
{
    for (const GameLogEntry &e : record.entries)
        if (e.after.at(GameModel::Home2).value_or(0) > 0 ||
            e.after.at(GameModel::Guest2).value_or(0) > 0)
            return true;
    return false;
}

QString resultHtml(const GameRecord &record, int timelineShown)
{
    const QString home = orDefault(record.home, ExportText::tr("Home"));
    const QString guest = orDefault(record.guest, ExportText::tr("Guest"));
    const bool two = sectionTwoUsed(record);
    const Scores final = record.finalScores();
    const QString started =
        QLocale::system().toString(record.started.toLocalTime(), QLocale::LongFormat);
    QString html = QStringLiteral("<h1>%1 &ndash; %2</h1><p>%3</p>").arg(home, guest, started);
    html += QStringLiteral("<table border='1' cellpadding='6' cellspacing='0'><tr><th></th>"
                           "<th>%1</th>%2</tr>")
                .arg(orDefault(record.section1, ExportText::tr("Score")),
                     two ? QStringLiteral("<th>%1</th>")
                               .arg(orDefault(record.section2, ExportText::tr("Section 2")))
                         : QString());
    html += QStringLiteral("<tr><td><b>%1</b></td><td><b>%2</b></td>%3</tr>")
                .arg(ExportText::tr("Final"), scorePair(final, GameModel::Home1, GameModel::Guest1),
                     two ? QStringLiteral("<td><b>%1</b></td>")
                               .arg(scorePair(final, GameModel::Home2, GameModel::Guest2))
                         : QString());
    for (const auto &[period, scores] : record.periodScores())
        html += QStringLiteral("<tr><td>%1</td><td>%2</td>%3</tr>")
                    .arg(ExportText::tr("Period %1").arg(period),
                         scorePair(scores, GameModel::Home1, GameModel::Guest1),
                         two ? QStringLiteral("<td>%1</td>")
                                   .arg(scorePair(scores, GameModel::Home2, GameModel::Guest2))
                             : QString());
    html += QStringLiteral("</table>");
    const QList<GameLogEntry> timeouts = record.timeouts();
    if (!timeouts.isEmpty()) {
        QStringList taken;
        for (const GameLogEntry &e : timeouts)
            taken << QStringLiteral("%1 %2%3").arg(
                e.timeout == u"home" ? home : guest,
                record.periods > 0 ? QStringLiteral("P%1 ").arg(e.period) : QString(),
                clockText(e.beforeClockMs));
        html += QStringLiteral("<h2>%1</h2><p>%2</p>")
                    .arg(ExportText::tr("Timeouts"), taken.join(QStringLiteral(" &middot; ")));
    }
    html +=
        QStringLiteral("<h2>%1</h2><p style='font-size:8pt'>").arg(ExportText::tr("Score changes"));
    QStringList changes;
    for (const GameLogEntry &e : record.entries) {
        // Fouls a new period clears are no score change.
        if (e.before == e.after || e.kind == u"clock")
            continue;
        QString change =
            clockText(e.clockMs) + u' ' + scorePair(e.after, GameModel::Home1, GameModel::Guest1);
        if (two)
            change +=
                QStringLiteral(" / ") + scorePair(e.after, GameModel::Home2, GameModel::Guest2);
        if (record.periods > 0)
            change = QStringLiteral("P%1 ").arg(e.period) + change;
        changes << change;
    }
    const qsizetype hidden = changes.size() - timelineShown;
    if (hidden > 0)
        changes = changes.mid(hidden);
    if (hidden > 0)
        html += ExportText::tr("(%1 earlier changes not shown) ").arg(hidden);
    html += changes.join(QStringLiteral(" &middot; ")) + QStringLiteral("</p>");
    if (record.damagedLines > 0)
        html += QStringLiteral("<p><i>%1</i></p>")
                    .arg(ExportText::tr("Damaged lines of the log left out: %1")
                             .arg(record.damagedLines));
    return html;
}

} // namespace

QPageSize localPageSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

QByteArray gamePdf(const GameRecord &record, const QPageSize &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(page);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(record.home + QStringLiteral(" - ") + record.guest);
    writer.setCreator(QStringLiteral("Corvella"));
    QTextDocument document;
    document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
    // One page: the oldest score changes give way first.
    int shown = int(record.entries.size());
    document.setHtml(resultHtml(record, shown));
    while (document.pageCount() > 1 && shown > 0) {
        shown = shown > 400 ? shown / 2 : shown - 40;
        document.setHtml(resultHtml(record, std::max(shown, 0)));
    }
    document.print(&writer);
    buffer.close();
    return buffer.data();
}

QString exportGame(const GameRecord &record, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1StringView("csv"))
        bytes = record.toCsv();
    else if (suffix == QLatin1StringView("json"))
        bytes = record.toJson();
    else if (suffix == QLatin1StringView("pdf"))
        bytes = gamePdf(record);
    else
        return ExportText::tr("cannot tell the format of %1: name it .csv, .json or .pdf")
            .arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return ExportText::tr("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

int runExport(const QString &file, const QString &log, const QString &folder)
{
    const QString path = log.isEmpty() ? GameLog::newestLog(folder) : log;
    if (path.isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(
                ExportText::tr("corvella: no game has been recorded in %1 yet").arg(folder)));
        return 1;
    }
    QString why;
    const std::optional<GameRecord> record = GameLog::read(path, &why);
    if (!record) {
        std::fprintf(stderr, "corvella: %s\n", qPrintable(why));
        return 1;
    }
    why = exportGame(*record, file);
    if (!why.isEmpty()) {
        std::fprintf(stderr, "corvella: %s\n", qPrintable(why));
        return 1;
    }
    return 0;
}
