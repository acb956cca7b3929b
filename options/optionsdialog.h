#pragma once

#include "options/pagesdialog.h"

class QTabWidget;

// The options as the board has always had them: the command keys and the
// buzzer sound, the colours and the captions, on three tabs of a window of
// a fixed size. What came later is in the settings window, which a button
// here opens.
class OptionsDialog : public PagesDialog
{
    Q_OBJECT

public:
    // `makeSoundDevice` makes the device the settings window's sound test
    // plays on.
    OptionsDialog(const Settings &current, Dialogs &dialogs, SoundDeviceFactory makeSoundDevice,
                  QWidget *parent = nullptr);

signals:
    // The settings window opened from here was confirmed and saved
    // `values`: they hold from now on, whatever becomes of the options.
    void settingsWindowSaved(const Settings &values);

protected:
    void insertPage(OptionsPage *page) override;
    void showPage(OptionsPage *page) override;
    QString keysClashWarning(const QString &key) const override;
    void showKeysPage() override;

private:
    void openSettingsWindow();

    QTabWidget *m_tabs;
};
