#include "game/printpage.h"

#include <QFontMetricsF>
#include <QPdfWriter>

PrintPage::PrintPage(QPdfWriter &writer)
    : m_writer(writer), m_painter(&writer), m_scale(writer.resolution() / 72.0),
      m_area(QPointF(0, 0), writer.pageLayout().paintRect(QPageLayout::Point).size())
{
}

void PrintPage::next()
{
    m_writer.newPage();
    ++m_number;
}

QFont PrintPage::font(qreal points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

qreal PrintPage::width(const QFont &font, const QString &text) const
{
    return QFontMetricsF(font, &m_writer).horizontalAdvance(text) / m_scale;
}

QFont PrintPage::fitted(qreal points, qreal least, bool bold, const QString &text,
                        qreal width) const
{
    while (points > least && this->width(font(points, bold), text) > width)
        points -= 0.5;
    return font(points, bold);
}

qreal PrintPage::height(const QFont &font) const
{
    return QFontMetricsF(font, &m_writer).height() / m_scale;
}

void PrintPage::text(const QRectF &box, int flags, const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font, &m_writer);
    m_painter.setFont(font);
    m_painter.drawText(device(box), flags,
                       metrics.elidedText(text, Qt::ElideRight, box.width() * m_scale));
}

void PrintPage::text(const QRectF &box, int flags, const QFont &font, const QString &text,
                     const QColor &color, const QColor &outline)
{
    const QFontMetricsF metrics(font, &m_writer);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, box.width() * m_scale);
    m_painter.setFont(font);
    if (outline.isValid()) {
        m_painter.setPen(outline);
        const qreal d = 0.6 * m_scale;
        for (const QPointF offset :
             {QPointF(-d, -d), QPointF(0, -d), QPointF(d, -d), QPointF(-d, 0), QPointF(d, 0),
              QPointF(-d, d), QPointF(0, d), QPointF(d, d)})
            m_painter.drawText(device(box).translated(offset), flags, shown);
    }
    m_painter.setPen(color);
    m_painter.drawText(device(box), flags, shown);
    m_painter.setPen(Qt::black);
}

void PrintPage::fill(const QRectF &box, const QColor &color)
{
    m_painter.fillRect(device(box), color);
}

void PrintPage::image(const QRectF &box, const QImage &image)
{
    m_painter.drawImage(device(box), image);
}

void PrintPage::line(QPointF from, QPointF to, qreal width)
{
    m_painter.setPen(QPen(Qt::black, width * m_scale));
    m_painter.drawLine(from * m_scale, to * m_scale);
}

void PrintPage::draw(const QRectF &box,
                     const std::function<void(QPainter &, const QRectF &)> &paint)
{
    m_painter.save();
    m_painter.translate(box.topLeft() * m_scale);
    m_painter.scale(m_scale, m_scale);
    paint(m_painter, QRectF(QPointF(0, 0), box.size()));
    m_painter.restore();
}

QRectF PrintPage::device(const QRectF &box) const
{
    return {box.topLeft() * m_scale, box.size() * m_scale};
}
