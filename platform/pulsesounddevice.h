#pragma once

#include "platform/sounddecoder.h"
#include "platform/sounddevice.h"

#include <QList>
#include <QTimer>

#include <atomic>
#include <memory>

class QThread;

// The sound device straight on the PulseAudio server. Open decodes the file
// on a worker thread (WAV, FLAC, Ogg, MP3, see sounddecoder.h); each
// playback opens its own connection to the server on a worker thread, so a
// server that restarted, or came up after the program, is found again at the
// next press. The end is reported when the server has played the last sample.
// A watchdog at the sound's length plus a margin guarantees the end even if
// the server stops answering.
class PulseSoundDevice : public SoundDevice
{
    Q_OBJECT

public:
    explicit PulseSoundDevice(QObject *parent = nullptr);
    ~PulseSoundDevice() override;

    void open() override;
    void play() override;
    void playCut(qint64 lengthMs, qint64 fadeMs) override;
    void stop() override;
    void rewind() override;
    void close() override;

private:
    struct Playback;

    void startPlaying();
    void stopPlayback();
    void finishPlayback();
    void finishPlaybackLater();
    void startWorker(QThread *worker);

    std::shared_ptr<const DecodedSound> m_sound;
    std::shared_ptr<Playback> m_playback;
    QList<QThread *> m_workers;
    int m_generation = 0;
    bool m_decoding = false;
    bool m_playPending = false;
    bool m_playing = false;
    // The length and fade of a cut playback; 0: the whole sound.
    qint64 m_cutMs = 0;
    qint64 m_fadeMs = 0;
    QTimer m_watchdog;
};
