#pragma once

#include "options/settingrows.h"

// The tab "Sets": whether the game is played in sets, the rules of a set and
// of the match, the hints, and the keys of the points and the first server.
class SetsPage : public RowsPage
{
    Q_OBJECT

public:
    explicit SetsPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    Refusal refusal() const override;
};
