#pragma once

#include "options/optionspage.h"

class SettingRows;

// The tab "Players": whether the board follows the players, the fouls that
// put one out, the penalties' lengths and what ends them, and the keys that
// open a foul's and a penalty's entry.
class PlayersPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit PlayersPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;
    Refusal refusal() const override;

private:
    SettingRows *m_rows;
};
