#pragma once

#include "app/windowplacement.h"
#include "platform/services.h"
#include "scoreboard/frmscoreboard.h"

#include <QPointer>

class QWidget;

// Ties the windows together: the start screen at launch, the scoreboard it
// leads to, and the way back to the start screen and the options.
class CorvellaApp
{
public:
    explicit CorvellaApp(const Services &services) : m_services(services) {}
    ~CorvellaApp();

    // Shows the start screen as the program's first window.
    void start();
    frmScoreBoard *scoreboard() const { return m_board; }
    WindowPlacement &placement() { return m_placement; }

private:
    void showScoreboard();
    void showStartScreenOverBoard();
    void showOptions(QWidget *parent);

    Services m_services;
    QPointer<frmScoreBoard> m_board;
    WindowPlacement m_placement;
};
