#pragma once

#include "app/corvellaapp.h"
#include "app/frmsplash.h"

#include <QApplication>

// The start screen the program shows now, if any.
inline frmSplash *visibleSplash()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *s = qobject_cast<frmSplash *>(w); s && s->isVisible())
            return s;
    return nullptr;
}

// Starts the program and goes on from its start screen to the board.
inline frmScoreBoard *openBoard(CorvellaApp &app)
{
    app.start();
    frmSplash *splash = visibleSplash();
    if (!splash)
        return nullptr;
    splash->GoScore();
    return app.scoreboard();
}
