#include "game/sponsorphase.h"

#include "game/gamemodel.h"
#include "settings/appsettings.h"

#include <algorithm>

namespace {

bool untouched(const GameModel &game)
{
    for (int which = 0; which < GameModel::ScoreCount; ++which)
        if (game.score(which).value_or(0) != 0)
            return false;
    for (const auto &team : game.timeoutsTaken())
        if (std::ranges::any_of(team, [](int taken) { return taken != 0; }))
            return false;
    return game.period() == 1 && !game.isRunning() && game.clockMs() == game.initialClockMs();
}

} // namespace

SponsorPhase sponsorPhaseOf(const GameModel &game)
{
    if (game.phase() == GamePhase::Break)
        return SponsorPhase::Break;
    if (game.timeoutTeam())
        return SponsorPhase::Timeout;
    if (game.phase() == GamePhase::Play && untouched(game))
        return SponsorPhase::Pregame;
    return SponsorPhase::None;
}

qint64 sponsorPhaseMs(const GameModel &game)
{
    switch (sponsorPhaseOf(game)) {
    case SponsorPhase::Break:
        return game.structure().breakAfter(game.period()) - game.clockMs();
    case SponsorPhase::Timeout:
        return game.structure().timeouts.lengthMs - game.timeoutLeftMs();
    case SponsorPhase::Pregame:
        return game.state().takenAtMs;
    case SponsorPhase::None:
        break;
    }
    return 0;
}

bool showsSponsors(const Settings &settings, SponsorPhase phase)
{
    if (settings.SponsorsEnabled != 1 || phase == SponsorPhase::None)
        return false;
    const QStringList during = settings.SponsorsDuring.split(u',', Qt::SkipEmptyParts);
    auto named = [&during](QStringView word) {
        return std::ranges::any_of(
            during, [word](const QString &part) { return QStringView(part).trimmed() == word; });
    };
    switch (phase) {
    case SponsorPhase::Break:
        return named(u"breaks");
    case SponsorPhase::Timeout:
        return named(u"timeouts");
    case SponsorPhase::Pregame:
        return named(u"pregame");
    case SponsorPhase::None:
        break;
    }
    return false;
}
