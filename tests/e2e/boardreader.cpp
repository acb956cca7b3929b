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

QChar BoardReader::digit(const QRectF &panel, double left, double top, double buffer,
                         const QColor &lit, double size) const
{
    // Digits scale by the smaller of the two ratios, spread sideways at most
    // 1.28 times that, and sit as one group in the middle of their panel.
    const double xr = m_client.width() / (DesignWidth / TwipsPerPixel);
    const double yr = m_client.height() / (DesignHeight / TwipsPerPixel);
    const double scale = std::min(xr, yr);
    const double spread = std::min(xr, 1.28 * scale);
    const QRect screenPanel = toScreen(panel.left(), panel.top(), 0, 0);
    const double originX =
        screenPanel.left() + (panel.width() * (xr - spread) / 2 + left * spread) / TwipsPerPixel;
    const double originY =
        screenPanel.top() + (panel.height() * (yr - scale) / 2 + top * scale) / TwipsPerPixel;
    const double margin = buffer * scale / TwipsPerPixel;
    const double w = 895.0 * size / 120 * scale / TwipsPerPixel;
    const double h = 1435.0 * size / 120 * scale / TwipsPerPixel;
    QString segments;
    for (size_t s = 0; s < probes.size(); ++s) {
        const QPoint at(int(originX + margin + probes[s].x * w),
                        int(originY + margin + probes[s].y * h));
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
        text += digit(QRectF(1980, 240, 5595, 1575), lefts[i], 0, 70, ClockLit);
        if (i == 1)
            text += u':';
        if (i == 3)
            text += u'.';
    }
    return text;
}

QString BoardReader::score(double panelLeft, double panelTop, int section) const
{
    const QRectF panel(panelLeft, panelTop, 2280, 1785);
    if (m_threeDigits && section == 1)
        return QString(digit(panel, 431, 330, 60, ScoreLit, 84)) +
               digit(panel, 1103, 330, 60, ScoreLit, 84);
    return QString(digit(panel, 120, 60, 85, ScoreLit)) + digit(panel, 1080, 60, 85, ScoreLit);
}

QString BoardReader::period() const
{
    const QRectF panel(360, 660, 1320, 1155);
    return QString(digit(panel, 40, 40, 40, ScoreLit, 80)) +
           digit(panel, 660, 40, 40, ScoreLit, 80);
}

QString BoardReader::shotClock() const
{
    const QRectF panel(7770, 300, 1560, 1440);
    return QString(digit(panel, 20, 130, 40, ClockLit, 85)) +
           digit(panel, 820, 130, 40, ClockLit, 85);
}

QString BoardReader::homeScore(int section) const
{
    return score(600, section == 0 ? 2640 : 4560, section);
}

QString BoardReader::homeScore3() const
{
    return score3(600);
}

QString BoardReader::guestScore3() const
{
    return score3(6600);
}

QString BoardReader::score3(double panelLeft) const
{
    const QRectF panel(panelLeft, 2640, 2280, 1785);
    QString digits;
    for (int k = 0; k < 3; ++k)
        digits += digit(panel, 95 + 672 * k, 330, 60, ScoreLit, 84);
    return digits;
}

QString BoardReader::guestScore(int section) const
{
    return score(6600, section == 0 ? 2640 : 4560, section);
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

QRect BoardReader::guestCaption() const
{
    return toScreen(6600, 1980, 2295, 615);
}

QRect BoardReader::sectionCaption(int section) const
{
    return toScreen(3120, section == 0 ? 3120 : 5040, 3315, 615);
}

QRect BoardReader::ink(const QRect &area, const QColor &color) const
{
    QRect found;
    const QRect inside = area.intersected(m_shot.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (near(m_shot.pixelColor(x, y), color))
                found |= QRect(x, y, 1, 1);
    return found;
}

int BoardReader::tenthsOf(const QString &face)
{
    const QString t = QString(face).replace(u' ', u'0');
    bool ok1 = false, ok2 = false, ok3 = false;
    const int minutes = t.left(2).toInt(&ok1);
    const int seconds = t.mid(3, 2).toInt(&ok2);
    const int tenths = t.mid(6, 1).toInt(&ok3);
    return ok1 && ok2 && ok3 ? (minutes * 60 + seconds) * 10 + tenths : -1;
}

QString BoardReader::faceOf(qint64 ms)
{
    const qint64 tenths = ms / 100;
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600, 2, 10, QLatin1Char(' '))
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}
