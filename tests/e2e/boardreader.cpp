#include "tests/e2e/boardreader.h"

#include <array>
#include <cmath>

namespace {

constexpr double DesignWidth = 9480;
constexpr double DesignHeight = 6795;
constexpr double TwipsPerPixel = 15;
const QColor ClockLit(255, 0, 0);
const QColor ScoreLit(255, 128, 0);

struct Probe
{
    double x, y;
};
// Middle of each segment a to g, as fractions of the digit area.
constexpr std::array<Probe, 7> probes = {{{0.5, 0.045},
                                          {0.925, 0.27},
                                          {0.925, 0.73},
                                          {0.5, 0.955},
                                          {0.075, 0.73},
                                          {0.075, 0.27},
                                          {0.5, 0.5}}};
constexpr std::array<const char *, 10> patterns = {
    "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           90;
}

} // namespace

QRect BoardReader::toScreen(double left, double top, double width, double height) const
{
    const double xr = m_client.width() / (DesignWidth / TwipsPerPixel);
    const double yr = m_client.height() / (DesignHeight / TwipsPerPixel);
    return QRectF(m_client.left() + left * xr / TwipsPerPixel,
                  m_client.top() + top * yr / TwipsPerPixel, width * xr / TwipsPerPixel,
                  height * yr / TwipsPerPixel)
        .toRect();
}

QChar BoardReader::digit(double panelLeft, double panelTop, double left, double top, double buffer,
                         const QColor &lit) const
{
    // Digits size themselves from the height alone.
    const double yr = m_client.height() / (DesignHeight / TwipsPerPixel);
    const QRect origin = toScreen(panelLeft + left, panelTop + top, 0, 0);
    const double margin = buffer * yr / TwipsPerPixel;
    const double w = 120 * 895.0 / 120 * yr / TwipsPerPixel;
    const double h = 120 * 1435.0 / 120 * yr / TwipsPerPixel;
    QString segments;
    for (size_t s = 0; s < probes.size(); ++s) {
        const QPoint at(int(origin.left() + margin + probes[s].x * w),
                        int(origin.top() + margin + probes[s].y * h));
        if (m_shot.rect().contains(at) && near(m_shot.pixelColor(at), lit))
            segments += QChar(char16_t(u'a' + s));
    }
    if (segments.isEmpty())
        return u' ';
    for (size_t n = 0; n < patterns.size(); ++n)
        if (segments == QLatin1StringView(patterns[n]))
            return QChar(char16_t(u'0' + n));
    return u'?';
}

QString BoardReader::clock() const
{
    constexpr double lefts[] = {0, 960, 2280, 3240, 4560};
    QString text;
    for (int i = 0; i < 5; ++i) {
        text += digit(1980, 240, lefts[i], 0, 70, ClockLit);
        if (i == 1)
            text += u':';
        if (i == 3)
            text += u'.';
    }
    return text;
}

QString BoardReader::score(double panelLeft, double panelTop) const
{
    return QString(digit(panelLeft, panelTop, 120, 60, 85, ScoreLit)) +
           digit(panelLeft, panelTop, 1080, 60, 85, ScoreLit);
}

QString BoardReader::homeScore(int section) const
{
    return score(600, section == 0 ? 2640 : 4560);
}

QString BoardReader::guestScore(int section) const
{
    return score(6600, section == 0 ? 2640 : 4560);
}

QPoint BoardReader::scorePanelPoint(bool home, int section) const
{
    return toScreen(home ? 600 : 6600, section == 0 ? 2640 : 4560, 2280, 1785).topLeft() +
           QPoint(4, 4);
}

QPoint BoardReader::clockPoint() const
{
    return toScreen(1980 + 2280, 240, 1035, 1575).center();
}

QRect BoardReader::homeCaption() const
{
    return toScreen(600, 1980, 2295, 615);
}
