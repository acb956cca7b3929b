#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtEndian>

// Builds .wav files byte by byte, including damaged and unusual ones.
namespace WavBuilder {

inline QByteArray le16(int v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(static_cast<quint16>(v), b.data());
    return b;
}

inline QByteArray le32(qint64 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(v), b.data());
    return b;
}

inline QByteArray chunk(const char *id, const QByteArray &body, qint64 declared = -1)
{
    QByteArray c = QByteArray(id, 4) + le32(declared < 0 ? body.size() : declared) + body;
    if (body.size() & 1)
        c += '\0';
    return c;
}

inline QByteArray fmtBody(int encoding, int channels, int rate, int bits, int blockAlign,
                          const QByteArray &extra = {})
{
    QByteArray f = le16(encoding) + le16(channels) + le32(rate) + le32(qint64(rate) * blockAlign) +
                   le16(blockAlign) + le16(bits);
    if (!extra.isNull())
        f += le16(extra.size()) + extra;
    return f;
}

// The extensible header of `encoding`: valid bits, channel mask, sub-format.
inline QByteArray extensibleExtra(int encoding, int validBits)
{
    return le16(validBits) + le32(0) + le16(encoding) +
           QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71", 14);
}

inline QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}

inline QByteArray wav(const QByteArray &fmt, const QByteArray &data, qint64 declaredData = -1)
{
    return riff(chunk("fmt ", fmt) + chunk("data", data, declaredData));
}

inline QByteArray pcm16(const QList<int> &samples)
{
    QByteArray b;
    for (int s : samples)
        b += le16(s);
    return b;
}

inline bool save(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(contents) == contents.size();
}

} // namespace WavBuilder
