#include "game/gamerecord.h"

#include "game/clockface.h"
#include "game/gamemodel.h"
#include "game/gametally.h"
#include "game/gameteams.h"
#include "settings/appsettings.h"
#include "teams/teamlibrary.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <functional>

namespace {

const QLatin1StringView Format("corvella-game-log");
const char *const TeamKeys[] = {"homeTeam", "guestTeam"};
using Scores = std::array<std::optional<int>, 4>;

QString scoreText(const std::optional<int> &score)
{
    return score ? QString::number(*score) : QString();
}

QByteArray csvHeader(char separator)
{
    QByteArray header = "n,time,kind,action,label,origin,period,phase,clock,clock_ms,running,"
                        "home1_before,guest1_before,home2_before,guest2_before,"
                        "home1,guest1,home2,guest2,timeout,player_team,player,possession\r\n";
    return separator == ',' ? header : header.replace(',', separator);
}

QByteArray csvRow(const GameLogEntry &e, char separator)
{
    QStringList fields{QString::number(e.number),
                       hallTime(e.time).toString(Qt::ISODateWithMs),
                       e.kind,
                       e.action,
                       e.label,
                       e.origin,
                       QString::number(e.period),
                       gamePhaseName(e.phase),
                       ClockFace::textOfMs(e.clockMs),
                       QString::number(e.clockMs),
                       e.running ? QStringLiteral("1") : QStringLiteral("0")};
    for (const auto &score : e.before)
        fields << scoreText(score);
    for (const auto &score : e.after)
        fields << scoreText(score);
    fields << e.timeout << e.playerTeam << e.player << e.possession;
    QByteArrayList row;
    for (const QString &field : std::as_const(fields))
        row << csvField(field, separator);
    return row.join(separator) + "\r\n";
}

using NextEntry = std::function<std::optional<GameLogEntry>()>;

bool writeCsvRows(const NextEntry &next, QIODevice &out, CsvStyle style)
{
    const char separator = style == CsvStyle::Spreadsheet ? ';' : ',';
    if (style == CsvStyle::Spreadsheet && out.write("\xEF\xBB\xBF") != 3)
        return false;
    if (out.write(csvHeader(separator)) < 0)
        return false;
    while (const std::optional<GameLogEntry> e = next())
        if (out.write(csvRow(*e, separator)) < 0)
            return false;
    return true;
}

QByteArray jsonText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// The game as one JSON object whose steps are written as they come; the
// totals, known only at the end, follow them.
bool writeJsonGame(const GameRecord &header, const NextEntry &next, const int &damagedLines,
                   QIODevice &out)
{
    const auto field = [&](const char *name, const QJsonValue &value) {
        return out.write(QByteArray("  \"") + name + "\": " + jsonText(value) + ",\n") >= 0;
    };
    if (out.write("{\n") < 0 || !field("format", Format) || !field("version", header.version) ||
        !field("started", GameLogEntry::timeText(header.started)) || !field("home", header.home) ||
        !field("guest", header.guest) || !field("section1", header.section1) ||
        !field("section2", header.section2) || !field("periods", header.periods))
        return false;
    for (int side = 0; side < 2; ++side)
        if (header.teams.at(side) && !field(TeamKeys[side], teamJson(*header.teams.at(side))))
            return false;
    if (out.write("  \"actions\": [") < 0)
        return false;
    GameTally tally(header.periods);
    const char *separator = "\n    ";
    while (const std::optional<GameLogEntry> e = next()) {
        tally.add(*e);
        if (out.write(separator + QJsonDocument(e->toJson()).toJson(QJsonDocument::Compact)) < 0)
            return false;
        separator = ",\n    ";
    }
    QJsonArray periodList;
    for (const auto &[period, scores] : tally.periodScores())
        periodList.append(
            QJsonObject{{QStringLiteral("period"), period},
                        {QStringLiteral("scores"), GameLogEntry::scoresJson(scores)}});
    QJsonObject final{{QStringLiteral("scores"), GameLogEntry::scoresJson(tally.finalScores())}};
    if (tally.steps() > 0) {
        final.insert(QStringLiteral("clockMs"), tally.finalClockMs());
        final.insert(QStringLiteral("period"), tally.finalPeriod());
        final.insert(QStringLiteral("phase"), gamePhaseName(tally.finalPhase()));
    }
    return out.write("\n  ],\n") >= 0 && field("damagedLines", damagedLines) &&
           field("periodScores", periodList) &&
           out.write("  \"final\": " + jsonText(final) + "\n}\n") >= 0;
}

// The entries of a record in memory, one at a time.
NextEntry entriesOf(const GameRecord &record)
{
    return [&record, i = qsizetype(0)]() mutable -> std::optional<GameLogEntry> {
        if (i >= record.entries.size())
            return std::nullopt;
        return record.entries.at(i++);
    };
}

// A log may come from another computer, or from anyone on the hall's
// network: a team's logo is used only where it names a file in this
// computer's team library, never wherever else a log points.
QString libraryLogo(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QString library = QFileInfo(TeamLibrary::defaultFolder()).canonicalFilePath();
    const QFileInfo logo(path);
    const QString real = logo.canonicalFilePath();
    if (library.isEmpty() || real.isEmpty() || !logo.isFile() || !real.startsWith(library + u'/'))
        return {};
    return real;
}

// The numbers of a header that arithmetic is done with, in their range:
// a header with a count of periods no game has is damaged, not read.
bool inRange(const QJsonObject &header)
{
    const QJsonValue periods = header.value(QStringLiteral("periods"));
    if (periods.isUndefined())
        return true;
    const int n = periods.toInt(-1);
    return n >= 0 && n <= SettingsLimits::MaxPeriods;
}

GameRecord headerOf(const QJsonObject &header, const QString &path)
{
    GameRecord record;
    record.path = path;
    record.version = header.value(QStringLiteral("version")).toInt(-1);
    record.started = QDateTime::fromString(header.value(QStringLiteral("started")).toString(),
                                           Qt::ISODateWithMs);
    record.home = header.value(QStringLiteral("home")).toString();
    record.guest = header.value(QStringLiteral("guest")).toString();
    record.section1 = header.value(QStringLiteral("section1")).toString();
    record.section2 = header.value(QStringLiteral("section2")).toString();
    record.periods = header.value(QStringLiteral("periods")).toInt();
    record.fouls = header.value(QStringLiteral("fouls")).toBool();
    for (int side = 0; side < 2; ++side) {
        std::optional<Team> &team = record.teams.at(side);
        team = teamFromJson(header.value(QLatin1StringView(TeamKeys[side])));
        if (team)
            team->logo = libraryLogo(team->logo);
    }
    return record;
}

// A log's line is far shorter; a longer one is damage, read past in pieces.
constexpr qint64 MaxLineBytes = GameRecord::MaxLineBytes;

} // namespace

QByteArray csvField(const QString &text, char separator)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(separator) || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r'))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}

QDateTime hallTime(const QDateTime &utc)
{
    const QDateTime local = utc.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc());
}

QJsonObject GameRecord::headerJson() const
{
    QJsonObject header{{QStringLiteral("format"), Format},
                       {QStringLiteral("version"), version},
                       {QStringLiteral("started"), GameLogEntry::timeText(started)},
                       {QStringLiteral("home"), home},
                       {QStringLiteral("guest"), guest},
                       {QStringLiteral("section1"), section1},
                       {QStringLiteral("section2"), section2},
                       {QStringLiteral("periods"), periods},
                       {QStringLiteral("fouls"), fouls}};
    for (int side = 0; side < 2; ++side)
        if (teams.at(side))
            header.insert(QLatin1StringView(TeamKeys[side]), teamJson(*teams.at(side)));
    return header;
}

std::optional<GameRecord> GameRecord::read(const QString &path, QString *error)
{
    if (QFileInfo(path).size() > MaxFileBytes) {
        if (error)
            *error =
                QCoreApplication::translate("GameLog", "%1 is too large for a game log").arg(path);
        return std::nullopt;
    }
    GameLogReader reader;
    if (!reader.open(path, error))
        return std::nullopt;
    GameRecord record = reader.header();
    while (auto entry = reader.next())
        record.entries.append(*entry);
    record.damagedLines = reader.damagedLines();
    return record;
}

std::optional<GameRecord> GameRecord::fromLines(const QList<QByteArray> &lines)
{
    if (lines.isEmpty())
        return std::nullopt;
    const QJsonObject header = QJsonDocument::fromJson(lines.first()).object();
    if (header.value(QStringLiteral("format")).toString() != Format || !inRange(header))
        return std::nullopt;
    GameRecord record = headerOf(header, QString());
    if (record.version < 1 || record.version > Version)
        return std::nullopt;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (auto entry = GameLogEntry::fromLine(lines.at(i)))
            record.entries.append(*entry);
        else
            ++record.damagedLines;
    }
    return record;
}

Scores GameRecord::finalScores() const
{
    return entries.isEmpty() ? Scores{} : entries.last().after;
}

QList<QPair<int, Scores>> GameRecord::periodScores() const
{
    GameTally tally(periods);
    for (const GameLogEntry &e : entries)
        tally.add(e);
    return tally.periodScores();
}

QList<GameLogEntry> GameRecord::timeouts() const
{
    GameTally tally(periods);
    for (const GameLogEntry &e : entries)
        tally.add(e);
    return tally.timeouts();
}

QByteArray GameRecord::toCsv(CsvStyle style) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeCsvRows(entriesOf(*this), buffer, style);
    return buffer.data();
}

QByteArray GameRecord::toJson() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeJsonGame(*this, entriesOf(*this), damagedLines, buffer);
    return buffer.data();
}

bool writeCsv(GameLogReader &reader, QIODevice &out, CsvStyle style)
{
    return writeCsvRows([&reader] { return reader.next(); }, out, style);
}

bool writeJson(GameLogReader &reader, QIODevice &out)
{
    // Damaged lines are all counted by the time the total is written.
    int damaged = 0;
    return writeJsonGame(
        reader.header(),
        [&] {
            auto e = reader.next();
            damaged = reader.damagedLines();
            return e;
        },
        damaged, out);
}

bool GameLogReader::open(const QString &path, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        m_file.close();
        return false;
    };
    m_file.close();
    m_file.setFileName(path);
    m_damaged = 0;
    if (!m_file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("GameLog", "cannot read %1: %2")
                        .arg(path, m_file.errorString()));
    const QJsonObject header = QJsonDocument::fromJson(m_file.readLine(MaxLineBytes)).object();
    if (header.value(QStringLiteral("format")).toString() != Format || !inRange(header))
        return fail(
            QCoreApplication::translate("GameLog", "%1 is not a Corvella game log").arg(path));
    m_header = headerOf(header, path);
    if (m_header.version > GameRecord::Version)
        return fail(QCoreApplication::translate(
                        "GameLog", "%1 was written by a newer Corvella (log version %2; this one "
                                   "reads up to %3)")
                        .arg(path)
                        .arg(m_header.version)
                        .arg(GameRecord::Version));
    if (m_header.version < 1)
        return fail(
            QCoreApplication::translate("GameLog", "%1 is not a Corvella game log").arg(path));
    return true;
}

std::optional<GameLogEntry> GameLogReader::next()
{
    while (m_file.isOpen() && !m_file.atEnd()) {
        QByteArray line = m_file.readLine(MaxLineBytes);
        if (!line.endsWith('\n') && !m_file.atEnd()) {
            while (!m_file.atEnd() && !m_file.readLine(MaxLineBytes).endsWith('\n')) {
            }
            ++m_damaged;
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (auto entry = GameLogEntry::fromLine(line))
            return entry;
        ++m_damaged;
    }
    return std::nullopt;
}
