#pragma once

#include "hall/halllimits.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

// One game of one court as the hall keeps it: its log on disk in a board's
// own format, written in order and only ever appended to. A line that comes
// before the ones it follows waits in memory until the gap fills, or until
// the hall gives up on the gap and writes it down as one. The hall holds a
// digest of each line written, not the line: a later line under the same
// number that differs from it is disputed, kept in a file beside the log
// and never in it.
class CourtGame
{
public:
    enum class Outcome {
        Written,  // appended, with any waiting lines it let through
        Repeated, // the same line again, as after a court's reconnection
        Waiting,  // ahead of a gap
        Disputed, // differs from the line kept under its number
        Late,     // for a gap already written down as one
        Full,     // the game's file is at its bound
    };

    // `logPath` ends in ".jsonl"; what is there already is read back.
    CourtGame(QString logPath, const HallLimits &limits);

    static QString disputedPath(const QString &logPath);

    // A line of the log in its board's form, numbered `n` (0: the header).
    Outcome add(int n, const QByteArray &line, qint64 nowMs);
    // Writes every waiting line in order, noting each gap before one.
    void writeWaiting();

    const QString &logPath() const { return m_path; }
    const QJsonObject &header() const { return m_header; }
    // The scores after the last step written; empty before any.
    const QJsonArray &lastScores() const { return m_lastScores; }
    bool isDisputed() const { return m_disputed; }
    int waitingLines() const { return int(m_waiting.size()); }
    qint64 waitingBytes() const { return m_waitingBytes; }
    // When the oldest waiting line came; meaningless without one.
    qint64 waitingSinceMs() const { return m_waitingSinceMs; }

private:
    void load();
    bool append(const QByteArray &line);
    bool appendTo(const QString &path, const QByteArray &bytes, qint64 *size);
    void took(int n, const QByteArray &line);
    void dispute(const QByteArray &line);

    QString m_path;
    qint64 m_maxFileBytes;
    int m_maxLines;
    qint64 m_fileBytes = 0;
    qint64 m_disputedBytes = 0;
    // Of every line written, by number; 0 for a number written as a gap.
    QList<quint64> m_digests;
    QMap<int, QByteArray> m_waiting;
    qint64 m_waitingBytes = 0;
    qint64 m_waitingSinceMs = 0;
    QJsonObject m_header;
    QJsonArray m_lastScores;
    bool m_disputed = false;
};
