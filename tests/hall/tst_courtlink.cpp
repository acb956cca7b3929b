#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "hall/accesslist.h"
#include "hall/brokeraddress.h"
#include "hall/courtlink.h"
#include "hall/courtpublisher.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"
#include "tests/hall/hallfixture.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <mosquitto.h>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <memory>

namespace {

// The hall's side: everything under corvella/v1/, as it arrives.
class Watcher
{
public:
    struct Message
    {
        QString topic;
        QByteArray payload;
        bool retained = false;
    };

    explicit Watcher(quint16 port, const QByteArray &filter = "corvella/v1/#",
                     const QByteArray &user = {})
        : m_filter(filter)
    {
        m_client = mosquitto_new(nullptr, true, this);
        // The access list's tests give every user its name as its password.
        if (!user.isEmpty())
            mosquitto_username_pw_set(m_client, user.constData(), user.constData());
        mosquitto_connect_callback_set(m_client, [](mosquitto *client, void *self, int rc) {
            if (rc == 0)
                mosquitto_subscribe(client, nullptr,
                                    static_cast<Watcher *>(self)->m_filter.constData(), 1);
        });
        mosquitto_subscribe_callback_set(m_client,
                                         [](mosquitto *, void *self, int, int, const int *) {
                                             static_cast<Watcher *>(self)->m_subscribed = true;
                                         });
        mosquitto_message_callback_set(
            m_client, [](mosquitto *, void *self, const mosquitto_message *m) {
                auto *watcher = static_cast<Watcher *>(self);
                QMutexLocker lock(&watcher->m_mutex);
                watcher->m_messages.append(
                    {QString::fromUtf8(m->topic),
                     QByteArray(static_cast<const char *>(m->payload), m->payloadlen), m->retain});
            });
        mosquitto_connect_async(m_client, "127.0.0.1", port, 10);
        mosquitto_loop_start(m_client);
    }
    ~Watcher()
    {
        mosquitto_disconnect(m_client);
        mosquitto_loop_stop(m_client, false);
        mosquitto_destroy(m_client);
    }
    bool isSubscribed() const { return m_subscribed; }
    // As the hall announces a court's next game.
    void publish(const QString &topic, const QByteArray &payload, bool retained)
    {
        mosquitto_publish(m_client, nullptr, topic.toUtf8().constData(), int(payload.size()),
                          payload.constData(), 1, retained);
    }
    QList<Message> messages() const
    {
        QMutexLocker lock(&m_mutex);
        return m_messages;
    }
    QList<QJsonObject> logOf(const QString &court) const
    {
        QList<QJsonObject> lines;
        for (const Message &m : messages()) {
            if (m.topic == topic(court, "log"))
                lines.append(QJsonDocument::fromJson(m.payload).object());
        }
        return lines;
    }
    std::optional<Message> last(const QString &court, const char *leaf) const
    {
        const QList<Message> all = messages();
        for (auto it = all.crbegin(); it != all.crend(); ++it) {
            if (it->topic == topic(court, leaf))
                return *it;
        }
        return std::nullopt;
    }
    static QString topic(const QString &court, const char *leaf)
    {
        return QStringLiteral("corvella/v1/hall/") + court + u'/' + QLatin1StringView(leaf);
    }

    std::optional<Message> lastOn(const QString &topic) const
    {
        const QList<Message> all = messages();
        for (auto it = all.crbegin(); it != all.crend(); ++it) {
            if (it->topic == topic)
                return *it;
        }
        return std::nullopt;
    }

private:
    const QByteArray m_filter;
    mosquitto *m_client;
    std::atomic<bool> m_subscribed = false;
    mutable QMutex m_mutex;
    QList<Message> m_messages;
};

QList<int> numbers(const QList<QJsonObject> &lines)
{
    QList<int> n;
    for (const QJsonObject &line : lines)
        n.append(line.value(QStringLiteral("n")).toInt(0));
    return n;
}

// What this process writes on stderr while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        m_file.open();
        ::dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture()
    {
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    QByteArray text()
    {
        std::fflush(stderr);
        QFile read(m_file.fileName());
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

// The court of a child process, killed by the test: `--court PORT`.
int runChildCourt(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CourtLink link(*BrokerAddress::from(courtSettings(
        QStringLiteral("127.0.0.1:") + QString::fromLatin1(argv[2]), QStringLiteral("2"))));
    link.publishState(QJsonObject{{QStringLiteral("scores"), QJsonArray{1, 2, 0, 0}}});
    return app.exec();
}

} // namespace

class TestCourtLink : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

private slots:
    void brokerAddresses_data()
    {
        QTest::addColumn<QString>("broker");
        QTest::addColumn<QString>("caFile");
        QTest::addColumn<QString>("address"); // empty: no link
        QTest::newRow("off") << QString() << QString() << QString();
        QTest::newRow("host and port")
            << u"hall.local:1884"_qs << QString() << u"hall.local:1884"_qs;
        QTest::newRow("plain default port")
            << u"hall.local"_qs << QString() << u"hall.local:1883"_qs;
        QTest::newRow("TLS default port")
            << u"hall.local"_qs << u"/ca.crt"_qs << u"hall.local:8883"_qs;
        QTest::newRow("IPv6") << u"[::1]:1883"_qs << QString() << u"[::1]:1883"_qs;
        QTest::newRow("port 0") << u"hall.local:0"_qs << QString() << QString();
        QTest::newRow("port in words") << u"hall.local:mqtt"_qs << QString() << QString();
    }
    void brokerAddresses()
    {
        QFETCH(QString, broker);
        QFETCH(QString, caFile);
        QFETCH(QString, address);
        Settings s = defaultSettings();
        s.HallBroker = broker;
        s.HallCaFile = caFile;
        const std::optional<BrokerAddress> read = BrokerAddress::from(s);
        QCOMPARE(read ? read->text() : QString(), address);
        if (read) {
            QCOMPARE(read->topicRoot(), u"corvella/v1/hall/1/"_qs);
            QCOMPARE(read->user, u"1"_qs); // the court's name, as the broker's rules expect
        }
    }

    void aCourtPublishesItsGame()
    {
        TestBroker broker;
        QVERIFY(broker.start());
        Watcher hall(broker.port());
        QTRY_VERIFY_WITH_TIMEOUT(hall.isSubscribed(), LinkDeadlineMs);
        QTemporaryDir folder;
        Court court(time, folder.path(), courtSettings(broker.address(), u"1"_qs));
        court.game.setStructure({1, {}, 0});
        QTRY_VERIFY_WITH_TIMEOUT(court.link.isUp(), LinkDeadlineMs);
        QVERIFY(court.link.problem().isEmpty());

        court.score(0, 2);
        court.score(1, 3);
        court.history.perform(QStringLiteral("end"), [](GameModel &g) { g.nextPeriod(); });
        QCOMPARE(court.game.phase(), GamePhase::Final);
        const QString game = hallGameName(court.log.currentPath());

        QTRY_COMPARE_WITH_TIMEOUT(hall.logOf(u"1"_qs).size(), 4, LinkDeadlineMs);
        const QList<QJsonObject> lines = hall.logOf(u"1"_qs);
        QCOMPARE(lines.first().value(QStringLiteral("format")).toString(), u"corvella-game-log"_qs);
        QCOMPARE(numbers(lines), (QList<int>{0, 1, 2, 3}));
        for (const QJsonObject &line : lines)
            QCOMPARE(line.value(QStringLiteral("game")).toString(), game);
        QTRY_VERIFY_WITH_TIMEOUT(hall.last(u"1"_qs, "result"), LinkDeadlineMs);
        const QJsonObject result =
            QJsonDocument::fromJson(hall.last(u"1"_qs, "result")->payload).object();
        QCOMPARE(result.value(QStringLiteral("home")).toString(), u"Lions"_qs);
        QCOMPARE(result.value(QStringLiteral("actions")).toArray().size(), 3);

        // A hall that looks later still finds the court and its game.
        Watcher late(broker.port());
        QTRY_VERIFY_WITH_TIMEOUT(late.last(u"1"_qs, "state") && late.last(u"1"_qs, "online"),
                                 LinkDeadlineMs);
        QVERIFY(late.last(u"1"_qs, "online")->retained);
        QCOMPARE(late.last(u"1"_qs, "online")->payload, QByteArray("1"));
        const auto state = late.last(u"1"_qs, "state");
        QVERIFY(state->retained);
        const QJsonObject s = QJsonDocument::fromJson(state->payload).object();
        QCOMPARE(s.value(QStringLiteral("game")).toString(), game);
        QVERIFY(s.value(QStringLiteral("at")).toDouble() > 0);
        QCOMPARE(s.value(QStringLiteral("scores")).toArray().at(0).toInt(), 2);
        QCOMPARE(s.value(QStringLiteral("scores")).toArray().at(1).toInt(), 3);
        QCOMPARE(s.value(QStringLiteral("clock")).toObject().value(u"phase").toString(),
                 u"final"_qs);
    }

    // The retained next game arrives with the connection; another court's,
    // or one of another shape, does not, and a wrong one is told once.
    void theCourtHearsItsNextGame()
    {
        TestBroker broker;
        QVERIFY(broker.start());
        Watcher hall(broker.port());
        QTRY_VERIFY_WITH_TIMEOUT(hall.isSubscribed(), LinkDeadlineMs);
        const QString next = Watcher::topic(u"1"_qs, "next");
        const NextGame first{u"10:30"_qs, u"Owls"_qs, u"Larks"_qs, u"Basketball"_qs};
        hall.publish(next, first.toMessage(), true);

        StderrCapture stderrText;
        CourtLink link(*BrokerAddress::from(courtSettings(broker.address(), u"1"_qs)));
        QSignalSpy announced(&link, &CourtLink::nextGameAnnounced);
        QSignalSpy withdrawn(&link, &CourtLink::nextGameWithdrawn);
        QTRY_COMPARE_WITH_TIMEOUT(announced.size(), 1, LinkDeadlineMs);
        QCOMPARE(announced.at(0).at(0).value<NextGame>(), first);

        hall.publish(Watcher::topic(u"2"_qs, "next"), first.toMessage(), true);
        hall.publish(next, "not json", false);
        QTRY_VERIFY_WITH_TIMEOUT(stderrText.text().contains("not json"), LinkDeadlineMs);
        hall.publish(next, R"({"time":"11:00","home":"A","guest":"B","preset":"Curling"})", false);
        const NextGame second{u"11:30"_qs, u"Kites"_qs, u"Terns"_qs, u"Handball"_qs};
        hall.publish(next, second.toMessage(), false);
        QTRY_COMPARE_WITH_TIMEOUT(announced.size(), 2, LinkDeadlineMs);
        QCOMPARE(announced.at(1).at(0).value<NextGame>(), second);
        QCOMPARE(stderrText.text().count("ignored a next game"), 1);

        hall.publish(next, QByteArray(), true);
        QTRY_COMPARE_WITH_TIMEOUT(withdrawn.size(), 1, LinkDeadlineMs);
        QCOMPARE(announced.size(), 2);
    }

    // Names a board cannot take whole for its captions, and a flood: the
    // board's thread looks at the latest once a second at most.
    void aNextGameIsBoundedInSizeAndRate_data()
    {
        QTest::addColumn<QByteArray>("wrong");
        const auto named = [](const QString &home) {
            return NextGame{u"10:30"_qs, home, u"Larks"_qs, u"Basketball"_qs}.toMessage();
        };
        QTest::newRow("a million characters") << named(QString(1'000'000, u'x'));
        QTest::newRow("over a caption's length") << named(QString(21, u'x'));
        QTest::newRow("a newline") << named(u"Owls\nLarks"_qs);
        QTest::newRow("a right-to-left override") << named(u"Owls\u202e"_qs);
        QTest::newRow("a NUL and a bell") << named(QString::fromLatin1("Owls\0\a", 6));
    }
    void aNextGameIsBoundedInSizeAndRate()
    {
        QFETCH(QByteArray, wrong);
        TestBroker broker;
        QVERIFY(broker.start());
        Watcher hall(broker.port());
        QTRY_VERIFY_WITH_TIMEOUT(hall.isSubscribed(), LinkDeadlineMs);
        StderrCapture stderrText;
        CourtLink link(*BrokerAddress::from(courtSettings(broker.address(), u"1"_qs)));
        QSignalSpy announced(&link, &CourtLink::nextGameAnnounced);
        QTRY_VERIFY_WITH_TIMEOUT(link.isUp(), LinkDeadlineMs);
        const QString next = Watcher::topic(u"1"_qs, "next");
        hall.publish(next, wrong, false);
        QTRY_VERIFY_WITH_TIMEOUT(stderrText.text().contains("ignored a next game"), LinkDeadlineMs);
        QVERIFY(announced.isEmpty());
        QVERIFY(stderrText.text().size() < 1000);

        QElapsedTimer flood;
        flood.start();
        constexpr int Messages = 2000;
        for (int i = 1; i <= Messages; ++i)
            hall.publish(next,
                         NextGame{u"10:30"_qs, u"Owls %1"_qs.arg(i), u"Larks"_qs, u"Basketball"_qs}
                             .toMessage(),
                         false);
        QTRY_VERIFY_WITH_TIMEOUT(!announced.isEmpty() &&
                                     announced.last().at(0).value<NextGame>().home ==
                                         u"Owls %1"_qs.arg(Messages),
                                 LinkDeadlineMs);
        const qint64 seconds = flood.elapsed() / CourtLink::NextLookMs;
        QVERIFY2(link.nextLooks() <= seconds + 2,
                 qPrintable(u"%1 looks in %2 s"_qs.arg(link.nextLooks()).arg(seconds)));
    }

    // The README's access list in a broker with two venues: a court writes
    // its own four topics and reads its own next; nothing of another court
    // or venue, and no next; only the hall writes those.
    void theAccessListKeepsCourtsApart()
    {
        TestBroker broker;
        QTemporaryDir files;
        const QString passwords = files.filePath(u"passwd"_qs);
        for (const QString &user : {u"cup-1"_qs, u"cup-2"_qs, u"arena-1"_qs, u"hall"_qs}) {
            QProcess add;
            add.start(u"mosquitto_passwd"_qs,
                      QStringList{u"-b"_qs} +
                          (QFile::exists(passwords) ? QStringList{} : QStringList{u"-c"_qs}) +
                          QStringList{passwords, user, user});
            QVERIFY(add.waitForFinished(10000) && add.exitCode() == 0);
        }
        QFile acl(files.filePath(u"acl"_qs));
        QVERIFY(acl.open(QIODevice::WriteOnly));
        acl.write((AccessList::forVenue(u"cup"_qs, {u"1"_qs, u"2"_qs}, u"hall"_qs) + u'\n' +
                   AccessList::forVenue(u"arena"_qs, {u"1"_qs}, u"hall"_qs))
                      .toUtf8());
        acl.close();
        // Mosquitto started as root reads them as its own user.
        for (const QString &path : {files.path(), passwords, acl.fileName()})
            QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther);
        broker.addConfig(u"password_file %1\nacl_file %2\n"_qs.arg(passwords, acl.fileName()));
        QVERIFY(broker.start());

        Watcher cupHall(broker.port(), "corvella/v1/cup/#", "hall");
        Watcher arenaHall(broker.port(), "corvella/v1/arena/#", "hall");
        Watcher cup1(broker.port(), "corvella/v1/cup/1/next", "cup-1");
        Watcher cup1Elsewhere(broker.port(), "corvella/v1/cup/2/next", "cup-1");
        Watcher arena1(broker.port(), "corvella/v1/arena/1/next", "arena-1");
        for (Watcher *w : {&cupHall, &arenaHall, &cup1, &cup1Elsewhere, &arena1})
            QTRY_VERIFY_WITH_TIMEOUT(w->isSubscribed(), LinkDeadlineMs);
        const auto on = [](const char *path) -> QString {
            return u"corvella/v1/"_qs + QLatin1StringView(path);
        };
        // What each may not do, then what it may, which arrives after it.
        cup1.publish(on("cup/2/state"), "x", false);
        cup1.publish(on("arena/1/state"), "x", false);
        cup1.publish(on("cup/1/next"), "x", false);
        cup1.publish(on("cup/2/next"), "x", false);
        cup1.publish(on("cup/1/other"), "x", false);
        arena1.publish(on("cup/1/state"), "x", false);
        arena1.publish(on("arena/1/next"), "x", false);
        for (const char *leaf : {"state", "log", "result", "online"})
            cup1.publish(on("cup/1/") + QLatin1StringView(leaf), "ok", false);
        arena1.publish(on("arena/1/state"), "ok", false);
        cupHall.publish(on("cup/1/next"), "hall", false);
        cupHall.publish(on("cup/2/next"), "hall", false);
        QTRY_COMPARE_WITH_TIMEOUT(cupHall.messages().size(), 6, LinkDeadlineMs);
        QTRY_COMPARE_WITH_TIMEOUT(arenaHall.messages().size(), 1, LinkDeadlineMs);
        QTRY_COMPARE_WITH_TIMEOUT(cup1.messages().size(), 1, LinkDeadlineMs);
        QStringList seen;
        for (const Watcher::Message &m : cupHall.messages() + arenaHall.messages() +
                                             cup1.messages() + cup1Elsewhere.messages() +
                                             arena1.messages())
            seen << m.topic.mid(12) + u'=' + QString::fromUtf8(m.payload);
        seen.sort();
        QCOMPARE(seen,
                 (QStringList{u"arena/1/state=ok"_qs, u"cup/1/log=ok"_qs, u"cup/1/next=hall"_qs,
                              u"cup/1/next=hall"_qs, u"cup/1/online=ok"_qs, u"cup/1/result=ok"_qs,
                              u"cup/1/state=ok"_qs, u"cup/2/next=hall"_qs}));

        // The README gives the same list for its example venue.
        QFile readme(QStringLiteral(CORVELLA_SOURCE_DIR "/README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(readme.readAll())
                    .contains(AccessList::forVenue(u"cup"_qs, {u"1"_qs, u"2"_qs}, u"hall"_qs)));
    }

    // The federation's bridge as the README gives it: the hall's broker
    // carries its venue's topics out to the central one.
    void aHallBrokerBridgesIntoTheCentralOne()
    {
        TestBroker central;
        QVERIFY(central.start());
        Watcher centralWatch(central.port(), "$SYS/broker/connection/#");
        Watcher federation(central.port());
        QTRY_VERIFY_WITH_TIMEOUT(centralWatch.isSubscribed() && federation.isSubscribed(),
                                 LinkDeadlineMs);
        TestBroker hall;
        hall.addConfig(QStringLiteral("connection central\naddress %1\n"
                                      "remote_clientid bridge-hall\ncleansession false\n"
                                      "topic corvella/v1/hall/# out 1\n")
                           .arg(central.address()));
        QVERIFY(hall.start());
        QTRY_VERIFY_WITH_TIMEOUT(
            centralWatch.lastOn(u"$SYS/broker/connection/bridge-hall/state"_qs) &&
                centralWatch.lastOn(u"$SYS/broker/connection/bridge-hall/state"_qs)->payload == "1",
            LinkDeadlineMs);

        Watcher court(hall.port());
        QTRY_VERIFY_WITH_TIMEOUT(court.isSubscribed(), LinkDeadlineMs);
        court.publish(Watcher::topic(u"3"_qs, "state"), R"({"scores":[4,2,0,0]})", true);
        QTRY_VERIFY_WITH_TIMEOUT(federation.last(u"3"_qs, "state"), LinkDeadlineMs);
        QCOMPARE(federation.last(u"3"_qs, "state")->payload, QByteArray(R"({"scores":[4,2,0,0]})"));
        // Kept there too: a reader of the league that looks later sees it.
        Watcher late(central.port());
        QTRY_VERIFY_WITH_TIMEOUT(late.last(u"3"_qs, "state"), LinkDeadlineMs);
        QVERIFY(late.last(u"3"_qs, "state")->retained);
    }

    void aRunningClocksStateIsSentAgainWhileItRuns()
    {
        TestBroker broker;
        QVERIFY(broker.start());
        Watcher hall(broker.port());
        QTRY_VERIFY_WITH_TIMEOUT(hall.isSubscribed(), LinkDeadlineMs);
        QTemporaryDir folder;
        Court court(time, folder.path(), courtSettings(broker.address(), u"1"_qs));
        court.publisher.setRunningStateInterval(200);
        QTRY_VERIFY_WITH_TIMEOUT(court.link.isUp(), LinkDeadlineMs);
        court.history.perform(QStringLiteral("start"), [](GameModel &g) { g.startStop(); });
        const auto states = [&] {
            int count = 0;
            for (const Watcher::Message &m : hall.messages())
                count += m.topic == Watcher::topic(u"1"_qs, "state") ? 1 : 0;
            return count;
        };
        QTRY_VERIFY_WITH_TIMEOUT(states() > 0, LinkDeadlineMs);
        const int afterStart = states();
        // Nothing changes on the board: the state comes again on its own.
        QTRY_VERIFY_WITH_TIMEOUT(states() > afterStart, LinkDeadlineMs);
        const QJsonObject state =
            QJsonDocument::fromJson(hall.last(u"1"_qs, "state")->payload).object();
        QVERIFY(state.value(u"clock"_qs).toObject().value(u"running"_qs).toBool());
    }

    void aBoardThatClosesLeavesTheHall()
    {
        TestBroker broker;
        QVERIFY(broker.start());
        Watcher hall(broker.port());
        QTRY_VERIFY_WITH_TIMEOUT(hall.isSubscribed(), LinkDeadlineMs);
        QTemporaryDir folder;
        auto court =
            std::make_unique<Court>(time, folder.path(), courtSettings(broker.address(), u"1"_qs));
        QTRY_VERIFY_WITH_TIMEOUT(court->link.isUp(), LinkDeadlineMs);
        QTRY_VERIFY_WITH_TIMEOUT(hall.last(u"1"_qs, "online"), LinkDeadlineMs);
        QCOMPARE(hall.last(u"1"_qs, "online")->payload, QByteArray("1"));
        // A clean goodbye sends no last will: the board says it itself.
        court.reset();
        QTRY_COMPARE_WITH_TIMEOUT(hall.last(u"1"_qs, "online")->payload, QByteArray("0"),
                                  LinkDeadlineMs);
    }

    void theHallSeesACourtGo_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("kill -9") << true;
        QTest::newRow("terminated") << false;
    }
    void theHallSeesACourtGo()
    {
        QFETCH(bool, killed);
        TestBroker broker;
        QVERIFY(broker.start());
        Watcher hall(broker.port());
        QTRY_VERIFY_WITH_TIMEOUT(hall.isSubscribed(), LinkDeadlineMs);
        QProcess court;
        court.setProcessChannelMode(QProcess::ForwardedChannels);
        court.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--court"), QString::number(broker.port())});
        QVERIFY(court.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(hall.last(u"2"_qs, "online") &&
                                     hall.last(u"2"_qs, "online")->payload == "1",
                                 LinkDeadlineMs);
        // Its state follows its "online" on the broker, a moment later on a
        // busy machine.
        QTRY_VERIFY_WITH_TIMEOUT(hall.last(u"2"_qs, "state"), LinkDeadlineMs);
        if (killed)
            court.kill();
        else
            court.terminate();
        QVERIFY(court.waitForFinished(5000));
        QTRY_COMPARE_WITH_TIMEOUT(hall.last(u"2"_qs, "online")->payload, QByteArray("0"),
                                  LinkDeadlineMs);
    }

    void theBrokersCertificateIsChecked_data()
    {
        QTest::addColumn<bool>("trusted");
        QTest::newRow("signed by the hall's authority") << true;
        QTest::newRow("signed by another authority") << false;
    }
    void theBrokersCertificateIsChecked()
    {
        QFETCH(bool, trusted);
        TestBroker broker;
        const QString hallAuthority = broker.useTls();
        QVERIFY(!hallAuthority.isEmpty());
        QVERIFY(broker.start());
        TestBroker impostor;
        const QString otherAuthority = impostor.useTls();
        QVERIFY(!otherAuthority.isEmpty());
        QTemporaryDir folder;
        Settings settings = courtSettings(broker.address(), u"1"_qs);
        settings.HallPassword = QStringLiteral("secret");
        settings.HallCaFile = trusted ? hallAuthority : otherAuthority;
        Court court(time, folder.path(), settings);
        if (trusted) {
            QTRY_VERIFY_WITH_TIMEOUT(court.link.isUp(), LinkDeadlineMs);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(!court.link.problem().isEmpty(), LinkDeadlineMs);
        QVERIFY(!court.link.isUp());
    }

    void everyConnectionSendsTheLogFromItsFirstLine_data()
    {
        QTest::addColumn<bool>("wasUp");
        QTest::newRow("after the broker restarted mid-game") << true;
        QTest::newRow("to a broker that came after the court") << false;
    }
    void everyConnectionSendsTheLogFromItsFirstLine()
    {
        QFETCH(bool, wasUp);
        TestBroker broker;
        QVERIFY(broker.start());
        const quint16 port = broker.port();
        const QString address = broker.address();
        if (!wasUp)
            broker.kill();
        QTemporaryDir folder;
        Court court(time, folder.path(), courtSettings(address, u"1"_qs));
        if (wasUp)
            QTRY_VERIFY_WITH_TIMEOUT(court.link.isUp(), LinkDeadlineMs);
        court.score(0, 1);
        court.score(0, 2);
        QSignalSpy status(&court.link, &CourtLink::statusChanged);
        if (wasUp) {
            broker.kill();
            QTRY_VERIFY_WITH_TIMEOUT(!court.link.isUp(), LinkDeadlineMs);
            QVERIFY(court.link.problem().contains(address));
        }
        // Played on while the broker is away: the line waits for the link.
        court.score(1, 5);
        QVERIFY(!court.link.isUp());
        QVERIFY(broker.start(port));
        Watcher hall(port);
        QTRY_VERIFY_WITH_TIMEOUT(hall.isSubscribed(), LinkDeadlineMs);

        QTRY_VERIFY_WITH_TIMEOUT(court.link.isUp(), LinkDeadlineMs);
        // A line in flight when the broker died may come twice (QoS 1 sends
        // it again; a reader drops repeats by game and n), but the whole log
        // follows, in order, from its first line.
        const auto wholeLogLast = [&] {
            const QList<int> lines = numbers(hall.logOf(u"1"_qs));
            return lines.size() >= 4 && lines.mid(lines.size() - 4) == QList<int>{0, 1, 2, 3};
        };
        QTRY_VERIFY_WITH_TIMEOUT(wholeLogLast(), LinkDeadlineMs);
        QVERIFY(numbers(hall.logOf(u"1"_qs)).size() <= 5);
        // Then the state, after the log's last line. (A repeat of a line
        // that was in flight may still come after it: QoS 1 sends it again
        // when it likes.)
        QTRY_VERIFY_WITH_TIMEOUT(hall.last(u"1"_qs, "state"), LinkDeadlineMs);
        const QList<Watcher::Message> all = hall.messages();
        qsizetype lastLine = -1, state = -1;
        for (qsizetype i = 0; i < all.size(); ++i) {
            const bool isLine = all.at(i).topic == Watcher::topic(u"1"_qs, "log");
            if (isLine && lastLine < 0 &&
                QJsonDocument::fromJson(all.at(i).payload).object().value(u"n"_qs).toInt() == 3)
                lastLine = i;
            else if (all.at(i).topic == Watcher::topic(u"1"_qs, "state") && state < 0)
                state = i;
        }
        QVERIFY(lastLine >= 0);
        QVERIFY(state > lastLine);
        QVERIFY(status.size() >= (wasUp ? 2 : 1));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--court") == 0)
        return runChildCourt(argc, argv);
    TestEnvironment environment;
    QApplication app(argc, argv);
    TestCourtLink test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_courtlink.moc"
