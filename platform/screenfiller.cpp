#include "platform/screenfiller.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 1, uint16_t(strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window a property of type WINDOW names, or none.
xcb_window_t windowProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property)
{
    const auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_WINDOW, 0, 1);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &free);
    if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(xcb_window_t))
        return XCB_WINDOW_NONE;
    return *static_cast<xcb_window_t *>(xcb_get_property_value(reply.get()));
}

// A window manager that follows the freedesktop.org window manager hints
// names a child window of its own on the root window, and that child names
// itself; a manager that has gone leaves the root's name behind, but not the
// child.
bool managerRunning(xcb_connection_t *connection, xcb_window_t root)
{
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE)
        return false;
    const xcb_window_t child = windowProperty(connection, root, check);
    return child != XCB_WINDOW_NONE && windowProperty(connection, child, check) == child;
}

} // namespace

void ScreenFiller::watch(QWidget *window)
{
    new ScreenFiller(window);
}

bool ScreenFiller::windowManagerFillsScreens()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return true;
    xcb_connection_t *connection = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return screen && managerRunning(connection, screen->root);
}

ScreenFiller::ScreenFiller(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool ScreenFiller::eventFilter(QObject *watched, QEvent *event)
{
    // After the show has placed the window, not before.
    if (watched == m_window &&
        (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Show))
        QMetaObject::invokeMethod(this, &ScreenFiller::follow, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void ScreenFiller::follow()
{
    if (!m_window->isVisible() || m_window->isFullScreen() == m_filled)
        return;
    if (windowManagerFillsScreens())
        return;
    m_filled = m_window->isFullScreen();
    // Through the window, not the widget: a widget given a geometry drops its
    // full-screen state.
    QWindow *handle = m_window->windowHandle();
    if (m_filled) {
        m_normal = m_window->normalGeometry();
        handle->setGeometry(m_window->screen()->geometry());
    } else if (m_normal.isValid()) {
        handle->setGeometry(m_normal);
    }
}
