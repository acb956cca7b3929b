#pragma once

#include "game/gamemodel.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// A player's foul or penalty typed on the board: its key, the team's key,
// the number, Enter, and for a penalty with several lengths the length's
// place. While open it takes digits, Enter, Space (which drops it) and, first,
// the team keys; every other key goes on to the board as ever.
class PlayerEntry
{
    Q_DECLARE_TR_FUNCTIONS(PlayerEntry)

public:
    enum class Kind { Foul, Penalty };
    struct Entered
    {
        Kind kind = Kind::Foul;
        GameModel::Team team = GameModel::Home;
        QString number;
        qint64 lengthMs = 0;
    };
    // The keys that name the teams, and the lengths a penalty is chosen from.
    struct Keys
    {
        int home = 0;
        int guest = 0;
        QList<qint64> lengthsMs;
    };

    void open(Kind kind);
    void discard() { m_stage = Stage::Closed; }
    bool isOpen() const { return m_stage != Stage::Closed; }
    GameModel::Team team() const { return m_typed.team; }
    // Whether the entry took `keyAscii`; `entered` gets what was typed once whole.
    bool key(int keyAscii, const Keys &keys, std::optional<Entered> &entered);
    // What the board tells the operator while the entry is open.
    QString prompt(const QString &teamName, const Keys &keys) const;

private:
    enum class Stage { Closed, Team, Number, Length };
    std::optional<Entered> finish(qint64 lengthMs);

    Stage m_stage = Stage::Closed;
    Entered m_typed;
};
