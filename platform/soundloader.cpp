#include "platform/soundloader.h"

#include "platform/sounddevice.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QTimer>

namespace {

// Plays nothing; every playback ends at once.
class SilentSoundDevice : public SoundDevice
{
public:
    using SoundDevice::SoundDevice;
    void Open() override {}
    void Play() override { QTimer::singleShot(0, this, &SoundDevice::playbackFinished); }
    void Stop() override {}
    void Prev() override {}
    void Close() override {}
};

using Factory = SoundDevice *(*)(QObject *);

Factory pluginFactory()
{
    static const Factory factory = [] {
        QLibrary plugin(QCoreApplication::applicationDirPath() + QStringLiteral("/corvella-sound"));
        auto resolved = reinterpret_cast<Factory>(plugin.resolve(CORVELLA_SOUND_FACTORY));
        if (!resolved)
            qWarning("The buzzer is silent: %s", qPrintable(plugin.errorString()));
        return resolved;
    }();
    return factory;
}

} // namespace

SoundDevice *makeProgramSoundDevice(QObject *parent)
{
    if (const Factory factory = pluginFactory())
        return factory(parent);
    return new SilentSoundDevice(parent);
}

SoundDevice *makeSilentSoundDevice(QObject *parent)
{
    return new SilentSoundDevice(parent);
}
