#include "settings/settingsstore.h"

#include "base/foldersync.h"
#include "base/offthread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

using StoredValues = QMap<QString, QVariant>;

QString storedText(const QVariant &value)
{
    // A hand-edited value with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void complain(const QString &path, const char *problem)
{
    qWarning("Corvella: settings file %s: %s", qPrintable(QDir::toNativeSeparators(path)), problem);
}

bool fail(const QString &path, const char *problem)
{
    complain(path, problem);
    return false;
}

StoredValues allValues(const QSettings &store)
{
    StoredValues values;
    for (const QString &key : store.allKeys())
        values.insert(key, store.value(key));
    return values;
}

// The current contents of the store, or false when there is something at its
// place that cannot be read: its keys would be lost by replacing it.
bool readExisting(const QString &path, QByteArray &contents)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!info.isFile())
        return fail(path, "is not a regular file; not replacing it");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(path, "cannot be read; not replacing it");
    contents = file.readAll();
    return file.error() == QFileDevice::NoError || fail(path, "cannot be read; not replacing it");
}

enum class Durability { Scratch, Disk };

// Writes and flushes every byte, to the disk itself when asked; returns why
// not otherwise.
QByteArray writeWhole(QFileDevice &file, const QByteArray &contents, Durability durability)
{
    if (file.write(contents) != contents.size() || !file.flush())
        return file.errorString().toLocal8Bit();
    if (durability == Durability::Disk && ::fsync(file.handle()) != 0)
        return std::strerror(errno);
    return {};
}

// Lets Qt merge `values` into a private copy of the old contents, so that the
// file keeps Qt's own format for every key. Qt does not report a short write,
// so the merged file is parsed again under a fresh name (which Qt has not
// cached) and must hold exactly what was meant.
bool mergeInto(const QString &path, const QByteArray &old, const QMap<QString, QString> &values,
               QByteArray &merged)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail(path, "no room for a scratch copy");
    const QString draft = scratch.filePath(QStringLiteral("draft.conf"));
    const QString result = scratch.filePath(QStringLiteral("merged.conf"));
    QFile copy(draft);
    if (!copy.open(QIODevice::WriteOnly) || !writeWhole(copy, old, Durability::Scratch).isEmpty())
        return fail(path, "no room for a scratch copy");
    copy.close();

    StoredValues meant;
    {
        QSettings store(draft, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            store.setValue(it.key(), it.value());
        store.sync();
        // A FormatError only tells that some old line could not be parsed.
        if (store.status() == QSettings::AccessError)
            return fail(path, "the new contents could not be prepared");
        meant = allValues(store);
    }
    if (!QFile::rename(draft, result))
        return fail(path, "the new contents could not be prepared");
    if (allValues(QSettings(result, QSettings::IniFormat)) != meant)
        return fail(path, "the new contents could not be prepared completely");
    QFile written(result);
    if (!written.open(QIODevice::ReadOnly))
        return fail(path, "the new contents could not be prepared");
    merged = written.readAll();
    return true;
}

// Writes the complete file beside the old one and renames it over it only
// when every byte reached the disk; the old file stays otherwise.
bool replaceFile(const QString &path, const QByteArray &contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(path, "cannot be written");
    // The file holds the API's token: the user's alone.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (const QByteArray reason = writeWhole(file, contents, Durability::Disk); !reason.isEmpty()) {
        file.cancelWriting();
        return fail(path, reason.constData());
    }
    if (!file.commit())
        return fail(path, "the new file could not replace the old one");
    if (!syncFolder(QFileInfo(path).path()))
        return fail(path, "the new file may not have reached the disk");
    return true;
}

bool writeNow(const QString &path, const QMap<QString, QString> &values)
{
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return fail(path, "its folder cannot be created");
    // The same lock Qt takes for its own writes of this file.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(SettingsStore::LockTimeoutMs)) {
        return fail(path, lock.error() == QLockFile::LockFailedError
                              ? "another program holds its lock"
                              : "its lock cannot be taken");
    }
    QByteArray old;
    QByteArray merged;
    return readExisting(path, old) && mergeInto(path, old, values, merged) &&
           replaceFile(path, merged);
}

} // namespace

QString SettingsStore::filePath()
{
    // Where Qt keeps a user-scope "Corvella"/"Corvella" store; building a
    // QSettings for it would already open the file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Corvella/Corvella.conf");
}

QMap<QString, QString> SettingsStore::read()
{
    QMap<QString, QString> values;
    const QString path = filePath();
    const QFileInfo info(path);
    if (!info.exists())
        return values;
    // Opening a FIFO would wait for a writer forever.
    if (!info.isFile()) {
        complain(path, "is not a regular file; using the default settings");
        return values;
    }
    const QSettings store(path, QSettings::IniFormat);
    // A FormatError still leaves every line that could be parsed.
    if (store.status() == QSettings::AccessError) {
        complain(path, "cannot be read; using the default settings");
        return values;
    }
    for (const QString &key : store.allKeys())
        values.insert(key, storedText(store.value(key)));
    return values;
}

bool SettingsStore::write(const QMap<QString, QString> &values)
{
    // The disk may be slow or the lock held by another copy of the program.
    const QString path = filePath();
    return runOffThread([&path, &values] { return writeNow(path, values); });
}
