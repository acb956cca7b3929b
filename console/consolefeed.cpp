#include "console/consolefeed.h"

#include <utility>

using namespace Qt::StringLiterals;

void ConsoleFeed::feed(QByteArrayView bytes)
{
    m_buffer.append(bytes.data(), bytes.size());
    parse(m_buffer);
    // A frame never takes this long: what is left is no frame of ours.
    if (m_buffer.size() > MaxBuffer) {
        skip(u"garbage"_s);
        m_buffer.clear();
    }
}

void ConsoleFeed::skip(const QString &why)
{
    // Noise that comes over several reads is one stretch of garbage.
    const bool garbage = why == u"garbage";
    if (garbage && m_inGarbage)
        return;
    m_inGarbage = garbage;
    ++m_skipped;
    // The monitor takes them as they come; nobody else needs more than a few.
    if (m_reasons.size() < 64)
        m_reasons << why;
}

bool ConsoleFeed::dropToStart(QByteArray &buffer, char start)
{
    if (buffer.isEmpty())
        return false;
    const qsizetype at = buffer.indexOf(start);
    if (at != 0)
        skip(u"garbage"_s);
    if (at < 0) {
        buffer.clear();
        return false;
    }
    buffer.remove(0, at);
    return true;
}

ConsoleFeed::Framing ConsoleFeed::frameAtStart(QByteArray &buffer, char start, char end,
                                               qsizetype longest, qsizetype *endAt)
{
    const qsizetype endsAt = buffer.indexOf(end);
    const qsizetype nextStart = buffer.indexOf(start, 1);
    // A frame cut short by the next one's start: a false start.
    if (nextStart > 0 && (endsAt < 0 || nextStart < endsAt)) {
        skip(u"half a frame"_s);
        buffer.remove(0, nextStart);
        return Framing::Dropped;
    }
    if (endsAt >= 0) {
        *endAt = endsAt;
        return Framing::Whole;
    }
    if (buffer.size() <= longest)
        return Framing::Waiting; // the rest comes with the next read
    skip(u"no end of frame"_s);
    buffer.remove(0, 1);
    return Framing::Dropped;
}

namespace ConsoleDigits {

std::optional<int> number(QByteArrayView field, bool *bad)
{
    int value = 0;
    bool any = false;
    for (const char c : field) {
        if (c == ' ')
            continue;
        if (c < '0' || c > '9') {
            *bad = true;
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        any = true;
    }
    return any ? std::optional<int>(value) : std::nullopt;
}

std::optional<qint64> clock(QByteArrayView field, bool *bad)
{
    bool wrong = false;
    const auto digits = [&](QByteArrayView part) { return number(part, &wrong).value_or(0); };
    std::optional<qint64> ms;
    if (field.size() == 4 && (field[2] == 'D' || field[3] == ' ')) {
        // Under a minute: seconds and tenths.
        const int seconds = digits(field.first(2));
        const int tenths = digits(field.sliced(field[2] == 'D' ? 3 : 2, 1));
        ms = seconds * 1000LL + tenths * 100LL;
        wrong = wrong || seconds > 59;
    } else if (field.size() == 4) {
        const int minutes = digits(field.first(2));
        const int seconds = digits(field.sliced(2));
        ms = (minutes * 60LL + seconds) * 1000LL;
        wrong = wrong || seconds > 59;
    }
    if (wrong || !ms)
        *bad = true;
    return wrong ? std::nullopt : ms;
}

} // namespace ConsoleDigits
