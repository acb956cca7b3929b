#include "game/gamelog.h"

#include "base/diskwriter.h"
#include "base/foldersync.h"
#include "game/gamestatefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace {

// Letters and digits of a caption, the rest as underscores, so that a team
// named "A/B" cannot reach another folder.
QString fileNamePart(const QString &caption, const QString &fallback)
{
    QString part;
    for (const QChar c : caption.simplified().left(30))
        part += c.isLetterOrNumber() ? c : u'_';
    return part.isEmpty() ? fallback : part;
}

} // namespace

GameLog::GameLog(QString folder, GameModel &game, GameHistory &history, QObject *parent)
    : QObject(parent), m_folder(std::move(folder)), m_game(game), m_history(history),
      m_now([] { return QDateTime::currentDateTimeUtc(); })
{
    m_remoteFlush.setSingleShot(true);
    m_remoteFlush.setInterval(GameStateFile::RemoteSaveMs);
    connect(&m_remoteFlush, &QTimer::timeout, this, &GameLog::flush);
    connect(&history, &GameHistory::stepped, this, &GameLog::record);
    connect(&game, &GameModel::clockEnded, this, &GameLog::recordClockEnd);
    connect(&game, &GameModel::setEnded, this, [this](int set, bool final) {
        m_endedSet = {set, final};
    });
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
            // The header carries both teams' rosters: far more than its start.
            const QJsonObject header =
                QJsonDocument::fromJson(file.readLine(GameRecord::MaxLineBytes)).object();
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
    const auto record = newest.isEmpty() ? std::nullopt : GameRecord::read(newest, &why);
    if (!record || record->version != GameRecord::Version) {
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
    // Steps from the network and the console come in bursts: written a moment later, together.
    const bool batched = origin != GameHistory::Origin::Operator;
    const QString who = origin == GameHistory::Origin::Remote    ? QStringLiteral("remote")
                        : origin == GameHistory::Origin::Console ? QStringLiteral("console")
                                                                 : QStringLiteral("operator");
    append(kind, action, text, who, before);
    recordSetEnd(who, before);
    if (batched) {
        if (!m_remoteFlush.isActive())
            m_remoteFlush.start();
    } else {
        flush();
    }
}

void GameLog::recordClockEnd(GameModel::ClockEnd end, const GameState &before)
{
    using End = GameModel::ClockEnd;
    const QString what = end == End::Period      ? tr("Period ended")
                         : end == End::Break     ? tr("Break ended")
                         : end == End::Timeout   ? tr("Timeout ended")
                         : end == End::Zero      ? tr("Clock ran out")
                         : end == End::ShotClock ? tr("Shot clock ran out")
                                                 : tr("Clock stopped at its limit");
    const QString id = end == End::Period      ? QStringLiteral("period.end")
                       : end == End::Break     ? QStringLiteral("break.end")
                       : end == End::Timeout   ? QStringLiteral("timeout.end")
                       : end == End::Zero      ? QStringLiteral("clock.zero")
                       : end == End::ShotClock ? QStringLiteral("shotclock.zero")
                                               : QStringLiteral("clock.limit");
    append(QStringLiteral("clock"), id, what, QStringLiteral("clock"), before);
    flush();
}

// A set's end is a step of its own after the point that ended it, as a
// period's end is, with the set's points that the board no longer shows.
void GameLog::recordSetEnd(const QString &origin, const GameState &before)
{
    const auto ended = std::exchange(m_endedSet, std::nullopt);
    if (!ended)
        return;
    const auto [set, final] = *ended;
    const QList<std::array<int, 2>> &played = m_game.setsPart().state().played;
    if (played.size() < set)
        return;
    const std::array<int, 2> points = played.at(set - 1);
    append(QStringLiteral("set"), final ? QStringLiteral("match.end") : QStringLiteral("set.end"),
           tr("Set %1 ended %2:%3").arg(set).arg(points[0]).arg(points[1]), origin, before, points);
}

void GameLog::append(const QString &kind, const QString &action, const QString &label,
                     const QString &origin, const GameState &before,
                     std::optional<std::array<int, 2>> setScore)
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
    ShotClockPart::logStep(after, e.possession);
    PlayersPart::logStep(before, after, e.playerTeam, e.player);
    e.setScore = setScore;
    // A clock the step stopped was at its stopping value; one that ran on
    // through the step is where it is now.
    e.beforeClockMs = !before.running ? before.clockMs : after.running ? e.clockMs : after.clockMs;
    const QByteArray line = QJsonDocument(e.toJson()).toJson(QJsonDocument::Compact);
    m_pending += line + '\n';
    emit lineAppended(m_file.fileName(), line);
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
    const QString stem =
        now.toString(QStringLiteral("yyyy-MM-dd_HHmm_")) +
        fileNamePart(m_game.side(GameModel::Home).captionOr(m_home), QStringLiteral("Home")) +
        u'-' +
        fileNamePart(m_game.side(GameModel::Guest).captionOr(m_guest), QStringLiteral("Guest"));
    QString path = m_folder + u'/' + stem + QStringLiteral(".jsonl");
    for (int n = 2; QFile::exists(path) && n < 1000; ++n)
        path = m_folder + u'/' + stem + QStringLiteral("-%1.jsonl").arg(n);
    GameRecord header;
    header.version = GameRecord::Version;
    header.started = m_now();
    header.home = m_game.side(GameModel::Home).captionOr(m_home);
    header.guest = m_game.side(GameModel::Guest).captionOr(m_guest);
    for (int side : {GameModel::Home, GameModel::Guest})
        header.teams.at(side) = m_game.side(side).team;
    header.section1 = m_section1;
    header.section2 = m_section2;
    header.periods = m_game.structure().periods;
    header.fouls = m_game.structure().fouls.on;
    const QByteArray headerLine = QJsonDocument(header.headerJson()).toJson(QJsonDocument::Compact);
    m_pending = headerLine + '\n' + m_pending;
    const bool opened = open(path, true);
    emit lineAppended(path, headerLine);
    if (opened) {
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
