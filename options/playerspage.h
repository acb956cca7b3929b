#pragma once

#include "options/settingrows.h"

// The tab "Players": whether the board follows the players, the fouls that
// put one out, the penalties' lengths and what ends them, and the keys that
// open a foul's and a penalty's entry.
class PlayersPage : public RowsPage
{
    Q_OBJECT

public:
    explicit PlayersPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    Refusal refusal() const override;
};
