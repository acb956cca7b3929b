// The game log: one step appended and synced, a long game printed, a
// 200,000-step game exported to JSON (peak memory) and served as
// /report.json (the serving thread's worst wait).
// Usage: bench_gamelog [FOLDER] (default: a new folder here, so the sync
// goes to a real disk rather than a tmpfs /tmp).
#include "game/gamelog.h"
#include "app/export.h"
#include "game/gamehistory.h"
#include "game/timesource.h"

#include "web/httpfront.h"
#include "web/reportpage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace {

class StillTime : public TimeSource
{
public:
    qint64 now = 0;
    qint64 elapsedMs() const override { return now; }
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

long peakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A long game made of a short one's steps over and over.
QString longLog(const QString &shortLog, const QString &folder, int steps)
{
    QFile in(shortLog);
    in.open(QIODevice::ReadOnly);
    const QByteArray header = in.readLine();
    QList<QByteArray> lines;
    while (!in.atEnd())
        lines << in.readLine();
    const QString path = folder + QStringLiteral("/long.jsonl");
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(header);
    for (int i = 0; i < steps; ++i)
        out.write(lines.at(i % lines.size()));
    return path;
}

// Fetches /report.json from a server on this thread and returns the worst
// gap between the ticks of a 10 ms timer meanwhile.
double worstWaitServingReport(const QString &folder, qint64 *bytes)
{
    HttpFront server;
    server.setHandler([folder](const HttpFront::Request &request) {
        return reportLater(request, folder).value_or(HttpFront::Answer{404, {}, {}, {}, {}});
    });
    server.listen(QHostAddress::LocalHost, 0);
    QElapsedTimer sinceTick;
    double worst = 0;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worst = std::max(worst, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.start();
    });
    // The client reads on a thread of its own, so that only the server's
    // work counts.
    std::atomic<bool> done = false;
    std::atomic<qint64> got = 0;
    std::thread client([port = server.serverPort(), &done, &got] {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.waitForConnected(5000);
        socket.write("GET /report.json HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
        while (socket.waitForReadyRead(60'000))
            got += socket.readAll().size();
        done = true;
    });
    sinceTick.start();
    tick.start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    client.join();
    *bytes = got;
    return worst;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/log-XXXXXX")
                                  : QDir::currentPath() + QStringLiteral("/bench-gamelog-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "bench_gamelog: cannot make a folder\n");
        return 1;
    }
    StillTime time;
    GameModel game(time);
    game.setStructure({4, {}, 0});
    GameHistory history(game);
    GameLog log(folder.path(), game, history);
    log.setCaptions(QStringLiteral("Home"), QStringLiteral("Guest"), QString(), QString());
    log.begin(false);

    QList<double> appendMs;
    QElapsedTimer timer;
    for (int i = 0; i < 2000; ++i) {
        time.now += 1500;
        const int which = i % GameModel::ScoreCount;
        timer.start();
        if (i % 500 == 499)
            history.perform(QStringLiteral("Next period"), [](GameModel &g) { g.nextPeriod(); });
        else
            history.perform(QStringLiteral("Score"),
                            [=](GameModel &g) { g.setScore(which, (i / 4) % 100); });
        appendMs << timer.nsecsElapsed() / 1e6;
    }
    std::printf("append one step and sync, 2000 steps: median %.3f ms, max %.3f ms (target: "
                "median < 5 ms)\n",
                median(appendMs), *std::max_element(appendMs.begin(), appendMs.end()));

    QList<double> pdfMs;
    qsizetype bytes = 0;
    for (int run = 0; run < 5; ++run) {
        timer.start();
        const auto record = GameRecord::read(log.currentPath());
        bytes = gamePdf(*record).size();
        pdfMs << timer.nsecsElapsed() / 1e6;
    }
    std::printf("read a 2000-step log and print it to PDF (%lld bytes), 5 runs: median %.1f ms, "
                "max %.1f ms (target: < 500 ms)\n",
                static_cast<long long>(bytes), median(pdfMs),
                *std::max_element(pdfMs.begin(), pdfMs.end()));

    const QString longPath = longLog(log.currentPath(), folder.path(), 200'000);
    const long before = peakResidentKb();
    timer.start();
    const QString why = exportLog(longPath, folder.path() + QStringLiteral("/long.json"));
    std::printf("export a 200000-step log (%lld MB) to JSON: %.0f ms, peak resident memory %ld "
                "MB (was %ld MB before; target: < 100 MB) %s\n",
                static_cast<long long>(QFileInfo(longPath).size() >> 20),
                timer.nsecsElapsed() / 1e6, peakResidentKb() >> 10, before >> 10, qPrintable(why));

    QTemporaryDir served(folder.path() + QStringLiteral("/served-XXXXXX"));
    QFile::rename(longPath, served.path() + QStringLiteral("/long.jsonl"));
    qint64 reportBytes = 0;
    timer.start();
    const double worst = worstWaitServingReport(served.path(), &reportBytes);
    std::printf("/report.json of the 200000-step game (%lld MB) in %.0f ms; the serving thread's "
                "worst wait meanwhile %.1f ms (target: < 100 ms)\n",
                static_cast<long long>(reportBytes >> 20), timer.nsecsElapsed() / 1e6, worst);
    return 0;
}
