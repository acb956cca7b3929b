#pragma once

#include <QByteArray>
#include <QString>

// Decodes a sound file into 16-bit PCM at its own sample rate, in one or two
// channels, with libsndfile: WAV of every common encoding (PCM of 8 to 32
// bits, float, A-law, mu-law, IMA and Microsoft ADPCM, the extensible header),
// FLAC, Ogg Vorbis, Opus, MP3 and the rest libsndfile reads. More channels
// mix down to two. Nothing in a header is trusted: the file is read once into
// memory and the length of the sound is bounded, so a damaged or hostile
// file costs little time and memory.
struct DecodedSound
{
    int sampleRate = 0;
    int channels = 0;  // 1 or 2
    QByteArray frames; // interleaved signed 16-bit little-endian samples

    qint64 frameCount() const { return frames.size() / (2 * qMax(channels, 1)); }
    qint64 durationMs() const { return sampleRate ? frameCount() * 1000 / sampleRate : 0; }
};

struct SoundDecoding
{
    DecodedSound sound;
    QString problem; // empty when the sound was decoded
};

namespace SoundLimits {
inline constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;
inline constexpr int MaxWavChunks = 1000;
inline constexpr qint64 MaxDurationMs = 10 * 60 * 1000;
inline constexpr int MinSampleRate = 1000;
inline constexpr int MaxSampleRate = 384000; // the most PulseAudio plays
inline constexpr int MaxChannels = 64;
} // namespace SoundLimits

// Reads and decodes the file at `path`; reads only regular files.
SoundDecoding decodeSoundFile(const QString &path);

// The first `lengthMs` of `sound`, its last `fadeMs` faded out to silence so
// that the cut does not click; the whole sound when it is shorter.
DecodedSound cutWithFade(const DecodedSound &sound, qint64 lengthMs, qint64 fadeMs);
// Decodes the contents of a sound file.
SoundDecoding decodeSound(const QByteArray &file);
