#include "options/setspage.h"

#include "game/gamerules.h"
#include "options/settingrows.h"

#include <QFormLayout>

SetsPage::SetsPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_rows(new SettingRows(services, new QFormLayout(this),
                                                  SettingRows::OwnKeys::TakenAmongThemselves))
{
    setObjectName(QStringLiteral("setsPage"));
    using S = Settings;
    m_rows->addSwitch(&S::SetsEnabled, "chkSets", tr("The game is played in sets"));
    m_rows->addNumber(&S::SetsToWin, "spnSetsToWin", tr("Sets to win:"));
    m_rows->addNumber(&S::SetsPointsPerSet, "spnPointsPerSet", tr("Points per set:"));
    m_rows->addNumber(&S::SetsLastSetPoints, "spnLastSetPoints", tr("Points of the deciding set:"));
    m_rows->addNumber(&S::SetsWinBy, "spnWinBy", tr("Won by a lead of:"));
    m_rows->addNumber(&S::SetsCap, "spnCap", tr("A set ends at most at:"), tr("none"));
    m_rows->addNumber(&S::SetsServeEvery, "spnServeEvery", tr("The serve changes every:"),
                      tr("rally's winner serves"));
    m_rows->addNumber(&S::SetsTimeoutsPerSet, "spnTimeoutsPerSet",
                      tr("Timeouts per team and set:"));
    m_rows->addNumber(&S::SetsSwitchSidesEvery, "spnSwitchSides", tr("Switch sides every:"),
                      tr("no hint"));
    m_rows->addNumber(&S::SetsLastSetSwitchSidesEvery, "spnLastSetSwitchSides",
                      tr("In the deciding set every:"), tr("no hint"));
    m_rows->addNumber(&S::SetsIntervalAt, "spnIntervalAt", tr("Interval at:"), tr("no hint"));
    m_rows->addSwitch(&S::SetsClock, "chkSetsClock", tr("The game clock shows the match time"));
    m_rows->addKey(&S::PointHomeKey, "cmdPointHomeK", tr("Point home key:"),
                   tr("give the home team a point"));
    m_rows->addKey(&S::PointGuestKey, "cmdPointGuestK", tr("Point guest key:"),
                   tr("give the guest team a point"));
    m_rows->addKey(&S::FirstServerKey, "cmdFirstServerK", tr("First server key:"),
                   tr("switch the first server"));
}

QString SetsPage::title() const
{
    return tr("Sets");
}

void SetsPage::load(const Settings &settings)
{
    m_rows->load(settings);
}

void SetsPage::store(Settings &settings) const
{
    m_rows->store(settings);
}

// A value that came in from the store goes back as it was: only what the
// operator set here is refused.
OptionsPage::Refusal SetsPage::refusal() const
{
    using S = Settings;
    if (!m_rows->changed(&S::SetsCap) && !m_rows->changed(&S::SetsPointsPerSet) &&
        !m_rows->changed(&S::SetsLastSetPoints))
        return {};
    Settings values;
    store(values);
    if (const QString why =
            setsCapRefusal(values.SetsCap, values.SetsPointsPerSet, values.SetsLastSetPoints);
        !why.isEmpty())
        return {why, m_rows->field(&S::SetsCap)};
    return {};
}
