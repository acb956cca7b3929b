#include "scoreboard/frmscoreboard.h"

#include "display/captionfit.h"
#include "display/colors.h"
#include "display/controls.h"
#include "display/ledlines.h"
#include "display/modcolor.h"
#include "display/twips.h"
#include "game/clockface.h"
#include "game/scoredigits.h"
#include "platform/sounddevice.h"
#include "platform/timesource.h"
#include "scoreboard/buzzer.h"
#include "scoreboard/operatorhints.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

namespace {

template <typename Control> Control *place(Control *control, const char *name, QRect twips)
{
    control->setObjectName(QLatin1StringView(name));
    control->setGeometry(twips);
    return control;
}

Label *caption(QWidget *parent, const char *name, QRect twips, double points, bool autoSize)
{
    auto *label = place(new Label(parent), name, twips);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(points);
    label->setFont(font);
    label->setAutoSize(autoSize);
    return label;
}

ledlines *placeDigit(LedGroup &group, int index, QWidget *parent, double left, double top,
                     double bufferArea)
{
    ledlines *digit = group.add(index, parent);
    digit->setDigitSize(120);
    digit->setBufferArea(bufferArea);
    digit->move(twipsToPixels(left), twipsToPixels(top));
    digit->setLitColor(0x00FFFF);
    return digit;
}

} // namespace

frmScoreBoard::frmScoreBoard(GameModel &game, GameHistory &history, const Settings &settings,
                             const Services &services, QWidget *parent)
    : QWidget(parent), m_game(game), m_history(history), m_settings(settings), m_services(services),
      m_buzzer(new BuzzerSound(services.makeSoundDevice(nullptr), this))
{
    setObjectName(QStringLiteral("frmScoreBoard"));
    setAutoFillBackground(true);
    resize(twipsToPixels(DesignWidth), twipsToPixels(DesignHeight));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    createControls();
    setTabOrder();
    routeKeys();
    createShortcuts();

    UpdateLabels();
    UpdateFormColors();
    showGame();
    connect(&m_game, &GameModel::changed, this, &frmScoreBoard::showGame);
    connect(&m_game, &GameModel::clockAdvanced, this, &frmScoreBoard::showClock);
    m_layout.RecordLayout(this);
    m_buzzer->OpenBuzzerSound(m_settings.BuzzerFile);
}

frmScoreBoard::OwnGame frmScoreBoard::makeOwnGame(const TimeSource &time)
{
    auto *game = new GameModel(time);
    return {game, new GameHistory(*game, game)};
}

frmScoreBoard::frmScoreBoard(const Services &services, QWidget *parent)
    : frmScoreBoard(services, makeOwnGame(*services.time), parent)
{
}

frmScoreBoard::frmScoreBoard(const Services &services, OwnGame own, QWidget *parent)
    : frmScoreBoard(*own.game, *own.history, AppSettings, services, parent)
{
    own.game->setParent(this);
}

frmScoreBoard::~frmScoreBoard() = default;

void frmScoreBoard::createControls()
{
    Controls &c = m_controls;
    c.shpLarge = place(new Shape(Shape::Kind::OutlinedRectangle, this), "shpLarge",
                       twipsRect(120, 120, 9255, 6495));
    c.shpTimeBorder = place(new Shape(Shape::Kind::OutlinedRectangle, this), "shpTimeBorder",
                            twipsRect(1800, 120, 5895, 1815));

    c.picHomeContainer =
        place(new PictureBox(this), "picHomeContainer", twipsRect(600, 1980, 2295, 615));
    c.lblHomeScore =
        caption(c.picHomeContainer, "lblHomeScore", twipsRect(510, 0, 1335, 555), 24, true);
    c.picGuestContainer =
        place(new PictureBox(this), "picGuestContainer", twipsRect(6600, 1980, 2295, 615));
    c.lblGuestScore =
        caption(c.picGuestContainer, "lblGuestScore", twipsRect(480, 0, 1395, 555), 24, true);

    c.picTimeBack = place(new PictureBox(this), "picTimeBack", twipsRect(1980, 240, 5595, 1575));
    const double digitLefts[] = {0, 960, 2280, 3240, 4560};
    for (int i = 1; i <= 5; ++i)
        placeDigit(m_ledTime, i, c.picTimeBack, digitLefts[i - 1], 0, 70);
    const QRect dots[] = {twipsRect(2040, 360, 195, 195), twipsRect(2040, 1080, 195, 195),
                          twipsRect(4320, 1200, 195, 195)};
    for (int i = 0; i < 3; ++i)
        c.shpTime[i] =
            place(new Shape(Shape::Kind::FilledCircle, c.picTimeBack), "shpTime", dots[i]);

    createScore(c.picHomeScore0, m_ledHomeScore0, "picHomeScore0", 600, 2640);
    createScore(c.picGuestScore0, m_ledGuestScore0, "picGuestScore0", 6600, 2640);
    createScore(c.picHomeScore1, m_ledHomeScore1, "picHomeScore1", 600, 4560);
    createScore(c.picGuestScore1, m_ledGuestScore1, "picGuestScore1", 6600, 4560);

    c.lblSection1 = caption(this, "lblSection1", twipsRect(3120, 3120, 3315, 615), 24, false);
    c.lblSection2 = caption(this, "lblSection2", twipsRect(3120, 5040, 3315, 615), 24, false);
    c.lblCreatedBy = caption(this, "lblCreatedBy", twipsRect(4200, 4200, 1215, 615), 9.75, false);
    c.lblCreatedBy->setCaption(QStringLiteral("Brannick"));
}

void frmScoreBoard::createScore(PictureBox *&panel, LedGroup &digits, const char *panelName,
                                int left, int top)
{
    panel = place(new PictureBox(this), panelName, twipsRect(left, top, 2280, 1785));
    placeDigit(digits, 1, panel, 120, 60, 85)->setCaption(ledlines::Blank);
    placeDigit(digits, 0, panel, 1080, 60, 85)->setCaption(0);
}

void frmScoreBoard::setTabOrder()
{
    const Controls &c = m_controls;
    const QList<QWidget *> order = {
        c.picHomeContainer,  c.picGuestContainer, c.picTimeBack,       m_ledTime[4],
        m_ledTime[3],        m_ledTime[2],        m_ledTime[1],        c.picHomeScore0,
        m_ledHomeScore0[0],  m_ledHomeScore0[1],  c.picGuestScore0,    m_ledGuestScore0[0],
        m_ledGuestScore0[1], c.picHomeScore1,     m_ledHomeScore1[0],  m_ledHomeScore1[1],
        c.picGuestScore1,    m_ledTime[5],        m_ledGuestScore1[0], m_ledGuestScore1[1]};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    c.picHomeContainer->setFocus();
}

bool frmScoreBoard::isBuzzerPlaying() const
{
    return m_buzzer->isPlaying();
}

double frmScoreBoard::captionPointSize(qint16 points) const
{
    const double w = pixelsToTwips(width());
    const double h = pixelsToTwips(height());
    // The smaller of the two ratios to the design size.
    if (h / DesignHeight < w / DesignWidth)
        return points / DesignHeight * h;
    return points / DesignWidth * w;
}

// Every caption shows its whole text: one too long for its place gets a smaller
// font. The team captions stay in the middle of their panels whatever size
// their text has now.
void frmScoreBoard::fitCaptions()
{
    const Controls &c = m_controls;
    shrinkToFit(c.lblHomeScore, c.picHomeContainer->size());
    shrinkToFit(c.lblGuestScore, c.picGuestContainer->size());
    for (Label *fixedBox : {c.lblSection1, c.lblSection2, c.lblCreatedBy})
        shrinkToFit(fixedBox, fixedBox->size());
    centreIn(c.lblHomeScore, c.picHomeContainer);
    centreIn(c.lblGuestScore, c.picGuestContainer);
}

void frmScoreBoard::UpdateLabels()
{
    const Controls &c = m_controls;
    updateTitle();
    const auto size = static_cast<float>(captionPointSize(m_settings.TeamSize));
    const std::pair<Label *, QString> captions[] = {{c.lblHomeScore, m_settings.HomeText},
                                                    {c.lblGuestScore, m_settings.GuestText},
                                                    {c.lblSection1, m_settings.SectionText1},
                                                    {c.lblSection2, m_settings.SectionText2}};
    for (const auto &[label, text] : captions) {
        label->setCaption(text);
        label->setFontSize(size);
    }
    fitCaptions();
    m_layout.RecordLayout(this);
}

void frmScoreBoard::UpdateFormColors()
{
    const Controls &c = m_controls;
    QPalette pal = palette();
    const Settings &s = m_settings;
    pal.setColor(QPalette::Window, fromBgr(s.FormColor));
    setPalette(pal);

    ColorLED(m_ledTime, s.LEDTimeColor, s.LEDBackColor);
    for (const LedGroup *score :
         {&m_ledHomeScore0, &m_ledGuestScore0, &m_ledHomeScore1, &m_ledGuestScore1})
        ColorLED(*score, s.LEDScoreColor, s.LEDBackColor);
    ColorControls(this,
                  {c.picHomeContainer, c.picGuestContainer, c.lblHomeScore, c.lblGuestScore,
                   c.lblSection1, c.lblSection2},
                  s.TextColor, s.LEDBackColor);
    c.picHomeContainer->setBackColor(s.FormColor);
    c.picGuestContainer->setBackColor(s.FormColor);
    c.lblHomeScore->setForeColor(s.HomeColor);
    c.lblGuestScore->setForeColor(s.GuestColor);
    c.lblSection1->setForeColor(s.TextColor);
    c.lblSection2->setForeColor(s.TextColor);
}

void frmScoreBoard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_layout.StretchLayout(this);
    fitCaptions();
}

void frmScoreBoard::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void frmScoreBoard::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A window restored from the taskbar may come back at a size it never
    // reported a resize for.
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
        m_layout.StretchLayout(this);
        fitCaptions();
    }
}

const LedGroup &frmScoreBoard::scoreDigits(GameModel::Score which) const
{
    const LedGroup *groups[] = {&m_ledHomeScore0, &m_ledGuestScore0, &m_ledHomeScore1,
                                &m_ledGuestScore1};
    return *groups[which];
}

void frmScoreBoard::showGame()
{
    for (int which = 0; which < GameModel::ScoreCount; ++which) {
        const auto score = static_cast<GameModel::Score>(which);
        const ScoreDigits digits = scoreDigitsFor(m_game.score(score));
        const LedGroup &group = scoreDigits(score);
        group[0]->setCaption(digits.units);
        group[1]->setCaption(digits.tens);
    }
    showClock();
}

void frmScoreBoard::showClock()
{
    const ClockFace::Digits digits =
        m_game.isFaceBlank() ? ClockFace::blankDigits() : ClockFace::digitsFor(m_game.shownTime());
    for (int i = 1; i <= 5; ++i)
        m_ledTime[i]->setCaption(digits[i - 1]);
}

void frmScoreBoard::applySettings(const Settings &settings)
{
    m_settings = settings;
    UpdateLabels();
    UpdateFormColors();
    m_layout.RecordLayout(this);
    m_buzzer->ReopenBuzzerSound(m_settings.BuzzerFile);
}

void frmScoreBoard::setSaveProblem(const QString &problem)
{
    m_saveProblem = problem;
    updateTitle();
}

void frmScoreBoard::makeAudienceView(bool takesKeys)
{
    m_audienceView = true;
    setWindowFlag(Qt::FramelessWindowHint);
    if (!takesKeys) {
        setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        setAttribute(Qt::WA_ShowWithoutActivating);
        // A full-screen window without the focus is kept under the panels of
        // its screen by some window managers; the audience must see only the board.
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    for (QWidget *child : findChildren<QWidget *>())
        child->setFocusPolicy(Qt::NoFocus);
    for (QShortcut *shortcut : findChildren<QShortcut *>())
        shortcut->setEnabled(false);
    updateTitle();
}

void frmScoreBoard::setOperatorHints(bool on)
{
    if (on == showsOperatorHints())
        return;
    if (on) {
        m_hints = new OperatorHints(this);
        m_hints->showFocus();
    } else {
        delete m_hints;
        m_hints = nullptr;
    }
}

void frmScoreBoard::updateHints(int keyAscii)
{
    if (!m_hints)
        return;
    QString typed = m_clockEntry.pendingText();
    if (m_scoreEntry.pendingScore() >= 0 && !m_scoreEntry.pendingText().isEmpty())
        typed = m_scoreEntry.pendingText();
    m_hints->showTyped(typed);
    if (keyAscii >= 'A' && keyAscii <= 'Z')
        m_hints->showCapsLock(true);
    else if (keyAscii >= 'a' && keyAscii <= 'z')
        m_hints->showCapsLock(false);
}

void frmScoreBoard::updateTitle()
{
    if (m_audienceView) {
        setWindowTitle(QStringLiteral("Corvella - audience"));
        return;
    }
    const QString title = QStringLiteral("Corvella by Brannick");
    setWindowTitle(m_saveProblem.isEmpty() ? title : title + QStringLiteral(" - ") + m_saveProblem);
}
