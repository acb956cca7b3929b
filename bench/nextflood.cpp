// The board's API through a flood on its `next` topic: 20,000 next games
// published as fast as a client on 127.0.0.1 can, while the clock runs and
// a show-control client polls GET /api/v1/state every 50 ms. Reports the
// polls' round trips (worst must stay under 100 ms), how many were refused,
// how often the board's thread looked at a next game, and how late its
// event loop got. Every loop is bounded.
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/timesource.h"
#include "hall/brokeraddress.h"
#include "hall/courtlink.h"
#include "hall/nextgame.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"
#include "web/boardserver.h"
#include "web/livechannel.h"
#include "web/remoteapi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <mosquitto.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int Messages = 20000;
constexpr int PollMs = 50;
constexpr int LongestRunMs = 120 * 1000;

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// One GET of the state; its round trip in µs, or -1 when it was not a 200.
double poll(quint16 port, const QByteArray &token)
{
    QElapsedTimer timer;
    timer.start();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return -1;
    socket.write("GET /api/v1/state HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + token +
                 "\r\nConnection: close\r\n\r\n");
    QByteArray got;
    while (socket.waitForReadyRead(5000))
        got += socket.readAll();
    return got.startsWith("HTTP/1.1 200") ? double(timer.nsecsElapsed()) / 1000 : -1;
}

// Publishes the flood from a client of its own; `done` once it is all out.
void flood(quint16 port, std::atomic<bool> &done)
{
    mosquitto *client = mosquitto_new(nullptr, true, nullptr);
    if (mosquitto_connect(client, "127.0.0.1", port, 10) == MOSQ_ERR_SUCCESS) {
        mosquitto_loop_start(client);
        for (int i = 1; i <= Messages; ++i) {
            const QByteArray next =
                NextGame{QStringLiteral("10:30"), QStringLiteral("Owls %1").arg(i % 1000),
                         QStringLiteral("Larks"), QStringLiteral("Basketball")}
                    .toMessage();
            // Bounded: a publish the library cannot queue is tried a few times.
            for (int tries = 0; tries < 100; ++tries) {
                if (mosquitto_publish(client, nullptr, "corvella/v1/hall/1/next", int(next.size()),
                                      next.constData(), 0, false) == MOSQ_ERR_SUCCESS)
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        mosquitto_disconnect(client);
        mosquitto_loop_stop(client, false);
    }
    mosquitto_destroy(client);
    done = true;
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
    mosquitto_lib_init();
    QTemporaryDir dir;
    const quint16 brokerPort = freePort();
    QFile conf(dir.filePath(QStringLiteral("mosquitto.conf")));
    if (!conf.open(QIODevice::WriteOnly))
        return 1;
    conf.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\npersistence false\n")
                   .arg(brokerPort)
                   .toUtf8());
    conf.close();
    QProcess broker;
    broker.setStandardErrorFile(QProcess::nullDevice());
    broker.start(QStringLiteral("mosquitto"), {QStringLiteral("-c"), conf.fileName()});
    if (!broker.waitForStarted(5000))
        return 1;

    Settings settings = defaultSettings();
    settings.Api = 1;
    settings.ApiToken = RemoteApi::newToken();
    settings.HallBroker = QStringLiteral("127.0.0.1:%1").arg(brokerPort);
    MonotonicTimeSource time;
    GameModel game(time);
    GameHistory history(game);
    CurrentSettings current(settings);
    LiveChannel live(game, history, current, time);
    RemoteApi api(game, history, current, live, time);
    BoardServer server(live);
    server.setApi(&api);
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 1;
    CourtLink link(*BrokerAddress::from(settings));
    int announced = 0;
    QObject::connect(&link, &CourtLink::nextGameAnnounced, &app, [&] { ++announced; });
    game.startStop();

    // Wait for the link, bounded.
    QElapsedTimer run;
    run.start();
    while (!link.isUp() && run.elapsed() < 15000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (!link.isUp()) {
        std::fprintf(stderr, "the court did not connect to the broker\n");
        return 1;
    }

    std::atomic<bool> flooded = false;
    std::atomic<bool> stop = false;
    std::vector<double> trips;
    std::atomic<int> refused = 0;
    QElapsedTimer floodTime;
    floodTime.start();
    std::atomic<qint64> floodMs = -1;
    std::thread flooder([&] {
        flood(brokerPort, flooded);
        floodMs = floodTime.elapsed();
    });
    const QByteArray token = settings.ApiToken.toLatin1();
    std::thread poller([&] {
        while (!stop) {
            const double us = poll(server.port(), token);
            if (us < 0)
                ++refused;
            else
                trips.push_back(us);
            std::this_thread::sleep_for(std::chrono::milliseconds(PollMs));
        }
    });

    // The board's event loop meanwhile: how late a 1 ms timer gets.
    qint64 worstLateUs = 0;
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    qint64 floodEnd = -1;
    QObject::connect(&tick, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.nsecsElapsed();
        worstLateUs = std::max(worstLateUs, (now - last) / 1000 - 1000);
        last = now;
        if (flooded && floodEnd < 0)
            floodEnd = clock.elapsed();
        // Two more seconds after the flood for the last look, at most two minutes.
        if ((floodEnd >= 0 && clock.elapsed() > floodEnd + 2000) || clock.elapsed() > LongestRunMs)
            QCoreApplication::exit();
    });
    tick.start();
    QCoreApplication::exec();
    stop = true;
    poller.join();
    flooder.join();
    broker.kill();
    broker.waitForFinished(5000);

    std::printf("next flood: %d messages in %lld ms; the board looked %d times, announced %d\n",
                Messages, static_cast<long long>(floodMs.load()), link.nextLooks(), announced);
    std::printf("GET /api/v1/state every %d ms: %zu answered, %d not, median %.2f ms, worst "
                "%.2f ms (target under 100 ms)\n",
                PollMs, trips.size(), refused.load(), at(trips, 0.5) / 1000, at(trips, 1.0) / 1000);
    std::printf("board's worst event-loop delay: %.2f ms\n", double(worstLateUs) / 1000);
    return refused == 0 && at(trips, 1.0) < 100'000 ? 0 : 1;
}
