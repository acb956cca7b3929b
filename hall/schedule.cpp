#include "hall/schedule.h"

#include "game/presets.h"
#include "hall/brokeraddress.h"
#include "hall/schedulecsv.h"
#include "settings/appsettings.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <limits>

namespace {

using ScheduleCsv::Column;

QString quoted(QChar separator)
{
    return u'"' + QString(separator) + u'"';
}

// Why the header line does not read, or nothing when it does: a header
// names the five columns in order, then optionally the group, each in any of
// the program's languages.
QString headerProblem(const QStringList &names, QChar separator)
{
    const auto doesNotRead = [separator](const QString &why) {
        const QString found = separator.isNull() ? Schedule::tr("none") : quoted(separator);
        return Schedule::tr("the header does not read (separator found: %1): %2").arg(found, why);
    };
    const qsizetype required = ScheduleCsv::ColumnCount - 1;
    for (qsizetype index = 0; index < std::max(names.size(), required); ++index) {
        if (index >= ScheduleCsv::ColumnCount)
            return doesNotRead(Schedule::tr("column %1 is \"%2\", expected nothing after the group")
                                   .arg(QString::number(index + 1), names.at(index)));
        const auto column = static_cast<Column>(index);
        const QString expected = ScheduleCsv::columnWords(column).join(QStringLiteral(", "));
        if (index >= names.size())
            return doesNotRead(Schedule::tr("column %1 is missing, expected one of: %2")
                                   .arg(QString::number(index + 1), expected));
        if (!ScheduleCsv::namesColumn(names.at(index), column))
            return doesNotRead(Schedule::tr("column %1 is \"%2\", expected one of: %3")
                                   .arg(QString::number(index + 1), names.at(index), expected));
    }
    return {};
}

// A spreadsheet writes empty cells after the last one used, and rows of
// nothing but separators for rows it only formatted.
void dropEmptyTail(QStringList &fields, qsizetype keep)
{
    while (fields.size() > keep && fields.constLast().isEmpty())
        fields.removeLast();
}

// The shipped presets' names as the user reads them, for the message
// listing them.
QString presetTitles(const QStringList &names)
{
    QStringList titles;
    for (const QString &name : names) {
        const QByteArray english = name.toUtf8();
        titles << QCoreApplication::translate("Presets", english.constData());
    }
    return titles.join(QStringLiteral(", "));
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
    const QStringList lines = ScheduleCsv::decoded(csv).split(u'\n');
    const auto refuse = [error](int line, const QString &why) {
        *error = tr("line %1: %2").arg(line).arg(why);
        return std::nullopt;
    };
    const auto refuseAt = [error](int line, Column column, const QString &why) {
        *error = tr("line %1, column %2: %3").arg(line).arg(int(column) + 1).arg(why);
        return std::nullopt;
    };
    const QHash<QString, QString> presets = ScheduleCsv::presetNames(knownPresets);

    Schedule schedule;
    QChar separator;
    qsizetype columns = 0;
    for (int index = 0; index < lines.size(); ++index) {
        const int number = index + 1;
        const QString line = lines.at(index).trimmed();
        if (line.isEmpty())
            continue;
        if (columns == 0)
            separator = ScheduleCsv::separatorOf(line);
        qsizetype faulty = 0;
        std::optional<QStringList> fields =
            ScheduleCsv::fields(line, separator.isNull() ? QChar(u',') : separator, &faulty);
        if (!fields)
            return refuseAt(number, Column(faulty),
                            tr("a quote is not closed where the field ends"));
        if (std::all_of(fields->cbegin(), fields->cend(),
                        [](const QString &field) { return field.isEmpty(); }))
            continue;
        dropEmptyTail(*fields, columns);
        if (columns == 0) {
            const QString problem = headerProblem(*fields, separator);
            if (!problem.isEmpty())
                return refuse(number, problem);
            columns = fields->size();
            schedule.m_hasGroups = columns == ScheduleCsv::ColumnCount;
            continue;
        }
        // The group is a game's own choice: a row may leave it out.
        if (schedule.m_hasGroups && fields->size() == columns - 1)
            fields->append(QString());
        if (fields->size() < columns)
            return refuseAt(number, Column(fields->size()),
                            tr("missing: the header has %1 columns separated by %2")
                                .arg(columns)
                                .arg(quoted(separator)));
        if (fields->size() > columns)
            return refuseAt(number, Column(columns),
                            tr("one more than the header's %1 columns: a field holding %2 needs "
                               "double quotes")
                                .arg(columns)
                                .arg(quoted(separator)));
        ScheduledGame game;
        game.line = number;
        game.time = QTime::fromString(fields->at(0), QStringLiteral("H:mm"));
        // A spreadsheet's time cell is written with its seconds.
        if (!game.time.isValid())
            game.time = QTime::fromString(fields->at(0), QStringLiteral("H:mm:ss"));
        game.court = fields->at(1);
        game.home = fields->at(2);
        game.guest = fields->at(3);
        game.preset = presets.value(ScheduleCsv::folded(fields->at(4)));
        if (schedule.m_hasGroups)
            game.group = fields->at(5);
        if (!game.time.isValid())
            return refuseAt(
                number, Column::Time,
                tr("\"%1\" is not a time; expected HH:MM, like 09:30").arg(fields->at(0)));
        if (game.court.isEmpty() || !isTopicLevel(game.court))
            return refuseAt(number, Column::Court,
                            tr("the court \"%1\" cannot be a court's name (empty, or with "
                               "/, + or #)")
                                .arg(game.court));
        for (const Column team : {Column::Home, Column::Guest}) {
            const QString &name = fields->at(int(team));
            if (name.isEmpty())
                return refuseAt(number, team, tr("both teams must be named"));
            // A board takes a next game's names as its captions, whole or not at all.
            if (!NextGame::isTeamName(name))
                return refuseAt(number, team,
                                tr("a team's name may have at most %1 characters, and no "
                                   "control characters")
                                    .arg(SettingsLimits::TeamTextLength));
        }
        if (game.home == game.guest)
            return refuseAt(number, Column::Guest, tr("\"%1\" cannot play itself").arg(game.home));
        if (game.preset.isEmpty())
            return refuseAt(number, Column::Preset,
                            tr("\"%1\" is not a preset (known: %2)")
                                .arg(fields->at(4), presetTitles(knownPresets)));
        for (const ScheduledGame &earlier : std::as_const(schedule.m_games)) {
            if (earlier.court == game.court && earlier.time == game.time)
                return refuseAt(number, Column::Time,
                                tr("court %1 already plays at %2 (line %3)")
                                    .arg(game.court, fields->at(0), QString::number(earlier.line)));
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
