#include "options/playerspage.h"

#include "game/gamerules.h"

#include <QLineEdit>
#include <QSpinBox>

PlayersPage::PlayersPage(const OptionsServices &services, QWidget *parent)
    : RowsPage(services, SettingRows::OwnKeys::TakenAmongThemselves, parent)
{
    setObjectName(QStringLiteral("playersPage"));
    using S = Settings;
    rows().addSwitch(&S::PlayersEnabled, "chkPlayers", tr("The board follows the players"));
    rows().addNumber(&S::PlayerFoulLimit, "spnPlayerFoulLimit", tr("Fouls that put a player out:"),
                     tr("none"));
    rows()
        .addText(&S::PenaltyLengths, "edtPenaltyLengths", tr("Penalty lengths (minutes.seconds):"))
        ->setPlaceholderText(QStringLiteral("2.00, 5.00, 10.00"));
    rows().addSwitch(&S::PenaltyEndsOnGoal, "chkPenaltyEndsOnGoal",
                     tr("A goal conceded ends the oldest 2:00 penalty"));
    rows().addNumber(&S::SuspensionsToDisqualify, "spnSuspensionsToDisqualify",
                     tr("Penalties that disqualify:"), tr("none"));
    rows().addKey(&S::PlayerFoulKey, "cmdPlayerFoulK", tr("Player's foul key:"),
                  tr("enter a player's foul"));
    rows().addKey(&S::PenaltyKey, "cmdPenaltyK", tr("Penalty key:"), tr("enter a penalty"));
}

QString PlayersPage::title() const
{
    return tr("Players");
}

OptionsPage::Refusal PlayersPage::refusal() const
{
    auto *lengths = static_cast<QLineEdit *>(rows().field(&Settings::PenaltyLengths));
    if (const QString why = ruleRefusal(u"PenaltyLengths", lengths->text()); !why.isEmpty())
        return {why, lengths};
    return {};
}
