#pragma once

#include <QObject>
#include <QPointer>

class QFrame;
class QLabel;
class QWidget;

// Help for the operator while the audience looks at another screen: a frame
// round the part of the board that has the keyboard, and a line that tells
// what has been typed and what would silently go wrong (the clock's panel
// takes no keys; Caps Lock turns the command keys into other keys). Its
// widgets are plain Qt widgets, so the board's scaling and colouring pass
// them by.
class OperatorHints : public QObject
{
    Q_OBJECT

public:
    explicit OperatorHints(QWidget *board);
    ~OperatorHints() override;

    void showTyped(const QString &typed);
    void showCapsLock(bool on);
    // Frames the focused part of the board and explains a trap.
    void showFocus();

    QString text() const;
    QWidget *framed() const { return m_framed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();

    QWidget *m_board;
    QFrame *m_frame;
    QLabel *m_line;
    QPointer<QWidget> m_framed;
    bool m_focusIgnoresKeys = false;
    QString m_typed;
    bool m_capsLock = false;
};
