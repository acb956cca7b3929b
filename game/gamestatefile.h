#pragma once

#include "game/gamehistory.h"
#include "game/gamemodel.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class DiskWriter;

// A game as it is kept on disk: what the board showed, with the clock stopped.
struct SavedGame
{
    std::array<std::optional<int>, 4> scores{};
    qint64 clockMs = 0;
    bool faceBlank = false;
    qint16 enteredSeconds = 0;
    bool countDown = false;
    qint64 periodMs = GameModel::DefaultPeriodMs;
    int period = 1;
    GamePhase phase = GamePhase::Play;
    GameModel::TimeoutCounts timeoutsTaken{};
    // The timeout running at the save and what was left of it; it comes back
    // held, as the clock comes back stopped.
    std::optional<GameModel::Team> timeout;
    qint64 timeoutMs = 0;
    // Kept only with the shot clock on; it comes back stopped.
    std::optional<ShotClockState> shotClock;
    Possession possession = Possession::None;
    // Kept only with sets on.
    std::optional<SetsState> sets;
    GameSides sides;
    // With the players on; the penalties come back stopped.
    PlayerTally players;
    PenaltyClocks penalties;

    static SavedGame of(const GameModel &game);
    // The game as a stopped clock with these scores.
    GameState toState() const;
    // A board nobody has played on: every score 0 or blank, the clock at its
    // reset value, in the first period.
    bool isFresh() const;

    bool operator==(const SavedGame &) const = default;
};

// Keeps the game on disk so that a crash, a power cut or an accidental close
// loses nothing. Every change is written before the next key is handled, and
// a running clock once a second. Each write replaces one of a few generations
// atomically, so a damaged newest file falls back to the one before. With a
// writer, tracked saves are synced on its thread while the board paints; the
// writer's owner waits for them before it acts on the next key.
class GameStateFile : public QObject
{
    Q_OBJECT

public:
    static constexpr int Version = 1;
    static constexpr int Generations = 3;
    // No saved game is anywhere near this; anything larger is not ours.
    static constexpr qint64 MaxFileBytes = 64 * 1024;
    static constexpr int RunningSaveMs = 1000;
    // How long the changes of a burst of remote actions wait to be saved together.
    static constexpr int RemoteSaveMs = 20;
    // The highest sequence number read or written; past it, numbering starts over.
    static constexpr qint64 MaxSequence = qint64(1) << 50;

    explicit GameStateFile(QString folder, QObject *parent = nullptr);
    ~GameStateFile() override;

    // $XDG_STATE_HOME/Corvella, by default ~/.local/state/Corvella.
    static QString defaultFolder();

    // The newest generation that reads back whole, if any.
    std::optional<SavedGame> load();
    // Writes `game` as the newest generation, and waits for it. Returns
    // false, with the reason in lastError(), when it could not be written.
    bool save(const SavedGame &game);
    QString lastError() const { return m_lastError; }
    // Hands the writes to `writer` (which outlives this), or does them here
    // when it is null, as without one.
    void setWriter(DiskWriter *writer) { m_writer = writer; }
    // Whether the last write went through.
    bool isSaving() const { return !m_failing; }

    // Saves `game` at every change, and every second while its clock or a
    // timeout runs.
    // Changes from remotes (told by `history`) are saved together once the
    // burst they came in has been handled: a flood costs one write, while
    // every operator's key is on disk before the next.
    void track(GameModel &game, GameHistory *history = nullptr);
    // Saves the tracked game now, with what waits to go with it, instead of
    // with the next burst.
    void saveTracked();

signals:
    // Saving has failed, after working (or from the start).
    void savingFailed(const QString &reason);
    // Saving works again after a failure.
    void savingRecovered();
    // A tracked save is about to be written: what goes on disk with it goes now.
    void saving();

private:
    struct Disk;
    // Hands `game` over to be written.
    void write(const SavedGame &game);
    void wrote(const QString &problem);
    void waitForWrites();

    // Touched only by the writes, one after the other, and after waitForWrites().
    std::shared_ptr<Disk> m_disk;
    DiskWriter *m_writer = nullptr;
    bool m_failing = false;
    QString m_lastError;
    GameModel *m_tracked = nullptr;
    QTimer m_runningSave;
    QTimer m_remoteSave;
    bool m_remoteActing = false;
};
