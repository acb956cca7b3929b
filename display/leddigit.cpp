#include "display/leddigit.h"

#include "display/keyascii.h"
#include "display/twips.h"
#include "settings/bgrcolor.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

// The digit is drawn in a logical box of this size; it matches the proportions
// of the digit area that the digit size gives (895 x 1435 twips at 120).
constexpr double LogicalWidth = 100.0;
constexpr double LogicalHeight = 160.0;
constexpr double Thickness = 15.0;
constexpr double Gap = 1.6;

constexpr double DigitWidthPerSize = 895.0 / 120.0;
constexpr double DigitHeightPerSize = 1435.0 / 120.0;

enum Segment { A, B, C, D, E, F, G, SegmentCount };

// Which segments each numeral lights: top, upper right, lower right, bottom,
// lower left, upper left, middle.
constexpr std::array<std::array<bool, SegmentCount>, 10> litSegments = {{
    {true, true, true, true, true, true, false},     // 0
    {false, true, true, false, false, false, false}, // 1
    {true, true, false, true, true, false, true},    // 2
    {true, true, true, true, false, false, true},    // 3
    {false, true, true, false, false, true, true},   // 4
    {true, false, true, true, false, true, true},    // 5
    {true, false, true, true, true, true, true},     // 6
    {true, true, true, false, false, false, false},  // 7
    {true, true, true, true, true, true, true},      // 8
    {true, true, true, true, false, true, true},     // 9
}};

QPolygonF horizontalSegment(double y, double x0, double x1)
{
    const double h = Thickness / 2;
    return QPolygonF(
        {{x0, y}, {x0 + h, y - h}, {x1 - h, y - h}, {x1, y}, {x1 - h, y + h}, {x0 + h, y + h}});
}

QPolygonF verticalSegment(double x, double y0, double y1)
{
    const double h = Thickness / 2;
    return QPolygonF(
        {{x, y0}, {x + h, y0 + h}, {x + h, y1 - h}, {x, y1}, {x - h, y1 - h}, {x - h, y0 + h}});
}

const std::array<QPolygonF, SegmentCount> &segmentShapes()
{
    static const std::array<QPolygonF, SegmentCount> shapes = [] {
        const double h = Thickness / 2;
        const double left = h, right = LogicalWidth - h;
        const double top = h, middle = LogicalHeight / 2, bottom = LogicalHeight - h;
        return std::array<QPolygonF, SegmentCount>{
            horizontalSegment(top, left + Gap, right - Gap),
            verticalSegment(right, top + Gap, middle - Gap),
            verticalSegment(right, middle + Gap, bottom - Gap),
            horizontalSegment(bottom, left + Gap, right - Gap),
            verticalSegment(left, middle + Gap, bottom - Gap),
            verticalSegment(left, top + Gap, middle - Gap),
            horizontalSegment(middle, left + Gap, right - Gap),
        };
    }();
    return shapes;
}

} // namespace

LedDigit::LedDigit(int index, QWidget *parent) : QWidget(parent), m_index(index)
{
    setFocusPolicy(Qt::StrongFocus);
    fitToSize();
}

void LedDigit::setCaption(int digit)
{
    const int shown = (digit >= 0 && digit <= 9) ? digit : Blank;
    if (shown == m_caption)
        return;
    m_caption = shown;
    update(digitArea().toRect());
}

void LedDigit::setCaption(const QString &digit)
{
    const bool numeral = digit.size() == 1 && digit.front().isDigit() && digit.front() <= u'9';
    setCaption(numeral ? digit.front().digitValue() : Blank);
}

void LedDigit::setColor(qint32 &slot, qint32 bgr)
{
    if (slot == bgr)
        return;
    slot = bgr;
    update(digitArea().toRect());
}

void LedDigit::setLitColor(qint32 bgr)
{
    setColor(m_lit, bgr);
}

void LedDigit::setUnlitColor(qint32 bgr)
{
    setColor(m_unlit, bgr);
}

void LedDigit::setBackColor(qint32 bgr)
{
    setColor(m_back, bgr);
}

void LedDigit::setDigitSize(double size)
{
    m_size = size;
    fitToSize();
}

void LedDigit::setBufferArea(double twips)
{
    m_bufferArea = twips;
    fitToSize();
}

double LedDigit::widthTwips(double size, double bufferArea)
{
    return 2 * bufferArea + size * DigitWidthPerSize;
}

double LedDigit::heightTwips(double size, double bufferArea)
{
    return 2 * bufferArea + size * DigitHeightPerSize;
}

QSize LedDigit::sizeHint() const
{
    return {twipsToPixels(widthTwips(m_size, m_bufferArea)),
            twipsToPixels(heightTwips(m_size, m_bufferArea))};
}

void LedDigit::fitToSize()
{
    // resize() repaints only when the extent really changes.
    resize(sizeHint());
}

QRectF LedDigit::digitArea() const
{
    // Whole pixels, so that repainting the area never touches a pixel that a
    // neighbour's box shares.
    const double margin = m_bufferArea / twipsPerPixel();
    const double left = std::ceil(margin);
    const double right = std::floor(width() - margin);
    const double bottom = std::floor(height() - margin);
    return {left, left, right - left, bottom - left};
}

void LedDigit::paintEvent(QPaintEvent *)
{
    // Only the digit's own area is painted: the margin round it belongs to the
    // panel below, so a neighbour whose margin overlaps this digit never
    // covers its segments.
    const QRectF area = digitArea();
    if (area.width() <= 0 || area.height() <= 0)
        return;

    QPainter painter(this);
    painter.fillRect(area, fromBgr(m_back));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / LogicalWidth, area.height() / LogicalHeight);
    painter.setPen(Qt::NoPen);

    const QColor lit = fromBgr(m_lit);
    const QColor unlit = fromBgr(m_unlit);
    const auto &shapes = segmentShapes();
    for (int s = 0; s < SegmentCount; ++s) {
        const bool on = m_caption != Blank && litSegments[m_caption][s];
        painter.setBrush(on ? lit : unlit);
        painter.drawPolygon(shapes[s]);
    }
}

void LedDigit::keyPressEvent(QKeyEvent *event)
{
    const int code = keyAscii(event);
    if (code == 0) {
        event->ignore(); // keys without a character belong to the window
        return;
    }
    emit keyTyped(m_index, code);
}
