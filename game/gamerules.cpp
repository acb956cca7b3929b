#include "game/gamerules.h"

#include "game/clockface.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "settings/appsettings.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// Gives the refusals their translation context.
class GameRulesText
{
    Q_DECLARE_TR_FUNCTIONS(GameRules)

public:
    static QString refusal(QStringView key, const QString &text);
    static QString setsRefusal(QStringView key, const QString &text);
    static QString capRefusal(int cap, int pointsPerSet, int lastSetPoints);
};

bool isLength(const QString &text)
{
    return ClockFace::periodLengthMs(text).has_value();
}

// Empty or a time: empty, "0" and "0.00" are no overtime.
bool isOptionalLength(const QString &text)
{
    return text.trimmed().isEmpty() || ClockFace::isAcceptableEntry(text.trimmed());
}

// Whole seconds the shot clock's two digits can show.
bool isSecondsFrom(const QString &text, int least)
{
    bool ok = false;
    const int seconds = text.trimmed().toInt(&ok);
    return ok && seconds >= least && seconds <= SettingsLimits::MaxShotClockSeconds;
}

bool isOneOf(const QString &text, QLatin1StringView a, QLatin1StringView b)
{
    return text.isEmpty() || text == a || text == b;
}

QString GameRulesText::refusal(QStringView key, const QString &text)
{
    if (key == u"PeriodLength" && !isLength(text))
        return tr("The period length must be a time from 0.01 to 99.59 (minutes.seconds).");
    if (key == u"BreakLengths" && !GameStructure::parseBreaks(text))
        return tr("Each break must be a time up to 99.59 (minutes.seconds), the breaks "
                  "separated by commas.");
    if (key == u"OvertimeLength" && !isOptionalLength(text))
        return tr("The overtime must be a time up to 99.59 (minutes.seconds), or empty for none.");
    if (key == u"TimeoutsPerHalf" && !TimeoutRules::parseCounts(text, SettingsLimits::MaxTimeouts))
        return tr("Timeouts per half must be counts from 0 to %1, the first half's and the "
                  "second's separated by a comma.")
            .arg(SettingsLimits::MaxTimeouts);
    if (key == u"TimeoutLength" && !text.trimmed().isEmpty() && !isLength(text))
        return tr("The timeout length must be a time from 0.01 to 99.59 (minutes.seconds).");
    if (key == u"Section2Role" && !isOneOf(text, "scores"_L1, "fouls"_L1) && text != "none"_L1)
        return tr("Section 2 counts scores or fouls, or is not shown.");
    if (key == u"FoulsReset" && !isOneOf(text, "period"_L1, "half"_L1))
        return tr("Fouls reset at each period or each half.");
    if (key == u"Length" && !isSecondsFrom(text, 1))
        return tr("The shot clock's length must be from 1 to %1 seconds.")
            .arg(SettingsLimits::MaxShotClockSeconds);
    if (key == u"ShortLength" && !isSecondsFrom(text, 0))
        return tr("The shot clock's short length must be from 0 (none) to %1 seconds.")
            .arg(SettingsLimits::MaxShotClockSeconds);
    if (key == u"PenaltyLengths" && !parsePenaltyLengths(text))
        return tr("The penalties' lengths must be one to three times from 0.01 to 99.59 "
                  "(minutes.seconds), separated by commas.");
    return setsRefusal(key, text);
}

// Whole numbers from `least` to `most`.
bool isCountFrom(const QString &text, int least, int most)
{
    bool ok = false;
    const int count = text.trimmed().toInt(&ok);
    return ok && count >= least && count <= most;
}

QString GameRulesText::setsRefusal(QStringView key, const QString &text)
{
    const int maxPoints = SettingsLimits::MaxSetPoints;
    if (key == u"SetsToWin" && !isCountFrom(text, 1, SettingsLimits::MaxSetsToWin))
        return tr("The sets to win must be from 1 to %1.").arg(SettingsLimits::MaxSetsToWin);
    if ((key == u"PointsPerSet" || key == u"LastSetPoints") && !isCountFrom(text, 1, maxPoints))
        return tr("The points of a set must be from 1 to %1.").arg(maxPoints);
    if (key == u"WinBy" && !isCountFrom(text, 1, maxPoints))
        return tr("A set is won by a lead of 1 to %1 points.").arg(maxPoints);
    if (key == u"Cap" && !isCountFrom(text, 0, maxPoints))
        return tr("The points that end a set must be from 0 (none) to %1.").arg(maxPoints);
    if (key == u"ServeEvery" && !isCountFrom(text, 0, maxPoints))
        return tr("The serve changes every 0 (the rally's winner serves) to %1 points.")
            .arg(maxPoints);
    if (key == u"TimeoutsPerSet" && !isCountFrom(text, 0, SettingsLimits::MaxTimeouts))
        return tr("Timeouts per set must be from 0 to %1.").arg(SettingsLimits::MaxTimeouts);
    if ((key == u"SwitchSidesEvery" || key == u"LastSetSwitchSidesEvery" || key == u"IntervalAt") &&
        !isCountFrom(text, 0, maxPoints))
        return tr("A hint must come at 0 (none) to %1 points.").arg(maxPoints);
    return {};
}

QString GameRulesText::capRefusal(int cap, int pointsPerSet, int lastSetPoints)
{
    if (cap == 0 || (cap >= pointsPerSet && cap >= lastSetPoints))
        return {};
    return tr("The points that end a set must be 0 (none) or at least the points of a set (%1) "
              "and of the deciding set (%2).")
        .arg(pointsPerSet)
        .arg(lastSetPoints);
}

// The settings group a key is stored in, for the messages.
QLatin1StringView groupOf(const char *key)
{
    for (const SettingsEntry &entry : settingsEntries()) {
        if (qstrcmp(entry.key, key) == 0)
            return QLatin1StringView(entry.group);
    }
    return {};
}

QString problemLine(const QString &group, const QString &key, const QString &text,
                    const QString &why)
{
    return QStringLiteral("%1/%2 \"%3\" cannot be used: %4 Its default stands instead.")
        .arg(group, key, text, why);
}

// The text stored under `key`, or empty when it cannot be read; a problem
// names the key and the reason.
QString readable(const char *key, const QString &text, QStringList *problems)
{
    const QString why = GameRulesText::refusal(QString::fromLatin1(key), text);
    if (why.isEmpty())
        return text;
    if (problems)
        *problems << problemLine(QString(groupOf(key)), QString::fromLatin1(key), text, why);
    return {};
}

ShotClockRules shotClockRulesOf(const Settings &settings, QStringList *problems)
{
    ShotClockRules rules;
    rules.enabled = settings.ShotClockEnabled != 0;
    rules.linked = settings.ShotClockLinked != 0;
    rules.stopGameAtZero = settings.ShotClockStopGameAtZero != 0;
    rules.resetOnScore = settings.ShotClockResetOnScore != 0;
    // Told only when the shot clock is on: off, its lengths mean nothing.
    QStringList *told = rules.enabled ? problems : nullptr;
    const QString length = readable("Length", QString::number(settings.ShotClockLength), told);
    if (!length.isEmpty())
        rules.lengthMs = length.toInt() * 1000;
    const QString shortLength =
        readable("ShortLength", QString::number(settings.ShotClockShortLength), told);
    if (!shortLength.isEmpty())
        rules.shortMs = shortLength.toInt() * 1000;
    return rules;
}

PlayerRules playerRulesOf(const Settings &settings, QStringList *problems)
{
    PlayerRules rules;
    rules.enabled = settings.PlayersEnabled != 0;
    rules.foulLimit = settings.PlayerFoulLimit;
    rules.penaltyEndsOnGoal = settings.PenaltyEndsOnGoal != 0;
    rules.suspensionsToDisqualify = settings.SuspensionsToDisqualify;
    // Told only when the players are on, like the shot clock's lengths.
    QStringList *told = rules.enabled ? problems : nullptr;
    if (const auto lengths =
            parsePenaltyLengths(readable("PenaltyLengths", settings.PenaltyLengths, told)))
        rules.penaltyLengthsMs = *lengths;
    return rules;
}

// The number stored under `key`, or `fallback` when it cannot be used.
int setsNumber(const char *key, qint16 value, int fallback, QStringList *problems)
{
    const QString text = readable(key, QString::number(value), problems);
    return text.isEmpty() ? fallback : text.toInt();
}

SetsRules setsRulesOf(const Settings &settings, QStringList *problems)
{
    SetsRules rules;
    rules.enabled = settings.SetsEnabled != 0;
    rules.showClock = settings.SetsClock != 0;
    // Told only when sets are played: off, their rules mean nothing.
    QStringList *told = rules.enabled ? problems : nullptr;
    rules.setsToWin = setsNumber("SetsToWin", settings.SetsToWin, rules.setsToWin, told);
    rules.pointsPerSet =
        setsNumber("PointsPerSet", settings.SetsPointsPerSet, rules.pointsPerSet, told);
    rules.lastSetPoints =
        setsNumber("LastSetPoints", settings.SetsLastSetPoints, rules.lastSetPoints, told);
    rules.winBy = setsNumber("WinBy", settings.SetsWinBy, rules.winBy, told);
    rules.cap = setsNumber("Cap", settings.SetsCap, rules.cap, told);
    rules.serveEvery = setsNumber("ServeEvery", settings.SetsServeEvery, rules.serveEvery, told);
    rules.timeoutsPerSet =
        setsNumber("TimeoutsPerSet", settings.SetsTimeoutsPerSet, rules.timeoutsPerSet, told);
    rules.switchSidesEvery =
        setsNumber("SwitchSidesEvery", settings.SetsSwitchSidesEvery, rules.switchSidesEvery, told);
    rules.lastSetSwitchSidesEvery =
        setsNumber("LastSetSwitchSidesEvery", settings.SetsLastSetSwitchSidesEvery,
                   rules.lastSetSwitchSidesEvery, told);
    rules.intervalAt = setsNumber("IntervalAt", settings.SetsIntervalAt, rules.intervalAt, told);
    // A cap below the points that win a set would end sets at 10:9, or at 3:0.
    if (const QString why =
            GameRulesText::capRefusal(rules.cap, rules.pointsPerSet, rules.lastSetPoints);
        !why.isEmpty()) {
        if (told)
            *told << problemLine(QString(groupOf("Cap")), QStringLiteral("Cap"),
                                 QString::number(rules.cap), why);
        rules.cap = SetsRules{}.cap;
    }
    return rules;
}

} // namespace

std::optional<QList<qint64>> parsePenaltyLengths(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() > PlayerRules::MaxLengths)
        return std::nullopt;
    QList<qint64> lengths;
    for (const QString &part : parts) {
        const std::optional<qint64> ms = ClockFace::periodLengthMs(part.trimmed());
        if (!ms)
            return std::nullopt;
        lengths << *ms;
    }
    return lengths;
}

GameRules gameRulesOf(const Settings &settings, QStringList *problems)
{
    GameRules rules;
    GameStructure &structure = rules.structure;
    structure.periods = settings.Periods;
    structure.breakMs =
        GameStructure::parseBreaks(readable("BreakLengths", settings.BreakLengths, problems))
            .value_or(QList<qint64>{});
    structure.overtimeMs =
        ClockFace::periodLengthMs(readable("OvertimeLength", settings.OvertimeLength, problems))
            .value_or(0);
    TimeoutRules &timeouts = structure.timeouts;
    timeouts.perGame = settings.TimeoutsPerGame;
    timeouts.perHalf =
        TimeoutRules::parseCounts(readable("TimeoutsPerHalf", settings.TimeoutsPerHalf, problems),
                                  SettingsLimits::MaxTimeouts)
            .value_or(QList<int>{});
    timeouts.lengthMs =
        ClockFace::periodLengthMs(readable("TimeoutLength", settings.TimeoutLength, problems))
            .value_or(timeouts.lengthMs);
    const QString role = readable("Section2Role", settings.Section2Role, problems);
    structure.fouls.on = role == "fouls"_L1;
    structure.fouls.resetPerHalf =
        readable("FoulsReset", settings.FoulsReset, problems) == "half"_L1;
    structure.fouls.bonusAt = settings.FoulBonusAt;
    structure.section1Max = settings.ScoreDigits == 3 ? 999 : 99;
    rules.countDown = settings.CountDown != 0;
    rules.periodMs =
        ClockFace::periodLengthMs(readable("PeriodLength", settings.PeriodLength, problems))
            .value_or(GameModel::DefaultPeriodMs);
    rules.shotClock = shotClockRulesOf(settings, problems);
    rules.players = playerRulesOf(settings, problems);
    rules.sets = setsRulesOf(settings, problems);
    return rules;
}

QString ruleRefusal(QStringView key, const QString &text)
{
    return GameRulesText::refusal(key, text);
}

QString setsCapRefusal(int cap, int pointsPerSet, int lastSetPoints)
{
    return GameRulesText::capRefusal(cap, pointsPerSet, lastSetPoints);
}

QStringList unreadRuleProblems(const QMap<QString, QString> &unreadNumbers)
{
    QStringList problems;
    for (auto it = unreadNumbers.cbegin(); it != unreadNumbers.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        const QString key = it.key().mid(slash + 1);
        if (const QString why = ruleRefusal(key, it.value()); !why.isEmpty())
            problems << problemLine(it.key().left(slash), key, it.value(), why);
    }
    return problems;
}

void applyGameRules(const GameRules &rules, GameModel &game, GameHistory &history)
{
    game.setStructure(rules.structure);
    game.shotClockPart().setRules(rules.shotClock);
    game.playersPart().setRules(rules.players);
    game.setsPart().setRules(rules.sets);
    if (game.isRunning()) {
        game.setPendingClockMode(rules.countDown, rules.periodMs);
        return;
    }
    if (rules.countDown == game.countsDown() && rules.periodMs == game.periodMs()) {
        game.setClockMode(rules.countDown, rules.periodMs); // drops a change still waiting
        return;
    }
    game.setClockMode(rules.countDown, rules.periodMs);
    history.forget();
}
