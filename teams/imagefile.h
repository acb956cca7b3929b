#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Logos and sponsor slides come from anyone's USB stick: each is checked
// before it is decoded, and decoded once, off the board's thread.
namespace ImageFile {

constexpr qint64 MaxBytes = 8 * 1024 * 1024;
constexpr int MaxSide = 4096;

// Why the image at `path` cannot be shown (too big, not an image, an SVG
// that would load something from outside itself), or empty when it can.
// Reads the file's header only, not its pixels.
QString refusal(const QString &path);

// The image decoded and scaled to fit `box`, keeping its shape; a null
// image when it is refused or cannot be decoded. Slow: call it off the
// board's thread.
QImage decode(const QString &path, QSize box);

} // namespace ImageFile
