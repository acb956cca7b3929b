#pragma once

#include "console/consolefeed.h"

// Stramatel's TV interface: fixed frames of 54 bytes from F8 to 0D, with no
// checksum, so every field is checked for what it may hold before a frame
// is taken.
class StramatelFeed : public ConsoleFeed
{
public:
    static constexpr int FrameSize = 54;
    using ConsoleFeed::ConsoleFeed;

protected:
    void parse(QByteArray &buffer) override;

private:
    void decode(QByteArrayView frame);
    bool decodeBasketball(QByteArrayView frame);
    bool decodeHandball(QByteArrayView frame);
    bool decodeVolleyball(QByteArrayView frame);
};
