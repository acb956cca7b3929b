#pragma once

#include "app/operatorpanel.h"

#include <QObject>
#include <QPointer>

class WebService;

// The operator's window for the board on the network: opened on request
// while the web service has something to show, kept up to date with it, and
// closed when the server goes off.
class NetworkWindow : public QObject
{
    Q_OBJECT

public:
    explicit NetworkWindow(const WebService &web, QObject *parent = nullptr);
    ~NetworkWindow() override;

    // Shows the window beside `board` when there is one; nothing while the
    // server is off.
    void show(const QWidget *board = nullptr);
    OperatorPanel *panel() const { return m_panel; }

signals:
    // The operator asked for a new API token.
    void tokenRenewalRequested();

private:
    void update();

    const WebService &m_web;
    QPointer<OperatorPanel> m_panel;
};
