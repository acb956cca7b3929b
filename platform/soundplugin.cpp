// The entry points of the sound plugin.
#include "platform/pulsesounddevice.h"
#include "platform/sounddecoder.h"
#include "platform/soundloader.h"

extern "C" Q_DECL_EXPORT SoundDevice *corvellaCreateSoundDevice(QObject *parent)
{
    return new PulseSoundDevice(parent);
}

extern "C" Q_DECL_EXPORT void corvellaCheckSoundFile(const QString &path, QString *problem,
                                                     qint64 *durationMs)
{
    const SoundDecoding decoded = decodeSoundFile(path);
    *problem = decoded.problem;
    *durationMs = decoded.sound.durationMs();
}
