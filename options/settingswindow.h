#pragma once

#include "options/pagesdialog.h"

class QListWidget;
class QStackedWidget;

// The settings the board gained beside its options: the game, the keys of
// its commands, the network, the hall, the shot clock, teams, sponsors,
// sets and players, one page each, listed on the left. Ok saves only these
// pages.
class SettingsWindow : public PagesDialog
{
    Q_OBJECT

public:
    // `makeSoundDevice` makes the device the sound test plays on.
    SettingsWindow(const Settings &current, Dialogs &dialogs, SoundDeviceFactory makeSoundDevice,
                   QWidget *parent = nullptr);

    // Brings the page with this object name to the front.
    void showPageNamed(const QString &objectName);

protected:
    void insertPage(OptionsPage *page) override;
    void showPage(OptionsPage *page) override;
    QString keysClashWarning(const QString &key) const override;

private:
    QListWidget *m_list;
    QStackedWidget *m_stack;
};
