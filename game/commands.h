#pragma once

#include "game/gamehistory.h"
#include "game/gamestructure.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>

#include <functional>
#include <optional>

class GameModel;
struct Settings;

// Everything the operator can do, once for every way in: the board's keys,
// the phone remote, the HTTP API and whatever comes later. A command is
// named by the id the game's log writes for it ("score.add", "clock.start",
// ...), takes its parameters as a JSON object, is refused in one set of
// words wherever it was asked for, and is done one way: as an undoable step
// where it changes the game. The ways in keep only their transport: the
// board's hint, the phone's reply, the HTTP status.
class GameCommands : public QObject
{
    Q_OBJECT

public:
    // A player's number is a text of one or two digits (7 is taken as "7").
    enum class ParamType { Integer, String, Boolean, Clock, PlayerNumber };
    struct Param
    {
        QString name;
        ParamType type;
        QJsonArray values; // a closed set; empty for any value of the type
        bool optional = false;
    };
    // Why a command was not done: it cannot be done now, or it was asked
    // for wrongly (a missing or malformed parameter, an unknown command).
    enum class Refusal { None, NotNow, Malformed };
    struct Outcome
    {
        Refusal refusal = Refusal::None;
        QString why; // in the board's words, to follow "Not taken: "
        // A refusal because of a break or the final, which the board follows
        // with the key that ends it.
        GamePhase blockedBy = GamePhase::Play;
        // Refused because the hall's console keeps what it would change.
        bool byConsole = false;

        bool isDone() const { return refusal == Refusal::None; }
    };
    struct Command
    {
        QString id;
        QList<Param> params;
    };
    using SettingsSource = std::function<const Settings &()>;

    GameCommands(GameModel &game, GameHistory &history, SettingsSource settings,
                 QObject *parent = nullptr);
    ~GameCommands() override;

    // Every command there is, in the order the README lists them.
    static const QList<Command> &table();
    static const Command *find(const QString &id);

    // Whether `id` could be done now; a parameter left out counts as any
    // value it may take (a timeout is available when either team may take one).
    Outcome availability(const QString &id) const;
    // Does `id` with `params`, recorded as asked for by `origin`.
    Outcome run(const QString &id, const QJsonObject &params,
                GameHistory::Origin origin = GameHistory::Origin::Operator);

    // Whether the console keeps command `id` now (see
    // GameHistory::setConsoleKeeps): the commands on what its feed carries,
    // except the final (the next period after the last), are refused to
    // every other way in.
    bool isKeptByConsole(const QString &id) const;

    // Where game.new looks up the teams it is given by name.
    void setTeamFolder(const QString &folder) { m_teamFolder = folder; }

    // "7" or 7: a player's number of one or two digits, as text.
    static std::optional<QString> playerNumberOf(const QJsonValue &value);
    // "12.30": minutes.seconds as the clock can show them, stricter than a
    // key entry: "12.75" is a mistake here, not 13:15.
    static bool isClockText(const QString &text);
    static QString clockText(qint16 seconds);
    // "#7 Anna Berg" with the game's roster, else "#7".
    QString playerLabel(int team, const QString &number) const;

signals:
    // Asked for the buzzer, its short warning sound, or all sound off or on
    // again: none of them a step of the game.
    void buzzerRequested();
    void shortBuzzerRequested();
    void muteToggleRequested();

private:
    struct Entry;
    static const QList<Entry> &entries();
    static const Entry *entry(const QString &id);
    Outcome checkParams(const Entry &entry, const QJsonObject &params) const;
    Outcome consoleRefusal(const QString &id, GameHistory::Origin origin) const;

    // The words and the checks the commands share.
    QString caption(int team) const;
    Outcome notInPlay() const;
    Outcome cannotStart() const;
    Outcome timeoutRefusal(int team) const;
    Outcome shotClockOff() const;
    Outcome shortRefusal(bool isShort) const;
    Outcome setsOff() const;
    Outcome playersOff() const;
    Outcome scoreRefusal(const QJsonObject &params, bool add) const;
    Outcome pointRefusal() const;
    void point(int team, GameHistory::Origin origin);
    Outcome serveRefusal(int team) const;
    void serve(int team, GameHistory::Origin origin);
    Outcome newGameRefusal(const QJsonObject &params) const;
    void newGame(const QJsonObject &params, GameHistory::Origin origin);
    void step(GameHistory::Action kind, const QString &label,
              const std::function<void(GameModel &)> &action, GameHistory::Origin origin);

    GameModel &m_game;
    GameHistory &m_history;
    SettingsSource m_settings;
    QString m_teamFolder;
};
