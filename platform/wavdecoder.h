#pragma once

#include <QByteArray>
#include <QString>

// Decodes a .wav file of any common encoding into 16-bit PCM at its own
// sample rate, in one or two channels: plain PCM of 8 to 32 bits, IEEE float,
// A-law, mu-law, IMA and Microsoft ADPCM, with or without the extensible
// header, any number of channels. Nothing in a header is trusted: sizes are
// cut to the file, the number of chunks and the length of the sound are
// bounded, so a damaged or hostile file costs little time and memory.
struct DecodedSound
{
    int sampleRate = 0;
    int channels = 0;  // 1 or 2
    QByteArray frames; // interleaved signed 16-bit little-endian samples

    qint64 frameCount() const { return frames.size() / (2 * qMax(channels, 1)); }
    qint64 durationMs() const { return sampleRate ? frameCount() * 1000 / sampleRate : 0; }
    // A canonical 16-bit PCM .wav file of the sound, its sizes exact.
    QByteArray toWav() const;
};

struct WavDecoding
{
    DecodedSound sound;
    QString problem; // empty when the sound was decoded
};

namespace WavLimits {
inline constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;
inline constexpr int MaxChunks = 1000;
inline constexpr qint64 MaxDurationMs = 10 * 60 * 1000;
inline constexpr int MinSampleRate = 1000;
inline constexpr int MaxSampleRate = 384000; // the most PulseAudio plays
inline constexpr int MaxChannels = 64;
} // namespace WavLimits

// Reads and decodes the file at `path`; reads only regular files.
WavDecoding decodeWavFile(const QString &path);
// Decodes the contents of a .wav file.
WavDecoding decodeWav(const QByteArray &file);
