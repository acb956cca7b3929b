#include "options/settingswindow.h"

#include "options/consolepage.h"
#include "options/controllerspage.h"
#include "options/gamepage.h"
#include "options/generalpage.h"
#include "options/hallpage.h"
#include "options/keyspage.h"
#include "options/networkpage.h"
#include "options/playerspage.h"
#include "options/setspage.h"
#include "options/shotclockpage.h"
#include "options/sponsorspage.h"
#include "options/teamspage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

template <typename Page> OptionsPage *makePage(const OptionsServices &services, QWidget *parent)
{
    return new Page(services, parent);
}

// The pages, in their order. A page of its own for a new part of the program
// is one more line here.
constexpr OptionsPage *(*pageFactories[])(const OptionsServices &, QWidget *) = {
    makePage<GamePage>, makePage<KeysPage>,      makePage<GeneralPage>, makePage<NetworkPage>,
    makePage<HallPage>, makePage<ShotClockPage>, makePage<TeamsPage>,   makePage<SponsorsPage>,
    makePage<SetsPage>, makePage<PlayersPage>,   makePage<ConsolePage>, makePage<ControllersPage>,
};

} // namespace

SettingsWindow::SettingsWindow(const Settings &current, Dialogs &dialogs,
                               SoundDeviceFactory makeSoundDevice, QWidget *parent)
    : PagesDialog(current, dialogs, std::move(makeSoundDevice), parent),
      m_list(new QListWidget(this)), m_stack(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(tr("Settings - Corvella"));
    m_list->setObjectName(QStringLiteral("lstSettingsPages"));
    m_stack->setObjectName(QStringLiteral("stkSettingsPages"));
    connect(m_list, &QListWidget::currentRowChanged, m_stack, &QStackedWidget::setCurrentIndex);

    auto *pagesRow = new QHBoxLayout;
    pagesRow->addWidget(m_list);
    pagesRow->addWidget(m_stack, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton());
    buttons->addWidget(cancelButton());
    auto *window = new QVBoxLayout(this);
    window->addLayout(pagesRow, 1);
    window->addLayout(buttons);

    // Made on the window, so that their controls measure their texts in its font.
    for (const auto makeOne : pageFactories)
        addPage(makeOne(services(), this));
    m_list->setCurrentRow(0);
    m_list->setFixedWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 16);
}

void SettingsWindow::insertPage(OptionsPage *page)
{
    m_stack->addWidget(page);
    m_list->addItem(page->title());
}

void SettingsWindow::showPage(OptionsPage *page)
{
    m_list->setCurrentRow(m_stack->indexOf(page));
}

void SettingsWindow::showPageNamed(const QString &objectName)
{
    if (auto *page = findChild<OptionsPage *>(objectName))
        showPage(page);
}

QString SettingsWindow::keysClashWarning(const QString &key) const
{
    return tr("Two commands share the key %1. Choose another key for one of them here or on "
              "the Keyboard tab of the options.")
        .arg(key);
}
