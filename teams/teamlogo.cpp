#include "teams/teamlogo.h"

#include "teams/imagefile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

namespace {

// What is known of one logo file, as long as it keeps its size and time.
struct KnownLogo
{
    QDateTime modified;
    qint64 size = 0;
    QString refusal;
    QImage image;
    bool decoded = false;
};

// A club has a few dozen teams; a board shows two.
constexpr qsizetype MostLogosKept = 32;

struct KnownLogos
{
    QMutex mutex;
    QHash<QString, KnownLogo> byPath;
};

KnownLogos &knownLogos()
{
    static KnownLogos logos;
    return logos;
}

bool stillTheSame(const KnownLogo &logo, const QFileInfo &file)
{
    return logo.size == file.size() && logo.modified == file.lastModified();
}

// The logo's entry, checked again only when its file changed.
KnownLogo checked(const QString &path)
{
    KnownLogos &known = knownLogos();
    const QFileInfo file(path);
    {
        const QMutexLocker lock(&known.mutex);
        if (const auto it = known.byPath.constFind(path);
            it != known.byPath.cend() && stillTheSame(*it, file))
            return *it;
    }
    // Checked without the lock: the board's thread may ask meanwhile.
    KnownLogo logo{file.lastModified(), file.size(), ImageFile::refusal(path), {}, false};
    const QMutexLocker lock(&known.mutex);
    if (known.byPath.size() >= MostLogosKept)
        known.byPath.clear();
    known.byPath.insert(path, logo);
    return logo;
}

void keepDecoded(const QString &path, const KnownLogo &logo)
{
    KnownLogos &known = knownLogos();
    const QMutexLocker lock(&known.mutex);
    if (const auto it = known.byPath.find(path);
        it != known.byPath.end() && it->size == logo.size && it->modified == logo.modified)
        *it = logo;
}

} // namespace

namespace TeamLogo {

QString refusal(const QString &path)
{
    return checked(path).refusal;
}

QImage image(const QString &path)
{
    if (path.isEmpty())
        return {};
    KnownLogo logo = checked(path);
    if (!logo.decoded && logo.refusal.isEmpty()) {
        logo.image = ImageFile::read(path, QSize(MaxSide, MaxSide));
        logo.decoded = true;
        keepDecoded(path, logo);
    }
    if (logo.image.isNull())
        ImageFile::tellNotShown("logo", path,
                                logo.refusal.isEmpty() ? QStringLiteral("it cannot be decoded")
                                                       : logo.refusal);
    return logo.image;
}

QImage image(const Team &team, QSize box)
{
    const QImage logo = image(team.logo);
    if (logo.isNull() || box.isEmpty())
        return {};
    return logo.scaled(logo.size().scaled(box, Qt::KeepAspectRatio), Qt::IgnoreAspectRatio,
                       Qt::SmoothTransformation);
}

} // namespace TeamLogo
