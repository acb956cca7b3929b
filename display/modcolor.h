#pragma once

#include <QList>

class LedGroup;
class ledlines;
class QWidget;

// Colours every label, panel and shape of `window` from AppSettings, except
// the controls whose name equals the name of one in `exclusions`.
void ColorControls(QWidget *window, const QList<QWidget *> &exclusions);

// Lit colour `lit`; background and unlit segments take LEDBackColor, so only
// lit segments show.
void ColorLED(const LedGroup &group, qint32 lit);
void ColorLED(ledlines *digit, qint32 lit);
