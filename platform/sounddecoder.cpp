#include "platform/sounddecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Bounds the decoded sound in memory, whatever its rate and channels.
constexpr qint64 MaxDecodedBytes = 64 * 1024 * 1024;
constexpr sf_count_t ReadFrames = 4096;

SoundDecoding refused(const QString &problem)
{
    return {{}, problem};
}

// libsndfile reads the file from memory: one read from the disk, and no
// header can send it anywhere the file does not reach.
struct Memory
{
    QByteArrayView data;
    sf_count_t at = 0;

    static Memory &of(void *user) { return *static_cast<Memory *>(user); }

    static sf_count_t length(void *user) { return of(user).data.size(); }

    static sf_count_t seek(sf_count_t offset, int whence, void *user)
    {
        Memory &m = of(user);
        const sf_count_t size = m.data.size();
        const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m.at : size;
        m.at = std::clamp(base + std::clamp(offset, -size, size), sf_count_t(0), size);
        return m.at;
    }

    static sf_count_t read(void *to, sf_count_t count, void *user)
    {
        Memory &m = of(user);
        const sf_count_t bytes = std::clamp<sf_count_t>(count, 0, m.data.size() - m.at);
        if (bytes > 0) // an empty file has no bytes to copy from
            std::memcpy(to, m.data.data() + m.at, static_cast<size_t>(bytes));
        m.at += bytes;
        return bytes;
    }

    static sf_count_t write(const void *, sf_count_t, void *) { return 0; }
    static sf_count_t tell(void *user) { return of(user).at; }
};

// libsndfile walks every chunk of a WAV file before the sound; a file of
// millions of empty chunks is refused before it gets there.
bool tooManyWavChunks(QByteArrayView file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.sliced(8, 4) != "WAVE")
        return false;
    qint64 pos = 12;
    for (int chunk = 0; pos + 8 <= file.size(); ++chunk) {
        if (chunk == SoundLimits::MaxWavChunks)
            return true;
        if (file.sliced(pos, 4) == "data")
            return false;
        const qint64 declared = qFromLittleEndian<quint32>(file.data() + pos + 4);
        pos += 8 + declared + (declared & 1);
    }
    return false;
}

QString openProblem(int error)
{
    switch (error) {
    case SF_ERR_UNRECOGNISED_FORMAT:
        return QCoreApplication::translate("SoundFile", "it is not a sound file");
    case SF_ERR_UNSUPPORTED_ENCODING:
        return QCoreApplication::translate("SoundFile",
                                           "its sound is compressed in a way Corvella cannot play");
    default:
        return QCoreApplication::translate("SoundFile", "it is damaged");
    }
}

struct CloseSoundFile
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};

// Appends `frames` frames of `in` channels to `sound`, mixed into its one or
// two: more than two go even channels to the left, odd ones to the right.
void mixDown(const short *samples, sf_count_t frames, int in, DecodedSound &sound)
{
    const int out = sound.channels;
    const qsizetype start = sound.frames.size();
    sound.frames.resize(start + frames * out * 2);
    char *to = sound.frames.data() + start;
    for (sf_count_t frame = 0; frame < frames; ++frame, samples += in) {
        for (int side = 0; side < out; ++side) {
            int sum = 0;
            int count = 0;
            for (int c = side; c < in; c += out, ++count)
                sum += samples[c];
            qToLittleEndian<qint16>(static_cast<qint16>(sum / count), to);
            to += 2;
        }
    }
}

} // namespace

SoundDecoding decodeSound(const QByteArray &file)
{
    if (tooManyWavChunks(file))
        return refused(
            QCoreApplication::translate("SoundFile", "its header is damaged (too many parts)"));
    Memory memory{file};
    SF_VIRTUAL_IO io{&Memory::length, &Memory::seek, &Memory::read, &Memory::write, &Memory::tell};
    SF_INFO info{};
    std::unique_ptr<SNDFILE, CloseSoundFile> sound;
    int openError = SF_ERR_NO_ERROR;
    {
        // Why an open failed is kept in one global for every thread.
        static std::mutex opening;
        const std::lock_guard lock(opening);
        sound.reset(sf_open_virtual(&io, SFM_READ, &info, &memory));
        if (!sound)
            openError = sf_error(nullptr);
    }
    if (!sound)
        return refused(openProblem(openError));
    if (info.channels < 1 || info.channels > SoundLimits::MaxChannels)
        return refused(QCoreApplication::translate(
                           "SoundFile", "it has %1 channels, more than Corvella can play")
                           .arg(info.channels));
    if (info.samplerate < SoundLimits::MinSampleRate ||
        info.samplerate > SoundLimits::MaxSampleRate)
        return refused(
            QCoreApplication::translate("SoundFile", "its sample rate of %1 Hz is not supported")
                .arg(info.samplerate));
    // Float samples beyond full scale clip rather than wrap around.
    sf_command(sound.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);

    SoundDecoding decoded;
    decoded.sound.sampleRate = info.samplerate;
    decoded.sound.channels = info.channels == 1 ? 1 : 2;
    // Counted as decoded: the header's count of frames may lie.
    const qint64 maxFrames = std::min(SoundLimits::MaxDurationMs * info.samplerate / 1000,
                                      MaxDecodedBytes / (2 * decoded.sound.channels));
    std::vector<short> samples(static_cast<size_t>(ReadFrames * info.channels));
    qint64 frames = 0;
    for (;;) {
        const sf_count_t read = sf_readf_short(sound.get(), samples.data(), ReadFrames);
        if (read <= 0)
            break;
        frames += read;
        if (frames > maxFrames)
            return refused(
                QCoreApplication::translate("SoundFile", "the sound is longer than 10 minutes"));
        mixDown(samples.data(), read, info.channels, decoded.sound);
    }
    if (frames == 0)
        return refused(QCoreApplication::translate("SoundFile", "it holds no sound"));
    return decoded;
}

SoundDecoding decodeSoundFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refused(QCoreApplication::translate("SoundFile", "the file does not exist"));
    // Only regular files: opening a FIFO would wait for a writer forever.
    if (!info.isFile())
        return refused(QCoreApplication::translate("SoundFile", "it is not a file"));
    if (info.size() > SoundLimits::MaxFileBytes)
        return refused(QCoreApplication::translate("SoundFile", "it is larger than 32 MB"));
    // The path may have become a FIFO since: open without waiting, and look
    // again at what was opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refused(QCoreApplication::translate("SoundFile", "it cannot be read"));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refused(QCoreApplication::translate("SoundFile", "it cannot be read"));
    }
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))
        return refused(QCoreApplication::translate("SoundFile", "it is not a file"));
    const QByteArray contents = file.read(SoundLimits::MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QCoreApplication::translate("SoundFile", "it cannot be read"));
    if (contents.size() > SoundLimits::MaxFileBytes)
        return refused(QCoreApplication::translate("SoundFile", "it is larger than 32 MB"));
    return decodeSound(contents);
}

DecodedSound cutWithFade(const DecodedSound &sound, qint64 lengthMs, qint64 fadeMs)
{
    DecodedSound cut = sound;
    const qint64 frames = std::min(sound.frameCount(), lengthMs * sound.sampleRate / 1000);
    const qint64 channels = std::max(sound.channels, 1);
    cut.frames.truncate(frames * 2 * channels);
    const qint64 fadeFrames = std::min(frames, fadeMs * sound.sampleRate / 1000);
    auto *samples = reinterpret_cast<qint16 *>(cut.frames.data());
    for (qint64 i = 0; i < fadeFrames; ++i) {
        // From full at the fade's start down to silence at the last frame.
        const qint64 frame = frames - fadeFrames + i;
        const double gain = double(fadeFrames - 1 - i) / double(fadeFrames);
        for (qint64 c = 0; c < channels; ++c) {
            qint16 &sample = samples[frame * channels + c];
            sample = qint16(qFromLittleEndian(sample) * gain);
            sample = qToLittleEndian(sample);
        }
    }
    return cut;
}
