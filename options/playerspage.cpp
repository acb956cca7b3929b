#include "options/playerspage.h"

#include "game/gamerules.h"
#include "options/settingrows.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

PlayersPage::PlayersPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_rows(new SettingRows(services, new QFormLayout(this),
                                                  SettingRows::OwnKeys::TakenAmongThemselves))
{
    setObjectName(QStringLiteral("playersPage"));
    using S = Settings;
    m_rows->addSwitch(&S::PlayersEnabled, "chkPlayers", tr("The board follows the players"));
    m_rows->addNumber(&S::PlayerFoulLimit, "spnPlayerFoulLimit", tr("Fouls that put a player out:"),
                      tr("none"));
    m_rows
        ->addText(&S::PenaltyLengths, "edtPenaltyLengths", tr("Penalty lengths (minutes.seconds):"))
        ->setPlaceholderText(QStringLiteral("2.00, 5.00, 10.00"));
    m_rows->addSwitch(&S::PenaltyEndsOnGoal, "chkPenaltyEndsOnGoal",
                      tr("A goal conceded ends the oldest 2:00 penalty"));
    m_rows->addNumber(&S::SuspensionsToDisqualify, "spnSuspensionsToDisqualify",
                      tr("Penalties that disqualify:"), tr("none"));
    m_rows->addKey(&S::PlayerFoulKey, "cmdPlayerFoulK", tr("Player's foul key:"),
                   tr("enter a player's foul"));
    m_rows->addKey(&S::PenaltyKey, "cmdPenaltyK", tr("Penalty key:"), tr("enter a penalty"));
}

QString PlayersPage::title() const
{
    return tr("Players");
}

void PlayersPage::load(const Settings &settings)
{
    m_rows->load(settings);
}

void PlayersPage::store(Settings &settings) const
{
    m_rows->store(settings);
}

OptionsPage::Refusal PlayersPage::refusal() const
{
    auto *lengths = static_cast<QLineEdit *>(m_rows->field(&Settings::PenaltyLengths));
    if (const QString why = ruleRefusal(u"PenaltyLengths", lengths->text()); !why.isEmpty())
        return {why, lengths};
    return {};
}
