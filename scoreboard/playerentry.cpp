#include "scoreboard/playerentry.h"

#include "game/clockface.h"

namespace {
constexpr int Enter = 13;
constexpr int Space = 32;

bool isDigit(int keyAscii)
{
    return keyAscii >= '0' && keyAscii <= '9';
}
} // namespace

void PlayerEntry::open(Kind kind)
{
    m_typed = Entered{};
    m_typed.kind = kind;
    m_stage = Stage::Team;
}

std::optional<PlayerEntry::Entered> PlayerEntry::finish(qint64 lengthMs)
{
    m_typed.lengthMs = lengthMs;
    m_stage = Stage::Closed;
    return m_typed;
}

bool PlayerEntry::key(int keyAscii, const Keys &keys, std::optional<Entered> &entered)
{
    entered.reset();
    if (!isOpen())
        return false;
    if (keyAscii == Space) {
        discard();
        return true;
    }
    switch (m_stage) {
    case Stage::Team:
        if (keyAscii != keys.home && keyAscii != keys.guest)
            return isDigit(keyAscii) || keyAscii == Enter;
        m_typed.team = keyAscii == keys.home ? GameModel::Home : GameModel::Guest;
        m_stage = Stage::Number;
        return true;
    case Stage::Number:
        if (isDigit(keyAscii)) {
            // A third digit is a slip: the two typed stand.
            if (m_typed.number.size() < 2)
                m_typed.number += QChar(keyAscii);
            return true;
        }
        if (keyAscii != Enter)
            return false;
        if (m_typed.number.isEmpty())
            return true;
        if (m_typed.kind == Kind::Foul)
            entered = finish(0);
        else if (keys.lengthsMs.size() == 1)
            entered = finish(keys.lengthsMs.first());
        else
            m_stage = Stage::Length;
        return true;
    case Stage::Length:
        if (isDigit(keyAscii)) {
            const int place = keyAscii - '1';
            if (place >= 0 && place < keys.lengthsMs.size())
                entered = finish(keys.lengthsMs.at(place));
            return true;
        }
        return keyAscii == Enter;
    case Stage::Closed:
        break;
    }
    return false;
}

QString PlayerEntry::prompt(const QString &teamName, const Keys &keys) const
{
    const QString what = m_typed.kind == Kind::Foul ? tr("Foul") : tr("Penalty");
    switch (m_stage) {
    case Stage::Team:
        return tr("%1: which team? %2 or %3 (Space drops it)")
            .arg(what, QChar(keys.home), QChar(keys.guest));
    case Stage::Number:
        return tr("%1 %2: #%3, then Enter").arg(what, teamName, m_typed.number);
    case Stage::Length: {
        QStringList places;
        for (int i = 0; i < keys.lengthsMs.size(); ++i)
            places << QStringLiteral("%1 = %2").arg(i + 1).arg(
                ClockFace::lengthText(keys.lengthsMs.at(i)));
        return tr("%1 %2 #%3: length? %4")
            .arg(what, teamName, m_typed.number, places.join(QStringLiteral(", ")));
    }
    case Stage::Closed:
        break;
    }
    return {};
}
