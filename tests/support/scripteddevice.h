#pragma once

#include "platform/sounddevice.h"

#include <QStringList>

// A sound device that plays nothing: it records the commands it was given,
// and the test decides when a playback ends.
class ScriptedSoundDevice : public SoundDevice
{
    Q_OBJECT

public:
    using SoundDevice::SoundDevice;

    QStringList commands;
    int plays = 0;
    QStringList playedFiles;
    bool playing = false;

    void open() override { commands << QStringLiteral("Open ") + fileName(); }
    void play() override
    {
        commands << QStringLiteral("Play");
        ++plays;
        playedFiles << fileName();
        playing = true;
    }
    void playCut(qint64 lengthMs, qint64 fadeMs) override
    {
        commands << QStringLiteral("Play %1 ms, fade %2 ms").arg(lengthMs).arg(fadeMs);
        ++plays;
        playedFiles << fileName();
        playing = true;
    }
    void stop() override { commands << QStringLiteral("Stop"); }
    void rewind() override { commands << QStringLiteral("Rewind"); }
    void close() override
    {
        commands << QStringLiteral("Close");
        finish();
    }

    // The end of the current playback, as the sound service reports it.
    void finish()
    {
        if (!playing)
            return;
        playing = false;
        emit playbackFinished();
    }
};
