#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

// Hides the mouse pointer over a full-screen window after a few seconds
// without movement, and shows it again as soon as the mouse moves: nobody in
// the hall wants to watch an arrow on the board.
class PointerHider : public QObject
{
    Q_OBJECT

public:
    static constexpr int HideAfterMs = 3000;

    explicit PointerHider(QWidget *window);

    bool isHidden() const { return m_hidden; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hidePointer();
    void showPointer();

    QWidget *m_window;
    QTimer m_idle{this};
    bool m_hidden = false;
};
