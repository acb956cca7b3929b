#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

struct Settings;
struct SettingsEntry;

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

// Whether a setting is a rule of the game a preset carries: how the clock
// counts, the periods, timeouts and fouls; not captions, colours or keys.
bool isRule(const SettingsEntry &entry);

// `values` as the operator gets them on choosing `chosen` among `all`: each
// setting it names takes its value; a rule it does not name goes back to its
// default, and so does a caption still reading as another preset gave it, so
// that nothing of an earlier preset stays behind. Captions the operator
// typed stay.
Settings apply(const Preset &chosen, const QList<Preset> &all, Settings values);

// Whether the rules in `values` are the preset's.
bool rulesMatch(const Preset &preset, const Settings &values);

} // namespace Presets
