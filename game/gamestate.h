#pragma once

#include "game/gamestructure.h"
#include "game/penalties.h"
#include "game/playertally.h"
#include "game/setsrules.h"
#include "game/shotclock.h"

#include <array>
#include <optional>

// Everything a game is at one moment: the four scores and the clock. The
// clock's value is in milliseconds: the time played when counting up, the
// time left when counting down.
struct GameState
{
    std::array<std::optional<int>, 4> scores{}; // nullopt: blank
    bool running = false;
    qint64 clockMs = 0;     // the value at the last stop, or at the start of the run
    qint64 runStartMs = 0;  // the time source's reading at the start of the run
    bool faceBlank = false; // the face shows nothing until the clock is next used
    qint16 enteredSeconds = 0;
    // With periods: which one, and whether it is played, in its break or over.
    int period = 1;
    GamePhase phase = GamePhase::Play;
    // Timeouts taken by each team in each half, and the one running: whose
    // (-1: none) and how much of it was left at timeoutStartMs, a reading of
    // the time source. Held, it stands at timeoutMs (a resumed game brings
    // it back so) until the start key runs it on.
    using TimeoutCounts = std::array<std::array<int, 2>, 2>; // [team][half]
    TimeoutCounts timeoutsTaken{};
    int timeoutTeam = -1;
    qint64 timeoutMs = 0;
    qint64 timeoutStartMs = 0;
    bool timeoutHeld = false;
    qint64 takenAtMs = 0; // the time source's reading when the state was taken
    // With the shot clock on: the shot clock and the possession arrow. Off,
    // both stay as they are here.
    ShotClockState shotClock;
    Possession possession = Possession::None;
    // With the players on: what each has done, and the penalties' clocks.
    PlayerTally players;
    PenaltyClocks penalties;
    // With sets on: the set (also the period), the sets played and the serve.
    SetsState sets;

    // The same game, whenever it was looked at.
    bool operator==(const GameState &other) const;
    // The same game clock (running or not, value, face, period, timeout),
    // whatever the scores and the shot clock.
    bool sameClock(const GameState &other) const;
};
