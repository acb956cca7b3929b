#pragma once

#include <QString>

// Makes a rename in `folder` survive a crash of the machine. A file system
// that cannot sync a folder counts as synced.
bool syncFolder(const QString &folder);
