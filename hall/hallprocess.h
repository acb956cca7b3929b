#pragma once

#include <QString>

#include <optional>

// What the command line asks of the hall.
struct HallOptions
{
    QString stateFolder;  // the hall keeps its games in stateFolder/hall/{venue}
    int port = 0;         // above 0: instead of the web server's port from the settings
    QString scheduleFile; // the day's games, when given
    // --accept COURT GAME: a person accepts the game's result, then the run ends.
    QString acceptCourt;
    QString acceptGame;
    // --print-join-code COURT: prints the court's join code, then the run ends.
    QString joinCodeCourt;
};

// corvella --hall --headless: the hall's broker feed and its web pages, with
// no board and no window. Returns the exit status: 2 when the hall cannot
// start (no broker of its own can be started, a broker setting that does not
// read, a schedule refused), 1 when a result cannot be accepted or the pages
// cannot be served. Needs a running application object (QGuiApplication: the
// printed results need fonts).
int runHall(const HallOptions &options);
// --accept and --print-join-code: one thing done, no service. Nothing when
// the options ask for neither.
std::optional<int> runHallCommand(const HallOptions &options);
