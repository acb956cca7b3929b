#pragma once

#include <QList>
#include <QString>

#include <optional>

// How a game is divided: a number of periods of the clock's length, a break
// after each but the last, and overtime played while section 1 is level at
// the end. No periods is the board as it always was: one clock, no phases.
struct GameStructure
{
    int periods = 0;
    // The break after period 1, 2, ...; one missing from the list is none.
    QList<qint64> breakMs;
    // The length of each overtime; 0 plays none.
    qint64 overtimeMs = 0;

    bool isOn() const { return periods > 0; }
    qint64 breakAfter(int period) const
    {
        return period >= 1 && period <= breakMs.size() ? breakMs.at(period - 1) : 0;
    }

    // Break lengths typed like clock entries ("2.00, 15.00, 2.00"); nothing
    // when one of them is not an acceptable entry.
    static std::optional<QList<qint64>> parseBreaks(const QString &text);
    static QString breaksText(const QList<qint64> &breaks);

    bool operator==(const GameStructure &) const = default;
};

// Where a game is: playing period N (overtime when N is past the last
// period), in the break after period N, or over.
enum class GamePhase { Play, Break, Final };
