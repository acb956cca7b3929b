#include "audience/sponsoroverlay.h"

#include "game/clockface.h"
#include "game/gamemodel.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

SponsorOverlay::SponsorOverlay(GameModel &game, const Settings &settings, QWidget *board,
                               const QString &folder)
    : QWidget(board), m_game(game), m_settings(settings), m_folder(folder)
{
    setObjectName(u"sponsorOverlay"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    board->installEventFilter(this);
    m_nextSlide.setSingleShot(true);
    connect(&m_nextSlide, &QTimer::timeout, this, [this] {
        update();
        scheduleNextSlide();
    });
    connect(&m_slides, &SponsorSlides::loaded, this, &SponsorOverlay::follow);
    connect(&m_game, &GameModel::changed, this, &SponsorOverlay::follow);
    connect(&m_game, &GameModel::clockAdvanced, this, [this] {
        // Only the clock moved: the slide stays, the strip is painted again.
        if (isVisible())
            update(stripRect());
    });
    fitBoard();
    reload();
}

void SponsorOverlay::applySettings(const Settings &settings)
{
    const bool wasOn = m_settings.SponsorsEnabled == 1;
    m_settings = settings;
    if (!wasOn && settings.SponsorsEnabled == 1)
        reload();
    follow();
}

int SponsorOverlay::currentSlide() const
{
    return isVisible() ? SponsorSlides::slideAt(sponsorPhaseMs(m_game), slideMs(),
                                                int(m_slides.images().size()))
                       : -1;
}

bool SponsorOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        fitBoard();
        reload();
    }
    return QWidget::eventFilter(watched, event);
}

void SponsorOverlay::fitBoard()
{
    setGeometry(parentWidget()->rect());
}

// Decoded for the space above the strip, once per size of the board.
void SponsorOverlay::reload()
{
    if (m_settings.SponsorsEnabled != 1 || size().isEmpty())
        return;
    const QSize box(width(), height() - stripRect().height());
    if (box != m_slides.box() || m_slides.images().isEmpty())
        m_slides.load(m_folder, box);
}

// Shown while a phase that shows sponsors runs and there is a slide; each
// new phase starts again from the first slide.
void SponsorOverlay::follow()
{
    m_phase = sponsorPhaseOf(m_game);
    const bool show = showsSponsors(m_settings, m_phase) && !m_slides.images().isEmpty();
    if (show == isVisible()) {
        if (show)
            update(stripRect());
        return;
    }
    setVisible(show);
    if (show) {
        raise();
        scheduleNextSlide();
    } else {
        m_nextSlide.stop();
    }
    emit showingChanged(show);
}

void SponsorOverlay::scheduleNextSlide()
{
    if (!isVisible() || m_slides.images().size() < 2)
        return;
    m_nextSlide.start(int(SponsorSlides::msToNextSlide(sponsorPhaseMs(m_game), slideMs())));
}

QRect SponsorOverlay::stripRect() const
{
    const int strip = int(height() * StripShare);
    return {0, height() - strip, width(), strip};
}

QString SponsorOverlay::stripText() const
{
    const auto score = [this](int which) { return ClockFace::scoreText(m_game.score(which)); };
    const ClockSeconds clock =
        m_phase == SponsorPhase::Timeout ? m_game.shownTimeoutTime() : m_game.shownTime();
    return m_settings.HomeText + u"  "_s + score(GameModel::Home1) + u" : "_s +
           score(GameModel::Guest1) + u"  "_s + m_settings.GuestText + u"     "_s +
           ClockFace::text(clock);
}

void SponsorOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect strip = stripRect();
    const QRect slideArea(0, 0, width(), strip.top());
    painter.fillRect(slideArea, Qt::black);
    m_shownSlide = currentSlide();
    if (m_shownSlide >= 0) {
        const QImage &image = m_slides.images().at(m_shownSlide);
        QRect place(QPoint(), image.size().scaled(slideArea.size(), Qt::KeepAspectRatio));
        place.moveCenter(slideArea.center());
        painter.drawImage(place, image);
    }
    painter.fillRect(strip, QColor(0x10, 0x10, 0x10));
    QFont font(u"Arial"_s);
    font.setBold(true);
    font.setPixelSize(qMax(8, int(strip.height() * 0.55)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(strip, Qt::AlignCenter, stripText());
}
