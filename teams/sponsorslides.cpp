#include "teams/sponsorslides.h"

#include "teams/imagefile.h"

#include <QDir>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

SponsorSlides::SponsorSlides(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<QList<QImage>>::finished, this, &SponsorSlides::decoded);
}

// The worker only reads files it was given: waiting for it is short.
SponsorSlides::~SponsorSlides()
{
    m_watcher.waitForFinished();
}

QString SponsorSlides::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/Corvella/sponsors"_s;
}

QList<SponsorSlides::File> SponsorSlides::files(const QString &folder)
{
    const QStringList patterns = {u"*.png"_s, u"*.jpg"_s, u"*.jpeg"_s, u"*.svg"_s};
    QList<File> found;
    const QDir dir(folder);
    for (const QString &name :
         dir.entryList(patterns, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase)) {
        const QString path = dir.filePath(name);
        found.append({path, ImageFile::refusal(path)});
    }
    return found;
}

QStringList SponsorSlides::shownPaths(const QString &folder)
{
    QStringList paths;
    for (const File &file : files(folder))
        if (file.refusal.isEmpty())
            paths.append(file.path);
    return paths;
}

int SponsorSlides::slideAt(qint64 sinceStartMs, qint64 slideMs, int count)
{
    if (count <= 0 || slideMs <= 0)
        return -1;
    return static_cast<int>((qMax<qint64>(sinceStartMs, 0) / slideMs) % count);
}

qint64 SponsorSlides::msToNextSlide(qint64 sinceStartMs, qint64 slideMs)
{
    if (slideMs <= 0)
        return 0;
    return slideMs - qMax<qint64>(sinceStartMs, 0) % slideMs;
}

void SponsorSlides::load(const QString &folder, QSize box)
{
    if (m_watcher.isRunning()) {
        m_pending = std::pair(folder, box);
        return;
    }
    tellRefused(folder);
    m_box = box;
    const QStringList paths = shownPaths(folder);
    m_watcher.setFuture(QtConcurrent::run([paths, box] {
        QList<QImage> images;
        for (const QString &path : paths)
            if (QImage image = ImageFile::decode(path, box); !image.isNull())
                images.append(image);
        return images;
    }));
}

void SponsorSlides::tellRefused(const QString &folder)
{
    for (const File &file : files(folder))
        if (!file.refusal.isEmpty())
            ImageFile::tellNotShown("sponsor picture", file.path, file.refusal);
}

void SponsorSlides::decoded()
{
    m_images = m_watcher.result();
    if (m_pending) {
        const auto [folder, box] = *m_pending;
        m_pending.reset();
        load(folder, box);
    }
    emit loaded();
}
