#include "display/layoutsnapshot.h"

#include "display/controls.h"
#include "display/leddigit.h"
#include "display/twips.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Rounds halves to even, as the snapshot has always stored its values.
qint32 toRecorded(double value)
{
    return static_cast<qint32>(std::nearbyint(value));
}

std::optional<ControlLayout> recordControl(QWidget *control)
{
    ControlLayout rec;
    if (const auto *led = qobject_cast<LedDigit *>(control)) {
        rec.bufferArea = toRecorded(led->bufferArea());
        rec.size = toRecorded(led->digitSize());
    } else if (qobject_cast<PictureBox *>(control) || qobject_cast<Label *>(control) ||
               qobject_cast<Shape *>(control)) {
        rec.height = toRecorded(pixelsToTwips(control->height()));
        rec.width = toRecorded(pixelsToTwips(control->width()));
        if (const auto *label = qobject_cast<Label *>(control))
            rec.fontSize = toRecorded(label->fontSize());
        if (const auto *shape = qobject_cast<Shape *>(control))
            rec.borderWidth = toRecorded(shape->borderWidth());
    } else {
        return std::nullopt;
    }
    rec.control = control;
    rec.left = toRecorded(pixelsToTwips(control->x()));
    rec.top = toRecorded(pixelsToTwips(control->y()));
    return rec;
}

// On a screen wider than 16:9 the digits of one number would drift apart; a
// panel of digits spreads them at most this many times their own scale, a
// little more than a 16:9 screen needs (1.274), so 16:9 keeps its layout.
constexpr double MaxDigitSpread = 1.28;

void applyRecord(const ControlLayout &rec, double xRatio, double yRatio)
{
    QWidget *control = rec.control;
    if (!control)
        return;
    const auto scaled = [](qint32 v, double ratio) { return atLeastOne(ratio * v); };

    QRect geometry = control->geometry();
    if (rec.left)
        geometry.moveLeft(twipsToPixels(scaled(rec.left, xRatio)));
    if (rec.top)
        geometry.moveTop(twipsToPixels(scaled(rec.top, yRatio)));
    if (rec.width)
        geometry.setWidth(twipsToPixels(scaled(rec.width, xRatio)));
    if (rec.height)
        geometry.setHeight(twipsToPixels(scaled(rec.height, yRatio)));
    control->setGeometry(geometry);

    if (rec.fontSize)
        static_cast<Label *>(control)->setFontSize(scaled(rec.fontSize, yRatio));
    if (rec.borderWidth)
        static_cast<Shape *>(control)->setBorderWidth(scaled(rec.borderWidth, yRatio));
    // A digit follows the smaller ratio, so it is never wider than the place
    // its neighbours leave it.
    const double digitRatio = std::min(xRatio, yRatio);
    if (rec.bufferArea)
        static_cast<LedDigit *>(control)->setBufferArea(scaled(rec.bufferArea, digitRatio));
    if (rec.size)
        static_cast<LedDigit *>(control)->setDigitSize(scaled(rec.size, digitRatio));
}

// Places the controls of a panel that holds digits as one group: scaled by the
// digits' own ratio, spread sideways no further than MaxDigitSpread allows,
// and centred in the panel. Where the window has the design's shape or is up
// to 16:9 wide, this is exactly where the plain scaling put them.
void placeDigitPanel(const ControlLayout &panel, const QList<const ControlLayout *> &members,
                     double xRatio, double yRatio)
{
    const double scale = std::min(xRatio, yRatio);
    const double spread = std::min(xRatio, MaxDigitSpread * scale);
    const double offsetX = panel.width * (xRatio - spread) / 2;
    const double offsetY = panel.height * (yRatio - scale) / 2;
    for (const ControlLayout *rec : members) {
        QWidget *control = rec->control;
        const QPoint at(twipsToPixels(offsetX + rec->left * spread),
                        twipsToPixels(offsetY + rec->top * scale));
        if (rec->width && rec->height)
            control->setGeometry(QRect(at, QSize(twipsToPixels(atLeastOne(rec->width * spread)),
                                                 twipsToPixels(atLeastOne(rec->height * scale)))));
        else
            control->move(at);
    }
}

void placeDigitPanels(const QList<ControlLayout> &layouts, double xRatio, double yRatio)
{
    QHash<const QWidget *, const ControlLayout *> byControl;
    for (const ControlLayout &rec : layouts)
        if (rec.control)
            byControl.insert(rec.control, &rec);
    QHash<const ControlLayout *, QList<const ControlLayout *>> panels;
    for (const ControlLayout &rec : layouts) {
        if (!rec.control)
            continue;
        if (const ControlLayout *panel = byControl.value(rec.control->parentWidget()))
            panels[panel].append(&rec);
    }
    for (auto it = panels.cbegin(); it != panels.cend(); ++it) {
        const bool holdsDigits =
            std::any_of(it->cbegin(), it->cend(), [](const ControlLayout *rec) {
                return qobject_cast<LedDigit *>(rec->control) != nullptr;
            });
        if (holdsDigits && it.key()->width && it.key()->height)
            placeDigitPanel(*it.key(), *it, xRatio, yRatio);
    }
}

} // namespace

double atLeastOne(double x)
{
    return x >= 1 ? x : 1;
}

void LayoutSnapshot::record(QWidget *window)
{
    m_layouts.clear();
    m_origHeight = toRecorded(pixelsToTwips(window->height()));
    m_origWidth = toRecorded(pixelsToTwips(window->width()));
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    m_layouts.reserve(controls.size());
    for (QWidget *control : controls) {
        if (auto rec = recordControl(control))
            m_layouts.append(*rec);
    }
}

void LayoutSnapshot::stretch(QWidget *window) const
{
    if (window->isMinimized() || m_origWidth <= 0 || m_origHeight <= 0)
        return;
    const double xRatio = pixelsToTwips(window->width()) / m_origWidth;
    const double yRatio = pixelsToTwips(window->height()) / m_origHeight;

    // Painting is suspended while every control moves, then the window is
    // repainted once. The window stays mapped, so a resize being dragged
    // carries on.
    window->setUpdatesEnabled(false);
    for (const ControlLayout &rec : m_layouts)
        applyRecord(rec, xRatio, yRatio);
    placeDigitPanels(m_layouts, xRatio, yRatio);
    window->setUpdatesEnabled(true);
    window->update();
}
