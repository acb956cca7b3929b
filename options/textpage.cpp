#include "options/textpage.h"

#include "display/twips.h"
#include "settings/appsettings.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QFont previewFont(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(points);
    return font;
}

// A box of one line inside its group, with room for the group's caption.
QLineEdit *lineIn(QGroupBox *frame, const char *name, qsizetype limit)
{
    auto *box = new QLineEdit(frame);
    box->setObjectName(QLatin1StringView(name));
    box->setMaxLength(int(limit));
    box->setAlignment(Qt::AlignCenter);
    return box;
}

} // namespace

TextPage::TextPage(const OptionsServices &, QWidget *parent)
    : OptionsPage(parent), m_homePreview(new QLabel(this)), m_guestPreview(new QLabel(this))
{
    setObjectName(QStringLiteral("textPage"));
    // Hidden labels that hold the team names the caption size is measured on.
    m_homePreview->setObjectName(QStringLiteral("lblHomePreview"));
    m_homePreview->hide();
    m_guestPreview->setObjectName(QStringLiteral("lblGuestPreview"));
    m_guestPreview->hide();
    createCaptions();
    layoutAroundOriginalArea();
}

QString TextPage::title() const
{
    return tr("Text Controls");
}

void TextPage::createCaptions()
{
    const struct
    {
        const char *caption, *frame, *box;
        int top;
        qsizetype limit;
        QLineEdit *TextPage::*field;
    } texts[] = {{QT_TR_NOOP("Home Team Name:"), "fraHomeText", "txtHomeText", 480,
                  SettingsLimits::TeamTextLength, &TextPage::m_homeText},
                 {QT_TR_NOOP("Guest Team Name:"), "fraGuestText", "txtGuestText", 1320,
                  SettingsLimits::TeamTextLength, &TextPage::m_guestText},
                 {QT_TR_NOOP("Section 1 Name:"), "Frame1", "txtSectText1", 2160,
                  SettingsLimits::SectionTextLength, &TextPage::m_sectionText1},
                 {QT_TR_NOOP("Section 2 Name:"), "Frame2", "txtSectText2", 3000,
                  SettingsLimits::SectionTextLength, &TextPage::m_sectionText2}};
    for (const auto &t : texts) {
        QGroupBox *frame = group(tr(t.caption), t.frame, this, onPage(240, t.top, 4575, 735));
        QLineEdit *box = lineIn(frame, t.box, t.limit);
        box->setGeometry(twipsRect(120, 240, 4335, 375));
        QFont font = box->font();
        font.setPointSizeF(9.75);
        box->setFont(font);
        this->*t.field = box;
    }
    connect(m_homeText, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_homePreview->setText(text);
        updatePreview();
    });
    connect(m_guestText, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_guestPreview->setText(text);
        updatePreview();
    });
}

void TextPage::load(const Settings &settings)
{
    // Setting the team names runs the size search; the stored size, taken
    // after them, wins until a name is edited.
    m_homeText->setText(settings.HomeText);
    m_guestText->setText(settings.GuestText);
    m_sectionText1->setText(settings.SectionText1);
    m_sectionText2->setText(settings.SectionText2);
    m_captionSize = settings.TeamSize;
}

void TextPage::store(Settings &settings) const
{
    settings.HomeText = m_homeText->text();
    settings.GuestText = m_guestText->text();
    settings.SectionText1 = m_sectionText1->text();
    settings.SectionText2 = m_sectionText2->text();
    settings.TeamSize = m_captionSize;
}

qint16 TextPage::previewSize(const QString &home, const QString &guest)
{
    // Measured with font metrics rather than by laying out labels, so the
    // search neither pumps events nor re-enters itself while the operator types.
    // The width of the board's team caption panels, so a name that fits here
    // is not cut off there.
    const double maxWidth = 2295 / twipsPerPixel();
    const double maxHeight = 600 / twipsPerPixel();
    for (int size = 60; size >= 10; --size) {
        const QFontMetricsF metrics(previewFont(size));
        if (metrics.horizontalAdvance(home) < maxWidth &&
            metrics.horizontalAdvance(guest) < maxWidth && metrics.height() < maxHeight)
            return static_cast<qint16>(size);
    }
    return 9;
}

void TextPage::updatePreview()
{
    m_captionSize = previewSize(m_homePreview->text(), m_guestPreview->text());
}
