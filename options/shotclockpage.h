#pragma once

#include "options/settingrows.h"

// The tab "Shot Clock": whether the board has one, its lengths, how it
// follows the game clock, its horn, and the keys of the shot clock and the
// possession arrow.
class ShotClockPage : public RowsPage
{
    Q_OBJECT

public:
    explicit ShotClockPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
};
