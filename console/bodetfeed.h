#pragma once

#include "console/consolefeed.h"

// Bodet Scorepad's TV output: messages framed SOH, address, STX, control,
// the message, ETX and an LRC. Each message carries a few of the board's
// values; the state gathers them.
class BodetFeed : public ConsoleFeed
{
public:
    using ConsoleFeed::ConsoleFeed;

    // The LRC the console sends after `covered` (the bytes after SOH up to
    // ETX, ETX included or not).
    static char lrc(QByteArrayView covered);

protected:
    void parse(QByteArray &buffer) override;

private:
    void decode(QByteArrayView frame);
    void decodeClockMessage(QByteArrayView frame, char sport, int periodAt);
    void decodeScores(QByteArrayView frame, char sport, int homeAt, int width);
    void decodeShotClock(QByteArrayView frame);
    void decodeVolleyball(QByteArrayView frame);
    void decodeSetScores(QByteArrayView frame);
    void decodePenalties(QByteArrayView frame);
    bool sportIs(char sport);
};
