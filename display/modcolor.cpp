#include "display/modcolor.h"

#include "display/controls.h"
#include "display/ledgroup.h"
#include "display/ledlines.h"

namespace {

// "||a||b||": every name between bars, so that a lookup of "|name|" matches
// whole names only.
QString exclusionText(const QList<QWidget *> &exclusions)
{
    QString text = QStringLiteral("|");
    for (const QWidget *control : exclusions)
        text += u'|' + control->objectName() + u'|';
    return text + u'|';
}

void colorControl(QWidget *control, qint32 textColor, qint32 ledBackColor)
{
    const QString type = controlTypeName(control);
    if (type == QLatin1StringView("Label")) {
        static_cast<Label *>(control)->setForeColor(textColor);
    } else if (type == QLatin1StringView("PictureBox")) {
        static_cast<PictureBox *>(control)->setBackColor(ledBackColor);
    } else if (type == QLatin1StringView("Shape")) {
        auto *shape = static_cast<Shape *>(control);
        const QString name = shape->objectName();
        if (name.contains(QLatin1StringView("shpTime")) &&
            name != QLatin1StringView("shpTimeBorder"))
            shape->setFillColor(textColor);
        else
            shape->setBorderColor(textColor);
    }
}

} // namespace

void ColorControls(QWidget *window, const QList<QWidget *> &exclusions, qint32 textColor,
                   qint32 ledBackColor)
{
    const QString excluded = exclusionText(exclusions);
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!excluded.contains(u'|' + control->objectName() + u'|'))
            colorControl(control, textColor, ledBackColor);
    }
}

void ColorLED(const LedGroup &group, qint32 lit, qint32 back)
{
    for (ledlines *digit : group.members())
        ColorLED(digit, lit, back);
}

void ColorLED(ledlines *digit, qint32 lit, qint32 back)
{
    digit->setBackColor(back);
    digit->setUnlitColor(back);
    digit->setLitColor(lit);
}
