#include "display/modstretch.h"

#include "display/controls.h"
#include "display/ledlines.h"
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
    const QString type = controlTypeName(control);
    ControlLayout rec;
    if (type == QLatin1StringView("ledlines")) {
        const auto *led = static_cast<ledlines *>(control);
        rec.BufferArea = toRecorded(led->bufferArea());
        rec.Size = toRecorded(led->digitSize());
    } else if (type == QLatin1StringView("PictureBox") || type == QLatin1StringView("Label") ||
               type == QLatin1StringView("Shape")) {
        rec.Height = toRecorded(pixelsToTwips(control->height()));
        rec.Width = toRecorded(pixelsToTwips(control->width()));
        if (type == QLatin1StringView("Label"))
            rec.FontSize = toRecorded(static_cast<Label *>(control)->fontSize());
        if (type == QLatin1StringView("Shape"))
            rec.BorderWidth = toRecorded(static_cast<Shape *>(control)->borderWidth());
    } else {
        return std::nullopt;
    }
    rec.Ctl = control;
    rec.Left = toRecorded(pixelsToTwips(control->x()));
    rec.Top = toRecorded(pixelsToTwips(control->y()));
    return rec;
}

// On a screen wider than 16:9 the digits of one number would drift apart; a
// panel of digits spreads them at most this many times their own scale, a
// little more than a 16:9 screen needs (1.274), so 16:9 keeps its layout.
constexpr double MaxDigitSpread = 1.28;

void applyRecord(const ControlLayout &rec, double xRatio, double yRatio)
{
    QWidget *control = rec.Ctl;
    if (!control)
        return;
    const auto scaled = [](qint32 v, double ratio) { return Min1(ratio * v); };

    QRect geometry = control->geometry();
    if (rec.Left)
        geometry.moveLeft(twipsToPixels(scaled(rec.Left, xRatio)));
    if (rec.Top)
        geometry.moveTop(twipsToPixels(scaled(rec.Top, yRatio)));
    if (rec.Width)
        geometry.setWidth(twipsToPixels(scaled(rec.Width, xRatio)));
    if (rec.Height)
        geometry.setHeight(twipsToPixels(scaled(rec.Height, yRatio)));
    control->setGeometry(geometry);

    if (rec.FontSize)
        static_cast<Label *>(control)->setFontSize(scaled(rec.FontSize, yRatio));
    if (rec.BorderWidth)
        static_cast<Shape *>(control)->setBorderWidth(scaled(rec.BorderWidth, yRatio));
    // A digit follows the smaller ratio, so it is never wider than the place
    // its neighbours leave it.
    const double digitRatio = std::min(xRatio, yRatio);
    if (rec.BufferArea)
        static_cast<ledlines *>(control)->setBufferArea(scaled(rec.BufferArea, digitRatio));
    if (rec.Size)
        static_cast<ledlines *>(control)->setDigitSize(scaled(rec.Size, digitRatio));
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
    const double offsetX = panel.Width * (xRatio - spread) / 2;
    const double offsetY = panel.Height * (yRatio - scale) / 2;
    for (const ControlLayout *rec : members) {
        QWidget *control = rec->Ctl;
        const QPoint at(twipsToPixels(offsetX + rec->Left * spread),
                        twipsToPixels(offsetY + rec->Top * scale));
        if (rec->Width && rec->Height)
            control->setGeometry(QRect(at, QSize(twipsToPixels(Min1(rec->Width * spread)),
                                                 twipsToPixels(Min1(rec->Height * scale)))));
        else
            control->move(at);
    }
}

void placeDigitPanels(const QList<ControlLayout> &layouts, double xRatio, double yRatio)
{
    QHash<const QWidget *, const ControlLayout *> byControl;
    for (const ControlLayout &rec : layouts)
        if (rec.Ctl)
            byControl.insert(rec.Ctl, &rec);
    QHash<const ControlLayout *, QList<const ControlLayout *>> panels;
    for (const ControlLayout &rec : layouts) {
        if (!rec.Ctl)
            continue;
        if (const ControlLayout *panel = byControl.value(rec.Ctl->parentWidget()))
            panels[panel].append(&rec);
    }
    for (auto it = panels.cbegin(); it != panels.cend(); ++it) {
        const bool holdsDigits =
            std::any_of(it->cbegin(), it->cend(), [](const ControlLayout *rec) {
                return controlTypeName(rec->Ctl) == QLatin1StringView("ledlines");
            });
        if (holdsDigits && it.key()->Width && it.key()->Height)
            placeDigitPanel(*it.key(), *it, xRatio, yRatio);
    }
}

} // namespace

double Min1(double x)
{
    return x >= 1 ? x : 1;
}

void LayoutSnapshot::RecordLayout(QWidget *window)
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

void LayoutSnapshot::StretchLayout(QWidget *window) const
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
