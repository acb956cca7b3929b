#include "platform/wavdecoder.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace {

enum Encoding : quint16 {
    Pcm = 0x0001,
    MsAdpcm = 0x0002,
    IeeeFloat = 0x0003,
    ALaw = 0x0006,
    MuLaw = 0x0007,
    ImaAdpcm = 0x0011,
    Extensible = 0xFFFE,
};

// Bounds the decoded sound in memory, whatever its rate and channels.
constexpr qint64 MaxDecodedBytes = 64 * 1024 * 1024;

struct Format
{
    quint16 encoding = 0;
    int channels = 0;
    qint64 sampleRate = 0;
    int blockAlign = 0;
    int bits = 0;
    int samplesPerBlock = 0;
    QList<std::pair<int, int>> coefficients; // Microsoft ADPCM predictors
};

struct Chunks
{
    std::optional<Format> format;
    std::optional<QByteArrayView> data;
    QString problem;
};

quint16 u16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

qint16 s16(const char *p)
{
    return qFromLittleEndian<qint16>(p);
}

quint32 u32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

WavDecoding refused(const QString &problem)
{
    return {{}, problem};
}

QString encodingName(quint16 encoding)
{
    switch (encoding) {
    case 0x0031:
        return QStringLiteral("GSM 6.10");
    case 0x0050:
        return QStringLiteral("MPEG");
    case 0x0055:
        return QStringLiteral("MP3");
    case 0x0092:
    case 0x2000:
        return QStringLiteral("Dolby AC-3");
    case 0x00FF:
    case 0x1610:
        return QStringLiteral("AAC");
    default:
        return QStringLiteral("code 0x%1").arg(encoding, 4, 16, QLatin1Char('0'));
    }
}

std::optional<Format> parseFormat(QByteArrayView body)
{
    if (body.size() < 16)
        return std::nullopt;
    const char *p = body.data();
    Format f;
    f.encoding = u16(p);
    f.channels = u16(p + 2);
    f.sampleRate = u32(p + 4);
    f.blockAlign = u16(p + 12);
    f.bits = u16(p + 14);
    const int extraBytes = body.size() >= 18 ? qMin<int>(u16(p + 16), body.size() - 18) : 0;
    const char *extra = p + 18;
    if (f.encoding == Extensible) {
        // The real encoding is the first two bytes of the sub-format GUID.
        if (extraBytes < 22)
            return std::nullopt;
        f.encoding = u16(extra + 6);
    } else if ((f.encoding == ImaAdpcm || f.encoding == MsAdpcm) && extraBytes >= 2) {
        f.samplesPerBlock = u16(extra);
    }
    if (f.encoding == MsAdpcm && extraBytes >= 4) {
        const int count = qMin<int>(u16(extra + 2), (extraBytes - 4) / 4);
        for (int i = 0; i < count; ++i)
            f.coefficients.append({s16(extra + 4 + 4 * i), s16(extra + 6 + 4 * i)});
    }
    return f;
}

// Finds the format and the sound data, reading no further than the file and
// no more than MaxChunks chunks.
Chunks findChunks(QByteArrayView file)
{
    Chunks found;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.sliced(8, 4) != "WAVE") {
        found.problem = QStringLiteral("it is not a WAV sound file");
        return found;
    }
    qint64 pos = 12;
    for (int chunk = 0; pos + 8 <= file.size(); ++chunk) {
        if (chunk == WavLimits::MaxChunks) {
            found.problem = QStringLiteral("its header is damaged (too many parts)");
            return found;
        }
        const QByteArrayView id = file.sliced(pos, 4);
        const qint64 declared = u32(file.data() + pos + 4);
        // A size beyond the end of the file (a stream's placeholder, or
        // damage) stands for what the file really holds.
        const QByteArrayView body = file.sliced(pos + 8, qMin(declared, file.size() - pos - 8));
        if (id == "fmt " && !found.format) {
            found.format = parseFormat(body);
            if (!found.format) {
                found.problem = QStringLiteral("its description of the sound is damaged");
                return found;
            }
        } else if (id == "data" && !found.data) {
            found.data = body;
        }
        if (found.format && found.data)
            return found;
        pos += 8 + declared + (declared & 1);
    }
    found.problem = found.format ? QStringLiteral("it holds no sound")
                                 : QStringLiteral("its description of the sound is missing");
    return found;
}

int fromAlaw(uchar code)
{
    code ^= 0x55;
    int magnitude = (code & 0x0F) << 4;
    const int segment = (code & 0x70) >> 4;
    magnitude += segment == 0 ? 8 : 0x108;
    if (segment > 1)
        magnitude <<= segment - 1;
    return (code & 0x80) ? magnitude : -magnitude;
}

int fromMulaw(uchar code)
{
    code = ~code;
    const int magnitude = ((((code & 0x0F) << 3) + 0x84) << ((code & 0x70) >> 4)) - 0x84;
    return (code & 0x80) ? -magnitude : magnitude;
}

int fromFloat(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::lround(std::clamp(value, -1.0, 1.0) * 32767));
}

// One sample of an uncompressed encoding, as 16 bits; `size` is the bytes the
// sample occupies in a frame.
int plainSample(const Format &f, int size, const char *p)
{
    const auto byte = static_cast<uchar>(*p);
    switch (f.encoding) {
    case ALaw:
        return fromAlaw(byte);
    case MuLaw:
        return fromMulaw(byte);
    case IeeeFloat:
        if (size == 8)
            return fromFloat(qFromLittleEndian<double>(p));
        return fromFloat(qFromLittleEndian<float>(p));
    default:
        // Eight bits are unsigned; wider samples are signed and their top
        // sixteen bits are what a 16-bit device can play.
        return size == 1 ? (byte - 128) * 256 : s16(p + size - 2);
    }
}

// Mixes `channels` into one or two: more than two go even channels to the
// left, odd ones to the right.
template <typename SampleAt> DecodedSound mixDown(const Format &f, qint64 frames, SampleAt sampleAt)
{
    DecodedSound sound;
    sound.sampleRate = static_cast<int>(f.sampleRate);
    sound.channels = f.channels == 1 ? 1 : 2;
    sound.frames.resize(frames * sound.channels * 2);
    char *out = sound.frames.data();
    for (qint64 frame = 0; frame < frames; ++frame) {
        for (int side = 0; side < sound.channels; ++side) {
            qint64 sum = 0;
            int count = 0;
            for (int c = side; c < f.channels; c += sound.channels, ++count)
                sum += sampleAt(frame, c);
            qToLittleEndian<qint16>(static_cast<qint16>(sum / count), out);
            out += 2;
        }
    }
    return sound;
}

constexpr int imaSteps[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int imaIndexSteps[8] = {-1, -1, -1, -1, 2, 4, 6, 8};

struct ImaChannel
{
    int predictor = 0;
    int index = 0;

    qint16 next(int nibble)
    {
        const int step = imaSteps[index];
        int diff = step >> 3;
        if (nibble & 1)
            diff += step >> 2;
        if (nibble & 2)
            diff += step >> 1;
        if (nibble & 4)
            diff += step;
        predictor = std::clamp(predictor + ((nibble & 8) ? -diff : diff), -32768, 32767);
        index = std::clamp(index + imaIndexSteps[nibble & 7], 0, 88);
        return static_cast<qint16>(predictor);
    }
};

// IMA ADPCM blocks: a header per channel, then groups of four bytes (eight
// samples, low nibble first) taking turns between the channels.
void decodeImaBlock(const Format &f, const char *block, qint16 *out)
{
    const int channels = f.channels;
    ImaChannel state[2];
    for (int c = 0; c < channels; ++c) {
        state[c].predictor = s16(block + 4 * c);
        state[c].index = std::clamp<int>(static_cast<uchar>(block[4 * c + 2]), 0, 88);
        out[c] = static_cast<qint16>(state[c].predictor);
    }
    const char *p = block + 4 * channels;
    for (int group = 0; 1 + 8 * group < f.samplesPerBlock; ++group) {
        for (int c = 0; c < channels; ++c) {
            for (int i = 0; i < 8; ++i) {
                const auto byte = static_cast<uchar>(p[i / 2]);
                const int nibble = (i % 2) ? byte >> 4 : byte & 0x0F;
                out[(1 + 8 * group + i) * channels + c] = state[c].next(nibble);
            }
            p += 4;
        }
    }
}

constexpr int msAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                  768, 614, 512, 409, 307, 230, 230, 230};
const QList<std::pair<int, int>> msStandardCoefficients = {
    {256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};

// Microsoft ADPCM blocks: predictor choice, step and two seed samples per
// channel, then nibbles (high first) taking turns between the channels.
void decodeMsBlock(const Format &f, const char *block, qint16 *out)
{
    const int channels = f.channels;
    const auto &coefficients = f.coefficients.isEmpty() ? msStandardCoefficients : f.coefficients;
    int c1[2], c2[2], delta[2], s1[2], s2[2];
    for (int c = 0; c < channels; ++c) {
        const int choice =
            std::min<int>(static_cast<uchar>(block[c]), static_cast<int>(coefficients.size()) - 1);
        c1[c] = coefficients[choice].first;
        c2[c] = coefficients[choice].second;
        delta[c] = s16(block + channels + 2 * c);
        s1[c] = s16(block + 3 * channels + 2 * c);
        s2[c] = s16(block + 5 * channels + 2 * c);
        out[c] = static_cast<qint16>(s2[c]);
        out[channels + c] = static_cast<qint16>(s1[c]);
    }
    const char *p = block + 7 * channels;
    const qint64 samples = qint64(f.samplesPerBlock - 2) * channels;
    for (qint64 i = 0; i < samples; ++i) {
        const auto byte = static_cast<uchar>(p[i / 2]);
        const int nibble = (i % 2) ? byte & 0x0F : byte >> 4;
        const int c = static_cast<int>(i % channels);
        const int predicted = (s1[c] * c1[c] + s2[c] * c2[c]) / 256;
        const int sample =
            std::clamp(predicted + (nibble >= 8 ? nibble - 16 : nibble) * delta[c], -32768, 32767);
        s2[c] = s1[c];
        s1[c] = sample;
        delta[c] = std::max(16, msAdaptation[nibble] * delta[c] / 256);
        out[2 * channels + i] = static_cast<qint16>(sample);
    }
}

QString checkLength(const Format &f, qint64 frames)
{
    if (frames <= 0)
        return QStringLiteral("it holds no sound");
    const qint64 bytes = frames * (f.channels == 1 ? 2 : 4);
    if (frames * 1000 / f.sampleRate > WavLimits::MaxDurationMs || bytes > MaxDecodedBytes)
        return QStringLiteral("the sound is longer than 10 minutes");
    return {};
}

WavDecoding decodeAdpcm(const Format &f, QByteArrayView data)
{
    const bool ima = f.encoding == ImaAdpcm;
    const int header = (ima ? 4 : 7) * f.channels;
    if (f.channels > 2)
        return refused(QStringLiteral("its compressed sound has more than two channels"));
    if (f.blockAlign <= header)
        return refused(QStringLiteral("its description of the sound is damaged"));
    // The count of samples in a block follows from the block's size.
    Format fixed = f;
    fixed.samplesPerBlock = (f.blockAlign - header) * 2 / f.channels + (ima ? 1 : 2);
    if (ima)
        fixed.samplesPerBlock -= (fixed.samplesPerBlock - 1) % 8;
    const qint64 blocks = data.size() / f.blockAlign;
    const qint64 frames = blocks * fixed.samplesPerBlock;
    if (const QString problem = checkLength(f, frames); !problem.isEmpty())
        return refused(problem);
    std::vector<qint16> samples(static_cast<size_t>(frames * f.channels));
    for (qint64 b = 0; b < blocks; ++b) {
        const char *block = data.data() + b * f.blockAlign;
        qint16 *out = samples.data() + b * fixed.samplesPerBlock * f.channels;
        if (ima)
            decodeImaBlock(fixed, block, out);
        else
            decodeMsBlock(fixed, block, out);
    }
    return {
        mixDown(f, frames, [&](qint64 frame, int c) { return samples[frame * f.channels + c]; }),
        {}};
}

WavDecoding decodePlain(const Format &f, QByteArrayView data)
{
    int size = 0;
    if (f.encoding == IeeeFloat) {
        if (f.bits != 32 && f.bits != 64)
            return refused(QStringLiteral("its description of the sound is damaged"));
        size = f.bits / 8;
    } else if (f.encoding == Pcm) {
        if (f.bits < 1 || f.bits > 32)
            return refused(QStringLiteral("its description of the sound is damaged"));
        // Samples padded into wider slots (20 bits in 3 bytes, 24 in 4).
        const int slot = f.blockAlign % f.channels == 0 ? f.blockAlign / f.channels : 0;
        size = slot >= (f.bits + 7) / 8 && slot <= 4 ? slot : (f.bits + 7) / 8;
    } else {
        size = 1;
    }
    const qint64 frameBytes = qint64(size) * f.channels;
    const qint64 frames = data.size() / frameBytes;
    if (const QString problem = checkLength(f, frames); !problem.isEmpty())
        return refused(problem);
    return {mixDown(f, frames,
                    [&](qint64 frame, int c) {
                        return plainSample(f, size, data.data() + frame * frameBytes + c * size);
                    }),
            {}};
}

} // namespace

QByteArray DecodedSound::toWav() const
{
    QByteArray wav(44, '\0');
    char *p = wav.data();
    const auto dataBytes = static_cast<quint32>(frames.size());
    std::memcpy(p, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, p + 4);
    std::memcpy(p + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, p + 16);
    qToLittleEndian<quint16>(Pcm, p + 20);
    qToLittleEndian<quint16>(static_cast<quint16>(channels), p + 22);
    qToLittleEndian<quint32>(static_cast<quint32>(sampleRate), p + 24);
    qToLittleEndian<quint32>(static_cast<quint32>(sampleRate * channels * 2), p + 28);
    qToLittleEndian<quint16>(static_cast<quint16>(channels * 2), p + 32);
    qToLittleEndian<quint16>(16, p + 34);
    std::memcpy(p + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, p + 40);
    return wav + frames;
}

WavDecoding decodeWav(const QByteArray &file)
{
    const Chunks chunks = findChunks(file);
    if (!chunks.problem.isEmpty())
        return refused(chunks.problem);
    const Format &f = *chunks.format;
    if (f.channels < 1 || f.channels > WavLimits::MaxChannels)
        return refused(QStringLiteral("its description of the sound is damaged"));
    if (f.sampleRate < WavLimits::MinSampleRate || f.sampleRate > WavLimits::MaxSampleRate)
        return refused(
            QStringLiteral("its sample rate of %1 Hz is not supported").arg(f.sampleRate));
    switch (f.encoding) {
    case Pcm:
    case IeeeFloat:
    case ALaw:
    case MuLaw:
        return decodePlain(f, *chunks.data);
    case ImaAdpcm:
    case MsAdpcm:
        return decodeAdpcm(f, *chunks.data);
    default:
        return refused(QStringLiteral("its sound is compressed as %1, which Corvella cannot play")
                           .arg(encodingName(f.encoding)));
    }
}

WavDecoding decodeWavFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refused(QStringLiteral("the file does not exist"));
    // Only regular files: opening a FIFO would wait for a writer forever.
    if (!info.isFile())
        return refused(QStringLiteral("it is not a file"));
    if (info.size() > WavLimits::MaxFileBytes)
        return refused(QStringLiteral("it is larger than 32 MB"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("it cannot be read"));
    const QByteArray contents = file.read(WavLimits::MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QStringLiteral("it cannot be read"));
    if (contents.size() > WavLimits::MaxFileBytes)
        return refused(QStringLiteral("it is larger than 32 MB"));
    return decodeWav(contents);
}
