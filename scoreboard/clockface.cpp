#include "scoreboard/clockface.h"

#include "display/ledgroup.h"
#include "display/ledlines.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

constexpr ClockSeconds Minutes10 = ClockSeconds::fromSeconds(600);
constexpr ClockSeconds Minute = ClockSeconds::fromSeconds(60);
constexpr ClockSeconds Seconds10 = ClockSeconds::fromSeconds(10);
constexpr ClockSeconds Second = ClockSeconds::fromSeconds(1);

qint16 toInt16(double value)
{
    const double lo = std::numeric_limits<qint16>::min();
    const double hi = std::numeric_limits<qint16>::max();
    return static_cast<qint16>(std::clamp(value, lo, hi));
}

// The longest prefix of `text` that reads as a decimal number, or 0.
double leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+(\\.\\d*)?|\\.\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

// A value formatted with fifteen significant digits and read back, which
// turns 0.29 * 100 into 29 rather than 28.999999999999996.
double throughText(double value)
{
    return QString::number(value, 'g', 15).toDouble();
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

qint16 ClockFace::Div(ClockSeconds Num, ClockSeconds DivideBy)
{
    return toInt16(std::floor(static_cast<double>(Num.raw) / static_cast<double>(DivideBy.raw)));
}

qint16 ClockFace::Min0(double Value)
{
    return Value >= 0 ? toInt16(std::nearbyint(Value)) : 0;
}

int ClockFace::digit(int index) const
{
    return m_ledTime[index]->caption();
}

void ClockFace::setDigit(int index, qint64 value) const
{
    m_ledTime[index]->setCaption(static_cast<int>(std::clamp<qint64>(value, -1, 10)));
}

void ClockFace::Sec2Clock(ClockSeconds Sec) const
{
    const qint16 tensOfMinutes = Div(Sec, Minutes10);
    setDigit(1, tensOfMinutes > 0 ? tensOfMinutes : ledlines::Blank);

    qint64 a = Min0(digit(1));
    setDigit(2, Div(Sec - a * Minutes10, Minute));

    a = Min0(digit(1));
    qint64 m = digit(2);
    setDigit(3, Div(Sec - a * Minutes10 - m * Minute, Seconds10));

    a = Min0(digit(1));
    m = digit(2);
    qint64 s10 = digit(3);
    setDigit(4, Div(Sec - a * Minutes10 - m * Minute - s10 * Seconds10, Second));

    a = Min0(digit(1));
    m = digit(2);
    s10 = digit(3);
    const qint64 s1 = digit(4);
    const ClockSeconds rest = Sec - a * Minutes10 - m * Minute - s10 * Seconds10 - s1 * Second;
    setDigit(5, floorDiv(rest.raw, ClockSeconds::PerTenth));
}

qint16 ClockFace::StrToSeconds(QString StrTime)
{
    bool numeric = false;
    const double value = StrTime.toDouble(&numeric);
    if (numeric)
        StrTime = QString::number(value, 'f', 2);

    const qsizetype point = StrTime.indexOf(u'.');
    if (point < 0)
        return toInt16(std::nearbyint(leadingNumber(StrTime) * 60));

    const double seconds = throughText(leadingNumber(StrTime.mid(point)) * 100);
    const double minutes = leadingNumber(StrTime.left(point));
    return toInt16(std::nearbyint(minutes * 60 + seconds));
}
