#pragma once

#include "options/optionspage.h"

#include <array>

class PictureBox;

// The tab "Color Controls": the seven colours of the board, each on a swatch
// with its button to change it.
class ColorPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit ColorPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

private:
    void pickColor(PictureBox *swatch);
    void resetColors();

    Dialogs &m_dialogs;
    std::array<PictureBox *, 7> m_swatches{};
};
