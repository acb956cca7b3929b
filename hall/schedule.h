#pragma once

#include "hall/nextgame.h"

#include <QCoreApplication>
#include <QList>
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
    int scored = 0;
    int conceded = 0;
    int points = 0;

    int difference() const { return scored - conceded; }
    bool operator==(const Standing &) const = default;
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
    static constexpr int WinPoints = 2;
    static constexpr int DrawPoints = 1;
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
    // The court's "next" message: its next game, or empty when none is left
    // (which clears what the court shows).
    QByteArray nextMessage(const QString &court) const;
    static QJsonObject nextMessage(const ScheduledGame &game);

    // The group's table: 2 points a win, 1 a draw; level teams are ordered
    // by score difference, then by goals scored, then by name.
    QList<Standing> standings(const QString &group) const;

private:
    QList<ScheduledGame> m_games;
    bool m_hasGroups = false;
};
