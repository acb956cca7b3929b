#include "app/buzzer.h"

#include "platform/sounddevice.h"

#include <QFileInfo>

Buzzer::Buzzer(SoundDevice *device, QObject *parent) : QObject(parent), m_device(device)
{
    m_device->setParent(this);
    connect(m_device, &SoundDevice::playbackFinished, this, &Buzzer::playbackFinished);
}

void Buzzer::openSound(const QString &file)
{
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    m_device->setFileName(file);
    m_device->open();
}

void Buzzer::reopenSound(const QString &file)
{
    m_device->close();
    m_device->setFileName(file);
    m_device->open();
}

void Buzzer::sound()
{
    if (m_device->fileName().isEmpty() || m_playing || m_muted)
        return;
    m_playing = true;
    m_device->play();
}

void Buzzer::soundShort()
{
    if (m_device->fileName().isEmpty() || m_playing || m_muted)
        return;
    m_playing = true;
    m_device->playCut(ShortMs, ShortFadeMs);
}

void Buzzer::playbackFinished()
{
    m_device->stop();
    m_device->rewind();
    m_playing = false;
}
