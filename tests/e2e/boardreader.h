#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Reads the LED digits of the scoreboard from a screenshot, knowing only the
// window's client area on the screen: where each digit lies follows from the
// board's design, scaled to the window as the board scales itself, at any
// window shape.
class BoardReader
{
public:
    BoardReader(const QImage &shot, QRect client) : m_shot(shot), m_client(client) {}

    // "12:30.0", blanks as spaces.
    QString clock() const;
    // A clock face such as "12:31.4" in tenths, or -1 when it is not one.
    static int tenthsOf(const QString &face);
    // The face a clock counting up shows at `ms`, as clock() reads it.
    static QString faceOf(qint64 ms);
    // A board with three score digits draws section 2's two digits at
    // section 1's smaller size, centred in their panel.
    void setThreeDigits(bool on) { m_threeDigits = on; }
    // "12" or " 7"; section 0 or 1.
    QString homeScore(int section) const;
    QString guestScore(int section) const;
    // Section 1's home score on three digits, "108" or "  7".
    QString homeScore3() const;
    QString guestScore3() const;
    // The period's number in the board's corner, " 2"; blanks when not shown.
    QString period() const;
    // The shot clock's two digits in the top right corner, blanks as spaces.
    QString shotClock() const;

    // A point inside the score panel or clock digit, for clicking.
    QPoint scorePanelPoint(bool home, int section) const;
    QPoint clockPoint() const;
    QRect homeCaption() const;
    QRect guestCaption() const;
    // The fixed box of a section's caption.
    QRect sectionCaption(int section) const;
    // The smallest rectangle holding every pixel of about this colour in the
    // area; empty when there is none.
    QRect ink(const QRect &area, const QColor &color) const;

private:
    // A digit at (left, top) in its panel; the panel and positions in design twips.
    QChar digit(const QRectF &panel, double left, double top, double buffer, const QColor &lit,
                double size = 120) const;
    QString score(double panelLeft, double panelTop, int section) const;
    QString score3(double panelLeft) const;
    QRect toScreen(double left, double top, double width, double height) const;

    QImage m_shot;
    QRect m_client;
    bool m_threeDigits = false;
};
