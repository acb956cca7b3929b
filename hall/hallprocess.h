#pragma once

#include <QString>

// What the command line asks of the hall.
struct HallOptions
{
    QString stateFolder;  // the hall keeps its games in stateFolder/hall/{venue}
    int port = 0;         // above 0: instead of the web server's port from the settings
    QString scheduleFile; // the day's games, when given
    // --accept COURT GAME: a person accepts the game's result, then the run ends.
    QString acceptCourt;
    QString acceptGame;
};

// corvella --hall: the hall's broker feed and its web pages, with no board
// and no window. Returns the exit status: 2 when the settings name no
// broker, 1 when a result cannot be accepted. Needs a running application object (QGuiApplication:
// the printed results need fonts).
int runHall(const HallOptions &options);
