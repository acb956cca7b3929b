#pragma once

#include "hall/hallprocess.h"
#include "hall/hallserver.h"

#include <QMainWindow>

#include <memory>

class HallSettingsPage;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QTabWidget;
class QVBoxLayout;

// The hall at a desk, for a volunteer without a terminal: how the broker and
// the link stand, every court with its game, the day's schedule (imported
// here), the standings, the results, the lobby page's address with its QR
// code, each court's join code, and the hall's settings.
class HallWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit HallWindow(HallOptions options, QWidget *parent = nullptr);
    ~HallWindow() override;

    HallServer *server() const { return m_server.get(); }

    // Imports a schedule file; false and why (also shown) when refused.
    bool importSchedule(const QString &path);

private:
    void startServer(const HallServiceSettings &settings);
    void tell(const QString &text);
    void showStatus();
    void showCourts();
    void showSchedule();
    void showStandings();
    void showResults();
    void showLobby();
    void chooseSchedule();
    void addCourt();
    void saveSettings();
    // The day's results as a CSV for the league, or its sheet as a PDF.
    void saveDay(bool asSheet);
    QWidget *makeCourtsTab();
    QWidget *makeScheduleTab();
    QWidget *makeResultsTab();
    QWidget *makeLobbyTab();

    HallOptions m_options;
    std::unique_ptr<HallServer> m_server;
    QString m_scheduleFile;
    QLabel *m_status;
    QTabWidget *m_tabs;
    QTableWidget *m_courts;
    QTableWidget *m_schedule;
    QLabel *m_scheduleProblem;
    QWidget *m_standings;
    QVBoxLayout *m_standingsLayout;
    QTableWidget *m_results;
    QLabel *m_lobbyAddress;
    QLabel *m_qrCode;
    QTableWidget *m_joinCodes;
    QLineEdit *m_newCourt;
    HallSettingsPage *m_settingsPage;
    QPlainTextEdit *m_log;
};

// corvella --hall with a display: the hall's window. Returns the exit
// status.
int runHallWindow(const HallOptions &options);
