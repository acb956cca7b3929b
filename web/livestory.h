#pragma once

#include "game/gamefigures.h"
#include "game/gamelogentry.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

// The game's story as the announcer's page follows it: the figures as they
// stand and the last steps, taken from the game's log line by line as it is
// written, so that they say what the record says.
class LiveStory : public QObject
{
    Q_OBJECT

public:
    static constexpr int StepsShown = 10;

    explicit LiveStory(QObject *parent = nullptr) : QObject(parent) {}

    // A line joined the log at `path`; a header starts the story afresh.
    void take(const QString &path, const QByteArray &line);
    // Reads the log at `path` from its start: a resumed game's story.
    void resumeFrom(const QString &path);

    // {"periods", "figures", "steps": the newest last}.
    const QJsonObject &json() const { return m_json; }

signals:
    void changed();

private:
    void add(const GameLogEntry &e);
    void restart(const QString &path, int periods);
    void update();

    QString m_path;
    int m_periods = 0;
    GameFigures m_figures;
    QList<GameLogEntry> m_steps;
    // Made once a change: every message to the pages carries it.
    QJsonObject m_json;
};
