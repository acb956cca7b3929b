#pragma once

#include "options/optionspage.h"

#include <QPointer>

#include <array>

class QCheckBox;
class QComboBox;

// The tab "Keyboard Controls": the command keys, the buzzer's sound with its
// test, how scores are typed and when the operator's hints show.
class KeyboardPage : public OptionsPage
{
    Q_OBJECT

public:
    // What each key of the options does.
    enum KeyFunction {
        StartStop,
        Reset,
        Buzzer,
        HomeTimeout,
        GuestTimeout,
        NextPeriod,
        PreviousPeriod,
        SkipBreak,
        NewGame,
        KeyFunctionCount
    };

    explicit KeyboardPage(const OptionsServices &services, QWidget *parent = nullptr);
    ~KeyboardPage() override;

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

    // The keys a board with these settings obeys: the original three always,
    // those of periods, timeouts and the shot clock while the game has them.
    static QList<int> keysInUse(const Settings &settings);
    // The file name as the options show it: whole up to 50 characters, else
    // its first 10, " .../" and the bare name of the file (nothing when it
    // does not exist).
    static QString displayPath(const QString &path);

    void stopTestSound();

private:
    void createKeyGroups();
    void createBuzzerSound();
    void createGameKeys(QGridLayout *layout);
    void createTypingChoices(QGridLayout *layout);
    void setKey(KeyFunction function, int code);
    void chooseKey(KeyFunction function);
    void setBuzzerFile(const QString &path);
    void chooseBuzzerSound();
    void testBuzzerSound();
    void resetKeys();

    OptionsServices m_services;
    QPointer<SoundDevice> m_testSound;
    // A key's name shows on a label, or on the button that changes it.
    std::array<QWidget *, KeyFunctionCount> m_keyLabels{};
    std::array<int, KeyFunctionCount> m_keys{};
    QLabel *m_buzzerSoundLabel = nullptr;
    QString m_buzzerFile;
    QCheckBox *m_wholeScores = nullptr;
    QComboBox *m_hints = nullptr;
};
