#pragma once

#include "platform/sounddevice.h"

#include <QSoundEffect>
#include <QTimer>

// The sound device on Qt Multimedia. A watchdog at the sound's length plus a
// margin guarantees the end of every playback, since without a sound server
// the effect reports playing and never reports the end.
class QtSoundDevice : public SoundDevice
{
    Q_OBJECT

public:
    explicit QtSoundDevice(QObject *parent = nullptr);
    ~QtSoundDevice() override;

    void Open() override;
    void Play() override;
    void Stop() override;
    void Prev() override;
    void Close() override;

    // Files larger than this are not opened: no buzzer needs it, and loading
    // it would stall the board.
    static constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;

private:
    void finishPlayback();
    void finishPlaybackLater();

    QSoundEffect m_effect;
    QTimer m_watchdog;
    bool m_opened = false;
    bool m_playing = false;
};
