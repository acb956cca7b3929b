#include "platform/soundfilecheck.h"

#include "base/offthread.h"
#include "platform/soundloader.h"

#include <QCoreApplication>

namespace {

struct Check
{
    QString problem;
    qint64 durationMs = 0;
};

using CheckFunction = void (*)(const QString &, QString *, qint64 *);

Check check(const QString &path)
{
    // The check decodes the whole sound, exactly as the buzzer will.
    return runOffThread([path] {
        Check result;
        const auto function =
            reinterpret_cast<CheckFunction>(soundPluginFunction(CORVELLA_SOUND_FILE_CHECK));
        if (!function)
            result.problem = QCoreApplication::translate(
                "SoundFile", "Corvella's sound support is not installed");
        else
            function(path, &result.problem, &result.durationMs);
        return result;
    });
}

} // namespace

QString soundFileProblem(const QString &path)
{
    return check(path).problem;
}

std::optional<qint64> soundDurationMs(const QString &path)
{
    const Check result = check(path);
    if (!result.problem.isEmpty())
        return std::nullopt;
    return result.durationMs;
}
