#include "scoreboard/scoreboardwindow.h"

#include "display/controls.h"
#include "display/leddigit.h"
#include "game/gamehistory.h"
#include "scoreboard/operatorhints.h"

#include <QCloseEvent>

ScoreBoardWindow::ScoreBoardWindow(GameModel &game, GameHistory &history, const Settings &settings,
                                   Dialogs &dialogs, QWidget *parent)
    : BoardView(game, settings, parent), m_history(history), m_dialogs(dialogs)
{
    setTabOrder();
    routeKeys();
    createShortcuts();
    updateTitle();
}

ScoreBoardWindow::~ScoreBoardWindow() = default;

void ScoreBoardWindow::setTabOrder()
{
    const Controls &c = controls();
    const QList<QWidget *> order = {
        c.homeTeamPanel,   c.guestTeamPanel, c.clockPanel,      clockDigits()[4],
        clockDigits()[3],  clockDigits()[2], clockDigits()[1],  c.home1Panel,
        home1Digits()[0],  home1Digits()[1], c.guest1Panel,     guest1Digits()[0],
        guest1Digits()[1], c.home2Panel,     home2Digits()[0],  home2Digits()[1],
        c.guest2Panel,     clockDigits()[5], guest2Digits()[0], guest2Digits()[1]};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    c.homeTeamPanel->setFocus();
}

void ScoreBoardWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void ScoreBoardWindow::setSaveProblem(const QString &problem)
{
    m_saveProblem = problem;
    updateTitle();
}

void ScoreBoardWindow::setOperatorHints(bool on)
{
    if (on == showsOperatorHints())
        return;
    if (on) {
        m_hints = new OperatorHints(this);
        m_hints->showFocus();
    } else {
        delete m_hints;
        m_hints = nullptr;
    }
}

void ScoreBoardWindow::updateHints(int keyAscii)
{
    if (!m_hints)
        return;
    QString typed = m_clockEntry.pendingText();
    if (m_scoreEntry.pendingScore() >= 0 && !m_scoreEntry.pendingText().isEmpty())
        typed = m_scoreEntry.pendingText();
    m_hints->showTyped(typed);
    if (keyAscii >= 'A' && keyAscii <= 'Z')
        m_hints->showCapsLock(true);
    else if (keyAscii >= 'a' && keyAscii <= 'z')
        m_hints->showCapsLock(false);
}

void ScoreBoardWindow::updateTitle()
{
    const QString title = QStringLiteral("Corvella by Brannick");
    setWindowTitle(m_saveProblem.isEmpty() ? title : title + QStringLiteral(" - ") + m_saveProblem);
}
