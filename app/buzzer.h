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
    // Half a second of the sound, for a warning, cut with a short fade.
    void soundShort();
    static constexpr qint64 ShortMs = 500;
    static constexpr qint64 ShortFadeMs = 60;
    // Muted, every call is ignored until the sound is on again.
    void setMuted(bool muted) { m_muted = muted; }
    bool isMuted() const { return m_muted; }

private:
    void playbackFinished();

    SoundDevice *m_device;
    bool m_playing = false;
    bool m_muted = false;
};
