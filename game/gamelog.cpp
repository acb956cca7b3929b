#include "game/gamelog.h"

#include "base/diskwriter.h"
#include "base/foldersync.h"
#include "game/gamestatefile.h"
#include "game/gametally.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace {

const QLatin1StringView Format("corvella-game-log");
using Scores = std::array<std::optional<int>, 4>;

QJsonArray scoresJson(const Scores &scores)
{
    QJsonArray array;
    for (const std::optional<int> &score : scores)
        array.append(score ? QJsonValue(*score) : QJsonValue(QJsonValue::Null));
    return array;
}

std::optional<Scores> scoresOf(const QJsonValue &value)
{
    const QJsonArray array = value.toArray();
    if (array.size() != GameModel::ScoreCount)
        return std::nullopt;
    Scores scores;
    for (int i = 0; i < GameModel::ScoreCount; ++i) {
        if (array.at(i).isNull())
            continue;
        const int score = array.at(i).toInt(-1);
        if (score < GameModel::ScoreMin || score > GameModel::ScoreMax)
            return std::nullopt;
        scores.at(i) = score;
    }
    return scores;
}

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject entryJson(const GameLogEntry &e)
{
    return {{QStringLiteral("n"), e.number},
            {QStringLiteral("time"), timeText(e.time)},
            {QStringLiteral("kind"), e.kind},
            {QStringLiteral("action"), e.action},
            {QStringLiteral("label"), e.label},
            {QStringLiteral("origin"), e.origin},
            {QStringLiteral("period"), e.period},
            {QStringLiteral("phase"), GameLog::phaseName(e.phase)},
            {QStringLiteral("clockMs"), e.clockMs},
            {QStringLiteral("running"), e.running},
            {QStringLiteral("beforePeriod"), e.beforePeriod},
            {QStringLiteral("beforeClockMs"), e.beforeClockMs},
            {QStringLiteral("before"), scoresJson(e.before)},
            {QStringLiteral("after"), scoresJson(e.after)},
            {QStringLiteral("timeout"),
             e.timeout.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(e.timeout)}};
}

std::optional<GamePhase> phaseOf(const QString &name)
{
    for (GamePhase phase : {GamePhase::Play, GamePhase::Break, GamePhase::Final})
        if (GameLog::phaseName(phase) == name)
            return phase;
    return std::nullopt;
}

std::optional<GameLogEntry> parseEntry(const QByteArray &line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    GameLogEntry e;
    e.number = o.value(QStringLiteral("n")).toInt(-1);
    e.time = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    e.kind = o.value(QStringLiteral("kind")).toString();
    e.action = o.value(QStringLiteral("action")).toString();
    if (!o.contains(QStringLiteral("label"))) {
        // Written before steps had ids: the action was the board's own words.
        e.label = e.action;
        e.action.clear();
    } else {
        e.label = o.value(QStringLiteral("label")).toString();
    }
    e.origin = o.value(QStringLiteral("origin")).toString();
    e.period = o.value(QStringLiteral("period")).toInt(-1);
    e.beforePeriod = o.value(QStringLiteral("beforePeriod")).toInt(-1);
    e.clockMs = qint64(o.value(QStringLiteral("clockMs")).toDouble(-1));
    e.beforeClockMs = qint64(o.value(QStringLiteral("beforeClockMs")).toDouble(-1));
    e.running = o.value(QStringLiteral("running")).toBool();
    e.timeout = o.value(QStringLiteral("timeout")).toString(); // none in older logs
    if (!e.timeout.isEmpty() && e.timeout != u"home" && e.timeout != u"guest")
        return std::nullopt;
    const auto phase = phaseOf(o.value(QStringLiteral("phase")).toString());
    const auto before = scoresOf(o.value(QStringLiteral("before")));
    const auto after = scoresOf(o.value(QStringLiteral("after")));
    if (e.number < 1 || !e.time.isValid() || e.kind.isEmpty() || e.period < 1 ||
        e.beforePeriod < 1 || e.clockMs < 0 || e.beforeClockMs < 0 || !phase || !before || !after)
        return std::nullopt;
    e.phase = *phase;
    e.before = *before;
    e.after = *after;
    return e;
}

// Letters and digits of a caption, the rest as underscores, so that a team
// named "A/B" cannot reach another folder.
QString fileNamePart(const QString &caption, const QString &fallback)
{
    QString part;
    for (const QChar c : caption.simplified().left(30))
        part += c.isLetterOrNumber() ? c : u'_';
    return part.isEmpty() ? fallback : part;
}

QString clockText(qint64 ms)
{
    const qint64 tenths = ms / 100;
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

QByteArray csvField(const QString &text, char separator)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(separator) || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r'))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}

QString scoreText(const std::optional<int> &score)
{
    return score ? QString::number(*score) : QString();
}

QByteArray csvHeader(char separator)
{
    QByteArray header = "n,time,kind,action,label,origin,period,phase,clock,clock_ms,running,"
                        "home1_before,guest1_before,home2_before,guest2_before,"
                        "home1,guest1,home2,guest2,timeout\r\n";
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
                       GameLog::phaseName(e.phase),
                       clockText(e.clockMs),
                       QString::number(e.clockMs),
                       e.running ? QStringLiteral("1") : QStringLiteral("0")};
    for (const auto &score : e.before)
        fields << scoreText(score);
    for (const auto &score : e.after)
        fields << scoreText(score);
    fields << e.timeout;
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
        !field("started", timeText(header.started)) || !field("home", header.home) ||
        !field("guest", header.guest) || !field("section1", header.section1) ||
        !field("section2", header.section2) || !field("periods", header.periods) ||
        out.write("  \"actions\": [") < 0)
        return false;
    GameTally tally(header.periods);
    const char *separator = "\n    ";
    while (const std::optional<GameLogEntry> e = next()) {
        tally.add(*e);
        if (out.write(separator + QJsonDocument(entryJson(*e)).toJson(QJsonDocument::Compact)) < 0)
            return false;
        separator = ",\n    ";
    }
    QJsonArray periodList;
    for (const auto &[period, scores] : tally.periodScores())
        periodList.append(QJsonObject{{QStringLiteral("period"), period},
                                      {QStringLiteral("scores"), scoresJson(scores)}});
    QJsonObject final{{QStringLiteral("scores"), scoresJson(tally.finalScores())}};
    if (tally.steps() > 0) {
        final.insert(QStringLiteral("clockMs"), tally.finalClockMs());
        final.insert(QStringLiteral("period"), tally.finalPeriod());
        final.insert(QStringLiteral("phase"), GameLog::phaseName(tally.finalPhase()));
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
    return record;
}

// A log's line is far shorter; a longer one is damage, read past in pieces.
constexpr qint64 MaxLineBytes = 64 * 1024;

} // namespace

QString GameLog::phaseName(GamePhase phase)
{
    switch (phase) {
    case GamePhase::Break:
        return QStringLiteral("break");
    case GamePhase::Final:
        return QStringLiteral("final");
    case GamePhase::Play:
        break;
    }
    return QStringLiteral("play");
}

QDateTime hallTime(const QDateTime &utc)
{
    const QDateTime local = utc.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc());
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
        return fail(GameLog::tr("cannot read %1: %2").arg(path, m_file.errorString()));
    const QJsonObject header = QJsonDocument::fromJson(m_file.readLine(MaxLineBytes)).object();
    if (header.value(QStringLiteral("format")).toString() != Format)
        return fail(GameLog::tr("%1 is not a Corvella game log").arg(path));
    m_header = headerOf(header, path);
    if (m_header.version > GameLog::Version)
        return fail(GameLog::tr("%1 was written by a newer Corvella (log version %2; this one "
                                "reads up to %3)")
                        .arg(path)
                        .arg(m_header.version)
                        .arg(GameLog::Version));
    if (m_header.version < 1)
        return fail(GameLog::tr("%1 is not a Corvella game log").arg(path));
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
        if (auto entry = parseEntry(line))
            return entry;
        ++m_damaged;
    }
    return std::nullopt;
}

GameLog::GameLog(QString folder, GameModel &game, GameHistory &history, QObject *parent)
    : QObject(parent), m_folder(std::move(folder)), m_game(game), m_history(history),
      m_now([] { return QDateTime::currentDateTimeUtc(); })
{
    m_remoteFlush.setSingleShot(true);
    m_remoteFlush.setInterval(GameStateFile::RemoteSaveMs);
    connect(&m_remoteFlush, &QTimer::timeout, this, &GameLog::flush);
    connect(&history, &GameHistory::stepped, this, &GameLog::record);
    connect(&game, &GameModel::clockEnded, this, &GameLog::recordClockEnd);
    connect(&game, &GameModel::newGameStarted, this, &GameLog::startNewGame);
}

GameLog::~GameLog()
{
    flush();
}

QString GameLog::defaultFolder()
{
    return GameStateFile::defaultFolder() + QStringLiteral("/games");
}

QStringList GameLog::logs(const QString &folder)
{
    // By the time in their first line: names begin with the minute a game
    // started, but two games of one minute differ by their captions or a
    // "-2" after them, which sorts before the plain name. Files without a
    // readable start count as the oldest, by name.
    struct Log
    {
        QDateTime started;
        QString path;
    };
    QList<Log> found;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.jsonl")}, QDir::Files);
    for (const QFileInfo &info : files) {
        QFile file(info.filePath());
        QDateTime started;
        if (file.open(QIODevice::ReadOnly)) {
            const QJsonObject header = QJsonDocument::fromJson(file.readLine(4096)).object();
            started = QDateTime::fromString(header.value(QStringLiteral("started")).toString(),
                                            Qt::ISODateWithMs);
        }
        found.append({started, info.filePath()});
    }
    std::sort(found.begin(), found.end(), [](const Log &a, const Log &b) {
        if (a.started.isValid() != b.started.isValid())
            return !a.started.isValid();
        if (a.started != b.started)
            return a.started < b.started;
        if (a.path.size() != b.path.size()) // "-2" and on came after their plain name
            return a.path.size() < b.path.size();
        return a.path < b.path;
    });
    QStringList paths;
    for (const Log &log : found)
        paths << log.path;
    return paths;
}

QString GameLog::newestLog(const QString &folder)
{
    const QStringList all = logs(folder);
    return all.isEmpty() ? QString() : all.last();
}

std::optional<GameRecord> GameLog::read(const QString &path, QString *error)
{
    if (QFileInfo(path).size() > MaxFileBytes) {
        if (error)
            *error = tr("%1 is too large for a game log").arg(path);
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

void GameLog::setCaptions(const QString &home, const QString &guest, const QString &section1,
                          const QString &section2)
{
    m_home = home;
    m_guest = guest;
    m_section1 = section1;
    m_section2 = section2;
}

void GameLog::begin(bool resumed)
{
    m_startNext = true;
    if (!resumed)
        return;
    const QString newest = newestLog(m_folder);
    QString why;
    const auto record = newest.isEmpty() ? std::nullopt : read(newest, &why);
    if (!record || record->version != Version) {
        if (!why.isEmpty())
            qWarning("corvella: starting a new game log: %s", qPrintable(why));
        return;
    }
    m_number = record->entries.isEmpty() ? 0 : record->entries.last().number;
    m_startNext = !open(newest, false);
}

void GameLog::startNewGame()
{
    // The game before ends here, even when the new one changed nothing the
    // board shows (a warm-up on a board still at 0:0).
    flush();
    m_startNext = true;
}

void GameLog::record(GameHistory::Step step, const QString &text, GameHistory::Origin origin,
                     const GameState &before, const QString &action)
{
    const QString kind = step == GameHistory::Step::Undo   ? QStringLiteral("undo")
                         : step == GameHistory::Step::Redo ? QStringLiteral("redo")
                                                           : QStringLiteral("action");
    const bool remote = origin == GameHistory::Origin::Remote;
    append(kind, action, text, remote ? QStringLiteral("remote") : QStringLiteral("operator"),
           before);
    if (remote) {
        if (!m_remoteFlush.isActive())
            m_remoteFlush.start();
    } else {
        flush();
    }
}

void GameLog::recordClockEnd(GameModel::ClockEnd end, const GameState &before)
{
    using End = GameModel::ClockEnd;
    const QString what = end == End::Period    ? tr("Period ended")
                         : end == End::Break   ? tr("Break ended")
                         : end == End::Timeout ? tr("Timeout ended")
                         : end == End::Zero    ? tr("Clock ran out")
                                               : tr("Clock stopped at its limit");
    const QString id = end == End::Period    ? QStringLiteral("period.end")
                       : end == End::Break   ? QStringLiteral("break.end")
                       : end == End::Timeout ? QStringLiteral("timeout.end")
                       : end == End::Zero    ? QStringLiteral("clock.zero")
                                             : QStringLiteral("clock.limit");
    append(QStringLiteral("clock"), id, what, QStringLiteral("clock"), before);
    flush();
}

void GameLog::append(const QString &kind, const QString &action, const QString &label,
                     const QString &origin, const GameState &before)
{
    if (m_startNext) {
        m_startNext = false;
        startLog();
    }
    GameLogEntry e;
    e.number = ++m_number;
    e.time = m_now();
    e.kind = kind;
    e.action = action;
    e.label = label;
    e.origin = origin;
    const GameState after = m_game.state();
    e.before = before.scores;
    e.after = after.scores;
    e.beforePeriod = before.period;
    e.period = after.period;
    e.phase = after.phase;
    e.clockMs = m_game.clockMs();
    e.running = after.running;
    if (after.timeoutTeam >= 0 && after.timeoutTeam != before.timeoutTeam)
        e.timeout =
            after.timeoutTeam == GameModel::Home ? QStringLiteral("home") : QStringLiteral("guest");
    // A clock the step stopped was at its stopping value; one that ran on
    // through the step is where it is now.
    e.beforeClockMs = !before.running ? before.clockMs : after.running ? e.clockMs : after.clockMs;
    m_pending += QJsonDocument(entryJson(e)).toJson(QJsonDocument::Compact) + '\n';
}

void GameLog::startLog()
{
    flush();
    m_file.close();
    m_number = 0;
    if (!QDir().mkpath(m_folder)) {
        m_lastError = tr("cannot create %1").arg(m_folder);
        return;
    }
    const QDateTime now = m_now().toLocalTime();
    const QString stem = now.toString(QStringLiteral("yyyy-MM-dd_HHmm_")) +
                         fileNamePart(m_home, QStringLiteral("Home")) + u'-' +
                         fileNamePart(m_guest, QStringLiteral("Guest"));
    QString path = m_folder + u'/' + stem + QStringLiteral(".jsonl");
    for (int n = 2; QFile::exists(path) && n < 1000; ++n)
        path = m_folder + u'/' + stem + QStringLiteral("-%1.jsonl").arg(n);
    const QJsonObject header{{QStringLiteral("format"), Format},
                             {QStringLiteral("version"), Version},
                             {QStringLiteral("started"), timeText(m_now())},
                             {QStringLiteral("home"), m_home},
                             {QStringLiteral("guest"), m_guest},
                             {QStringLiteral("section1"), m_section1},
                             {QStringLiteral("section2"), m_section2},
                             {QStringLiteral("periods"), m_game.structure().periods},
                             {QStringLiteral("fouls"), m_game.structure().fouls.on}};
    m_pending = QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n' + m_pending;
    if (open(path, true)) {
        // The header goes to disk first: a log without one sorts as the oldest.
        flush();
        syncFolder(m_folder);
        removeOldest();
    }
}

bool GameLog::open(const QString &path, bool fresh)
{
    m_file.close();
    m_file.setFileName(path);
    if (!m_file.open(fresh ? QIODevice::WriteOnly | QIODevice::NewOnly
                           : QIODevice::ReadWrite | QIODevice::Append)) {
        m_lastError = m_file.errorString();
        return false;
    }
    // A line cut short by a crash ends here, so it costs only itself.
    if (!fresh && m_file.size() > 0 && m_file.seek(m_file.size() - 1) && m_file.read(1) != "\n")
        m_pending.prepend('\n');
    return true;
}

// The log file as the writes see it: a descriptor of its own, so closing the
// log here never pulls the file from under a write still going, and the
// lines that did not go out, tried again with the next.
struct GameLog::Sink
{
    const QString path;
    const int fd;
    QByteArray unwritten;

    Sink(QString name, int handle) : path(std::move(name)), fd(::fcntl(handle, F_DUPFD_CLOEXEC, 0))
    {
    }
    ~Sink()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Sink(const Sink &) = delete;
    Sink &operator=(const Sink &) = delete;

    // Appends and syncs; a write cut short is taken back whole, so the file
    // never ends in half a line that the next try would repeat.
    QString append(const QByteArray &bytes)
    {
        unwritten += bytes;
        const off_t start = ::lseek(fd, 0, SEEK_END);
        qsizetype done = 0;
        while (start >= 0 && done < unwritten.size()) {
            const ssize_t n =
                ::write(fd, unwritten.constData() + done, size_t(unwritten.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        // fdatasync syncs the length with the lines; only the times wait.
        if (start < 0 || done < unwritten.size() || ::fdatasync(fd) != 0) {
            const int error = errno;
            // If even taking it back fails, the next try starts a line of its
            // own and the cut one is read as one damaged line.
            if (start >= 0 && ::ftruncate(fd, start) != 0)
                unwritten.prepend('\n');
            return error == ENOSPC || error == EDQUOT
                       ? QCoreApplication::translate("GameLog", "the disk may be full")
                       : QString::fromLocal8Bit(std::strerror(error));
        }
        unwritten.clear();
        return {};
    }
};

bool GameLog::flush()
{
    m_remoteFlush.stop();
    if (m_pending.isEmpty())
        return !m_failing;
    if (!m_file.isOpen()) {
        wrote(m_lastError.isEmpty() ? tr("the game log could not be opened") : m_lastError);
        return false;
    }
    if (!m_sink || m_sink->path != m_file.fileName())
        m_sink = std::make_shared<Sink>(m_file.fileName(), m_file.handle());
    DiskWriter::run(
        m_writer,
        [sink = m_sink, bytes = std::exchange(m_pending, {})] { return sink->append(bytes); },
        [self = QPointer<GameLog>(this)](const QString &problem) {
            if (self)
                self->wrote(problem);
        });
    return !m_failing;
}

void GameLog::wrote(const QString &problem)
{
    m_lastError = problem;
    if (problem.isEmpty() == !m_failing)
        return;
    m_failing = !problem.isEmpty();
    if (m_failing)
        emit loggingFailed(problem);
    else
        emit loggingRecovered();
}

void GameLog::removeOldest()
{
    // The game being played is never pruned, whatever its header says.
    QStringList all = logs(m_folder);
    all.removeAll(m_file.fileName());
    while (all.size() >= Kept)
        QFile::remove(all.takeFirst());
}
