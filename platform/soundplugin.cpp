// The entry point of the sound plugin.
#include "platform/pulsesounddevice.h"
#include "platform/soundloader.h"

extern "C" Q_DECL_EXPORT SoundDevice *corvellaCreateSoundDevice(QObject *parent)
{
    return new PulseSoundDevice(parent);
}
