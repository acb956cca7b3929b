#pragma once

#include <QObject>
#include <QString>

#include <algorithm>

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

    // The longest a playback of a sound of `durationMs` may take before the
    // device ends it itself: the sound's length plus a margin, bounded
    // whatever a damaged header claims.
    static int watchdogIntervalMs(qint64 durationMs)
    {
        constexpr qint64 MaxSoundMs = 10 * 60 * 1000;
        constexpr qint64 MarginMs = 500;
        return static_cast<int>(std::clamp<qint64>(durationMs, 0, MaxSoundMs) + MarginMs);
    }

    virtual void open() = 0;
    virtual void play() = 0;
    // The first `lengthMs` of the sound, faded out over its last `fadeMs`;
    // a device that cannot cut plays it whole.
    virtual void playCut(qint64 lengthMs, qint64 fadeMs)
    {
        Q_UNUSED(lengthMs);
        Q_UNUSED(fadeMs);
        play();
    }
    virtual void stop() = 0;
    virtual void rewind() = 0;
    virtual void close() = 0;

signals:
    void playbackFinished();

private:
    QString m_fileName;
};
