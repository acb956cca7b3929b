#include "app/logo.h"

#include <QPainter>
#include <QSvgRenderer>

// The resources live in a static library, so they are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(app);
}

namespace {

QSvgRenderer &renderer()
{
    [[maybe_unused]] static const bool registered = (registerResources(), true);
    static QSvgRenderer svg(QStringLiteral(":/corvella/logo.svg"));
    return svg;
}

} // namespace

QPixmap logoPixmap(qreal devicePixelRatio)
{
    QPixmap pixmap(LogoSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer().render(&painter, QRectF(QPointF(0, 0), QSizeF(LogoSize)));
    return pixmap;
}

QImage iconImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const double height = side * double(LogoSize.height()) / LogoSize.width();
    renderer().render(&painter, QRectF(0, (side - height) / 2, side, height));
    return image;
}

QIcon corvellaIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(iconImage(side)));
    return icon;
}
