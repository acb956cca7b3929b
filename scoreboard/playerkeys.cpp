// The players' keys on the scoreboard: a foul's and a penalty's entry, and
// what the board tells of them.
#include "scoreboard/scoreboardwindow.h"

#include "platform/dialogs.h"

using namespace Qt::StringLiterals;

namespace {

// "5th": the count as a hall's announcer says it.
QString ordinalFoul(int fouls)
{
    if (fouls % 10 == 1 && fouls % 100 != 11)
        return ScoreBoardWindow::tr("%1st foul").arg(fouls);
    if (fouls % 10 == 2 && fouls % 100 != 12)
        return ScoreBoardWindow::tr("%1nd foul").arg(fouls);
    if (fouls % 10 == 3 && fouls % 100 != 13)
        return ScoreBoardWindow::tr("%1rd foul").arg(fouls);
    return ScoreBoardWindow::tr("%1th foul").arg(fouls);
}
} // namespace

void ScoreBoardWindow::followPlayers()
{
    connect(&game(), &GameModel::playerFouledOut, this,
            [this](GameModel::Team team, const QString &number, int fouls) {
                showNotice(playerLabel(team, number) + QStringLiteral(": ") + ordinalFoul(fouls),
                           true);
            });
    connect(&game(), &GameModel::penaltyEnded, this,
            [this](GameModel::Team team, const QString &number) {
                showNotice(
                    tr("Penalty over: %1 (%2)")
                        .arg(playerLabel(team, number), sideCaption(game(), team, settings())),
                    true);
                if (!m_soundOff)
                    m_dialogs.beep();
            });
}

QString ScoreBoardWindow::playerLabel(GameModel::Team team, const QString &number) const
{
    return m_commands->playerLabel(team, number);
}

PlayerEntry::Keys ScoreBoardWindow::playerEntryKeys() const
{
    const Settings &s = settings();
    return {s.HomeTimeoutKey, s.GuestTimeoutKey, game().playersPart().rules().penaltyLengthsMs};
}

bool ScoreBoardWindow::runPlayerKey(int keyAscii)
{
    const Settings &s = settings();
    if (keyAscii == s.PlayerFoulKey)
        m_playerEntry.open(PlayerEntry::Kind::Foul);
    else if (keyAscii == s.PenaltyKey)
        m_playerEntry.open(PlayerEntry::Kind::Penalty);
    else
        return false;
    showNotice(m_playerEntry.prompt({}, playerEntryKeys()), true);
    return true;
}

bool ScoreBoardWindow::takePlayerKey(int keyAscii)
{
    if (!m_playerEntry.isOpen())
        return false;
    if (!game().hasPlayers()) {
        m_playerEntry.discard();
        return false;
    }
    std::optional<PlayerEntry::Entered> entered;
    const PlayerEntry::Keys keys = playerEntryKeys();
    if (!m_playerEntry.key(keyAscii, keys, entered))
        return false;
    if (entered)
        enterPlayerStep(*entered);
    else if (m_playerEntry.isOpen())
        showNotice(
            m_playerEntry.prompt(sideCaption(game(), m_playerEntry.team(), settings()), keys),
            true);
    else
        showNotice(tr("Entry dropped"), true);
    return true;
}

void ScoreBoardWindow::enterPlayerStep(const PlayerEntry::Entered &entered)
{
    showNotice({});
    QJsonObject params{{u"team"_s, entered.team == GameModel::Home ? u"home"_s : u"guest"_s},
                       {u"player"_s, entered.number}};
    if (entered.kind == PlayerEntry::Kind::Foul) {
        command(u"foul.player"_s, params);
        return;
    }
    params.insert(u"seconds"_s, entered.lengthMs / 1000);
    command(u"penalty.start"_s, params);
}
