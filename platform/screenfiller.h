#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// Without a window manager (a kiosk X session, a bare Xvfb) nobody answers a
// window's wish to be full screen: Qt keeps the state, and the window stays
// at its size. This puts such a window over its whole screen itself, and back
// where it was when it leaves full screen. Under a window manager it does
// nothing, so the manager's own full screen (panels, stacking) is kept.
class ScreenFiller : public QObject
{
    Q_OBJECT

public:
    // Watches `window` for its life; `window` owns it.
    static void watch(QWidget *window);

    // Whether a running window manager takes care of full-screen windows.
    // Asked of the X server on xcb; other platforms always have one.
    static bool windowManagerFillsScreens();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ScreenFiller(QWidget *window);
    void follow();

    QWidget *m_window;
    bool m_filled = false;
    QRect m_normal; // where it was before it filled its screen
};
