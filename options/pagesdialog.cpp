#include "options/pagesdialog.h"

#include "display/twips.h"
#include "options/keyname.h"
#include "platform/dialogs.h"
#include "settings/commandkeys.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// `into` takes every field in which `from` differs from `base`.
void copyChangedFields(const Settings &from, const Settings &base, Settings &into)
{
    for (const SettingsEntry &entry : settingsEntries()) {
        std::visit(
            [&](auto member) {
                if (!(from.*member == base.*member))
                    into.*member = from.*member;
            },
            entry.member);
    }
}

} // namespace

PagesDialog::PagesDialog(const Settings &current, Dialogs &dialogs,
                         SoundDeviceFactory makeSoundDevice, QWidget *parent)
    : QDialog(parent), m_current(current), m_services{dialogs, std::move(makeSoundDevice),
                                                      [this] { return valuesToCheck(); }}
{
    setFont(defaultWindowFont());
    m_ok = dialogButton(tr("&Ok"), "cmdOk", this, {});
    m_ok->setDefault(true); // Enter presses it (keyPressEvent)
    m_cancel = dialogButton(tr("&Cancel"), "cmdCancel", this, {});
    connect(m_ok, &QPushButton::clicked, this, &PagesDialog::saveAndClose);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

PagesDialog::~PagesDialog()
{
    stopPlaying();
}

QPushButton *PagesDialog::dialogButton(const QString &text, const char *name, QWidget *parent,
                                       QRect geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false); // Enter is handled in keyPressEvent
    widenToText(b);
    return b;
}

void PagesDialog::setHallLinkState(std::function<QString()> state)
{
    m_services.hallLinkState = std::move(state);
}

void PagesDialog::setValuesElsewhere(const Settings &values)
{
    m_elsewhere = values;
}

void PagesDialog::stopPlaying()
{
    for (OptionsPage *page : m_pages)
        page->stopPlaying();
}

void PagesDialog::addPage(OptionsPage *page)
{
    m_pages.push_back(page);
    insertPage(page);
    page->load(m_current);
    connect(page, &OptionsPage::valuesChosen, this, &PagesDialog::takeChosenValues);
}

Settings PagesDialog::settings() const
{
    Settings values = m_current;
    for (const OptionsPage *page : m_pages)
        page->store(values);
    return values;
}

Settings PagesDialog::valuesToCheck() const
{
    Settings values = m_elsewhere.value_or(m_current);
    for (const OptionsPage *page : m_pages)
        page->store(values);
    return values;
}

void PagesDialog::rebase(const Settings &values)
{
    // What the operator changed here and has not confirmed stays as typed.
    Settings shown = values;
    copyChangedFields(settings(), m_current, shown);
    m_current = values;
    if (m_elsewhere)
        m_elsewhere = values;
    showOnEveryPage(shown);
}

// A choice that reaches beyond this window's pages (a preset's caption for
// section 2) is kept with them: what it changed is saved here, and nothing
// else of the other window's.
void PagesDialog::takeChosenValues(const Settings &values)
{
    const Settings before = valuesToCheck();
    copyChangedFields(values, before, m_current);
    if (m_elsewhere)
        copyChangedFields(values, before, *m_elsewhere);
    showOnEveryPage(values);
}

void PagesDialog::showOnEveryPage(const Settings &values)
{
    for (OptionsPage *page : m_pages)
        page->load(values);
}

// A page's values that cannot be saved keep the window open on that page,
// at the field to put right.
bool PagesDialog::refusedByAPage()
{
    for (OptionsPage *page : m_pages) {
        const OptionsPage::Refusal refused = page->refusal();
        if (refused.reason.isEmpty())
            continue;
        showPage(page);
        m_services.dialogs.showWarning(this, QStringLiteral("Corvella"), refused.reason);
        if (refused.field)
            refused.field->setFocus();
        return true;
    }
    return false;
}

// Keys chosen apart can meet when periods or timeouts are turned on later,
// by hand or by a preset, and the keys of the options and of the settings
// window are chosen in two windows: the board would obey only one of them.
bool PagesDialog::keysClash()
{
    const QList<int> taken = keysInUse(valuesToCheck());
    for (qsizetype i = 0; i < taken.size(); ++i) {
        if (taken.indexOf(taken[i]) == i)
            continue;
        showKeysPage();
        m_services.dialogs.showWarning(this, QStringLiteral("Corvella"),
                                       keysClashWarning(keyDisplayName(taken[i])));
        return true;
    }
    return false;
}

void PagesDialog::saveAndClose()
{
    stopPlaying();
    if (refusedByAPage() || keysClash())
        return;
    if (!saveSettings(settings())) {
        m_services.dialogs.showWarning(this, QStringLiteral("Corvella"),
                                       tr("The settings could not be saved. They apply until "
                                          "Corvella is closed, but will be lost then."));
    }
    for (OptionsPage *page : m_pages)
        if (const QString problem = page->saveFiles(); !problem.isEmpty())
            m_services.dialogs.showWarning(this, QStringLiteral("Corvella"), problem);
    accept();
}

void PagesDialog::keyPressEvent(QKeyEvent *event)
{
    // Esc never closes the window, and Enter only where no text field takes
    // it: Ok, Cancel and the close box do.
    const QWidget *focused = focusWidget();
    const auto *combo = qobject_cast<const QComboBox *>(focused);
    const bool typing = qobject_cast<const QLineEdit *>(focused) ||
                        qobject_cast<const QAbstractSpinBox *>(focused) ||
                        (combo && combo->isEditable());
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (!typing)
            saveAndClose();
        return;
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
