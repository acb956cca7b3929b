#pragma once

#include "game/presets.h"
#include "settings/appsettings.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class Dialogs;
class PictureBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class SoundDevice;

// The options: command keys, buzzer sound, colours and captions. It edits a
// working copy of the settings it was opened with; OK saves the working copy
// and settings() gives it to the caller, Cancel drops it.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    using SoundDeviceFactory = std::function<SoundDevice *(QObject *parent)>;

    // `makeSoundDevice` makes the device the Test button plays the sound on.
    OptionsDialog(const Settings &current, Dialogs &dialogs, SoundDeviceFactory makeSoundDevice,
                  QWidget *parent = nullptr);
    ~OptionsDialog() override;

    // The working copy: after OK, the values the operator confirmed.
    Settings settings() const;
    // A page of settings from another part of the program, shown as a tab;
    // `store` writes its fields into the values OK gives back.
    void addPage(QWidget *page, const QString &title, std::function<void(Settings &)> store);

    // The file name as the options show it: whole up to 50 characters, else
    // its first 10, " .../" and the bare name of the file (nothing when it
    // does not exist).
    static QString displayPath(const QString &path);
    // The largest caption size from 60 down to 10 at which both team names fit
    // their place on the board; 9 when none does.
    static qint16 previewSize(const QString &home, const QString &guest);

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

    qint16 workingCaptionSize() const { return m_tempSize; }
    const QString &workingBuzzerFile() const { return m_buzzerTemp; }
    std::array<int, KeyFunctionCount> workingKeys() const { return m_keys; }

    void updatePreview();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // One edited setting: the member of Settings and the control that holds
    // it in the working copy (none for the caption size, held in m_tempSize).
    struct Field
    {
        SettingsEntry::Member member;
        QWidget *control;
    };

    void createKeyboardTab(QWidget *page);
    void createColorTab(QWidget *page);
    void createTextTab(QWidget *page);
    void createLanguageChoice(QWidget *page);
    void createGameTab(QWidget *page);
    void createPeriodsGroup(QWidget *page);
    void applyPreset(int index);
    void showMatchingPreset();
    void bindFields();
    void fitTabs();
    void showFields(const Settings &values, const std::function<bool(const Field &)> &which);
    void showField(const Field &field, const Settings &values);
    void takeField(const Field &field, Settings &into) const;
    int keyFunctionOf(const QWidget *control) const;
    void chooseKey(KeyFunction function);
    QList<int> takenKeys() const;
    void createGameKeys(QWidget *page);
    void createTimeoutsGroup(QWidget *page);
    void setKey(KeyFunction function, int code);
    void pickColor(PictureBox *swatch);
    void setBuzzerFile(const QString &path);
    void chooseBuzzerSound();
    void testBuzzerSound();
    void stopTestSound();
    void resetColors();
    void resetKeys();
    void saveAndClose();

    Settings m_current;
    Dialogs &m_dialogs;
    SoundDeviceFactory m_makeSoundDevice;
    QPointer<SoundDevice> m_testSound;
    std::vector<Field> m_fields;
    std::vector<std::function<void(Settings &)>> m_pageStores;
    QTabWidget *m_tabs;
    QComboBox *m_presets = nullptr;
    QList<Preset> m_presetList;
    // A key's name shows on a label, or on the button that changes it.
    std::array<QWidget *, KeyFunctionCount> m_keyLabels{};
    std::array<int, KeyFunctionCount> m_keys{};
    QLabel *m_buzzerSoundLabel;
    QLineEdit *m_homeText, *m_guestText;
    QLabel *m_homePreview, *m_guestPreview;
    QString m_buzzerTemp;
    qint16 m_tempSize = 0;
};
