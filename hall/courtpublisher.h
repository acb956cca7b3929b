#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class CourtLink;
class CurrentSettings;
class GameLog;
class GameModel;

// Follows the game for the hall: its state on every change and every few
// seconds while the clock runs (a reader runs the clock on from the time
// the state was taken), each line of its log as it is written, and its
// record once it reaches the final. Reads the game; never changes it.
class CourtPublisher : public QObject
{
    Q_OBJECT

public:
    static constexpr int RunningStateMs = 5000;

    // `log` may be null: a board that does not keep the game has no log.
    CourtPublisher(CourtLink &link, const GameModel &game, const CurrentSettings &settings,
                   GameLog *log, QObject *parent = nullptr);

    // A game resumed at launch: its log so far goes out with every connection.
    void resumeFrom(const QString &logPath);
    // How often a running clock's state goes out again; RunningStateMs but
    // in checks that would otherwise wait seconds for it.
    void setRunningStateInterval(int ms) { m_runningStates.setInterval(ms); }

private:
    void gameChanged();
    void publishState();
    void publishResultOnce();

    CourtLink &m_link;
    const GameModel &m_game;
    const CurrentSettings &m_settings;
    GameLog *m_log;
    QTimer m_runningStates;
    QString m_resultSentFor;
};

// A game's name for the hall: its log file's name without the extension.
QString hallGameName(const QString &logPath);
