// Measures Corvella from outside, as a user meets it on an X server: time to
// the first frame, peak memory, key-to-screen and key-to-sound latency, and
// the accuracy of the clock face against a monotonic reference.
#include "tests/e2e/boardreader.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

struct X
{
    Display *display = XOpenDisplay(nullptr);
    ~X()
    {
        if (display)
            XCloseDisplay(display);
    }

    std::optional<Window> find(Window w, const char *title)
    {
        char *name = nullptr;
        if (XFetchName(display, w, &name) && name) {
            const bool match = std::strcmp(name, title) == 0;
            XFree(name);
            XWindowAttributes attributes{};
            if (match && XGetWindowAttributes(display, w, &attributes) &&
                attributes.map_state == IsViewable)
                return w;
        }
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, w, &root, &parent, &children, &count))
            return std::nullopt;
        std::optional<Window> found;
        for (unsigned int i = 0; i < count && !found; ++i)
            found = find(children[i], title);
        if (children)
            XFree(children);
        return found;
    }

    std::optional<Window> waitFor(const char *title, int timeoutMs = 10000)
    {
        const auto start = Clock::now();
        while (msSince(start) < timeoutMs) {
            if (auto w = find(DefaultRootWindow(display), title))
                return w;
            sleepMs(1);
        }
        return std::nullopt;
    }

    QRect rect(Window w)
    {
        XWindowAttributes a{};
        XGetWindowAttributes(display, w, &a);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display, w, DefaultRootWindow(display), 0, 0, &x, &y, &child);
        return {x, y, a.width, a.height};
    }

    // `taken`, when given, receives the moment the server has handed over the pixels.
    QImage grab(const QRect &area, Clock::time_point *taken = nullptr)
    {
        XImage *image = XGetImage(display, DefaultRootWindow(display), area.x(), area.y(),
                                  area.width(), area.height(), AllPlanes, ZPixmap);
        if (taken)
            *taken = Clock::now();
        if (!image)
            return {};
        QImage copy(area.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                copy.setPixel(x, y, 0xFF000000 | XGetPixel(image, x, y));
        XDestroyImage(image);
        return copy;
    }

    void key(KeySym symbol)
    {
        const KeyCode code = XKeysymToKeycode(display, symbol);
        XTestFakeKeyEvent(display, code, True, 0);
        XTestFakeKeyEvent(display, code, False, 0);
        XFlush(display);
    }

    void click(QPoint at)
    {
        XTestFakeMotionEvent(display, -1, at.x(), at.y(), 0);
        XTestFakeButtonEvent(display, 1, True, 0);
        XTestFakeButtonEvent(display, 1, False, 0);
        XFlush(display);
        sleepMs(150);
    }
};

long peakRssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

pid_t launch(char **argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// Start of the process to its first painted frame, and its peak memory.
int startup(X &x, const char *title, bool board, char **command)
{
    const auto start = Clock::now();
    const pid_t pid = launch(command);
    const auto window = x.waitFor(title);
    if (!window) {
        stop(pid);
        return 1;
    }
    // The first frame: the window no longer shows the black of the empty screen.
    const QRect area = x.rect(*window);
    while (msSince(start) < 10000 &&
           x.grab(QRect(area.topLeft() + QPoint(4, 4), QSize(1, 1))).pixel(0, 0) == 0xFF000000)
        sleepMs(1);
    const double firstFrame = msSince(start);
    if (board) {
        x.click(area.topLeft() + QPoint(100, 30));
        x.waitFor("Corvella by Brannick");
    }
    sleepMs(1500);
    std::printf("startup_ms %.1f peak_rss_kb %ld\n", firstFrame, peakRssKb(pid));
    stop(pid);
    return 0;
}

// Enter on a score to the changed pixels of that score.
int keyLatency(X &x, int presses)
{
    const auto window = x.waitFor("Corvella by Brannick");
    if (!window)
        return 1;
    const QRect client = x.rect(*window);
    const BoardReader reader(QImage(), client);
    const QPoint panel = reader.scorePanelPoint(true, 0);
    const QRect region(panel - QPoint(4, 4),
                       QSize(client.width() * 2280 / 9480, client.height() * 1785 / 6795));
    x.click(panel);
    QList<double> latencies;
    for (int i = 0; i < presses; ++i) {
        x.key(i % 2 ? XK_1 : XK_2);
        sleepMs(100);
        const QImage before = x.grab(region);
        const auto start = Clock::now();
        x.key(XK_Return);
        while (x.grab(region) == before && msSince(start) < 1000)
            ;
        latencies << msSince(start);
        sleepMs(50);
    }
    std::printf("key_latency_median_ms %.2f max_ms %.2f\n", median(latencies),
                *std::max_element(latencies.begin(), latencies.end()));
    return 0;
}

// The buzzer key to the first loud sample on the sound server's sink.
int buzzerLatency(X &x, int presses)
{
    if (!x.waitFor("Corvella by Brannick"))
        return 1;
    int fds[2];
    if (pipe(fds) != 0)
        return 1;
    const pid_t recorder = fork();
    if (recorder == 0) {
        dup2(fds[1], 1);
        execlp("parec", "parec", "-d", "nullsink.monitor", "--latency-msec=2", "--format=s16le",
               "--rate=44100", "--channels=2", "--raw", nullptr);
        _exit(127);
    }
    close(fds[1]);
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    char buffer[4096];
    // The recording is read all the while: a full pipe would hold the
    // recorder back and delay what follows.
    const auto discardFor = [&](int ms) {
        const auto from = Clock::now();
        while (msSince(from) < ms) {
            if (read(fds[0], buffer, sizeof buffer) <= 0)
                sleepMs(1);
        }
    };
    discardFor(500);
    QList<double> latencies;
    for (int i = 0; i < presses; ++i) {
        const auto start = Clock::now();
        x.key(XK_b);
        bool heard = false;
        double heardAt = 0;
        while (!heard && msSince(start) < 2000) {
            const ssize_t n = read(fds[0], buffer, sizeof buffer);
            const auto *samples = reinterpret_cast<const qint16 *>(buffer);
            for (ssize_t s = 0; s < n / 2 && !heard; ++s)
                heard = std::abs(int(samples[s])) > 1000;
            if (n <= 0)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        heardAt = msSince(start);
        if (heard)
            latencies << heardAt;
        if (std::getenv("XPROBE_VERBOSE"))
            std::fprintf(stderr, "press %d: %s %.1f ms\n", i, heard ? "heard" : "silent", heardAt);
        discardFor(2000); // the horn ends before the next press
    }
    stop(recorder);
    std::printf("buzzer_latency_median_ms %.1f heard %lld of %d\n", median(latencies),
                static_cast<long long>(latencies.size()), presses);
    return 0;
}

double faceSeconds(const QString &face)
{
    // " 1:05.3" -> 65.3
    const QString t = face;
    const int minutes = t.left(2).trimmed().toInt();
    return minutes * 60 + t.mid(3, 2).toInt() + t.mid(6, 1).toInt() / 10.0;
}

// The clock face sampled at random moments against a monotonic reference.
int clockAccuracy(X &x, int seconds)
{
    const auto window = x.waitFor("Corvella by Brannick");
    if (!window)
        return 1;
    const QRect client = x.rect(*window);
    x.key(XK_r);
    sleepMs(300);
    const auto start = Clock::now();
    x.key(XK_s);
    QRandomGenerator random(7);
    double worstBehind = 0, worstAhead = 0;
    int samples = 0, unreadable = 0, within = 0;
    while (msSince(start) < seconds * 1000.0) {
        sleepMs(200 + random.bounded(700));
        const auto asked = Clock::now();
        Clock::time_point taken;
        const QImage shot = x.grab(client, &taken);
        const QString face = BoardReader(shot, QRect(QPoint(0, 0), client.size())).clock();
        if (face.contains(u'?')) {
            ++unreadable;
            continue;
        }
        // The reference at the moment of the grab: between asking and receiving.
        const double reference = (std::chrono::duration<double>(asked - start).count() +
                                  std::chrono::duration<double>(taken - start).count()) /
                                 2;
        const double shown = faceSeconds(face);
        const double behind = reference - shown;
        worstBehind = std::max(worstBehind, behind);
        worstAhead = std::max(worstAhead, -behind);
        within += std::abs(behind) <= 0.1;
        ++samples;
    }
    x.key(XK_s);
    std::printf(
        "clock_samples %d unreadable %d worst_behind_s %.3f worst_ahead_s %.3f within_0.1_s %d\n",
        samples, unreadable, worstBehind, worstAhead, within);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    X x;
    if (!x.display || argc < 2) {
        std::fprintf(stderr, "usage: xprobe startup TITLE [--board] -- COMMAND... | keylatency N | "
                             "buzzerlatency N | clockaccuracy SECONDS\n");
        return 2;
    }
    const std::string what = argv[1];
    if (what == "startup") {
        int dashes = 3;
        while (dashes < argc && std::strcmp(argv[dashes], "--") != 0)
            ++dashes;
        const bool board = dashes > 3 && std::strcmp(argv[3], "--board") == 0;
        return startup(x, argv[2], board, argv + dashes + 1);
    }
    const int n = argc > 2 ? std::atoi(argv[2]) : 20;
    if (what == "keylatency")
        return keyLatency(x, n);
    if (what == "buzzerlatency")
        return buzzerLatency(x, n);
    if (what == "clockaccuracy")
        return clockAccuracy(x, n);
    return 2;
}
