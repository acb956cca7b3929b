#include "base/diskwriter.h"

DiskWriter::DiskWriter(QObject *parent)
    : QObject(parent), m_thread(QThread::create([this] { work(); }))
{
    m_thread->setObjectName(QStringLiteral("disk writer"));
    m_thread->start();
}

DiskWriter::~DiskWriter()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_changed.wakeAll();
    }
    m_thread->wait();
}

void DiskWriter::run(DiskWriter *writer, Write write, Done done)
{
    if (writer) {
        writer->submit(std::move(write), std::move(done));
        return;
    }
    const QString problem = write();
    done(problem);
}

void DiskWriter::submit(Write write, Done done)
{
    QMutexLocker lock(&m_mutex);
    m_jobs.push_back({std::move(write), std::move(done), std::nullopt});
    m_changed.wakeAll();
}

bool DiskWriter::isBusy() const
{
    QMutexLocker lock(&m_mutex);
    return !m_jobs.empty();
}

void DiskWriter::finish()
{
    {
        QMutexLocker lock(&m_mutex);
        while (m_written < m_jobs.size())
            m_changed.wait(&m_mutex);
    }
    deliver();
}

// Called back in order, outside the lock: a callback may hand over more.
void DiskWriter::deliver()
{
    for (;;) {
        Job job;
        {
            QMutexLocker lock(&m_mutex);
            if (m_jobs.empty() || !m_jobs.front().problem)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
            --m_written;
        }
        job.done(*job.problem);
    }
}

void DiskWriter::work()
{
    QMutexLocker lock(&m_mutex);
    for (;;) {
        if (m_written == m_jobs.size()) {
            if (m_stopping)
                return;
            m_changed.wait(&m_mutex);
            continue;
        }
        const Write write = m_jobs.at(m_written).write;
        lock.unlock();
        const QString problem = write();
        lock.relock();
        // Only written jobs leave, from the front, taking m_written down
        // with them: it still points at this one.
        m_jobs.at(m_written).problem = problem;
        ++m_written;
        m_changed.wakeAll();
        if (!m_stopping)
            QMetaObject::invokeMethod(
                this, [this] { deliver(); }, Qt::QueuedConnection);
    }
}
