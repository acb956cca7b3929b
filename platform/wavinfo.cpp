#include "platform/wavinfo.h"

#include "platform/wavdecoder.h"

std::optional<qint64> wavDurationMs(const QString &path)
{
    const WavDecoding decoded = decodeWavFile(path);
    if (!decoded.problem.isEmpty())
        return std::nullopt;
    return decoded.sound.durationMs();
}
