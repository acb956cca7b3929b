#include "scoreboard/operatorhints.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

// The part of the board a focused control belongs to: a digit's panel, or the
// control itself.
QWidget *partOf(QWidget *focused, QWidget *board)
{
    if (!focused || focused == board || !board->isAncestorOf(focused))
        return nullptr;
    QWidget *part = focused;
    while (part->parentWidget() && part->parentWidget() != board)
        part = part->parentWidget();
    return part;
}

// The team captions take the command keys only: digits typed there go nowhere.
bool isTeamCaption(const QWidget *part)
{
    return part && (part->objectName() == QLatin1StringView("picHomeContainer") ||
                    part->objectName() == QLatin1StringView("picGuestContainer"));
}

} // namespace

OperatorHints::OperatorHints(QWidget *board)
    : QObject(board), m_board(board), m_frame(new QFrame(board)), m_line(new QLabel(board))
{
    m_frame->setObjectName(QStringLiteral("operatorFocusFrame"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setLineWidth(3);
    m_frame->setStyleSheet(QStringLiteral("color: #ffff00"));
    m_frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_line->setObjectName(QStringLiteral("operatorHintLine"));
    m_line->setStyleSheet(QStringLiteral("color: #ffff00; background: #000000; padding: 2px"));
    m_line->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(qApp, &QApplication::focusChanged, this, &OperatorHints::showFocus);
    board->installEventFilter(this);
    watchScreen();
    refresh();
}

OperatorHints::~OperatorHints()
{
    delete m_frame;
    delete m_line;
}

void OperatorHints::showTyped(const QString &typed)
{
    m_typed = typed;
    refresh();
}

void OperatorHints::showCapsLock(bool on)
{
    m_capsLock = on;
    refresh();
}

void OperatorHints::showNotice(const QString &notice)
{
    m_notice = notice;
    refresh();
}

void OperatorHints::showStatus(const QString &status)
{
    m_status = status;
    refresh();
}

void OperatorHints::showFocus()
{
    QWidget *focused = QApplication::focusWidget();
    if (m_framed)
        m_framed->removeEventFilter(this);
    m_framed = partOf(focused, m_board);
    // The clock's digits take the entry; only the panel round them ignores keys.
    m_focusIgnoresKeys = focused && focused->objectName() == QLatin1StringView("picTimeBack") &&
                         m_board->isAncestorOf(focused);
    m_focusOnCaption = isTeamCaption(m_framed);
    if (m_framed)
        m_framed->installEventFilter(this);
    refresh();
}

QString OperatorHints::text() const
{
    return m_line->text();
}

QRect OperatorHints::frameGeometry() const
{
    return m_frame->geometry();
}

bool OperatorHints::frameShown() const
{
    return !m_frame->isHidden();
}

bool OperatorHints::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::WindowStateChange:
    case QEvent::Show:
        // The board lays its parts out in its own resize handler, after this
        // filter has run: the frame follows once they have moved.
        if (watched == m_board || watched == m_framed)
            refreshLater();
        if (event->type() == QEvent::Show)
            watchScreen();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void OperatorHints::watchScreen()
{
    QWindow *window = m_board->window()->windowHandle();
    if (m_screenWatched || !window)
        return;
    m_screenWatched = true;
    connect(window, &QWindow::screenChanged, this, &OperatorHints::refreshLater);
}

void OperatorHints::refreshLater()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshQueued = false;
        refresh();
    });
}

void OperatorHints::refresh()
{
    QStringList notes;
    if (m_focusIgnoresKeys)
        notes << tr("The clock's panel takes no keys: click a clock digit");
    if (m_focusOnCaption)
        notes << tr("Click a score or a clock digit to type");
    if (!m_typed.isEmpty())
        notes << tr("Typed: %1").arg(m_typed);
    if (!m_notice.isEmpty())
        notes << m_notice;
    if (m_capsLock)
        notes << tr("Caps Lock is on: command keys are lower-case");
    if (!m_status.isEmpty())
        notes << m_status;
    m_line->setText(notes.join(QStringLiteral("   ")));
    m_line->setWordWrap(false);
    m_line->adjustSize();
    // A long line breaks rather than running off the board's edge.
    if (const int room = std::max(0, m_board->width() - 8); m_line->width() > room) {
        m_line->setWordWrap(true);
        m_line->resize(room, m_line->heightForWidth(room));
    }
    m_line->move(4, m_board->height() - m_line->height() - 4);
    m_line->setVisible(!notes.isEmpty());
    m_line->raise();

    // A frame on a part that ignores typing would promise an entry that never comes.
    const bool framing = m_framed && !m_focusIgnoresKeys && !m_focusOnCaption;
    m_frame->setVisible(framing);
    if (framing) {
        m_frame->setGeometry(m_framed->geometry().adjusted(-4, -4, 4, 4));
        m_frame->raise();
    }
}
