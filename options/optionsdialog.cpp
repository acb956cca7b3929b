#include "options/optionsdialog.h"

#include "display/twips.h"
#include "options/colorpage.h"
#include "options/keyboardpage.h"
#include "options/settingswindow.h"
#include "options/textpage.h"

#include <QPushButton>
#include <QTabWidget>

OptionsDialog::OptionsDialog(const Settings &current, Dialogs &dialogs,
                             SoundDeviceFactory makeSoundDevice, QWidget *parent)
    : PagesDialog(current, dialogs, std::move(makeSoundDevice), parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Corvella"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("sstOptions"));
    m_tabs->setGeometry(twipsRect(120, 120, 5085, 3975));
    m_tabs->setUsesScrollButtons(false);
    okButton()->setGeometry(twipsRect(1477, 4200, 1095, 375));
    cancelButton()->setGeometry(twipsRect(2692, 4200, 1095, 375));
    // Below the tabs, left of Ok, where the window has room to spare.
    QPushButton *more =
        dialogButton(tr("&Settings..."), "cmdSettings", this, twipsRect(120, 4200, 1237, 375));
    connect(more, &QPushButton::clicked, this, &OptionsDialog::openSettingsWindow);
    setFixedSize(twipsRect(0, 0, 5265, 4680).size());

    // Made on the dialog, so that their controls measure their texts in its font.
    addPage(new KeyboardPage(services(), this));
    addPage(new ColorPage(services(), this));
    addPage(new TextPage(services(), this));
}

void OptionsDialog::insertPage(OptionsPage *page)
{
    m_tabs->addTab(page, page->title());
}

void OptionsDialog::showPage(OptionsPage *page)
{
    m_tabs->setCurrentWidget(page);
}

void OptionsDialog::showKeysPage()
{
    m_tabs->setCurrentIndex(0);
}

QString OptionsDialog::keysClashWarning(const QString &key) const
{
    return tr("Two commands share the key %1. Choose another key for one of them on the "
              "Keyboard tab or in the settings.")
        .arg(key);
}

// The settings window saves only its own pages; what is changed here and
// not yet confirmed takes part in its checks and stays as it is here.
void OptionsDialog::openSettingsWindow()
{
    SettingsWindow window(storedValues(), services().dialogs, services().makeSoundDevice, this);
    window.setHallLinkState(services().hallLinkState);
    window.setJoysticks(services().joysticks);
    window.setValuesElsewhere(settings());
    if (window.exec() != QDialog::Accepted)
        return;
    rebase(window.settings());
    emit settingsWindowSaved(window.settings());
}
