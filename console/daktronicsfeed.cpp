#include "console/daktronicsfeed.h"

using namespace Qt::StringLiterals;

namespace {

using namespace Ascii;
// A packet carries at most the whole record and its framing.
constexpr int LongestPacket = DaktronicsFeed::RecordSize + 64;

// Where basketball's record keeps the values the board mirrors.
constexpr int ClockAt = 0;
constexpr int ClockWidth = 5;
constexpr int StoppedAt = 27;
constexpr int HomeScoreAt = 107;
constexpr int GuestScoreAt = 111;
constexpr int ScoreWidth = 4;
constexpr int PeriodAt = 141;
constexpr int ShotClockAt = 200;
constexpr int ShotClockWidth = 8;
constexpr int HomeFoulsAt = 235;
constexpr int GuestFoulsAt = 237;
// Timeouts left in all (full, partial and television ones together).
constexpr int HomeTimeoutsLeftAt = 121;
constexpr int GuestTimeoutsLeftAt = 129;
// A possession indicator is lit by any character but a blank.
constexpr int HomePossessionAt = 209;
constexpr int GuestPossessionAt = 215;

} // namespace

DaktronicsFeed::DaktronicsFeed(ConsoleSport sport)
    : ConsoleFeed(sport), m_record(RecordSize, ' '), m_known(RecordSize)
{
}

QByteArray DaktronicsFeed::checksum(QByteArrayView covered)
{
    quint8 sum = 0;
    for (const char c : covered)
        sum = quint8(sum + quint8(c));
    return QByteArray::number(sum, 16).rightJustified(2, '0').toUpper();
}

void DaktronicsFeed::parse(QByteArray &buffer)
{
    while (dropToStart(buffer, Syn)) {
        qsizetype end = 0;
        const Framing framing = frameAtStart(buffer, Syn, Etb, LongestPacket, &end);
        if (framing == Framing::Dropped)
            continue;
        if (framing == Framing::Waiting)
            return;
        decode(QByteArrayView(buffer).first(end + 1));
        buffer.remove(0, end + 1);
    }
}

void DaktronicsFeed::decode(QByteArrayView packet)
{
    const qsizetype soh = packet.indexOf(Soh);
    const qsizetype stx = packet.indexOf(Stx);
    const qsizetype eot = packet.lastIndexOf(Eot);
    // SYN ... SOH header STX data EOT two hex digits ETB.
    if (soh < 0 || stx < soh + 5 || eot < stx || eot + 4 != packet.size()) {
        skip(u"bad frame"_s);
        return;
    }
    if (checksum(packet.sliced(1, eot)) != packet.sliced(eot + 1, 2).toByteArray().toUpper()) {
        skip(u"bad checksum"_s);
        return;
    }
    bool isNumber = false;
    const int offset = packet.sliced(stx - 4, 4).toByteArray().toInt(&isNumber);
    const QByteArrayView data = packet.sliced(stx + 1, eot - stx - 1);
    if (!isNumber || offset < 0 || offset + data.size() > RecordSize) {
        skip(u"wrong length"_s);
        return;
    }
    m_record.replace(offset, data.size(), data.toByteArray());
    m_known.fill(true, offset, offset + data.size());
    taken();
    readRecord();
}

bool DaktronicsFeed::known(int at, int width) const
{
    for (int i = at; i < at + width; ++i) {
        if (!m_known.testBit(i))
            return false;
    }
    return true;
}

void DaktronicsFeed::readRecord()
{
    const auto field = [this](int at, int width) {
        return QByteArrayView(m_record).sliced(at, width);
    };
    const auto number = [&](int at, int width) -> std::optional<int> {
        if (!known(at, width))
            return std::nullopt;
        bool bad = false;
        // A shot clock at zero may end in 'z'.
        QByteArray text = field(at, width).toByteArray().trimmed();
        if (text.endsWith('z'))
            text.chop(1);
        const auto value = ConsoleDigits::number(text, &bad);
        return bad ? std::nullopt : value;
    };
    if (known(ClockAt, ClockWidth)) {
        const QByteArray text = field(ClockAt, ClockWidth).toByteArray().trimmed();
        const qsizetype colon = text.indexOf(':');
        const qsizetype dot = text.indexOf('.');
        bool minutesOk = false;
        bool secondsOk = false;
        if (colon > 0) {
            const int minutes = text.left(colon).toInt(&minutesOk);
            const int seconds = text.mid(colon + 1).toInt(&secondsOk);
            if (minutesOk && secondsOk && seconds < 60)
                m_state.clockMs = (minutes * 60LL + seconds) * 1000LL;
        } else if (dot > 0) {
            const int seconds = text.left(dot).toInt(&secondsOk);
            const int tenths = text.mid(dot + 1).toInt(&minutesOk);
            if (minutesOk && secondsOk && seconds < 60 && tenths < 10)
                m_state.clockMs = seconds * 1000LL + tenths * 100LL;
        }
    }
    if (known(StoppedAt, 1))
        m_state.clockRunning = m_record.at(StoppedAt) != 's';
    if (const auto home = number(HomeScoreAt, ScoreWidth))
        m_state.scores[0] = home;
    if (const auto guest = number(GuestScoreAt, ScoreWidth))
        m_state.scores[1] = guest;
    if (const auto period = number(PeriodAt, 2))
        m_state.period = period;
    if (const auto shot = number(ShotClockAt, ShotClockWidth))
        m_state.shotClockMs = *shot * 1000LL;
    if (const auto home = number(HomeFoulsAt, 2))
        m_state.teamFouls[0] = home;
    if (const auto guest = number(GuestFoulsAt, 2))
        m_state.teamFouls[1] = guest;
    if (const auto home = number(HomeTimeoutsLeftAt, 2))
        m_state.timeoutsLeft[0] = home;
    if (const auto guest = number(GuestTimeoutsLeftAt, 2))
        m_state.timeoutsLeft[1] = guest;
    if (known(HomePossessionAt, 1) && known(GuestPossessionAt, 1)) {
        const bool home = m_record.at(HomePossessionAt) != ' ';
        const bool guest = m_record.at(GuestPossessionAt) != ' ';
        m_state.possession = home == guest ? -1 : home ? 0 : 1;
    }
}
