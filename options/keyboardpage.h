#pragma once

#include "options/optionspage.h"

#include <array>

// The tab "Keyboard Controls": the clock's and the buzzer's keys and the
// buzzer's sound.
class KeyboardPage : public OptionsPage
{
    Q_OBJECT

public:
    // What each key of the tab does.
    enum KeyFunction { StartStop, Reset, Buzzer, KeyFunctionCount };

    explicit KeyboardPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

    // The file name as the options show it: whole up to 50 characters, else
    // its first 10, " .../" and the bare name of the file (nothing when it
    // does not exist).
    static QString displayPath(const QString &path);

private:
    void createKeyGroups();
    void createBuzzerSound();
    void setKey(KeyFunction function, int code);
    void chooseKey(KeyFunction function);
    void setBuzzerFile(const QString &path);
    void chooseBuzzerSound();
    void resetKeys();

    OptionsServices m_services;
    std::array<QLabel *, KeyFunctionCount> m_keyLabels{};
    std::array<int, KeyFunctionCount> m_keys{};
    QLabel *m_buzzerSoundLabel = nullptr;
    QString m_buzzerFile;
};
