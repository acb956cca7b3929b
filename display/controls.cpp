#include "display/controls.h"

#include "display/keyascii.h"
#include "settings/bgrcolor.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

Label::Label(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setForeColor(0);
}

void Label::setForeColor(qint32 bgr)
{
    m_foreColor = bgr;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, fromBgr(bgr));
    setPalette(pal);
}

void Label::setFontSize(double points)
{
    if (points <= 0)
        return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
    fitToText();
}

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    fitToText();
}

void Label::setCaption(const QString &text)
{
    setText(text);
    fitToText();
}

void Label::fitToText()
{
    if (m_autoSize)
        resize(sizeHint());
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(qint32 bgr)
{
    if (bgr == m_backColor)
        return;
    m_backColor = bgr;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), fromBgr(m_backColor));
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    const int code = keyAscii(event);
    if (code == 0) {
        event->ignore(); // keys without a character belong to the window
        return;
    }
    emit keyTyped(code);
}

Shape::Shape(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(qint32 bgr)
{
    m_fillColor = bgr;
    update();
}

void Shape::setBorderColor(qint32 bgr)
{
    m_borderColor = bgr;
    update();
}

void Shape::setBorderWidth(double pixels)
{
    m_borderWidth = pixels;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect());
    if (m_kind == Kind::FilledCircle) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fromBgr(m_fillColor));
        // A circle stays round when its box is stretched.
        const double d = std::min(box.width(), box.height());
        painter.drawEllipse(QRectF(0, 0, d, d).translated(box.center() - QPointF(d / 2, d / 2)));
        return;
    }
    const double w = m_borderWidth;
    painter.setPen(QPen(fromBgr(m_borderColor), w));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(w / 2, w / 2, -w / 2, -w / 2));
}
