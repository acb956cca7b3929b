#pragma once

#include "options/optionspage.h"
#include "settings/appsettings.h"

#include <QDialog>

#include <vector>

class KeyboardPage;
class QPushButton;
class QTabWidget;

// The options: one page per tab, each showing and giving back its own
// settings. It edits a working copy of the settings it was opened with; OK
// saves the working copy and settings() gives it to the caller, Cancel drops it.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    using SoundDeviceFactory = OptionsServices::SoundDeviceFactory;

    // `makeSoundDevice` makes the device the Test button plays the sound on.
    OptionsDialog(const Settings &current, Dialogs &dialogs, SoundDeviceFactory makeSoundDevice,
                  QWidget *parent = nullptr);
    ~OptionsDialog() override;

    // The working copy: after OK, the values the operator confirmed.
    Settings settings() const;
    // One more page, as the last tab, showing the values the dialog holds.
    void addPage(OptionsPage *page);
    // What the Hall page tells of the link as it stands.
    void setHallLinkState(std::function<QString()> state);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showOnEveryPage(const Settings &values);
    bool refusedByAPage();
    bool keysClash();
    void saveAndClose();
    void stopSoundTest();
    KeyboardPage *keyboardPage() const;
    void fitToPages();

    Settings m_current;
    OptionsServices m_services;
    std::vector<OptionsPage *> m_pages;
    QTabWidget *m_tabs;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
