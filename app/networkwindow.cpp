#include "app/networkwindow.h"

#include "web/webservice.h"

NetworkWindow::NetworkWindow(const WebService &web, QObject *parent) : QObject(parent), m_web(web)
{
    connect(&web, &WebService::statusChanged, this, &NetworkWindow::update);
}

NetworkWindow::~NetworkWindow()
{
    delete m_panel;
}

bool NetworkWindow::hasSomethingToShow() const
{
    return m_web.hasStatus() || m_hallLinked;
}

void NetworkWindow::setHall(bool linked, const QString &link, const QString &nextGame)
{
    m_hallLinked = linked;
    m_hallLink = link;
    m_nextGame = nextGame;
    update();
}

void NetworkWindow::show(const QWidget *board)
{
    if (!hasSomethingToShow())
        return;
    if (!m_panel) {
        m_panel = new OperatorPanel;
        m_panel->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_panel, &OperatorPanel::renewTokenRequested, this,
                &NetworkWindow::tokenRenewalRequested);
    }
    update();
    m_panel->placeBeside(board);
    m_panel->show();
    m_panel->raise();
}

void NetworkWindow::update()
{
    if (!m_panel)
        return;
    if (!hasSomethingToShow()) {
        m_panel->close();
        return;
    }
    const WebService::Status status = m_web.status();
    if (m_web.hasStatus())
        m_panel->showState(status.urls, status.pin, status.problem, status.clients, status.remotes,
                           status.secret);
    else
        m_panel->showServerOff();
    m_panel->showApiToken(m_web.hasStatus() ? status.apiToken : QString());
    m_panel->showRecordProblem(status.recordProblem);
    m_panel->showHall(m_hallLinked, m_hallLink, m_nextGame);
    m_panel->showSoundOff(m_soundOff);
}

void NetworkWindow::setSoundOff(bool off)
{
    m_soundOff = off;
    update();
}
