#pragma once

#include <QColor>

// Colours are kept as 0x00BBGGRR integers, red in the low byte.
QColor fromBgr(qint32 bgr);
qint32 toBgr(const QColor &color);
