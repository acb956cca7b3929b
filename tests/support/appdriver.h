#pragma once

#include "app/corvellaapp.h"
#include "app/startscreen.h"

#include <QApplication>

// The start screen the program shows now, if any.
inline StartScreen *visibleSplash()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *s = qobject_cast<StartScreen *>(w); s && s->isVisible())
            return s;
    return nullptr;
}

// Starts the program and goes on from its start screen to the board.
inline ScoreBoardWindow *openBoard(CorvellaApp &app)
{
    app.start();
    StartScreen *splash = visibleSplash();
    if (!splash)
        return nullptr;
    splash->goToScoreboard();
    return app.scoreboard();
}
