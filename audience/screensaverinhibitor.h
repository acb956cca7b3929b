#pragma once

#include <QObject>

// Keeps the screen saver and display power saving away while the board is
// watched (full screen, or the clock running): the freedesktop ScreenSaver
// Inhibit call on the session bus, released when no longer needed. Without a
// session bus, or without the service, it does nothing.
class ScreenSaverInhibitor : public QObject
{
    Q_OBJECT

public:
    explicit ScreenSaverInhibitor(QObject *parent = nullptr);
    ~ScreenSaverInhibitor() override;

    void setWanted(bool wanted);
    bool isInhibiting() const { return m_cookie != 0; }

private:
    void inhibit();
    void release();

    bool m_wanted = false;
    uint m_cookie = 0;
    bool m_pending = false;
};
