#include "audience/audiencedisplay.h"

#include "audience/pointerhider.h"
#include "scoreboard/frmscoreboard.h"

#include <QGuiApplication>
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
    frmScoreBoard *view = m_makeView();
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->makeAudienceView(m_shared);
    connect(view, &frmScoreBoard::audienceToggleRequested, this, &AudienceDisplay::turnOff);
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

void AudienceDisplay::turnOff()
{
    m_lostScreen.reset();
    closeView();
}

void AudienceDisplay::closeView()
{
    if (!m_view)
        return;
    frmScoreBoard *view = m_view;
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
