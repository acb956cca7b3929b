#pragma once

#include <QtGlobal>

// How much the hall takes from the courts. Each bound is at least twice
// what the largest legitimate message or game needs (a game of 2,000 steps
// with two full rosters, log names as a board makes them), so that only a
// client that is not a board meets one.
struct HallLimits
{
    // One court's state: its players' part grows with the rosters, to
    // about 100 KB for two of the largest a team file may hold. The hall
    // keeps of it what its pages show (see courtState), about 2 KB, and at
    // most maxKeptStateBytes, so that /hall.json at 64 courts stays small.
    qsizetype maxStateBytes = 256 * 1024;
    qsizetype maxKeptStateBytes = 16 * 1024;
    // One line of a log: a header with two full rosters may fill the 64 KB
    // a log's reader takes of a line; a step is under 1 KB.
    qsizetype maxLogLineBytes = 128 * 1024;
    // A game's record as its export writes it: about 700 KB at 2,000 steps.
    qsizetype maxResultBytes = 2 * 1024 * 1024;
    // A game's log on disk, and what may be disputed of it beside it:
    // about 800 KB at 2,000 steps.
    qint64 maxGameFileBytes = 4 * 1024 * 1024;
    int maxLinesPerGame = 8000;
    // Courts a venue, games a court a day (HallSettings/MaxCourts,
    // HallSettings/MaxGamesPerCourt).
    int maxCourts = 64;
    int maxGamesPerCourt = 200;
    // Names of courts and games, in characters and as UTF-8 bytes (a file
    // name holds 255 bytes with the hall's suffixes); a board names a game
    // in at most 81 characters, 201 bytes.
    qsizetype maxCourtNameChars = 64;
    qsizetype maxGameNameChars = 100;
    qsizetype maxNameBytes = 230;
    // Lines that came before those they follow wait in memory, in order,
    // until the gap fills: so many a game, so many bytes in all, and so long.
    int maxWaitingLines = 256;
    qint64 maxWaitingBytes = 8 * 1024 * 1024;
    qint64 gapWaitMs = 60 * 1000;
    // The newest results /hall.json lists; /hall/results lists the day's all.
    int maxListedResults = 2000;
    // A result's team names: a caption, or a library team's name.
    qsizetype maxTeamNameChars = 100;
};
