#pragma once

#include <QList>
#include <QPointer>

class QWidget;

// Returns x when it is at least 1, else 1 (also for NaN).
double Min1(double x);

// One control's recorded geometry. Every quantity is in twips (font sizes in
// points, outline widths in pixels); 0 means "not recorded" and is never
// applied. Values are 32-bit so that a 4K or 8K window fits.
struct ControlLayout
{
    QPointer<QWidget> Ctl;
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Height = 0;
    qint32 Width = 0;
    qint32 FontSize = 0;
    qint32 BorderWidth = 0;
    qint32 BufferArea = 0;
    qint32 Size = 0;
};

// Keeps a window's controls in proportion to the window. RecordLayout takes a
// snapshot of the window's client size and its controls' geometry;
// StretchLayout re-applies the snapshot scaled to the current size: horizontal
// quantities by the width ratio, all others by the height ratio. Digits are
// the exception, so that they stay readable on every screen shape: they scale
// by the smaller ratio, and a panel holding digits keeps its controls together
// as one group centred in it.
class LayoutSnapshot
{
public:
    void RecordLayout(QWidget *window);
    void StretchLayout(QWidget *window) const;

    const QList<ControlLayout> &Layouts() const { return m_layouts; }
    qint32 OrigWidth() const { return m_origWidth; }
    qint32 OrigHeight() const { return m_origHeight; }

private:
    QList<ControlLayout> m_layouts;
    qint32 m_origWidth = 0;
    qint32 m_origHeight = 0;
};
