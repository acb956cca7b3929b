#include "game/scoreflowchart.h"

#include "game/clockface.h"
#include "game/gamerecord.h"
#include "game/recordsheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

namespace {

const QColor BandGrey(0xe4, 0xe4, 0xe4);
const QColor GridGrey(0x99, 0x99, 0x99);

// The sheet reads to the second: the board's text without its tenth.
QString secondsText(qint64 ms)
{
    return ClockFace::textOfMs(ms).chopped(2);
}

// The largest margin drawn: five points at least, past that in steps of
// ten, so that half of it is a whole number too.
int marginScale(const QList<FlowPoint> &points)
{
    int largest = 0;
    for (const FlowPoint &point : points)
        largest = std::max(largest, std::abs(point.margin()));
    return largest <= 5 ? 5 : (largest + 9) / 10 * 10;
}

QFont chartFont(qreal size, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    // In the painter's units, whatever the device's resolution.
    font.setPixelSize(std::max(1, qRound(size)));
    font.setBold(bold);
    return font;
}

// A style attribute's declarations ("fill:#fff; stroke:none") as the
// presentation attributes SVG has for them.
QXmlStreamAttributes styleAsAttributes(QStringView style)
{
    QXmlStreamAttributes attributes;
    for (const QStringView declaration : style.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype colon = declaration.indexOf(u':');
        if (colon <= 0)
            continue;
        attributes.append(declaration.left(colon).trimmed().toString(),
                          declaration.mid(colon + 1).trimmed().toString());
    }
    return attributes;
}

} // namespace

ScoreFlowChart::Words ScoreFlowChart::programWords()
{
    return [](const char *context, const char *text) {
        return QCoreApplication::translate(context, text);
    };
}

ScoreFlowChart::ScoreFlowChart(const GameFigures &figures, QString home, QString guest, int periods,
                               Words words)
    : m_figures(figures), m_home(std::move(home)), m_guest(std::move(guest)), m_periods(periods),
      m_words(std::move(words))
{
}

QList<int> ScoreFlowChart::charts() const
{
    if (!m_figures.isSets())
        return {0};
    QList<int> sets;
    for (const PeriodFigures &set : m_figures.periods())
        sets << set.period;
    return sets;
}

QString ScoreFlowChart::periodLabel(int period) const
{
    if (m_figures.isSets())
        return word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Set %1")).arg(period);
    if (m_periods > 0 && period > m_periods)
        return word(QT_TRANSLATE_NOOP("ScoreFlowChart", "OT%1")).arg(period - m_periods);
    return word(QT_TRANSLATE_NOOP("ScoreFlowChart", "P%1")).arg(period);
}

QString ScoreFlowChart::title(int part) const
{
    return part == 0 ? word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Score flow"))
                     : word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Score flow, set %1")).arg(part);
}

QString ScoreFlowChart::momentText(const FlowMoment &at) const
{
    // A set's clock is the match's: the set says when well enough.
    return m_figures.isSets() ? periodLabel(at.period)
                              : periodLabel(at.period) + u' ' + secondsText(at.clockMs);
}

QList<ScoreFlowChart::FigureRow> ScoreFlowChart::figureRows() const
{
    std::array<TeamFigures, 2> teams{m_figures.team(0), m_figures.team(1)};
    QList<FigureRow> rows{{word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Lead changes")),
                           {QString::number(m_figures.leadChanges())}},
                          {word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Times tied")),
                           {QString::number(m_figures.timesTied())}}};
    FigureRow lead{word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Largest lead")), {}};
    FigureRow run{word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Longest run")), {}};
    FigureRow leading{word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Time leading")), {}};
    for (const TeamFigures &t : teams) {
        lead.values << (t.largestLead == 0 ? QStringLiteral("\u2013")
                                           : QStringLiteral("%1 (%2)")
                                                 .arg(t.largestLead)
                                                 .arg(momentText(t.largestLeadAt)));
        const QString from = momentText(t.longestRunFrom);
        const QString to = t.longestRunTo.period == t.longestRunFrom.period && !m_figures.isSets()
                               ? secondsText(t.longestRunTo.clockMs)
                               : momentText(t.longestRunTo);
        run.values << (t.longestRun == 0 ? QStringLiteral("\u2013")
                       : t.longestRunFrom == t.longestRunTo
                           ? QStringLiteral("%1 (%2)").arg(t.longestRun).arg(from)
                           : QStringLiteral("%1 (%2\u2013%3)").arg(t.longestRun).arg(from, to));
        leading.values << secondsText(t.leadingMs);
    }
    rows << lead << run;
    // A match without a clock has no time to tell.
    if (m_figures.playedMs() > 0)
        rows << leading;
    return rows;
}

void ScoreFlowChart::paint(QPainter &painter, const QRectF &box, int part, qreal fontSize) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = chartFont(fontSize);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const qreal line = metrics.height() * 1.25;

    // A whole game runs over the time played; a set, or a game whose clock
    // never ran, over the points as they came, the last standing for one.
    QList<FlowPoint> points = part == 0 ? m_figures.flow() : m_figures.flowOf(part);
    if (part == 0)
        points.prepend(FlowPoint{});
    const bool overTime = part == 0 && m_figures.playedMs() > 0;
    const qreal total = overTime ? qreal(std::max(m_figures.playedMs(), points.last().playedMs))
                                 : qreal(std::max<qsizetype>(1, points.size()));
    const auto along = [&](qsizetype i) {
        return overTime ? qreal(points.at(i).playedMs) : qreal(i);
    };
    const int scale = marginScale(points);

    const qreal axis = metrics.horizontalAdvance(QStringLiteral("+00")) + fontSize * 0.5;
    const QRectF plot(box.left() + axis, box.top() + line, box.width() - axis - 1,
                      box.height() - 2 * line);
    const auto x = [&](qreal v) { return plot.left() + v / total * plot.width(); };
    const auto y = [&](int margin) {
        return plot.center().y() - margin * plot.height() / 2 / scale;
    };

    // The periods in turn on grey and white, each named above its band.
    painter.setPen(Qt::black);
    if (overTime) {
        const QList<PeriodFigures> periods = m_figures.periods();
        for (qsizetype i = 0; i < periods.size(); ++i) {
            const PeriodFigures &p = periods.at(i);
            const QRectF band(
                QPointF(x(qreal(p.fromMs)), plot.top()),
                QPointF(x(qreal(std::min<qint64>(p.toMs, qint64(total)))), plot.bottom()));
            if (i % 2 == 1)
                painter.fillRect(band, BandGrey);
            const QString label = metrics.elidedText(periodLabel(p.period), Qt::ElideRight,
                                                     std::max<qreal>(band.width(), 0));
            painter.drawText(QRectF(band.left(), box.top(), band.width(), line), Qt::AlignCenter,
                             label);
        }
    } else {
        painter.drawText(QRectF(plot.left(), box.top(), plot.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, title(part));
    }

    // The scale at the left, faint lines across at half of it.
    for (const int margin : {scale, scale / 2, 0, -scale / 2, -scale}) {
        const QString text = margin > 0   ? u'+' + QString::number(margin)
                             : margin < 0 ? u'\u2212' + QString::number(-margin)
                                          : QStringLiteral("0");
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.left(), y(margin) - line / 2, axis - fontSize * 0.3, line),
                         Qt::AlignRight | Qt::AlignVCenter, text);
        if (margin != 0 && std::abs(margin) != scale) {
            painter.setPen(QPen(GridGrey, fontSize / 16, Qt::DotLine));
            painter.drawLine(QPointF(plot.left(), y(margin)), QPointF(plot.right(), y(margin)));
        }
    }
    painter.setPen(QPen(Qt::black, fontSize / 16));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.setPen(QPen(Qt::black, fontSize / 12, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));

    // Which side of the middle line is whose, in words.
    painter.setPen(Qt::black);
    const qreal inset = fontSize * 0.4;
    const QRectF label(plot.left() + inset, plot.top() + inset / 2, plot.width() / 2, line);
    painter.drawText(
        label, Qt::AlignLeft | Qt::AlignTop,
        metrics.elidedText(word(QT_TRANSLATE_NOOP("ScoreFlowChart", "%1 ahead")).arg(m_home),
                           Qt::ElideRight, label.width()));
    painter.drawText(
        label.translated(0, plot.height() - line - inset), Qt::AlignLeft | Qt::AlignTop,
        metrics.elidedText(word(QT_TRANSLATE_NOOP("ScoreFlowChart", "%1 ahead")).arg(m_guest),
                           Qt::ElideRight, label.width()));

    // A margin holds until the next score: the line steps.
    QPainterPath path(QPointF(x(along(0)), y(points.first().margin())));
    for (qsizetype i = 1; i < points.size(); ++i) {
        path.lineTo(x(along(i)), y(points.at(i - 1).margin()));
        path.lineTo(x(along(i)), y(points.at(i).margin()));
    }
    path.lineTo(x(total), y(points.last().margin()));
    painter.setPen(QPen(Qt::black, fontSize / 7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(path);

    // Each lead change ringed where the other team took the lead.
    const qreal ring = fontSize / 3;
    painter.setPen(QPen(Qt::black, fontSize / 10));
    painter.setBrush(Qt::white);
    int leader = 0;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const int margin = points.at(i).margin();
        const int sign = (margin > 0) - (margin < 0);
        if (sign != 0 && leader != 0 && sign != leader)
            painter.drawEllipse(QPointF(x(along(i)), y(margin)), ring, ring);
        if (sign != 0)
            leader = sign;
    }

    // The key below: the ring, and what runs across.
    const qreal keyY = plot.bottom();
    painter.drawEllipse(QPointF(plot.left() + ring + 1, keyY + line / 2), ring, ring);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(plot.left() + 2 * ring + inset, keyY, plot.width() / 2, line),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Lead change")));
    painter.drawText(QRectF(plot.center().x(), keyY, plot.width() / 2, line),
                     Qt::AlignRight | Qt::AlignVCenter,
                     overTime ? word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Time played"))
                              : word(QT_TRANSLATE_NOOP("ScoreFlowChart", "Points played")));
    painter.restore();
}

QByteArray ScoreFlowChart::svg(int part, QSizeF size, qreal fontSize) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    generator.setTitle(title(part));
    QPainter painter(&generator);
    paint(painter, QRectF(QPointF(0, 0), size), part, fontSize);
    painter.end();
    return inlineSvg(buffer.data(), size, title(part));
}

QByteArray scoreFlowFigures(const QString &path, ScoreFlowChart::Words words)
{
    GameLogReader reader;
    if (!reader.open(path))
        return {};
    GameFigures figures;
    while (const std::optional<GameLogEntry> e = reader.next())
        figures.add(*e);
    if (figures.flow().isEmpty())
        return {};
    const RecordSheet sheet(reader.header(), QLocale(), words);
    const ScoreFlowChart chart(figures, sheet.home(), sheet.guest(), reader.header().periods,
                               std::move(words));
    QByteArray html;
    for (const int part : chart.charts())
        html += "<figure class=\"flow\">" + chart.svg(part) + "</figure>";
    return html;
}

QByteArray inlineSvg(const QByteArray &svg, QSizeF size, const QString &label)
{
    QXmlStreamReader in(svg);
    in.setNamespaceProcessing(false);
    QByteArray out;
    QXmlStreamWriter writer(&out);
    bool root = true;
    while (!in.atEnd()) {
        switch (in.readNext()) {
        case QXmlStreamReader::StartElement: {
            writer.writeStartElement(in.qualifiedName().toString());
            QXmlStreamAttributes attributes;
            QXmlStreamAttributes styled;
            for (const QXmlStreamAttribute &a : in.attributes()) {
                const QStringView name = a.qualifiedName();
                if (name == u"style")
                    styled = styleAsAttributes(a.value());
                // In pixels, where the generator gives millimetres.
                else if (!(root && (name == u"width" || name == u"height")))
                    attributes.append(a.qualifiedName().toString(), a.value().toString());
            }
            for (const QXmlStreamAttribute &a : std::as_const(styled))
                if (!attributes.hasAttribute(a.qualifiedName().toString()))
                    attributes.append(a);
            if (root) {
                attributes.append(QStringLiteral("width"), QString::number(size.width()));
                attributes.append(QStringLiteral("height"), QString::number(size.height()));
                attributes.append(QStringLiteral("role"), QStringLiteral("img"));
                attributes.append(QStringLiteral("aria-label"), label);
                root = false;
            }
            writer.writeAttributes(attributes);
            break;
        }
        case QXmlStreamReader::EndElement:
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (!in.isWhitespace())
                writer.writeCharacters(in.text().toString());
            break;
        default:
            break;
        }
    }
    if (in.hasError())
        return {};
    return out;
}
