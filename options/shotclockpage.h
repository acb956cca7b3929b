#pragma once

#include "options/optionspage.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The tab "Shot Clock": whether the board has one, its lengths, how it
// follows the game clock, its horn, and the keys of the shot clock and the
// possession arrow.
class ShotClockPage : public OptionsPage
{
    Q_OBJECT

public:
    enum KeyFunction { Reset, Short, Hold, Blank, Possession, KeyFunctionCount };

    explicit ShotClockPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

private:
    void setKey(KeyFunction function, int code);
    void chooseKey(KeyFunction function);

    const OptionsServices &m_services;
    QCheckBox *m_enabled;
    QSpinBox *m_length;
    QSpinBox *m_shortLength;
    QCheckBox *m_linked;
    QCheckBox *m_stopGame;
    QCheckBox *m_resetOnScore;
    QLineEdit *m_sound;
    std::array<QPushButton *, KeyFunctionCount> m_keyButtons{};
    std::array<int, KeyFunctionCount> m_keys{};
    qint16 m_loadedLength = 0;
    qint16 m_loadedShort = 0;
};
