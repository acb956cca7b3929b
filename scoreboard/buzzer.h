#pragma once

#include <QObject>

class SoundDevice;

// The buzzer: plays the configured sound once per press; a press while it
// plays is ignored; each playback is rewound when it ends.
class BuzzerSound : public QObject
{
    Q_OBJECT

public:
    // Takes ownership of the device.
    explicit BuzzerSound(SoundDevice *device, QObject *parent = nullptr);

    bool isPlaying() const { return m_playing; }
    const SoundDevice &device() const { return *m_device; }

    // Opens `file` when it names an existing file.
    void OpenBuzzerSound(const QString &file);
    // Closes the sound and opens `file`, whatever it holds.
    void ReopenBuzzerSound(const QString &file);
    void Buzzer();

private:
    void BuzzerFinished();

    SoundDevice *m_device;
    bool m_playing = false;
};
