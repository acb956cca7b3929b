#include "options/optionsdialog.h"

#include "display/twips.h"
#include "options/colorpage.h"
#include "options/gamepage.h"
#include "options/hallpage.h"
#include "options/keyboardpage.h"
#include "options/keyname.h"
#include "options/networkpage.h"
#include "options/playerspage.h"
#include "options/setspage.h"
#include "options/shotclockpage.h"
#include "options/sponsorspage.h"
#include "options/teamspage.h"
#include "options/textpage.h"
#include "platform/dialogs.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

namespace {

template <typename Page> OptionsPage *makePage(const OptionsServices &services, QWidget *parent)
{
    return new Page(services, parent);
}

// The tabs, in their order. A page of its own for a new part of the program
// is one more line here.
constexpr OptionsPage *(*pageFactories[])(const OptionsServices &, QWidget *) = {
    makePage<KeyboardPage>, makePage<ColorPage>, makePage<TextPage>,      makePage<GamePage>,
    makePage<NetworkPage>,  makePage<HallPage>,  makePage<ShotClockPage>, makePage<TeamsPage>,
    makePage<SponsorsPage>, makePage<SetsPage>,  makePage<PlayersPage>,
};

// The room the original window left around the tabs and below the buttons.
constexpr int MarginTwips = 120;
constexpr int ButtonGapTwips = 105;

QPushButton *dialogButton(const QString &text, const char *name, QWidget *parent, QRect geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false); // Enter is handled in keyPressEvent
    widenToText(b);
    return b;
}

} // namespace

OptionsDialog::OptionsDialog(const Settings &current, Dialogs &dialogs,
                             SoundDeviceFactory makeSoundDevice, QWidget *parent)
    : QDialog(parent), m_current(current), m_services{dialogs, std::move(makeSoundDevice),
                                                      [this] { return settings(); }}
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Corvella"));
    setFont(defaultWindowFont());

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("sstOptions"));
    m_tabs->setGeometry(twipsRect(MarginTwips, MarginTwips, 5085, 3975));
    // Every tab in sight: the dialog widens to the tabs instead.
    m_tabs->setUsesScrollButtons(false);

    m_ok = dialogButton(tr("&Ok"), "cmdOk", this, twipsRect(1477, 4200, 1095, 375));
    m_ok->setDefault(true); // Enter presses it (keyPressEvent)
    m_cancel = dialogButton(tr("&Cancel"), "cmdCancel", this, twipsRect(2692, 4200, 1095, 375));
    connect(m_ok, &QPushButton::clicked, this, &OptionsDialog::saveAndClose);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Made on the dialog, so that their controls measure their texts in its font.
    for (const auto makeOne : pageFactories)
        addPage(makeOne(m_services, this));
}

OptionsDialog::~OptionsDialog()
{
    stopSoundTest();
}

void OptionsDialog::setHallLinkState(std::function<QString()> state)
{
    m_services.hallLinkState = std::move(state);
}

KeyboardPage *OptionsDialog::keyboardPage() const
{
    for (OptionsPage *page : m_pages) {
        if (auto *keyboard = qobject_cast<KeyboardPage *>(page))
            return keyboard;
    }
    return nullptr;
}

void OptionsDialog::stopSoundTest()
{
    if (KeyboardPage *keyboard = keyboardPage())
        keyboard->stopTestSound();
}

void OptionsDialog::addPage(OptionsPage *page)
{
    m_pages.push_back(page);
    m_tabs->addTab(page, page->title());
    page->load(m_current);
    connect(page, &OptionsPage::valuesChosen, this, &OptionsDialog::showOnEveryPage);
    fitToPages();
}

Settings OptionsDialog::settings() const
{
    Settings values = m_current;
    for (const OptionsPage *page : m_pages)
        page->store(values);
    return values;
}

void OptionsDialog::showOnEveryPage(const Settings &values)
{
    for (OptionsPage *page : m_pages)
        page->load(values);
}

// The tabs grow to the largest page and every tab's caption; the original
// window's size is the least, and the buttons stay below the tabs.
void OptionsDialog::fitToPages()
{
    const QSize original = twipsRect(0, 0, 5085, 3975).size();
    m_tabs->resize(m_tabs->sizeHint().expandedTo(m_tabs->minimumSizeHint()).expandedTo(original));
    const int buttonsTop = m_tabs->geometry().bottom() + 1 + twipsToPixels(ButtonGapTwips);
    m_ok->move(m_ok->x(), buttonsTop);
    m_cancel->move(std::max(m_cancel->x(), m_ok->geometry().right() + 1 + twipsToPixels(120)),
                   buttonsTop);
    const int margin = twipsToPixels(MarginTwips);
    setFixedSize(std::max(m_tabs->geometry().right() + 1, m_cancel->geometry().right()) +
                     margin / 2,
                 m_ok->geometry().bottom() + 1 + twipsToPixels(ButtonGapTwips));
}

// A page's values that cannot be saved keep the options open on that page,
// at the field to put right.
bool OptionsDialog::refusedByAPage()
{
    for (OptionsPage *page : m_pages) {
        const OptionsPage::Refusal refused = page->refusal();
        if (refused.reason.isEmpty())
            continue;
        m_tabs->setCurrentWidget(page);
        m_services.dialogs.showWarning(this, QStringLiteral("Corvella"), refused.reason);
        if (refused.field)
            refused.field->setFocus();
        return true;
    }
    return false;
}

// Keys chosen apart can meet when periods or timeouts are turned on later,
// by hand or by a preset: the board would obey only one of them.
bool OptionsDialog::keysClash()
{
    const QList<int> taken = KeyboardPage::keysInUse(settings());
    for (qsizetype i = 0; i < taken.size(); ++i) {
        if (taken.indexOf(taken[i]) == i)
            continue;
        m_tabs->setCurrentWidget(keyboardPage());
        m_services.dialogs.showWarning(
            this, QStringLiteral("Corvella"),
            tr("Two commands share the key %1. Choose another key for one "
               "of them on the Keyboard tab.")
                .arg(keyDisplayName(taken[i])));
        return true;
    }
    return false;
}

void OptionsDialog::saveAndClose()
{
    stopSoundTest();
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

void OptionsDialog::keyPressEvent(QKeyEvent *event)
{
    // Esc never closes the options, and Enter only where no text field takes
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
