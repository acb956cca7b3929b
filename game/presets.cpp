#include "game/presets.h"

#include "settings/appsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <optional>
#include <type_traits>
#include <variant>

// Outside every namespace, as Qt's resource initialisation must be.
static void initShippedPresets()
{
    Q_INIT_RESOURCE(presets);
}

namespace {

// No preset is anywhere near this; a larger file is not one.
constexpr qint64 MaxPresetBytes = 16 * 1024;

// The names of the shipped presets, for their translations.
const char *const ShippedNames[] = {
    QT_TRANSLATE_NOOP("Presets", "Classic"),          QT_TRANSLATE_NOOP("Presets", "Basketball"),
    QT_TRANSLATE_NOOP("Presets", "Handball"),         QT_TRANSLATE_NOOP("Presets", "Futsal"),
    QT_TRANSLATE_NOOP("Presets", "Ice hockey"),       QT_TRANSLATE_NOOP("Presets", "Floorball"),
    QT_TRANSLATE_NOOP("Presets", "Football"),         QT_TRANSLATE_NOOP("Presets", "Water polo"),
    QT_TRANSLATE_NOOP("Presets", "Korfball"),         QT_TRANSLATE_NOOP("Presets", "Volleyball"),
    QT_TRANSLATE_NOOP("Presets", "Beach volleyball"), QT_TRANSLATE_NOOP("Presets", "Badminton"),
    QT_TRANSLATE_NOOP("Presets", "Table tennis"),
};

QString textOf(const QVariant &value)
{
    // Unquoted commas make a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

QString Preset::title() const
{
    for (const char *shipped : ShippedNames) {
        if (name == QLatin1StringView(shipped))
            return QCoreApplication::translate("Presets", shipped);
    }
    return name;
}

QString Presets::userFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Corvella/presets");
}

std::optional<Preset> Presets::read(const QString &path, QString *problem)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxPresetBytes) {
        *problem = QStringLiteral("not a small regular file");
        return std::nullopt;
    }
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        *problem = QStringLiteral("not a preset file (a line cannot be read)");
        return std::nullopt;
    }
    Preset preset;
    preset.name = file.value(QStringLiteral("Preset/Name")).toString().trimmed();
    if (preset.name.isEmpty()) {
        *problem = QStringLiteral("it has no [Preset] Name=");
        return std::nullopt;
    }
    for (const QString &key : file.allKeys())
        if (!key.startsWith(QStringLiteral("Preset/")))
            preset.values.insert(key, textOf(file.value(key)));
    if (preset.values.isEmpty()) {
        *problem = QStringLiteral("it sets nothing");
        return std::nullopt;
    }
    return preset;
}

QList<Preset> Presets::load(const QString &userFolder, QStringList *problems)
{
    initShippedPresets();
    QList<std::pair<int, Preset>> ordered;
    const auto add = [&](const QString &path) {
        QString problem;
        const std::optional<Preset> preset = read(path, &problem);
        if (!preset) {
            if (problems)
                *problems << QStringLiteral("Skipping the preset %1: %2").arg(path, problem);
            return;
        }
        const int order = QSettings(path, QSettings::IniFormat)
                              .value(QStringLiteral("Preset/Order"), 1000)
                              .toInt();
        const auto same = std::find_if(ordered.begin(), ordered.end(), [&](const auto &p) {
            return p.second.name == preset->name;
        });
        if (same != ordered.end())
            same->second = *preset;
        else
            ordered.append({order, *preset});
    };
    const QDir shipped(QStringLiteral(":/presets"));
    for (const QString &name : shipped.entryList({QStringLiteral("*.ini")}, QDir::Files))
        add(shipped.filePath(name));
    const QDir user(userFolder);
    for (const QString &name : user.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name))
        add(user.filePath(name));
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<Preset> presets;
    for (const auto &[order, preset] : ordered)
        presets << preset;
    return presets;
}

namespace {

QString keyOf(const SettingsEntry &entry)
{
    return QLatin1StringView(entry.group) + u'/' + QLatin1StringView(entry.key);
}

QString textOf(const Settings &values, const SettingsEntry &entry)
{
    return std::visit(
        [&](auto member) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(values.*member)>, QString>)
                return values.*member;
            else
                return QString::number(values.*member);
        },
        entry.member);
}

void setFromText(Settings &values, const SettingsEntry &entry, const QString &text)
{
    std::visit(
        [&](auto member) {
            using Value = std::remove_cvref_t<decltype(values.*member)>;
            if constexpr (std::is_same_v<Value, QString>)
                values.*member = text;
            else
                values.*member = static_cast<Value>(text.toInt());
        },
        entry.member);
}

bool isCaption(const SettingsEntry &entry)
{
    return qstrcmp(entry.group, "TextSettings") == 0 && !Presets::isRule(entry);
}

// Whether a preset other than `chosen` gives the caption `text` under `key`.
bool isPresetCaption(const QString &key, const QString &text, const Preset &chosen,
                     const QList<Preset> &all)
{
    return std::any_of(all.cbegin(), all.cend(), [&](const Preset &preset) {
        return preset.name != chosen.name && preset.values.value(key).trimmed() == text.trimmed();
    });
}

} // namespace

bool Presets::isRule(const SettingsEntry &entry)
{
    static const SettingsEntry::Member others[] = {&Settings::Section2Role, &Settings::FoulsReset,
                                                   &Settings::FoulBonusAt, &Settings::ScoreDigits};
    return qstrcmp(entry.group, "ClockSettings") == 0 ||
           qstrcmp(entry.group, "ShotClockSettings") == 0 ||
           qstrcmp(entry.group, "PlayerSettings") == 0 ||
           qstrcmp(entry.group, "SetsSettings") == 0 ||
           std::find(std::begin(others), std::end(others), entry.member) != std::end(others);
}

Settings Presets::apply(const Preset &chosen, const QList<Preset> &all, Settings values)
{
    const Settings defaults = defaultSettings();
    for (const SettingsEntry &entry : settingsEntries()) {
        const QString key = keyOf(entry);
        if (const auto named = chosen.values.constFind(key); named != chosen.values.cend())
            setFromText(values, entry, *named);
        else if (isRule(entry) ||
                 (isCaption(entry) && isPresetCaption(key, textOf(values, entry), chosen, all)))
            setFromText(values, entry, textOf(defaults, entry));
    }
    return values;
}

bool Presets::rulesMatch(const Preset &preset, const Settings &values)
{
    const Settings applied = apply(preset, {}, values);
    for (const SettingsEntry &entry : settingsEntries()) {
        if (isRule(entry) && textOf(values, entry).trimmed() != textOf(applied, entry).trimmed())
            return false;
    }
    return true;
}
