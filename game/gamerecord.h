#pragma once

#include "game/gamelogentry.h"
#include "teams/team.h"

#include <QDateTime>
#include <QFile>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

#include <array>
#include <optional>

class QIODevice;

// How a CSV is written: RFC 4180 (comma separated), or for a spreadsheet in
// a locale whose decimal separator is the comma (semicolons, and a UTF-8 byte
// order mark so that the spreadsheet knows the encoding).
enum class CsvStyle { Rfc4180, Spreadsheet };

// One field of a CSV row in UTF-8, quoted where it holds the separator, a
// quote or a line break.
QByteArray csvField(const QString &text, char separator);

// A game read back from its log.
struct GameRecord
{
    // The log's format as this program writes it, and the most it reads.
    static constexpr int Version = 1;
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
    // The longest line of a log, its header with both teams included.
    static constexpr qint64 MaxLineBytes = 64 * 1024;

    QString path;
    int version = 0;
    QDateTime started; // UTC
    QString home, guest, section1, section2;
    // The teams from the library that played, home and guest; none for a
    // plain caption.
    std::array<std::optional<Team>, 2> teams;
    int periods = 0;    // 0: the game had no periods
    bool fouls = false; // section 2 counted team fouls (unknown in older logs)
    QList<GameLogEntry> entries;
    int damagedLines = 0;

    // Reads a log; a line that does not read is skipped and counted. Nothing,
    // with the reason in `error`, when the file is not a log we can read.
    static std::optional<GameRecord> read(const QString &path, QString *error = nullptr);
    // The same from the log's lines as they were written, header first.
    static std::optional<GameRecord> fromLines(const QList<QByteArray> &lines);
    // The log's first line: everything here but the path and the steps.
    QJsonObject headerJson() const;

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
