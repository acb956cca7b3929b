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
    void open() override {}
    void play() override { QTimer::singleShot(0, this, &SoundDevice::playbackFinished); }
    void stop() override {}
    void rewind() override {}
    void close() override {}
};

using Factory = SoundDevice *(*)(QObject *);

QLibrary &plugin()
{
    static QLibrary library(
        qEnvironmentVariable("CORVELLA_SOUND_PLUGIN", QCoreApplication::applicationDirPath() +
                                                          QStringLiteral("/corvella-sound")));
    return library;
}

} // namespace

QFunctionPointer soundPluginFunction(const char *name)
{
    static const bool loaded = [] {
        if (plugin().load())
            return true;
        qWarning("The buzzer is silent: %s", qPrintable(plugin().errorString()));
        return false;
    }();
    return loaded ? plugin().resolve(name) : nullptr;
}

SoundDevice *makeProgramSoundDevice(QObject *parent)
{
    if (const auto factory = reinterpret_cast<Factory>(soundPluginFunction(CORVELLA_SOUND_FACTORY)))
        return factory(parent);
    return new SilentSoundDevice(parent);
}

SoundDevice *makeSilentSoundDevice(QObject *parent)
{
    return new SilentSoundDevice(parent);
}
