#pragma once

#include "options/optionspage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

// The page "Keys": the keys of the game's commands beside the clock's and
// the buzzer's (timeouts, periods, the break, a new game), how scores are
// typed and when the operator's hints show.
class KeysPage : public OptionsPage
{
    Q_OBJECT

public:
    enum KeyFunction {
        HomeTimeout,
        GuestTimeout,
        NextPeriod,
        PreviousPeriod,
        SkipBreak,
        NewGame,
        KeyFunctionCount
    };

    explicit KeysPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

private:
    QWidget *createGameKeys();
    QWidget *createTypingChoices();
    void setKey(KeyFunction function, int code);
    void chooseKey(KeyFunction function);
    void resetKeys();

    OptionsServices m_services;
    std::array<QPushButton *, KeyFunctionCount> m_keyButtons{};
    std::array<int, KeyFunctionCount> m_keys{};
    QCheckBox *m_wholeScores = nullptr;
    QComboBox *m_hints = nullptr;
};
