#include "settings/appsettings.h"

#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <limits>
#include <variant>

namespace {

using Kind = SettingsEntry::Kind;
using Outside = SettingsEntry::Outside;
constexpr Outside Dropped = Outside::Dropped;
constexpr Outside Kept = Outside::Kept;

// Every declared setting, in load and save order.
const SettingsEntry storeEntries[] = {
#define SETTING_COLOR(group, key, field, value)                                                    \
    {#group, #key, #field, &Settings::field, Kind::Color, INT_MIN, INT_MAX, Kept},
#define SETTING_KEY(group, key, field, value)                                                      \
    {#group, #key, #field, &Settings::field, Kind::Key, (value) == 0 ? 0 : 1, 255, Dropped},
#define SETTING_SWITCH(group, key, field, value)                                                   \
    {#group, #key, #field, &Settings::field, Kind::Switch, 0, 1, Dropped},
#define SETTING_NUMBER(group, key, field, type, value, least, most, outside)                       \
    {#group, #key, #field, &Settings::field, Kind::Number, least, most, outside},
#define SETTING_TEXT(group, key, field, value, maxLength)                                          \
    {#group, #key, #field, &Settings::field, Kind::Text, 0, maxLength, Kept},
#include "settings/declaredsettings.h"
#undef SETTING_COLOR
#undef SETTING_KEY
#undef SETTING_SWITCH
#undef SETTING_NUMBER
#undef SETTING_TEXT
};

template <typename Int> bool parseDecimal(const QString &text, Int &out)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<Int>::min() || number > std::numeric_limits<Int>::max())
        return false;
    out = static_cast<Int>(number);
    return true;
}

// A hand-edited caption can be megabytes long; the board would take seconds
// to lay it out. Keep what the options would have let the operator type.
QString limited(const QString &text, qsizetype maxLength)
{
    if (maxLength == 0 || text.size() <= maxLength)
        return text;
    QString kept = text.left(maxLength);
    if (kept.back().isHighSurrogate())
        kept.chop(1);
    return kept;
}

void loadEntry(const QMap<QString, QString> &stored, const SettingsEntry &entry, Settings &into,
               QMap<QString, QString> *unreadNumbers)
{
    const auto found = stored.constFind(entry.path());
    if (found == stored.cend())
        return;
    const QString &text = *found;
    std::visit(
        [&](auto member) {
            using Field = std::remove_reference_t<decltype(into.*member)>;
            if constexpr (std::is_same_v<Field, QString>) {
                into.*member = limited(text, entry.maxLength());
            } else {
                Field number{};
                if (!parseDecimal(text, number)) {
                    if (unreadNumbers)
                        unreadNumbers->insert(entry.path(), text);
                    return;
                }
                const bool inRange = number >= entry.least && number <= entry.most;
                if (inRange || entry.outside == Kept)
                    into.*member = number;
            }
        },
        entry.member);
}

} // namespace

QString SettingsEntry::path() const
{
    return QLatin1StringView(group) + u'/' + QLatin1StringView(key);
}

std::span<const SettingsEntry> settingsEntries()
{
    return storeEntries;
}

const SettingsEntry &settingsEntry(SettingsEntry::Member member)
{
    const auto found = std::find_if(std::cbegin(storeEntries), std::cend(storeEntries),
                                    [&](const SettingsEntry &e) { return e.member == member; });
    Q_ASSERT(found != std::cend(storeEntries));
    return *found;
}

void applyDefaultColors(Settings &s)
{
    const Settings defaults;
    for (const SettingsEntry &entry : storeEntries) {
        if (entry.kind == Kind::Color) {
            const auto color = std::get<qint32 Settings::*>(entry.member);
            s.*color = defaults.*color;
        }
    }
}

Settings defaultSettings()
{
    Settings s;
    s.BuzzerFile = QDir(QCoreApplication::applicationDirPath()).filePath(s.BuzzerFile);
    return s;
}

QString hallUser(const Settings &settings)
{
    return settings.HallUser.isEmpty() ? settings.HallCourt : settings.HallUser;
}

Settings loadSettings(QMap<QString, QString> *unreadNumbers)
{
    Settings loaded = defaultSettings();
    const QMap<QString, QString> stored = SettingsStore::read();
    for (const SettingsEntry &entry : storeEntries)
        loadEntry(stored, entry, loaded, unreadNumbers);
    return loaded;
}

bool saveSettings(const Settings &settings)
{
    QMap<QString, QString> values;
    for (const SettingsEntry &entry : storeEntries) {
        std::visit(
            [&](auto member) {
                const auto &field = settings.*member;
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, QString>)
                    values.insert(entry.path(), field);
                else
                    values.insert(entry.path(), QString::number(field));
            },
            entry.member);
    }
    return SettingsStore::write(values);
}
