#pragma once

#include "game/presets.h"
#include "options/optionspage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QVBoxLayout;

// The tab "Game": how the clock counts, the periods, breaks and overtime,
// timeouts and fouls, the audience display, and the presets that fill the
// rules in for a sport.
class GamePage : public OptionsPage
{
    Q_OBJECT

public:
    explicit GamePage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;
    Refusal refusal() const override;

private:
    void createClockGroup(QVBoxLayout *column);
    void createAudienceGroup(QVBoxLayout *column);
    void createPeriodsGroup(QVBoxLayout *column);
    void createTimeoutsGroup(QGridLayout *layout);
    void choosePreset(int index);
    void showMatchingPreset(const Settings &values);
    void followRuleEdits();

    OptionsServices m_services;
    Settings m_loaded;
    bool m_loading = false;
    QList<Preset> m_presetList;
    QCheckBox *m_countDown = nullptr;
    QLineEdit *m_periodLength = nullptr;
    QSpinBox *m_audienceScreen = nullptr;
    QComboBox *m_presets = nullptr;
    QSpinBox *m_periods = nullptr;
    QLineEdit *m_breaks = nullptr;
    QLineEdit *m_overtime = nullptr;
    QSpinBox *m_timeoutsPerGame = nullptr;
    QLineEdit *m_timeoutsPerHalf = nullptr;
    QLineEdit *m_timeoutLength = nullptr;
    QComboBox *m_section2Role = nullptr;
    QComboBox *m_foulsReset = nullptr;
    QSpinBox *m_foulBonusAt = nullptr;
    QSpinBox *m_scoreDigits = nullptr;
};
