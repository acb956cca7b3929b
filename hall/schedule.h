#pragma once

#include "hall/matchscore.h"
#include "hall/nextgame.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

// One game of the day as the schedule lists it, and its result once known.
struct ScheduledGame
{
    QTime time;
    QString court;
    QString home;
    QString guest;
    QString preset;
    QString group; // empty: in no group's standings
    int line = 0;  // where the file lists it
    std::optional<int> homeScore;
    std::optional<int> guestScore;
    // Once done: the score as the day tells it (sets or periods), home as
    // the schedule has it, and the hall's name of the game that played it.
    MatchScore match;
    QString playedAs;

    bool isDone() const { return homeScore.has_value(); }
    NextGame nextGame() const;
};

// A team's line in its group's standings.
struct Standing
{
    QString team;
    int played = 0;
    int won = 0;
    int drawn = 0;
    int lost = 0;
    // Goals, or in a group that plays in sets the points of every set.
    int scored = 0;
    int conceded = 0;
    int setsWon = 0;
    int setsLost = 0;
    int points = 0;

    int difference() const { return scored - conceded; }
    bool operator==(const Standing &) const = default;
};

// The points a team gets for a win, a draw and a loss.
struct ResultPoints
{
    int win = 2;
    int draw = 1;
    int loss = 0;

    // "2,1,0"; nothing unless three whole numbers from 0 to 99.
    static std::optional<ResultPoints> parse(const QString &text);
    // The hall's setting (HallServiceSettings/Points, or HallSettings/Points
    // where a setup has it only there) from the stored values; the default
    // where neither reads.
    static ResultPoints fromStored(const QMap<QString, QString> &stored);

    bool operator==(const ResultPoints &) const = default;
};

// The hall's day: which game each court plays when, read from a
// spreadsheet's CSV file: a header line, then "time,court,home,guest,preset"
// rows and an optional sixth column "group" (time as local HH:MM, the preset
// by its name in any of the program's languages; a field in double quotes
// may hold the separator). The separator, ',' or ';', is the header's, whose
// words may be in any of the program's languages. The games are kept in
// time order; results mark them done, and what a court plays next follows
// from that.
class Schedule
{
    Q_DECLARE_TR_FUNCTIONS(Schedule)

public:
    // No day's schedule comes near this; a larger file is not one.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    // The schedule in `path`, its presets checked against `knownPresets`
    // (the shipped and the user's when empty). Nothing when the file cannot
    // be read or a row is wrong; `error` then names the file, the line and
    // why.
    static std::optional<Schedule> read(const QString &path, QString *error,
                                        const QStringList &knownPresets = {});
    // The same from the file's bytes (UTF-8, else Windows-1252); `error`
    // names the line, the column and what would be right.
    static std::optional<Schedule> parse(const QByteArray &csv, const QStringList &knownPresets,
                                         QString *error);

    const QList<ScheduledGame> &games() const { return m_games; }
    bool hasGroups() const { return m_hasGroups; }
    // The courts in the order the file first names them: each gets its
    // first game announced when the hall starts.
    QStringList courts() const;
    // The groups in the order the file first names them.
    QStringList groups() const;

    // The court's earliest game not yet done; nothing once it has played
    // them all.
    std::optional<ScheduledGame> nextFor(const QString &court) const;
    // A court's result: it marks the court's earliest undone game between
    // these teams (either way round). False when the court has no such game
    // left: a result for other teams is not the schedule's.
    bool markDone(const QString &court, const QString &home, const QString &guest, int homeScore,
                  int guestScore);
    // The same with the whole score (`match` home first as `home` played),
    // and the hall's name of the game.
    bool markDone(const QString &court, const QString &home, const QString &guest,
                  const MatchScore &match, const QString &playedAs = {});
    // The court's "next" message: its next game, or empty when none is left
    // (which clears what the court shows).
    QByteArray nextMessage(const QString &court) const;
    static QJsonObject nextMessage(const ScheduledGame &game);

    // The points a result gives in the standings; 2, 1, 0 unless set.
    void setPoints(const ResultPoints &points) { m_points = points; }
    const ResultPoints &points() const { return m_points; }
    // Whether the group's games played so far were matches in sets.
    bool playsInSets(const QString &group) const;
    // The group's table, ordered by points. Level teams of a group in sets
    // are ordered by the ratio of sets won to lost, then of points won to
    // lost; of any other group by score difference, then by goals scored;
    // then by name.
    QList<Standing> standings(const QString &group) const;

private:
    ResultPoints m_points;
    QList<ScheduledGame> m_games;
    bool m_hasGroups = false;
};
