#include "console/bodetfeed.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

using namespace Ascii;
// SOH, address, STX, control, the message's number: the shortest head.
constexpr int HeadSize = 6;
// Longer than any message the console sends (a team name's is 26).
constexpr int LongestFrame = 40;

// The length from SOH to the LRC of each message this reader decodes.
const QHash<int, int> &lengths()
{
    static const QHash<int, int> table{{18, 20}, {36, 11}, {50, 11}, {30, 15}, {31, 17}, {1, 17},
                                       {2, 15},  {3, 27},  {11, 21}, {6, 21},  {8, 26}};
    return table;
}

char sportByte(ConsoleSport sport)
{
    switch (sport) {
    case ConsoleSport::Basketball:
        return '5';
    case ConsoleSport::Handball:
        return '4';
    case ConsoleSport::IceHockey:
    case ConsoleSport::Floorball:
        return '7';
    case ConsoleSport::Volleyball:
        break;
    }
    return '0';
}

} // namespace

char BodetFeed::lrc(QByteArrayView covered)
{
    char sum = 0;
    for (const char c : covered)
        sum = char(sum ^ c);
    sum = char(sum & 0x7F);
    return sum < 0x20 ? char(sum + 0x20) : sum;
}

void BodetFeed::parse(QByteArray &buffer)
{
    while (dropToStart(buffer, Soh)) {
        qsizetype etx = 0;
        const Framing framing = frameAtStart(buffer, Soh, Etx, LongestFrame, &etx);
        if (framing == Framing::Dropped)
            continue;
        if (framing == Framing::Waiting || etx + 1 >= buffer.size())
            return; // the rest, or the LRC after ETX, comes with the next read
        decode(QByteArrayView(buffer).first(etx + 2));
        buffer.remove(0, etx + 2);
    }
}

void BodetFeed::decode(QByteArrayView frame)
{
    if (frame.size() < HeadSize + 2 || frame[2] != Stx) {
        skip(u"bad frame"_s);
        return;
    }
    bool isNumber = false;
    const int message = QByteArray(frame.sliced(4, 2).toByteArray()).toInt(&isNumber);
    if (!isNumber) {
        skip(u"bad frame"_s);
        return;
    }
    const char sent = frame.back();
    const QByteArrayView withEtx = frame.sliced(1, frame.size() - 2);
    // The vendor's shot clock examples leave ETX out of the sum.
    const bool lrcGood = sent == lrc(withEtx) || (message == 50 && sent == lrc(withEtx.chopped(1)));
    if (!lrcGood) {
        skip(u"bad checksum"_s);
        return;
    }
    const auto length = lengths().constFind(message);
    if (length == lengths().cend())
        return; // a message this reader has no use for, such as team names
    if (frame.size() != *length) {
        skip(u"wrong length"_s);
        return;
    }
    const int skippedBefore = skipped();
    switch (message) {
    case 18:
        decodeClockMessage(frame, '5', 16);
        break;
    case 1:
        decodeClockMessage(frame, '4', 14);
        break;
    case 11:
        decodeClockMessage(frame, '7', 18);
        break;
    case 36: {
        bool bad = false;
        const auto seconds = ConsoleDigits::number(frame.sliced(6, 2), &bad);
        const auto tenths = ConsoleDigits::number(frame.sliced(8, 1), &bad);
        if (bad || seconds.value_or(0) > 59) {
            skip(u"digits out of range"_s);
            return;
        }
        m_state.clockMs = seconds.value_or(0) * 1000LL + tenths.value_or(0) * 100LL;
        break;
    }
    case 50:
        decodeShotClock(frame);
        break;
    case 30:
        decodeScores(frame, '5', 7, 3);
        break;
    case 2:
        decodeScores(frame, '4', 7, 3);
        break;
    case 31: {
        if (!sportIs(frame[6]))
            return;
        bool bad = false;
        const auto home = ConsoleDigits::number(frame.sliced(8, 1), &bad);
        const auto guest = ConsoleDigits::number(frame.sliced(10, 1), &bad);
        if (bad) {
            skip(u"digits out of range"_s);
            return;
        }
        m_state.teamFouls = {home.value_or(0), guest.value_or(0)};
        break;
    }
    case 3:
        decodePenalties(frame);
        break;
    case 6:
        decodeVolleyball(frame);
        break;
    case 8:
        decodeSetScores(frame);
        break;
    default:
        return;
    }
    if (skipped() == skippedBefore)
        taken();
}

bool BodetFeed::sportIs(char sport)
{
    if (sport == sportByte(this->sport()))
        return true;
    skip(u"wrong sport"_s);
    return false;
}

void BodetFeed::decodeClockMessage(QByteArrayView frame, char sport, int periodAt)
{
    const char status = frame[6];
    if (!(status & 0x80)) {
        skip(u"bad status"_s);
        return;
    }
    if (frame[7] != sport) {
        skip(u"bad frame"_s);
        return;
    }
    if (!sportIs(frame[7]))
        return;
    bool bad = false;
    const auto clock = ConsoleDigits::clock(frame.sliced(8, 4), &bad);
    std::optional<int> timeoutsHome;
    std::optional<int> timeoutsGuest;
    if (sport != '7') {
        timeoutsHome = ConsoleDigits::number(frame.sliced(12, 1), &bad);
        timeoutsGuest = ConsoleDigits::number(frame.sliced(13, 1), &bad);
    }
    const char periodByte = frame[periodAt];
    bool badPeriod = false;
    const auto period = ConsoleDigits::number(frame.sliced(periodAt, 1), &badPeriod);
    if (bad || (badPeriod && periodByte != 'E')) {
        skip(u"digits out of range"_s);
        return;
    }
    if (sport == '7') {
        const auto home = ConsoleDigits::number(frame.sliced(12, 3), &bad);
        const auto guest = ConsoleDigits::number(frame.sliced(15, 3), &bad);
        if (bad) {
            skip(u"digits out of range"_s);
            return;
        }
        m_state.scores = {home.value_or(0), guest.value_or(0)};
    } else {
        m_state.timeouts = {timeoutsHome.value_or(0), timeoutsGuest.value_or(0)};
    }
    m_state.clockMs = clock;
    m_state.clockRunning = !(status & 0x02);
    m_state.extraTime = periodByte == 'E';
    // Extra time keeps the last period's number; the flag tells it apart.
    if (period)
        m_state.period = period;
}

void BodetFeed::decodeScores(QByteArrayView frame, char sport, int homeAt, int width)
{
    if (frame[6] != sport) {
        skip(u"bad frame"_s);
        return;
    }
    if (!sportIs(frame[6]))
        return;
    bool bad = false;
    const auto home = ConsoleDigits::number(frame.sliced(homeAt, width), &bad);
    const auto guest = ConsoleDigits::number(frame.sliced(homeAt + width, width), &bad);
    if (bad) {
        skip(u"digits out of range"_s);
        return;
    }
    m_state.scores = {home.value_or(0), guest.value_or(0)};
}

void BodetFeed::decodeShotClock(QByteArrayView frame)
{
    const char status = frame[6];
    if (!(status & 0x80)) {
        skip(u"bad status"_s);
        return;
    }
    bool bad = false;
    qint64 ms = 0;
    if (status & 0x10) {
        ms = ConsoleDigits::number(frame.sliced(7, 1), &bad).value_or(0) * 1000LL +
             ConsoleDigits::number(frame.sliced(8, 1), &bad).value_or(0) * 100LL;
    } else {
        ms = ConsoleDigits::number(frame.sliced(7, 2), &bad).value_or(0) * 1000LL;
    }
    if (bad) {
        skip(u"digits out of range"_s);
        return;
    }
    m_state.shotClockMs = ms;
    m_state.shotClockRunning = !(status & 0x02);
    m_state.shotClockShown = !(status & 0x08);
}

void BodetFeed::decodePenalties(QByteArrayView frame)
{
    bool bad = false;
    std::array<std::optional<qint64>, ConsoleState::PenaltySlots> penalties{};
    for (int slot = 0; slot < ConsoleState::PenaltySlots; ++slot) {
        const QByteArrayView mss = frame.sliced(7 + 3 * slot, 3);
        const int minutes = ConsoleDigits::number(mss.first(1), &bad).value_or(0);
        const int seconds = ConsoleDigits::number(mss.sliced(1), &bad).value_or(0);
        bad = bad || seconds > 59;
        penalties[slot] = (minutes * 60LL + seconds) * 1000LL;
    }
    if (bad) {
        skip(u"digits out of range"_s);
        return;
    }
    m_state.penaltiesMs = penalties;
}

void BodetFeed::decodeVolleyball(QByteArrayView frame)
{
    if (!sportIs(frame[7]))
        return;
    const char status = frame[6];
    bool bad = false;
    const auto digits = [&](int at, int width) {
        return ConsoleDigits::number(frame.sliced(at, width), &bad);
    };
    const auto set = digits(8, 1);
    const std::array<std::optional<int>, 2> won{digits(9, 1), digits(10, 1)};
    const std::array<std::optional<int>, 2> points{digits(11, 2), digits(13, 2)};
    const std::array<std::optional<int>, 2> timeouts{digits(15, 1), digits(16, 1)};
    if (bad || !(status & 0x80)) {
        skip(u"digits out of range"_s);
        return;
    }
    m_state.set = set;
    m_state.setsWon = won;
    m_state.scores = {points[0].value_or(0), points[1].value_or(0)};
    m_state.timeouts = timeouts;
    m_state.server = (status & 0x08) ? 0 : 1;
}

void BodetFeed::decodeSetScores(QByteArrayView frame)
{
    bool bad = false;
    decltype(m_state.setScores) scores{};
    for (int set = 0; set < ConsoleState::SetSlots; ++set) {
        scores[set][0] = ConsoleDigits::number(frame.sliced(8 + 4 * set, 2), &bad);
        scores[set][1] = ConsoleDigits::number(frame.sliced(10 + 4 * set, 2), &bad);
    }
    if (bad) {
        skip(u"digits out of range"_s);
        return;
    }
    m_state.setScores = scores;
}
