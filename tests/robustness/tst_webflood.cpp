// The web server under the attacks a hostile client on the hall's network
// could try, all on 127.0.0.1 and each bounded: huge requests, many half-open
// connections, no descriptors left. The process's own memory is read before
// and after each, since the server runs inside it.
#include "tests/robustness/flood.h"
#include "tests/web/webfixture.h"
#include "web/httpfront.h"

#include <QDeadlineTimer>
#include <QDir>

#include <atomic>
#include <vector>

#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 AllowedGrowthKb = 10 * 1024;
const QByteArray &Handshake = Flood::LiveHandshake;

using Flood::attack;
using Flood::connectTo;
using Flood::rssKb;

// Client sockets closed whatever way a check ends, so that a failed one
// leaves no descriptors behind for the next.
struct Sockets : std::vector<int>
{
    ~Sockets()
    {
        for (int fd : *this)
            if (fd >= 0)
                ::close(fd);
    }
};

// Waits on the event loop until `done` or the deadline, counted on the clock
// rather than in steps.
template <typename Done> bool waitUntil(Done done, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(20);
    return done();
}

} // namespace

class TestWebFlood : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // 300 clients and the server's side of them need more descriptors
        // than a shell's soft limit of 256 may give.
        rlimit limit{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &limit) == 0);
        limit.rlim_cur = qMax(limit.rlim_cur, qMin<rlim_t>(limit.rlim_max, 4096));
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &limit) == 0);
    }

    void bigRequests_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<qint64>("filler");
        QTest::addColumn<int>("status");
        const QByteArray get = "GET /display HTTP/1.1\r\nHost: 127.0.0.1\r\n";
        QTest::newRow("64 MB body on GET")
            << get + "Content-Length: " + QByteArray::number(64 * MiB) + "\r\n\r\n"
            << 64 * MiB << 413;
        QTest::newRow("64 MB body on POST")
            << "POST /display HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: " +
                   QByteArray::number(64 * MiB) + "\r\n\r\n"
            << 64 * MiB << 413;
        QTest::newRow("64 MB chunked POST")
            << QByteArray("POST /display HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                          "Transfer-Encoding: chunked\r\n\r\n")
            << 64 * MiB << 411;
        QTest::newRow("16 MB header line") << get + "X-Big: " << 16 * MiB << 431;
        QByteArray many = get;
        for (int i = 0; i < 100'000; ++i)
            many += "a:b\r\n";
        QTest::newRow("100,000 headers") << many << qint64(0) << 431;
        // Accepted as a WebSocket, then cut off at the frame's announced size.
        QTest::newRow("64 MB WebSocket frame")
            << Handshake +
                   QByteArray("\x81\xff\x00\x00\x00\x00\x04\x00\x00\x00\x01\x02\x03\x04", 14)
            << 64 * MiB << 101;
    }
    void bigRequests()
    {
        QFETCH(QByteArray, head);
        QFETCH(qint64, filler);
        QFETCH(int, status);
        ServedGame served;
        // A page and a WebSocket once, so that what they keep for good
        // counts as before.
        QCOMPARE(attack(served.server.port(),
                        "GET /display HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n", 0),
                 200);
        QCOMPARE(attack(served.server.port(), Handshake, 0), 101);
        QTRY_COMPARE(served.server.connectionCount(), 0);
        const qint64 before = rssKb();
        qint64 sent = 0;
        QCOMPARE(attack(served.server.port(), head, filler, &sent), status);
        QTRY_COMPARE(served.server.connectionCount(), 0);
        const qint64 after = rssKb();
        qInfo("sent %lld KiB; memory %lld KiB before, %lld KiB after", sent / 1024, before, after);
        QVERIFY(before > 0);
        QVERIFY(after - before < AllowedGrowthKb);
    }

    void halfOpenConnections()
    {
        ServedGame served;
        // Long enough that the first connections are still held when a busy
        // machine has accepted the last of them.
        served.server.setTimeouts(4000, 4000);
        const qint64 before = rssKb();
        Sockets sockets;
        // Each is taken or turned away before the next comes: left to queue,
        // 300 at once overflow the kernel's backlog on a busy machine, and the
        // dropped handshakes come back seconds later, after the server's
        // count already read 0.
        for (int i = 0; i < 300; ++i) {
            sockets.push_back(connectTo(served.server.port()));
            QCoreApplication::processEvents();
        }
        // Accepting 300 connections takes well under a second at rest; the
        // sanitizers' build on a busy machine needed just over five.
        QTRY_COMPARE_WITH_TIMEOUT(served.server.connectionCount(),
                                  HttpFront::MaxConnectionsPerAddress, 30'000);
        const QByteArray partial = "GET /display HTTP/1.1\r\nHost: 127.0.0.1\r\n";
        for (int fd : sockets)
            ::send(fd, partial.constData(), size_t(partial.size()), MSG_NOSIGNAL);
        // Refused ones were closed at once; the rest when their time is up.
        waitUntil([&] { return served.server.connectionCount() == 0; }, 20'000);
        QCOMPARE(served.server.connectionCount(), 0);
        const qint64 after = rssKb();
        for (int &fd : sockets)
            fd = (::close(fd), -1);
        // Served again once the server has let every closed connection go.
        QTRY_COMPARE_WITH_TIMEOUT(
            attack(served.server.port(), partial + "Connection: close\r\n\r\n", 0), 200, 10'000);
        qInfo("memory %lld KiB before, %lld KiB after", before, after);
        QVERIFY(after - before < AllowedGrowthKb);
    }

    void noDescriptorsLeft()
    {
        ServedGame served;
        static std::atomic<int> complaints = 0;
        complaints = 0;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
                if (text.contains(u"cannot accept"_s))
                    ++complaints;
            });
        rlimit old{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &old) == 0);
        // The limit bounds descriptor numbers, not their count: ten above the
        // highest in use, and the clients fill every gap below it too.
        int highest = 0;
        for (const QString &name :
             QDir(u"/proc/self/fd"_s)
                 .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            highest = qMax(highest, name.toInt());
        const rlimit tight{qMin(rlim_t(highest + 11), old.rlim_cur), old.rlim_max};
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &tight) == 0);
        // The clients take every descriptor left before they connect; the
        // server can accept none of them.
        Sockets sockets;
        for (int fd = 0; sockets.size() < 1000 && fd >= 0;) {
            fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            if (fd >= 0)
                sockets.push_back(fd);
        }
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(served.server.port());
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        for (int fd : sockets)
            ::connect(fd, reinterpret_cast<const sockaddr *>(&to), sizeof to);
        rusage start{};
        ::getrusage(RUSAGE_SELF, &start);
        QTest::qWait(2000);
        rusage end{};
        ::getrusage(RUSAGE_SELF, &end);
        for (int &fd : sockets)
            fd = (::close(fd), -1);
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &old) == 0);
        const auto cpuMs = [](const rusage &r) {
            return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000 +
                   (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000;
        };
        const qint64 busy = cpuMs(end) - cpuMs(start);
        // Accepting starts again by itself.
        QCOMPARE(attack(served.server.port(),
                        "GET /display HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n", 0),
                 200);
        qInstallMessageHandler(previous);
        qInfo("%zu clients, %lld ms of processor time in 2 s", sockets.size(), busy);
        QVERIFY(busy < 500);
        QCOMPARE(complaints.load(), 1);
    }
};

QTEST_MAIN(TestWebFlood)
#include "tst_webflood.moc"
