#pragma once

#include "options/optionspage.h"

class SettingRows;

// The tab "Sets": whether the game is played in sets, the rules of a set and
// of the match, the hints, and the keys of the points and the first server.
class SetsPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit SetsPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;
    Refusal refusal() const override;

private:
    SettingRows *m_rows;
};
