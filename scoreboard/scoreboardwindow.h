#pragma once

#include "board/boardview.h"
#include "game/commands.h"
#include "game/gamehistory.h"
#include "scoreboard/clockentry.h"
#include "scoreboard/playerentry.h"
#include "scoreboard/scoreentry.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class Dialogs;
class OperatorHints;
class QUndoCommand;

// The operator's scoreboard window: a board view of the game filling it,
// plus the keyboard and the hints. Keys typed on it become actions on the
// game (undoable through the history), or commands: the buzzer, the start
// screen, the options, clear.
class ScoreBoardWindow : public QWidget
{
    Q_OBJECT

public:
    // The window's client area at design size, in twips.
    static constexpr double DesignWidth = BoardView::DesignWidth;
    static constexpr double DesignHeight = BoardView::DesignHeight;

    ScoreBoardWindow(GameModel &game, GameHistory &history, const Settings &settings,
                     Dialogs &dialogs, QWidget *parent = nullptr);
    ~ScoreBoardWindow() override;

    const ScoreEntry &scoreEntry() const { return m_scoreEntry; }
    const ClockEntry &clockEntry() const { return m_clockEntry; }
    const PlayerEntry &playerEntry() const { return m_playerEntry; }

    // The board the window shows, and its parts as the operator sees them.
    const BoardView &view() const { return *m_view; }
    const BoardView::Controls &controls() const { return m_view->controls(); }
    const LedGroup &clockDigits() const { return m_view->clockDigits(); }
    const LedGroup &scoreDigits(GameModel::Score which) const { return m_view->scoreDigits(which); }
    bool showsThreeDigits() const { return m_view->showsThreeDigits(); }
    const LedGroup &home1Digits() const { return m_view->home1Digits(); }
    const LedGroup &guest1Digits() const { return m_view->guest1Digits(); }
    const LedGroup &home2Digits() const { return m_view->home2Digits(); }
    const LedGroup &guest2Digits() const { return m_view->guest2Digits(); }
    const LayoutSnapshot &layoutSnapshot() const { return m_view->layoutSnapshot(); }
    GameModel &game() { return m_view->game(); }
    const GameModel &game() const { return m_view->game(); }
    const Settings &settings() const { return m_view->settings(); }
    // Sized by the window: one resized before it was first shown has not
    // told its board yet.
    double captionPointSize(qint16 points) const
    {
        return BoardView::captionPointSizeAt(size(), points);
    }
    void updateCaptions() { m_view->updateCaptions(); }

    // Shown in the title bar and on the hints while the game cannot be
    // saved or the hall's link is down; empty clears it.
    void setSaveProblem(const QString &problem);
    // A few seconds of news for the operator: on the hints, and with
    // `inTitle` in the title bar too.
    void showNotice(const QString &notice, bool inTitle = false);
    // A command asked for elsewhere (a game controller) that the game cannot
    // do now: told as the key's refusal is.
    void tellRefusal(const GameCommands::Outcome &outcome) { hint(refusalText(outcome)); }

    // While an audience display is on, the operator's board shows which part
    // has the keyboard, what has been typed and traps like Caps Lock.
    void setOperatorHints(bool on);
    bool showsOperatorHints() const { return m_hints != nullptr; }
    OperatorHints *operatorHints() const { return m_hints; }
    // Whether the audience display is on; the OperatorHints setting decides
    // from it whether the hints show.
    void setAudienceShown(bool on);
    // While the audience display shows sponsors the operator's board says so,
    // since the board itself never shows them.
    void setSponsorsShowing(bool on);
    bool showsSponsorsNote() const { return m_sponsorsNote != nullptr; }

    // Takes new settings: the board's captions and colours, how scores are
    // typed and when hints show.
    void applySettings(const Settings &settings);

    // How long a whole score waits for its next key, how long a notice (an
    // undo, a refused entry) stays, and how long an undo that would start
    // the clock waits for its second Ctrl+Z, in milliseconds.
    static constexpr int EntryTimeoutMs = 5000;
    static constexpr int NoticeTimeoutMs = 4000;
    static constexpr int UndoConfirmMs = 2000;
    void setTimeouts(int entryMs, int noticeMs, int undoConfirmMs);
    // The line the operator last read about an undo or a refused entry.
    const QString &notice() const { return m_notice; }

    // An undo that would start the clock waits for a second Ctrl+Z.
    bool undoAwaitsConfirmation() const { return m_confirming != nullptr; }
    // Undo and redo as Ctrl+Z and Ctrl+Y run them.
    void undo();
    void redo();

    // The game the hall has this court play next, as "Home - Guest (Sport)",
    // shown in the title and on the hints until withdrawn; F7 offers to
    // start it.
    void offerNextGame(const QString &description);
    void withdrawNextGame() { offerNextGame({}); }
    const QString &nextGameOffered() const { return m_nextGame; }
    // F7: asks whether to start the offered game; refused while the clock
    // runs or a game is under way.
    void askForNextGame();
    // Why a new game cannot start from the hall now; empty when it can.
    QString nextGameRefusal() const;
    // A new game from period 1, as the new game key gives one.
    void startNewGame();

    // The team library the team chooser offers; none (the default) leaves
    // the keys as they were without teams.
    void setTeamFolder(const QString &folder) { m_teamFolder = folder; }
    // "t": who plays, asked when the library holds teams. False, having
    // done nothing, when it holds none.
    bool chooseTeams();

    // A key that is not part of a score or clock entry: the command keys.
    void runCommandKey(int keyAscii);
    // Every sound is off: the board says so among its notes, and beeps no more.
    void setSoundOff(bool off);
    bool isSoundOff() const { return m_soundOff; }
    void askToClear();
    void askForNewGame();
    void showStartScreen();
    void showOptions();

signals:
    // The buzzer key was pressed, the short horn's, or the key that turns
    // every sound off or on again.
    void buzzerRequested();
    void shortBuzzerRequested();
    void muteToggleRequested();
    // Esc: the start screen, over the board.
    void startScreenRequested();
    // "o": the options, over the board.
    void optionsRequested();
    // F3: the settings window, over the board.
    void settingsRequested();
    // Ctrl+E: the game's record to a file.
    void exportRequested();
    // F2: the audience display on or off.
    void audienceToggleRequested();
    // F4: the window of the board on the network.
    void networkWindowRequested();
    // F7, answered yes: the offered game is to be loaded and started.
    void nextGameAccepted();
    // The window has been closed (it may be deleted next).
    void closed();
    // Full screen, minimized or back.
    void windowStateChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setTabOrder();
    void routeKeys();
    void createShortcuts();
    void scoreKey(GameModel::Score which, int keyAscii);
    void clockKey(int keyAscii);
    bool command(const QString &id, const QJsonObject &params = {}, bool loud = false);
    QString refusalText(const GameCommands::Outcome &outcome) const;
    void updateTitle();
    void updateStatus();
    void updateHints(int keyAscii);
    void runCommand(int keyAscii);
    void hint(const QString &notice);
    bool runPeriodKey(int keyAscii);
    bool runTimeoutKey(int keyAscii);
    bool runShotClockKey(int keyAscii);
    // The players' keys (see playerkeys.cpp).
    void followPlayers();
    QString playerLabel(GameModel::Team team, const QString &number) const;
    PlayerEntry::Keys playerEntryKeys() const;
    bool runPlayerKey(int keyAscii);
    bool takePlayerKey(int keyAscii);
    void enterPlayerStep(const PlayerEntry::Entered &entered);
    bool runSetsKey(int keyAscii);
    void trackHistory();
    QString changeText(const GameState &before, const GameState &after) const;
    static QString stepNotice(const QString &done, const QString &what, const QStringList &skipped);
    void followBoardColours();

    BoardView *m_view;
    GameHistory &m_history;
    GameCommands *m_commands;
    Dialogs &m_dialogs;
    QString m_teamFolder;
    QString m_saveProblem;
    QString m_nextGame;
    OperatorHints *m_hints = nullptr;
    ScoreEntry m_scoreEntry;
    ClockEntry m_clockEntry;
    PlayerEntry m_playerEntry;
    bool m_audienceShown = false;
    bool m_soundOff = false;
    QString m_notice;
    QString m_titleNotice;
    // What the operator's undo or redo under way changed, as the history told it.
    QString m_stepTold;
    QLabel *m_sponsorsNote = nullptr;
    QTimer m_entryExpiry;
    QTimer m_noticeExpiry;
    QTimer m_undoConfirm;
    const QUndoCommand *m_confirming = nullptr;
};
