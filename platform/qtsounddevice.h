#pragma once

#include "platform/sounddevice.h"

#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

// The sound device on Qt Multimedia. Every playback gets a freshly loaded
// effect, since an effect played, stopped and played again does not reliably
// sound a second time. A watchdog at the sound's length plus a margin
// guarantees the end of every playback: without a sound server an effect
// reports playing and never reports the end.
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
    void loadEffect();
    void retireEffect();
    void finishPlayback();
    void finishPlaybackLater();

    QUrl m_source;
    QPointer<QSoundEffect> m_effect;
    QTimer m_watchdog;
    bool m_playing = false;
};
