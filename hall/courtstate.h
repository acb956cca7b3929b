#pragma once

#include <QByteArray>
#include <QJsonObject>

#include <optional>

// A court's state as the hall takes it from the broker: the fields the
// hall's pages read must have the types a board gives them, or the state is
// refused whole (a page never shows "NaN"). The hall keeps the parts a
// lobby shows (the game, the time it was taken, scores, clock, teams, shot
// clock, possession, sets, board) and ignores the rest: the players' part,
// the penalties, the sponsors and any field it does not know. A team's
// logo, a path on the court's computer, is dropped. Nothing either when
// what is kept is over `maxKeptBytes`.
std::optional<QJsonObject> courtState(const QByteArray &payload, qsizetype maxKeptBytes);
