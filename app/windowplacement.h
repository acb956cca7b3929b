#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <optional>

class QWidget;

// Where the scoreboard opens: where it was when last used (size, position,
// full screen), so that an operator on a projector or a 4K screen does not
// start from the design size each time; or as the command line asks. Its
// place is stored under the group "WindowPlacement" of the settings file.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    struct Place
    {
        QRect geometry; // the window's normal geometry, frame excluded
        bool fullScreen = false;
        bool maximized = false;

        bool operator==(const Place &) const = default;
    };

    using QObject::QObject;

    void requestFullScreen(bool on) { m_fullScreen = on; }
    // Counted from 0; -1 leaves the choice to the remembered place.
    void requestScreen(int index) { m_screen = index; }

    // Places `window`, which has not been shown yet, and remembers its place
    // from now on whenever it moves, changes size or closes.
    void attach(QWidget *window);

    static std::optional<Place> load();
    static bool save(const Place &place);

    // `saved` if it lies on one of `screens` (their available areas), else a
    // window of `design` size centred on `fallback`, never larger than it.
    static QRect restoredGeometry(const std::optional<QRect> &saved, const QList<QRect> &screens,
                                  const QRect &fallback, QSize design);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(QWidget *window);
    void remember();

    QPointer<QWidget> m_window;
    bool m_fullScreen = false;
    int m_screen = -1;
    QTimer m_saveLater{this};
};
