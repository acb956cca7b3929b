#pragma once

#include "console/consolestate.h"

#include <QByteArray>
#include <QByteArrayView>

#include <utility>

// Reads one console's feed: bytes in, whole frames checked and decoded into
// the state. What does not decode is skipped and counted, with why; nothing
// read is ever shown half. The buffer never holds more than a few frames.
class ConsoleFeed
{
public:
    explicit ConsoleFeed(ConsoleSport sport) : m_sport(sport) {}
    virtual ~ConsoleFeed() = default;
    ConsoleFeed(const ConsoleFeed &) = delete;
    ConsoleFeed &operator=(const ConsoleFeed &) = delete;

    // Takes the bytes of one read, which may hold several frames, half of
    // one, or something else entirely.
    void feed(QByteArrayView bytes);
    // Forgets a half-read frame (the line was lost and is open again).
    void dropPartial() { m_buffer.clear(); }

    const ConsoleState &state() const { return m_state; }
    ConsoleSport sport() const { return m_sport; }
    // Frames taken and frames skipped since the start.
    int frames() const { return m_frames; }
    int skipped() const { return m_skipped; }
    // Why each frame was skipped since the last call.
    QStringList takeSkipReasons() { return std::exchange(m_reasons, {}); }

    // The longest buffer a feed keeps waiting for the rest of a frame.
    static constexpr qsizetype MaxBuffer = 1024;

protected:
    // Takes what whole frames the buffer starts with; leaves a partial one.
    virtual void parse(QByteArray &buffer) = 0;
    void skip(const QString &why);
    // Drops what comes before the first `start` byte, skipped as garbage;
    // false when the buffer holds none (it is then empty) or is empty.
    bool dropToStart(QByteArray &buffer, char start);
    // How the frame at the buffer's start stands, for feeds that mark a
    // frame's start and end with bytes of their own.
    enum class Framing { Whole, Waiting, Dropped };
    // Whole: `end` is at *endAt. A frame cut short by the next start, or
    // longer than `longest` without an end, is skipped and dropped.
    Framing frameAtStart(QByteArray &buffer, char start, char end, qsizetype longest,
                         qsizetype *endAt);
    void taken()
    {
        ++m_frames;
        m_inGarbage = false;
    }

    ConsoleState m_state;

private:
    ConsoleSport m_sport;
    QByteArray m_buffer;
    int m_frames = 0;
    int m_skipped = 0;
    bool m_inGarbage = false;
    QStringList m_reasons;
};

// The control characters the feeds frame their messages with.
namespace Ascii {
constexpr char Soh = 0x01;
constexpr char Stx = 0x02;
constexpr char Etx = 0x03;
constexpr char Eot = 0x04;
constexpr char Syn = 0x16;
constexpr char Etb = 0x17;
} // namespace Ascii

// The small decoding helpers every feed shares.
namespace ConsoleDigits {
// A field of ASCII digits and blanks (0x20), blanks ignored: " 78" is 78;
// all blank is nothing; anything else is no number.
std::optional<int> number(QByteArrayView field, bool *bad);
// A clock field of four bytes: "MMSS" with the minutes' tens blank, or
// under a minute "SSDt" (D a marker) or "SSt " (a trailing blank).
std::optional<qint64> clock(QByteArrayView field, bool *bad);
} // namespace ConsoleDigits
