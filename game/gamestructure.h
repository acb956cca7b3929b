#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <optional>

// Timeouts per team: so many in the game, or in each half (the second
// number for the second half and overtime). None allowed is none at all.
struct TimeoutRules
{
    int perGame = 0;
    QList<int> perHalf; // empty: counted per game
    qint64 lengthMs = 60 * 1000;

    bool isOn() const { return allowed(0) > 0 || allowed(1) > 0; }
    bool countsHalves() const { return !perHalf.isEmpty(); }
    // How many one team may take in `half` (0 or 1) of the game.
    int allowed(int half) const
    {
        if (perHalf.isEmpty())
            return perGame;
        return perHalf.at(std::min<qsizetype>(half, perHalf.size() - 1));
    }
    // Counts typed like "2, 3" (one number for both halves); nothing when one
    // of them is not a count from 0 to `most`.
    static std::optional<QList<int>> parseCounts(const QString &text, int most);

    bool operator==(const TimeoutRules &) const = default;
};

// Section 2 as team fouls: reset at each period or half, with a bonus from
// `bonusAt` fouls on (0: no bonus).
struct FoulRules
{
    bool on = false;
    bool resetPerHalf = false;
    int bonusAt = 0;

    bool operator==(const FoulRules &) const = default;
};

// How a game is divided: a number of periods of the clock's length, a break
// after each but the last, and overtime played while section 1 is level at
// the end. No periods is the board as it always was: one clock, no phases.
struct GameStructure
{
    GameStructure() = default;
    GameStructure(int periods, QList<qint64> breakMs, qint64 overtimeMs)
        : periods(periods), breakMs(std::move(breakMs)), overtimeMs(overtimeMs)
    {
    }

    int periods = 0;
    // The break after period 1, 2, ...; one missing from the list is none.
    QList<qint64> breakMs;
    // The length of each overtime; 0 plays none.
    qint64 overtimeMs = 0;

    TimeoutRules timeouts;
    FoulRules fouls;
    // The highest score of section 1: 99 on two digits, 999 on three.
    int section1Max = 99;

    bool isOn() const { return periods > 0; }
    // The half a period is in: 0 for the first, 1 for the second half and
    // overtime; a game of one period, or none, is all first half.
    // Written so that no count of periods a file may hold overflows it.
    int halfOf(int period) const
    {
        return periods >= 2 && period > periods / 2 + periods % 2 ? 1 : 0;
    }
    qint64 breakAfter(int period) const
    {
        return period >= 1 && period <= breakMs.size() ? breakMs.at(period - 1) : 0;
    }

    // Break lengths typed like clock entries ("2.00, 15.00, 2.00"); nothing
    // when one of them is not an acceptable entry.
    static std::optional<QList<qint64>> parseBreaks(const QString &text);

    bool operator==(const GameStructure &) const = default;
};

// Where a game is: playing period N (overtime when N is past the last
// period), in the break after period N, or over.
enum class GamePhase { Play, Break, Final };

// A phase by the name the saved game, the log and the board's state give it
// ("play", "break", "final"), and back; nothing for another name.
QString gamePhaseName(GamePhase phase);
std::optional<GamePhase> gamePhaseNamed(QStringView name);
