// Measures Corvella from outside, as a user meets it on an X server: time to
// the first frame, peak memory, key-to-screen and key-to-sound latency, the
// accuracy of the clock face against a monotonic reference, time lost at
// stops, the cost of keeping the game on disk, recovery after a kill, the
// horn at the end of a count-down and a hall console's frame to the screen.
#include "tests/e2e/boardreader.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <netinet/in.h>
#include <optional>
#include <signal.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
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

// Windows come and go while the tree is walked (a program killed and started
// again); a request about a window that is gone is not an error here.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

struct X
{
    Display *display = [] {
        XSetErrorHandler(ignoreXErrors);
        return XOpenDisplay(nullptr);
    }();
    ~X()
    {
        if (display)
            XCloseDisplay(display);
    }

    // A viewable window titled `title`, or with a title ending in it when
    // `prefixed` (the board's title names a silent console in front).
    std::optional<Window> find(Window w, const char *title, bool prefixed = false)
    {
        char *name = nullptr;
        if (XFetchName(display, w, &name) && name) {
            const size_t length = std::strlen(name), wanted = std::strlen(title);
            const bool match =
                prefixed ? length >= wanted && std::strcmp(name + length - wanted, title) == 0
                         : std::strcmp(name, title) == 0;
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
            found = find(children[i], title, prefixed);
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

    // A window on X screen `screen` (the audience display has one of its own).
    std::optional<Window> waitForOn(int screen, const char *title, int timeoutMs = 10000)
    {
        const auto start = Clock::now();
        while (msSince(start) < timeoutMs) {
            if (auto w = find(RootWindow(display, screen), title))
                return w;
            sleepMs(1);
        }
        return std::nullopt;
    }

    // The scoreboard's client area, once it is on screen.
    std::optional<QRect> boardArea()
    {
        const auto board = waitFor("Corvella by Brannick");
        return board ? std::optional<QRect>(rect(*board)) : std::nullopt;
    }

    // In the coordinates of the window's own screen.
    QRect rect(Window w)
    {
        XWindowAttributes a{};
        XGetWindowAttributes(display, w, &a);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display, w, a.root, 0, 0, &x, &y, &child);
        return {x, y, a.width, a.height};
    }

    // The pixels as the server holds them, for telling a change quickly.
    QByteArray grabRaw(int screen, const QRect &area)
    {
        XImage *image = XGetImage(display, RootWindow(display, screen), area.x(), area.y(),
                                  area.width(), area.height(), AllPlanes, ZPixmap);
        if (!image)
            return {};
        QByteArray pixels(image->data, qsizetype(image->bytes_per_line) * image->height);
        XDestroyImage(image);
        return pixels;
    }

    // The pixels of the default screen as an image, without the per-pixel
    // copy of grab(): quick enough to read digits in a tight loop.
    QImage grabImage(const QRect &area)
    {
        XImage *image = XGetImage(display, DefaultRootWindow(display), area.x(), area.y(),
                                  area.width(), area.height(), AllPlanes, ZPixmap);
        if (!image)
            return {};
        QImage copy;
        if (image->bits_per_pixel == 32)
            copy = QImage(reinterpret_cast<const uchar *>(image->data), image->width, image->height,
                          image->bytes_per_line, QImage::Format_RGB32)
                       .copy();
        XDestroyImage(image);
        return copy;
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

// The home score's panel of section 1 on a board with this client area.
QRect homeScoreRegion(const QRect &client)
{
    const QPoint panel = BoardReader(QImage(), client).scorePanelPoint(true, 0);
    return {panel - QPoint(4, 4),
            QSize(client.width() * 2280 / 9480, client.height() * 1785 / 6795)};
}

// Enter on a score to the changed pixels of that score.
int keyLatency(X &x, int presses)
{
    const auto area = x.boardArea();
    if (!area)
        return 1;
    const QRect client = *area;
    const QRect region = homeScoreRegion(client);
    x.click(BoardReader(QImage(), client).scorePanelPoint(true, 0));
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

// A POST on 127.0.0.1:`port` that sets the home score, on a connection of
// its own; the answer is read after the screen has changed. -1 on failure.
int postScore(int port, const std::string &token, int score)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(uint16_t(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr *>(&to), sizeof to) != 0) {
        if (fd >= 0)
            close(fd);
        return -1;
    }
    const std::string body = "{\"set\":" + std::to_string(score) + "}";
    const std::string request = "POST /api/v1/score/home/1 HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                                "Authorization: Bearer " +
                                token + "\r\nContent-Length: " + std::to_string(body.size()) +
                                "\r\nConnection: close\r\n\r\n" + body;
    if (write(fd, request.data(), request.size()) != ssize_t(request.size())) {
        close(fd);
        return -1;
    }
    return fd;
}

// A POST that sets a score through the API to the changed pixels of that
// score on the board.
int apiLatency(X &x, int posts, int port, const std::string &token)
{
    const auto area = x.boardArea();
    if (!area)
        return 1;
    const QRect region = homeScoreRegion(*area);
    QList<double> latencies;
    for (int i = 0; i < posts; ++i) {
        const QImage before = x.grab(region);
        const auto start = Clock::now();
        const int fd = postScore(port, token, i % 2 ? 1 : 2);
        if (fd < 0)
            return 1;
        while (x.grab(region) == before && msSince(start) < 1000)
            ;
        latencies << msSince(start);
        char answer[4096];
        const ssize_t got = read(fd, answer, sizeof answer - 1); // bounded: the server closes
        close(fd);
        if (got < 12 || std::strncmp(answer, "HTTP/1.1 200", 12) != 0)
            return 1;
        sleepMs(50);
    }
    std::printf("api_latency_median_ms %.2f max_ms %.2f\n", median(latencies),
                *std::max_element(latencies.begin(), latencies.end()));
    return 0;
}

// A Stramatel basketball frame that shows `home` to `guest` and leaves every
// other field blank, so only the scores change on the board.
QByteArray stramatelScoreFrame(int home, int guest)
{
    QByteArray frame(54, ' ');
    frame[0] = char(0xF8);
    frame[1] = 0x33;
    frame.replace(8, 3, QByteArray::number(home).rightJustified(3, ' '));
    frame.replace(11, 3, QByteArray::number(guest).rightJustified(3, ' '));
    frame[53] = 0x0D;
    return frame;
}

// A pseudo-terminal standing in for the console's serial line: the program
// reads the slave, the probe writes the master. Raw, so that 0D stays 0D.
struct ConsoleLine
{
    int master = -1;
    int slave = -1;
    std::string slavePath;

    bool open()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return false;
        slavePath = ptsname(master);
        // Held open so the line stays up while the program opens and closes it.
        slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
        termios raw{};
        if (slave < 0 || tcgetattr(slave, &raw) != 0)
            return false;
        cfmakeraw(&raw);
        return tcsetattr(slave, TCSANOW, &raw) == 0;
    }
    ~ConsoleLine()
    {
        if (slave >= 0)
            close(slave);
        if (master >= 0)
            close(master);
    }
    bool send(const QByteArray &frame) const
    {
        return write(master, frame.data(), size_t(frame.size())) == frame.size();
    }
};

// Writes where the program is to look for the console, through a file
// renamed into place so a reader never sees half of it.
bool announce(const std::string &path, const std::string &device)
{
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial);
        out << device << '\n';
        if (!out)
            return false;
    }
    return std::rename(partial.c_str(), path.c_str()) == 0;
}

// The home score as the board shows it in these pixels of `region`.
QString homeScoreIn(const QImage &pixels, const QRect &client, const QRect &region)
{
    return BoardReader(pixels, client.translated(-region.topLeft())).homeScore(0);
}

// Time a process's threads ran on a core and waited in the run queue for
// one, in ms, from the scheduler's counts: an outlier spent working looks
// different from one spent queued behind other work.
struct SchedTimes
{
    double runMs = 0;
    double waitMs = 0;
    // Each thread's time on a core, by the thread's name.
    std::map<std::string, double> runMsByThread;

    // The thread that ran longest since `before`, and how long.
    std::pair<std::string, double> busiestSince(const SchedTimes &before) const
    {
        std::pair<std::string, double> busiest;
        for (const auto &[name, ms] : runMsByThread) {
            const auto was = before.runMsByThread.find(name);
            const double ran = ms - (was == before.runMsByThread.end() ? 0 : was->second);
            if (ran > busiest.second)
                busiest = {name, ran};
        }
        return busiest;
    }
};

SchedTimes schedTimes(pid_t pid)
{
    SchedTimes times;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto &task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "schedstat");
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        double run = 0, wait = 0;
        if (in >> run >> wait) {
            times.runMs += run / 1e6;
            times.waitMs += wait / 1e6;
            // Threads of one name (a pool's) count together.
            times.runMsByThread[name] += run / 1e6;
        }
    }
    return times;
}

// The CPU time every process on the machine used so far, in ms (the kernel
// counts it in ticks of 10 ms).
double machineBusyMs()
{
    std::ifstream in("/proc/stat");
    std::string cpu;
    long long user = 0, nice = 0, system = 0, idle = 0, iowait = 0, irq = 0, softirq = 0;
    in >> cpu >> user >> nice >> system >> idle >> iowait >> irq >> softirq;
    return double(user + nice + system + irq + softirq) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// The process that owns a window, as it says itself.
pid_t windowPid(Display *display, Window w)
{
    const Atom property = XInternAtom(display, "_NET_WM_PID", True);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    pid_t pid = 0;
    if (property &&
        XGetWindowProperty(display, w, property, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && count == 1 && format == 32)
        pid = pid_t(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

// A console frame that changes the home score, written to the line, to the
// moment the board's pixels show the new score. The probe opens the line and
// names its device in `announceAt`, then waits for the board full screen.
int consoleLatency(X &x, int frames, const std::string &announceAt)
{
    ConsoleLine line;
    if (!line.open() || !announce(announceAt, line.slavePath)) {
        std::fprintf(stderr, "xprobe: no pseudo-terminal for the console\n");
        return 1;
    }
    const int screenWidth = DisplayWidth(x.display, DefaultScreen(x.display));
    std::optional<QRect> client;
    pid_t program = 0;
    const auto start = Clock::now();
    while (msSince(start) < 60000 && !(client && client->width() == screenWidth)) {
        sleepMs(50);
        if (const auto board = x.find(DefaultRootWindow(x.display), "Corvella by Brannick", true)) {
            client = x.rect(*board);
            program = windowPid(x.display, *board);
        }
    }
    if (!client || client->width() != screenWidth) {
        std::fprintf(stderr, "xprobe: the board did not come up full screen\n");
        return 1;
    }
    sleepMs(500);
    const QRect region = homeScoreRegion(*client);
    // The link takes the console up from its first good frame on, and only
    // once the game is settled: say the first score until the board shows it.
    const auto waitFor = [&](int home, double timeoutMs) -> std::optional<double> {
        const auto from = Clock::now();
        while (msSince(from) < timeoutMs)
            if (homeScoreIn(x.grabImage(region), *client, region) == QString::number(home))
                return msSince(from);
        return std::nullopt;
    };
    const auto connectedAt = Clock::now();
    bool shown = false;
    while (!shown && msSince(connectedAt) < 15000) {
        line.send(stramatelScoreFrame(10, 0));
        shown = waitFor(10, 500).has_value();
    }
    if (!shown) {
        std::fprintf(stderr, "xprobe: the board never showed the console's score\n");
        return 1;
    }
    // With XPROBE_VERBOSE each frame also tells when it was sent on the
    // monotonic clock (as `perf record -k CLOCK_MONOTONIC` stamps samples)
    // and where the time went: the program's and the X server's
    // (XPROBE_XSERVER_PID) time on a core and in the run queue, and the
    // whole machine's.
    const bool verbose = std::getenv("XPROBE_VERBOSE");
    const char *serverPid = std::getenv("XPROBE_XSERVER_PID");
    const pid_t xServer = serverPid ? pid_t(std::atoi(serverPid)) : 0;
    QList<double> latencies;
    int missed = 0;
    for (int i = 1; i <= frames; ++i) {
        sleepMs(100);
        // 10 to 99, never the same twice in a row: two digits, both drawn.
        const int home = 10 + (i * 7) % 90;
        const QByteArray frame = stramatelScoreFrame(home, 0);
        QImage before = x.grabImage(region);
        const SchedTimes programBefore = schedTimes(program);
        const SchedTimes serverBefore = schedTimes(xServer);
        const double busyBefore = machineBusyMs();
        const auto sent = Clock::now();
        if (!line.send(frame))
            return 1;
        std::optional<double> at;
        while (!at && msSince(sent) < 1000) {
            const QImage now = x.grabImage(region);
            const double taken = msSince(sent);
            if (now == before)
                continue;
            // A change that is not yet the new score (another part of the
            // board) is looked past.
            if (homeScoreIn(now, *client, region) == QString::number(home))
                at = taken;
            before = now;
        }
        if (at)
            latencies << *at;
        else
            ++missed;
        if (verbose) {
            const SchedTimes programAfter = schedTimes(program);
            const SchedTimes serverAfter = schedTimes(xServer);
            const auto busiest = programAfter.busiestSince(programBefore);
            std::fprintf(
                stderr,
                "frame %d at %.3f s: home %d %s %.2f ms; program ran %.2f waited %.2f ms, "
                "X server ran %.2f waited %.2f ms, machine busy %.0f ms; the program's "
                "busiest thread '%s' %.2f ms\n",
                i, std::chrono::duration<double>(sent.time_since_epoch()).count(), home,
                at ? "seen" : "missed", at.value_or(-1), programAfter.runMs - programBefore.runMs,
                programAfter.waitMs - programBefore.waitMs, serverAfter.runMs - serverBefore.runMs,
                serverAfter.waitMs - serverBefore.waitMs, machineBusyMs() - busyBefore,
                busiest.first.c_str(), busiest.second);
        }
    }
    // What the probe read the digits from, to look at.
    if (const char *shot = std::getenv("XPROBE_SHOT"))
        x.grabImage(*client).save(QString::fromLocal8Bit(shot));
    if (latencies.isEmpty())
        return 1;
    std::printf("console_latency_median_ms %.2f max_ms %.2f seen %lld of %d missed %d\n",
                median(latencies), *std::max_element(latencies.begin(), latencies.end()),
                static_cast<long long>(latencies.size()), frames, missed);
    return 0;
}

// Enter on a score: the moment the operator's board (screen 0) shows the new
// score against the moment the audience display (screen 1) does.
int audienceLatency(X &x, int presses)
{
    const auto board = x.waitFor("Corvella by Brannick");
    const auto audience = x.waitForOn(1, "Corvella - audience");
    if (!board || !audience)
        return 1;
    const QRect operatorClient = x.rect(*board);
    const QRect operatorRegion = homeScoreRegion(operatorClient);
    const QRect audienceRegion = homeScoreRegion(x.rect(*audience));
    x.click(BoardReader(QImage(), operatorClient).scorePanelPoint(true, 0));
    QList<double> delays, operatorLatencies, audienceLatencies;
    for (int i = 0; i < presses; ++i) {
        x.key(i % 2 ? XK_1 : XK_2);
        sleepMs(100);
        const QByteArray operatorBefore = x.grabRaw(0, operatorRegion);
        const QByteArray audienceBefore = x.grabRaw(1, audienceRegion);
        const auto start = Clock::now();
        x.key(XK_Return);
        std::optional<double> operatorAt, audienceAt;
        while (!(operatorAt && audienceAt) && msSince(start) < 1000) {
            if (!operatorAt && x.grabRaw(0, operatorRegion) != operatorBefore)
                operatorAt = msSince(start);
            if (!audienceAt && x.grabRaw(1, audienceRegion) != audienceBefore)
                audienceAt = msSince(start);
        }
        if (operatorAt && audienceAt) {
            delays << *audienceAt - *operatorAt;
            operatorLatencies << *operatorAt;
            audienceLatencies << *audienceAt;
        }
        sleepMs(50);
    }
    if (delays.isEmpty())
        return 1;
    const auto [least, most] = std::minmax_element(delays.begin(), delays.end());
    std::printf("audience_delay_median_ms %.2f min_ms %.2f max_ms %.2f seen %lld of %d "
                "operator_median_ms %.2f audience_median_ms %.2f\n",
                median(delays), *least, *most, static_cast<long long>(delays.size()), presses,
                median(operatorLatencies), median(audienceLatencies));
    return 0;
}

// Records the null sink into a non-blocking pipe, read from fds[0]; returns
// the recorder's pid, or -1.
pid_t startRecorder(int fds[2])
{
    if (pipe(fds) != 0)
        return -1;
    const pid_t recorder = fork();
    if (recorder == 0) {
        dup2(fds[1], 1);
        execlp("parec", "parec", "-d", "nullsink.monitor", "--latency-msec=2", "--format=s16le",
               "--rate=44100", "--channels=2", "--raw", nullptr);
        _exit(127);
    }
    close(fds[1]);
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    return recorder;
}

// The buzzer key to the first loud sample on the sound server's sink.
int buzzerLatency(X &x, int presses)
{
    if (!x.waitFor("Corvella by Brannick"))
        return 1;
    int fds[2];
    const pid_t recorder = startRecorder(fds);
    if (recorder < 0)
        return 1;
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
    const auto area = x.boardArea();
    if (!area)
        return 1;
    const QRect client = *area;
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

// The board in a long break (counting down) read for `seconds`: the face
// plus the time since the first reading stays the same while no tenth is
// lost, whatever else the program does meanwhile (sponsor slides).
int breakAccuracy(X &x, int seconds)
{
    const auto area = x.boardArea();
    if (!area)
        return 1;
    const QRect client = *area;
    const auto start = Clock::now();
    QRandomGenerator random(13);
    double lowest = 1e9, highest = -1e9;
    int samples = 0, unreadable = 0;
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
        const double at = (std::chrono::duration<double>(asked - start).count() +
                           std::chrono::duration<double>(taken - start).count()) /
                          2;
        const double sum = faceSeconds(face) + at;
        lowest = std::min(lowest, sum);
        highest = std::max(highest, sum);
        ++samples;
    }
    std::printf("break_samples %d unreadable %d spread_s %.3f\n", samples, unreadable,
                highest - lowest);
    return 0;
}

// Starts and stops the clock `cycles` times for random lengths and compares
// the face with the summed time between the keys.
int stopCycles(X &x, int cycles)
{
    const auto area = x.boardArea();
    if (!area)
        return 1;
    const QRect client = *area;
    x.key(XK_r);
    sleepMs(300);
    QRandomGenerator random(11);
    double running = 0;
    for (int i = 0; i < cycles; ++i) {
        const auto start = Clock::now();
        x.key(XK_s);
        sleepMs(300 + random.bounded(1200));
        running += msSince(start) / 1000;
        x.key(XK_s);
        sleepMs(100 + random.bounded(200));
    }
    sleepMs(300);
    const QString face = BoardReader(x.grab(client), QRect(QPoint(0, 0), client.size())).clock();
    std::printf("stop_cycles %d running_s %.3f face %s off_s %.3f\n", cycles, running,
                qPrintable(QString(face).replace(u' ', u'_')), faceSeconds(face) - running);
    return 0;
}

// The newest change of the saved game's files, as a number that changes with
// every replacement.
long long stateStamp(const std::string &folder)
{
    long long stamp = 0;
    for (int slot = 0; slot < 3; ++slot) {
        struct stat st
        {
        };
        const std::string path = folder + "/game-" + std::to_string(slot) + ".json";
        if (stat(path.c_str(), &st) == 0)
            stamp += static_cast<long long>(st.st_ino) * 1000003 + st.st_mtim.tv_nsec +
                     st.st_mtim.tv_sec * 1000000000LL;
    }
    return stamp;
}

// A score change typed on the board to the new game on disk.
int saveCost(X &x, int changes)
{
    const auto window = x.waitFor("Corvella by Brannick");
    const char *stateHome = std::getenv("XDG_STATE_HOME");
    if (!window || !stateHome)
        return 1;
    const std::string folder = std::string(stateHome) + "/Corvella";
    const QRect client = x.rect(*window);
    x.click(BoardReader(QImage(), client).scorePanelPoint(false, 0));
    QList<double> latencies;
    for (int i = 0; i < changes; ++i) {
        x.key(i % 2 ? XK_1 : XK_2);
        sleepMs(30);
        const long long before = stateStamp(folder);
        const auto start = Clock::now();
        x.key(XK_Return);
        while (stateStamp(folder) == before && msSince(start) < 2000)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        latencies << msSince(start);
        sleepMs(40);
    }
    std::printf("save_median_ms %.2f max_ms %.2f\n", median(latencies),
                *std::max_element(latencies.begin(), latencies.end()));
    return 0;
}

// Opens the board of a freshly started program, answering the question about
// a game in progress with Yes.
std::optional<Window> openBoard(X &x, bool expectQuestion)
{
    const auto splash = x.waitFor("Form1");
    if (!splash)
        return std::nullopt;
    sleepMs(200);
    x.click(x.rect(*splash).topLeft() + QPoint(100, 30));
    if (expectQuestion) {
        if (!x.waitFor("Corvella", 5000))
            return std::nullopt;
        sleepMs(100);
        x.key(XK_Return);
    }
    const auto board = x.waitFor("Corvella by Brannick");
    sleepMs(300);
    return board;
}

// Kills the program at a random moment of a scripted game and starts it
// again: every score must come back exactly and the clock within 1.1 s of the
// face at the kill.
int killRecovery(X &x, int rounds, char **command)
{
    QRandomGenerator random(5);
    int exact = 0;
    double worstClock = 0;
    bool question = false;
    for (int round = 0; round < rounds; ++round) {
        pid_t pid = launch(command);
        auto board = openBoard(x, question);
        if (!board) {
            stop(pid);
            std::printf("round %d: the board did not open\n", round);
            continue;
        }
        QRect client = x.rect(*board);
        BoardReader layout(QImage(), client);
        for (int change = 0; change < 3; ++change) {
            x.click(layout.scorePanelPoint(random.bounded(2), random.bounded(2)));
            x.key(XK_1 + random.bounded(9));
            x.key(XK_Return);
        }
        if (random.bounded(3) == 0) {
            x.click(layout.clockPoint());
            for (const KeySym k : {XK_1 + KeySym(random.bounded(9)), KeySym(XK_period),
                                   KeySym(XK_3), KeySym(XK_0), KeySym(XK_Return)})
                x.key(k);
        }
        x.key(XK_s);
        sleepMs(300 + random.bounded(2000));
        const QImage before = x.grab(client);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const BoardReader atKill(before, QRect(QPoint(0, 0), client.size()));

        pid = launch(command);
        board = openBoard(x, true);
        question = true;
        if (!board) {
            stop(pid);
            std::printf("round %d: no question or no board after the kill\n", round);
            continue;
        }
        client = x.rect(*board);
        const BoardReader after(x.grab(client), QRect(QPoint(0, 0), client.size()));
        bool same = true;
        for (int section : {0, 1})
            same = same && after.homeScore(section) == atKill.homeScore(section) &&
                   after.guestScore(section) == atKill.guestScore(section);
        const double lost = faceSeconds(atKill.clock()) - faceSeconds(after.clock());
        worstClock = std::max(worstClock, std::abs(lost));
        if (same && std::abs(lost) <= 1.1)
            ++exact;
        else
            std::printf("round %d: %s %s %s %s / %s vs %s %s %s %s / %s\n", round,
                        qPrintable(atKill.homeScore(0)), qPrintable(atKill.guestScore(0)),
                        qPrintable(atKill.homeScore(1)), qPrintable(atKill.guestScore(1)),
                        qPrintable(atKill.clock()), qPrintable(after.homeScore(0)),
                        qPrintable(after.guestScore(0)), qPrintable(after.homeScore(1)),
                        qPrintable(after.guestScore(1)), qPrintable(after.clock()));
        x.key(XK_r); // the next round starts from here
        stop(pid);
        question = true;
    }
    std::printf("kill_recovery %d of %d worst_clock_s %.2f\n", exact, rounds, worstClock);
    return 0;
}

// Reads what the sink records: whether the horn is loud in what came since
// the last look.
struct SinkListener
{
    int fd;

    bool loud()
    {
        char buffer[4096];
        bool heard = false;
        ssize_t n;
        while ((n = read(fd, buffer, sizeof buffer)) > 0) {
            const auto *samples = reinterpret_cast<const qint16 *>(buffer);
            for (ssize_t s = 0; s < n / 2 && !heard; ++s)
                heard = std::abs(int(samples[s])) > 1000;
        }
        return heard;
    }

    // The recorder blocks on a full pipe while the server keeps recording for
    // it: a pause without reading would bring an old horn back later.
    void quietFor(int ms)
    {
        const auto start = Clock::now();
        while (msSince(start) < ms) {
            loud();
            sleepMs(5);
        }
    }
};

// A count-down to zero: the moment the face shows 0:00.0 against the first
// sound of the horn on the sink.
int hornLatency(X &x, int rounds)
{
    const auto area = x.boardArea();
    if (!area)
        return 1;
    const QRect client = *area;
    int fds[2];
    const pid_t recorder = startRecorder(fds);
    if (recorder < 0)
        return 1;
    SinkListener sink{fds[0]};
    QList<double> gaps;
    int heardOnce = 0;
    for (int round = 0; round < rounds; ++round) {
        x.key(XK_r);
        sink.quietFor(500);
        const auto start = Clock::now();
        x.key(XK_s);
        std::optional<double> zeroAt, soundAt;
        while (msSince(start) < 8000 && !(zeroAt && soundAt)) {
            if (!soundAt && sink.loud())
                soundAt = msSince(start);
            if (!zeroAt) {
                const QImage shot = x.grab(client);
                if (BoardReader(shot, QRect(QPoint(0, 0), client.size())).clock() ==
                    QLatin1StringView(" 0:00.0"))
                    zeroAt = msSince(start);
            }
        }
        if (zeroAt && soundAt) {
            gaps << *soundAt - *zeroAt;
            ++heardOnce;
        }
        if (std::getenv("XPROBE_VERBOSE"))
            std::fprintf(stderr, "round %d: zero at %.1f ms, sound at %.1f ms\n", round,
                         zeroAt.value_or(-1), soundAt.value_or(-1));
        sink.quietFor(3000); // the horn ends
    }
    stop(recorder);
    std::printf("horn_after_zero_median_ms %.1f max_ms %.1f heard %d of %d\n", median(gaps),
                gaps.isEmpty() ? 0.0 : *std::max_element(gaps.begin(), gaps.end()), heardOnce,
                rounds);
    return 0;
}

// A period running out into its break: the first frame of the break's face
// against the first sound of the horn on the sink. Each round plays one
// period of a game of many short periods and short breaks.
int phaseLatency(X &x, int rounds)
{
    const auto area = x.boardArea();
    if (!area)
        return 1;
    const QRect client = *area;
    int fds[2];
    const pid_t recorder = startRecorder(fds);
    if (recorder < 0)
        return 1;
    SinkListener sink{fds[0]};
    QList<double> gaps;
    int heard = 0;
    for (int round = 0; round < rounds; ++round) {
        sink.quietFor(500);
        const auto start = Clock::now();
        x.key(XK_s);
        std::optional<double> breakAt, soundAt;
        bool nearZero = false;
        while (msSince(start) < 8000 && !(breakAt && soundAt)) {
            if (!soundAt && sink.loud())
                soundAt = msSince(start);
            if (!breakAt) {
                const QImage shot = x.grab(client);
                const int tenths = BoardReader::tenthsOf(
                    BoardReader(shot, QRect(QPoint(0, 0), client.size())).clock());
                if (tenths >= 0 && tenths <= 5)
                    nearZero = true;
                else if (nearZero && tenths >= 15)
                    breakAt = msSince(start); // the face jumped up: the break
            }
        }
        if (breakAt && soundAt) {
            gaps << *soundAt - *breakAt;
            ++heard;
        }
        sink.quietFor(4000); // the break runs out, its horn ends, the next period is ready
    }
    stop(recorder);
    std::printf("phase_horn_after_break_face_median_ms %.1f max_ms %.1f heard %d of %d\n",
                median(gaps), gaps.isEmpty() ? 0.0 : *std::max_element(gaps.begin(), gaps.end()),
                heard, rounds);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    X x;
    if (!x.display || argc < 2) {
        std::fprintf(stderr,
                     "usage: xprobe startup TITLE [--board] -- COMMAND... | keylatency N | "
                     "buzzerlatency N | clockaccuracy SECONDS | stopcycles N | savecost N | "
                     "hornlatency N | phaselatency N | breakaccuracy SECONDS | audiencelatency N | "
                     "apilatency N PORT TOKEN | consolelatency N DEVICE_FILE | "
                     "killrecovery N -- COMMAND...\n");
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
    if (what == "stopcycles")
        return stopCycles(x, n);
    if (what == "savecost")
        return saveCost(x, n);
    if (what == "hornlatency")
        return hornLatency(x, n);
    if (what == "phaselatency")
        return phaseLatency(x, n);
    if (what == "audiencelatency")
        return audienceLatency(x, n);
    if (what == "apilatency" && argc > 4)
        return apiLatency(x, n, std::atoi(argv[3]), argv[4]);
    if (what == "consolelatency" && argc > 3)
        return consoleLatency(x, n, argv[3]);
    if (what == "killrecovery") {
        int dashes = 2;
        while (dashes < argc && std::strcmp(argv[dashes], "--") != 0)
            ++dashes;
        if (dashes >= argc - 1)
            return 2;
        return killRecovery(x, n, argv + dashes + 1);
    }
    if (what == "clockaccuracy")
        return clockAccuracy(x, n);
    if (what == "breakaccuracy")
        return breakAccuracy(x, n);
    return 2;
}
