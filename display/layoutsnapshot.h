#pragma once

#include <QList>
#include <QPointer>

class QWidget;

// Returns x when it is at least 1, else 1 (also for NaN).
double atLeastOne(double x);

// One control's recorded geometry. Every quantity is in twips (font sizes in
// points, outline widths in pixels); 0 means "not recorded" and is never
// applied. Values are 32-bit so that a 4K or 8K window fits.
struct ControlLayout
{
    QPointer<QWidget> control;
    qint32 left = 0;
    qint32 top = 0;
    qint32 height = 0;
    qint32 width = 0;
    qint32 fontSize = 0;
    qint32 borderWidth = 0;
    qint32 bufferArea = 0;
    qint32 size = 0;
};

// Keeps a window's controls in proportion to the window. record takes a
// snapshot of the window's client size and its controls' geometry;
// stretch re-applies the snapshot scaled to the current size: horizontal
// quantities by the width ratio, all others by the height ratio. Digits are
// the exception, so that they stay readable on every screen shape: they scale
// by the smaller ratio, and a panel holding digits keeps its controls together
// as one group centred in it.
class LayoutSnapshot
{
public:
    void record(QWidget *window);
    void stretch(QWidget *window) const;

    const QList<ControlLayout> &layouts() const { return m_layouts; }
    qint32 originalWidth() const { return m_origWidth; }
    qint32 originalHeight() const { return m_origHeight; }

private:
    QList<ControlLayout> m_layouts;
    qint32 m_origWidth = 0;
    qint32 m_origHeight = 0;
};
