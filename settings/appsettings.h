#pragma once

#include <QMap>
#include <QString>
#include <QtGlobal>

#include <climits>

#include <span>
#include <variant>

// The longest captions the options accept, longer stored ones load cut to
// this; and the most of what the rules count.
namespace SettingsLimits {
inline constexpr qsizetype TeamTextLength = 20;
inline constexpr qsizetype SectionTextLength = 18;
inline constexpr qsizetype CreditTextLength = 18;
inline constexpr qint16 MaxPeriods = 99;
inline constexpr qint16 MaxTimeouts = 5;
inline constexpr qint16 MaxShotClockSeconds = 99;
inline constexpr qint16 MaxSetsToWin = 5;
inline constexpr qint16 MaxSetPoints = 99;
inline constexpr qint16 MaxPlayerCount = 99;
} // namespace SettingsLimits

// Everything the operator can configure, each field with its default, as
// declaredsettings.h declares them. Field names are the keys of the
// settings store. Colours are 0x00BBGGRR (red in the low byte); keys are the
// character codes a key press types.
struct Settings
{
#define SETTING_COLOR(group, key, field, value) qint32 field = value;
#define SETTING_KEY(group, key, field, value) qint16 field = value;
#define SETTING_SWITCH(group, key, field, value) qint16 field = value;
#define SETTING_NUMBER(group, key, field, type, value, least, most, outside) type field = value;
#define SETTING_TEXT(group, key, field, value, maxLength) QString field = QStringLiteral(value);
#include "settings/declaredsettings.h"
#undef SETTING_COLOR
#undef SETTING_KEY
#undef SETTING_SWITCH
#undef SETTING_NUMBER
#undef SETTING_TEXT

    bool operator==(const Settings &) const = default;
};

// One declared setting: its section, its key, the member of Settings it
// fills, and what a stored value may be.
struct SettingsEntry
{
    using Member = std::variant<qint32 Settings::*, qint16 Settings::*, QString Settings::*>;
    enum class Kind { Color, Key, Switch, Number, Text };
    // What becomes of a stored number outside its range: its default stands
    // (Dropped), or it loads as it is for the game's rules to tell (Kept).
    enum class Outside { Dropped, Kept };

    const char *group;
    const char *key;
    // The name of the member, for messages.
    const char *field;
    Member member;
    Kind kind;
    // A number's range; for a text, the most characters a loaded one keeps
    // (0 for no limit).
    qint32 least = 0;
    qint32 most = 0;
    Outside outside = Outside::Dropped;

    qsizetype maxLength() const { return kind == Kind::Text ? most : 0; }
    // "Group/Key", as the store and the messages name it.
    QString path() const;
};

// Every declared setting, in load and save order.
std::span<const SettingsEntry> settingsEntries();
// The declaration of the setting held in `member`.
const SettingsEntry &settingsEntry(SettingsEntry::Member member);

// The values of OperatorHints.
namespace OperatorHintsMode {
inline constexpr qint16 WithAudience = 0;
inline constexpr qint16 Always = 1;
inline constexpr qint16 Never = 2;
} // namespace OperatorHintsMode

// The broker's user a court logs in as: its own name unless one is set.
QString hallUser(const Settings &settings);

// The default record: the declared defaults, with the default buzzer file
// beside the executable, computed at the moment of the call.
Settings defaultSettings();
void applyDefaultColors(Settings &settings);

// Reads the per-user store; a missing, damaged or unreadable entry loads as its
// default, and captions are cut to the lengths above. `unreadNumbers` (when
// given) gets the stored texts of numbers that are no number the field can
// hold at all, by "group/key", so that they can be told.
Settings loadSettings(QMap<QString, QString> *unreadNumbers = nullptr);

// Writes every field. Returns false when the store could not be written.
[[nodiscard]] bool saveSettings(const Settings &settings);
