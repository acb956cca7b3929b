#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Logos and sponsor slides come from anyone's USB stick: each is checked
// before it is decoded, and decoded once, off the board's thread.
namespace ImageFile {

constexpr qint64 MaxBytes = 8 * 1024 * 1024;
constexpr int MaxSide = 4096;

// What the file at `path` holds, told by its content and never by its name:
// "png", "jpeg" or "svg", or empty for anything else. A picture is checked,
// decoded and served as what it holds, so an SVG named .png is an SVG.
QByteArray format(const QString &path);
// The type a picture of that format is served as.
QByteArray mimeType(const QByteArray &format);
// The file name suffix that says that format.
QString suffix(const QByteArray &format);

// Why the image at `path` cannot be shown (too big, not an image, an SVG
// that would load something from outside itself), or empty when it can.
// Reads the file's header only, not its pixels.
QString refusal(const QString &path);

// Says on stderr that the picture at `path` is not shown and why, once a run
// for each picture: "corvella: logo PATH is not shown: WHY". Any thread.
void tellNotShown(const char *kind, const QString &path, const QString &why);

// The image decoded and scaled to fit `box`, keeping its shape; a null
// image when it is refused or cannot be decoded. Slow: call it off the
// board's thread.
QImage decode(const QString &path, QSize box);
// The same for a picture refusal() has let through already.
QImage read(const QString &path, QSize box);

} // namespace ImageFile
