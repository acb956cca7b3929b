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
    // A short note: an entry refused and why, an undo done.
    void showNotice(const QString &notice);
    // What holds until it changes: the game not kept, the hall's link gone,
    // the next game the hall announced.
    void showStatus(const QString &status);
    // Frames the focused part of the board and explains a trap.
    void showFocus();

    QString text() const;
    // The part of the board that has the keyboard.
    QWidget *framed() const { return m_framed; }
    // The frame round the part that has the keyboard, when it shows.
    QRect frameGeometry() const;
    bool frameShown() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void refreshLater();
    void watchScreen();

    QWidget *m_board;
    QFrame *m_frame;
    QLabel *m_line;
    QPointer<QWidget> m_framed;
    bool m_focusIgnoresKeys = false;
    bool m_focusOnCaption = false;
    bool m_refreshQueued = false;
    bool m_screenWatched = false;
    QString m_typed;
    QString m_notice;
    QString m_status;
    bool m_capsLock = false;
};
