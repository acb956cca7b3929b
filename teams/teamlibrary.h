#pragma once

#include "teams/team.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The clubs' teams, one small ini file per team in a folder:
//   [Team]    Name, Short, Color, TextColor (#rrggbb), Logo (a file beside it)
//   [Players] number=name, one line each
// A file that cannot be read as a team is skipped, with the reason; a team
// whose colour or logo cannot be used is kept without it, and told; names
// longer than Team::MaxNameLength are cut, and told.
namespace TeamLibrary {

// $XDG_DATA_HOME/Corvella/teams
QString defaultFolder();

// Reads one team file; nothing when it is not a team. Why a file or a part
// of it cannot be used goes to `problems`, one line each.
std::optional<Team> read(const QString &path, QStringList *problems);

// Every team in `folder`, by name. Each problem also goes to stderr, once a
// run.
QList<Team> load(const QString &folder, QStringList *problems = nullptr);

// The file a team is kept in: its name made safe for a file name.
QString fileNameOf(const QString &teamName);

// Writes `team` into `folder` (made when missing), replacing the file of
// `previousName` when the team was renamed; its logo is a file in `folder`
// (copyLogo puts it there). The reason when it cannot.
QString write(const Team &team, const QString &folder, const QString &previousName = {});

// Removes a team's file (its logo stays: another team may share it).
bool remove(const QString &teamName, const QString &folder);

// Copies a logo into `folder` under a name of its own and returns that
// name, or an empty name and the reason.
QString copyLogo(const QString &source, const QString &folder, QString *problem);

// The players of a roster file, one `number,name` line each (a header line
// is allowed); lines that are not a player go to `problems`.
QList<Player> readRoster(const QString &csvPath, QStringList *problems);

// The team of that name, if the library has it.
std::optional<Team> find(const QList<Team> &teams, const QString &name);

} // namespace TeamLibrary
