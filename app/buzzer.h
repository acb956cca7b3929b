#pragma once

#include <QObject>

class SoundDevice;

// The program's one buzzer, for every caller: the operator's key, the horn at
// the end of a count-down and the remote on the network. It plays the
// configured sound once per call; a call while it plays is ignored; each
// playback is rewound when it ends.
class Buzzer : public QObject
{
    Q_OBJECT

public:
    // Takes ownership of the device.
    explicit Buzzer(SoundDevice *device, QObject *parent = nullptr);

    bool isPlaying() const { return m_playing; }
    const SoundDevice &device() const { return *m_device; }

    // Opens `file` when it names an existing file.
    void openSound(const QString &file);
    // Closes the sound and opens `file`, whatever it holds.
    void reopenSound(const QString &file);
    void sound();

private:
    void playbackFinished();

    SoundDevice *m_device;
    bool m_playing = false;
};
