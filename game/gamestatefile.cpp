#include "game/gamestatefile.h"

#include "base/diskwriter.h"
#include "base/foldersync.h"
#include "game/jsonnumber.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QLatin1StringView Format("corvella-game");

struct Generation
{
    qint64 sequence = -1;
    SavedGame game;
};

QJsonValue scoreJson(std::optional<int> score)
{
    return score ? QJsonValue(*score) : QJsonValue(QJsonValue::Null);
}

QJsonArray timeoutsJson(const GameModel::TimeoutCounts &taken)
{
    QJsonArray teams;
    for (const auto &halves : taken)
        teams.append(QJsonArray{halves.at(0), halves.at(1)});
    return teams;
}

// [[home first half, home second half], [guest ...]]; nothing when it is not.
std::optional<GameModel::TimeoutCounts> timeoutsFrom(const QJsonValue &value);

const char *const TeamKeys[] = {"home", "guest"};

// {"team": "home", "ms": 41200}: whose timeout, and what was left of it.
QJsonObject timeoutJson(GameModel::Team team, qint64 ms)
{
    return {{QStringLiteral("team"), QLatin1StringView(TeamKeys[team])},
            {QStringLiteral("ms"), ms}};
}

bool readTimeout(const QJsonValue &value, SavedGame &into)
{
    const QJsonObject o = value.toObject();
    const QString team = o.value(QStringLiteral("team")).toString();
    const auto ms = jsonIntegerIn(o.value(QStringLiteral("ms")), 0, GameModel::LimitMs);
    if (!ms || (team != QLatin1StringView(TeamKeys[0]) && team != QLatin1StringView(TeamKeys[1])))
        return false;
    into.timeout = team == QLatin1StringView(TeamKeys[0]) ? GameModel::Home : GameModel::Guest;
    into.timeoutMs = *ms;
    return true;
}

QByteArray toJson(const SavedGame &game, qint64 sequence)
{
    QJsonArray scores;
    for (const std::optional<int> &score : game.scores)
        scores.append(scoreJson(score));
    QJsonObject object{{QStringLiteral("format"), Format},
                       {QStringLiteral("version"), GameStateFile::Version},
                       {QStringLiteral("sequence"), sequence},
                       {QStringLiteral("scores"), scores},
                       {QStringLiteral("clockMs"), game.clockMs},
                       {QStringLiteral("faceBlank"), game.faceBlank},
                       {QStringLiteral("enteredSeconds"), game.enteredSeconds},
                       {QStringLiteral("countDown"), game.countDown},
                       {QStringLiteral("periodMs"), game.periodMs},
                       {QStringLiteral("period"), game.period},
                       {QStringLiteral("phase"), gamePhaseName(game.phase)},
                       {QStringLiteral("timeoutsTaken"), timeoutsJson(game.timeoutsTaken)}};
    if (game.timeout)
        object.insert(QStringLiteral("timeout"), timeoutJson(*game.timeout, game.timeoutMs));
    ShotClockPart::writeSaved(game.shotClock, game.possession, object);
    SetsPart::writeSaved(game.sets, object);
    if (game.sides != GameSides{})
        object.insert(QStringLiteral("sides"), sidesJson(game.sides));
    PlayersPart::writeSaved(game.players, game.penalties, object);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<GameModel::TimeoutCounts> timeoutsFrom(const QJsonValue &value)
{
    GameModel::TimeoutCounts taken{};
    const QJsonArray teams = value.toArray();
    if (teams.size() != 2)
        return std::nullopt;
    for (int team = 0; team < 2; ++team) {
        const QJsonArray halves = teams.at(team).toArray();
        if (halves.size() != 2)
            return std::nullopt;
        for (int half = 0; half < 2; ++half) {
            const auto count = jsonIntegerIn(halves.at(half), 0, 99);
            if (!count)
                return std::nullopt;
            taken.at(team).at(half) = static_cast<int>(*count);
        }
    }
    return taken;
}

// Reads one generation, trusting nothing in it.
std::optional<Generation> parseGeneration(const QByteArray &bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    if (o.value(QStringLiteral("format")).toString() != Format)
        return std::nullopt;
    if (o.value(QStringLiteral("version")).toInt(-1) != GameStateFile::Version)
        return std::nullopt;

    Generation g;
    const auto sequence =
        jsonIntegerIn(o.value(QStringLiteral("sequence")), 0, GameStateFile::MaxSequence);
    const auto clock = jsonIntegerIn(o.value(QStringLiteral("clockMs")), 0, GameModel::LimitMs);
    const auto period = jsonIntegerIn(o.value(QStringLiteral("periodMs")), 0, GameModel::LimitMs);
    const auto entered = jsonIntegerIn(o.value(QStringLiteral("enteredSeconds")), 0, 5999);
    const QJsonValue blank = o.value(QStringLiteral("faceBlank"));
    const QJsonValue down = o.value(QStringLiteral("countDown"));
    const QJsonArray scores = o.value(QStringLiteral("scores")).toArray();
    if (!sequence || !clock || !period || !entered || !blank.isBool() || !down.isBool() ||
        scores.size() != GameModel::ScoreCount)
        return std::nullopt;
    for (int i = 0; i < GameModel::ScoreCount; ++i) {
        if (scores.at(i).isNull())
            continue;
        const auto score = jsonIntegerIn(scores.at(i), GameModel::ScoreMin, GameModel::ScoreMax);
        if (!score)
            return std::nullopt;
        g.game.scores.at(i) = static_cast<int>(*score);
    }
    // Files from before periods have neither: the first period, in play.
    const QJsonValue periodNumber = o.value(QStringLiteral("period"));
    const QJsonValue phase = o.value(QStringLiteral("phase"));
    if (!periodNumber.isUndefined()) {
        const auto number = jsonIntegerIn(periodNumber, 1, 1000);
        if (!number)
            return std::nullopt;
        g.game.period = static_cast<int>(*number);
    }
    if (!phase.isUndefined()) {
        const std::optional<GamePhase> named = gamePhaseNamed(phase.toString());
        if (!named)
            return std::nullopt;
        g.game.phase = *named;
    }
    // Files from before timeouts have none taken.
    if (const QJsonValue taken = o.value(QStringLiteral("timeoutsTaken")); !taken.isUndefined()) {
        const auto counts = timeoutsFrom(taken);
        if (!counts)
            return std::nullopt;
        g.game.timeoutsTaken = *counts;
    }
    // Files from before a running timeout was kept, or saved without one, have none.
    if (const QJsonValue timeout = o.value(QStringLiteral("timeout"));
        !timeout.isUndefined() && !readTimeout(timeout, g.game))
        return std::nullopt;
    if (!ShotClockPart::readSaved(o, g.game.shotClock, g.game.possession) ||
        !SetsPart::readSaved(o, g.game.sets) ||
        !PlayersPart::readSaved(o, g.game.players, g.game.penalties))
        return std::nullopt;
    // Files from before teams, or of a game without any, have the board's captions.
    if (const QJsonValue sides = o.value(QStringLiteral("sides")); !sides.isUndefined()) {
        const std::optional<GameSides> read = sidesFromJson(sides);
        if (!read)
            return std::nullopt;
        g.game.sides = *read;
    }
    g.sequence = *sequence;
    g.game.clockMs = *clock;
    g.game.periodMs = *period;
    g.game.enteredSeconds = static_cast<qint16>(*entered);
    g.game.faceBlank = blank.toBool();
    g.game.countDown = down.toBool();
    return g;
}

std::optional<Generation> readGeneration(const QString &path)
{
    // Only small regular files: a FIFO would block, a huge file is not ours.
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    if (!info.isFile() || info.size() > GameStateFile::MaxFileBytes) {
        std::fprintf(stderr, "corvella: ignoring the saved game %s: not a small regular file\n",
                     qPrintable(path));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "corvella: ignoring the saved game %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return std::nullopt;
    }
    auto generation = parseGeneration(file.read(GameStateFile::MaxFileBytes));
    if (!generation)
        std::fprintf(stderr, "corvella: ignoring the damaged saved game %s\n", qPrintable(path));
    return generation;
}

} // namespace

SavedGame SavedGame::of(const GameModel &game)
{
    SavedGame saved;
    for (int i = 0; i < GameModel::ScoreCount; ++i)
        saved.scores.at(i) = game.score(i);
    saved.clockMs = game.clockMs();
    saved.faceBlank = game.isFaceBlank();
    saved.enteredSeconds = game.enteredSeconds();
    saved.countDown = game.countsDown();
    saved.periodMs = game.periodMs();
    saved.period = game.period();
    saved.phase = game.phase();
    saved.timeoutsTaken = game.timeoutsTaken();
    saved.timeout = game.timeoutTeam();
    saved.timeoutMs = game.timeoutLeftMs();
    saved.sides = game.sides();
    if (game.hasShotClock()) {
        ShotClockState shot = game.shotClockPart().state();
        shot.ms = game.shotClockPart().ms();
        shot.running = false;
        shot.runStartMs = 0;
        saved.shotClock = shot;
        saved.possession = game.shotClockPart().possession();
    }
    saved.players = game.playersPart().tally();
    saved.penalties = game.playersPart().penalties().stoppedAt(game.state().takenAtMs);
    if (game.playsSets())
        saved.sets = game.setsPart().state();
    return saved;
}

GameState SavedGame::toState() const
{
    GameState state;
    state.scores = scores;
    state.clockMs = clockMs;
    state.faceBlank = faceBlank;
    state.enteredSeconds = enteredSeconds;
    state.period = period;
    state.phase = phase;
    state.timeoutsTaken = timeoutsTaken;
    if (timeout) {
        state.timeoutTeam = *timeout;
        state.timeoutMs = timeoutMs;
        state.timeoutHeld = true;
    }
    state.shotClock = shotClock.value_or(ShotClockState{});
    state.possession = possession;
    state.players = players;
    state.penalties = penalties;
    state.sets = sets.value_or(SetsState{});
    return state;
}

bool SavedGame::isFresh() const
{
    const bool scoresUntouched = std::all_of(
        scores.begin(), scores.end(), [](std::optional<int> s) { return s.value_or(0) == 0; });
    return scoresUntouched && clockMs == (countDown ? periodMs : 0) && period == 1 &&
           phase == GamePhase::Play && timeoutsTaken == GameModel::TimeoutCounts{} && !timeout &&
           possession == Possession::None && players == PlayerTally{} && penalties.isEmpty() &&
           sets.value_or(SetsState{}) == SetsState{};
}

// Where the generations go and the number of the next one.
struct GameStateFile::Disk
{
    QString folder;
    qint64 sequence = 0;

    QString generationPath(qint64 number) const
    {
        return folder + QStringLiteral("/game-%1.json").arg(number % Generations);
    }
    QString write(const SavedGame &game);
};

GameStateFile::GameStateFile(QString folder, QObject *parent)
    : QObject(parent), m_disk(std::make_shared<Disk>(Disk{std::move(folder)}))
{
    m_runningSave.setInterval(RunningSaveMs);
    connect(&m_runningSave, &QTimer::timeout, this, &GameStateFile::saveTracked);
    m_remoteSave.setSingleShot(true);
    m_remoteSave.setInterval(RemoteSaveMs);
    connect(&m_remoteSave, &QTimer::timeout, this, &GameStateFile::saveTracked);
}

QString GameStateFile::defaultFolder()
{
    // Qt 6.4 has no standard location for state.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/Corvella");
}

GameStateFile::~GameStateFile() = default;

void GameStateFile::waitForWrites()
{
    if (m_writer)
        m_writer->finish();
}

std::optional<SavedGame> GameStateFile::load()
{
    waitForWrites();
    std::optional<Generation> newest;
    for (int slot = 0; slot < Generations; ++slot) {
        const auto generation = readGeneration(m_disk->generationPath(slot));
        if (generation && (!newest || generation->sequence > newest->sequence))
            newest = generation;
    }
    if (!newest)
        return std::nullopt;
    // Carry on after the newest, so it is the last to be overwritten.
    m_disk->sequence = newest->sequence + 1;
    return newest->game;
}

// Writes the whole file under a fresh name in the folder, then renames it over
// `path`: whatever is at `path` (a link, a FIFO, a damaged file) is replaced,
// never written through. Returns why not, or nothing.
QString replaceFile(const QString &folder, const QString &path, const QByteArray &bytes)
{
    QTemporaryFile file(folder + QStringLiteral("/.game-XXXXXX"));
    if (!file.open())
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
        return QCoreApplication::translate("GameStateFile", "the disk may be full");
    if (::rename(QFile::encodeName(file.fileName()).constData(),
                 QFile::encodeName(path).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    file.setAutoRemove(false);
    return {};
}

// On the writer's thread, or here without one.
QString GameStateFile::Disk::write(const SavedGame &game)
{
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("GameStateFile", "cannot create %1").arg(folder);
    if (sequence > MaxSequence) {
        // Numbered afresh from 0, every slot rewritten, so no older slot keeps
        // a higher number than the newest.
        sequence = 0;
        for (int slot = 0; slot < Generations; ++slot)
            replaceFile(folder, generationPath(sequence + slot), toJson(game, sequence + slot));
        sequence = Generations - 1;
    }
    // A slot that cannot be replaced (a folder in its place, say) is passed
    // over for the next; saving fails only when no slot can be written.
    QString problem;
    for (int tries = 0; tries < Generations; ++tries, ++sequence) {
        problem = replaceFile(folder, generationPath(sequence), toJson(game, sequence));
        if (problem.isEmpty())
            break;
    }
    if (!problem.isEmpty())
        return problem;
    syncFolder(folder);
    ++sequence;
    return {};
}

void GameStateFile::write(const SavedGame &game)
{
    DiskWriter::run(
        m_writer, [disk = m_disk, game] { return disk->write(game); },
        [self = QPointer<GameStateFile>(this)](const QString &problem) {
            if (self)
                self->wrote(problem);
        });
}

bool GameStateFile::save(const SavedGame &game)
{
    write(game);
    waitForWrites();
    return m_lastError.isEmpty();
}

void GameStateFile::wrote(const QString &problem)
{
    m_lastError = problem;
    if (problem.isEmpty() == !m_failing)
        return;
    m_failing = !problem.isEmpty();
    if (m_failing)
        emit savingFailed(problem);
    else
        emit savingRecovered();
}

void GameStateFile::track(GameModel &game, GameHistory *history)
{
    m_tracked = &game;
    if (history) {
        connect(history, &GameHistory::performing, this, [this](GameHistory::Origin origin) {
            m_remoteActing = origin == GameHistory::Origin::Remote;
        });
        connect(history, &GameHistory::performed, this, [this] { m_remoteActing = false; });
    }
    connect(&game, &GameModel::changed, this, [this] {
        // Started once per burst, so a steady flood still saves every few ms.
        if (!m_remoteActing)
            saveTracked();
        else if (!m_remoteSave.isActive())
            m_remoteSave.start();
        // A timeout runs with the game clock stopped: what is left of it is
        // kept as the clock's value is.
        const bool timeoutRuns = m_tracked->timeoutTeam() && !m_tracked->isTimeoutHeld();
        if (m_tracked->isRunning() || timeoutRuns)
            m_runningSave.start();
        else
            m_runningSave.stop();
    });
}

void GameStateFile::saveTracked()
{
    m_remoteSave.stop();
    emit saving();
    if (m_tracked)
        write(SavedGame::of(*m_tracked));
}
