#pragma once

#include "options/optionspage.h"

class SettingRows;

// The tab "Shot Clock": whether the board has one, its lengths, how it
// follows the game clock, its horn, and the keys of the shot clock and the
// possession arrow.
class ShotClockPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit ShotClockPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

private:
    SettingRows *m_rows;
};
