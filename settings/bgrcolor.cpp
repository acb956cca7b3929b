#include "settings/bgrcolor.h"

QColor fromBgr(qint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

qint32 toBgr(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}
