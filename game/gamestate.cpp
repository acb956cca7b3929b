#include "game/gamestate.h"

bool GameState::operator==(const GameState &other) const
{
    return scores == other.scores && timeoutsTaken == other.timeoutsTaken &&
           shotClock == other.shotClock && possession == other.possession &&
           players == other.players && penalties == other.penalties && sets == other.sets &&
           sameClock(other);
}

bool GameState::sameClock(const GameState &other) const
{
    return running == other.running && clockMs == other.clockMs && runStartMs == other.runStartMs &&
           faceBlank == other.faceBlank && enteredSeconds == other.enteredSeconds &&
           period == other.period && phase == other.phase && timeoutTeam == other.timeoutTeam &&
           timeoutMs == other.timeoutMs && timeoutStartMs == other.timeoutStartMs &&
           timeoutHeld == other.timeoutHeld;
}
