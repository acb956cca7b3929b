#pragma once

#include <QFunctionPointer>

class QObject;
class SoundDevice;

// The sound device the program plays its buzzer on. The PulseAudio device and
// the sound file decoder (libsndfile and its codecs) live in a plugin beside
// the executable, loaded only when first needed, so the start screen comes up
// without the sound libraries. CORVELLA_SOUND_PLUGIN names another plugin
// file (the tests point it at the one in the build). Without the plugin the
// buzzer is silent and the program runs on.
SoundDevice *makeProgramSoundDevice(QObject *parent);

// A device that plays nothing: every playback ends at once.
SoundDevice *makeSilentSoundDevice(QObject *parent);

// The plugin's function `name`, or null without the plugin. Thread-safe.
QFunctionPointer soundPluginFunction(const char *name);

// The names of the functions the plugin exports.
#define CORVELLA_SOUND_FACTORY "corvellaCreateSoundDevice"
// void (const QString &path, QString *problem, qint64 *durationMs)
#define CORVELLA_SOUND_FILE_CHECK "corvellaCheckSoundFile"
