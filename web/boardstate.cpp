#include "web/boardstate.h"

#include "game/clockface.h"
#include "game/gamemodel.h"
#include "settings/appsettings.h"
#include "settings/bgrcolor.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace BoardState {

QString cssColor(qint32 bgr)
{
    return fromBgr(bgr).name();
}

QJsonObject clockPart(const GameModel &game)
{
    const char *phases[] = {"play", "break", "final"};
    return {{QStringLiteral("running"), game.isRunning()},
            {QStringLiteral("ms"), game.clockMs()},
            // A break counts down whichever way the game clock counts.
            {QStringLiteral("countDown"), game.faceCountsDown()},
            {QStringLiteral("blank"), game.isFaceBlank()},
            {QStringLiteral("periods"), game.structure().periods},
            {QStringLiteral("period"), game.period()},
            {QStringLiteral("phase"), QLatin1StringView(phases[int(game.phase())])}};
}

QJsonObject boardPart(const Settings &s)
{
    const QJsonObject colors{{QStringLiteral("form"), cssColor(s.FormColor)},
                             {QStringLiteral("time"), cssColor(s.LEDTimeColor)},
                             {QStringLiteral("score"), cssColor(s.LEDScoreColor)},
                             {QStringLiteral("back"), cssColor(s.LEDBackColor)},
                             {QStringLiteral("home"), cssColor(s.HomeColor)},
                             {QStringLiteral("guest"), cssColor(s.GuestColor)},
                             {QStringLiteral("text"), cssColor(s.TextColor)}};
    return {{QStringLiteral("home"), s.HomeText},
            {QStringLiteral("guest"), s.GuestText},
            {QStringLiteral("section1"), s.SectionText1},
            {QStringLiteral("section2"), s.SectionText2},
            // The board's credit line; empty shows none.
            {QStringLiteral("credit"), s.CreditText},
            {QStringLiteral("colors"), colors}};
}

QJsonObject snapshot(const GameModel &game, const Settings &settings)
{
    QJsonArray scores;
    for (int i = 0; i < GameModel::ScoreCount; ++i) {
        const std::optional<int> score = game.score(i);
        scores.append(score ? QJsonValue(*score) : QJsonValue(QJsonValue::Null));
    }
    return {{Scores, scores}, {Clock, clockPart(game)}, {Board, boardPart(settings)}};
}

bool isClockText(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{1,2}(\\.([0-5][0-9]?)?)?$"));
    return form.match(text).hasMatch() && ClockFace::isAcceptableEntry(text);
}

QJsonObject changedParts(const QJsonObject &before, const QJsonObject &after)
{
    QJsonObject changed;
    for (auto it = after.constBegin(); it != after.constEnd(); ++it) {
        if (before.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    const QJsonObject clock = after.value(Clock).toObject();
    if (clock.value(QLatin1StringView("running")).toBool())
        changed.insert(Clock, clock);
    return changed;
}

} // namespace BoardState
