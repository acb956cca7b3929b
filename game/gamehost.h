#pragma once

#include "game/gamestate.h"
#include "game/gamestructure.h"

#include <QString>

#include <optional>

struct GameSide;

// The places of the four scores and what they may hold, and the two teams.
struct GameIndex
{
    enum Score { Home1, Guest1, Home2, Guest2 };
    static constexpr int ScoreCount = 4;
    static constexpr int ScoreMin = 0;
    // The most any score can be; section 1 on two digits stops at 99.
    static constexpr int ScoreMax = 999;
    enum Team { Home, Guest };
    // Counting up, the clock stops by itself at 100 minutes.
    static constexpr qint64 LimitMs = 6000 * 1000;
};

// What the parts of a game (the shot clock, the sets, the players) reach of
// the game they belong to: its state and time, the steps of its clock, and
// the signals it gives. The game model is their host; they know it only so.
class GameHost
{
public:
    virtual GameState &hostState() = 0;
    virtual const GameState &hostState() const = 0;
    virtual qint64 hostNowMs() const = 0;
    virtual const GameStructure &structure() const = 0;
    virtual const GameSide &side(int team) const = 0;
    virtual int maxScore(int which) const = 0;
    virtual bool playsSets() const = 0;
    virtual void addToScore(int which, int delta) = 0;
    virtual bool isScoreChangeRefused(int which, int delta) const = 0;
    // What is left of the period in play; nothing when the clock has no end.
    virtual std::optional<qint64> periodLeftMs() const = 0;
    virtual void startRun() = 0;
    // Stops the clock at the time source's reading `atMs`, or now.
    virtual void stopRun(std::optional<qint64> atMs = std::nullopt) = 0;
    virtual void readyPeriod(int period) = 0;
    virtual bool isUpdateScheduled() const = 0;
    virtual void scheduleUpdate() = 0;
    virtual void notifyChanged() = 0;
    // The parts' news, told through the game's signals.
    virtual void partShotClockRanOut(const GameState &before) = 0;
    virtual void partSetEnded(int set, bool final) = 0;
    virtual void partPlayerFouledOut(int team, const QString &number, int fouls) = 0;
    virtual void partPenaltyEnded(int team, const QString &number) = 0;

protected:
    ~GameHost() = default;
};
