#pragma once

// The PulseAudio device under the name bench/inprocess.cpp still uses; the
// Qt Multimedia device is gone.
#include "platform/pulsesounddevice.h"

using QtSoundDevice = PulseSoundDevice;
