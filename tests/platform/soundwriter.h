#pragma once

#include <QFile>
#include <QString>

#include <sndfile.h>

#include <cmath>
#include <vector>

// Writes sound files in any format libsndfile writes, for the formats the
// decoder reads beyond hand-built WAV.
namespace SoundWriter {

inline bool canWrite(int format, int sampleRate, int channels)
{
    SF_INFO info{};
    info.format = format;
    info.samplerate = sampleRate;
    info.channels = channels;
    return sf_format_check(&info) == SF_TRUE;
}

// `ms` milliseconds of a loud 440 Hz tone; false when libsndfile cannot
// write the format.
inline bool writeTone(const QString &path, int format, int sampleRate, int channels, int ms)
{
    SF_INFO info{};
    info.format = format;
    info.samplerate = sampleRate;
    info.channels = channels;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t frames = sf_count_t(sampleRate) * ms / 1000;
    std::vector<short> samples(static_cast<size_t>(frames * channels));
    for (sf_count_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[static_cast<size_t>(i * channels + c)] =
                static_cast<short>(20000 * std::sin(2 * M_PI * 440 * double(i) / sampleRate));
    const bool written = sf_writef_short(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

} // namespace SoundWriter
