#include "settings/appsettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>

#include <limits>
#include <variant>

Settings AppSettings;

namespace {

using Member = std::variant<qint32 Settings::*, qint16 Settings::*, QString Settings::*>;

struct StoreEntry
{
    const char *group;
    const char *key;
    Member member;
};

// Every entry of the store, in load and save order.
const StoreEntry storeEntries[] = {
    {"ColorSettings", "FormColor", &Settings::FormColor},
    {"ColorSettings", "LEDTimeColor", &Settings::LEDTimeColor},
    {"ColorSettings", "LEDScoreColor", &Settings::LEDScoreColor},
    {"ColorSettings", "LEDBackColor", &Settings::LEDBackColor},
    {"ColorSettings", "HomeColor", &Settings::HomeColor},
    {"ColorSettings", "GuestColor", &Settings::GuestColor},
    {"ColorSettings", "TextColor", &Settings::TextColor},
    {"KeySettings", "StartStopClockKey", &Settings::StartStopClockKey},
    {"KeySettings", "ResetClockKey", &Settings::ResetClockKey},
    {"KeySettings", "BuzzerKey", &Settings::BuzzerKey},
    {"KeySettings", "BuzzerFile", &Settings::BuzzerFile},
    {"TextSettings", "HomeText", &Settings::HomeText},
    {"TextSettings", "GuestText", &Settings::GuestText},
    {"TextSettings", "SectionText1", &Settings::SectionText1},
    {"TextSettings", "SectionText2", &Settings::SectionText2},
    {"TextSettings", "TeamSize", &Settings::TeamSize},
};

bool isKeyField(qint16 Settings::*member)
{
    return member != &Settings::TeamSize;
}

QString storedText(const QVariant &value)
{
    // A hand-edited value with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

template <typename Int> bool parseDecimal(const QString &text, Int &out)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<Int>::min() || number > std::numeric_limits<Int>::max())
        return false;
    out = static_cast<Int>(number);
    return true;
}

QString keyPath(const StoreEntry &entry)
{
    return QLatin1StringView(entry.group) + u'/' + QLatin1StringView(entry.key);
}

void loadEntry(const QSettings &store, const StoreEntry &entry, Settings &into)
{
    const QVariant value = store.value(keyPath(entry));
    if (!value.isValid())
        return;
    const QString text = storedText(value);
    std::visit(
        [&](auto member) {
            using Field = std::remove_reference_t<decltype(into.*member)>;
            if constexpr (std::is_same_v<Field, QString>) {
                into.*member = text;
            } else {
                Field number{};
                if (!parseDecimal(text, number))
                    return;
                if constexpr (std::is_same_v<Field, qint16>) {
                    if (isKeyField(member) && (number < 1 || number > 255))
                        return;
                }
                into.*member = number;
            }
        },
        entry.member);
}

} // namespace

void applyDefaultColors(Settings &s)
{
    s.FormColor = SettingsDefaults::FormColor;
    s.LEDTimeColor = SettingsDefaults::LEDTimeColor;
    s.LEDScoreColor = SettingsDefaults::LEDScoreColor;
    s.LEDBackColor = SettingsDefaults::LEDBackColor;
    s.HomeColor = SettingsDefaults::HomeColor;
    s.GuestColor = SettingsDefaults::GuestColor;
    s.TextColor = SettingsDefaults::TextColor;
}

void applyDefaultKeys(Settings &s)
{
    s.StartStopClockKey = SettingsDefaults::StartStopClockKey;
    s.ResetClockKey = SettingsDefaults::ResetClockKey;
    s.BuzzerKey = SettingsDefaults::BuzzerKey;
}

Settings defaultSettings()
{
    Settings s;
    applyDefaultColors(s);
    applyDefaultKeys(s);
    s.BuzzerFile = QCoreApplication::applicationDirPath() + QStringLiteral("/buzzer.wav");
    s.HomeText = QStringLiteral("Home");
    s.GuestText = QStringLiteral("Guest");
    s.SectionText1 = QStringLiteral("Section 1");
    s.SectionText2 = QStringLiteral("Section 2");
    s.TeamSize = SettingsDefaults::TeamSize;
    return s;
}

void LoadSettings()
{
    Settings loaded = defaultSettings();
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Corvella"),
                          QStringLiteral("Corvella"));
    if (store.status() == QSettings::NoError) {
        for (const StoreEntry &entry : storeEntries)
            loadEntry(store, entry, loaded);
    }
    AppSettings = loaded;
}

bool SaveSettings()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Corvella"),
                    QStringLiteral("Corvella"));
    for (const StoreEntry &entry : storeEntries) {
        std::visit(
            [&](auto member) {
                const auto &field = AppSettings.*member;
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, QString>)
                    store.setValue(keyPath(entry), field);
                else
                    store.setValue(keyPath(entry), QString::number(field));
            },
            entry.member);
    }
    store.sync();
    return store.status() == QSettings::NoError;
}
