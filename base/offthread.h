#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <memory>
#include <utility>

// Runs `work` on a worker thread and returns its result. Called on the
// user-interface thread, it keeps that thread's timers and painting going
// meanwhile; input waits until the work is done, so that nothing can start
// the same work a second time.
template <typename Work> auto runOffThread(Work work)
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return work();
    decltype(work()) result{};
    const std::unique_ptr<QThread> worker(QThread::create([&result, &work] { result = work(); }));
    QEventLoop waiting;
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return result;
}
