#pragma once

#include <QFont>
#include <QRect>

// Window and control geometry is designed in twips (1/1440 inch); this is the
// one place where twips become logical pixels and back.
double twipsPerPixel();
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);
QRect twipsRect(double left, double top, double width, double height);

// The font of a window's ordinary text: a small sans serif, as the layout was
// designed for.
QFont defaultWindowFont();
