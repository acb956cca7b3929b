#include "tests/web/webfixture.h"
#include "web/httpfront.h"

#include <QHostInfo>
#include <QScopeGuard>
#include <QSemaphore>
#include <QTcpSocket>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

// The web server's bounds, spoken to in raw HTTP on 127.0.0.1.
class TestHttpFront : public QObject
{
    Q_OBJECT

    struct Exchange
    {
        int status = 0;
        QByteArray head;
        QByteArray body;
        bool closed = false;
    };

    // Sends the bytes and reads one answer; `closed` tells whether the
    // server ended the connection after it.
    static Exchange exchange(quint16 port, const QByteArray &request, bool bodyExpected = true)
    {
        Exchange out;
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(5000))
            return out;
        socket.write(request);
        QByteArray got;
        qsizetype headEnd = -1;
        qint64 length = -1;
        (void)QTest::qWaitFor(
            [&] {
                got += socket.readAll();
                headEnd = got.indexOf("\r\n\r\n");
                if (headEnd >= 0 && length < 0) {
                    const qsizetype at = got.toLower().indexOf("content-length: ");
                    length =
                        at < 0 ? 0 : got.mid(at + 16, got.indexOf('\r', at) - at - 16).toLongLong();
                }
                return socket.state() == QAbstractSocket::UnconnectedState ||
                       (headEnd >= 0 && got.size() >= headEnd + 4 + (bodyExpected ? length : 0));
            },
            5000);
        if (headEnd < 0)
            return out;
        out.head = got.left(headEnd);
        out.body = got.mid(headEnd + 4);
        out.status = got.mid(9, 3).toInt();
        // A server that keeps the connection answers a second request on it.
        if (socket.state() == QAbstractSocket::ConnectedState) {
            socket.write("GET /live.js HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
            (void)QTest::qWaitFor(
                [&] {
                    return socket.bytesAvailable() > 0 ||
                           socket.state() == QAbstractSocket::UnconnectedState;
                },
                5000);
        }
        out.closed = socket.bytesAvailable() == 0;
        return out;
    }

    static QByteArray get(const QByteArray &path, const QByteArray &more = {})
    {
        return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + more + "\r\n";
    }

private slots:
    void requests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("closed");
        const QByteArray big(HttpFront::MaxLineBytes + 1, 'x');
        QTest::newRow("page") << get("/display") << 200 << false;
        QTest::newRow("query") << get("/display?x=1") << 200 << false;
        QTest::newRow("request line too long") << get("/" + big) << 431 << true;
        QTest::newRow("header too long")
            << get("/display", "X-Big: " + big + "\r\n") << 431 << true;
        QByteArray many;
        for (int i = 0; many.size() <= HttpFront::MaxHeadBytes; ++i)
            many += "X-" + QByteArray::number(i) + ": " + QByteArray(4000, 'y') + "\r\n";
        QTest::newRow("headers too long together") << get("/display", many) << 431 << true;
        QByteArray tiny;
        for (int i = 0; i < 100'000; ++i)
            tiny += "a:b\r\n";
        QTest::newRow("100,000 headers") << get("/display", tiny) << 431 << true;
        QTest::newRow("body on GET")
            << get("/display", "Content-Length: 5\r\n") + "hello" << 413 << true;
        QTest::newRow("chunked GET")
            << get("/display", "Transfer-Encoding: chunked\r\n") + "5\r\nhello\r\n0\r\n\r\n"
            << 413 << true;
        QTest::newRow("POST over 4 KiB")
            << "POST /display HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 4097\r\n\r\n" +
                   QByteArray(4097, 'z')
            << 413 << true;
        QTest::newRow("POST within 4 KiB")
            << "POST /display HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 4096\r\n\r\n" +
                   QByteArray(4096, 'z')
            << 404 << false;
        QTest::newRow("Connection: close")
            << get("/display", "Connection: close\r\n") << 200 << true;
        QTest::newRow("HTTP/1.0") << QByteArray("GET /display HTTP/1.0\r\n\r\n") << 200 << true;
        QTest::newRow("HTTP/1.0 keep-alive")
            << QByteArray("GET /display HTTP/1.0\r\nConnection: keep-alive\r\n\r\n") << 200 << true;
        QTest::newRow("plain GET on /live") << get("/live") << 426 << false;
        QTest::newRow("HEAD") << QByteArray("HEAD /remote HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n")
                              << 200 << false;
        QTest::newRow("no Host") << QByteArray("GET /display HTTP/1.1\r\n\r\n") << 400 << true;
        QTest::newRow("two Hosts") << get("/display", "Host: 127.0.0.1\r\n") << 400 << true;
        QTest::newRow("another site's name")
            << QByteArray("GET /display HTTP/1.1\r\nHost: evil.example\r\n\r\n") << 421 << true;
        QTest::newRow("rebound WebSocket")
            << QByteArray("GET /live HTTP/1.1\r\nHost: evil.example:8080\r\nUpgrade: websocket\r\n"
                          "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                          "Sec-WebSocket-Version: 13\r\n\r\n")
            << 421 << true;
        QTest::newRow("not HTTP") << QByteArray("hello there\r\n\r\n") << 400 << true;
        QTest::newRow("HTTP/2") << QByteArray("GET / HTTP/2.0\r\nHost: 127.0.0.1\r\n\r\n") << 505
                                << true;
    }
    void requests()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QFETCH(bool, closed);
        ServedGame served;
        const Exchange got = exchange(served.server.port(), request, !request.startsWith("HEAD"));
        QCOMPARE(got.status, status);
        QCOMPARE(got.closed, closed);
        if (request.startsWith("HEAD")) {
            QVERIFY(got.head.contains("Content-Length: "));
            QVERIFY(!got.head.contains("Content-Length: 0"));
            QVERIFY(got.body.isEmpty());
        }
        if (status == 426)
            QVERIFY(got.head.contains("Upgrade: websocket"));
        QTRY_COMPARE(served.server.connectionCount(), 0);
    }

    void ownHosts_data()
    {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<bool>("own");
        QTest::newRow("localhost") << QByteArray("localhost") << true;
        QTest::newRow("localhost with port") << QByteArray("LocalHost:8080") << true;
        QTest::newRow("loopback") << QByteArray("127.0.0.1:8080") << true;
        QTest::newRow("loopback v6") << QByteArray("[::1]:8080") << true;
        QTest::newRow("host name") << QHostInfo::localHostName().toUtf8() << true;
        QTest::newRow("host name .local")
            << (QHostInfo::localHostName() + u".local:80"_s).toUtf8() << true;
        QTest::newRow("configured") << QByteArray("board.hall.example") << true;
        QTest::newRow("another site") << QByteArray("evil.example") << false;
        QTest::newRow("below localhost") << QByteArray("evil.localhost.example") << false;
        QTest::newRow("address elsewhere") << QByteArray("192.0.2.7") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("bad brackets") << QByteArray("[::1") << false;
    }
    void ownHosts()
    {
        QFETCH(QByteArray, host);
        QFETCH(bool, own);
        HttpFront front;
        front.setExtraHostNames({u"Board.Hall.Example"_s});
        QCOMPARE(front.isOwnHost(host), own);
    }

    void connectionsAreCapped()
    {
        ServedGame served;
        // Silent connections, as many as one address may hold.
        std::vector<std::unique_ptr<QTcpSocket>> held;
        for (int i = 0; i < HttpFront::MaxConnectionsPerAddress; ++i) {
            held.push_back(std::make_unique<QTcpSocket>());
            held.back()->connectToHost(QHostAddress::LocalHost, served.server.port());
        }
        QTRY_COMPARE(served.server.connectionCount(), HttpFront::MaxConnectionsPerAddress);
        // The next is closed at once, before anything it could send is read.
        QTcpSocket next;
        next.connectToHost(QHostAddress::LocalHost, served.server.port());
        QTRY_COMPARE(next.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(served.server.connectionCount(), HttpFront::MaxConnectionsPerAddress);
        // Room again once one leaves.
        held.pop_back();
        QTRY_COMPARE(served.server.connectionCount(), HttpFront::MaxConnectionsPerAddress - 1);
        QCOMPARE(exchange(served.server.port(), get("/display")).status, 200);
    }

    void idleConnectionsAreClosed_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<int>("requestMs");
        QTest::addColumn<int>("keepAliveMs");
        QTest::newRow("nothing sent") << QByteArray() << 200 << 60'000;
        QTest::newRow("half a request") << QByteArray("GET /display HTTP/1.1\r\n") << 200 << 60'000;
        QTest::newRow("half a body")
            << QByteArray("POST / HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 9\r\n\r\nab")
            << 200 << 60'000;
        QTest::newRow("kept alive after an answer") << get("/display") << 60'000 << 200;
    }
    void idleConnectionsAreClosed()
    {
        QFETCH(QByteArray, sent);
        QFETCH(int, requestMs);
        QFETCH(int, keepAliveMs);
        ServedGame served;
        served.server.setTimeouts(requestMs, keepAliveMs);
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, served.server.port());
        QVERIFY(socket.waitForConnected(5000));
        socket.write(sent);
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QAbstractSocket::UnconnectedState, 5000);
        QCOMPARE(socket.readAll().startsWith("HTTP/1.1 200"),
                 sent.startsWith("GET /display HTTP/1.1\r\nHost"));
        QTRY_COMPARE(served.server.connectionCount(), 0);
    }

    // A slow answer (a long game's report) is made off the server's thread:
    // other clients are served meanwhile, and requests behind it on its
    // own connection keep their order.
    void aSlowAnswerIsMadeAsideAndArrivesInOrder()
    {
        HttpFront server;
        QSemaphore made;
        server.setHandler([&made](const HttpFront::Request &request) {
            HttpFront::Answer answer;
            answer.type = "text/plain";
            answer.body = "quick";
            if (request.path == "/slow")
                answer.later = [&made] {
                    made.acquire();
                    HttpFront::Answer slow;
                    slow.type = "text/plain";
                    slow.body = "slow";
                    return slow;
                };
            return answer;
        });
        const auto finish = qScopeGuard([&made] { made.release(); });
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QTcpSocket waiting;
        waiting.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(waiting.waitForConnected(5000));
        waiting.write(get("/slow") + get("/after"));
        const Exchange other = exchange(server.serverPort(), get("/other"));
        QCOMPARE(other.body, QByteArray("quick"));
        QCOMPARE(waiting.bytesAvailable(), 0);
        made.release();
        QByteArray got;
        QTRY_VERIFY((got += waiting.readAll()).count("HTTP/1.1 200") == 2);
        QVERIFY2(got.indexOf("slow") < got.indexOf("quick"), got.constData());
    }

    // An answer larger than what a client may leave unread (a sponsor's
    // photo, a long report) reaches a client that reads it, made at once or
    // aside, on a connection kept alive or not.
    void bigAnswersArriveWhole_data()
    {
        QTest::addColumn<bool>("slow");
        QTest::addColumn<bool>("keepAlive");
        QTest::newRow("made at once, kept alive") << false << true;
        QTest::newRow("made aside, kept alive") << true << true;
        QTest::newRow("made aside, closed") << true << false;
    }
    void bigAnswersArriveWhole()
    {
        QFETCH(bool, slow);
        QFETCH(bool, keepAlive);
        const QByteArray big(4 * HttpFront::MaxUnsentBytes, 'p');
        HttpFront server;
        server.setHandler([&](const HttpFront::Request &) {
            HttpFront::Answer answer;
            answer.type = "image/png";
            answer.body = big;
            if (slow)
                answer.later = [answer] { return answer; };
            return answer;
        });
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        const Exchange got =
            exchange(server.serverPort(), get("/slide", keepAlive ? "" : "Connection: close\r\n"));
        QCOMPARE(got.status, 200);
        QCOMPARE(got.body.size(), big.size());
        QCOMPARE(got.closed, !keepAlive);
    }

    void webSocketsStayCounted()
    {
        ServedGame served;
        LiveClient page;
        page.open(served.liveUrl());
        QTRY_VERIFY(!page.messages.isEmpty());
        QCOMPARE(served.server.connectionCount(), 1);
        page.socket.close();
        QTRY_COMPARE(served.server.connectionCount(), 0);
    }
};

QTEST_MAIN(TestHttpFront)
#include "tst_httpfront.moc"
