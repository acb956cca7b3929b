#include "hall/schedule.h"

#include "game/presets.h"
#include "hall/brokeraddress.h"
#include "settings/appsettings.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <limits>

namespace {

const QStringList Columns = {QStringLiteral("time"), QStringLiteral("court"),
                             QStringLiteral("home"), QStringLiteral("guest"),
                             QStringLiteral("preset")};
const QString GroupColumn = QStringLiteral("group");

// One line's fields; nothing when a quote is left open or stray text
// follows a closing quote. "" inside quotes is one quote.
std::optional<QStringList> csvFields(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    bool closed = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < line.size() && line.at(i + 1) == u'"')
                field += line.at(++i);
            else {
                quoted = false;
                closed = true;
            }
        } else if (c == u',') {
            fields << field;
            field.clear();
            closed = false;
        } else if (closed) {
            if (!c.isSpace())
                return std::nullopt;
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields << field;
    for (QString &f : fields)
        f = f.trimmed();
    return fields;
}

QStringList shippedAndUserPresets()
{
    QStringList names;
    for (const Preset &preset : Presets::load(Presets::userFolder()))
        names << preset.name;
    return names;
}

} // namespace

NextGame ScheduledGame::nextGame() const
{
    return {time.toString(QStringLiteral("HH:mm")), home, guest, preset};
}

std::optional<Schedule> Schedule::read(const QString &path, QString *error,
                                       const QStringList &knownPresets)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("%1: cannot be read (%2)").arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > MaxFileBytes) {
        *error = tr("%1: too large for a schedule").arg(path);
        return std::nullopt;
    }
    QString problem;
    std::optional<Schedule> schedule = parse(
        file.readAll(), knownPresets.isEmpty() ? shippedAndUserPresets() : knownPresets, &problem);
    if (!schedule)
        *error = path + QStringLiteral(": ") + problem;
    return schedule;
}

std::optional<Schedule> Schedule::parse(const QByteArray &csv, const QStringList &knownPresets,
                                        QString *error)
{
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    const QStringList lines = text.split(u'\n');
    const auto refuse = [error](int line, const QString &why) {
        *error = tr("line %1: %2").arg(line).arg(why);
        return std::nullopt;
    };

    Schedule schedule;
    int columns = 0;
    for (int index = 0; index < lines.size(); ++index) {
        const int number = index + 1;
        const QString line = lines.at(index).trimmed();
        if (line.isEmpty())
            continue;
        const std::optional<QStringList> fields = csvFields(line);
        if (!fields)
            return refuse(number, tr("a quote is not closed where the field ends"));
        if (columns == 0) {
            QStringList names;
            for (const QString &name : *fields)
                names << name.toLower();
            schedule.m_hasGroups = names == Columns + QStringList{GroupColumn};
            if (names != Columns && !schedule.m_hasGroups)
                return refuse(number, tr("the header must be \"%1\", with \"%2\" as an optional "
                                         "sixth column")
                                          .arg(Columns.join(u','), GroupColumn));
            columns = int(names.size());
            continue;
        }
        if (fields->size() != columns)
            return refuse(number,
                          tr("%1 fields where the header has %2").arg(fields->size()).arg(columns));
        ScheduledGame game;
        game.line = number;
        game.time = QTime::fromString(fields->at(0), QStringLiteral("H:mm"));
        game.court = fields->at(1);
        game.home = fields->at(2);
        game.guest = fields->at(3);
        game.preset = fields->at(4);
        if (schedule.m_hasGroups)
            game.group = fields->at(5);
        if (!game.time.isValid())
            return refuse(number, tr("the time \"%1\" is not HH:MM").arg(fields->at(0)));
        if (game.court.isEmpty() || !isTopicLevel(game.court))
            return refuse(number, tr("the court \"%1\" cannot be a court's name (empty, or with "
                                     "/, + or #)")
                                      .arg(game.court));
        if (game.home.isEmpty() || game.guest.isEmpty())
            return refuse(number, tr("both teams must be named"));
        // A board takes a next game's names as its captions, whole or not at all.
        if (!NextGame::isTeamName(game.home) || !NextGame::isTeamName(game.guest))
            return refuse(number, tr("a team's name may have at most %1 characters, and no "
                                     "control characters")
                                      .arg(SettingsLimits::TeamTextLength));
        if (game.home == game.guest)
            return refuse(number, tr("\"%1\" cannot play itself").arg(game.home));
        if (!knownPresets.contains(game.preset))
            return refuse(number, tr("\"%1\" is not a preset (known: %2)")
                                      .arg(game.preset, knownPresets.join(QStringLiteral(", "))));
        for (const ScheduledGame &earlier : std::as_const(schedule.m_games)) {
            if (earlier.court == game.court && earlier.time == game.time)
                return refuse(number, tr("court %1 already plays at %2 (line %3)")
                                          .arg(game.court, fields->at(0))
                                          .arg(earlier.line));
        }
        schedule.m_games.append(game);
    }
    if (columns == 0)
        return refuse(1, tr("the file is empty; it needs a header line"));
    std::stable_sort(
        schedule.m_games.begin(), schedule.m_games.end(),
        [](const ScheduledGame &a, const ScheduledGame &b) { return a.time < b.time; });
    return schedule;
}

namespace {

// Each value of `field` once, in the order of the lines that first give it.
QStringList inFileOrder(const QList<ScheduledGame> &games, QString ScheduledGame::*field)
{
    QList<const ScheduledGame *> byLine;
    for (const ScheduledGame &game : games)
        byLine.append(&game);
    std::sort(byLine.begin(), byLine.end(),
              [](const ScheduledGame *a, const ScheduledGame *b) { return a->line < b->line; });
    QStringList names;
    for (const ScheduledGame *game : std::as_const(byLine)) {
        const QString &name = game->*field;
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names;
}

} // namespace

QStringList Schedule::courts() const
{
    return inFileOrder(m_games, &ScheduledGame::court);
}

QStringList Schedule::groups() const
{
    return inFileOrder(m_games, &ScheduledGame::group);
}

std::optional<ScheduledGame> Schedule::nextFor(const QString &court) const
{
    for (const ScheduledGame &game : m_games) {
        if (game.court == court && !game.isDone())
            return game;
    }
    return std::nullopt;
}

bool Schedule::markDone(const QString &court, const QString &home, const QString &guest,
                        int homeScore, int guestScore)
{
    MatchScore match;
    match.score = {homeScore, guestScore};
    return markDone(court, home, guest, match);
}

bool Schedule::markDone(const QString &court, const QString &home, const QString &guest,
                        const MatchScore &match, const QString &playedAs)
{
    for (ScheduledGame &game : m_games) {
        if (game.court != court || game.isDone())
            continue;
        // The operator may have loaded the game with the teams the other way round.
        const bool reversed = game.home == guest && game.guest == home;
        if (!reversed && !(game.home == home && game.guest == guest))
            continue;
        game.match = reversed ? match.swapped() : match;
        game.homeScore = game.match.score[0];
        game.guestScore = game.match.score[1];
        game.playedAs = playedAs;
        return true;
    }
    return false;
}

QByteArray Schedule::nextMessage(const QString &court) const
{
    const std::optional<ScheduledGame> next = nextFor(court);
    return next ? next->nextGame().toMessage() : QByteArray();
}

QJsonObject Schedule::nextMessage(const ScheduledGame &game)
{
    return game.nextGame().toJson();
}

bool Schedule::playsInSets(const QString &group) const
{
    return std::any_of(m_games.cbegin(), m_games.cend(), [&](const ScheduledGame &game) {
        return game.group == group && game.isDone() && game.match.inSets();
    });
}

namespace {

// Won to lost, a team that lost none above every other; exact for equal
// ratios, since a division is rounded correctly.
double ratio(int won, int lost)
{
    if (lost == 0)
        return won > 0 ? std::numeric_limits<double>::infinity() : 0;
    return double(won) / lost;
}

} // namespace

QList<Standing> Schedule::standings(const QString &group) const
{
    QList<Standing> table;
    QHash<QString, qsizetype> row;
    const auto rowOf = [&](const QString &team) {
        if (!row.contains(team)) {
            row.insert(team, table.size());
            table.append(Standing{team});
        }
        return row.value(team);
    };
    const auto count = [this](Standing &team, const MatchScore &match) {
        const auto [mine, theirs] = match.score;
        ++team.played;
        if (match.inSets()) {
            const auto [won, lost] = match.setPoints();
            team.scored += won;
            team.conceded += lost;
            team.setsWon += mine;
            team.setsLost += theirs;
        } else {
            team.scored += mine;
            team.conceded += theirs;
        }
        if (mine > theirs) {
            ++team.won;
            team.points += m_points.win;
        } else if (mine == theirs) {
            ++team.drawn;
            team.points += m_points.draw;
        } else {
            ++team.lost;
            team.points += m_points.loss;
        }
    };
    for (const ScheduledGame &game : m_games) {
        if (game.group != group)
            continue;
        // Teams yet to play are in the table too, with nothing.
        const qsizetype home = rowOf(game.home);
        const qsizetype guest = rowOf(game.guest);
        if (!game.isDone())
            continue;
        count(table[home], game.match);
        count(table[guest], game.match.swapped());
    }
    const bool sets = playsInSets(group);
    std::sort(table.begin(), table.end(), [sets](const Standing &a, const Standing &b) {
        if (a.points != b.points)
            return a.points > b.points;
        if (sets) {
            const double setsA = ratio(a.setsWon, a.setsLost);
            const double setsB = ratio(b.setsWon, b.setsLost);
            if (setsA != setsB)
                return setsA > setsB;
            const double pointsA = ratio(a.scored, a.conceded);
            const double pointsB = ratio(b.scored, b.conceded);
            if (pointsA != pointsB)
                return pointsA > pointsB;
        } else {
            if (a.difference() != b.difference())
                return a.difference() > b.difference();
            if (a.scored != b.scored)
                return a.scored > b.scored;
        }
        return a.team.localeAwareCompare(b.team) < 0;
    });
    return table;
}

std::optional<ResultPoints> ResultPoints::parse(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> n{};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        n[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok || n[i] < 0 || n[i] > 99)
            return std::nullopt;
    }
    return ResultPoints{n[0], n[1], n[2]};
}

ResultPoints ResultPoints::fromStored(const QMap<QString, QString> &stored)
{
    for (const char *key : {"HallServiceSettings/Points", "HallSettings/Points"}) {
        const auto it = stored.constFind(QLatin1StringView(key));
        if (it != stored.cend())
            return parse(*it).value_or(ResultPoints{});
    }
    return {};
}
