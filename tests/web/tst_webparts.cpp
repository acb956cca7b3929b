#include "tests/support/testenv.h"
#include "tests/web/webfixture.h"
#include "web/boardstate.h"
#include "web/webservice.h"

#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>

#include <memory>
#include <set>

using namespace Qt::StringLiterals;

// The parts around the live channel: the board as JSON, the PIN, the pages
// the server gives out and the settings.
class TestWebParts : public QObject
{
    Q_OBJECT

    struct Reply
    {
        int status = 0;
        QByteArray type;
        QByteArray body;
    };

    static Reply fetch(const QUrl &url, const QByteArray &verb = "GET")
    {
        QNetworkAccessManager manager;
        QNetworkRequest request(url);
        std::unique_ptr<QNetworkReply> reply(manager.sendCustomRequest(request, verb));
        if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 5000))
            return {};
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                reply->header(QNetworkRequest::ContentTypeHeader).toByteArray(), reply->readAll()};
    }

private slots:
    void cssColors_data()
    {
        QTest::addColumn<qint32>("bgr");
        QTest::addColumn<QString>("css");
        QTest::newRow("blue form") << qint32(16711680) << u"#0000ff"_s;
        QTest::newRow("red") << qint32(255) << u"#ff0000"_s;
        QTest::newRow("orange") << qint32(33023) << u"#ff8000"_s;
        QTest::newRow("mixed") << qint32(0x123456) << u"#563412"_s;
        QTest::newRow("black") << qint32(0) << u"#000000"_s;
    }
    void cssColors()
    {
        QFETCH(qint32, bgr);
        QFETCH(QString, css);
        QCOMPARE(BoardState::cssColor(bgr), css);
    }

    void changedPartsNameOnlyWhatDiffers()
    {
        const QJsonObject clock{{u"running"_s, false}, {u"ms"_s, 5}};
        const QJsonObject before{{u"scores"_s, QJsonArray{1, 2}}, {u"clock"_s, clock}};
        QJsonObject after = before;
        QVERIFY(BoardState::changedParts(before, after).isEmpty());
        after[u"scores"_s] = QJsonArray{1, 3};
        QCOMPARE(BoardState::changedParts(before, after).keys(), QStringList{u"scores"_s});
        // A running clock moves on, so it is always sent.
        QJsonObject running = clock;
        running[u"running"_s] = true;
        after = before;
        after[u"clock"_s] = running;
        QJsonObject again = after;
        QCOMPARE(BoardState::changedParts(after, again).keys(), QStringList{u"clock"_s});
    }

    void pinsAreSixRandomDigits()
    {
        std::set<QString> seen;
        for (int i = 0; i < 200; ++i) {
            const QString pin = PinLock::randomPin();
            QCOMPARE(pin.size(), 6);
            for (QChar c : pin)
                QVERIFY(c.isDigit());
            seen.insert(pin);
        }
        QVERIFY(seen.size() > 190);
    }

    void pinLockout()
    {
        ManualTimeSource time;
        PinLock lock(time);
        const QString right = lock.pin();
        const QString wrong = right == u"123456"_s ? u"654321"_s : u"123456"_s;
        QCOMPARE(lock.check(right), PinLock::Result::Accepted);
        for (int i = 1; i < PinLock::AllowedFailures; ++i)
            QCOMPARE(lock.check(wrong), PinLock::Result::Refused);
        QCOMPARE(lock.check(wrong), PinLock::Result::LockedOut);
        QCOMPARE(lock.check(right), PinLock::Result::LockedOut);
        time.now += PinLock::LockoutMs - 1;
        QCOMPARE(lock.check(right), PinLock::Result::LockedOut);
        time.now += 1;
        QCOMPARE(lock.check(right + u"0"_s), PinLock::Result::Refused);
        QCOMPARE(lock.check(right.left(5)), PinLock::Result::Refused);
        QCOMPARE(lock.check(right), PinLock::Result::Accepted);
        // A right PIN starts the count of wrong ones afresh.
        for (int i = 1; i < PinLock::AllowedFailures; ++i)
            QCOMPARE(lock.check(wrong), PinLock::Result::Refused);
        lock.renew();
        QCOMPARE(lock.pin().size(), 6);
    }

    void onlyKnownPathsAreServed_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("display") << u"/display"_s << QByteArray("GET") << 200
                                 << QByteArray("text/html; charset=utf-8");
        QTest::newRow("overlay") << u"/overlay"_s << QByteArray("GET") << 200
                                 << QByteArray("text/html; charset=utf-8");
        QTest::newRow("remote") << u"/remote"_s << QByteArray("GET") << 200
                                << QByteArray("text/html; charset=utf-8");
        QTest::newRow("shot clock") << u"/shotclock"_s << QByteArray("GET") << 200
                                    << QByteArray("text/html; charset=utf-8");
        QTest::newRow("announcer") << u"/announcer"_s << QByteArray("GET") << 200
                                   << QByteArray("text/html; charset=utf-8");
        QTest::newRow("script") << u"/live.js"_s << QByteArray("GET") << 200
                                << QByteArray("text/javascript; charset=utf-8");
        QTest::newRow("unknown") << u"/admin"_s << QByteArray("GET") << 404 << QByteArray();
        QTest::newRow("below a page")
            << u"/display/x"_s << QByteArray("GET") << 404 << QByteArray();
        QTest::newRow("resource name")
            << u"/display.html"_s << QByteArray("GET") << 404 << QByteArray();
        QTest::newRow("escaping") << u"/%2e%2e/%2e%2e/etc/passwd"_s << QByteArray("GET") << 404
                                  << QByteArray();
        QTest::newRow("post") << u"/display"_s << QByteArray("POST") << 404 << QByteArray();
        QTest::newRow("delete") << u"/remote"_s << QByteArray("DELETE") << 404 << QByteArray();
    }
    void onlyKnownPathsAreServed()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, verb);
        QFETCH(int, status);
        QFETCH(QByteArray, type);
        ServedGame served;
        const Reply reply = fetch(served.url(path), verb);
        QCOMPARE(reply.status, status);
        if (status == 200) {
            QCOMPARE(reply.type, type);
            QVERIFY(reply.body.size() > 100);
        }
    }

    void everyPageLoadsOnlyServedFiles()
    {
        // Nothing a page names may be missing or come from elsewhere.
        ServedGame served;
        for (const char *page :
             {"/display", "/overlay", "/remote", "/shotclock", "/announcer", "/"}) {
            const QByteArray html = fetch(served.url(QString::fromLatin1(page))).body;
            QVERIFY(!html.contains("http:") && !html.contains("https:"));
            static const QRegularExpression reference(u"(?:src|href)=\"([^\"]+)\""_s);
            for (const auto &match : reference.globalMatch(QString::fromUtf8(html)))
                QCOMPARE(fetch(served.url(match.captured(1))).status, 200);
        }
    }

    void serviceFollowsTheSettings()
    {
        ManualTimeSource time;
        GameModel game(time);
        GameHistory history(game);
        CurrentSettings settings(defaultSettings());
        WebService service(game, history, settings, time);
        QVERIFY(!service.isRunning()); // off by default
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 free = probe.serverPort();
        probe.close();

        Settings s = settings.value();
        s.WebServer = 1;
        s.WebPort = free;
        s.WebAddress = u"127.0.0.1"_s;
        settings.set(s);
        QVERIFY(service.isRunning());
        QCOMPARE(service.server().port(), free);
        QCOMPARE(service.baseUrls(), QStringList{u"http://127.0.0.1:%1/"_s.arg(free)});
        QCOMPARE(fetch(QUrl(u"http://127.0.0.1:%1/display"_s.arg(free))).status, 200);

        // A port that is taken is reported, not fatal.
        QTcpServer taken;
        QVERIFY(taken.listen(QHostAddress::LocalHost, 0));
        s.WebPort = taken.serverPort();
        settings.set(s);
        QVERIFY(!service.isRunning());
        QVERIFY(!service.problem().isEmpty());

        s.WebAddress = u"not an address"_s;
        settings.set(s);
        QVERIFY(!service.isRunning());
        QVERIFY(service.problem().contains(u"not an address"_s));

        s.WebAddress = u"127.0.0.1"_s;
        s.WebPort = free;
        settings.set(s);
        QVERIFY(service.isRunning());
        const QString firstPin = service.live().pinLock().pin();
        s.WebServer = 0;
        settings.set(s);
        QVERIFY(!service.isRunning());
        QCOMPARE(fetch(QUrl(u"http://127.0.0.1:%1/display"_s.arg(free))).status, 0);
        Q_UNUSED(firstPin);
    }

    void settingsKeepTheWebFields_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<qint16>("server");
        QTest::addColumn<qint32>("port");
        QTest::addColumn<QString>("address");
        QTest::newRow("nothing stored") << QByteArray() << qint16(0) << 8080 << QString();
        QTest::newRow("on at 9000")
            << QByteArray("WebServer=1\nWebPort=9000\nWebAddress=127.0.0.1\n") << qint16(1) << 9000
            << u"127.0.0.1"_s;
        QTest::newRow("port 0") << QByteArray("WebPort=0\n") << qint16(0) << 8080 << QString();
        QTest::newRow("port too big")
            << QByteArray("WebPort=65536\n") << qint16(0) << 8080 << QString();
        QTest::newRow("switch 2") << QByteArray("WebServer=2\n") << qint16(0) << 8080 << QString();
        QTest::newRow("port text")
            << QByteArray("WebPort=http\n") << qint16(0) << 8080 << QString();
    }
    void settingsKeepTheWebFields()
    {
        QFETCH(QByteArray, stored);
        QFETCH(qint16, server);
        QFETCH(qint32, port);
        QFETCH(QString, address);
        TestEnvironment::clearStore();
        QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
        QFile file(TestEnvironment::storeFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[WebSettings]\n" + stored);
        file.close();
        const Settings loaded = loadSettings();
        QCOMPARE(loaded.WebServer, server);
        QCOMPARE(loaded.WebPort, port);
        QCOMPARE(loaded.WebAddress, address);
        Settings changed = loaded;
        changed.WebServer = 1;
        changed.WebPort = 65535;
        changed.WebAddress = u"::1"_s;
        QVERIFY(saveSettings(changed));
        QCOMPARE(loadSettings(), changed);
    }
};

CORVELLA_TEST_MAIN(TestWebParts)
#include "tst_webparts.moc"
