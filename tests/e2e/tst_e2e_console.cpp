// The hall's console drives the installed program. A pseudo-terminal stands
// for a Stramatel console's serial adapter and a TCP client for a Bodet
// console: the board's digits (X screenshots), /display in headless Chromium
// and /api/v1/state follow what the console sends; the feed cut mid-game is
// told and taken up again; the game's export lists the console's steps; and
// --console-monitor prints what it reads. Screenshots under
// artifacts/e2e/console/.
#include "console/consolemirror.h"
#include "tests/console/consoleframes.h"
#include "tests/e2e/boardreader.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/libraryteam.h"
#include "tests/web/devtools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Board = u"Corvella by Brannick"_s;
const QString StartScreen = u"Form1"_s;

// Sends the console's frames of the moment ten times a second, as a console
// does, from a thread of its own: the checks block on curl and screenshots.
class ConsoleFeeder
{
public:
    // `write` sends one frame; false when the line is down (tried again at
    // the next round).
    explicit ConsoleFeeder(std::function<bool(const QByteArray &)> write)
        : m_write(std::move(write)), m_thread([this] { run(); })
    {
    }
    ~ConsoleFeeder()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void send(const QList<QByteArray> &frames)
    {
        const std::lock_guard lock(m_mutex);
        m_frames = frames;
        m_paused = false;
    }
    // The cable pulled: nothing is sent until the next send().
    void pause()
    {
        const std::lock_guard lock(m_mutex);
        m_paused = true;
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        while (!m_stop) {
            if (!m_paused) {
                const QList<QByteArray> frames = m_frames;
                lock.unlock();
                for (const QByteArray &frame : frames)
                    m_write(frame);
                lock.lock();
            }
            m_wake.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_stop; });
        }
    }

    std::function<bool(const QByteArray &)> m_write;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    QList<QByteArray> m_frames;
    bool m_paused = false;
    bool m_stop = false;
    std::thread m_thread;
};

// A Bodet console: the TCP client of the program's listening port, which
// connects again after a refusal or a lost line.
class TcpConsole
{
public:
    explicit TcpConsole(quint16 port) : m_port(port) {}
    ~TcpConsole() { hangUp(); }
    bool write(const QByteArray &frame)
    {
        if (m_hangUpWanted.exchange(false))
            hangUp();
        if (m_fd < 0 && !connectNow())
            return false;
        if (::send(m_fd, frame.constData(), size_t(frame.size()), MSG_NOSIGNAL) != frame.size()) {
            hangUp();
            return false;
        }
        return true;
    }
    // The line drops before the next frame.
    void dropLine() { m_hangUpWanted = true; }

private:
    void hangUp()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    bool connectNow()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(m_port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<const sockaddr *>(&to), sizeof to) == 0)
            return true;
        hangUp();
        return false;
    }

    quint16 m_port;
    int m_fd = -1;
    std::atomic<bool> m_hangUpWanted = false;
};

// A Stramatel basketball frame: the clock as the console's face shows it
// (" 839" or "346 "), the scores, the period, team fouls, the shot clock.
QByteArray stramatel(const QByteArray &clock, bool running, int home, int guest, int period,
                     int homeFouls, int guestFouls, const QByteArray &shot)
{
    return stramatelFrame(0x33, {{3, "1"},
                                 {4, clock},
                                 {8, QByteArray::number(home).rightJustified(3, ' ')},
                                 {11, QByteArray::number(guest).rightJustified(3, ' ')},
                                 {14, QByteArray::number(period)},
                                 {15, QByteArray::number(homeFouls)},
                                 {16, QByteArray::number(guestFouls)},
                                 {17, "00"},
                                 {20, running ? "1" : "0"},
                                 {48, shot},
                                 {51, running ? "1" : "0"},
                                 {52, "1"}});
}

// The basketball preset's rules, as the settings file holds them.
QByteArray basketballRules()
{
    QFile preset(QStringLiteral(CORVELLA_SOURCE_DIR "/game/presets/basketball.ini"));
    if (!preset.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = preset.readAll();
    return text.mid(text.indexOf("[ClockSettings]"));
}

} // namespace

class TestEndToEndConsole : public QObject
{
    Q_OBJECT

    std::unique_ptr<Desktop> desktop;
    QTemporaryDir install;
    QTemporaryDir config;
    HeadlessChromium browser;
    quint16 port = 0;
    QProcess *corvella = nullptr;
    QString boardId;
    int shots = 0;
    int master = -1;
    int slave = -1;
    QString device;

    QUrl url(const QString &path) const
    {
        return QUrl(u"http://127.0.0.1:%1%2"_s.arg(port).arg(path));
    }

    QJsonObject apiState()
    {
        const QString body = desktop->run(
            u"curl"_s, {u"-s"_s, u"-H"_s, u"Authorization: Bearer "_s + LibraryTeam::Token,
                        url(u"/api/v1/state"_s).toString()});
        return QJsonDocument::fromJson(body.toUtf8()).object();
    }
    QJsonObject clock() { return apiState().value(u"clock").toObject(); }
    QList<int> apiScores()
    {
        const QJsonArray scores = apiState().value(u"scores").toArray();
        QList<int> out;
        for (const QJsonValue &v : scores)
            out << v.toInt(-1);
        return out;
    }

    // Screenshots until the board reads as `done` wants, for at most 5 s.
    bool boardReads(const std::function<bool(const BoardReader &)> &done, const QString &name)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 5000) {
            BoardReader reading(
                desktop->screenshot(u"console/%1-%2"_s.arg(++shots, 2, 10, QChar(u'0')).arg(name)),
                desktop->geometry(boardId));
            reading.setThreeDigits(true);
            if (done(reading))
                return true;
        }
        return false;
    }

    // Starts the program with a new game (no resume question).
    bool startProgram(const QByteArray &console)
    {
        QDir(config.filePath(u"state"_s)).removeRecursively();
        QFile settings(config.filePath(u"Corvella/Corvella.conf"_s));
        if (!QDir().mkpath(config.filePath(u"Corvella"_s)) || !settings.open(QIODevice::WriteOnly))
            return false;
        settings.write(LibraryTeam::apiSettings(port) + "[ConsoleSettings]\n" + console + "\n" +
                       basketballRules());
        settings.close();
        QString why;
        corvella = desktop->startInstalledProgram(install.path(), config.path(), &why);
        if (!corvella) {
            qWarning("%s", qPrintable(why));
            return false;
        }
        const QString splash = desktop->waitForWindow(StartScreen);
        if (splash.isEmpty()) {
            desktop->screenshot(u"console/no-start-screen"_s);
            qWarning("no start screen");
            return false;
        }
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        // The board's title leads with what the operator must know.
        Desktop::waitUntil(
            [this] {
                boardId = desktop
                              ->run(u"xdotool"_s,
                                    {u"search"_s, u"--onlyvisible"_s, u"--name"_s, Board + u'$'})
                              .section(u'\n', 0, 0)
                              .trimmed();
                return !boardId.isEmpty();
            },
            10000);
        if (boardId.isEmpty()) {
            desktop->screenshot(u"console/no-board"_s);
            qWarning("no board");
        }
        return !boardId.isEmpty();
    }

    void stopProgram()
    {
        if (!corvella || corvella->state() == QProcess::NotRunning)
            return;
        corvella->terminate();
        corvella->waitForFinished(10000);
    }

private slots:
    // Each check starts the program it needs.
    void cleanup() { stopProgram(); }

    void initTestCase()
    {
        for (const char *program : {"Xvfb", "chromium"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
                QSKIP(qPrintable(u"%1 is not installed (scripts/install-deps installs it)"_s.arg(
                    QString::fromLatin1(program))));
        }
        // Raw, as the program sets its end: no echo back to the console's side.
        char name[256] = {};
        termios raw{};
        cfmakeraw(&raw);
        QVERIFY(openpty(&master, &slave, name, &raw, nullptr) == 0);
        // A console's frames are lost while nobody reads, not held up.
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        device = QString::fromLocal8Bit(name);
        desktop = std::make_unique<Desktop>(QSize(1280, 720));
        QString why;
        QVERIFY2(desktop->startDisplay(&why), qPrintable(why));
        port = Desktop::freeLocalPort();
        QVERIFY(port != 0);
        QVERIFY(!basketballRules().isEmpty());
        QVERIFY2(browser.start(), qPrintable(browser.problem));
        browser.setViewport(1280, 720);
    }

    void cleanupTestCase()
    {
        browser.stop();
        desktop.reset();
        if (master >= 0)
            ::close(master);
        if (slave >= 0)
            ::close(slave);
    }

    // Stramatel on a serial line: a clock running down under a minute,
    // three-digit scores, fouls, the shot clock; the cable pulled and put
    // back.
    void aStramatelConsoleDrivesEveryScreen()
    {
        // The console is on before the program starts, as in a hall.
        ConsoleFeeder feeder([this](const QByteArray &frame) {
            return ::write(master, frame.constData(), size_t(frame.size())) == frame.size();
        });
        feeder.send({stramatel(" 839", false, 101, 98, 2, 3, 5, "24")});
        QVERIFY(
            startProgram("Source=stramatel\nSport=basketball\nDevice=" + device.toUtf8() + "\n"));
        QTRY_COMPARE_WITH_TIMEOUT(apiScores().mid(0, 2), (QList<int>{101, 98}), 5000);
        QVERIFY(boardReads(
            [](const BoardReader &b) {
                return b.homeScore3() == u"101"_s && b.guestScore3() == u" 98"_s &&
                       b.homeScore(1) == u" 3"_s && b.guestScore(1) == u" 5"_s &&
                       b.period() == u" 2"_s && b.shotClock() == u"24"_s &&
                       BoardReader::tenthsOf(b.clock()) == 5190;
            },
            u"stramatel-stopped"_s));
        QVERIFY(browser.navigate(url(u"/display"_s)));
        QTRY_COMPARE_WITH_TIMEOUT(browser.digits().value(u"clock2"_s), u"8"_s, 5000);
        QCOMPARE(browser.digits().value(u"clock3"_s), u"3"_s);
        QCOMPARE(browser.digits().value(u"clock4"_s), u"9"_s);
        browser.screenshot().save(QStringLiteral(CORVELLA_ARTIFACTS "/e2e/console/display.png"));

        // A score typed on the board is refused: the console keeps it, and
        // the board's title says so.
        desktop->run(u"xdotool"_s, {u"windowactivate"_s, u"--sync"_s, boardId});
        desktop->click(
            BoardReader(desktop->screenshot(u"console/before-typing"_s), desktop->geometry(boardId))
                .scorePanelPoint(true, 0));
        desktop->type(u"7"_s);
        desktop->key(u"Return"_s);
        QTRY_VERIFY_WITH_TIMEOUT(desktop->run(u"xdotool"_s, {u"getwindowname"_s, boardId})
                                     .startsWith(u"Not taken: the console keeps the score"_s),
                                 5000);
        desktop->screenshot(u"console/typed-score-refused"_s);

        // Under a minute, running: the board counts down with the console.
        feeder.send({stramatel("346 ", true, 103, 98, 2, 3, 5, "14")});
        QTRY_VERIFY_WITH_TIMEOUT(clock().value(u"running").toBool(), 5000);
        QVERIFY(boardReads(
            [](const BoardReader &b) {
                const int tenths = BoardReader::tenthsOf(b.clock());
                return b.homeScore3() == u"103"_s && tenths > 0 && tenths <= 346;
            },
            u"stramatel-running"_s));

        // The cable pulled: told within 2.5 s of the last frame, the clock
        // running on from its last value for 5 s after that frame, then
        // standing. (This console's frames repeat one face, so the board's
        // clock ran freely since the first of them.)
        feeder.pause();
        QJsonObject silent;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(silent = apiState()).value(u"console").toObject().value(u"connected").toBool(true),
            5000);
        const double sinceFrame =
            silent.value(u"console").toObject().value(u"lastFrameMs").toDouble();
        const double clockAtSilence = silent.value(u"clock").toObject().value(u"ms").toDouble();
        QVERIFY2(sinceFrame < 2500, qPrintable(QString::number(sinceFrame)));
        QVERIFY(silent.value(u"clock").toObject().value(u"running").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(desktop->run(u"xdotool"_s, {u"getwindowname"_s, boardId})
                                     .contains(u"console silent"_s, Qt::CaseInsensitive),
                                 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!clock().value(u"running").toBool(true), 8000);
        const double stood = clock().value(u"ms").toDouble();
        const double expected = clockAtSilence - (ConsoleMirror::RunOnMs - sinceFrame);
        QVERIFY2(std::abs(stood - expected) < 300,
                 qPrintable(u"stood at %1 ms, expected %2"_s.arg(stood).arg(expected)));

        // Back: taken up again at once, the console's clock with it.
        feeder.send({stramatel("212 ", false, 105, 98, 2, 3, 5, "14")});
        QTRY_VERIFY_WITH_TIMEOUT(
            apiState().value(u"console").toObject().value(u"connected").toBool(), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(apiScores().mid(0, 2), (QList<int>{105, 98}), 2000);

        // The export lists the console's steps.
        const QString csv = desktop->run(u"curl"_s, {u"-s"_s, url(u"/report.csv"_s).toString()});
        QVERIFY2(csv.count(u",console,"_s) >= 5, qPrintable(csv));
        // Nothing of the operator's, and every score the console sent,
        // before the cable was pulled and after.
        QVERIFY2(!csv.contains(u",operator,"_s), qPrintable(csv));
        for (const int home : {101, 103, 105})
            QVERIFY2(csv.contains(u"Home %1 on the console"_s.arg(home)), qPrintable(csv));
        feeder.pause();
    }

    // --console-monitor on the same line prints each change as it reads it.
    void theMonitorPrintsWhatTheConsoleSends()
    {
        QProcess monitor;
        QProcessEnvironment environment = desktop->environment();
        environment.insert(u"XDG_CONFIG_HOME"_s, config.path());
        monitor.setProcessEnvironment(environment);
        monitor.start(install.filePath(u"bin/corvella"_s), {u"--console-monitor"_s});
        QVERIFY(monitor.waitForStarted(5000));
        ConsoleFeeder feeder([this](const QByteArray &frame) {
            return ::write(master, frame.constData(), size_t(frame.size())) == frame.size();
        });
        feeder.send(
            {QByteArray("\x55\xAA garbage"), stramatel(" 500", false, 7, 9, 1, 0, 1, "24")});
        QByteArray printed;
        QTRY_VERIFY_WITH_TIMEOUT((printed += monitor.readAllStandardOutput()).contains("score 7-9"),
                                 5000);
        feeder.pause();
        ::kill(pid_t(monitor.processId()), SIGINT);
        QVERIFY(monitor.waitForFinished(5000));
        printed += monitor.readAllStandardOutput();
        QVERIFY2(printed.contains("clock 5:00 stopped") && printed.contains("team fouls 0-1") &&
                     printed.contains("console heard") && printed.contains("swap A and B"),
                 printed.constData());
    }

    // Bodet over TCP: the console connects to the program, the vendor's
    // example messages among what it sends, and connects again after a
    // dropped line.
    void aBodetConsoleDrivesTheBoard()
    {
        const quint16 listen = Desktop::freeLocalPort();
        TcpConsole console(listen);
        ConsoleFeeder feeder([&console](const QByteArray &frame) { return console.write(frame); });
        // The vendor's message 18: 1:56 running, period 1; and a score 78-9.
        feeder.send({hex("01 7F 02 47 31 38 80 35 20 31 35 36 30 30 20 20 31 20 03 26"),
                     hex("01 7F 02 47 33 30 35 20 37 38 20 39 20 03 39")});
        QVERIFY(startProgram(
            u"Source=bodet\nSport=basketball\nListenAddress=127.0.0.1\nListenPort=%1\n"_s
                .arg(listen)
                .toUtf8()));
        QTRY_COMPARE_WITH_TIMEOUT(apiScores().mid(0, 2), (QList<int>{78, 9}), 5000);
        QVERIFY(clock().value(u"running").toBool());
        QVERIFY(boardReads(
            [](const BoardReader &b) {
                const int tenths = BoardReader::tenthsOf(b.clock());
                return b.homeScore3() == u" 78"_s && b.guestScore3() == u"  9"_s && tenths > 0 &&
                       tenths <= 1160;
            },
            u"bodet"_s));

        // The console's line drops and it connects again.
        console.dropLine();
        feeder.send({hex("01 7F 02 47 31 38 80 35 20 31 35 36 30 30 20 20 31 20 03 26"),
                     bodetFrame("305 80 9 ")});
        QTRY_COMPARE_WITH_TIMEOUT(apiScores().mid(0, 2), (QList<int>{80, 9}), 2000);
        feeder.pause();
    }
};

QTEST_GUILESS_MAIN(TestEndToEndConsole)
#include "tst_e2e_console.moc"
