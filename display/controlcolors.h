#pragma once

#include <QList>

class LedGroup;
class LedDigit;
class QWidget;

// Colours every label, panel and shape of `window`, except the controls whose
// name equals the name of one in `exclusions`: labels and shapes take
// `textColor`, panels `ledBackColor`.
void colorControls(QWidget *window, const QList<QWidget *> &exclusions, qint32 textColor,
                   qint32 ledBackColor);

// Lit colour `lit`; background and unlit segments take `back`, so only lit
// segments show.
void colorLeds(const LedGroup &group, qint32 lit, qint32 back);
void colorLeds(LedDigit *digit, qint32 lit, qint32 back);
