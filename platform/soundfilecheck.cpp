#include "platform/soundfilecheck.h"

#include "base/offthread.h"
#include "platform/wavdecoder.h"

QString soundFileProblem(const QString &path)
{
    // The check decodes the whole sound, exactly as the buzzer will.
    return runOffThread([path] { return decodeWavFile(path).problem; });
}
