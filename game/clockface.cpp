#include "game/clockface.h"

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

// "digits[.digits]" rounded half up to exactly two decimals, done on the
// decimal text itself: binary rounding would make 0.995 into 0.99. Returns
// an empty string for anything else.
QString fixedTwoDecimals(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^(\\d*)(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = plain.match(text.trimmed());
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(2).isEmpty()))
        return {};
    QString whole = match.captured(1).isEmpty() ? QStringLiteral("0") : match.captured(1);
    const QString fraction = match.captured(2);
    const bool roundUp = fraction.size() > 2 && fraction.at(2) >= u'5';
    QString digits = whole + QString(fraction + QStringLiteral("00")).left(2);
    if (roundUp) {
        // Add one hundredth, carrying through the digits.
        qsizetype i = digits.size() - 1;
        for (; i >= 0 && digits.at(i) == u'9'; --i)
            digits[i] = u'0';
        if (i < 0)
            digits.prepend(u'1');
        else
            digits[i] = QChar(digits.at(i).unicode() + 1);
    }
    return digits.left(digits.size() - 2) + u'.' + digits.right(2);
}

} // namespace

qint16 ClockFace::floorDivide(ClockSeconds num, ClockSeconds divideBy)
{
    return toInt16(std::floor(static_cast<double>(num.raw) / static_cast<double>(divideBy.raw)));
}

qint16 ClockFace::blankAsZero(double value)
{
    return value >= 0 ? toInt16(std::nearbyint(value)) : 0;
}

ClockFace::Digits ClockFace::blankDigits()
{
    return {Blank, Blank, Blank, Blank, Blank};
}

ClockFace::Digits ClockFace::digitsFor(ClockSeconds shown)
{
    const auto digit = [](qint64 value) {
        return static_cast<int>(std::clamp<qint64>(value, -1, 9));
    };
    Digits d{};
    const qint16 tensOfMinutes = floorDivide(shown, Minutes10);
    d[0] = tensOfMinutes > 0 ? digit(tensOfMinutes) : Blank;
    const qint64 a = blankAsZero(d[0]);
    d[1] = digit(floorDivide(shown - a * Minutes10, Minute));
    d[2] = digit(floorDivide(shown - a * Minutes10 - d[1] * Minute, Seconds10));
    d[3] = digit(floorDivide(shown - a * Minutes10 - d[1] * Minute - d[2] * Seconds10, Second));
    const ClockSeconds rest =
        shown - a * Minutes10 - d[1] * Minute - d[2] * Seconds10 - d[3] * Second;
    d[4] = digit(floorDiv(rest.raw, ClockSeconds::PerTenth));
    return d;
}

QString ClockFace::text(ClockSeconds shown)
{
    const qint64 tenths = floorDiv(shown.raw, ClockSeconds::PerTenth);
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

QString ClockFace::textOfMs(qint64 ms)
{
    return text(ClockSeconds::fromTenths(ms / 100));
}

QString ClockFace::scoreText(std::optional<int> score)
{
    return score ? QString::number(*score) : QStringLiteral("-");
}

qint16 ClockFace::typedSeconds(QString text)
{
    if (const QString fixed = fixedTwoDecimals(text); !fixed.isEmpty())
        text = fixed;

    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return toInt16(std::nearbyint(leadingNumber(text) * 60));

    const double seconds = throughText(leadingNumber(text.mid(point)) * 100);
    const double minutes = leadingNumber(text.left(point));
    return toInt16(std::nearbyint(minutes * 60 + seconds));
}

bool ClockFace::isAcceptableEntry(const QString &text)
{
    if (text.count(u'.') > 1 ||
        !std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return false;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value >= 0 && value <= 99.59;
}

QString ClockFace::lengthText(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1.%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

std::optional<qint64> ClockFace::periodLengthMs(const QString &text)
{
    if (!isAcceptableEntry(text))
        return std::nullopt;
    const qint64 seconds = typedSeconds(text);
    if (seconds <= 0)
        return std::nullopt;
    return seconds * 1000;
}
