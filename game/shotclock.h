#pragma once

#include <QtGlobal>

#include <algorithm>

// How the shot clock is played: off (the board as it always was), its full
// and short lengths (short 0: none), whether it follows the game clock,
// whether the game clock stops when it runs out, and whether a goal resets it.
struct ShotClockRules
{
    static constexpr qint64 DefaultLengthMs = 24 * 1000;
    static constexpr qint64 DefaultShortMs = 14 * 1000;
    // The two digits of the face: whole seconds up to 99.
    static constexpr qint64 MaxLengthMs = 99 * 1000;
    // Under this its face shows seconds and tenths.
    static constexpr qint64 TenthsBelowMs = 5 * 1000;

    bool enabled = false;
    qint64 lengthMs = DefaultLengthMs;
    qint64 shortMs = DefaultShortMs;
    bool linked = true;
    bool stopGameAtZero = false;
    bool resetOnScore = false;

    // Whether a section 1 score going from `from` to `to` is a goal that
    // starts the shot clock afresh; a correction downwards is none.
    bool resetsOnScore(bool section1, int from, int to) const
    {
        return enabled && resetOnScore && section1 && to > from;
    }

    bool operator==(const ShotClockRules &) const = default;
};

// The shot clock at one moment, banked like the game clock: its value at the
// last stop (or at the start of the run) and the time source's reading when
// the run started. Held, it stands still while the game clock runs (unlinked,
// it is simply stopped); dark, it shows nothing and waits for the next reset.
struct ShotClockState
{
    qint64 ms = ShotClockRules::DefaultLengthMs;
    qint64 runStartMs = 0;
    bool running = false;
    bool held = false;
    bool dark = false;

    // The value at the time source's reading `now`.
    qint64 msAt(qint64 now) const
    {
        return running ? std::max<qint64>(ms - (now - runStartMs), 0) : ms;
    }

    bool operator==(const ShotClockState &) const = default;
};

// The team the possession arrow points to.
enum class Possession { None, Home, Guest };
