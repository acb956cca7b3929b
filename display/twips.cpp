#include "display/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

double twipsPerPixel()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

double pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel();
}

QRect twipsRect(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QFont defaultWindowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}
