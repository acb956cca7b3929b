#pragma once

#include "console/consolelink.h"
#include "console/consolemirror.h"

#include <QJsonObject>
#include <QObject>

class GameHistory;
class GameModel;
struct Settings;

// The hall's console as the game's source, as the settings have it: the
// line to it, the mirror into the game, and what the operator and the API
// are told about it.
class ConsoleSource : public QObject
{
    Q_OBJECT

public:
    ConsoleSource(GameModel &game, GameHistory &history, const TimeSource &time,
                  QObject *parent = nullptr);

    // Takes the group ConsoleSettings; a change of any of it opens the line
    // afresh.
    void applySettings(const Settings &settings);
    static ConsoleConfig configOf(const Settings &settings);
    // The name of the shipped preset that holds the sport's rules.
    static QString presetName(ConsoleSport sport);

    bool isActive() const { return m_link.isActive(); }
    // What the operator is told while the console is not heard; empty
    // while it is, or while no console is the source.
    QString problem() const;
    // The state's "console": source, connected, lastFrameMs, skipped.
    QJsonObject status() const;
    ConsoleLink &link() { return m_link; }

signals:
    void statusChanged();

private:
    GameHistory &m_history;
    ConsoleLink m_link;
    ConsoleMirror m_mirror;
};
