#include "platform/qtsounddevice.h"

#include "platform/wavinfo.h"

#include <QFileInfo>
#include <QUrl>

namespace {
constexpr qint64 WatchdogMarginMs = 500;
}

QtSoundDevice::QtSoundDevice(QObject *parent) : SoundDevice(parent)
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &QtSoundDevice::finishPlayback);
    connect(&m_effect, &QSoundEffect::playingChanged, this, [this] {
        if (!m_effect.isPlaying())
            finishPlayback();
    });
    connect(&m_effect, &QSoundEffect::statusChanged, this, [this] {
        if (m_effect.status() == QSoundEffect::Error)
            finishPlayback();
    });
}

QtSoundDevice::~QtSoundDevice()
{
    // An effect still playing while the application goes down can abort it.
    m_effect.stop();
}

void QtSoundDevice::Open()
{
    m_effect.stop();
    const QFileInfo info(fileName());
    const auto duration = wavDurationMs(fileName());
    m_opened = duration && info.size() <= MaxFileBytes;
    m_effect.setSource(m_opened ? QUrl::fromLocalFile(info.absoluteFilePath()) : QUrl());
    m_watchdog.setInterval(static_cast<int>(duration.value_or(0) + WatchdogMarginMs));
}

void QtSoundDevice::Play()
{
    m_playing = true;
    if (!m_opened || m_effect.status() == QSoundEffect::Error) {
        finishPlaybackLater();
        return;
    }
    m_watchdog.start();
    m_effect.play();
}

void QtSoundDevice::Stop()
{
    m_effect.stop();
}

void QtSoundDevice::Prev()
{
    // Every play of the effect starts from the beginning of the sound.
}

void QtSoundDevice::Close()
{
    m_effect.stop();
    m_effect.setSource(QUrl());
    m_opened = false;
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
