#include "board/teamband.h"

#include "teams/contrast.h"
#include "teams/teamlogo.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtConcurrent>

#include <algorithm>

namespace {

// Room kept free at each end of the band, and between the logo and the name,
// as parts of the caption's height.
constexpr double EndMargin = 0.15;
constexpr double LogoGap = 0.2;

} // namespace

TeamBand::TeamBand(QWidget *panel) : QWidget(panel)
{
    setObjectName(QStringLiteral("teamBand"));
    // Clicks and keys go to the panel below, as on a plain caption.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    connect(&m_decoding, &QFutureWatcher<Decoded>::finished, this, &TeamBand::takeDecoded);
}

void TeamBand::setTeam(const Team &team, const QColor &captionColor)
{
    m_team = team;
    m_captionColor = captionColor;
    if (m_team.logo != m_decodedPath) {
        m_decodedLogo = {};
        m_scaledLogo = {};
        startDecoding();
    }
    arrange();
}

void TeamBand::setCaptionFont(const QFont &font, int captionHeight)
{
    m_font = font;
    m_captionHeight = captionHeight;
    arrange();
}

QColor TeamBand::nameColor() const
{
    if (m_team.textColor.isValid())
        return m_team.textColor;
    // A band without a text colour: black or white, whichever reads on it.
    if (m_team.color.isValid())
        return outlineFor(m_team.color);
    return m_captionColor;
}

QColor TeamBand::outlineColor() const
{
    const QColor text = nameColor();
    if (!m_team.color.isValid() || !needsOutline(text, m_team.color))
        return {};
    return outlineFor(text);
}

void TeamBand::startDecoding()
{
    m_decodedPath = m_team.logo;
    if (m_decodedPath.isEmpty())
        return;
    const QString path = m_decodedPath;
    // A logo that cannot be shown is told there, once for the operator's
    // board and the audience display.
    m_decoding.setFuture(QtConcurrent::run([path] {
        return Decoded{path, TeamLogo::image(path)};
    }));
}

void TeamBand::takeDecoded()
{
    const Decoded decoded = m_decoding.result();
    // Another team's logo, or none, was chosen while this one was decoded.
    if (decoded.path != m_decodedPath)
        return;
    m_decodedLogo = decoded.image;
    arrange();
    emit logoSettled();
}

void TeamBand::scaleLogo(int height)
{
    if (m_decodedLogo.isNull() || height <= 0) {
        m_scaledLogo = {};
        return;
    }
    if (!m_scaledLogo.isNull() && m_scaledLogo.height() == height)
        return;
    const QImage scaled = m_decodedLogo.scaled(QSize(height * 4, height), Qt::KeepAspectRatio,
                                               Qt::SmoothTransformation);
    m_scaledLogo = QPixmap::fromImage(scaled);
}

// The logo and the name side by side, centred in the band. Where the two do
// not fit, both get smaller together, so the logo keeps the name's height.
void TeamBand::arrange()
{
    const double h = m_captionHeight;
    const double aspect = m_decodedLogo.isNull() || m_decodedLogo.height() <= 0
                              ? 0
                              : double(m_decodedLogo.width()) / m_decodedLogo.height();
    m_nameFont = m_font;
    const double natural = aspect * h + (aspect > 0 ? h * LogoGap : 0) +
                           QFontMetricsF(m_nameFont).horizontalAdvance(m_team.name);
    const double room = width() - 2 * h * EndMargin;
    double shrink = 1;
    if (natural > room && room > 0 && m_nameFont.pointSizeF() > 0) {
        shrink = room / natural;
        m_nameFont.setPointSizeF(std::max(1.0, m_nameFont.pointSizeF() * shrink));
    }
    scaleLogo(aspect > 0 ? qRound(h * shrink) : 0);
    const QSizeF logo = m_scaledLogo.isNull() ? QSizeF() : QSizeF(m_scaledLogo.size());
    const double gap = logo.isEmpty() ? 0 : h * shrink * LogoGap;
    const QFontMetricsF metrics(m_nameFont);
    const double nameWidth = metrics.horizontalAdvance(m_team.name);
    const double left = (width() - logo.width() - gap - nameWidth) / 2;
    m_logoRect = QRectF(QPointF(left, (height() - logo.height()) / 2), logo).toRect();
    const double baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    m_namePath = {};
    m_namePath.addText(QPointF(left + logo.width() + gap, baseline), m_nameFont, m_team.name);
    update();
}

void TeamBand::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void TeamBand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_team.color.isValid())
        painter.fillRect(rect(), m_team.color);
    if (!m_scaledLogo.isNull())
        painter.drawPixmap(m_logoRect.topLeft(), m_scaledLogo);
    painter.setRenderHint(QPainter::Antialiasing);
    if (const QColor outline = outlineColor(); outline.isValid()) {
        const double width = std::max(1.5, m_nameFont.pointSizeF() / 8);
        painter.strokePath(m_namePath,
                           QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    painter.fillPath(m_namePath, nameColor());
}
