#include "options/optionspage.h"

#include "display/twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

// Positions on the tab pages are designed from the top of the tab strip,
// whose tabs take this much of it.
constexpr int TabHeaderTwips = 360;

// A translated caption longer than the original widens its control rather
// than being cut: the text gets the room it needs beside the control's own
// frame and margins.
void widenToFit(QWidget *control, const QString &text, int room)
{
    const int needed = control->fontMetrics().size(Qt::TextShowMnemonic, text).width();
    if (needed > room)
        control->resize(control->width() + needed - room, control->height());
}

void widenToFit(QGroupBox *group)
{
    widenToFit(group, group->title(), group->contentsRect().width());
}

} // namespace

void widenToText(QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    widenToFit(button, button->text(), contents.width());
}

QRect OptionsPage::onPage(double left, double top, double width, double height)
{
    return twipsRect(left, top - TabHeaderTwips, width, height);
}

QPushButton *OptionsPage::button(const QString &text, const char *name, QWidget *parent,
                                 QRect geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false); // Enter does not press a button here
    widenToText(b);
    return b;
}

QGroupBox *OptionsPage::group(const QString &caption, const char *name, QWidget *parent,
                              QRect geometry)
{
    auto *g = new QGroupBox(caption, parent);
    g->setObjectName(QLatin1StringView(name));
    g->setGeometry(geometry);
    widenToFit(g);
    return g;
}

QLabel *OptionsPage::framedLabel(const char *name, QWidget *parent, QRect geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1StringView(name));
    label->setGeometry(geometry);
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QGridLayout *OptionsPage::layoutAroundOriginalArea()
{
    QRect area;
    for (const QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden())
            area |= child->geometry();
    }
    // The same margins right and below as the original controls keep left.
    const int margin = twipsToPixels(120);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addItem(new QSpacerItem(area.right() + 1, area.bottom() + 1 - margin,
                                    QSizePolicy::Fixed, QSizePolicy::Fixed),
                    0, 0);
    return layout;
}
