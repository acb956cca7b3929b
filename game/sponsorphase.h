#pragma once

#include <QString>

class GameModel;
struct Settings;

// The phases of a game in which the hall's screen may show its sponsors.
enum class SponsorPhase { None, Pregame, Break, Timeout };

// The phase running now, whether or not sponsors show in it. The pregame is
// the time before the game clock first runs: period one, nothing scored, no
// timeout taken and the clock where a reset puts it.
SponsorPhase sponsorPhaseOf(const GameModel &game);

// How long the phase has run, read from the game itself so that every view
// shows the same slide: a break's or timeout's time gone by; the pregame,
// which has no clock of its own, counts the time source's milliseconds.
qint64 sponsorPhaseMs(const GameModel &game);

// Whether sponsors show in `phase` with these settings: on, and the phase
// named in During ("breaks", "breaks,timeouts", "breaks,timeouts,pregame").
bool showsSponsors(const Settings &settings, SponsorPhase phase);
