#include "options/setspage.h"

#include "game/gamerules.h"

SetsPage::SetsPage(const OptionsServices &services, QWidget *parent)
    : RowsPage(services, SettingRows::OwnKeys::TakenAmongThemselves, parent)
{
    setObjectName(QStringLiteral("setsPage"));
    using S = Settings;
    rows().addSwitch(&S::SetsEnabled, "chkSets", tr("The game is played in sets"));
    rows().addNumber(&S::SetsToWin, "spnSetsToWin", tr("Sets to win:"));
    rows().addNumber(&S::SetsPointsPerSet, "spnPointsPerSet", tr("Points per set:"));
    rows().addNumber(&S::SetsLastSetPoints, "spnLastSetPoints", tr("Points of the deciding set:"));
    rows().addNumber(&S::SetsWinBy, "spnWinBy", tr("Won by a lead of:"));
    rows().addNumber(&S::SetsCap, "spnCap", tr("A set ends at most at:"), tr("none"));
    rows().addNumber(&S::SetsServeEvery, "spnServeEvery", tr("The serve changes every:"),
                     tr("rally's winner serves"));
    rows().addNumber(&S::SetsTimeoutsPerSet, "spnTimeoutsPerSet", tr("Timeouts per team and set:"));
    rows().addNumber(&S::SetsSwitchSidesEvery, "spnSwitchSides", tr("Switch sides every:"),
                     tr("no hint"));
    rows().addNumber(&S::SetsLastSetSwitchSidesEvery, "spnLastSetSwitchSides",
                     tr("In the deciding set every:"), tr("no hint"));
    rows().addNumber(&S::SetsIntervalAt, "spnIntervalAt", tr("Interval at:"), tr("no hint"));
    rows().addSwitch(&S::SetsClock, "chkSetsClock", tr("The game clock shows the match time"));
    rows().addKey(&S::PointHomeKey, "cmdPointHomeK", tr("Point home key:"),
                  tr("give the home team a point"));
    rows().addKey(&S::PointGuestKey, "cmdPointGuestK", tr("Point guest key:"),
                  tr("give the guest team a point"));
    rows().addKey(&S::FirstServerKey, "cmdFirstServerK", tr("First server key:"),
                  tr("switch the first server"));
}

QString SetsPage::title() const
{
    return tr("Sets");
}

// A value that came in from the store goes back as it was: only what the
// operator set here is refused.
OptionsPage::Refusal SetsPage::refusal() const
{
    using S = Settings;
    if (!rows().changed(&S::SetsCap) && !rows().changed(&S::SetsPointsPerSet) &&
        !rows().changed(&S::SetsLastSetPoints))
        return {};
    Settings values;
    store(values);
    if (const QString why =
            setsCapRefusal(values.SetsCap, values.SetsPointsPerSet, values.SetsLastSetPoints);
        !why.isEmpty())
        return {why, rows().field(&S::SetsCap)};
    return {};
}
