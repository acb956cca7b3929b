#pragma once

#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/gamerecord.h"

#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class DiskWriter;

// The record of every game: each step through the history, and each end the
// clock reaches by itself (a period, a break, a timeout), is appended to the
// current game's log, one JSON object a line, and synced before the next key
// is handled. Remote bursts are written together with the saved game.
class GameLog : public QObject
{
    Q_OBJECT

public:
    static constexpr int Kept = 200;

    GameLog(QString folder, GameModel &game, GameHistory &history, QObject *parent = nullptr);
    ~GameLog() override;

    // $XDG_STATE_HOME/Corvella/games.
    static QString defaultFolder();
    // The logs in `folder`, oldest first.
    static QStringList logs(const QString &folder);
    static QString newestLog(const QString &folder);

    // The captions the next log is started with.
    void setCaptions(const QString &home, const QString &guest, const QString &section1,
                     const QString &section2);
    // At launch: a resumed game goes on in the newest log, a fresh one starts
    // a new log with its first step.
    void begin(bool resumed);
    // For tests: the wall clock.
    void setWallClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // Writes and syncs what is waiting: on the writer's thread when there is
    // one, whose owner waits for it before the next key. False, with
    // lastError(), when the log is known not to be written.
    bool flush();
    // Hands the writes to `writer` (which outlives this), or does them here
    // when it is null, as without one.
    void setWriter(DiskWriter *writer) { m_writer = writer; }
    // Whether the game's steps reach the log.
    bool isLogging() const { return !m_failing; }
    QString currentPath() const { return m_file.fileName(); }
    QString lastError() const { return m_lastError; }

signals:
    // The log is not being written, after working (or from the start).
    void loggingFailed(const QString &reason);
    // It is written again.
    void loggingRecovered();
    // A line joined the log at `path`, the game's header first: for readers
    // that follow the game as it is recorded.
    void lineAppended(const QString &path, const QByteArray &line);

private:
    struct Sink;
    void wrote(const QString &problem);
    void record(GameHistory::Step step, const QString &text, GameHistory::Origin origin,
                const GameState &before, const QString &action);
    void recordClockEnd(GameModel::ClockEnd end, const GameState &before);
    void recordSetEnd(const QString &origin, const GameState &before);
    void append(const QString &kind, const QString &action, const QString &label,
                const QString &origin, const GameState &before,
                std::optional<std::array<int, 2>> setScore = std::nullopt);
    void startNewGame();
    bool open(const QString &path, bool fresh);
    void startLog();
    void removeOldest();

    QString m_folder;
    GameModel &m_game;
    GameHistory &m_history;
    QFile m_file;
    QByteArray m_pending;
    bool m_startNext = true;
    int m_number = 0;
    QString m_home, m_guest, m_section1, m_section2;
    std::function<QDateTime()> m_now;
    QTimer m_remoteFlush;
    QString m_lastError;
    // The open log as the writes see it; touched only by them.
    std::shared_ptr<Sink> m_sink;
    DiskWriter *m_writer = nullptr;
    bool m_failing = false;
    // The set a point has just ended, and whether it was the match's last.
    std::optional<std::pair<int, bool>> m_endedSet;
};
