// The game log: one step appended and synced, and a long game printed.
// Usage: bench_gamelog [FOLDER] (default: a new folder here, so the sync
// goes to a real disk rather than a tmpfs /tmp).
#include "game/gamelog.h"
#include "app/export.h"
#include "game/gamehistory.h"
#include "game/timesource.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

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
        const auto record = GameLog::read(log.currentPath());
        bytes = gamePdf(*record).size();
        pdfMs << timer.nsecsElapsed() / 1e6;
    }
    std::printf("read a 2000-step log and print it to PDF (%lld bytes), 5 runs: median %.1f ms, "
                "max %.1f ms (target: < 500 ms)\n",
                static_cast<long long>(bytes), median(pdfMs),
                *std::max_element(pdfMs.begin(), pdfMs.end()));
    return 0;
}
