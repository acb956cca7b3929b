#pragma once

#include <QString>
#include <QTimer>

#include <array>

class GameModel;
class Label;
class QWidget;

// The players' parts of the board. The penalties beside each team: up to
// three lines of a number and what is left ("#7 1:59") in the middle column,
// home's on the left under section 1's caption, guest's on the right. And a
// player's foul that reached the limit, large over the middle for a few
// seconds, as halls' boards tell it. A board without players shows none.
class PenaltyList
{
public:
    static constexpr int Lines = 3;

    explicit PenaltyList(QWidget *board);

    // Shows the game's running penalties in the board's caption size.
    void show(const GameModel &game, double pointSize);
    void setColor(qint32 bgr);
    // "#7  5 FOULS" in the team's colour, gone after FouledOutMs.
    void showFouledOut(const QString &text, qint32 teamBgr, double pointSize);
    Label *fouledOutCaption() const { return m_fouledOut; }
    static constexpr int FouledOutMs = 5000;
    // Its size against the penalties' lines.
    static constexpr double FouledOutScale = 2.5;
    const std::array<std::array<Label *, Lines>, 2> &labels() const { return m_labels; }

    // "1:59": minutes and seconds left, rounded up as a clock counting down.
    static QString timeText(qint64 ms);

private:
    std::array<std::array<Label *, Lines>, 2> m_labels{};
    double m_pointSize = 0;
    Label *m_fouledOut = nullptr;
    QTimer m_fouledOutExpiry;
};
