#include "options/shotclockpage.h"

#include "options/settingrows.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

ShotClockPage::ShotClockPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_rows(new SettingRows(services, new QFormLayout(this),
                                                  SettingRows::OwnKeys::TakenAmongThemselves))
{
    setObjectName(QStringLiteral("shotClockPage"));
    using S = Settings;
    m_rows->addSwitch(&S::ShotClockEnabled, "chkShotClock", tr("The board has a shot clock"));
    m_rows->addNumber(&S::ShotClockLength, "spnShotClockLength", tr("Length:"))
        ->setSuffix(tr(" s"));
    QSpinBox *shortLength = m_rows->addNumber(&S::ShotClockShortLength, "spnShotClockShort",
                                              tr("Short length:"), tr("none"));
    shortLength->setSuffix(tr(" s"));
    m_rows->addSwitch(&S::ShotClockLinked, "chkShotClockLinked",
                      tr("It runs only while the game clock runs"));
    m_rows->addSwitch(&S::ShotClockStopGameAtZero, "chkShotClockStopsGame",
                      tr("The game clock stops when it runs out"));
    m_rows->addSwitch(&S::ShotClockResetOnScore, "chkShotClockResetOnScore",
                      tr("A goal resets it"));
    m_rows->addText(&S::ShotClockSound, "edtShotClockSound", tr("Horn (sound file):"))
        ->setPlaceholderText(tr("the built-in horn"));
    m_rows->addKey(&S::ShotClockResetKey, "cmdShotClockResetK", tr("Reset key:"),
                   tr("reset the shot clock"));
    m_rows->addKey(&S::ShotClockShortKey, "cmdShotClockShortK", tr("Short reset key:"),
                   tr("reset the shot clock short"));
    m_rows->addKey(&S::ShotClockHoldKey, "cmdShotClockHoldK", tr("Hold / release key:"),
                   tr("hold or release the shot clock"));
    m_rows->addKey(&S::ShotClockBlankKey, "cmdShotClockBlankK", tr("Dark key:"),
                   tr("make the shot clock dark"));
    m_rows->addKey(&S::PossessionKey, "cmdPossessionK", tr("Possession arrow key:"),
                   tr("switch the possession arrow"));
}

QString ShotClockPage::title() const
{
    return tr("Shot Clock");
}

void ShotClockPage::load(const Settings &settings)
{
    m_rows->load(settings);
}

void ShotClockPage::store(Settings &settings) const
{
    m_rows->store(settings);
}
