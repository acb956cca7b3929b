#include "platform/pulsesounddevice.h"

#include <QThread>

#include <pulse/simple.h>

#include <algorithm>

namespace {

// What the server buffers ahead of the sink: small, so a press is heard at
// once, and large enough to ride out a busy machine.
constexpr pa_usec_t BufferUs = 40 * 1000;
constexpr qsizetype ChunkFrames = 441; // 10 ms at 44.1 kHz

// Plays `sound` to the end, or until `stop` is set; false when the server
// could not be reached or dropped the stream.
bool playOnServer(const DecodedSound &sound, const std::atomic_bool &stop)
{
    const pa_sample_spec sampleSpec{PA_SAMPLE_S16LE, static_cast<uint32_t>(sound.sampleRate),
                                    static_cast<uint8_t>(sound.channels)};
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<uint32_t>(-1);
    buffer.tlength = static_cast<uint32_t>(pa_usec_to_bytes(BufferUs, &sampleSpec));
    buffer.prebuf = static_cast<uint32_t>(-1);
    buffer.minreq = static_cast<uint32_t>(-1);
    buffer.fragsize = static_cast<uint32_t>(-1);
    int error = 0;
    pa_simple *stream = pa_simple_new(nullptr, "Corvella", PA_STREAM_PLAYBACK, nullptr, "Buzzer",
                                      &sampleSpec, nullptr, &buffer, &error);
    if (!stream)
        return false;
    const qsizetype frameBytes = 2 * sound.channels;
    const qsizetype chunk = ChunkFrames * frameBytes;
    bool ok = true;
    for (qsizetype at = 0; ok && !stop && at < sound.frames.size(); at += chunk) {
        const qsizetype bytes = std::min(chunk, sound.frames.size() - at);
        ok = pa_simple_write(stream, sound.frames.constData() + at, static_cast<size_t>(bytes),
                             &error) == 0;
    }
    if (ok && !stop)
        ok = pa_simple_drain(stream, &error) == 0;
    else
        pa_simple_flush(stream, &error);
    pa_simple_free(stream);
    return ok;
}

} // namespace

struct PulseSoundDevice::Playback
{
    std::atomic_bool stop = false;
};

PulseSoundDevice::PulseSoundDevice(QObject *parent) : SoundDevice(parent)
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &PulseSoundDevice::finishPlayback);
}

PulseSoundDevice::~PulseSoundDevice()
{
    stopPlayback();
    for (QThread *worker : std::as_const(m_workers)) {
        worker->wait();
        delete worker;
    }
}

void PulseSoundDevice::startWorker(QThread *worker)
{
    m_workers.append(worker);
    connect(worker, &QThread::finished, this, [this, worker] {
        m_workers.removeOne(worker);
        worker->deleteLater();
    });
    worker->start();
}

void PulseSoundDevice::open()
{
    stopPlayback();
    m_sound.reset();
    const int generation = ++m_generation;
    auto decoded = std::make_shared<SoundDecoding>();
    // Decoding a large or hostile file takes time: never on the clock's thread.
    QThread *worker =
        QThread::create([path = fileName(), decoded] { *decoded = decodeSoundFile(path); });
    connect(worker, &QThread::finished, this, [this, generation, decoded] {
        if (generation != m_generation)
            return;
        m_decoding = false;
        if (decoded->problem.isEmpty())
            m_sound = std::make_shared<const DecodedSound>(std::move(decoded->sound));
        m_watchdog.setInterval(watchdogIntervalMs(m_sound ? m_sound->durationMs() : 0));
        if (m_playPending) {
            m_playPending = false;
            startPlaying();
        }
    });
    m_decoding = true;
    startWorker(worker);
}

void PulseSoundDevice::playCut(qint64 lengthMs, qint64 fadeMs)
{
    m_cutMs = lengthMs;
    m_fadeMs = fadeMs;
    play();
}

void PulseSoundDevice::play()
{
    m_playing = true;
    // A press in the moment the sound is still being decoded plays it as
    // soon as it is ready.
    if (m_decoding) {
        m_playPending = true;
        return;
    }
    startPlaying();
}

void PulseSoundDevice::startPlaying()
{
    if (!m_sound) {
        finishPlaybackLater();
        return;
    }
    auto playback = std::make_shared<Playback>();
    m_playback = playback;
    std::shared_ptr<const DecodedSound> sound = m_sound;
    if (m_cutMs > 0)
        sound = std::make_shared<const DecodedSound>(cutWithFade(*m_sound, m_cutMs, m_fadeMs));
    m_cutMs = 0;
    m_watchdog.setInterval(watchdogIntervalMs(sound->durationMs()));
    QThread *worker = QThread::create([sound, playback] { playOnServer(*sound, playback->stop); });
    connect(worker, &QThread::finished, this, [this, playback] {
        if (playback == m_playback)
            finishPlayback();
    });
    m_watchdog.start();
    startWorker(worker);
}

void PulseSoundDevice::stopPlayback()
{
    if (m_playback)
        m_playback->stop = true;
    m_playback.reset();
}

void PulseSoundDevice::stop()
{
    stopPlayback();
}

void PulseSoundDevice::rewind()
{
    // Every playback starts from the beginning of the sound.
}

void PulseSoundDevice::close()
{
    ++m_generation;
    m_decoding = false;
    m_playPending = false;
    m_sound.reset();
    stopPlayback();
    if (m_playing)
        finishPlaybackLater();
}

void PulseSoundDevice::finishPlayback()
{
    if (!m_playing)
        return;
    m_playing = false;
    m_playPending = false;
    m_watchdog.stop();
    stopPlayback();
    emit playbackFinished();
}

void PulseSoundDevice::finishPlaybackLater()
{
    QTimer::singleShot(0, this, &PulseSoundDevice::finishPlayback);
}
