#include "platform/wavinfo.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

struct ChunkHeader
{
    QByteArray id;
    quint32 size = 0;
};

std::optional<ChunkHeader> readChunkHeader(QFile &file)
{
    const QByteArray header = file.read(8);
    if (header.size() != 8)
        return std::nullopt;
    return ChunkHeader{header.left(4), qFromLittleEndian<quint32>(header.constData() + 4)};
}

} // namespace

std::optional<qint64> wavDurationMs(const QString &path)
{
    // Only regular files: opening a FIFO would block until a writer came.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;

    quint32 byteRate = 0;
    while (auto chunk = readChunkHeader(file)) {
        if (chunk->id == "fmt ") {
            const QByteArray fmt = file.read(qMin<quint32>(chunk->size, 16));
            if (fmt.size() < 12)
                return std::nullopt;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            file.seek(file.pos() + chunk->size - fmt.size() + (chunk->size & 1));
        } else if (chunk->id == "data") {
            if (byteRate == 0)
                return std::nullopt;
            const qint64 available = file.size() - file.pos();
            const qint64 bytes = qMin<qint64>(chunk->size, available);
            return bytes * 1000 / byteRate;
        } else if (!file.seek(file.pos() + chunk->size + (chunk->size & 1))) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}
