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
    // server is off and no hall is linked.
    void show(const QWidget *board = nullptr);
    // The hall's link: whether there is one, its state for the operator
    // (empty while it is down, which the record problem tells), and the next
    // game the hall announced ("Home - Guest (Sport)").
    void setHall(bool linked, const QString &link, const QString &nextGame);
    // Every sound off (sound.mute), told until it is on again.
    void setSoundOff(bool off);
    OperatorPanel *panel() const { return m_panel; }

signals:
    // The operator asked for a new API token.
    void tokenRenewalRequested();

private:
    void update();
    bool hasSomethingToShow() const;

    const WebService &m_web;
    QPointer<OperatorPanel> m_panel;
    bool m_hallLinked = false;
    QString m_hallLink;
    QString m_nextGame;
    bool m_soundOff = false;
};
