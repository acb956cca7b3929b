#include "display/controlcolors.h"

#include "display/controls.h"
#include "display/leddigit.h"
#include "display/ledgroup.h"

#include <QSet>

namespace {

void colorControl(QWidget *control, qint32 textColor, qint32 ledBackColor)
{
    if (auto *label = qobject_cast<Label *>(control)) {
        label->setForeColor(textColor);
    } else if (auto *panel = qobject_cast<PictureBox *>(control)) {
        panel->setBackColor(ledBackColor);
    } else if (auto *shape = qobject_cast<Shape *>(control)) {
        if (shape->kind() == Shape::Kind::FilledCircle)
            shape->setFillColor(textColor);
        else
            shape->setBorderColor(textColor);
    }
}

} // namespace

void colorControls(QWidget *window, const QList<QWidget *> &exclusions, qint32 textColor,
                   qint32 ledBackColor)
{
    // Controls of one array share a name, so a name excludes all of them.
    QSet<QString> excluded;
    for (const QWidget *control : exclusions)
        excluded.insert(control->objectName());
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!excluded.contains(control->objectName()))
            colorControl(control, textColor, ledBackColor);
    }
}

void colorLeds(const LedGroup &group, qint32 lit, qint32 back)
{
    for (LedDigit *digit : group.members())
        colorLeds(digit, lit, back);
}

void colorLeds(LedDigit *digit, qint32 lit, qint32 back)
{
    digit->setBackColor(back);
    digit->setUnlitColor(back);
    digit->setLitColor(lit);
}
