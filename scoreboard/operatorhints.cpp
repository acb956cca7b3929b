#include "scoreboard/operatorhints.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>

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

void OperatorHints::showFocus()
{
    QWidget *focused = QApplication::focusWidget();
    m_framed = partOf(focused, m_board);
    // The clock's digits take the entry; only the panel round them ignores keys.
    m_focusIgnoresKeys = focused && focused->objectName() == QLatin1StringView("picTimeBack") &&
                         m_board->isAncestorOf(focused);
    refresh();
}

QString OperatorHints::text() const
{
    return m_line->text();
}

bool OperatorHints::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_board && event->type() == QEvent::Resize)
        refresh();
    return QObject::eventFilter(watched, event);
}

void OperatorHints::refresh()
{
    QStringList notes;
    if (m_focusIgnoresKeys)
        notes << tr("The clock's panel takes no keys: click a clock digit");
    if (!m_typed.isEmpty())
        notes << tr("Typed: %1").arg(m_typed);
    if (m_capsLock)
        notes << tr("Caps Lock is on: command keys are lower-case");
    m_line->setText(notes.join(QStringLiteral("   ")));
    m_line->adjustSize();
    m_line->move(4, m_board->height() - m_line->height() - 4);
    m_line->setVisible(!notes.isEmpty());
    m_line->raise();

    m_frame->setVisible(m_framed != nullptr);
    if (m_framed) {
        m_frame->setGeometry(m_framed->geometry().adjusted(-4, -4, 4, 4));
        m_frame->raise();
    }
}
