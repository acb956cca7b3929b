#pragma once

#include <QString>

// corvella --hall: the hall's broker feed and its web pages, with no board
// and no window. `stateFolder` holds the games it keeps; `port` replaces
// the web server's port from the settings when above 0. Returns the exit
// status: 2 when the settings name no broker. Needs a running application
// object (QGuiApplication: the printed results need fonts).
int runHall(const QString &stateFolder, int port);
