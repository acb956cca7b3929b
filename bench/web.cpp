// The board on the network, measured: a change on the desktop to the change
// in a browser page, the browser's clock face against the desktop's, and the
// program's CPU with 100 connected pages while the clock runs. Everything on
// 127.0.0.1; every loop is bounded.
#include "display/controls.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/timesource.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/currentsettings.h"
#include "tests/support/fakes.h"
#include "tests/web/devtools.h"
#include "web/boardserver.h"
#include "web/livechannel.h"
#include "web/pagelinks.h"

#include <QApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QTimer>
#include <QWebSocket>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// N pages in another process, reading everything they are sent.
int runClients(int count, const QUrl &url, int seconds)
{
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    for (int i = 0; i < count; ++i) {
        sockets.push_back(std::make_unique<QWebSocket>());
        sockets.back()->open(url);
    }
    QTest::qWait(seconds * 1000);
    return 0;
}

struct Served
{
    MonotonicTimeSource time;
    FakeServices fakes;
    GameModel game{time};
    GameHistory history{game};
    CurrentSettings settings{defaultSettings()};
    LiveChannel live{game, history, settings, time};
    BoardServer server{live};
    std::unique_ptr<ScoreBoardWindow> board;

    Served()
    {
        // A hundred pages from one address: more than a hall's phones may open.
        server.setConnectionLimits(256, 256);
        server.listen(QHostAddress::LocalHost, 0);
        board = std::make_unique<ScoreBoardWindow>(game, history, settings.value(), fakes.dialogs);
        board->show();
    }
    QUrl url(const QString &path) const
    {
        return QUrl(u"http://127.0.0.1:%1%2"_s.arg(server.port()).arg(path));
    }
};

double cpuPercentOver(int seconds)
{
    const double before = cpuSeconds();
    // The program's own kind of loop, which sleeps until something is due
    // (QTest::qWait would wake every 10 ms and poll every socket each time).
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return (cpuSeconds() - before) / seconds * 100;
}

void measureCpu(Served &served, int seconds)
{
    served.game.startStop();
    const double idleClients = cpuPercentOver(seconds);
    QProcess clients;
    QUrl live = served.url(PageLinks::Path);
    live.setScheme(u"ws"_s);
    clients.start(QCoreApplication::applicationFilePath(),
                  {u"clients"_s, u"100"_s, live.toString(), QString::number(seconds + 4)});
    static_cast<void>(QTest::qWaitFor([&] { return served.live.clientCount() == 100; }, 10000));
    const double withClients = cpuPercentOver(seconds);
    const int connected = served.live.clientCount();
    clients.waitForFinished(20000);
    served.game.startStop();
    std::printf("cpu_0_clients_percent %.2f\ncpu_100_clients_percent %.2f\nclients_connected %d\n",
                idleClients, withClients, connected);
}

void turnShotClock(Served &served, bool on)
{
    ShotClockRules rules;
    rules.enabled = on;
    served.game.shotClockPart().setRules(rules);
}

// The shot clock under five seconds, where both faces show its tenths.
void shotClockTo(Served &served, qint64 ms)
{
    GameState state = served.game.state();
    state.shotClock.ms = ms;
    state.shotClock.runStartMs = state.takenAtMs;
    served.game.restore(state);
}

// The shot clock's page against the board: each sample the page's face
// (seconds and tenths) between the board's tenth just before and just after.
void measureShotClockPage(Served &served, HeadlessChromium &browser)
{
    turnShotClock(served, true);
    browser.navigate(served.url(u"/shotclock"_s));
    static_cast<void>(QTest::qWaitFor(
        [&] { return browser.evaluate(u"document.getElementById('status').hidden"_s).toBool(); },
        10000));
    served.game.startStop();
    shotClockTo(served, 4'900);
    const auto boardTenth = [&] { return (served.game.shotClockPart().ms() + 99) / 100; };
    int same = 0, apart = 0, further = 0;
    for (int i = 0; i < 100; ++i) {
        // Kept between one and five seconds: no flashing zero, always tenths.
        if (served.game.shotClockPart().ms() < 1'200)
            shotClockTo(served, 4'900);
        QTest::qWait(53);
        const qint64 before = boardTenth();
        const QJsonObject page =
            browser
                .evaluate(u"Object.fromEntries([...document.querySelectorAll('.digit')]"
                          ".map(d => [d.dataset.name, Number(d.dataset.value)]))"_s)
                .toObject();
        const qint64 after = boardTenth();
        const qint64 shown = page[u"shot1"_s].toInt() * 10 + page[u"shot2"_s].toInt();
        // Counting down: the tenth after is the smaller.
        if (shown <= before && shown >= after)
            ++same;
        else if (shown <= before + 1 && shown >= after - 1)
            ++apart;
        else
            ++further;
    }
    served.game.startStop();
    turnShotClock(served, false);
    std::printf("shot_same_tenth %d\nshot_one_apart %d\nshot_further %d\n", same, apart, further);
}

// The program with both clocks running against the game clock alone, no
// pages connected, alternating twice.
void measureShotClockCpu(Served &served, int seconds)
{
    served.game.startStop();
    double alone = 0, both = 0;
    for (int round = 0; round < 2; ++round) {
        turnShotClock(served, false);
        alone += cpuPercentOver(seconds) / 2;
        turnShotClock(served, true);
        // Long enough never to run out while measured.
        shotClockTo(served, 99'000);
        both += cpuPercentOver(seconds) / 2;
    }
    turnShotClock(served, false);
    served.game.startStop();
    std::printf("cpu_game_clock_percent %.2f\ncpu_both_clocks_percent %.2f\n", alone, both);
}

bool measureBrowser(Served &served)
{
    HeadlessChromium browser;
    if (!browser.start()) {
        std::printf("browser_problem %s\n", qPrintable(browser.problem));
        return false;
    }
    browser.setViewport(1280, 720);
    browser.navigate(served.url(u"/display"_s));
    static_cast<void>(QTest::qWaitFor(
        [&] { return browser.evaluate(u"document.getElementById('status').hidden"_s).toBool(); },
        10000));
    // The page notes the wall-clock moment each score digit changes.
    browser.evaluate(
        u"window.changes = []; new MutationObserver(() => changes.push(performance.timeOrigin +"
        " performance.now())).observe(document.querySelector('[data-name=score0units]'),"
        " {attributes: true, attributeFilter: ['data-value']}); true"_s);
    // A digit and Enter on the desktop board's first home score, as the
    // operator types them; the time runs from the Enter key.
    QWidget *homeScore = served.board->controls().home1Panel;
    std::vector<double> latencies;
    for (int i = 0; i < 50; ++i) {
        QTest::keyClick(homeScore, char('0' + i % 9 + 1));
        const qint64 sent = QDateTime::currentMSecsSinceEpoch();
        QTest::keyClick(homeScore, Qt::Key_Return);
        double seen = 0;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                const QJsonArray changes = browser.evaluate(u"changes"_s).toArray();
                if (changes.size() <= i)
                    return false;
                seen = changes.at(i).toDouble();
                return true;
            },
            5000));
        latencies.push_back(seen - double(sent));
    }
    std::printf("change_latency_median_ms %.1f\nchange_latency_max_ms %.1f\n", median(latencies),
                *std::max_element(latencies.begin(), latencies.end()));

    served.game.startStop();
    int same = 0, apart = 0, further = 0;
    for (int i = 0; i < 100; ++i) {
        QTest::qWait(53);
        const qint64 before = served.game.shownTime().raw / ClockSeconds::PerTenth;
        const QJsonObject page =
            browser
                .evaluate(u"Object.fromEntries([...document.querySelectorAll('.digit')]"
                          ".map(d => [d.dataset.name, Number(d.dataset.value)]))"_s)
                .toObject();
        const qint64 after = served.game.shownTime().raw / ClockSeconds::PerTenth;
        const qint64 shown = page[u"clock2"_s].toInt() * 600 + page[u"clock3"_s].toInt() * 100 +
                             page[u"clock4"_s].toInt() * 10 + page[u"clock5"_s].toInt();
        if (shown >= before && shown <= after)
            ++same;
        else if (shown >= before - 1 && shown <= after + 1)
            ++apart;
        else
            ++further;
    }
    served.game.startStop();
    std::printf("clock_same_tenth %d\nclock_one_apart %d\nclock_further %d\n", same, apart,
                further);
    measureShotClockPage(served, browser);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == u"clients"_s)
        return runClients(args.at(2).toInt(), QUrl(args.at(3)), args.at(4).toInt());
    const int seconds = args.size() > 1 ? args.at(1).toInt() : 10;
    // "cpu" after the seconds measures the CPU alone, without a browser.
    const bool cpuOnly = args.size() > 2 && args.at(2) == u"cpu"_s;
    Served served;
    if (!cpuOnly)
        measureBrowser(served);
    measureCpu(served, seconds);
    measureShotClockCpu(served, seconds);
    return 0;
}
