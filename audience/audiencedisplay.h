#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QScreen;

// The board for the audience: a second view of the same game, full screen on
// a screen of its own, frameless, without pointer, focus or dialogs. With one
// screen only it becomes an ordinary full-screen window that F2 or Esc closes.
// It follows screens that come and go: it leaves with its screen and comes
// back when that screen does.
class AudienceDisplay : public QObject
{
    Q_OBJECT

public:
    // Makes a new view of the game; the display takes it over.
    using ViewFactory = std::function<QWidget *()>;
    static constexpr int CloseHintMs = 5000;

    explicit AudienceDisplay(ViewFactory makeView, QObject *parent = nullptr);
    ~AudienceDisplay() override;

    // The screen for the audience: screen `wanted` (counted from 1) when there
    // is one, else the first screen that is not the operator's, else the
    // operator's own.
    static QScreen *chooseScreen(const QList<QScreen *> &screens, const QScreen *operatorScreen,
                                 int wanted);

    bool isOn() const { return !m_view.isNull(); }
    QWidget *view() const { return m_view; }
    // Whether the view shares the operator's screen (and so takes keys).
    bool sharesOperatorScreen() const { return m_shared; }

    void turnOn(const QScreen *operatorScreen, int wantedScreen);
    void turnOff();

    // Reactions to the screens of the desktop; public for tests.
    void screenRemoved(QScreen *screen);
    void screenAdded(QScreen *screen);

signals:
    void switched(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showOn(QScreen *screen);
    void makeReadOnly(QWidget *view);
    void closeView();

    ViewFactory m_makeView;
    QPointer<QWidget> m_view;
    bool m_shared = false;
    // A screen that went away with the display on it: it comes back there.
    std::optional<QString> m_lostScreen;
    const QScreen *m_operatorScreen = nullptr;
    int m_wantedScreen = 0;
};
