#include "board/boardview.h"

#include "board/teamband.h"
#include "display/captionfit.h"
#include "display/controlcolors.h"
#include "display/controls.h"
#include "display/leddigit.h"
#include "display/twips.h"
#include "game/clockface.h"
#include "game/gameteams.h"
#include "game/scoredigits.h"
#include "game/sectioncaptions.h"
#include "settings/bgrcolor.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The shot clock's 0 flashes for a good second and a half.
constexpr int ShotFlashMs = 200;
constexpr int ShotFlashes = 8;

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

LedDigit *placeDigit(LedGroup &group, int index, QWidget *parent, double left, double top,
                     double bufferArea)
{
    LedDigit *digit = group.add(index, parent);
    digit->setDigitSize(120);
    digit->setBufferArea(bufferArea);
    digit->move(twipsToPixels(left), twipsToPixels(top));
    digit->setLitColor(0x00FFFF);
    return digit;
}

} // namespace

BoardView::BoardView(GameModel &game, const Settings &settings, QWidget *parent)
    : QWidget(parent), m_game(game), m_settings(settings)
{
    setAutoFillBackground(true);
    resize(twipsToPixels(DesignWidth), twipsToPixels(DesignHeight));
    // A board on its own is the scoreboard's window; inside another window
    // it is one of that window's parts.
    if (!parent) {
        setObjectName(QStringLiteral("frmScoreBoard"));
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }

    createControls();
    updateCaptions();
    updateColors();
    showGame();
    connect(&m_game, &GameModel::changed, this, &BoardView::showGame);
    connect(&m_game, &GameModel::clockAdvanced, this, &BoardView::showClock);
    connect(&m_game, &GameModel::clockAdvanced, this, &BoardView::showShotClock);
    connect(&m_game, &GameModel::clockAdvanced, this, &BoardView::showPenalties);
    connect(&m_game, &GameModel::playerFouledOut, this,
            [this](GameModel::Team team, const QString &number, int fouls) {
                m_penaltyList->showFouledOut(
                    QStringLiteral("#%1  ").arg(number) + tr("%1 FOULS").arg(fouls),
                    team == GameModel::Home ? m_settings.HomeColor : m_settings.GuestColor,
                    captionPointSize(12) * PenaltyList::FouledOutScale);
            });
    m_shotFlash.setInterval(ShotFlashMs);
    connect(&m_game, &GameModel::shotClockExpired, this, [this] {
        m_shotFlashesLeft = ShotFlashes;
        m_shotFlash.start();
    });
    connect(&m_shotFlash, &QTimer::timeout, this, [this] {
        if (--m_shotFlashesLeft <= 0)
            m_shotFlash.stop();
        showShotClock();
    });
    m_layout.record(this);
}

void BoardView::createControls()
{
    Controls &c = m_controls;
    c.boardFrame = place(new Shape(Shape::Kind::OutlinedRectangle, this), "shpLarge",
                         twipsRect(120, 120, 9255, 6495));
    c.clockFrame = place(new Shape(Shape::Kind::OutlinedRectangle, this), "shpTimeBorder",
                         twipsRect(1800, 120, 5895, 1815));

    c.homeTeamPanel =
        place(new PictureBox(this), "picHomeContainer", twipsRect(600, 1980, 2295, 615));
    c.homeTeamCaption =
        caption(c.homeTeamPanel, "lblHomeScore", twipsRect(510, 0, 1335, 555), 24, true);
    c.guestTeamPanel =
        place(new PictureBox(this), "picGuestContainer", twipsRect(6600, 1980, 2295, 615));
    c.guestTeamCaption =
        caption(c.guestTeamPanel, "lblGuestScore", twipsRect(480, 0, 1395, 555), 24, true);

    c.clockPanel = place(new PictureBox(this), "picTimeBack", twipsRect(1980, 240, 5595, 1575));
    const double digitLefts[] = {0, 960, 2280, 3240, 4560};
    for (int i = 1; i <= 5; ++i)
        placeDigit(m_clockDigits, i, c.clockPanel, digitLefts[i - 1], 0, 70);
    const QRect dots[] = {twipsRect(2040, 360, 195, 195), twipsRect(2040, 1080, 195, 195),
                          twipsRect(4320, 1200, 195, 195)};
    for (int i = 0; i < 3; ++i)
        c.clockDots[i] =
            place(new Shape(Shape::Kind::FilledCircle, c.clockPanel), "shpTime", dots[i]);

    createScore(c.home1Panel, m_home1Digits, "picHomeScore0", 600, 2640);
    createScore(c.guest1Panel, m_guest1Digits, "picGuestScore0", 6600, 2640);
    createThreeDigits(c.home1Panel, m_home1Wide);
    createThreeDigits(c.guest1Panel, m_guest1Wide);
    createScore(c.home2Panel, m_home2Digits, "picHomeScore1", 600, 4560);
    createScore(c.guest2Panel, m_guest2Digits, "picGuestScore1", 6600, 4560);

    c.section1Caption = caption(this, "lblSection1", twipsRect(3120, 3120, 3315, 615), 24, false);
    c.section2Caption = caption(this, "lblSection2", twipsRect(3120, 5040, 3315, 615), 24, false);
    c.creditCaption = caption(this, "lblCreatedBy", twipsRect(4200, 4200, 1215, 615), 9.75, false);
    // In the corner above the home team, empty on a board without periods.
    c.phaseCaption = caption(this, "lblPhase", twipsRect(240, 240, 1440, 375), 12, false);
    c.periodPanel = place(new PictureBox(this), "picPeriod", twipsRect(360, 660, 1320, 1155));
    c.periodPanel->setFocusPolicy(Qt::NoFocus);
    for (int i : {1, 0}) {
        LedDigit *digit = placeDigit(m_periodDigits, i, c.periodPanel, i ? 40 : 660, 40, 40);
        digit->setDigitSize(80);
        digit->setFocusPolicy(Qt::NoFocus);
    }
    c.phaseCaption->hide();
    c.periodPanel->hide();
    createTimeoutParts();
    createShotClockParts();
    m_penaltyList = std::make_unique<PenaltyList>(this);
    createSetsParts();
    m_teamBands = {new TeamBand(c.homeTeamPanel), new TeamBand(c.guestTeamPanel)};
    for (TeamBand *band : m_teamBands)
        band->hide();
}

// Beside each team's name, outside its panel, the serve mark; the sets
// played in small type where the bonus goes on a board with fouls.
void BoardView::createSetsParts()
{
    Controls &c = m_controls;
    c.serveMarks[0] = caption(this, "lblHomeServe", twipsRect(180, 1980, 420, 615), 18, false);
    c.serveMarks[1] = caption(this, "lblGuestServe", twipsRect(8895, 1980, 420, 615), 18, false);
    c.setScores = caption(this, "lblSetScores", twipsRect(2895, 5700, 3705, 375), 12, false);
    for (Label *part : {c.serveMarks[0], c.serveMarks[1], c.setScores})
        part->hide();
}

// Top right, across from the period and beside the clock, where it reads on
// every screen shape; a timeout's caption takes the corner while it runs.
void BoardView::createShotClockParts()
{
    Controls &c = m_controls;
    c.shotClockPanel =
        place(new PictureBox(this), "picShotClock", twipsRect(7770, 300, 1560, 1440));
    c.shotClockPanel->setFocusPolicy(Qt::NoFocus);
    for (int i : {1, 0}) {
        LedDigit *digit = placeDigit(m_shotDigits, i, c.shotClockPanel, i ? 20 : 820, 130, 40);
        digit->setDigitSize(85);
        digit->setFocusPolicy(Qt::NoFocus);
    }
    c.shotClockDot = place(new Shape(Shape::Kind::FilledCircle, c.shotClockPanel), "shpShotClock",
                           twipsRect(715, 1140, 120, 120));
    c.possessionArrow = caption(this, "lblPossession", twipsRect(4140, 1980, 1200, 615), 24, false);
    c.shotClockPanel->hide();
    c.shotClockDot->hide();
    c.possessionArrow->hide();
}

// Three digits in the place of two: smaller, and centred in the panel.
void BoardView::createThreeDigits(PictureBox *panel, LedGroup &digits)
{
    for (int i : {2, 1, 0}) {
        LedDigit *digit = placeDigit(digits, i, panel, 95 + (2 - i) * 672, 330, 60);
        digit->setDigitSize(84);
        digit->setCaption(i == 0 ? 0 : LedDigit::Blank);
        digit->hide();
    }
}

// The top right corner tells whose timeout runs; a column of dots beside each
// team's first score tells how many are left; below section 2, the bonus.
void BoardView::createTimeoutParts()
{
    Controls &c = m_controls;
    c.timeoutCaption = caption(this, "lblTimeout", twipsRect(7695, 240, 1440, 375), 12, false);
    c.timeoutTeamCaption =
        caption(this, "lblTimeoutTeam", twipsRect(7695, 660, 1440, 555), 14, false);
    const int dotLefts[] = {285, 9030};
    const char *dotNames[] = {"shpHomeTimeouts", "shpGuestTimeouts"};
    for (int team = 0; team < 2; ++team) {
        for (int i = 0; i < int(c.timeoutDots[team].size()); ++i)
            c.timeoutDots[team][i] =
                place(new Shape(Shape::Kind::FilledCircle, this), dotNames[team],
                      twipsRect(dotLefts[team], 2760 + 345 * i, 195, 195));
    }
    c.bonusCaptions[0] = caption(this, "lblHomeBonus", twipsRect(3120, 5700, 1560, 375), 12, false);
    c.bonusCaptions[1] =
        caption(this, "lblGuestBonus", twipsRect(4875, 5700, 1560, 375), 12, false);
    c.bonusCaptions[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    c.bonusCaptions[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QWidget *part :
         {static_cast<QWidget *>(c.timeoutCaption), static_cast<QWidget *>(c.timeoutTeamCaption),
          static_cast<QWidget *>(c.bonusCaptions[0]), static_cast<QWidget *>(c.bonusCaptions[1])})
        part->hide();
    for (const auto &dots : c.timeoutDots)
        for (Shape *dot : dots)
            dot->hide();
}

void BoardView::createScore(PictureBox *&panel, LedGroup &digits, const char *panelName, int left,
                            int top)
{
    panel = place(new PictureBox(this), panelName, twipsRect(left, top, 2280, 1785));
    placeDigit(digits, 1, panel, 120, 60, 85)->setCaption(LedDigit::Blank);
    placeDigit(digits, 0, panel, 1080, 60, 85)->setCaption(0);
}

double BoardView::captionPointSizeAt(QSize size, qint16 points)
{
    const double w = pixelsToTwips(size.width());
    const double h = pixelsToTwips(size.height());
    // The smaller of the two ratios to the design size.
    if (h / DesignHeight < w / DesignWidth)
        return points / DesignHeight * h;
    return points / DesignWidth * w;
}

// Every caption shows its whole text: one too long for its place gets a smaller
// font. The team captions stay in the middle of their panels whatever size
// their text has now.
void BoardView::fitCaptions()
{
    const Controls &c = m_controls;
    shrinkToFit(c.homeTeamCaption, c.homeTeamPanel->size());
    shrinkToFit(c.guestTeamCaption, c.guestTeamPanel->size());
    for (Label *fixedBox :
         {c.section1Caption, c.section2Caption, c.creditCaption, c.phaseCaption, c.timeoutCaption,
          c.timeoutTeamCaption, c.bonusCaptions[0], c.bonusCaptions[1]})
        shrinkToFit(fixedBox, fixedBox->size());
    centreIn(c.homeTeamCaption, c.homeTeamPanel);
    centreIn(c.guestTeamCaption, c.guestTeamPanel);
    const Label *captions[] = {c.homeTeamCaption, c.guestTeamCaption};
    for (int side = 0; side < 2; ++side) {
        TeamBand *band = m_teamBands.at(side);
        band->setGeometry(band->parentWidget()->rect());
        band->setCaptionFont(captions[side]->font(), captions[side]->height());
    }
}

// A library team's name stands on its band, beside its logo; a plain caption
// stays the caption it always was.
void BoardView::showTeamBands()
{
    const Controls &c = m_controls;
    Label *captions[] = {c.homeTeamCaption, c.guestTeamCaption};
    const qint32 colors[] = {m_settings.HomeColor, m_settings.GuestColor};
    for (int side = 0; side < 2; ++side) {
        const std::optional<Team> &team = m_game.side(side).team;
        TeamBand *band = m_teamBands.at(side);
        if (team)
            band->setTeam(*team, fromBgr(colors[side]));
        band->setVisible(team.has_value());
        captions[side]->setVisible(!team);
    }
}

// In sets, section 2 counts the sets won, whatever its caption was.
QString BoardView::section2Text() const
{
    return m_settings.SetsEnabled != 0 ? tr("Sets") : SectionCaptions::of(m_settings, 2);
}

// A sport with one score shows no second row that would read 0 - 0 all game.
void BoardView::showSection2()
{
    const Controls &c = m_controls;
    const bool shown = SectionCaptions::section2Shown(m_settings);
    for (QWidget *part :
         {static_cast<QWidget *>(c.home2Panel), static_cast<QWidget *>(c.guest2Panel),
          static_cast<QWidget *>(c.section2Caption)})
        part->setVisible(shown);
}

void BoardView::updateCaptions()
{
    const Controls &c = m_controls;
    const auto size = static_cast<float>(captionPointSize(m_settings.TeamSize));
    m_shownSides = m_game.sides();
    const std::pair<Label *, QString> captions[] = {
        {c.homeTeamCaption, sideCaption(m_game, GameModel::Home, m_settings)},
        {c.guestTeamCaption, sideCaption(m_game, GameModel::Guest, m_settings)},
        {c.section1Caption, SectionCaptions::of(m_settings, 1)},
        {c.section2Caption, section2Text()}};
    for (const auto &[label, text] : captions) {
        label->setCaption(text);
        label->setFontSize(size);
    }
    showTeamBands();
    showSection2();
    // The credit keeps its own small size; empty, it is not there at all.
    c.creditCaption->setCaption(m_settings.CreditText);
    c.creditCaption->setVisible(!m_settings.CreditText.isEmpty());
    fitCaptions();
    m_layout.record(this);
}

void BoardView::updateColors()
{
    const Controls &c = m_controls;
    QPalette pal = palette();
    const Settings &s = m_settings;
    pal.setColor(QPalette::Window, fromBgr(s.FormColor));
    setPalette(pal);

    colorLeds(m_clockDigits, s.LEDTimeColor, s.LEDBackColor);
    colorLeds(m_periodDigits, s.LEDScoreColor, s.LEDBackColor);
    colorLeds(m_shotDigits, s.LEDTimeColor, s.LEDBackColor);
    c.shotClockDot->setFillColor(s.LEDTimeColor);
    c.possessionArrow->setForeColor(s.TextColor);
    m_penaltyList->setColor(s.TextColor);
    QPalette back = m_penaltyList->fouledOutCaption()->palette();
    back.setColor(QPalette::Window, fromBgr(s.LEDBackColor));
    m_penaltyList->fouledOutCaption()->setPalette(back);
    for (const LedGroup *score : {&m_home1Digits, &m_guest1Digits, &m_home2Digits, &m_guest2Digits,
                                  &m_home1Wide, &m_guest1Wide})
        colorLeds(*score, s.LEDScoreColor, s.LEDBackColor);
    colorControls(this,
                  {c.homeTeamPanel, c.guestTeamPanel, c.homeTeamCaption, c.guestTeamCaption,
                   c.section1Caption, c.section2Caption},
                  s.TextColor, s.LEDBackColor);
    c.homeTeamPanel->setBackColor(s.FormColor);
    c.guestTeamPanel->setBackColor(s.FormColor);
    c.homeTeamCaption->setForeColor(s.HomeColor);
    c.guestTeamCaption->setForeColor(s.GuestColor);
    c.section1Caption->setForeColor(s.TextColor);
    c.section2Caption->setForeColor(s.TextColor);
    showTimeouts();
}

void BoardView::relayout()
{
    m_layout.stretch(this);
    sizeSection2LikeSection1();
    fitCaptions();
    showPenalties();
}

void BoardView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void BoardView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A window restored from the taskbar may come back at a size it never
    // reported a resize for.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        relayout();
}

const LedGroup &BoardView::scoreDigits(GameModel::Score which) const
{
    if (const LedGroup *wide = threeDigitScore(which); wide && m_threeDigits)
        return *wide;
    const LedGroup *groups[] = {&m_home1Digits, &m_guest1Digits, &m_home2Digits, &m_guest2Digits};
    return *groups[which];
}

const LedGroup *BoardView::threeDigitScore(GameModel::Score which) const
{
    if (which == GameModel::Home1)
        return &m_home1Wide;
    if (which == GameModel::Guest1)
        return &m_guest1Wide;
    return nullptr;
}

QList<LedDigit *> BoardView::allScoreDigits(GameModel::Score which) const
{
    const LedGroup *narrow[] = {&m_home1Digits, &m_guest1Digits, &m_home2Digits, &m_guest2Digits};
    QList<LedDigit *> digits = narrow[which]->members();
    if (const LedGroup *wide = threeDigitScore(which))
        digits << wide->members();
    return digits;
}

void BoardView::showGame()
{
    // A change of teams lays the captions out again; any other change leaves them.
    if (m_game.sides() != m_shownSides)
        updateCaptions();
    showScores();
    showClock();
    showPeriod();
    showTimeouts();
    showBonus();
    showShotClock();
    showPossession();
    showPenalties();
    showSets();
}

void BoardView::showPenalties()
{
    if (!m_penaltyList)
        return;
    m_penaltyList->show(m_game, captionPointSize(12));
}

void BoardView::showScores()
{
    // Three digits where the settings ask for them, or where a score has
    // grown past 99 anyway: a score is never shown cut.
    const bool three = m_game.structure().section1Max > 99 ||
                       m_game.score(GameModel::Home1).value_or(0) > 99 ||
                       m_game.score(GameModel::Guest1).value_or(0) > 99;
    if (three != m_threeDigits) {
        m_threeDigits = three;
        for (LedGroup *group : {&m_home1Digits, &m_guest1Digits})
            for (LedDigit *digit : group->members())
                digit->setVisible(!three);
        for (LedGroup *group : {&m_home1Wide, &m_guest1Wide})
            for (LedDigit *digit : group->members())
                digit->setVisible(three);
        sizeSection2LikeSection1();
    }
    for (int which = 0; which < GameModel::ScoreCount; ++which) {
        const auto score = static_cast<GameModel::Score>(which);
        const ScoreDigits digits = scoreDigitsFor(m_game.score(score));
        const LedGroup &group = scoreDigits(score);
        group[0]->setCaption(digits.units);
        group[1]->setCaption(digits.tens);
        if (group.count() > 2)
            group[2]->setCaption(digits.hundreds);
    }
}

// Section 2's digits take the size section 1's have now, so the fouls below
// a three-digit score are never drawn larger than the score itself. Their
// place follows section 1's in its identical panel, taken after every
// stretch: whatever the snapshot holds for section 2 is never read back.
void BoardView::sizeSection2LikeSection1()
{
    const LedGroup &model = m_threeDigits ? m_home1Wide : m_home1Digits;
    for (const LedGroup *group : {&m_home2Digits, &m_guest2Digits}) {
        for (int i = 0; i < 2; ++i) {
            LedDigit *digit = (*group)[i];
            digit->setDigitSize(model[i]->digitSize());
            digit->setBufferArea(model[i]->bufferArea());
            // Two digits centred where three stand: each halfway between two of them.
            const QPoint at =
                m_threeDigits ? (model[i]->pos() + model[i + 1]->pos()) / 2 : model[i]->pos();
            digit->move(at);
        }
    }
}

void BoardView::showTimeouts()
{
    const Controls &c = m_controls;
    // A match in sets has its own timeouts, counted per set.
    const bool on = m_game.hasTimeouts();
    for (int team = 0; team < 2; ++team) {
        const int left = on ? m_game.timeoutsLeft(GameModel::Team(team)) : 0;
        for (int i = 0; i < int(c.timeoutDots[team].size()); ++i)
            c.timeoutDots[team][i]->setVisible(i < left);
    }
    const std::optional<GameModel::Team> team = m_game.timeoutTeam();
    c.timeoutCaption->setVisible(team.has_value());
    c.timeoutTeamCaption->setVisible(team.has_value());
    if (!team)
        return;
    const bool home = *team == GameModel::Home;
    c.timeoutCaption->setCaption(tr("TIMEOUT"));
    c.timeoutTeamCaption->setCaption(sideCaption(m_game, *team, m_settings));
    c.timeoutTeamCaption->setForeColor(home ? m_settings.HomeColor : m_settings.GuestColor);
    c.timeoutCaption->setFontSize(captionPointSize(12));
    c.timeoutTeamCaption->setFontSize(captionPointSize(14));
    shrinkToFit(c.timeoutCaption, c.timeoutCaption->size());
    shrinkToFit(c.timeoutTeamCaption, c.timeoutTeamCaption->size());
}

void BoardView::showBonus()
{
    for (int team = 0; team < 2; ++team) {
        Label *bonus = m_controls.bonusCaptions[team];
        const bool in = m_game.inBonus(GameModel::Team(team));
        if (in && bonus->isHidden()) {
            bonus->setCaption(tr("BONUS"));
            bonus->setFontSize(captionPointSize(12));
            shrinkToFit(bonus, bonus->size());
        }
        bonus->setVisible(in);
    }
}

void BoardView::showPeriod()
{
    const Controls &c = m_controls;
    const GameStructure &structure = m_game.structure();
    const bool sets = m_game.playsSets();
    c.phaseCaption->setVisible(structure.isOn() || sets);
    c.periodPanel->setVisible(structure.isOn() || sets);
    if (!structure.isOn() && !sets)
        return;
    const bool overtime = !sets && m_game.period() > structure.periods;
    const int number = overtime ? m_game.period() - structure.periods : m_game.period();
    QString phase = sets ? tr("SET") : overtime ? tr("OVERTIME") : tr("PERIOD");
    if (m_game.phase() == GamePhase::Break)
        phase = tr("BREAK");
    else if (m_game.phase() == GamePhase::Final)
        phase = tr("FINAL");
    if (c.phaseCaption->text() != phase) {
        c.phaseCaption->setCaption(phase);
        c.phaseCaption->setFontSize(captionPointSize(12));
        shrinkToFit(c.phaseCaption, c.phaseCaption->size());
    }
    // A match over has no set to number.
    const bool matchOver = sets && m_game.phase() == GamePhase::Final;
    const ScoreDigits digits = scoreDigitsFor(matchOver ? std::nullopt : std::optional(number));
    m_periodDigits[0]->setCaption(digits.units);
    m_periodDigits[1]->setCaption(digits.tens);
}

void BoardView::showClock()
{
    // A timeout takes the clock's place while it runs; the game clock waits.
    ClockFace::Digits digits = ClockFace::digitsFor(m_game.shownTimeoutTime());
    // In sets without the match time the face stays dark.
    const bool dark = m_game.isFaceBlank() || m_game.setsPart().hidesClock();
    if (!m_game.timeoutTeam())
        digits = dark ? ClockFace::blankDigits() : ClockFace::digitsFor(m_game.shownTime());
    for (int i = 1; i <= 5; ++i)
        m_clockDigits[i]->setCaption(digits[i - 1]);
}

void BoardView::showShotClock()
{
    const Controls &c = m_controls;
    const bool on = m_game.hasShotClock() && !m_game.timeoutTeam();
    c.shotClockPanel->setVisible(on);
    if (!on)
        return;
    const ShotClockState &shot = m_game.shotClockPart().state();
    const int tenths = int((m_game.shotClockPart().ms() + 99) / 100);
    const bool flashOff = m_shotFlash.isActive() && m_shotFlashesLeft % 2 == 1;
    int tens = LedDigit::Blank;
    int units = LedDigit::Blank;
    // Under five seconds, like the game clock's last tenths: seconds and tenths.
    const bool showTenths = tenths < 50 && tenths > 0;
    if (shot.dark || flashOff) {
        // Nothing on the face.
    } else if (showTenths) {
        tens = tenths / 10;
        units = tenths % 10;
    } else {
        const int seconds = (tenths + 9) / 10;
        tens = seconds >= 10 ? seconds / 10 : LedDigit::Blank;
        units = seconds % 10;
    }
    m_shotDigits[1]->setCaption(tens);
    m_shotDigits[0]->setCaption(units);
    c.shotClockDot->setVisible(showTenths && !shot.dark && !flashOff);
}

void BoardView::showPossession()
{
    Label *arrow = m_controls.possessionArrow;
    const Possession team = m_game.shotClockPart().possession();
    arrow->setVisible(m_game.hasShotClock() && team != Possession::None);
    // Towards the team: home on the left, guest on the right.
    const QString text =
        team == Possession::Home ? QStringLiteral("\u2190") : QStringLiteral("\u2192");
    if (arrow->text() != text) {
        arrow->setCaption(text);
        arrow->setFontSize(captionPointSize(24));
        shrinkToFit(arrow, arrow->size());
    }
}

void BoardView::showSets()
{
    const Controls &c = m_controls;
    const bool sets = m_game.playsSets();
    const bool over = m_game.phase() == GamePhase::Final;
    for (int team = 0; team < 2; ++team) {
        Label *mark = c.serveMarks[team];
        mark->setVisible(sets && !over && m_game.setsPart().state().serving == team);
        if (mark->text().isEmpty()) {
            mark->setCaption(QStringLiteral("\u25CF"));
            mark->setFontSize(captionPointSize(18));
            shrinkToFit(mark, mark->size());
        }
    }
    QStringList played;
    if (sets) {
        for (const auto &set : m_game.setsPart().state().played)
            played << QStringLiteral("%1:%2").arg(set[0]).arg(set[1]);
    }
    const QString text = played.join(QStringLiteral("  "));
    c.setScores->setVisible(!text.isEmpty());
    if (c.setScores->text() != text) {
        c.setScores->setCaption(text);
        c.setScores->setFontSize(captionPointSize(12));
        shrinkToFit(c.setScores, c.setScores->size());
    }
}

void BoardView::applySettings(const Settings &settings)
{
    m_settings = settings;
    updateCaptions();
    updateColors();
    m_layout.record(this);
}
