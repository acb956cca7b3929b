#include "options/shotclockpage.h"

#include <QLineEdit>
#include <QSpinBox>

ShotClockPage::ShotClockPage(const OptionsServices &services, QWidget *parent)
    : RowsPage(services, SettingRows::OwnKeys::TakenAmongThemselves, parent)
{
    setObjectName(QStringLiteral("shotClockPage"));
    using S = Settings;
    rows().addSwitch(&S::ShotClockEnabled, "chkShotClock", tr("The board has a shot clock"));
    rows().addNumber(&S::ShotClockLength, "spnShotClockLength", tr("Length:"))->setSuffix(tr(" s"));
    QSpinBox *shortLength = rows().addNumber(&S::ShotClockShortLength, "spnShotClockShort",
                                             tr("Short length:"), tr("none"));
    shortLength->setSuffix(tr(" s"));
    rows().addSwitch(&S::ShotClockLinked, "chkShotClockLinked",
                     tr("It runs only while the game clock runs"));
    rows().addSwitch(&S::ShotClockStopGameAtZero, "chkShotClockStopsGame",
                     tr("The game clock stops when it runs out"));
    rows().addSwitch(&S::ShotClockResetOnScore, "chkShotClockResetOnScore", tr("A goal resets it"));
    rows()
        .addText(&S::ShotClockSound, "edtShotClockSound", tr("Horn (sound file):"))
        ->setPlaceholderText(tr("the built-in horn"));
    rows().addKey(&S::ShotClockResetKey, "cmdShotClockResetK", tr("Reset key:"),
                  tr("reset the shot clock"));
    rows().addKey(&S::ShotClockShortKey, "cmdShotClockShortK", tr("Short reset key:"),
                  tr("reset the shot clock short"));
    rows().addKey(&S::ShotClockHoldKey, "cmdShotClockHoldK", tr("Hold / release key:"),
                  tr("hold or release the shot clock"));
    rows().addKey(&S::ShotClockBlankKey, "cmdShotClockBlankK", tr("Dark key:"),
                  tr("make the shot clock dark"));
    rows().addKey(&S::PossessionKey, "cmdPossessionK", tr("Possession arrow key:"),
                  tr("switch the possession arrow"));
}

QString ShotClockPage::title() const
{
    return tr("Shot Clock");
}
