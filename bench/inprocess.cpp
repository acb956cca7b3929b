// Benchmarks measured inside the program's own code: LED repaints per second
// while the clock runs, and the CPU time of one scaling pass to 3840 x 2160.
#include "board/boardview.h"
#include "display/controls.h"
#include "display/leddigit.h"
#include "game/timesource.h"
#include "settings/appsettings.h"
#include "tests/support/paintcounter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

void repaintsPerSecond(GameModel &game, int seconds)
{
    BoardView board(game, loadSettings());
    board.showFullScreen();
    QEventLoop settle;
    QTimer::singleShot(1000, &settle, &QEventLoop::quit);
    settle.exec();

    PaintCounter counter;
    for (QWidget *w : board.findChildren<LedDigit *>())
        w->installEventFilter(&counter);
    board.game().startStop();
    QEventLoop run;
    QTimer::singleShot(seconds * 1000, &run, &QEventLoop::quit);
    run.exec();
    std::printf("repaints_per_second %.2f\n", double(counter.paints) / seconds);
    std::printf("board_size %dx%d\n", board.width(), board.height());
}

void resizePass(GameModel &game)
{
    BoardView board(game, loadSettings());
    board.show();
    constexpr int passes = 200;
    double total = 0;
    for (int i = 0; i < passes; ++i) {
        const QSize size = i % 2 ? QSize(632, 453) : QSize(3840, 2160);
        // The window's resize handling runs the scaling pass, painting suspended.
        const double before = cpuSeconds();
        board.resize(size);
        total += cpuSeconds() - before;
        const int expected = size.width() * 5595 / 9480;
        if (std::abs(board.controls().clockPanel->width() - expected) > 2) {
            std::printf("warning: the board did not scale to %dx%d\n", size.width(), size.height());
            return;
        }
    }
    std::printf("resize_pass_ms %.3f\n", total / passes * 1000);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MonotonicTimeSource time;
    GameModel game(time);
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (what == QLatin1StringView("repaints"))
        repaintsPerSecond(game, argc > 2 ? atoi(argv[2]) : 10);
    else if (what == QLatin1StringView("resize"))
        resizePass(game);
    else
        return 2;
    return 0;
}
