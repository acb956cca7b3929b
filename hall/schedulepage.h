#pragma once

#include <QByteArray>
#include <QString>

class Schedule;

// /hall/schedule: the day's games in time order, each done with its score
// or still to play, and with groups a table of standings per group. Its
// words are in `language` (a code; empty: English). It refreshes itself
// every RefreshSeconds, for a screen in the lobby.
QByteArray schedulePage(const Schedule &schedule, const QString &language);

constexpr int SchedulePageRefreshSeconds = 30;
