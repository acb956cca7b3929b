#include "teams/imagefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QXmlStreamReader>

namespace {

bool isSvg(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"svg" || suffix == u"svgz";
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

QString refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QCoreApplication::translate("ImageFile", "there is no such file");
    if (info.size() > MaxBytes)
        return QCoreApplication::translate("ImageFile", "it is larger than 8 MB");
    if (isSvg(path)) {
        if (const QString why = svgRefusal(path); !why.isEmpty())
            return why;
    }
    QImageReader reader(path);
    if (!reader.canRead())
        return QCoreApplication::translate("ImageFile", "it is not a PNG, JPEG or SVG image");
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg" && format != "svg" && format != "svgz")
        return QCoreApplication::translate("ImageFile", "it is not a PNG, JPEG or SVG image");
    const QSize size = reader.size();
    if (size.width() > MaxSide || size.height() > MaxSide)
        return QCoreApplication::translate("ImageFile", "it is larger than 4096 x 4096 pixels");
    return {};
}

QImage decode(const QString &path, QSize box)
{
    if (!refusal(path).isEmpty() || box.isEmpty())
        return {};
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace ImageFile
