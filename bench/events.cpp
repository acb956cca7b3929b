// The API's events channel: how soon a button panel hears of a step. A
// client on its own thread POSTs a score 100 times, one at a time, and
// measures from each POST to the step's message on its events socket, with
// every action saved and logged as in the program. Every wait is bounded.
#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "game/gamestatefile.h"
#include "game/timesource.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"
#include "web/boardserver.h"
#include "web/eventschannel.h"
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
#include <thread>
#include <vector>

namespace {

constexpr int Rounds = 100;
constexpr int WaitMs = 5000;

// The next whole frame's payload from a server (whose frames are never
// masked); empty when none came in time.
QByteArray nextFrame(QTcpSocket &socket, QByteArray &buffer)
{
    for (;;) {
        if (buffer.size() >= 2) {
            qint64 length = quint8(buffer[1]) & 0x7f;
            int head = 2;
            if (length == 126 && buffer.size() >= 4) {
                length = (quint8(buffer[2]) << 8) | quint8(buffer[3]);
                head = 4;
            } else if (length == 127 && buffer.size() >= 10) {
                length = 0;
                for (int i = 2; i < 10; ++i)
                    length = (length << 8) | quint8(buffer[i]);
                head = 10;
            }
            if (length < 126 || head > 2) {
                if (buffer.size() >= head + length) {
                    const QByteArray payload = buffer.mid(head, length);
                    buffer.remove(0, head + length);
                    return payload;
                }
            }
        }
        if (!socket.waitForReadyRead(WaitMs))
            return {};
        buffer += socket.readAll();
    }
}

// Reads one HTTP answer with its body; false when it did not come.
bool readAnswer(QTcpSocket &socket)
{
    QByteArray got;
    while (socket.waitForReadyRead(WaitMs)) {
        got += socket.readAll();
        const qsizetype end = got.indexOf("\r\n\r\n");
        if (end < 0)
            continue;
        const qsizetype at = got.indexOf("Content-Length: ");
        const qint64 length = got.mid(at + 16, got.indexOf('\r', at) - at - 16).toLongLong();
        if (got.size() >= end + 4 + length)
            return got.startsWith("HTTP/1.1 200");
    }
    return false;
}

void client(quint16 port, const QByteArray &token, std::vector<double> &delays,
            std::atomic<int> &failures)
{
    QTcpSocket events;
    events.connectToHost(QHostAddress::LocalHost, port);
    QTcpSocket calls;
    calls.connectToHost(QHostAddress::LocalHost, port);
    if (!events.waitForConnected(WaitMs) || !calls.waitForConnected(WaitMs)) {
        failures += Rounds;
        return;
    }
    events.write("GET /api/v1/events HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n"
                 "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                 "Sec-WebSocket-Version: 13\r\nAuthorization: Bearer " +
                 token + "\r\n\r\n");
    QByteArray buffer;
    while (!buffer.contains("\r\n\r\n") && events.waitForReadyRead(WaitMs))
        buffer += events.readAll();
    if (!buffer.startsWith("HTTP/1.1 101")) {
        failures += Rounds;
        return;
    }
    buffer.remove(0, buffer.indexOf("\r\n\r\n") + 4);
    if (!nextFrame(events, buffer).contains("\"state\"")) {
        failures += Rounds;
        return;
    }
    QElapsedTimer timer;
    for (int i = 0; i < Rounds; ++i) {
        // Always a change: a score set to what it is makes no step.
        const QByteArray body = "{\"set\":" + QByteArray::number(1 + i % 2) + '}';
        timer.start();
        calls.write("POST /api/v1/score/home/1 HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                    "Authorization: Bearer " +
                    token + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" +
                    body);
        // Without an event loop here, the request leaves only when asked to.
        calls.waitForBytesWritten(WaitMs);
        bool stepped = false;
        // The running clock's states come between; a step missing for
        // longer than a wait is a failure.
        for (QByteArray frame = nextFrame(events, buffer);
             !frame.isEmpty() && timer.elapsed() < WaitMs; frame = nextFrame(events, buffer)) {
            if (frame.contains("\"type\":\"step\"")) {
                delays.push_back(double(timer.nsecsElapsed()) / 1e6);
                stepped = true;
                break;
            }
        }
        if (!stepped || !readAnswer(calls))
            ++failures;
    }
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
    EventsChannel events(api, game, current);
    BoardServer server(live);
    server.setApi(&api);
    server.setEvents(&events);
    QTemporaryDir state;
    GameStateFile file(state.path());
    file.track(game, &history);
    GameLog log(state.path() + QStringLiteral("/games"), game, history);
    events.followLog(&log);
    QObject::connect(&file, &GameStateFile::saving, &log, &GameLog::flush);
    api.setSaver([&file] { file.saveTracked(); });
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    // The clock runs through it all, as in a game: states go out meanwhile.
    game.startStop();

    std::vector<double> delays;
    std::atomic<int> failures = 0;
    std::atomic<bool> finished = false;
    std::thread thread([&] {
        client(server.port(), settings.ApiToken.toLatin1(), delays, failures);
        finished = true;
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&] {
        if (finished)
            QCoreApplication::exit();
    });
    watch.start(10);
    QTimer::singleShot(120 * 1000, &app, [] { QCoreApplication::exit(); });
    QCoreApplication::exec();
    thread.join();

    std::printf("events: POST to its step on the events channel, %zu of %d: median %.2f ms, "
                "90%% %.2f ms, worst %.2f ms; %d failed\n",
                delays.size(), Rounds, at(delays, 0.5), at(delays, 0.9), at(delays, 1.0),
                failures.load());
    // Nothing measured is no answer either way.
    const bool fast = !delays.empty() && at(delays, 0.5) <= 20.0;
    std::printf("median within 20 ms: %s\n", fast ? "yes" : "no");
    return failures == 0 && fast ? 0 : 1;
}
