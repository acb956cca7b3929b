#include "platform/qtsounddevice.h"

#include "platform/wavdecoder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

struct QtSoundDevice::Prepared
{
    QString file;
    qint64 durationMs = 0;
};

QtSoundDevice::QtSoundDevice(QObject *parent) : SoundDevice(parent)
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &QtSoundDevice::finishPlayback);
}

QtSoundDevice::~QtSoundDevice()
{
    // An effect still playing while the application goes down can abort it.
    retireEffect();
    for (QThread *worker : std::as_const(m_workers)) {
        worker->wait();
        delete worker;
    }
}

void QtSoundDevice::Open()
{
    retireEffect();
    m_source.clear();
    const int generation = ++m_generation;
    if (!m_scratch)
        m_scratch = std::make_unique<QTemporaryDir>();
    const QString source = fileName();
    const QString target = m_scratch->filePath(QStringLiteral("sound-%1.wav").arg(generation));
    auto prepared = std::make_shared<Prepared>();
    // Decoding a large or hostile file takes time: never on the clock's thread.
    QThread *worker = QThread::create([source, target, prepared] {
        const WavDecoding decoded = decodeWavFile(source);
        if (!decoded.problem.isEmpty())
            return;
        QFile copy(target);
        const QByteArray wav = decoded.sound.toWav();
        if (copy.open(QIODevice::WriteOnly) && copy.write(wav) == wav.size() && copy.flush()) {
            prepared->file = target;
            prepared->durationMs = decoded.sound.durationMs();
        }
    });
    connect(worker, &QThread::finished, this, [this, worker, generation, prepared] {
        m_workers.removeOne(worker);
        worker->deleteLater();
        if (generation == m_generation)
            soundReady(*prepared);
    });
    m_workers.append(worker);
    m_decoding = true;
    worker->start();
}

void QtSoundDevice::soundReady(const Prepared &prepared)
{
    m_decoding = false;
    if (!m_preparedFile.isEmpty() && m_preparedFile != prepared.file)
        QFile::remove(m_preparedFile);
    m_preparedFile = prepared.file;
    m_source = prepared.file.isEmpty() ? QUrl() : QUrl::fromLocalFile(prepared.file);
    m_watchdog.setInterval(watchdogIntervalMs(prepared.durationMs));
    loadEffect();
    if (m_playPending) {
        m_playPending = false;
        startPlaying();
    }
}

void QtSoundDevice::loadEffect()
{
    retireEffect();
    if (m_source.isEmpty())
        return;
    auto *effect = new QSoundEffect(this);
    connect(effect, &QSoundEffect::playingChanged, this, [this, effect] {
        if (effect == m_effect && !effect->isPlaying())
            finishPlayback();
    });
    connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
        if (effect == m_effect && effect->status() == QSoundEffect::Error)
            finishPlayback();
    });
    effect->setSource(m_source);
    m_effect = effect;
}

void QtSoundDevice::retireEffect()
{
    if (!m_effect)
        return;
    m_effect->stop();
    m_effect->deleteLater();
    m_effect.clear();
}

void QtSoundDevice::Play()
{
    m_playing = true;
    // A press in the moment the sound is still being prepared plays it as
    // soon as it is ready.
    if (m_decoding) {
        m_playPending = true;
        return;
    }
    startPlaying();
}

void QtSoundDevice::startPlaying()
{
    if (!m_effect || m_effect->status() == QSoundEffect::Error) {
        finishPlaybackLater();
        return;
    }
    m_watchdog.start();
    m_effect->play();
}

void QtSoundDevice::Stop()
{
    // The next playback starts from a fresh effect, already loaded.
    loadEffect();
}

void QtSoundDevice::Prev()
{
    // Every effect plays from the beginning of the sound.
}

void QtSoundDevice::Close()
{
    ++m_generation;
    m_decoding = false;
    m_playPending = false;
    m_source.clear();
    retireEffect();
    if (m_playing)
        finishPlaybackLater();
}

void QtSoundDevice::finishPlayback()
{
    if (!m_playing)
        return;
    m_playing = false;
    m_playPending = false;
    m_watchdog.stop();
    emit playbackFinished();
}

void QtSoundDevice::finishPlaybackLater()
{
    QTimer::singleShot(0, this, &QtSoundDevice::finishPlayback);
}
