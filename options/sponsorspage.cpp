#include "options/sponsorspage.h"

#include "base/offthread.h"
#include "teams/imagefile.h"
#include "teams/sponsorslides.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize PreviewSize(160, 90);

} // namespace

SponsorsPage::SponsorsPage(const OptionsServices &, QWidget *parent, const QString &folder)
    : OptionsPage(parent), m_folder(folder.isEmpty() ? SponsorSlides::defaultFolder() : folder),
      m_enabled(new QCheckBox(tr("Show the sponsors on the audience display"))),
      m_seconds(new QSpinBox), m_during(new QComboBox), m_pictures(new QListWidget)
{
    setObjectName(u"sponsorsPage"_s);
    m_enabled->setObjectName(u"chkSponsors"_s);
    m_seconds->setObjectName(u"spnSponsorSeconds"_s);
    const SettingsEntry &seconds = settingsEntry(&Settings::SponsorSlideSeconds);
    m_seconds->setRange(seconds.least, seconds.most);
    m_seconds->setSuffix(tr(" s"));
    m_during->setObjectName(u"cboSponsorsDuring"_s);
    m_during->addItem(tr("Breaks"), u"breaks"_s);
    m_during->addItem(tr("Breaks and timeouts"), u"breaks,timeouts"_s);
    m_during->addItem(tr("Breaks, timeouts and before the game"), u"breaks,timeouts,pregame"_s);
    m_pictures->setObjectName(u"lstSponsors"_s);
    m_pictures->setViewMode(QListView::IconMode);
    m_pictures->setIconSize(PreviewSize);
    m_pictures->setResizeMode(QListView::Adjust);
    m_pictures->setWordWrap(true);
    m_pictures->setGridSize(PreviewSize + QSize(40, 60));
    auto *openButton = new QPushButton(tr("Open the folder"), this);
    openButton->setObjectName(u"cmdSponsorsFolder"_s);
    connect(openButton, &QPushButton::clicked, this, &SponsorsPage::openFolder);
    auto *refresh = new QPushButton(tr("List again"), this);
    refresh->setObjectName(u"cmdSponsorsRefresh"_s);
    connect(refresh, &QPushButton::clicked, this, &SponsorsPage::listPictures);

    auto *form = new QFormLayout(this);
    form->addRow(m_enabled);
    form->addRow(tr("Each slide stays:"), m_seconds);
    form->addRow(tr("Shown during:"), m_during);
    auto *where =
        new QLabel(tr("Pictures (PNG, JPEG, SVG) in %1:").arg(QDir::toNativeSeparators(m_folder)));
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(where);
    form->addRow(m_pictures);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(openButton);
    buttons->addWidget(refresh);
    buttons->addStretch();
    form->addRow(buttons);
    listPictures();
}

QString SponsorsPage::title() const
{
    return tr("Sponsors");
}

void SponsorsPage::load(const Settings &settings)
{
    m_enabled->setChecked(settings.SponsorsEnabled == 1);
    m_seconds->setValue(settings.SponsorSlideSeconds);
    int index = m_during->findData(settings.SponsorsDuring);
    if (index < 0) {
        // A hand-written choice is kept as it is unless another is chosen.
        m_during->addItem(settings.SponsorsDuring, settings.SponsorsDuring);
        index = m_during->count() - 1;
    }
    m_during->setCurrentIndex(index);
}

void SponsorsPage::store(Settings &settings) const
{
    settings.SponsorsEnabled = m_enabled->isChecked() ? 1 : 0;
    settings.SponsorSlideSeconds = static_cast<qint16>(m_seconds->value());
    settings.SponsorsDuring = m_during->currentData().toString();
}

// The previews are decoded off the user-interface thread: the board's clock
// behind the options keeps running meanwhile.
void SponsorsPage::listPictures()
{
    m_pictures->clear();
    const QList<SponsorSlides::File> files = SponsorSlides::files(m_folder);
    if (files.isEmpty()) {
        new QListWidgetItem(tr("No pictures yet"), m_pictures);
        return;
    }
    const QList<QImage> previews = runOffThread([files] {
        QList<QImage> images;
        for (const SponsorSlides::File &file : files)
            images.append(file.refusal.isEmpty() ? ImageFile::decode(file.path, PreviewSize)
                                                 : QImage());
        return images;
    });
    for (qsizetype i = 0; i < files.size(); ++i) {
        const SponsorSlides::File &file = files.at(i);
        const QString name = QFileInfo(file.path).fileName();
        auto *item = new QListWidgetItem(m_pictures);
        if (file.refusal.isEmpty()) {
            item->setText(name);
            item->setIcon(QIcon(QPixmap::fromImage(previews.at(i))));
        } else {
            item->setText(tr("%1: not shown, %2").arg(name, file.refusal));
            item->setForeground(Qt::red);
        }
        item->setToolTip(item->text());
    }
}

void SponsorsPage::openFolder()
{
    QDir().mkpath(m_folder);
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder));
}
