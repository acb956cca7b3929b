#pragma once

#include "game/gamehost.h"
#include "game/penalties.h"
#include "game/playertally.h"

#include <QJsonObject>
#include <QStringList>

// The players of a game: their rules, their personal fouls, points and
// penalties, and the penalties' clocks. Their state is the game's
// (GameState::players and penalties); a player fouled out or back from a
// penalty is told through the game's signals. Teams are GameModel::Team.
class PlayersPart
{
public:
    explicit PlayersPart(GameHost &game) : m_game(game) {}

    const PlayerRules &rules() const { return m_rules; }
    // A match in sets has no game clock for the penalties to run on, so the
    // players stay off there whatever their rules say.
    bool isOn() const;
    const PlayerTally &tally() const;
    const PenaltyClocks &penalties() const;
    qint64 penaltyMs(const Penalty &penalty) const;
    bool isOut(int team, const QString &number) const;
    bool isDisqualified(int team, const QString &number) const;
    // The roster's name of the player in this game's team; empty when none.
    QString playerName(int team, const QString &number) const;

    // With the players on (otherwise they do nothing): a personal foul, with
    // the team's foul when section 2 counts fouls; a timed penalty; a score
    // added that names its scorer. `number` is one or two digits.
    void addFoul(int team, const QString &number);
    void addPenalty(int team, const QString &number, qint64 lengthMs);
    void addToScoreBy(int which, int delta, const QString &number);
    void setRules(const PlayerRules &rules);

    // What the game tells it: the game clock ran or stopped (the penalties
    // run with it), a score changed, a new game, the game came back as
    // `state` had it, a step from `from` to `to` was taken back.
    void follow();
    void expireIfDue();
    void scored(int which, int from, int to);
    void newGame();
    void restored(const GameState &state);
    void restoreStep(const GameState &from, const GameState &to);

    // The board state's "players": per team, every player with a roster line
    // in the game's team or a step in the game; empty lists with the players
    // off. And its "penalties": per team, in their order, and the lengths a
    // penalty is given from.
    QJsonObject boardPlayersJson() const;
    QJsonObject boardPenaltiesJson() const;

    // The saved game's "players" and "penalties" (they come back stopped),
    // and the log's "player": the team and number the step was about.
    static void writeSaved(const PlayerTally &tally, const PenaltyClocks &clocks,
                           QJsonObject &object);
    static bool readSaved(const QJsonObject &object, PlayerTally &tally, PenaltyClocks &clocks);
    static void logStep(const GameState &before, const GameState &after, QString &team,
                        QString &number);
    static void writeLog(const QString &team, const QString &number, QJsonObject &line);
    static bool readLog(const QJsonObject &line, QString &team, QString &number);

private:
    bool penaltiesShouldRun() const;
    qint64 now() const;

    GameHost &m_game;
    PlayerRules m_rules;
};
