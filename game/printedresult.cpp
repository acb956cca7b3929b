#include "game/printedresult.h"

#include "game/clockface.h"
#include "game/gamemodel.h"
#include "game/gamestructure.h"
#include "game/printpage.h"
#include "game/printtable.h"
#include "game/recordsheet.h"
#include "game/scoreflowchart.h"
#include "game/sectioncaptions.h"
#include "teams/contrast.h"
#include "teams/teamlogo.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QPdfWriter>

namespace {

// Gives the printed result's texts their translation context.
class ResultText
{
    Q_DECLARE_TR_FUNCTIONS(Export)
};

using Scores = GameTally::Scores;

// The sheet reads to the second: the board's text without its tenth.
QString clockText(qint64 ms)
{
    return ClockFace::textOfMs(ms).chopped(2);
}

QString periodName(int period, int periods)
{
    return period > periods ? ResultText::tr("OT%1").arg(period - periods)
                            : QString::number(period);
}

// A period beside a clock time: "P2", "OT1".
QString periodShort(int period, int periods)
{
    return period > periods ? periodName(period, periods) : ResultText::tr("P%1").arg(period);
}

// Section 1's points in each period: the change since the end of the one
// before.
std::optional<int> pointsIn(const QList<QPair<int, Scores>> &periods, qsizetype i, int which)
{
    const std::optional<int> now = periods.at(i).second.at(which);
    const std::optional<int> before = i > 0 ? periods.at(i - 1).second.at(which) : 0;
    if (!now || !before)
        return std::nullopt;
    return *now - *before;
}

constexpr qreal Gap = 14; // points between the parts of the sheet

// Around a team's name on its band, and between its logo and the name.
constexpr qreal BandPadding = 4;

// The tables of periods, sets and timeouts: the teams' names in a third of
// the page's width, the values sharing the rest.
constexpr qreal TableNameShare = 0.34;

} // namespace

PrintedResult::PrintedResult(const GameRecord &header)
    : m_header(header), m_sheet(header, QLocale()), m_tally(header.periods)
{
    m_header.entries.clear();
}

void PrintedResult::add(const GameLogEntry &e)
{
    m_tally.add(e);
    m_figures.add(e);
    if (e.setScore) {
        // An undone point that ended a set leaves the set's end behind it in
        // the log; the set ended again is the one that stands.
        const int set = e.beforePeriod;
        m_sets.resize(std::min<qsizetype>(m_sets.size(), set - 1));
        m_sets.append(*e.setScore);
        // The point that ended the set cleared the board's points with it:
        // it is listed with the set's last score, the winning point.
        if (m_lastChangeNumber == e.number - 1 && !m_changes.isEmpty()) {
            Scores won = e.after;
            won.at(GameModel::Home1) = (*e.setScore)[0];
            won.at(GameModel::Guest1) = (*e.setScore)[1];
            m_changes.last() = changeText(e, won);
        }
        return;
    }
    for (int i : {GameModel::Home2, GameModel::Guest2})
        m_sectionTwoUsed = m_sectionTwoUsed || e.after.at(i).value_or(0) > 0;
    // Fouls a new period clears are no score change, nor is a foul.
    const bool changed = m_header.fouls
                             ? e.before.at(GameModel::Home1) != e.after.at(GameModel::Home1) ||
                                   e.before.at(GameModel::Guest1) != e.after.at(GameModel::Guest1)
                             : e.before != e.after;
    if (!changed || e.kind == u"clock")
        return;
    m_changes << changeText(e, e.after);
    m_lastChangeNumber = e.number;
    if (m_changes.size() > MaxChangesShown) {
        m_changes.removeFirst();
        ++m_changesLeftOut;
    }
}

QString PrintedResult::changeText(const GameLogEntry &e, const Scores &scores) const
{
    QString change = RecordSheet::scorePair(scores, GameModel::Home1, GameModel::Guest1);
    if (m_sectionTwoUsed && !m_header.fouls)
        change += QStringLiteral(" / ") +
                  RecordSheet::scorePair(scores, GameModel::Home2, GameModel::Guest2);
    change = clockText(e.clockMs) + QStringLiteral("  ") + change;
    if (m_header.periods > 0)
        change = periodShort(e.period, m_header.periods) + u' ' + change;
    return change;
}

bool PrintedResult::sectionTwoShown() const
{
    return m_sectionTwoUsed || m_header.fouls;
}

void PrintedResult::print(QPdfWriter &writer) const
{
    PrintPage page(writer);
    qreal y = printTitle(page);
    y = printFinal(page, y);
    y = printPeriods(page, y);
    y = printSets(page, y);
    y = printFigures(page, y);
    y = printTimeouts(page, y);
    y = printBoxScore(page, y);
    y = printBlanks(page, y);
    y = printChart(page, y);
    printChanges(page, y);
}

qreal PrintedResult::printTitle(PrintPage &page) const
{
    const QString title = m_sheet.title();
    // Long names shrink the title down to a size still read at arm's length.
    const QFont titleFont = page.fitted(24, 14, true, title, page.area().width());
    page.text({0, 0, page.area().width(), page.height(titleFont)}, Qt::AlignLeft, titleFont, title);
    qreal y = page.height(titleFont) + 2;
    const QString when = m_sheet.started();
    const QFont small = PrintPage::font(11);
    page.text({0, y, page.area().width(), page.height(small)}, Qt::AlignLeft, small, when);
    y += page.height(small) + 4;
    page.rule(y);
    return y + Gap;
}

qreal PrintedResult::printFinal(PrintPage &page, qreal y) const
{
    const qreal width = page.area().width();
    const Scores final = m_tally.finalScores();
    const bool over = m_header.periods <= 0 || m_tally.finalPhase() == GamePhase::Final;
    // A match in sets under way has sets won so far, not a final score.
    const bool setsUnderWay = !m_sets.isEmpty() && m_tally.finalPhase() != GamePhase::Final;
    const QString label = setsUnderWay ? ResultText::tr("Sets won")
                          : over       ? ResultText::tr("Final score")
                                       : ResultText::tr("Score in period %1 at %2")
                                       .arg(periodName(m_tally.finalPeriod(), m_header.periods),
                                            clockText(m_tally.finalClockMs()));
    const QFont labelFont = PrintPage::font(12, true);
    page.text({0, y, width, page.height(labelFont)}, Qt::AlignHCenter, labelFont, label);
    y += page.height(labelFont) + 4;
    // The teams beside their own numbers, the score between them.
    const QFont big = PrintPage::font(44, true);
    const qreal scoreWidth = width * 0.36;
    const qreal side = (width - scoreWidth) / 2;
    // A library team's band and logo take some of its name's room.
    const bool bands = m_header.teams.at(0) || m_header.teams.at(1);
    const qreal bandRoom = bands ? page.height(PrintPage::font(14, true)) + 3 * BandPadding : 0;
    const QFont team = page.fitted(14, 9, true,
                                   m_sheet.home().size() > m_sheet.guest().size() ? m_sheet.home()
                                                                                  : m_sheet.guest(),
                                   side - 8 - bandRoom);
    const qreal bigHeight = page.height(big);
    const qreal teamTop = y + (bigHeight - page.height(team)) / 2;
    printSide(page, {0, teamTop, side - 8, page.height(team)}, Qt::AlignRight, team, m_sheet.home(),
              m_header.teams.at(0));
    // A match in sets is won by sets: the table below gives their points.
    const bool sets = !m_sets.isEmpty();
    page.text({side, y, scoreWidth, bigHeight}, Qt::AlignHCenter, big,
              sets ? RecordSheet::scorePair(final, GameModel::Home2, GameModel::Guest2)
                   : RecordSheet::scorePair(final, GameModel::Home1, GameModel::Guest1));
    printSide(page, {side + scoreWidth + 8, teamTop, side - 8, page.height(team)}, Qt::AlignLeft,
              team, m_sheet.guest(), m_header.teams.at(1));
    y += bigHeight;
    if (m_sectionTwoUsed && !m_header.fouls && !sets) {
        const QFont second = PrintPage::font(14);
        const QString caption = m_header.section2.trimmed().isEmpty()
                                    ? ResultText::tr("Section 2")
                                    : SectionCaptions::shown(m_header.section2);
        page.text({0, y, width, page.height(second)}, Qt::AlignHCenter, second,
                  caption + QStringLiteral("  ") +
                      RecordSheet::scorePair(final, GameModel::Home2, GameModel::Guest2));
        y += page.height(second);
    }
    return y + Gap;
}

// A side's name beside the final score; a library team's stands in its text
// colour on a band of its colour, its logo before it, towards the score for
// home and away from it for guest.
void PrintedResult::printSide(PrintPage &page, const QRectF &box, Qt::Alignment align,
                              const QFont &font, const QString &name,
                              const std::optional<Team> &team)
{
    if (!team) {
        page.text(box, align, font, name);
        return;
    }
    const qreal side = box.height();
    const QImage logo = TeamLogo::image(*team, QSize(256, 256));
    const qreal logoWidth = logo.isNull() ? 0 : side * logo.width() / logo.height();
    const qreal logoRoom = logo.isNull() ? 0 : logoWidth + BandPadding;
    const qreal nameWidth =
        std::min(page.width(font, name), box.width() - logoRoom - 2 * BandPadding);
    const qreal bandWidth = nameWidth + logoRoom + 2 * BandPadding;
    const qreal left = align & Qt::AlignRight ? box.right() - bandWidth : box.left();
    if (team->color.isValid())
        page.fill({left, box.top() - BandPadding / 2, bandWidth, side + BandPadding}, team->color);
    if (!logo.isNull())
        page.image({left + BandPadding, box.top(), logoWidth, side}, logo);
    const QColor text = team->textColor.isValid() ? team->textColor
                        : team->color.isValid()   ? outlineFor(team->color)
                                                  : QColor(Qt::black);
    const QColor outline =
        team->color.isValid() && needsOutline(text, team->color) ? outlineFor(text) : QColor();
    page.text({left + BandPadding + logoRoom, box.top(), nameWidth + 1, side}, Qt::AlignLeft, font,
              name, text, outline);
}

qreal PrintedResult::printPeriods(PrintPage &page, qreal y) const
{
    const QList<QPair<int, Scores>> &periods = m_tally.periodScores();
    if (periods.isEmpty())
        return y;
    PrintTable table(page, y,
                     tableColumns(0, page.area().width(), TableNameShare, periods.size() + 1),
                     {PrintPage::font(10, true), PrintPage::font(11), 3, Qt::AlignHCenter});
    QStringList names;
    for (const auto &[period, scores] : periods)
        names << periodName(period, m_header.periods);
    const QString section1 = m_header.section1.trimmed().isEmpty()
                                 ? ResultText::tr("Points")
                                 : SectionCaptions::shown(m_header.section1);
    table.head(section1, names << ResultText::tr("Total"));
    const Scores final = m_tally.finalScores();
    for (const auto &[which, name] : {std::pair{int(GameModel::Home1), m_sheet.home()},
                                      std::pair{int(GameModel::Guest1), m_sheet.guest()}}) {
        QStringList points;
        for (qsizetype i = 0; i < periods.size(); ++i)
            points << ClockFace::scoreText(pointsIn(periods, i, which));
        table.row(name, points << ClockFace::scoreText(final.at(which)));
    }
    if (sectionTwoShown()) {
        // Team fouls start again each period: each column is that period's.
        const QString section2 = m_header.fouls ? ResultText::tr("Team fouls")
                                 : m_header.section2.trimmed().isEmpty()
                                     ? ResultText::tr("Section 2")
                                     : SectionCaptions::shown(m_header.section2);
        table.head(section2);
        for (const auto &[which, name] : {std::pair{int(GameModel::Home2), m_sheet.home()},
                                          std::pair{int(GameModel::Guest2), m_sheet.guest()}}) {
            QStringList counts;
            for (const auto &[period, scores] : periods)
                counts << ClockFace::scoreText(scores.at(which));
            table.row(name, counts);
        }
    }
    return table.bottom() + Gap;
}

qreal PrintedResult::printSets(PrintPage &page, qreal y) const
{
    if (m_sets.isEmpty())
        return y;
    PrintTable table(page, y, tableColumns(0, page.area().width(), TableNameShare, m_sets.size()),
                     {PrintPage::font(10, true), PrintPage::font(11), 3, Qt::AlignHCenter});
    QStringList numbers;
    for (qsizetype i = 0; i < m_sets.size(); ++i)
        numbers << ResultText::tr("Set %1").arg(i + 1);
    table.head(ResultText::tr("Points per set"), numbers);
    for (const auto &[team, name] : {std::pair{0, m_sheet.home()}, std::pair{1, m_sheet.guest()}}) {
        QStringList points;
        for (const auto &set : m_sets)
            points << QString::number(set[team]);
        table.row(name, points);
    }
    return table.bottom() + Gap;
}

// A heading above a table of its own.
qreal PrintedResult::printHeading(PrintPage &page, qreal y, const QString &text)
{
    const QFont font = PrintPage::font(12, true);
    page.text({0, y, page.area().width(), page.height(font)}, Qt::AlignLeft, font, text);
    return y + page.height(font) + 4;
}

qreal PrintedResult::printTimeouts(PrintPage &page, qreal y) const
{
    const QList<GameLogEntry> &taken = m_tally.timeouts();
    if (taken.isEmpty())
        return y;
    const GameStructure structure(m_header.periods, {}, 0);
    const bool halves = m_header.periods >= 2;
    y = printHeading(page, y, ResultText::tr("Timeouts"));
    PrintTable table(page, y, tableColumns(0, page.area().width(), TableNameShare, halves ? 2 : 1),
                     {PrintPage::font(10, true), PrintPage::font(10), 3, Qt::AlignLeft});
    table.head(QString(), halves ? QStringList{ResultText::tr("First half"),
                                               ResultText::tr("Second half and overtime")}
                                 : QStringList{ResultText::tr("Game")});
    for (const QString &team : {QStringLiteral("home"), QStringLiteral("guest")}) {
        std::array<QStringList, 2> when;
        for (const GameLogEntry &e : taken)
            if (e.timeout == team)
                when.at(halves ? structure.halfOf(e.period) : 0)
                    << (m_header.periods > 0 ? periodShort(e.period, m_header.periods) + u' ' +
                                                   clockText(e.beforeClockMs)
                                             : clockText(e.beforeClockMs));
        QStringList cells;
        for (int half = 0; half < (halves ? 2 : 1); ++half)
            cells << (when.at(half).isEmpty() ? QStringLiteral("0")
                                              : QStringLiteral("%1 (%2)")
                                                    .arg(when.at(half).size())
                                                    .arg(when.at(half).join(QStringLiteral(", "))));
        table.row(team == u"home" ? m_sheet.home() : m_sheet.guest(), cells);
    }
    return table.bottom() + Gap;
}

// Per team, side by side: each player's points, fouls and penalties.
qreal PrintedResult::printBoxScore(PrintPage &page, qreal y) const
{
    if (m_figures.players() == PlayerTally{})
        return y;
    constexpr qreal Between = 12; // the two teams' tables
    const qreal tableWidth = (page.area().width() - Between) / 2;
    y = printHeading(page, y, ResultText::tr("Players"));
    qreal bottom = y;
    for (int team = 0; team < 2; ++team) {
        // Two narrow tables side by side, open at the top under the heading.
        PrintTable table(
            page, y, tableColumns(team * (tableWidth + Between), tableWidth, 0.5, 3),
            {PrintPage::font(9, true), PrintPage::font(9), 1.5, Qt::AlignRight, false});
        const std::optional<Team> &roster = m_header.teams.at(team);
        table.head(team == GameModel::Home ? m_sheet.home() : m_sheet.guest(),
                   {ResultText::tr("Pts"), ResultText::tr("Fouls"), ResultText::tr("Pen.")});
        const auto &lines = m_figures.players().teams.at(team);
        for (const QString &number : sortedNumbers(lines.keys())) {
            const PlayerLine line = lines.value(number);
            const Player *named = roster ? roster->player(number) : nullptr;
            table.row(QLatin1Char('#') + number + (named ? u' ' + named->name : QString()),
                      {QString::number(line.points), QString::number(line.fouls),
                       QString::number(line.penalties)});
        }
        bottom = std::max(bottom, table.bottom());
    }
    return bottom + Gap;
}

ScoreFlowChart PrintedResult::chart() const
{
    return ScoreFlowChart(m_figures, m_sheet.home(), m_sheet.guest(), m_header.periods,
                          [](const char *context, const char *text) {
                              return QCoreApplication::translate(context, text);
                          });
}

// How the game went, beside the teams: the leads, runs and ties, and the
// game time each led.
qreal PrintedResult::printFigures(PrintPage &page, qreal y) const
{
    if (m_figures.flow().isEmpty())
        return y;
    const QList<ScoreFlowChart::FigureRow> rows = chart().figureRows();
    PrintTable table(page, y, tableColumns(0, page.area().width(), TableNameShare, 2),
                     {PrintPage::font(10, true), PrintPage::font(10), 3, Qt::AlignHCenter});
    table.head(QString(), {m_sheet.home(), m_sheet.guest()});
    QStringList whole;
    for (const ScoreFlowChart::FigureRow &row : rows) {
        if (row.values.size() == 2)
            table.row(row.name, row.values);
        else
            whole << row.name + QStringLiteral(": ") + row.values.join(u' ');
    }
    y = table.bottom() + 4;
    const QFont font = PrintPage::font(10);
    page.text({0, y, page.area().width(), page.height(font)}, Qt::AlignLeft, font,
              whole.join(QStringLiteral("    ")));
    return y + page.height(font) + Gap;
}

// The score's flow as a figure of half a page (a small one a set), on the
// first page where the summary leaves room for it, else on top of the next.
// A game's one figure takes what is left of the page down to two thirds of
// its size, rather than a page of its own.
qreal PrintedResult::printChart(PrintPage &page, qreal y) const
{
    if (m_figures.flow().isEmpty())
        return y;
    const ScoreFlowChart flow = chart();
    const QList<int> parts = flow.charts();
    const qreal width = page.area().width();
    const int across = parts.size() > 1 ? 2 : 1;
    const qreal between = 12;
    const qreal chartWidth = (width - (across - 1) * between) / across;
    const QFont heading = PrintPage::font(12, true);
    const qreal headingHeight = page.height(heading) + 4;
    qreal chartHeight = 150;
    if (across == 1) {
        const qreal full = page.area().height() * 0.4;
        const qreal left = page.area().height() - y - headingHeight - between;
        chartHeight = left < full && left >= full * 2 / 3 ? left : full;
    }
    const qsizetype rows = (parts.size() + across - 1) / across;
    const qreal needed = headingHeight + rows * (chartHeight + between);
    if (y + needed > page.area().height()) {
        page.next();
        y = 0;
    }
    y = printHeading(page, y, ResultText::tr("Score flow"));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QRectF box(qreal(i % across) * (chartWidth + between),
                         y + qreal(i / across) * (chartHeight + between), chartWidth, chartHeight);
        page.draw(box, [&](QPainter &painter, const QRectF &area) {
            flow.paint(painter, area, parts.at(i), 9);
        });
    }
    return y + rows * (chartHeight + between) + Gap;
}

qreal PrintedResult::printBlanks(PrintPage &page, qreal y) const
{
    // Filled in by hand at the table.
    const qreal width = page.area().width();
    const QFont label = PrintPage::font(10);
    const qreal row = 26;
    const qreal half = width / 2;
    const auto blank = [&](qreal x, qreal w, const QString &name) {
        const qreal nameWidth = page.width(label, name) + 6;
        page.text({x, y + row - page.height(label) - 2, w, page.height(label)}, Qt::AlignLeft,
                  label, name);
        page.line({x + nameWidth, y + row - 3}, {x + w - 12, y + row - 3});
    };
    blank(0, half, ResultText::tr("Game number"));
    blank(half, half, ResultText::tr("Venue"));
    y += row;
    blank(0, width, ResultText::tr("Referees"));
    y += row;
    blank(0, half, ResultText::tr("Scorer"));
    blank(half, half, ResultText::tr("Scorer's signature"));
    y += row;
    return y + Gap;
}

void PrintedResult::printChanges(PrintPage &page, qreal y) const
{
    const qreal width = page.area().width();
    const QFont heading = PrintPage::font(12, true);
    const QFont small = PrintPage::font(8);
    const qreal line = page.height(small) + 1;
    const int columns = 4;
    const qreal columnWidth = width / columns;
    const auto headingHeight = page.height(heading) + 4;
    // The heading never stands alone at the foot of a page.
    if (y + headingHeight + 3 * line > page.area().height()) {
        page.next();
        y = 0;
    }
    page.text({0, y, width, page.height(heading)}, Qt::AlignLeft, heading,
              ResultText::tr("Score changes"));
    y += headingHeight;
    QStringList lines;
    if (m_changesLeftOut > 0)
        lines << ResultText::tr("(%1 earlier changes not shown)").arg(m_changesLeftOut);
    lines += m_changes;
    if (m_damagedLines > 0)
        lines << ResultText::tr("Damaged lines of the log left out: %1").arg(m_damagedLines);
    // Down each column, then across, then on to the next page.
    qreal top = y;
    int column = 0;
    qreal at = top;
    for (const QString &text : std::as_const(lines)) {
        if (at + line > page.area().height()) {
            if (++column == columns) {
                page.next();
                column = 0;
                top = 0;
            }
            at = top;
        }
        page.text({column * columnWidth, at, columnWidth - 6, line}, Qt::AlignLeft, small, text);
        at += line;
    }
}

QPageSize localPageSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

bool writeResultPdf(const PrintedResult &result, const GameRecord &header, const QPageSize &page,
                    QIODevice &out)
{
    QPdfWriter writer(&out);
    writer.setPageSize(page);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(header.home + QStringLiteral(" - ") + header.guest);
    writer.setCreator(QStringLiteral("Corvella"));
    result.print(writer);
    return true;
}

QByteArray gamePdf(const GameRecord &record, const QPageSize &page)
{
    PrintedResult result(record);
    for (const GameLogEntry &e : record.entries)
        result.add(e);
    result.setDamagedLines(record.damagedLines);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeResultPdf(result, record, page, buffer);
    buffer.close();
    return buffer.data();
}
