#pragma once

class QObject;
class SoundDevice;

// The sound device the program plays its buzzer on. The Qt Multimedia device
// lives in a plugin beside the executable, loaded only when the scoreboard
// first needs it, so the start screen comes up without the sound libraries.
// Without the plugin the buzzer is silent and the program runs on.
SoundDevice *makeProgramSoundDevice(QObject *parent);

// A device that plays nothing: every playback ends at once.
SoundDevice *makeSilentSoundDevice(QObject *parent);

// The name of the function the plugin exports.
#define CORVELLA_SOUND_FACTORY "corvellaCreateSoundDevice"
