#pragma once

// Console frames as the hall's consoles send them, for the checks that play
// a console.
#include "console/bodetfeed.h"
#include "console/stramatelfeed.h"

#include <QByteArray>
#include <QList>

#include <utility>

inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A Bodet message with its framing and LRC.
inline QByteArray bodetFrame(const QByteArray &message, bool lrcWithEtx = true)
{
    QByteArray covered("\x7F\x02\x47");
    covered.append(message);
    QByteArray summed = covered;
    if (lrcWithEtx)
        summed.append('\x03');
    QByteArray frame(1, '\x01');
    frame.append(covered).append('\x03').append(BodetFeed::lrc(summed));
    return frame;
}

// A Stramatel frame: `fields` written over a blank frame at their offsets.
inline QByteArray stramatelFrame(char kind, const QList<std::pair<int, QByteArray>> &fields)
{
    QByteArray frame(StramatelFeed::FrameSize, ' ');
    frame[0] = char(0xF8);
    frame[1] = kind;
    frame[53] = 0x0D;
    for (const auto &[at, bytes] : fields)
        frame.replace(at, bytes.size(), bytes);
    return frame;
}
