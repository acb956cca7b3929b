#include "options/colorpage.h"

#include "display/controls.h"
#include "display/twips.h"
#include "platform/dialogs.h"
#include "settings/appsettings.h"
#include "settings/bgrcolor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>

namespace {

// A colour swatch with a frame, so that a swatch in the dialog's own
// background colour (white, mostly) does not vanish.
class Swatch : public PictureBox
{
public:
    using PictureBox::PictureBox;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        PictureBox::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Base));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

const struct
{
    const char *caption, *frame, *swatch, *button;
    int left, top;
    qint32 Settings::*setting;
} colors[] = {{QT_TRANSLATE_NOOP("ColorPage", "Background:"), "fraBackC", "picBackC", "cmdBackC",
               120, 600, &Settings::FormColor},
              {QT_TRANSLATE_NOOP("ColorPage", "Home Color:"), "fraHomeC", "picHomeC", "cmdHomeC",
               1800, 600, &Settings::HomeColor},
              {QT_TRANSLATE_NOOP("ColorPage", "Guest Color:"), "fraGuestC", "picGuestC",
               "cmdGuestC", 1800, 1440, &Settings::GuestColor},
              {QT_TRANSLATE_NOOP("ColorPage", "Section Color:"), "fraTextC", "picTextC", "cmdTextC",
               1800, 2280, &Settings::TextColor},
              {QT_TRANSLATE_NOOP("ColorPage", "LED Time Color:"), "fraLedTimeC", "picLedTimeC",
               "cmdLedTimeC", 3480, 600, &Settings::LEDTimeColor},
              {QT_TRANSLATE_NOOP("ColorPage", "LED Score Color:"), "fraLedScoreC", "picLedScoreC",
               "cmdLedScoreC", 3480, 1440, &Settings::LEDScoreColor},
              {QT_TRANSLATE_NOOP("ColorPage", "LED Back Color:"), "fraLedBackC", "picLedBackC",
               "cmdLedBackC", 3480, 2280, &Settings::LEDBackColor}};

} // namespace

ColorPage::ColorPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_dialogs(services.dialogs)
{
    setObjectName(QStringLiteral("colorPage"));
    static_assert(std::size(colors) == std::tuple_size_v<decltype(m_swatches)>);
    for (std::size_t i = 0; i < std::size(colors); ++i) {
        const auto &c = colors[i];
        QGroupBox *frame = group(tr(c.caption), c.frame, this, onPage(c.left, c.top, 1455, 735));
        auto *swatch = new Swatch(frame);
        swatch->setObjectName(QLatin1StringView(c.swatch));
        swatch->setGeometry(twipsRect(120, 240, 495, 375));
        swatch->setFocusPolicy(Qt::NoFocus);
        auto *change = button(tr("Change"), c.button, frame, twipsRect(600, 240, 735, 375));
        connect(change, &QPushButton::clicked, this, [this, swatch] { pickColor(swatch); });
        m_swatches[i] = swatch;
    }
    auto *resetColorsButton =
        button(tr("Reset Colors"), "cmdResetColors", this, onPage(3720, 3120, 1215, 375));
    connect(resetColorsButton, &QPushButton::clicked, this, &ColorPage::resetColors);
    layoutAroundOriginalArea();
}

QString ColorPage::title() const
{
    return tr("Color Controls");
}

void ColorPage::load(const Settings &settings)
{
    for (std::size_t i = 0; i < std::size(colors); ++i)
        m_swatches[i]->setBackColor(settings.*colors[i].setting);
}

void ColorPage::store(Settings &settings) const
{
    for (std::size_t i = 0; i < std::size(colors); ++i)
        settings.*colors[i].setting = m_swatches[i]->backColor();
}

void ColorPage::pickColor(PictureBox *swatch)
{
    if (const auto chosen = m_dialogs.pickColor(this, fromBgr(swatch->backColor())))
        swatch->setBackColor(toBgr(*chosen));
}

void ColorPage::resetColors()
{
    load(defaultSettings());
}
