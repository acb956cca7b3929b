#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of this run.
struct CommandLine
{
    bool fullScreen = false;
    int screen = -1;                // counted from 0; -1 when not given
    QString exportTo;               // --export FILE: write the game there, open no window
    QString gameLog;                // --game PATH: the log to export instead of the newest
    bool csvForSpreadsheet = false; // --csv-excel: semicolons and a byte order mark
    QString schedule;               // --schedule FILE.csv: with --hall, the day's games
    QString stateDir;               // --state-dir DIR: the saved game and the game logs, absolute
    bool hall = false;              // --hall: the hall's pages for every court, no board
    bool headless = false;          // --headless with --hall: no window
    QString joinCodeCourt;          // --print-join-code COURT with --hall
    int port = 0;                   // --port N with --hall: instead of the web server's port
    QString acceptCourt;            // --accept COURT GAME with --hall: count a disputed result
    QString acceptGame;
    bool consoleMonitor = false; // --console-monitor: print what the hall's console sends
};

// Reads the arguments (the program's name first). --help and --version print
// their text on stdout, a wrong argument prints the reason and the usage on
// stderr; then the exit status is returned and the program should end.
// It runs before the application object exists, so that it needs no display.
std::optional<int> parseCommandLine(const QStringList &arguments, CommandLine &into);

// Why no window can be shown here, or an empty string when a display (or a
// platform that needs none) is configured.
QString missingDisplay();

// The one line the program prints when it cannot open a display.
QString cannotOpenDisplayMessage();
