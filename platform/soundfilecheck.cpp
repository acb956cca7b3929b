#include "platform/soundfilecheck.h"

#include "platform/wavinfo.h"

#include <QFileInfo>

QString soundFileProblem(const QString &path)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return QStringLiteral("the file does not exist.");
    if (!file.isFile())
        return QStringLiteral("it is not an ordinary file.");
    if (!file.isReadable())
        return QStringLiteral("it cannot be read.");
    const auto duration = wavDurationMs(path);
    if (!duration)
        return QStringLiteral("it is not a WAV sound file, or it is damaged.");
    if (*duration <= 0)
        return QStringLiteral("it holds no sound.");
    return {};
}
