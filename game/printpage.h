#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>

#include <functional>

class QPdfWriter;

// One page after the other of a printed PDF, laid out in points from the top
// left corner of the printable area, whatever the writer's resolution.
class PrintPage
{
public:
    explicit PrintPage(QPdfWriter &writer);

    QRectF area() const { return m_area; }
    int number() const { return m_number; }
    void next();

    static QFont font(qreal points, bool bold = false);
    qreal width(const QFont &font, const QString &text) const;
    // The font at `points`, or smaller down to `least` where the text would
    // not fit `width` otherwise.
    QFont fitted(qreal points, qreal least, bool bold, const QString &text, qreal width) const;
    qreal height(const QFont &font) const;
    // The text in `box` (points), cut short with an ellipsis where it would
    // leave it.
    void text(const QRectF &box, int flags, const QFont &font, const QString &text);
    // The text in `color`, and around it `outline` where that is valid.
    void text(const QRectF &box, int flags, const QFont &font, const QString &text,
              const QColor &color, const QColor &outline);
    void fill(const QRectF &box, const QColor &color);
    void image(const QRectF &box, const QImage &image);
    void line(QPointF from, QPointF to, qreal width = 0.5);
    // What `paint` draws into a box of its own, one unit a point, from
    // (0, 0) to the box's size.
    void draw(const QRectF &box, const std::function<void(QPainter &, const QRectF &)> &paint);
    void rule(qreal y) { line({0, y}, {m_area.width(), y}, 0.75); }

private:
    QRectF device(const QRectF &box) const;

    QPdfWriter &m_writer;
    QPainter m_painter;
    qreal m_scale;
    QRectF m_area;
    int m_number = 1;
};
