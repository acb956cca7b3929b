#include "settings/settingsstore.h"

#include <QSettings>
#include <QStringList>

namespace {

QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Corvella"),
                     QStringLiteral("Corvella"));
}

QString storedText(const QVariant &value)
{
    // A hand-edited value with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

QString SettingsStore::filePath()
{
    return openStore().fileName();
}

QMap<QString, QString> SettingsStore::read()
{
    QMap<QString, QString> values;
    const QSettings store = openStore();
    if (store.status() != QSettings::NoError)
        return values;
    for (const QString &key : store.allKeys())
        values.insert(key, storedText(store.value(key)));
    return values;
}

bool SettingsStore::write(const QMap<QString, QString> &values)
{
    QSettings store = openStore();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        store.setValue(it.key(), it.value());
    store.sync();
    return store.status() == QSettings::NoError;
}
