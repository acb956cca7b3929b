#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

// Writes to disk on a thread of its own, one write after the other in the
// order they were handed over, so that the board paints while its files are
// synced. A write is a function run on that thread; what it returns (empty
// when it went well, else why not) comes back to `done` on the thread that
// handed it over. Writes share nothing with their owner but what they
// captured by value.
class DiskWriter : public QObject
{
    Q_OBJECT

public:
    using Write = std::function<QString()>;
    using Done = std::function<void(const QString &problem)>;

    explicit DiskWriter(QObject *parent = nullptr);
    // Finishes every write handed over, without calling back.
    ~DiskWriter() override;

    // Queues `write`; `done` is called with its outcome once it has run,
    // from the event loop or from finish(), whichever comes first.
    void submit(Write write, Done done);
    // Waits until every write handed over so far is on disk, then calls back
    // for each of them. Returns at once when nothing is waiting.
    void finish();
    // Whether a write handed over has not been called back yet.
    bool isBusy() const;

    // Hands `write` to `writer`, or runs it here and now without one.
    static void run(DiskWriter *writer, Write write, Done done);

private:
    struct Job
    {
        Write write;
        Done done;
        std::optional<QString> problem; // set once written
    };

    void work();
    void deliver();

    std::unique_ptr<QThread> m_thread;
    mutable QMutex m_mutex;
    QWaitCondition m_changed;
    std::deque<Job> m_jobs;    // in order, the written ones first
    std::size_t m_written = 0; // how many of m_jobs are written
    bool m_stopping = false;
};
