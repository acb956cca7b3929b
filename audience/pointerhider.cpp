#include "audience/pointerhider.h"

#include <QEvent>
#include <QWidget>

PointerHider::PointerHider(QWidget *window) : QObject(window), m_window(window)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(HideAfterMs);
    connect(&m_idle, &QTimer::timeout, this, &PointerHider::hidePointer);
    window->setMouseTracking(true);
    window->installEventFilter(this);
    m_idle.start();
}

bool PointerHider::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::HoverMove:
        showPointer();
        m_idle.start();
        break;
    case QEvent::WindowStateChange:
        if (!m_window->isFullScreen())
            showPointer();
        m_idle.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PointerHider::hidePointer()
{
    if (!m_window->isFullScreen() || m_hidden)
        return;
    m_hidden = true;
    m_window->setCursor(Qt::BlankCursor);
}

void PointerHider::showPointer()
{
    if (!m_hidden)
        return;
    m_hidden = false;
    m_window->unsetCursor();
}
