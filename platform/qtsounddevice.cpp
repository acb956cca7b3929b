#include "platform/qtsounddevice.h"

#include "platform/wavinfo.h"

#include <QFileInfo>

namespace {
constexpr qint64 WatchdogMarginMs = 500;
}

QtSoundDevice::QtSoundDevice(QObject *parent) : SoundDevice(parent)
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &QtSoundDevice::finishPlayback);
}

QtSoundDevice::~QtSoundDevice()
{
    // An effect still playing while the application goes down can abort it.
    retireEffect();
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

void QtSoundDevice::Open()
{
    const QFileInfo info(fileName());
    const auto duration = wavDurationMs(fileName());
    const bool playable = duration && info.size() <= MaxFileBytes;
    m_source = playable ? QUrl::fromLocalFile(info.absoluteFilePath()) : QUrl();
    m_watchdog.setInterval(static_cast<int>(duration.value_or(0) + WatchdogMarginMs));
    loadEffect();
}

void QtSoundDevice::Play()
{
    m_playing = true;
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
    m_watchdog.stop();
    emit playbackFinished();
}

void QtSoundDevice::finishPlaybackLater()
{
    QTimer::singleShot(0, this, &QtSoundDevice::finishPlayback);
}
