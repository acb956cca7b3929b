#include "scoreboard/scoreboardwindow.h"

#include "display/controls.h"
#include "display/leddigit.h"
#include "game/clockface.h"
#include "game/gamehistory.h"
#include "game/sectioncaptions.h"
#include "scoreboard/operatorhints.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QUndoStack>

#include <utility>

ScoreBoardWindow::ScoreBoardWindow(GameModel &game, GameHistory &history, const Settings &settings,
                                   Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_view(new BoardView(game, settings, this)), m_history(history),
      m_commands(new GameCommands(
          game, history, [this]() -> const Settings & { return this->settings(); }, this)),
      m_dialogs(dialogs)
{
    connect(m_commands, &GameCommands::buzzerRequested, this, &ScoreBoardWindow::buzzerRequested);
    connect(m_commands, &GameCommands::shortBuzzerRequested, this,
            &ScoreBoardWindow::shortBuzzerRequested);
    connect(m_commands, &GameCommands::muteToggleRequested, this,
            &ScoreBoardWindow::muteToggleRequested);
    setObjectName(QStringLiteral("frmScoreBoard"));
    resize(m_view->size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    followBoardColours();
    setTabOrder();
    routeKeys();
    createShortcuts();
    trackHistory();
    followPlayers();
    for (QTimer *timer : {&m_entryExpiry, &m_noticeExpiry, &m_undoConfirm})
        timer->setSingleShot(true);
    setTimeouts(EntryTimeoutMs, NoticeTimeoutMs, UndoConfirmMs);
    connect(&m_entryExpiry, &QTimer::timeout, this, [this] {
        if (m_scoreEntry.pendingText().isEmpty())
            return;
        showNotice(tr("%1 dropped: no key for a while").arg(m_scoreEntry.pendingText()));
        m_scoreEntry.discard();
        updateHints(0);
    });
    connect(&m_noticeExpiry, &QTimer::timeout, this, [this] { showNotice({}); });
    connect(&m_undoConfirm, &QTimer::timeout, this, [this] { m_confirming = nullptr; });
    m_scoreEntry.setWholeScores(settings.WholeScoreEntry != 0);
    setAudienceShown(false);
    updateTitle();
}

ScoreBoardWindow::~ScoreBoardWindow() = default;

void ScoreBoardWindow::setTabOrder()
{
    const BoardView::Controls &c = controls();
    const QList<QWidget *> order = {
        c.homeTeamPanel,   c.guestTeamPanel, c.clockPanel,      clockDigits()[4],
        clockDigits()[3],  clockDigits()[2], clockDigits()[1],  c.home1Panel,
        home1Digits()[0],  home1Digits()[1], c.guest1Panel,     guest1Digits()[0],
        guest1Digits()[1], c.home2Panel,     home2Digits()[0],  home2Digits()[1],
        c.guest2Panel,     clockDigits()[5], guest2Digits()[0], guest2Digits()[1]};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    c.homeTeamPanel->setFocus();
}

void ScoreBoardWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void ScoreBoardWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
    if (m_sponsorsNote)
        m_sponsorsNote->move(width() - m_sponsorsNote->width() - 8, 8);
}

void ScoreBoardWindow::setSponsorsShowing(bool on)
{
    if (on == showsSponsorsNote())
        return;
    if (!on) {
        delete m_sponsorsNote;
        m_sponsorsNote = nullptr;
        return;
    }
    m_sponsorsNote = new QLabel(tr("Sponsors on the audience display"), this);
    m_sponsorsNote->setObjectName(QStringLiteral("sponsorsNote"));
    m_sponsorsNote->setFocusPolicy(Qt::NoFocus);
    m_sponsorsNote->setStyleSheet(
        QStringLiteral("color: #ffff00; background: #000000; padding: 4px"));
    m_sponsorsNote->adjustSize();
    // Top right, beside the clock: the hints take the bottom edge.
    m_sponsorsNote->move(width() - m_sponsorsNote->width() - 8, 8);
    m_sponsorsNote->show();
    m_sponsorsNote->raise();
}

void ScoreBoardWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // A window restored from the taskbar may come back at a size it never
    // reported a resize for: the board is laid out again once either way.
    if (!isMinimized()) {
        if (m_view->size() != size())
            m_view->setGeometry(rect());
        else
            m_view->relayout();
    }
    emit windowStateChanged();
}

// The window shows the board's colour wherever the board has not been
// painted yet, as while it is being resized.
void ScoreBoardWindow::followBoardColours()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_view->palette().color(QPalette::Window));
    setPalette(pal);
}

void ScoreBoardWindow::setSaveProblem(const QString &problem)
{
    m_saveProblem = problem;
    updateTitle();
    updateStatus();
}

void ScoreBoardWindow::setOperatorHints(bool on)
{
    if (on == showsOperatorHints())
        return;
    if (on) {
        m_hints = new OperatorHints(m_view);
        m_hints->showFocus();
        m_hints->showNotice(m_notice);
        updateStatus();
    } else {
        delete m_hints;
        m_hints = nullptr;
    }
}

void ScoreBoardWindow::setAudienceShown(bool on)
{
    m_audienceShown = on;
    const qint16 mode = settings().OperatorHints;
    setOperatorHints(mode == OperatorHintsMode::Always ||
                     (mode == OperatorHintsMode::WithAudience && on));
}

void ScoreBoardWindow::applySettings(const Settings &settings)
{
    // The board lays itself out for the window's size as it is now, even
    // when a hidden window has not told it yet.
    m_view->resize(size());
    m_view->applySettings(settings);
    followBoardColours();
    const bool whole = settings.WholeScoreEntry != 0;
    if (whole != m_scoreEntry.wholeScores()) {
        m_scoreEntry.discard();
        m_scoreEntry.setWholeScores(whole);
        updateHints(0);
    }
    setAudienceShown(m_audienceShown);
}

void ScoreBoardWindow::setTimeouts(int entryMs, int noticeMs, int undoConfirmMs)
{
    m_entryExpiry.setInterval(entryMs);
    m_noticeExpiry.setInterval(noticeMs);
    m_undoConfirm.setInterval(undoConfirmMs);
}

void ScoreBoardWindow::updateHints(int keyAscii)
{
    // A whole score waits only a while for its next key: one typed long
    // after would land on a stale entry.
    if (m_scoreEntry.wholeScores() && !m_scoreEntry.pendingText().isEmpty())
        m_entryExpiry.start();
    else
        m_entryExpiry.stop();
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

void ScoreBoardWindow::showNotice(const QString &notice, bool inTitle)
{
    m_notice = notice;
    m_titleNotice = inTitle ? notice : QString();
    if (notice.isEmpty())
        m_noticeExpiry.stop();
    else
        m_noticeExpiry.start();
    if (m_hints)
        m_hints->showNotice(notice);
    updateTitle();
}

void ScoreBoardWindow::setSoundOff(bool off)
{
    m_soundOff = off;
    updateTitle();
    updateStatus();
}

void ScoreBoardWindow::offerNextGame(const QString &description)
{
    m_nextGame = description;
    updateTitle();
    updateStatus();
}

namespace {

// A note that stands first in a line starts as a sentence does.
QString sentence(QString note)
{
    if (!note.isEmpty())
        note[0] = note.at(0).toUpper();
    return note;
}

} // namespace

// The notes come before the program's name: a narrow title bar cuts its
// end, and the name is what the operator knows already.
void ScoreBoardWindow::updateTitle()
{
    QStringList parts;
    if (!m_titleNotice.isEmpty())
        parts << m_titleNotice;
    if (m_soundOff)
        parts << tr("Sound off");
    if (!m_saveProblem.isEmpty())
        parts << sentence(m_saveProblem);
    if (!m_nextGame.isEmpty())
        parts << tr("Next: %1, F7").arg(m_nextGame);
    parts << QStringLiteral("Corvella by Brannick");
    setWindowTitle(parts.join(QStringLiteral(" - ")));
}

// A full-screen board has no title bar: the hints line tells the same.
void ScoreBoardWindow::updateStatus()
{
    if (!m_hints)
        return;
    QStringList status;
    if (m_soundOff)
        status << tr("Sound off");
    if (!m_saveProblem.isEmpty())
        status << sentence(m_saveProblem);
    if (!m_nextGame.isEmpty())
        status << tr("Next: %1, F7 loads it").arg(m_nextGame);
    m_hints->showStatus(status.join(QStringLiteral("   ")));
}

void ScoreBoardWindow::trackHistory()
{
    // The history tells what a step changed from the game it met, after a
    // period that ran out unnoticed has ended: the board keeps no game of
    // its own to compare with.
    connect(&m_history, &GameHistory::stepped, this,
            [this](GameHistory::Step step, const QString &text, GameHistory::Origin origin,
                   const GameState &before) {
                if (step == GameHistory::Step::Action)
                    return;
                if (origin == GameHistory::Origin::Operator) {
                    const QString change = changeText(before, game().state());
                    m_stepTold = change.isEmpty() ? text : change;
                    return;
                }
                // A phone or a script taking a step back is told like the operator's own.
                showNotice(step == GameHistory::Step::Undo
                               ? tr("Undone from the network: %1").arg(text)
                               : tr("Redone from the network: %1").arg(text),
                           true);
            });
}

QString ScoreBoardWindow::changeText(const GameState &before, const GameState &after) const
{
    const Settings &s = settings();
    const QString home = sideCaption(game(), GameModel::Home, s);
    const QString guest = sideCaption(game(), GameModel::Guest, s);
    const QString teams[] = {home, guest, home, guest};
    const QString section1 = SectionCaptions::of(s, 1);
    const QString section2 = SectionCaptions::of(s, 2);
    const QString sections[] = {section1, section1, section2, section2};
    const auto score = [](std::optional<int> v) { return v ? QString::number(*v) : tr("blank"); };
    QStringList changes;
    for (int i = 0; i < GameModel::ScoreCount; ++i) {
        if (before.scores.at(i) != after.scores.at(i))
            changes << QStringLiteral("%1 (%2) %3 -> %4")
                           .arg(teams[i], sections[i], score(before.scores.at(i)),
                                score(after.scores.at(i)));
    }
    const QString face = ClockFace::text(game().shownTimeOf(after));
    if (before.running != after.running)
        changes << (after.running ? tr("clock runs from %1") : tr("clock stopped at %1")).arg(face);
    else if (!before.sameClock(after))
        changes << tr("clock %1").arg(after.faceBlank ? tr("blank") : face);
    return changes.join(QStringLiteral(", "));
}

void ScoreBoardWindow::undo()
{
    const QUndoStack &stack = m_history.stack();
    if (!stack.canUndo()) {
        hint(tr("Nothing to undo"));
        return;
    }
    if (m_history.consoleKeepsNextUndo()) {
        hint(tr("Not taken: %1").arg(GameCommands::tr("the console keeps it")));
        return;
    }
    const QUndoCommand *next = m_history.nextUndo();
    if (next && m_confirming != next) {
        // A clock set running by surprise would run on unnoticed.
        if (const std::optional<ClockSeconds> from = m_history.undoRestartsClockAt()) {
            m_confirming = next;
            m_undoConfirm.start();
            showNotice(tr("Ctrl+Z again starts the clock from %1").arg(ClockFace::text(*from)),
                       true);
            return;
        }
    }
    m_confirming = nullptr;
    m_undoConfirm.stop();
    // A step that changed nothing by now is still named.
    m_stepTold = next ? next->text() : QString();
    const QStringList skipped = m_history.undo();
    showNotice(stepNotice(tr("Undone: %1"), std::exchange(m_stepTold, {}), skipped), true);
}

void ScoreBoardWindow::redo()
{
    const QUndoStack &stack = m_history.stack();
    if (!stack.canRedo()) {
        hint(tr("Nothing to redo"));
        return;
    }
    const QUndoCommand *next = m_history.nextRedo();
    m_stepTold = next ? next->text() : QString();
    const QStringList skipped = m_history.redo();
    showNotice(stepNotice(tr("Redone: %1"), std::exchange(m_stepTold, {}), skipped), true);
}

QString ScoreBoardWindow::stepNotice(const QString &done, const QString &what,
                                     const QStringList &skipped)
{
    // Steps that timed a period the clock has since ended are dropped, and
    // the operator is told which, so that nothing vanishes unexplained.
    const QString passed = skipped.isEmpty() ? QString()
                                             : tr("Skipped (the period they timed is over): %1")
                                                   .arg(skipped.join(QStringLiteral(", ")));
    if (what.isEmpty())
        return passed;
    const QString step = done.arg(what);
    return passed.isEmpty() ? step : step + QStringLiteral("; ") + passed;
}
