#pragma once

#include "platform/sounddevice.h"

#include <QList>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <memory>

class QTemporaryDir;
class QThread;

// The sound device on Qt Multimedia. Open decodes the file on a worker
// thread into a clean 16-bit PCM copy, so Qt never reads a header it would
// trust blindly and every common encoding plays. Every playback gets a
// freshly loaded effect, since an effect played, stopped and played again
// does not reliably sound a second time. A watchdog at the sound's length
// plus a margin guarantees the end of every playback: without a sound server
// an effect reports playing and never reports the end.
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

private:
    struct Prepared;

    void soundReady(const Prepared &prepared);
    void startPlaying();
    void loadEffect();
    void retireEffect();
    void finishPlayback();
    void finishPlaybackLater();

    std::unique_ptr<QTemporaryDir> m_scratch;
    QList<QThread *> m_workers;
    int m_generation = 0;
    bool m_decoding = false;
    bool m_playPending = false;
    QString m_preparedFile;
    QUrl m_source;
    QPointer<QSoundEffect> m_effect;
    QTimer m_watchdog;
    bool m_playing = false;
};
