#pragma once

#include <functional>

class Dialogs;
class QObject;
class SoundDevice;
class TimeSource;

// The platform services a window is built with: the real ones in main, test
// doubles in tests. The services outlive every window that uses them.
struct Services
{
    TimeSource *time = nullptr;
    Dialogs *dialogs = nullptr;
    std::function<SoundDevice *(QObject *parent)> makeSoundDevice;
};
