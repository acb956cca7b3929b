#pragma once

#include "options/optionspage.h"

class QCheckBox;
class QComboBox;
class SettingRows;

// The page "Keys": the keys of the game's commands beside the clock's and
// the buzzer's (timeouts, periods, the break, a new game, the sound and a
// short horn), how scores are typed and when the operator's hints show.
class KeysPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit KeysPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

private:
    QWidget *createGameKeys();
    QWidget *createTypingChoices();

    OptionsServices m_services;
    SettingRows *m_keys = nullptr;
    QCheckBox *m_wholeScores = nullptr;
    QComboBox *m_hints = nullptr;
};
