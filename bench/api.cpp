// The HTTP API under a burst: 1,000 POSTs from 8 connections at once on
// 127.0.0.1, each waiting for its answer before the next, every action saved
// with its log line before its answer as in the program. Reports the burst's
// time, the round trip from a POST to the answer that carries the changed
// game, the calls paced away (429), and how late the main thread's event
// loop got meanwhile (what the board's clock and keys would feel), against a
// second of quiet before. Every loop is bounded.
#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "game/gamestatefile.h"
#include "game/timesource.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"
#include "web/boardserver.h"
#include "web/livechannel.h"
#include "web/remoteapi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int Requests = 1000;
constexpr int Connections = 8;
constexpr int TickMs = 1;

// The worst lateness of a 1 ms timer on the main thread over `ms`, or until
// `done` says so.
qint64 worstDelayUs(int ms, const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 worst = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(TickMs);
    QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = std::max(worst, (now - last) / 1000 - TickMs * 1000);
        last = now;
        if (clock.elapsed() >= ms || (done && done()))
            QCoreApplication::exit();
    });
    tick.start();
    QCoreApplication::exec();
    return worst;
}

// One connection's share of the burst, in its own thread; round trips in µs.
void client(quint16 port, int index, int count, const QByteArray &token, std::vector<double> &trips,
            std::mutex &lock, std::atomic<int> &failures, std::atomic<int> &paced)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000)) {
        failures += count;
        return;
    }
    static const char *scores[] = {"home/1", "guest/1", "home/2", "guest/2"};
    std::vector<double> mine;
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        const QByteArray body = "{\"set\":" + QByteArray::number((i * 7 + index) % 100) + '}';
        const QByteArray request =
            QByteArray("POST /api/v1/score/") + scores[index % 4] +
            " HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + token +
            "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
        timer.start();
        socket.write(request);
        QByteArray got;
        qsizetype end = -1;
        qint64 length = -1;
        // Bounded: a missing answer gives up after 5 s.
        while (socket.waitForReadyRead(5000)) {
            got += socket.readAll();
            end = got.indexOf("\r\n\r\n");
            if (end >= 0 && length < 0) {
                const qsizetype at = got.indexOf("Content-Length: ");
                length = got.mid(at + 16, got.indexOf('\r', at) - at - 16).toLongLong();
            }
            if (end >= 0 && got.size() >= end + 4 + length)
                break;
        }
        if (got.startsWith("HTTP/1.1 200"))
            mine.push_back(double(timer.nsecsElapsed()) / 1000);
        else if (got.startsWith("HTTP/1.1 429"))
            ++paced;
        else if (!got.startsWith("HTTP/1.1 200"))
            ++failures;
    }
    std::lock_guard guard(lock);
    trips.insert(trips.end(), mine.begin(), mine.end());
}

double at(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[std::min(values.size() - 1, size_t(values.size() * share))];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Settings settings = defaultSettings();
    settings.Api = 1;
    settings.ApiToken = RemoteApi::newToken();
    MonotonicTimeSource time;
    GameModel game(time);
    GameHistory history(game);
    CurrentSettings current(settings);
    LiveChannel live(game, history, current, time);
    RemoteApi api(game, history, current, live, time);
    BoardServer server(live);
    server.setApi(&api);
    QTemporaryDir state;
    GameStateFile file(state.path());
    file.track(game, &history);
    GameLog log(state.path() + QStringLiteral("/games"), game, history);
    QObject::connect(&file, &GameStateFile::saving, &log, &GameLog::flush);
    api.setSaver([&file] { file.saveTracked(); });
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    // The clock runs through it all, as in a game.
    game.startStop();

    const qint64 quietUs = worstDelayUs(1000, {});

    std::vector<double> trips;
    std::mutex lock;
    std::atomic<int> failures = 0;
    std::atomic<int> paced = 0;
    std::atomic<int> finished = 0;
    std::vector<std::thread> threads;
    QElapsedTimer burst;
    burst.start();
    const QByteArray token = settings.ApiToken.toLatin1();
    for (int i = 0; i < Connections; ++i)
        threads.emplace_back([&, i] {
            client(server.port(), i, Requests / Connections, token, trips, lock, failures, paced);
            ++finished;
        });
    // At most a minute, even if a client hangs.
    const qint64 busyUs = worstDelayUs(60 * 1000, [&] { return finished == Connections; });
    const double burstMs = double(burst.nsecsElapsed()) / 1e6;
    for (std::thread &thread : threads)
        thread.join();

    std::printf("api burst: %d POSTs on %d connections in %.0f ms (%.0f a second), %d paced "
                "(429), %d failed\n",
                Requests, Connections, burstMs, Requests * 1000.0 / burstMs, paced.load(),
                failures.load());
    std::printf("POST to the answer with the changed game saved: median %.2f ms, 99%% %.2f ms, "
                "worst %.2f ms\n",
                at(trips, 0.5) / 1000, at(trips, 0.99) / 1000, at(trips, 1.0) / 1000);
    std::printf("main thread's worst event-loop delay: %.2f ms in the burst, %.2f ms quiet\n",
                double(busyUs) / 1000, double(quietUs) / 1000);
    std::printf("undo steps: %d, history entries kept for remotes at most %d\n",
                history.stack().count(), GameHistory::RemoteShare);
    return failures == 0 ? 0 : 1;
}
