#include "web/boardstate.h"

#include "game/sponsorphase.h"

#include "game/clockface.h"
#include "game/gamemodel.h"
#include "game/gamestructure.h"
#include "game/sectioncaptions.h"
#include "settings/appsettings.h"
#include "settings/bgrcolor.h"
#include "web/playerstate.h"

#include <QJsonArray>

namespace BoardState {

QString cssColor(qint32 bgr)
{
    return fromBgr(bgr).name();
}

QLatin1StringView teamName(GameModel::Team team)
{
    return team == GameModel::Home ? QLatin1StringView("home") : QLatin1StringView("guest");
}

QJsonValue timeoutPart(const GameModel &game);

QJsonObject clockPart(const GameModel &game)
{
    return {{QStringLiteral("running"), game.isRunning()},
            {QStringLiteral("ms"), game.clockMs()},
            // A break counts down whichever way the game clock counts.
            {QStringLiteral("countDown"), game.faceCountsDown()},
            // In sets without the match time the face stays dark.
            {QStringLiteral("blank"), game.isFaceBlank() || game.setsPart().hidesClock()},
            {QStringLiteral("periods"), game.structure().periods},
            {QStringLiteral("period"), game.period()},
            {QStringLiteral("phase"), gamePhaseName(game.phase())},
            {QStringLiteral("timeout"), timeoutPart(game)}};
}

// The timeout running (or held at a resume until the start key), in place
// of the game clock on the face, or null.
QJsonValue timeoutPart(const GameModel &game)
{
    const std::optional<GameModel::Team> team = game.timeoutTeam();
    if (!team)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("team"), teamName(*team)},
                       {QStringLiteral("ms"), game.timeoutLeftMs()},
                       {QStringLiteral("running"), !game.isTimeoutHeld()}};
}

// Timeouts left, team fouls' bonus and the digits of section 1.
QJsonObject teamsPart(const GameModel &game)
{
    const GameStructure &rules = game.structure();
    QJsonValue left = QJsonValue::Null;
    if (game.hasTimeouts())
        left = QJsonArray{game.timeoutsLeft(GameModel::Home), game.timeoutsLeft(GameModel::Guest)};
    return {{QStringLiteral("timeoutsLeft"), left},
            {QStringLiteral("fouls"), rules.fouls.on},
            {QStringLiteral("bonus"),
             QJsonArray{game.inBonus(GameModel::Home), game.inBonus(GameModel::Guest)}},
            {QStringLiteral("scoreDigits"), rules.section1Max > 99 ? 3 : 2}};
}

QJsonObject shotClockPart(const GameModel &game)
{
    return game.shotClockPart().boardJson();
}

// A side's team as the pages draw it, or null for a plain caption.
QJsonValue teamPart(const GameModel &game, int side)
{
    const std::optional<Team> &team = game.side(side).team;
    if (!team)
        return QJsonValue::Null;
    const auto color = [](const QColor &c) {
        return c.isValid() ? QJsonValue(c.name()) : QJsonValue();
    };
    return QJsonObject{{QStringLiteral("name"), team->name},
                       {QStringLiteral("short"), team->shortOrCut()},
                       {QStringLiteral("color"), color(team->color)},
                       {QStringLiteral("textColor"), color(team->textColor)},
                       {QStringLiteral("logo"), team->logo.isEmpty()
                                                    ? QJsonValue()
                                                    : QJsonValue(QStringLiteral("/logo/") +
                                                                 teamName(GameModel::Team(side)))}};
}

QJsonObject boardPart(const GameModel &game, const Settings &s)
{
    const QJsonObject colors{{QStringLiteral("form"), cssColor(s.FormColor)},
                             {QStringLiteral("time"), cssColor(s.LEDTimeColor)},
                             {QStringLiteral("score"), cssColor(s.LEDScoreColor)},
                             {QStringLiteral("back"), cssColor(s.LEDBackColor)},
                             {QStringLiteral("home"), cssColor(s.HomeColor)},
                             {QStringLiteral("guest"), cssColor(s.GuestColor)},
                             {QStringLiteral("text"), cssColor(s.TextColor)}};
    return {{QStringLiteral("home"), sideCaption(game, GameModel::Home, s)},
            {QStringLiteral("guest"), sideCaption(game, GameModel::Guest, s)},
            {QStringLiteral("homeTeam"), teamPart(game, GameModel::Home)},
            {QStringLiteral("guestTeam"), teamPart(game, GameModel::Guest)},
            {QStringLiteral("section1"), SectionCaptions::of(s, 1)},
            {QStringLiteral("section2"), SectionCaptions::of(s, 2)},
            {QStringLiteral("section2Shown"), SectionCaptions::section2Shown(s)},
            // The board's credit line; empty shows none.
            {QStringLiteral("credit"), s.CreditText},
            {QStringLiteral("colors"), colors}};
}

QJsonObject sponsorsPart(const GameModel &game, const Settings &settings)
{
    const SponsorPhase phase = sponsorPhaseOf(game);
    // Without slides the part stays the same, so it travels only when asked.
    if (!showsSponsors(settings, phase))
        return {{QStringLiteral("showing"), false}};
    const bool moving = phase != SponsorPhase::Break || game.isRunning();
    return {{QStringLiteral("showing"), true},
            {QStringLiteral("phaseMs"), sponsorPhaseMs(game)},
            {QStringLiteral("running"), moving},
            {QStringLiteral("slideMs"), qint64(settings.SponsorSlideSeconds) * 1000}};
}

QJsonObject snapshot(const GameModel &game, const Settings &settings)
{
    QJsonArray scores;
    for (int i = 0; i < GameModel::ScoreCount; ++i) {
        const std::optional<int> score = game.score(i);
        scores.append(score ? QJsonValue(*score) : QJsonValue(QJsonValue::Null));
    }
    return {{Scores, scores},
            {Clock, clockPart(game)},
            {Teams, teamsPart(game)},
            {ShotClock, shotClockPart(game)},
            {Possession, game.shotClockPart().possessionJson()},
            {Sets, game.setsPart().boardJson()},
            {Board, boardPart(game, settings)},
            {Sponsors, sponsorsPart(game, settings)},
            {Players, game.playersPart().boardPlayersJson()},
            {Penalties, game.playersPart().boardPenaltiesJson()}};
}

QJsonObject changedParts(const QJsonObject &before, const QJsonObject &after)
{
    QJsonObject changed;
    for (auto it = after.constBegin(); it != after.constEnd(); ++it) {
        if (before.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    const QJsonObject clock = after.value(Clock).toObject();
    if (clock.value(QLatin1StringView("running")).toBool() ||
        clock.value(QLatin1StringView("timeout")).isObject())
        changed.insert(Clock, clock);
    const QJsonObject shot = after.value(ShotClock).toObject();
    if (shot.value(QLatin1StringView("running")).toBool())
        changed.insert(ShotClock, shot);
    // Penalties count down with the clock, so they travel while it runs.
    if (clock.value(QLatin1StringView("running")).toBool())
        changed.insert(Penalties, after.value(Penalties));
    return changed;
}

} // namespace BoardState
