#pragma once

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <algorithm>

// What the installed program keeps on disk about its game, read as the
// end-to-end checks need it: the newest saved game, and the steps of its logs
// with the times the program itself wrote. A check that measures how long the
// clock ran measures against these, since the wall clock of a loaded machine
// says more about the load than about the program.
namespace ProgramRecord {

// The newest generation of the saved game in `stateFolder`
// ($XDG_STATE_HOME/Corvella), or an empty object.
inline QJsonObject savedGame(const QString &stateFolder)
{
    QJsonObject newest;
    const QDir folder(stateFolder);
    for (const QString &name : folder.entryList({QStringLiteral("game-*.json")})) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject game = QJsonDocument::fromJson(file.readAll()).object();
        if (game.value(QStringLiteral("sequence")).toInteger(-1) >
            newest.value(QStringLiteral("sequence")).toInteger(-1))
            newest = game;
    }
    return newest;
}

inline QDateTime timeOf(const QJsonObject &step)
{
    return QDateTime::fromString(step.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
}

// Every step logged in `stateFolder`'s game logs, oldest first.
inline QList<QJsonObject> steps(const QString &stateFolder)
{
    QList<QJsonObject> all;
    const QDir games(stateFolder + QStringLiteral("/games"));
    for (const QString &name : games.entryList({QStringLiteral("*.jsonl")})) {
        QFile log(games.filePath(name));
        if (!log.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : log.readAll().split('\n')) {
            const QJsonObject step = QJsonDocument::fromJson(line).object();
            if (step.contains(QStringLiteral("action")))
                all.append(step);
        }
    }
    std::stable_sort(all.begin(), all.end(), [](const QJsonObject &a, const QJsonObject &b) {
        return timeOf(a) < timeOf(b);
    });
    return all;
}

// The last step with this action id ("clock.stop"), or an empty object.
inline QJsonObject lastStep(const QString &stateFolder, const QString &action)
{
    const QList<QJsonObject> all = steps(stateFolder);
    for (auto it = all.crbegin(); it != all.crend(); ++it)
        if (it->value(QStringLiteral("action")).toString() == action)
            return *it;
    return {};
}

inline qint64 clockMsOf(const QJsonObject &step)
{
    return step.value(QStringLiteral("clockMs")).toInteger(-1);
}

// The program's own time between two logged steps.
inline qint64 msBetween(const QJsonObject &from, const QJsonObject &to)
{
    return timeOf(from).msecsTo(timeOf(to));
}

// Seconds from `mark` (the test's reading of the system clock, which the
// program's log also reads) to when the program logged `step`.
inline double secondsAfter(const QDateTime &mark, const QJsonObject &step)
{
    return mark.msecsTo(timeOf(step)) / 1000.0;
}

} // namespace ProgramRecord
