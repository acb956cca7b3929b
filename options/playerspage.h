#pragma once

#include "options/optionspage.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The tab "Players": whether the board follows the players, the fouls that
// put one out, the penalties' lengths and what ends them, and the keys that
// open a foul's and a penalty's entry.
class PlayersPage : public OptionsPage
{
    Q_OBJECT

public:
    enum KeyFunction { Foul, Penalty, KeyFunctionCount };

    explicit PlayersPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;
    Refusal refusal() const override;

private:
    void setKey(KeyFunction function, int code);
    void chooseKey(KeyFunction function);

    const OptionsServices &m_services;
    QCheckBox *m_enabled;
    QSpinBox *m_foulLimit;
    QLineEdit *m_lengths;
    QCheckBox *m_endsOnGoal;
    QSpinBox *m_disqualify;
    std::array<QPushButton *, KeyFunctionCount> m_keyButtons{};
    std::array<int, KeyFunctionCount> m_keys{};
};
