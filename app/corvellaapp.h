#pragma once

#include "app/buzzer.h"
#include "app/networkwindow.h"
#include "app/windowplacement.h"
#include "audience/audiencedisplay.h"
#include "audience/screensaverinhibitor.h"
#include "base/diskwriter.h"
#include "console/consolesource.h"
#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "game/gamestatefile.h"
#include "hall/courtlink.h"
#include "hall/courtpublisher.h"
#include "platform/joystickreader.h"
#include "platform/services.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/currentsettings.h"
#include "web/webservice.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QPointer>

#include <memory>

class QWidget;

// Ties the program together: the settings in effect and the game, kept on
// disk, shown by the start screen at launch, the scoreboard it leads to, and
// the way back to the start screen and the options. The game's folder is
// held by one program at a time; another one started on it runs its game
// without keeping it.
class CorvellaApp
{
    Q_DECLARE_TR_FUNCTIONS(CorvellaApp)

public:
    explicit CorvellaApp(const Services &services,
                         const QString &stateFolder = GameStateFile::defaultFolder());
    ~CorvellaApp();

    // Reads the settings and shows the start screen as the program's first window.
    void start();
    ScoreBoardWindow *scoreboard() const { return m_board; }
    AudienceDisplay &audience() { return m_audience; }
    const ScreenSaverInhibitor &screenSaverInhibitor() const { return m_inhibitor; }
    GameModel &game() { return m_game; }
    // The game's record; none while another program holds the game's folder.
    GameLog *gameLog() { return m_log.get(); }
    WebService &web() { return m_web; }
    // The link to the hall; none while no broker is set.
    CourtLink *hallLink() const { return m_hallLink.get(); }
    // The game the hall has this court play next: told on the board, which
    // loads it at F7 when the operator agrees; the game being played stays
    // as it is. A game already loaded from the hall, or the one under way on
    // the board (resumed after a restart), is not offered again.
    void offerNextGame(const NextGame &game);
    void withdrawNextGame();
    // Whether this program keeps the game in its folder.
    bool holdsGameFolder() const { return m_holdsFolder; }
    // Waits until every change handed over is on disk.
    void finishWrites() { m_writer.finish(); }
    CurrentSettings &settings() { return m_settings; }
    WindowPlacement &placement() { return m_placement; }
    // The buzzer, made when the board first opens or a caller first sounds it.
    Buzzer &buzzer();

private:
    // Puts the settings' rules of the game in force; a stored value that
    // cannot be read is told on stderr and its default stands.
    void applyGameRules(const Settings &settings);
    void showScoreboard();
    void connectBoard();
    QWidget *makeAudienceView();
    void soundBuzzer();
    void soundShotClockHorn();
    void soundShortBuzzer();
    // sound.mute: every sound off until asked again; a new run starts with it on.
    void toggleSound();
    void toggleAudience();
    void updateScreenSaver();
    void offerToResume();
    void settleGame(bool resumed);
    void updateRecordStatus();
    void updateHallLink();
    void joinHall(const QString &joinCode);
    void connectConsole();
    void bringConsoleSport(ConsoleSport sport);
    QString recordProblem() const;
    void showStartScreenOverBoard();
    void showOptions(QWidget *parent);
    void showSettingsWindow(QWidget *parent);
    void reapplySettings();
    QString timeoutsNote(const SavedGame &saved) const;
    QString exportGame(QWidget *parent);
    void renewApiToken();
    void showNextGame();
    QString nextGameDescription() const;
    void updateHallStatus(const QString &nextGame);
    // Whether `game` is the one on the board, under way.
    bool isBeingPlayed(const NextGame &game) const;
    void loadNextGame();
    QString resumeQuestion(const SavedGame &saved) const;

    Services m_services;
    QString m_stateFolder;
    // Released only after the last write is done.
    QLockFile m_lock;
    bool m_holdsFolder = false;
    // Outlives the files that hand their writes to it.
    DiskWriter m_writer;
    CurrentSettings m_settings;
    GameModel m_game;
    GameHistory m_history{m_game};
    GameStateFile m_stateFile;
    std::unique_ptr<GameLog> m_log;
    WebService m_web{m_game, m_history, m_settings, *m_services.time};
    ConsoleSource m_console{m_game, m_history, *m_services.time};
    NetworkWindow m_network{m_web};
    // Game controllers, read while the program runs; their presses act on
    // the board while it is open.
    JoystickReader m_joysticks;
    bool m_settled = false;
    QPointer<ScoreBoardWindow> m_board;
    QPointer<Buzzer> m_buzzer;
    QPointer<Buzzer> m_shotClockHorn;
    bool m_soundOff = false;
    AudienceDisplay m_audience{[this] { return makeAudienceView(); }};
    ScreenSaverInhibitor m_inhibitor;
    WindowPlacement m_placement;
    // The unreadable rules already told, so a settings change tells them
    // only when they are new.
    QStringList m_reportedRuleProblems;
    // The link to the hall's broker, while one is set; gone before the game.
    std::unique_ptr<CourtLink> m_hallLink;
    std::unique_ptr<CourtPublisher> m_hallPublisher;
    std::optional<NextGame> m_nextGame;
    std::optional<NextGame> m_nextGameLoaded;
    bool m_wasOver = false;
};
