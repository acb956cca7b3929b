#include "display/captionfit.h"

#include "display/controls.h"

#include <QSize>

#include <algorithm>

namespace {

bool fits(const Label *caption, QSize box)
{
    const QSize text = caption->sizeHint();
    return text.width() <= box.width() && text.height() <= box.height();
}

} // namespace

void shrinkToFit(Label *caption, QSize box)
{
    // Text width is nearly proportional to the font size, so one proportional
    // step lands close; hinting can leave a pixel over, which the next smaller
    // steps take off. The count bounds the loop for any box.
    double size = caption->fontSize();
    for (int step = 0; step < 40 && size > 1 && !fits(caption, box); ++step) {
        const QSize text = caption->sizeHint();
        const double ratio = std::min(double(box.width()) / std::max(text.width(), 1),
                                      double(box.height()) / std::max(text.height(), 1));
        size = std::max(1.0, std::min(size * ratio, size - 0.25));
        caption->setFontSize(size);
    }
}

void centreIn(QWidget *widget, const QWidget *panel)
{
    widget->move(panel->width() / 2 - widget->width() / 2,
                 panel->height() / 2 - widget->height() / 2);
}
