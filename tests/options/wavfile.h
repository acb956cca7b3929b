#pragma once

#include <QFile>
#include <QString>
#include <QtEndian>

// Writes a PCM .wav file of `ms` milliseconds of silence (8 kHz, 16-bit mono):
// a sound the buzzer can play.
inline bool writeSilentWav(const QString &path, int ms = 200)
{
    const quint32 rate = 8000;
    const quint32 dataBytes = rate * 2 * quint32(ms) / 1000;
    QByteArray wav;
    const auto add32 = [&wav](quint32 v) {
        char bytes[4];
        qToLittleEndian(v, bytes);
        wav.append(bytes, 4);
    };
    const auto add16 = [&wav](quint16 v) {
        char bytes[2];
        qToLittleEndian(v, bytes);
        wav.append(bytes, 2);
    };
    wav.append("RIFF");
    add32(36 + dataBytes);
    wav.append("WAVEfmt ");
    add32(16);
    add16(1); // PCM
    add16(1); // mono
    add32(rate);
    add32(rate * 2);
    add16(2);
    add16(16);
    wav.append("data");
    add32(dataBytes);
    wav.append(QByteArray(dataBytes, '\0'));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}
