#pragma once

#include <QMap>
#include <QString>

// The per-user settings file ($XDG_CONFIG_HOME/Corvella/Corvella.conf): one
// group per section, every value as text. Keys are "Group/Key".
namespace SettingsStore {

// Computed without opening the file, so it is safe whatever lies there.
QString filePath();

// Every value that can be read; a damaged file yields every key that could
// be read of it. Never blocks: a store that is not a regular file, or cannot
// be read, yields nothing and one line on stderr.
QMap<QString, QString> read();

// Writes `values` over the stored ones, keeping every other key of the file.
// The file is replaced atomically: afterwards it holds either the complete
// new contents or the old ones. Returns false when the new contents could not
// be written completely, or when another process held the store's lock for
// longer than LockTimeoutMs. Called on the user-interface thread, it keeps
// that thread's timers and painting going while the file is written.
[[nodiscard]] bool write(const QMap<QString, QString> &values);

inline constexpr int LockTimeoutMs = 2000;

} // namespace SettingsStore
