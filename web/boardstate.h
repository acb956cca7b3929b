#pragma once

#include <QJsonObject>

class GameModel;
struct Settings;

// What a browser needs to draw the board, as JSON: the scores, the clock as
// "running or not, and its value now", and the board's captions and colours.
// A page connecting gets the whole of it; after that only the parts that
// changed travel.
namespace BoardState {

// Top-level parts of a snapshot; a change message carries whole parts.
inline constexpr QLatin1StringView Scores{"scores"};
inline constexpr QLatin1StringView Clock{"clock"};
inline constexpr QLatin1StringView Board{"board"};
inline constexpr QLatin1StringView Teams{"teams"};
inline constexpr QLatin1StringView ShotClock{"shotClock"};
inline constexpr QLatin1StringView Possession{"possession"};
inline constexpr QLatin1StringView Sets{"sets"};
inline constexpr QLatin1StringView Sponsors{"sponsors"};

QJsonObject snapshot(const GameModel &game, const Settings &settings);
QJsonObject clockPart(const GameModel &game);
QJsonObject boardPart(const GameModel &game, const Settings &settings);
// The shot clock as "on or not, running or not, dark or not, and its value
// now"; off, the same object, never running, so readers need no other case.
QJsonObject shotClockPart(const GameModel &game);
// Whether sponsor slides show now and, when they do, how long their phase
// has run (moving on while `running`) and how long each slide stays: the
// display page turns its slides in step with the board's.
QJsonObject sponsorsPart(const GameModel &game, const Settings &settings);

// The parts of `after` that differ from `before`. The clock part is always
// there while the clock or a timeout runs, the shot clock's while it runs,
// since their values move on.
QJsonObject changedParts(const QJsonObject &before, const QJsonObject &after);

// A stored colour (0x00BBGGRR) as a CSS colour, "#rrggbb".
QString cssColor(qint32 bgr);

} // namespace BoardState
