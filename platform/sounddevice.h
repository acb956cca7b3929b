#pragma once

#include <QObject>
#include <QString>

// The buzzer's sound device: one sound file, opened, played, stopped, rewound
// and closed, and a notification when a playback has ended. Every playback
// that was started ends with exactly one playbackFinished, also one that
// failed or was cut off by Close. No operation reports an error.
class SoundDevice : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path) { m_fileName = path; }

    virtual void Open() = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void Prev() = 0;
    virtual void Close() = 0;

signals:
    void playbackFinished();

private:
    QString m_fileName;
};
