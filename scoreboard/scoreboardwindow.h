#pragma once

#include "board/boardview.h"
#include "scoreboard/clockentry.h"
#include "scoreboard/scoreentry.h"

#include <functional>

class Dialogs;
class GameHistory;
class OperatorHints;

// The operator's scoreboard window: the board's face, plus the keyboard.
// Keys typed on it become actions on the game (undoable through the
// history), or commands: the buzzer, the start screen, the options, clear.
class ScoreBoardWindow : public BoardView
{
    Q_OBJECT

public:
    ScoreBoardWindow(GameModel &game, GameHistory &history, const Settings &settings,
                     Dialogs &dialogs, QWidget *parent = nullptr);
    ~ScoreBoardWindow() override;

    const ScoreEntry &scoreEntry() const { return m_scoreEntry; }
    const ClockEntry &clockEntry() const { return m_clockEntry; }

    // The start screen and the options are other parts of the program; they
    // tell the board how to show them.
    void setStartScreenOpener(std::function<void()> opener)
    {
        m_openStartScreen = std::move(opener);
    }
    void setOptionsOpener(std::function<void(QWidget *)> opener)
    {
        m_openOptions = std::move(opener);
    }

    // Shown in the title bar while the game cannot be saved; empty clears it.
    void setSaveProblem(const QString &problem);

    // While an audience display is on, the operator's board shows which part
    // has the keyboard, what has been typed and traps like Caps Lock.
    void setOperatorHints(bool on);
    bool showsOperatorHints() const { return m_hints != nullptr; }

    // A key that is not part of a score or clock entry: the command keys.
    void runCommandKey(int keyAscii);
    void askToClear();
    void askForNewGame();
    void showStartScreen();
    void showOptions();

signals:
    // The buzzer key was pressed.
    void buzzerRequested();
    // F2: the audience display on or off.
    void audienceToggleRequested();
    // The window has been closed (it may be deleted next).
    void closed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setTabOrder();
    void routeKeys();
    void createShortcuts();
    void scoreKey(GameModel::Score which, int keyAscii);
    void clockKey(int keyAscii);
    void act(const QString &what, const std::function<void(GameModel &)> &action);
    void updateTitle();
    void updateHints(int keyAscii);
    bool runPeriodKey(int keyAscii);

    GameHistory &m_history;
    Dialogs &m_dialogs;
    QString m_saveProblem;
    OperatorHints *m_hints = nullptr;
    ScoreEntry m_scoreEntry;
    ClockEntry m_clockEntry;
    std::function<void()> m_openStartScreen;
    std::function<void(QWidget *)> m_openOptions;
};
