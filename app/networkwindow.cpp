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

void NetworkWindow::show(const QWidget *board)
{
    if (!m_web.hasStatus())
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
    if (!m_web.hasStatus()) {
        m_panel->close();
        return;
    }
    const WebService::Status status = m_web.status();
    m_panel->showState(status.urls, status.pin, status.problem, status.clients, status.remotes,
                       status.secret);
    m_panel->showApiToken(status.apiToken);
    m_panel->showRecordProblem(status.recordProblem);
}
