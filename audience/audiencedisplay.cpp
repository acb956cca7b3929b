#include "audience/audiencedisplay.h"

#include "audience/pointerhider.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

AudienceDisplay::AudienceDisplay(ViewFactory makeView, QObject *parent)
    : QObject(parent), m_makeView(std::move(makeView))
{
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &AudienceDisplay::screenRemoved);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &AudienceDisplay::screenAdded);
}

AudienceDisplay::~AudienceDisplay()
{
    closeView();
}

QScreen *AudienceDisplay::chooseScreen(const QList<QScreen *> &screens,
                                       const QScreen *operatorScreen, int wanted)
{
    if (wanted >= 1 && wanted <= screens.size())
        return screens.at(wanted - 1);
    for (QScreen *screen : screens)
        if (screen != operatorScreen)
            return screen;
    return screens.isEmpty() ? nullptr : const_cast<QScreen *>(operatorScreen);
}

void AudienceDisplay::turnOn(const QScreen *operatorScreen, int wantedScreen)
{
    m_operatorScreen = operatorScreen;
    m_wantedScreen = wantedScreen;
    showOn(chooseScreen(QGuiApplication::screens(), operatorScreen, wantedScreen));
}

void AudienceDisplay::showOn(QScreen *screen)
{
    if (!screen || isOn())
        return;
    m_shared = screen == m_operatorScreen;
    m_lostScreen.reset();
    QWidget *view = m_makeView();
    view->setAttribute(Qt::WA_DeleteOnClose);
    makeReadOnly(view);
    new PointerHider(view);
    // Placed on its screen before it is shown: some desktops ignore moves.
    view->winId();
    view->windowHandle()->setScreen(screen);
    view->setGeometry(screen->geometry());
    // Not showFullScreen(): that also asks for the focus, which only the
    // window sharing the operator's screen takes.
    view->setWindowState(Qt::WindowFullScreen);
    view->show();
    if (m_shared) {
        auto *hint = new QLabel(tr("Audience display: press F2 or Esc to close it"), view);
        hint->setObjectName(QStringLiteral("audienceCloseHint"));
        hint->setStyleSheet(QStringLiteral("color: #ffff00; background: #000000; padding: 6px"));
        hint->adjustSize();
        hint->move(8, 8);
        hint->show();
        QTimer::singleShot(CloseHintMs, hint, &QObject::deleteLater);
    }
    m_view = view;
    emit switched(true);
}

// No frame, no focus for any part of it, and no keys but the two that close
// it, and those only where it shares the operator's screen and so may take
// the keyboard.
void AudienceDisplay::makeReadOnly(QWidget *view)
{
    view->setWindowTitle(tr("Corvella - audience"));
    view->setWindowFlag(Qt::FramelessWindowHint);
    for (QWidget *child : view->findChildren<QWidget *>()) {
        child->setFocusPolicy(Qt::NoFocus);
        child->clearFocus();
    }
    if (m_shared) {
        // Every key reaches the window itself: no part of it takes the focus.
        view->installEventFilter(this);
        return;
    }
    view->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    view->setAttribute(Qt::WA_ShowWithoutActivating);
    // A full-screen window without the focus is kept under the panels of its
    // screen by some window managers; the audience must see only the board.
    view->setWindowFlag(Qt::WindowStaysOnTopHint);
}

bool AudienceDisplay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_F2 || key->key() == Qt::Key_Escape)) {
            turnOff();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void AudienceDisplay::turnOff()
{
    m_lostScreen.reset();
    closeView();
}

void AudienceDisplay::closeView()
{
    if (!m_view)
        return;
    QWidget *view = m_view;
    m_view.clear();
    view->close();
    emit switched(false);
}

void AudienceDisplay::screenRemoved(QScreen *screen)
{
    if (!m_view || m_shared || m_view->screen() != screen)
        return;
    // Closed rather than moved onto the operator's screen; back when the
    // screen is.
    const QString name = screen->name();
    closeView();
    m_lostScreen = name;
}

void AudienceDisplay::screenAdded(QScreen *screen)
{
    if (!m_lostScreen || screen->name() != *m_lostScreen || isOn())
        return;
    // Back on the screen it left, even when another one came meanwhile.
    showOn(screen);
}
