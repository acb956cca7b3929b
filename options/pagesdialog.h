#pragma once

#include "options/optionspage.h"
#include "settings/appsettings.h"

#include <QDialog>

#include <optional>
#include <vector>

class QPushButton;

// What the options and the settings window share: pages that each show and
// give back their own settings, a working copy of the settings the window
// was opened with, and Ok that saves it once every page agrees, Cancel that
// drops it.
class PagesDialog : public QDialog
{
    Q_OBJECT

public:
    using SoundDeviceFactory = OptionsServices::SoundDeviceFactory;

    ~PagesDialog() override;

    // The working copy: after Ok, the values the operator confirmed. Only
    // this window's pages change it.
    Settings settings() const;
    // One more page, after the others, showing the values the window holds.
    void addPage(OptionsPage *page);
    // What the Hall page tells of the link as it stands.
    void setHallLinkState(std::function<QString()> state);
    void setJoysticks(JoystickReader *joysticks) { m_services.joysticks = joysticks; }
    // The values another open window holds and has not saved yet: the rules
    // that span both windows (no key for two commands) are checked on them
    // with this window's pages, though Ok saves only this window's.
    void setValuesElsewhere(const Settings &values);

protected:
    PagesDialog(const Settings &current, Dialogs &dialogs, SoundDeviceFactory makeSoundDevice,
                QWidget *parent);

    // Where the window shows its pages, and how it brings one to the front.
    virtual void insertPage(OptionsPage *page) = 0;
    virtual void showPage(OptionsPage *page) = 0;
    // Says that two commands share `key`, and where to choose another.
    virtual QString keysClashWarning(const QString &key) const = 0;
    // Brings forward the page where the keys of the window that clash with
    // another are chosen.
    virtual void showKeysPage() {}

    void keyPressEvent(QKeyEvent *event) override;

    // The values the window was opened with, as they stand in the store.
    const Settings &storedValues() const { return m_current; }
    OptionsServices &services() { return m_services; }
    // Replaces the values the pages were loaded from with `values`, as they
    // now stand in the store, and shows them.
    void rebase(const Settings &values);
    // The buttons that close the window, for the windows to place.
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    // A button whose caption may be longer in a translation than its place.
    static QPushButton *dialogButton(const QString &text, const char *name, QWidget *parent,
                                     QRect geometry);

private:
    // This window's pages on the values elsewhere: what the board would have
    // if both windows were confirmed now.
    Settings valuesToCheck() const;
    void showOnEveryPage(const Settings &values);
    void takeChosenValues(const Settings &values);
    bool refusedByAPage();
    bool keysClash();
    void saveAndClose();
    void stopPlaying();

    Settings m_current;
    std::optional<Settings> m_elsewhere;
    OptionsServices m_services;
    std::vector<OptionsPage *> m_pages;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
