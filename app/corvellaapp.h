#pragma once

#include "app/windowplacement.h"
#include "audience/audiencedisplay.h"
#include "audience/screensaverinhibitor.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/gamestatefile.h"
#include "platform/services.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/currentsettings.h"
#include "web/webservice.h"

#include <QPointer>

class QWidget;

// Ties the program together: the settings in effect and the game, kept on
// disk, shown by the start screen at launch, the scoreboard it leads to, and
// the way back to the start screen and the options.
class CorvellaApp
{
public:
    explicit CorvellaApp(const Services &services,
                         const QString &stateFolder = GameStateFile::defaultFolder());
    ~CorvellaApp();

    // Reads the settings and shows the start screen as the program's first window.
    void start();
    frmScoreBoard *scoreboard() const { return m_board; }
    AudienceDisplay &audience() { return m_audience; }
    const ScreenSaverInhibitor &screenSaverInhibitor() const { return m_inhibitor; }
    GameModel &game() { return m_game; }
    CurrentSettings &settings() { return m_settings; }
    WindowPlacement &placement() { return m_placement; }
    WebService &web() { return m_web; }

private:
    void applyClockMode(const Settings &settings);
    void showScoreboard();
    void connectBoard();
    frmScoreBoard *makeAudienceView();
    void toggleAudience();
    void updateScreenSaver();
    void offerToResume();
    void showStartScreenOverBoard();
    void showOptions(QWidget *parent);
    QString resumeQuestion(const SavedGame &saved) const;

    Services m_services;
    CurrentSettings m_settings;
    GameModel m_game;
    GameHistory m_history{m_game};
    GameStateFile m_stateFile;
    WebService m_web{m_game, m_history, m_settings, *m_services.time};
    bool m_resumeOffered = false;
    QPointer<frmScoreBoard> m_board;
    AudienceDisplay m_audience{[this] { return makeAudienceView(); }};
    ScreenSaverInhibitor m_inhibitor;
    WindowPlacement m_placement;
};
