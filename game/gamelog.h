#pragma once

#include "game/gamehistory.h"
#include "game/gamemodel.h"

#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class DiskWriter;

// One step of a game as its log keeps it.
struct GameLogEntry
{
    int number = 0;
    QDateTime time; // UTC
    QString kind;   // "action", "undo", "redo"
    QString action; // what the step did, by id ("score.add"); empty in older logs
    QString label;  // the same in the operator's language, as the board said it
    QString origin; // "operator", "remote"
    std::array<std::optional<int>, 4> before{};
    std::array<std::optional<int>, 4> after{};
    int beforePeriod = 1;
    int period = 1;
    GamePhase phase = GamePhase::Play;
    qint64 beforeClockMs = 0;
    qint64 clockMs = 0;
    bool running = false;
    QString timeout; // "home" or "guest" when the step started that team's timeout
};

// How a CSV is written: RFC 4180 (comma separated), or for a spreadsheet in
// a locale whose decimal separator is the comma (semicolons, and a UTF-8 byte
// order mark so that the spreadsheet knows the encoding).
enum class CsvStyle { Rfc4180, Spreadsheet };

// A game read back from its log.
struct GameRecord
{
    QString path;
    int version = 0;
    QDateTime started; // UTC
    QString home, guest, section1, section2;
    int periods = 0;    // 0: the game had no periods
    bool fouls = false; // section 2 counted team fouls (unknown in older logs)
    QList<GameLogEntry> entries;
    int damagedLines = 0;

    // The scores at the end of the game, and of each period played.
    std::array<std::optional<int>, 4> finalScores() const;
    QList<QPair<int, std::array<std::optional<int>, 4>>> periodScores() const;
    // The steps that started a timeout and are still in the game.
    QList<GameLogEntry> timeouts() const;

    QByteArray toCsv(CsvStyle style = CsvStyle::Rfc4180) const;
    QByteArray toJson() const;
};

// Reads a log one step at a time, so that an export of a long game never
// holds it whole.
class GameLogReader
{
public:
    // Reads the header; false, with the reason in `error`, when the file is
    // not a log we can read.
    bool open(const QString &path, QString *error = nullptr);
    // The game's header: everything but the entries and the damaged lines.
    const GameRecord &header() const { return m_header; }
    // The next step that reads, skipping (and counting) damaged lines;
    // nothing at the end.
    std::optional<GameLogEntry> next();
    int damagedLines() const { return m_damaged; }

private:
    QFile m_file;
    GameRecord m_header;
    int m_damaged = 0;
};

// The record as a spreadsheet or a program reads it, written as it is read.
// False when `out` refused a write.
bool writeCsv(GameLogReader &reader, QIODevice &out, CsvStyle style = CsvStyle::Rfc4180);
bool writeJson(GameLogReader &reader, QIODevice &out);

// A time of the log (kept in UTC) as the hall's clocks showed it, carrying
// its offset from UTC so that it still reads right elsewhere.
QDateTime hallTime(const QDateTime &utc);

// The record of every game: each step through the history, and each end the
// clock reaches by itself (a period, a break, a timeout), is appended to the
// current game's log, one JSON object a line, and synced before the next key
// is handled. Remote bursts are written together with the saved game.
class GameLog : public QObject
{
    Q_OBJECT

public:
    static constexpr int Version = 1;
    static constexpr int Kept = 200;
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    GameLog(QString folder, GameModel &game, GameHistory &history, QObject *parent = nullptr);
    ~GameLog() override;

    // $XDG_STATE_HOME/Corvella/games.
    static QString defaultFolder();
    // The logs in `folder`, oldest first.
    static QStringList logs(const QString &folder);
    static QString newestLog(const QString &folder);
    // Reads a log; a line that does not read is skipped and counted. Nothing,
    // with the reason in `error`, when the file is not a log we can read.
    static std::optional<GameRecord> read(const QString &path, QString *error = nullptr);
    static QString phaseName(GamePhase phase);

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

private:
    struct Sink;
    void wrote(const QString &problem);
    void record(GameHistory::Step step, const QString &text, GameHistory::Origin origin,
                const GameState &before, const QString &action);
    void recordClockEnd(GameModel::ClockEnd end, const GameState &before);
    void append(const QString &kind, const QString &action, const QString &label,
                const QString &origin, const GameState &before);
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
};
