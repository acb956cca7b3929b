#pragma once

#include "hall/courtgame.h"
#include "hall/halllimits.h"
#include "hall/matchscore.h"
#include <QByteArray>

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <optional>

// What the hall knows of its courts, from what they publish under
// corvella/v1/{venue}/{court}/: whether each is online, its last state, the
// lines of each game's log and the finished games. The logs are kept on
// disk in a board's own format, one folder per court and one file per game
// (see CourtGame), so that a restarted hall still has the day's games and
// the printed result reads them. A court speaks only for itself: a result
// counts for the day's schedule only when it is of a game whose log that
// court sent, undisputed, and ends with the scores of that log's last step.
// Everything a client sends is bounded (see HallLimits); a message that does
// not read, or is past a bound, is refused and counted, and told once per
// topic.
class HallFeed : public QObject
{
    Q_OBJECT

public:
    // A running clock's board sends its state every few seconds; this long
    // without one, its court is told as silent.
    static constexpr qint64 SilentAfterMs = 15000;

    struct Court
    {
        QString name;
        bool online = false;
        QJsonObject state;
        // Online, its clock running, yet no state for SilentAfterMs: a board
        // that died without its will reaching the broker.
        bool silent = false;
    };
    struct Result
    {
        QString court;
        QString game;
        QString home;
        QString guest;
        QJsonArray scores;
        // The score the day's lists tell: by sets in a match in sets.
        MatchScore match;
        QDateTime finished; // when the hall learnt of it
        // Two lines under one number: no result of the game counts until a
        // person accepts it.
        bool disputed = false;
        // For the schedule and the standings.
        bool counts = false;
    };

    // `folder` holds the courts' folders; the day's games are read back at once.
    HallFeed(const QString &venue, const QString &folder, const HallLimits &limits = {},
             QObject *parent = nullptr);

    QString venue() const { return m_venue; }
    // Where a hall keeps a venue's games under a state folder.
    static QString folderFor(const QString &stateFolder, const QString &venue);
    // Whether a court's or a game's name from the broker can name a file:
    // letters, digits, "_", "-", " " (and "." inside a court's name), no
    // control or direction characters, within the limits' lengths.
    static bool isCourtName(const QString &name, const HallLimits &limits = {});
    static bool isGameName(const QString &name, const HallLimits &limits = {});
    // A person has looked at a game's result (`corvella --hall --accept`):
    // it counts from now on with the scores it holds, also in a hall that
    // is running. Those scores, or nothing and why.
    static std::optional<QJsonArray> accept(const QString &folder, const QString &court,
                                            const QString &game, QString *why);

    // One message from the broker, on this object's thread.
    void receive(const QString &topic, const QByteArray &payload);
    // Milliseconds of a monotonic clock, for how long a gap has waited.
    void setClock(std::function<qint64()> nowMs) { m_nowMs = std::move(nowMs); }
    // Writes the lines that have waited on a gap for longer than the limits
    // allow, the gap noted; a timer calls it too.
    void writeStaleGaps();
    // Marks the courts whose running clock has sent nothing for
    // SilentAfterMs; a timer calls it too.
    void checkSilence();
    // The hall's own link to the broker: while it is down nobody is heard,
    // so no court is told silent; since when it is down.
    void setLinkUp(bool up);
    bool isLinkUp() const { return m_linkUp; }
    QDateTime linkDownSince() const { return m_linkDownSince; }
    // Messages refused since the hall started.
    int refusedCount() const { return m_refused; }

    // By name, in natural order ("2" before "10").
    QList<Court> courts() const;
    std::optional<Court> court(const QString &name) const;
    // {"court", "online", "silent", "state"}; the state is null until one
    // arrives.
    static QJsonObject courtJson(const Court &court);
    // The day's finished games, newest first.
    QList<Result> results() const;
    // The game's log on disk, or empty when the hall has none.
    QString logPath(const QString &court, const QString &game) const;
    // {"courts": [{"court", "online", "state"}], "results": [{"court",
    // "game", "home", "guest", "scores", "sets"}, "disputed" when it is]};
    // "sets" is {"won", "played"} for a match in sets, null otherwise.
    QJsonObject toJson() const;

signals:
    void courtChanged(const QString &court);
    void linkChanged();
    // A court's game reached its final and is on the results from now on,
    // or a person accepted its result.
    void finished(const QString &court, const QString &game);
    void resultsChanged();

private:
    struct CourtRecord
    {
        // Said something since the hall started: a court known only from
        // its folder is not shown.
        bool heard = false;
        bool online = false;
        QJsonObject state;
        qint64 stateAtMs = 0; // when the last state came, on m_nowMs
        bool silent = false;
        std::map<QString, CourtGame> games;
    };

    void load();
    void loadCourt(const QString &court);
    bool receiveOnline(CourtRecord &court, const QByteArray &payload);
    bool receiveState(CourtRecord &court, const QByteArray &payload);
    bool receiveLine(const QString &topic, const QString &courtName, CourtRecord &court,
                     const QByteArray &payload);
    bool receiveResult(const QString &courtName, CourtRecord &court, const QByteArray &payload);
    CourtGame *gameOfResult(CourtRecord &court, const QJsonObject &result, QString *name);
    Result resultOf(const QString &court, const QString &game, const CourtGame &record,
                    const QJsonObject &result, const QDateTime &when) const;
    void keepResult(const QString &court, const QString &game, const QJsonObject &result);
    void tellDispute(const QString &court, const QString &game, int n, const CourtGame &record);
    void checkAccepted(const QString &folder);
    void writeWaiting(CourtGame &game);
    void ignore(const QString &topic, const char *why);
    QString courtFolder(const QString &court) const;

    QString m_venue;
    QString m_root; // "corvella/v1/{venue}/"
    QString m_folder;
    HallLimits m_limits;
    QMap<QString, CourtRecord> m_courts;
    QList<Result> m_results; // oldest first
    QSet<QString> m_told;
    int m_refused = 0;
    qint64 m_waitingBytes = 0;
    std::function<qint64()> m_nowMs;
    QTimer m_gapTimer;
    QTimer m_silenceTimer;
    bool m_linkUp = true;
    QDateTime m_linkDownSince;
    QFileSystemWatcher m_accepting;
};
