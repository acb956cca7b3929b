#include "scoreboard/buzzer.h"

#include "platform/sounddevice.h"

#include <QFileInfo>

BuzzerSound::BuzzerSound(SoundDevice *device, QObject *parent) : QObject(parent), m_device(device)
{
    m_device->setParent(this);
    connect(m_device, &SoundDevice::playbackFinished, this, &BuzzerSound::BuzzerFinished);
}

void BuzzerSound::OpenBuzzerSound(const QString &file)
{
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    m_device->setFileName(file);
    m_device->Open();
}

void BuzzerSound::ReopenBuzzerSound(const QString &file)
{
    m_device->Close();
    m_device->setFileName(file);
    m_device->Open();
}

void BuzzerSound::Buzzer()
{
    if (m_device->fileName().isEmpty() || m_playing)
        return;
    m_playing = true;
    m_device->Play();
}

void BuzzerSound::BuzzerFinished()
{
    m_device->Stop();
    m_device->Prev();
    m_playing = false;
}
