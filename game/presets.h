#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A named set of settings values for one sport, as "Group/Key" -> text. A
// preset only fills in settings; it is data, not code: the program ships one
// small file per sport, and a club adds its own beside them.
struct Preset
{
    QString name;
    QMap<QString, QString> values;

    // The name as the options show it: a shipped sport's in the program's
    // language, any other as written. Presets are still told apart by
    // `name`, so a club's file of the same name replaces the shipped one.
    QString title() const;
};

namespace Presets {

// $XDG_DATA_HOME/Corvella/presets, where a club's own presets go.
QString userFolder();

// The shipped presets, then the user's (one of the same name replaces the
// shipped one). A file that cannot be read as a preset is skipped; why goes
// to `problems`, one line per file.
QList<Preset> load(const QString &userFolder, QStringList *problems = nullptr);

// Reads one preset file; nothing, with the reason, when it is not one.
std::optional<Preset> read(const QString &path, QString *problem);

} // namespace Presets
