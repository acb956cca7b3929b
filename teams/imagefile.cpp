#include "teams/imagefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutex>
#include <QSet>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

// Every reader of a picture: its format is found from its first bytes.
void readByContent(QImageReader &reader)
{
    reader.setDecideFormatFromContent(true);
}

// Only what the picture holds itself: a fragment of it, or data written
// into it.
bool isInside(QStringView reference)
{
    reference = reference.trimmed();
    return reference.startsWith(u'#') || reference.startsWith(u"data:", Qt::CaseInsensitive);
}

// `url(...)` in a style, pointing anywhere but inside the picture.
bool hasOutsideUrl(QStringView text)
{
    qsizetype from = 0;
    while ((from = text.indexOf(u"url(", from, Qt::CaseInsensitive)) >= 0) {
        from += 4;
        QStringView rest = text.mid(from).trimmed();
        if (rest.startsWith(u'"') || rest.startsWith(u'\''))
            rest = rest.mid(1);
        if (!isInside(rest))
            return true;
    }
    return false;
}

// Qt's SVG renderer would load an image or a style another file names, and
// an entity may pull in any file: such a picture is not shown.
QString svgRefusal(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("ImageFile", "it cannot be read");
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (!xml.entityDeclarations().isEmpty())
                return QCoreApplication::translate("ImageFile", "the SVG declares entities");
            break;
        case QXmlStreamReader::StartElement:
            for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                if (attribute.name() == u"href" && !isInside(attribute.value()))
                    return QCoreApplication::translate("ImageFile",
                                                       "the SVG refers to a file outside itself");
                if (hasOutsideUrl(attribute.value()))
                    return QCoreApplication::translate("ImageFile",
                                                       "the SVG refers to a file outside itself");
            }
            break;
        case QXmlStreamReader::Characters:
            if (hasOutsideUrl(xml.text()))
                return QCoreApplication::translate("ImageFile",
                                                   "the SVG refers to a file outside itself");
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return QCoreApplication::translate("ImageFile", "it is not a readable SVG file");
    return {};
}

} // namespace

namespace ImageFile {

QByteArray format(const QString &path)
{
    QImageReader reader(path);
    readByContent(reader);
    if (!reader.canRead())
        return {};
    const QByteArray found = reader.format();
    // A compressed SVG is told as one, to be refused as one.
    if (found == "svgz")
        return "svg";
    return found == "png" || found == "jpeg" || found == "svg" ? found : QByteArray();
}

QByteArray mimeType(const QByteArray &format)
{
    return format == "png"    ? "image/png"
           : format == "jpeg" ? "image/jpeg"
           : format == "svg"  ? "image/svg+xml"
                              : "application/octet-stream";
}

QString suffix(const QByteArray &format)
{
    return format == "jpeg" ? QStringLiteral("jpg") : QString::fromLatin1(format);
}

QString refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QCoreApplication::translate("ImageFile", "there is no such file");
    if (info.size() > MaxBytes)
        return QCoreApplication::translate("ImageFile", "it is larger than 8 MB");
    const QByteArray held = format(path);
    if (held.isEmpty())
        return QCoreApplication::translate("ImageFile", "it is not a PNG, JPEG or SVG image");
    if (held == "svg") {
        if (const QString why = svgRefusal(path); !why.isEmpty())
            return why;
    }
    QImageReader reader(path);
    readByContent(reader);
    const QSize size = reader.size();
    if (size.width() > MaxSide || size.height() > MaxSide)
        return QCoreApplication::translate("ImageFile", "it is larger than 4096 x 4096 pixels");
    return {};
}

void tellNotShown(const char *kind, const QString &path, const QString &why)
{
    // The library is read again at each choice of teams, and the audience
    // display makes its views anew each time it opens.
    static QMutex mutex;
    static QSet<QString> told;
    const QString key = QString::fromLatin1(kind) + u'\n' + path;
    const QMutexLocker lock(&mutex);
    if (told.contains(key))
        return;
    told.insert(key);
    std::fprintf(stderr, "corvella: %s %s is not shown: %s\n", kind,
                 qPrintable(QDir::toNativeSeparators(path)), qPrintable(why));
}

QImage decode(const QString &path, QSize box)
{
    if (!refusal(path).isEmpty())
        return {};
    return read(path, box);
}

QImage read(const QString &path, QSize box)
{
    if (box.isEmpty())
        return {};
    QImageReader reader(path);
    readByContent(reader);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace ImageFile
