#pragma once

#include <QIcon>
#include <QPixmap>

// The logo, drawn from the one source image that also gives the program's icon.
inline constexpr QSize LogoSize{165, 71};
QPixmap logoPixmap(qreal devicePixelRatio);
// The logo centred on a square, as window and desktop icons are.
QImage iconImage(int side);
QIcon corvellaIcon();
