#include "app/windowplacement.h"

#include "settings/settingsstore.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const QString Group = QStringLiteral("WindowPlacement/");

QString key(const char *name)
{
    return Group + QLatin1StringView(name);
}

std::optional<int> number(const QMap<QString, QString> &stored, const char *name)
{
    bool ok = false;
    const int value = stored.value(key(name)).trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QList<QRect> availableAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

} // namespace

std::optional<WindowPlacement::Place> WindowPlacement::load()
{
    const QMap<QString, QString> stored = SettingsStore::read();
    const auto x = number(stored, "X"), y = number(stored, "Y");
    const auto width = number(stored, "Width"), height = number(stored, "Height");
    if (!x || !y || !width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    Place place;
    place.geometry = QRect(*x, *y, *width, *height);
    place.fullScreen = number(stored, "FullScreen").value_or(0) != 0;
    place.maximized = number(stored, "Maximized").value_or(0) != 0;
    return place;
}

bool WindowPlacement::save(const Place &place)
{
    const QRect &g = place.geometry;
    return SettingsStore::write({{key("X"), QString::number(g.x())},
                                 {key("Y"), QString::number(g.y())},
                                 {key("Width"), QString::number(g.width())},
                                 {key("Height"), QString::number(g.height())},
                                 {key("FullScreen"), QString::number(int(place.fullScreen))},
                                 {key("Maximized"), QString::number(int(place.maximized))}});
}

QRect WindowPlacement::restoredGeometry(const std::optional<QRect> &saved,
                                        const QList<QRect> &screens, const QRect &fallback,
                                        QSize design)
{
    if (saved) {
        // On a screen that is still there: its centre lies on it, and its
        // title bar can be reached.
        for (const QRect &screen : screens) {
            if (screen.contains(saved->center()) &&
                screen.contains(saved->topLeft() + QPoint(8, 8)))
                return *saved;
        }
    }
    QRect centred(QPoint(), design.boundedTo(fallback.size()));
    centred.moveCenter(fallback.center());
    return centred;
}

void WindowPlacement::attach(QWidget *window)
{
    m_window = window;
    place(window);
    window->installEventFilter(this);
    // Moves and resizes come in bursts while the operator drags.
    m_saveLater.setSingleShot(true);
    m_saveLater.setInterval(500);
    connect(&m_saveLater, &QTimer::timeout, this, &WindowPlacement::remember);
}

void WindowPlacement::place(QWidget *window)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const std::optional<Place> saved = load();
    QScreen *target = QGuiApplication::primaryScreen();
    std::optional<QRect> savedGeometry = saved ? std::optional(saved->geometry) : std::nullopt;
    QList<QRect> allowed = availableAreas();
    if (m_screen >= 0 && m_screen < screens.size()) {
        target = screens[m_screen];
        allowed = {target->availableGeometry()};
    } else if (m_screen >= 0) {
        qWarning("corvella: there is no screen %d here (%d found); the board opens as usual.",
                 m_screen + 1, int(screens.size()));
    }
    if (!target)
        return;
    const QRect geometry =
        restoredGeometry(savedGeometry, allowed, target->availableGeometry(), window->size());
    window->setGeometry(geometry);
    if (m_fullScreen || (saved && saved->fullScreen))
        window->setWindowState(window->windowState() | Qt::WindowFullScreen);
    else if (saved && saved->maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void WindowPlacement::remember()
{
    if (!m_window || !m_window->isVisible())
        return;
    const Qt::WindowStates state = m_window->windowState();
    if (state.testFlag(Qt::WindowMinimized))
        return;
    Place place;
    place.fullScreen = state.testFlag(Qt::WindowFullScreen);
    place.maximized = state.testFlag(Qt::WindowMaximized);
    place.geometry =
        (place.fullScreen || place.maximized) ? m_window->normalGeometry() : m_window->geometry();
    if (place.geometry.isValid())
        save(place);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            if (m_window->isVisible())
                m_saveLater.start();
            break;
        case QEvent::Close:
            m_saveLater.stop();
            remember();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
