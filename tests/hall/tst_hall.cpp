#include "hall/courtpublisher.h"
#include "hall/halllimits.h"
#include "hall/halllink.h"
#include "hall/joincode.h"
#include "hall/nextgame.h"
#include "tests/hall/hallfixture.h"
#include "tests/robustness/flood.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QWebSocket>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

struct Reply
{
    int status = 0;
    QByteArray type;
    QByteArray body;
};

// One GET from the hall's process; every wait is bounded.
Reply get(quint16 port, const QByteArray &path)
{
    Reply reply;
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(2000))
        return reply;
    socket.write("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    QByteArray all;
    qsizetype headEnd = -1;
    qint64 length = -1;
    for (int reads = 0; reads < 200 && socket.waitForReadyRead(5000); ++reads) {
        all += socket.readAll();
        headEnd = all.indexOf("\r\n\r\n");
        if (headEnd < 0)
            continue;
        for (const QByteArray &line : all.left(headEnd).split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
            if (line.toLower().startsWith("content-type:"))
                reply.type = line.mid(13).trimmed();
        }
        if (length >= 0 && all.size() >= headEnd + 4 + length)
            break;
    }
    if (headEnd < 0)
        return reply;
    reply.status = all.mid(9, 3).toInt();
    reply.body = all.mid(headEnd + 4, length);
    return reply;
}

QJsonObject hallJson(quint16 port)
{
    return QJsonDocument::fromJson(get(port, "/hall.json").body).object();
}

QJsonObject firstCourt(quint16 port)
{
    return hallJson(port).value(u"courts").toArray().at(0).toObject();
}

void writeStore(const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
    QFile store(TestEnvironment::storeFile());
    store.open(QIODevice::WriteOnly);
    store.write(contents);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The processes whose command line names `argument`.
QList<int> processesRunning(const QString &argument)
{
    QList<int> found;
    const QStringList entries = QDir(u"/proc"_qs).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        if (isPid && readAll(u"/proc/"_qs + entry + u"/cmdline"_qs).contains(argument.toUtf8()))
            found << pid;
    }
    return found;
}

void writeSettings(const QString &broker)
{
    QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
    QFile store(TestEnvironment::storeFile());
    store.open(QIODevice::WriteOnly);
    store.write("[HallSettings]\nBroker=" + broker.toUtf8() + "\n");
}

// `corvella --hall` on a port of its own.
class HallProcess
{
public:
    // The program at `program` instead of the build's.
    void setProgram(const QString &program) { m_program = program; }
    bool start(const QString &stateDir, const QStringList &more = {})
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        // Its output is kept for the checks that read it, and passed on.
        m_process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        QObject::connect(&m_process, &QProcess::readyReadStandardError, &m_process, [this] {
            const QByteArray said = m_process.readAllStandardError();
            std::fwrite(said.constData(), 1, size_t(said.size()), stderr);
            m_errors += QString::fromLocal8Bit(said);
        });
        m_process.start(m_program,
                        QStringList{QStringLiteral("--hall"), QStringLiteral("--headless"),
                                    QStringLiteral("--port"), QString::number(m_port),
                                    QStringLiteral("--state-dir"), stateDir} +
                            more);
        return m_process.waitForStarted(5000);
    }
    ~HallProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    quint16 port() const { return m_port; }
    qint64 pid() const { return m_process.processId(); }
    bool waitForEnd(int ms) { return m_process.waitForFinished(ms); }
    int exitCode() const { return m_process.exitCode(); }
    // What it said on stderr so far.
    QString errors()
    {
        QCoreApplication::processEvents();
        return m_errors;
    }
    void stop()
    {
        m_process.terminate();
        m_process.waitForFinished(10000);
    }
    bool isRunning() const { return m_process.state() == QProcess::Running; }

private:
    QProcess m_process;
    QString m_program = QStringLiteral(CORVELLA_EXECUTABLE);
    quint16 m_port = 0;
    QString m_errors;
};

// The program as a user's package installs it, under `prefix`; empty when
// the install fails.
QString installedProgram(const QString &prefix)
{
    QProcess cmake;
    cmake.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cmake.setStandardOutputFile(QProcess::nullDevice());
    cmake.start(QStringLiteral("cmake"),
                {QStringLiteral("--install"), QStringLiteral(CORVELLA_BUILD_DIR),
                 QStringLiteral("--prefix"), prefix});
    if (!cmake.waitForFinished(120000) || cmake.exitCode() != 0)
        return {};
    return prefix + QStringLiteral("/bin/corvella");
}

QList<int> numbersOnDisk(const QString &folder)
{
    QList<int> n;
    const QStringList logs = QDir(folder).entryList({QStringLiteral("*.jsonl")});
    if (logs.size() != 1)
        return n;
    QFile file(folder + u'/' + logs.first());
    file.open(QIODevice::ReadOnly);
    while (!file.atEnd())
        n.append(QJsonDocument::fromJson(file.readLine()).object().value(u"n").toInt(0));
    return n;
}

// The most the hall may hold after any hostile row: the unbounded hall
// reached 240 MB with row 5 and 1 GB with slow /live clients. ASan's shadow
// memory and red zones add about half again.
#ifdef __SANITIZE_ADDRESS__
constexpr qint64 PeakMemoryLimitKb = 225 * 1024;
#else
constexpr qint64 PeakMemoryLimitKb = 150 * 1024;
#endif

// A /live client that sends its handshake and never reads, with a small
// receive buffer so that what the hall sends piles up on the hall's side.
int silentLiveClient(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int small = 4096;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&to), sizeof to) != 0)
        return (::close(fd), -1);
    const QByteArray &handshake = Flood::LiveHandshake;
    ::send(fd, handshake.constData(), size_t(handshake.size()), MSG_NOSIGNAL);
    return fd;
}

// Whether the hall let the client go: reading what it was sent ends at the
// hall's close before the deadline.
bool letGo(int fd, int deadlineMs)
{
    QElapsedTimer timer;
    timer.start();
    char buffer[64 * 1024];
    while (timer.elapsed() < deadlineMs) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
            return true;
    }
    return false;
}

// A field of /proc/PID/status in kilobytes ("VmHWM": the most it ever held).
qint64 statusKb(qint64 pid, const char *field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

QByteArray logHeader(const QString &game, const QString &home, const QString &guest,
                     const QJsonObject &more = {})
{
    QJsonObject h{{u"format"_qs, u"corvella-game-log"_qs},
                  {u"version"_qs, 1},
                  {u"started"_qs, u"2026-12-08T10:00:00.000Z"_qs},
                  {u"home"_qs, home},
                  {u"guest"_qs, guest},
                  {u"section1"_qs, QString()},
                  {u"section2"_qs, QString()},
                  {u"periods"_qs, 2},
                  {u"game"_qs, game}};
    for (auto it = more.begin(); it != more.end(); ++it)
        h.insert(it.key(), it.value());
    return QJsonDocument(h).toJson(QJsonDocument::Compact);
}

QByteArray logStep(const QString &game, int n, int home, int guest, const QJsonObject &more = {})
{
    QJsonObject e{{u"n"_qs, n},
                  {u"time"_qs, u"2026-12-08T10:0%1:00.000Z"_qs.arg(n % 10)},
                  {u"kind"_qs, u"action"_qs},
                  {u"action"_qs, u"score.set"_qs},
                  {u"label"_qs, u"Score"_qs},
                  {u"origin"_qs, u"operator"_qs},
                  {u"period"_qs, 1},
                  {u"beforePeriod"_qs, 1},
                  {u"phase"_qs, u"play"_qs},
                  {u"clockMs"_qs, 1000 * n},
                  {u"beforeClockMs"_qs, 1000 * n},
                  {u"running"_qs, false},
                  {u"before"_qs, QJsonArray{0, 0, QJsonValue(), QJsonValue()}},
                  {u"after"_qs, QJsonArray{home, guest, QJsonValue(), QJsonValue()}},
                  {u"timeout"_qs, QJsonValue()},
                  {u"game"_qs, game}};
    for (auto it = more.begin(); it != more.end(); ++it)
        e.insert(it.key(), it.value());
    return QJsonDocument(e).toJson(QJsonDocument::Compact);
}

QByteArray logResult(const QString &home, const QString &guest, int a, int b)
{
    return QJsonDocument(
               QJsonObject{{u"format"_qs, u"corvella-game-log"_qs},
                           {u"started"_qs, u"2026-12-08T10:00:00.000Z"_qs},
                           {u"home"_qs, home},
                           {u"guest"_qs, guest},
                           {u"final"_qs, QJsonObject{{u"scores"_qs, QJsonArray{a, b, QJsonValue(),
                                                                               QJsonValue()}}}}})
        .toJson(QJsonDocument::Compact);
}

QByteArray courtState(qint64 at, const QJsonObject &more = {})
{
    QJsonObject state{{u"at"_qs, at},
                      {u"clock"_qs, QJsonObject{{u"ms"_qs, 0}, {u"running"_qs, false}}},
                      {u"scores"_qs, QJsonArray{1, 2, QJsonValue(), QJsonValue()}}};
    for (auto it = more.begin(); it != more.end(); ++it)
        state.insert(it.key(), it.value());
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

using Publications = QList<QPair<QString, QByteArray>>;

// corvella/v1/hall/{court}/{leaf}
QString on(const QString &court, const char *leaf)
{
    return u"corvella/v1/hall/"_qs + court + u'/' + QLatin1StringView(leaf);
}

// The rows of the issue's hostile table, and what must hold after each.
struct Hostile
{
    const char *name;
    std::function<Publications()> messages;
    std::function<void(quint16 port, const QString &venueFolder)> check;
};

QList<int> allFileSizesUnder(const QString &folder, qint64 bound)
{
    QList<int> over;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().size() > bound)
            over << int(it.fileInfo().size());
    }
    return over;
}

} // namespace

class TestHall : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

private slots:
    void aHallThatCannotHaveItsBrokerDoesNotStart_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("says");
        QTest::newRow("not host:port")
            << QByteArray("[HallSettings]\nBroker=hall.local:mqtt\n") << u"hall.local:mqtt"_qs;
        QTest::newRow("own broker's port taken")
            << QByteArray("[HallServiceSettings]\nOwnBrokerAddress=127.0.0.1\nOwnBrokerPort=")
            << u"is taken"_qs;
    }
    void aHallThatCannotHaveItsBrokerDoesNotStart()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, says);
        QTcpServer taken;
        QVERIFY(taken.listen(QHostAddress::LocalHost, 0));
        if (settings.endsWith('='))
            settings += QByteArray::number(taken.serverPort()) + '\n';
        writeStore(settings);
        QTemporaryDir state;
        HallProcess hall;
        QVERIFY(hall.start(state.path()));
        QVERIFY(hall.waitForEnd(30000));
        QCOMPARE(hall.exitCode(), 2);
        QVERIFY2(hall.errors().contains(says), qPrintable(hall.errors()));
    }

    // With nothing set the hall starts a Mosquitto of its own: anonymous
    // clients are refused, a court's join code brings a board onto it over
    // TLS, and the broker ends with the hall.
    void aBoardJoinsTheHallsOwnBroker()
    {
        const quint16 brokerPort = TestBroker::freePort();
        writeStore("[HallServiceSettings]\nOwnBrokerAddress=127.0.0.1\nOwnBrokerPort=" +
                   QByteArray::number(brokerPort) + "\nVenue=cup\n");
        QTemporaryDir prefix;
        const QString program = installedProgram(prefix.path());
        QVERIFY2(!program.isEmpty(), "cmake --install failed");
        QTemporaryDir state;
        HallProcess hall;
        hall.setProgram(program);
        QVERIFY(hall.start(state.path()));
        const QString config = state.filePath(u"hall-broker/cup/mosquitto.conf"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(!processesRunning(config).isEmpty(), LinkDeadlineMs);
        QTRY_VERIFY_WITH_TIMEOUT(hall.errors().contains(u"connected to the broker"_qs),
                                 LinkDeadlineMs);

        const QString caFile = state.filePath(u"hall-broker/cup/tls/ca.crt"_qs);
        QProcess anonymous;
        anonymous.start(u"mosquitto_pub"_qs,
                        {u"-h"_qs, u"127.0.0.1"_qs, u"-p"_qs, QString::number(brokerPort),
                         u"--cafile"_qs, caFile, u"-t"_qs, u"corvella/v1/cup/3/online"_qs, u"-m"_qs,
                         u"1"_qs});
        QVERIFY(anonymous.waitForFinished(10000));
        QVERIFY(anonymous.exitCode() != 0);
        QVERIFY(anonymous.readAllStandardError().contains("not authorised"));

        QProcess print;
        print.start(program, {u"--hall"_qs, u"--print-join-code"_qs, u"3"_qs, u"--port"_qs,
                              QString::number(hall.port()), u"--state-dir"_qs, state.path()});
        QVERIFY(print.waitForFinished(30000));
        QCOMPARE(print.exitCode(), 0);
        QString why;
        std::optional<JoinCode> code =
            JoinCode::parse(QString::fromUtf8(print.readAllStandardOutput()), &why);
        QVERIFY2(code, qPrintable(why));
        QCOMPARE(code->port, int(brokerPort));
        QCOMPARE(code->webPort, int(hall.port()));
        code->host = u"127.0.0.1"_qs;

        // The board, given only the code, joins and publishes as court 3.
        QFile store(TestEnvironment::storeFile());
        QVERIFY(store.open(QIODevice::Append));
        store.write("[HallSettings]\nJoinCode=" + code->text().toUtf8() + "\n");
        store.close();
        QTemporaryDir boardState;
        QProcess board;
        board.setProcessChannelMode(QProcess::ForwardedChannels);
        board.start(program, {u"--state-dir"_qs, boardState.path()});
        const auto courtThree = [&] {
            const QJsonArray courts = hallJson(hall.port()).value(u"courts").toArray();
            return !courts.isEmpty() && courts.at(0).toObject().value(u"court") == u"3"_qs &&
                   courts.at(0).toObject().value(u"online").toBool();
        };
        QTRY_VERIFY_WITH_TIMEOUT(courtThree(), 2 * LinkDeadlineMs);
        const QString stored = QString::fromUtf8(readAll(TestEnvironment::storeFile()));
        QVERIFY2(stored.contains(u"Broker=127.0.0.1:"_qs + QString::number(brokerPort)),
                 qPrintable(stored));
        QVERIFY(stored.contains(u"User=cup-3"_qs));
        QVERIFY(!stored.contains(u"corvella-hall://"_qs));
        board.terminate();
        QVERIFY(board.waitForFinished(10000));

        hall.stop();
        QTRY_VERIFY_WITH_TIMEOUT(processesRunning(config).isEmpty(), 5000);
    }

    void theHallServesWhatACourtPublishes()
    {
        TestBroker broker;
        broker.keepSessions();
        QVERIFY(broker.start());
        writeSettings(broker.address());
        QTemporaryDir state;
        // The day's games: the court plays the first; the second goes to it
        // when the first is over.
        QFile day(state.filePath(u"day.csv"_qs));
        QVERIFY(day.open(QIODevice::WriteOnly));
        day.write("time,court,home,guest,preset,group\n09:00,1,Lions,Tigers,Basketball,A\n"
                  "10:30,1,Tigers,Kites,Handball,A\n");
        day.close();
        HallProcess hall;
        QVERIFY(hall.start(state.path(), {u"--schedule"_qs, day.fileName()}));
        QTemporaryDir folder;
        Court court(time, folder.path(), courtSettings(broker.address(), u"1"_qs));
        QList<NextGame> announced;
        connect(&court.link, &CourtLink::nextGameAnnounced, this,
                [&announced](const NextGame &next) { announced << next; });
        court.game.setStructure({2, {}, 0});
        court.score(0, 2);
        court.score(1, 3);
        const auto shownScores = [&] {
            const QJsonArray scores =
                firstCourt(hall.port()).value(u"state").toObject().value(u"scores").toArray();
            return QList<int>{scores.at(0).toInt(-1), scores.at(1).toInt(-1)};
        };
        QTRY_COMPARE_WITH_TIMEOUT(shownScores(), (QList<int>{2, 3}), LinkDeadlineMs);
        QCOMPARE(firstCourt(hall.port()).value(u"court").toString(), u"1"_qs);
        QVERIFY(firstCourt(hall.port()).value(u"online").toBool());

        // A page gets every court when it connects.
        QWebSocket page;
        QStringList received;
        connect(&page, &QWebSocket::textMessageReceived, this,
                [&received](const QString &text) { received << text; });
        page.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live").arg(hall.port())));
        QTRY_VERIFY_WITH_TIMEOUT(!received.isEmpty(), LinkDeadlineMs);
        const QJsonObject snapshot = QJsonDocument::fromJson(received.first().toUtf8()).object();
        QCOMPARE(snapshot.value(u"type").toString(), u"hall"_qs);
        QCOMPARE(snapshot.value(u"courts").toArray().at(0).toObject().value(u"court"), u"1"_qs);
        // ... then the court again as it changes.
        court.score(0, 4);
        QTRY_VERIFY_WITH_TIMEOUT(received.last().contains(u"\"type\":\"court\""), LinkDeadlineMs);

        // The broker dies mid-game, and may lose what it had taken: the court
        // sends its log again from the first line, the broker keeps it for
        // the hall's session until the hall is back, and the hall keeps each
        // line once.
        const quint16 port = broker.port();
        broker.kill();
        QTRY_VERIFY_WITH_TIMEOUT(!court.link.isUp(), LinkDeadlineMs);
        court.score(1, 5);
        QVERIFY(broker.start(port));
        QTRY_VERIFY_WITH_TIMEOUT(court.link.isUp(), LinkDeadlineMs);
        court.history.perform(QStringLiteral("end"), [](GameModel &g) { g.nextPeriod(); });
        court.history.perform(QStringLiteral("end"), [](GameModel &g) { g.nextPeriod(); });
        court.history.perform(QStringLiteral("end"), [](GameModel &g) { g.nextPeriod(); });
        QCOMPARE(court.game.phase(), GamePhase::Final);

        // The hall comes back on its own backoff, up to 10 s after the court.
        QTRY_COMPARE_WITH_TIMEOUT(hallJson(hall.port()).value(u"results").toArray().size(), 1,
                                  2 * LinkDeadlineMs);
        const QJsonObject result =
            hallJson(hall.port()).value(u"results").toArray().at(0).toObject();
        QCOMPARE(result.value(u"home").toString(), u"Lions"_qs);
        QCOMPARE(result.value(u"guest").toString(), u"Tigers"_qs);
        QCOMPARE(result.value(u"scores").toArray().at(0).toInt(), 4);
        QCOMPARE(result.value(u"scores").toArray().at(1).toInt(), 5);
        const QString game = hallGameName(court.log.currentPath());
        QCOMPARE(result.value(u"game").toString(), game);
        // Every line of the court's, once and in order: the header, then steps 1 to n.
        QList<int> expected;
        for (int n = 0; n < court.link.lines().size(); ++n)
            expected.append(n);
        QCOMPARE(expected.size(), 7);
        QCOMPARE(numbersOnDisk(state.filePath(u"hall/hall/1"_qs)), expected);

        const Reply results = get(hall.port(), "/hall/results");
        QCOMPARE(results.status, 200);
        const QByteArray link = "/hall/results/1/" + QUrl::toPercentEncoding(game) + ".pdf";
        QVERIFY2(results.body.contains(link), results.body.constData());
        // The game's score-flow chart from the log the hall keeps, with no
        // inline style for the page's Content-Security-Policy to drop.
        QDir().mkpath(QStringLiteral(CORVELLA_ARTIFACTS "/hall"));
        QFile resultsHtml(QStringLiteral(CORVELLA_ARTIFACTS "/hall/results.html"));
        QVERIFY(resultsHtml.open(QIODevice::WriteOnly) && resultsHtml.write(results.body) > 0);
        QVERIFY(results.body.contains("<figure class=\"flow\"><svg"));
        QVERIFY(!results.body.contains(" style=") && !results.body.contains("<style"));
        const Reply pdf = get(hall.port(), link);
        QCOMPARE(pdf.status, 200);
        QCOMPARE(pdf.type, QByteArray("application/pdf"));
        QVERIFY(pdf.body.startsWith("%PDF"));
        // Kept to be looked at.
        QDir().mkpath(QStringLiteral(CORVELLA_ARTIFACTS "/hall"));
        QFile kept(QStringLiteral(CORVELLA_ARTIFACTS "/hall/result.pdf"));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(pdf.body) == pdf.body.size());
        QCOMPARE(get(hall.port(), "/hall/results/1/nothing.pdf").status, 404);

        // The court heard its first game, then the one after it; the
        // schedule's page counts the result.
        QTRY_COMPARE_WITH_TIMEOUT(announced.isEmpty() ? QString() : announced.last().home,
                                  u"Tigers"_qs, LinkDeadlineMs);
        QCOMPARE(announced.first().home, u"Lions"_qs);
        QCOMPARE(announced.last().preset, u"Handball"_qs);
        const Reply standings = get(hall.port(), "/hall/schedule");
        QCOMPARE(standings.status, 200);
        QVERIFY2(standings.body.contains("4 : 5") && standings.body.contains("Kites"),
                 standings.body.constData());
    }

    // The hostile table: a client on the hall's broker (anonymous allowed,
    // as on a hall network set up in a hurry) sends what no board sends.
    // Through all of it the hall follows no path, keeps no forged line as
    // the court's, counts no result from the wrong court, holds every
    // bound, shows no NaN, and stays under 150 MB.
    void theHallTrustsNothingItHears()
    {
        TestBroker broker;
        // The broker holds back nothing: a hall slowed down by the flood
        // (the sanitizers, a busy machine) would otherwise lose what the
        // broker drops past its queue's bound, the rows' last state with it.
        broker.addConfig(u"message_size_limit 0\nmax_queued_messages 0\n"_qs);
        QVERIFY(broker.start());
        writeSettings(broker.address());
        QTemporaryDir state;
        QFile day(state.filePath(u"day.csv"_qs));
        QVERIFY(day.open(QIODevice::WriteOnly));
        day.write("time,court,home,guest,preset,group\n09:00,1,Lions,Tigers,Basketball,A\n"
                  "10:00,1,Kites,Terns,Basketball,A\n");
        day.close();
        HallProcess hall;
        QVERIFY(hall.start(state.path(), {u"--schedule"_qs, day.fileName()}));
        const QString venue = state.filePath(u"hall/hall"_qs);
        BrokerAddress as = *BrokerAddress::from(courtSettings(broker.address(), u"x"_qs));
        as.venue = u"someone"_qs; // a client of its own, not the hall's session
        HallLink client(as);
        QTRY_VERIFY_WITH_TIMEOUT(client.isUp(), LinkDeadlineMs);

        QTemporaryDir secrets;
        QImage secret(32, 32, QImage::Format_RGB32);
        secret.fill(Qt::green);
        const QString secretPath = secrets.filePath(u"private.png"_qs);
        QVERIFY(secret.save(secretPath));
        const HallLimits limits;
        qint64 received = 0;
        std::vector<int> silent;
        const auto closeSilent = qScopeGuard([&] {
            for (int fd : silent)
                ::close(fd);
        });

        const QList<Hostile> table = {
            {"1: a logo path in a header, then a result",
             [&] {
                 const QString g = u"2026-12-08_1000_Owls-Hawks"_qs;
                 return Publications{
                     {on(u"7"_qs, "log"),
                      logHeader(g, u"Owls"_qs, u"Hawks"_qs,
                                {{u"homeTeam"_qs, QJsonObject{{u"name"_qs, u"Owls"_qs},
                                                              {u"color"_qs, u"#800080"_qs},
                                                              {u"logo"_qs, secretPath}}}})},
                     {on(u"7"_qs, "log"), logStep(g, 1, 1, 0)},
                     {on(u"7"_qs, "result"), logResult(u"Owls"_qs, u"Hawks"_qs, 1, 0)}};
             },
             [&](quint16 port, const QString &folder) {
                 const Reply pdf = get(port, "/hall/results/7/2026-12-08_1000_Owls-Hawks.pdf");
                 QCOMPARE(pdf.status, 200);
                 // No image in it at all (its resources name the kinds it may hold).
                 QVERIFY(!QString::fromLatin1(pdf.body).contains(
                     QRegularExpression(QStringLiteral("/Subtype\\s*/Image"))));
                 QFile log(folder + u"/7/2026-12-08_1000_Owls-Hawks.jsonl"_qs);
                 QVERIFY(log.open(QIODevice::ReadOnly));
                 QVERIFY(!log.readAll().contains("private.png"));
             }},
            {"2: a result on court 1's topic for other teams",
             [&] {
                 const QString g = u"2026-12-08_0900_Bears-Wolves"_qs;
                 return Publications{
                     {on(u"1"_qs, "log"), logHeader(g, u"Bears"_qs, u"Wolves"_qs)},
                     {on(u"1"_qs, "log"), logStep(g, 1, 99, 0)},
                     {on(u"1"_qs, "result"), logResult(u"Bears"_qs, u"Wolves"_qs, 99, 0)}};
             },
             [&](quint16 port, const QString &) {
                 const Reply schedule = get(port, "/hall/schedule");
                 QCOMPARE(schedule.status, 200);
                 QVERIFY2(!schedule.body.contains("99 : 0"), schedule.body.constData());
             }},
            {"3: a forged header and step 1 before the court's own",
             [&] {
                 const QString g = u"2026-12-08_1100_Lions-Tigers"_qs;
                 return Publications{
                     {on(u"3"_qs, "log"),
                      logHeader(g, u"Lions"_qs, u"Tigers"_qs, {{u"section1"_qs, u"forged"_qs}})},
                     {on(u"3"_qs, "log"), logStep(g, 1, 99, 0)},
                     {on(u"3"_qs, "log"), logHeader(g, u"Lions"_qs, u"Tigers"_qs)},
                     {on(u"3"_qs, "log"), logStep(g, 1, 2, 0)},
                     {on(u"3"_qs, "log"), logStep(g, 2, 2, 3)},
                     {on(u"3"_qs, "result"), logResult(u"Lions"_qs, u"Tigers"_qs, 2, 3)}};
             },
             [&](quint16 port, const QString &folder) {
                 QVERIFY(
                     QFile::exists(folder + u"/3/2026-12-08_1100_Lions-Tigers.disputed.jsonl"_qs));
                 const QJsonArray results = hallJson(port).value(u"results").toArray();
                 const auto disputed =
                     std::find_if(results.begin(), results.end(), [](const QJsonValue &r) {
                         return r.toObject().value(u"court") == u"3"_qs;
                     });
                 QVERIFY(disputed != results.end());
                 QVERIFY(disputed->toObject().value(u"disputed").toBool());
                 QVERIFY(get(port, "/hall/results").body.contains("Disputed"));
             }},
            {"4: 800 lines of 1 KB counting down",
             [&] {
                 const QString g = u"2026-12-08_1200_Down-Up"_qs;
                 Publications out{{on(u"4"_qs, "log"), logHeader(g, u"Down"_qs, u"Up"_qs)}};
                 for (int n = 800; n >= 1; --n)
                     out.append({on(u"4"_qs, "log"),
                                 logStep(g, n, 0, 0, {{u"pad"_qs, QString(1000, u'x')}})});
                 return out;
             },
             [&](quint16 port, const QString &folder) {
                 const QFileInfo log(folder + u"/4/2026-12-08_1200_Down-Up.jsonl"_qs);
                 QVERIFY(log.size() > 0 && log.size() <= 2 * received);
                 QCOMPARE(get(port, "/hall.json").status, 200);
             }},
            // Each well past its bound: 200 games a court, 64 courts.
            {"5: lines of 4 MB, 400 games, 200 courts, 1 MB states",
             [&] {
                 Publications out;
                 for (int i = 0; i < 2; ++i)
                     out.append({on(u"5"_qs, "log"),
                                 logStep(u"big"_qs, i + 1, 0, 0,
                                         {{u"pad"_qs, QString(4 * 1024 * 1024, u'x')}})});
                 for (int i = 0; i < 400; ++i)
                     out.append(
                         {on(u"5"_qs, "log"), logHeader(u"g%1"_qs.arg(i), u"A"_qs, u"B"_qs)});
                 for (int i = 0; i < 200; ++i)
                     out.append({on(u"c%1"_qs.arg(i), "online"), "1"});
                 for (int i = 0; i < 10; ++i)
                     out.append({on(u"c%1"_qs.arg(i), "state"),
                                 courtState(1, {{u"pad"_qs, QString(1024 * 1024, u'x')}})});
                 return out;
             },
             [&](quint16 port, const QString &folder) {
                 QCOMPARE(QDir(folder + u"/5"_qs).entryList({u"*.jsonl"_qs}).size(),
                          limits.maxGamesPerCourt);
                 QCOMPARE(hallJson(port).value(u"courts").toArray().size(), limits.maxCourts);
                 QCOMPARE(allFileSizesUnder(folder, limits.maxGameFileBytes), QList<int>{});
             }},
            {"6: ten /live clients that never read, and 10,000 states",
             [&] {
                 for (int i = 0; i < 10; ++i)
                     silent.push_back(silentLiveClient(hall.port()));
                 // As large as the hall keeps them, about 800 bytes each: 8 MB
                 // to each client, well past the 2 to 3 MB the kernel buffers
                 // for it before the hall's own queue grows.
                 const QString text(200, u'w');
                 const QJsonObject board{{u"home"_qs, text}, {u"guest"_qs, text}};
                 Publications out;
                 for (int round = 1; round <= 200; ++round)
                     for (int court = 0; court < 50; ++court)
                         out.append({on(u"c%1"_qs.arg(court), "state"),
                                     courtState(round, {{u"game"_qs, text},
                                                        {u"board"_qs, board},
                                                        {u"pad"_qs, text}})});
                 return out;
             },
             [&](quint16, const QString &) {
                 for (int fd : silent)
                     QVERIFY(fd >= 0 && letGo(fd, 20'000));
             }},
            {"7: a retained state of 2.1 MB",
             [&] {
                 return Publications{{on(u"1"_qs, "state"),
                                      courtState(2, {{u"pad"_qs, QString(2'100'000, u'x')}})}};
             },
             [&](quint16 port, const QString &) {
                 const QByteArray json = get(port, "/hall.json").body;
                 QVERIFY(json.size() < 4 * 1024 * 1024);
                 QVERIFY(!json.contains("xxxxxxxx"));
             }},
            {"8: a state with wrong types",
             [&] {
                 return Publications{
                     {on(u"1"_qs, "state"), R"({"at":3,"scores":[null,"a"],"clock":{"ms":0}})"},
                     {on(u"1"_qs, "state"), R"({"at":3,"scores":[1,2],"clock":{"ms":"abc"}})"}};
             },
             [&](quint16 port, const QString &) {
                 const QByteArray json = get(port, "/hall.json").body;
                 QVERIFY(!json.contains("\"a\"") && !json.contains("abc"));
             }},
            {"9: a header with 2147483647 periods and a timeout, then its PDF",
             [&] {
                 const QString g = u"2026-12-08_1300_Many-Halves"_qs;
                 return Publications{
                     {on(u"9"_qs, "log"),
                      logHeader(g, u"Many"_qs, u"Halves"_qs, {{u"periods"_qs, 2147483647}})},
                     {on(u"9"_qs, "log"),
                      logStep(g, 1, 0, 0,
                              {{u"timeout"_qs, u"home"_qs}, {u"period"_qs, 2147483647}})},
                     {on(u"9"_qs, "result"), logResult(u"Many"_qs, u"Halves"_qs, 0, 0)}};
             },
             [&](quint16 port, const QString &) {
                 const Reply pdf = get(port, "/hall/results/9/2026-12-08_1300_Many-Halves.pdf");
                 QVERIFY(pdf.status == 200 || pdf.status == 404);
             }},
            {"12: names that read wrong or name no file",
             [&] {
                 return Publications{{on(u"a..b"_qs, "online"), "1"},
                                     {on(u"CON"_qs, "online"), "1"},
                                     {on(u"1\u202e"_qs, "online"), "1"},
                                     {on(QString(120, QChar(0x7403)), "online"), "1"}};
             },
             [&](quint16 port, const QString &) {
                 const QByteArray json = get(port, "/hall.json").body;
                 QVERIFY(!json.contains("a..b") && !json.contains("CON"));
                 QVERIFY(!json.contains("\u202e"));
             }},
        };

        // Each row ends with a state of court "s" the hall shows once it has
        // read everything before it; retained, so that the first one waits
        // for the hall's first connection.
        qint64 sentinel = 1000;
        client.publish(on(u"s"_qs, "state"), courtState(sentinel), true);
        const auto sentinelShown = [&] {
            for (const QJsonValue &c : hallJson(hall.port()).value(u"courts").toArray())
                if (c.toObject().value(u"court") == u"s"_qs)
                    return qint64(c.toObject().value(u"state").toObject().value(u"at").toDouble());
            return qint64(-1);
        };
        QTRY_COMPARE_WITH_TIMEOUT(sentinelShown(), sentinel, LinkDeadlineMs);
        for (const Hostile &row : table) {
            received = 0;
            for (const auto &[topic, payload] : row.messages()) {
                received += payload.size();
                client.publish(topic, payload, false);
            }
            client.publish(on(u"s"_qs, "state"), courtState(++sentinel), true);
            QTRY_COMPARE_WITH_TIMEOUT(sentinelShown(), sentinel, 6 * LinkDeadlineMs);
            row.check(hall.port(), venue);
            if (QTest::currentTestFailed())
                QFAIL(row.name);
            QVERIFY2(hall.isRunning(), row.name);
            const qint64 peakKb = statusKb(hall.pid(), "VmHWM:");
            QVERIFY2(peakKb > 0 && peakKb < PeakMemoryLimitKb,
                     qPrintable(u"%1: %2 KB"_qs.arg(QLatin1StringView(row.name)).arg(peakKb)));
        }
    }
};

CORVELLA_TEST_MAIN(TestHall)
#include "tst_hall.moc"
