#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The broker's access list for a hall (Mosquitto's acl_file). Mosquitto's
// `pattern` lines apply to every user alike, so a pattern cannot keep one
// venue's court from writing another venue's court of the same name: each
// court gets a block of its own instead, naming its own topics, and only
// the hall's user writes a court's `next`.
namespace AccessList {

// The broker's user of a court: "{venue}-{court}", unique on a broker that
// carries several venues.
QString courtUser(const QString &venue, const QString &court);

// The blocks for `courts` of `venue` and for the hall's user, who reads the
// venue and writes its courts' `next`.
QString forVenue(const QString &venue, const QStringList &courts, const QString &hallUser);

} // namespace AccessList
