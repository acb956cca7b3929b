#include "console/stramatelfeed.h"

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

constexpr char Start = char(0xF8);
constexpr char End = 0x0D;

// The sport byte of each kind of game frame.
char gameFrameKind(ConsoleSport sport)
{
    switch (sport) {
    case ConsoleSport::Basketball:
        return 0x33;
    case ConsoleSport::Volleyball:
        return 0x36;
    case ConsoleSport::Handball:
    case ConsoleSport::IceHockey:
    case ConsoleSport::Floorball:
        break;
    }
    return 0x35;
}

// Frames of other kinds that share the bus: players' points, names, other
// sports' games. Not ours to show, and no fault of the line.
bool isOtherKnownKind(char kind)
{
    static constexpr char kinds[] = {0x33, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x62, 0x6C, 0x77};
    return std::find(std::begin(kinds), std::end(kinds), kind) != std::end(kinds);
}

bool flag(char c)
{
    return c == '1';
}

// A digit field's value; the frame is skipped when any field is bad.
struct Fields
{
    QByteArrayView frame;
    bool bad = false;

    std::optional<int> number(int at, int width)
    {
        return ConsoleDigits::number(frame.sliced(at, width), &bad);
    }
    std::optional<qint64> clock(int at)
    {
        // Blank, the face shows nothing: no value, but no fault either.
        if (frame.sliced(at, 4) == QByteArrayView("    "))
            return std::nullopt;
        return ConsoleDigits::clock(frame.sliced(at, 4), &bad);
    }
    // Minutes, seconds: "145" is 1:45.
    std::optional<qint64> penalty(int at)
    {
        const auto minutes = number(at, 1);
        const auto seconds = number(at + 1, 2);
        if (!minutes && !seconds)
            return std::nullopt;
        bad = bad || seconds.value_or(0) > 59;
        return (minutes.value_or(0) * 60LL + seconds.value_or(0)) * 1000LL;
    }
};

} // namespace

void StramatelFeed::parse(QByteArray &buffer)
{
    while (dropToStart(buffer, Start)) {
        if (buffer.size() < FrameSize)
            return;
        if (buffer.at(FrameSize - 1) != End) {
            // Not a frame's start after all (or a frame of another length):
            // look for the next one.
            skip(u"no frame end"_s);
            buffer.remove(0, 1);
            continue;
        }
        decode(QByteArrayView(buffer).first(FrameSize));
        buffer.remove(0, FrameSize);
    }
}

void StramatelFeed::decode(QByteArrayView frame)
{
    const char kind = frame[1];
    if (kind != gameFrameKind(sport())) {
        if (isOtherKnownKind(kind) && kind != 0x33 && kind != 0x35 && kind != 0x36)
            return;
        skip(isOtherKnownKind(kind) ? u"wrong sport"_s : u"bad frame"_s);
        return;
    }
    const bool good = kind == 0x33   ? decodeBasketball(frame)
                      : kind == 0x36 ? decodeVolleyball(frame)
                                     : decodeHandball(frame);
    if (good)
        taken();
    else
        skip(u"digits out of range"_s);
}

bool StramatelFeed::decodeBasketball(QByteArrayView frame)
{
    Fields f{frame};
    const auto clock = f.clock(4);
    const std::array<std::optional<int>, 2> scores{f.number(8, 3), f.number(11, 3)};
    const auto period = f.number(14, 1);
    const std::array<std::optional<int>, 2> fouls{f.number(15, 1), f.number(16, 1)};
    const std::array<std::optional<int>, 2> timeouts{f.number(17, 1), f.number(18, 1)};
    std::optional<qint64> shot;
    if (quint8(frame[49]) >= 0x40 && quint8(frame[49]) <= 0x49) {
        // Under its threshold the shot clock shows seconds and tenths.
        shot = f.number(48, 1).value_or(0) * 1000LL + (frame[49] - 0x40) * 100LL;
    } else if (const auto seconds = f.number(48, 2)) {
        shot = *seconds * 1000LL;
    }
    if (f.bad)
        return false;
    m_state.possession = frame[3] == '1' ? 0 : frame[3] == '2' ? 1 : -1;
    m_state.clockMs = clock;
    m_state.clockRunning = flag(frame[20]);
    m_state.scores = {scores[0].value_or(0), scores[1].value_or(0)};
    m_state.period = period;
    m_state.teamFouls = {fouls[0].value_or(0), fouls[1].value_or(0)};
    m_state.timeouts = {timeouts[0].value_or(0), timeouts[1].value_or(0)};
    m_state.shotClockMs = shot;
    m_state.shotClockRunning = flag(frame[51]);
    m_state.shotClockShown = flag(frame[52]);
    return true;
}

bool StramatelFeed::decodeHandball(QByteArrayView frame)
{
    Fields f{frame};
    const auto clock = f.clock(4);
    const std::array<std::optional<int>, 2> scores{f.number(9, 2), f.number(12, 2)};
    const auto period = f.number(14, 1);
    const std::array<std::optional<int>, 2> timeouts{f.number(17, 1), f.number(18, 1)};
    std::array<std::optional<qint64>, ConsoleState::PenaltySlots> penalties{};
    static constexpr int penaltyAt[] = {22, 25, 28, 35, 38, 41};
    for (int slot = 0; slot < ConsoleState::PenaltySlots; ++slot)
        penalties[slot] = f.penalty(penaltyAt[slot]);
    if (f.bad)
        return false;
    m_state.clockMs = clock;
    m_state.clockRunning = flag(frame[20]);
    m_state.scores = {scores[0].value_or(0), scores[1].value_or(0)};
    m_state.period = period;
    m_state.timeouts = {timeouts[0].value_or(0), timeouts[1].value_or(0)};
    m_state.penaltiesMs = penalties;
    return true;
}

bool StramatelFeed::decodeVolleyball(QByteArrayView frame)
{
    Fields f{frame};
    const auto clock = f.clock(4);
    const std::array<std::optional<int>, 2> points{f.number(9, 2), f.number(12, 2)};
    const auto set = f.number(14, 1);
    const std::array<std::optional<int>, 2> won{f.number(15, 1), f.number(16, 1)};
    const std::array<std::optional<int>, 2> timeouts{f.number(17, 1), f.number(18, 1)};
    decltype(m_state.setScores) sets{};
    for (int i = 0; i < ConsoleState::SetSlots; ++i)
        sets[i] = {f.number(24 + 4 * i, 2), f.number(26 + 4 * i, 2)};
    const char service = frame[50];
    if (f.bad)
        return false;
    m_state.clockMs = clock;
    m_state.clockRunning = flag(frame[20]);
    m_state.scores = {points[0].value_or(0), points[1].value_or(0)};
    m_state.set = set;
    m_state.setsWon = won;
    m_state.timeouts = timeouts;
    m_state.setScores = sets;
    if (service >= '1' && service <= '4')
        m_state.server = service <= '2' ? 0 : 1;
    return true;
}
