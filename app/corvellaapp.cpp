#include "app/corvellaapp.h"

#include "app/frmsplash.h"
#include "app/logo.h"
#include "options/frmoptions.h"
#include "scoreboard/frmscoreboard.h"

CorvellaApp::~CorvellaApp()
{
    delete m_board;
}

void CorvellaApp::start()
{
    auto *splash = new frmSplash(*m_services.dialogs, [this] { showScoreboard(); });
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
}

void CorvellaApp::showScoreboard()
{
    if (!m_board) {
        m_board = new frmScoreBoard(m_services);
        m_board->setAttribute(Qt::WA_DeleteOnClose);
        m_board->setWindowIcon(corvellaIcon());
        m_board->setStartScreenOpener([this] { showStartScreenOverBoard(); });
        m_board->setOptionsOpener([this](QWidget *parent) { showOptions(parent); });
        m_placement.attach(m_board);
    }
    m_board->show();
    m_board->raise();
    m_board->activateWindow();
}

void CorvellaApp::showStartScreenOverBoard()
{
    // Loaded afresh, as at launch; it returns when its GoScore has closed it.
    frmSplash splash(
        *m_services.dialogs, [this] { showScoreboard(); }, m_board);
    splash.exec();
}

void CorvellaApp::showOptions(QWidget *parent)
{
    frmOptions options(AppSettings, *m_services.dialogs, m_services.makeSoundDevice, parent);
    if (options.exec() == QDialog::Accepted)
        AppSettings = options.settings();
}
