#pragma once

#include "options/optionspage.h"

#include <QPointer>

class QComboBox;
class QLineEdit;

// The page "General": the credit the board shows, the language of the
// program, and a test of the buzzer's sound chosen in the options.
class GeneralPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit GeneralPage(const OptionsServices &services, QWidget *parent = nullptr);
    ~GeneralPage() override;

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;
    void stopPlaying() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createCredit();
    QWidget *createLanguageChoice();
    QWidget *createSoundTest();
    void showBuzzerFile();
    void testBuzzerSound();

    OptionsServices m_services;
    QPointer<SoundDevice> m_testSound;
    QLineEdit *m_creditText = nullptr;
    QComboBox *m_language = nullptr;
    QLabel *m_buzzerFile = nullptr;
};
