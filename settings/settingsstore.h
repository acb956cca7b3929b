#pragma once

#include <QMap>
#include <QString>

// The per-user settings file ($XDG_CONFIG_HOME/Corvella/Corvella.conf): one
// group per section, every value as text. Keys are "Group/Key".
namespace SettingsStore {

QString filePath();

// Every value that can be read; a damaged or unreadable file yields what
// could be read of it, or nothing.
QMap<QString, QString> read();

// Writes `values` over the stored ones, keeping every other key of the file.
// Returns false when the file could not be written; the old file then stays.
[[nodiscard]] bool write(const QMap<QString, QString> &values);

} // namespace SettingsStore
