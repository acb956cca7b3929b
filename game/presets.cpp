#include "game/presets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

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
    QT_TRANSLATE_NOOP("Presets", "Classic"),    QT_TRANSLATE_NOOP("Presets", "Basketball"),
    QT_TRANSLATE_NOOP("Presets", "Handball"),   QT_TRANSLATE_NOOP("Presets", "Futsal"),
    QT_TRANSLATE_NOOP("Presets", "Ice hockey"), QT_TRANSLATE_NOOP("Presets", "Floorball"),
    QT_TRANSLATE_NOOP("Presets", "Football"),
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
