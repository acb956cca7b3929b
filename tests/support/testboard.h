#pragma once

#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"

// A game, its undo history and the operator's window on it, built from the
// settings a test gives.
struct TestBoard
{
    explicit TestBoard(FakeServices &fakes, const Settings &settings = defaultSettings())
        : game(fakes.time), history(game), window(game, history, settings, fakes.dialogs)
    {
    }

    GameModel game;
    GameHistory history{game};
    ScoreBoardWindow window;
};
