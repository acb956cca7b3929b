#include "game/gamerecord.h"
#include "hall/hallfeed.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

using Messages = QList<QPair<QString, QByteArray>>;

QString topic(const char *court, const char *leaf)
{
    return QStringLiteral("corvella/v1/hall/") + QLatin1StringView(court) + u'/' +
           QLatin1StringView(leaf);
}

QByteArray header(const char *game, const char *home, const char *guest)
{
    return QStringLiteral("{\"format\":\"corvella-game-log\",\"version\":1,\"started\":"
                          "\"2026-12-08T10:00:00.000Z\",\"home\":\"%2\",\"guest\":\"%3\","
                          "\"section1\":\"\",\"section2\":\"\",\"periods\":2,\"fouls\":false,"
                          "\"game\":\"%1\"}")
        .arg(QLatin1StringView(game), QLatin1StringView(home), QLatin1StringView(guest))
        .toUtf8();
}

QByteArray line(const char *game, int n)
{
    return QStringLiteral("{\"n\":%1,\"kind\":\"action\",\"game\":\"%2\"}")
        .arg(n)
        .arg(QLatin1StringView(game))
        .toUtf8();
}

QByteArray result(const char *home, const char *guest, int a, int b)
{
    return QStringLiteral("{\"format\":\"corvella-game-log\",\"started\":"
                          "\"2026-12-08T10:00:00.000Z\",\"home\":\"%1\",\"guest\":\"%2\","
                          "\"final\":{\"scores\":[%3,%4,null,null]}}")
        .arg(QLatin1StringView(home), QLatin1StringView(guest))
        .arg(a)
        .arg(b)
        .toUtf8();
}

const QByteArray State = R"({"at":1,"clock":{"ms":0},"scores":[2,3,null,null]})";

// What the feed says on stderr while it reads `messages`.
QString toldWhileReading(HallFeed &feed, const Messages &messages)
{
    QTemporaryDir folder;
    const QByteArray path = folder.filePath(QStringLiteral("stderr")).toLocal8Bit();
    std::fflush(stderr);
    const int saved = dup(fileno(stderr));
    if (!std::freopen(path.constData(), "w", stderr))
        return QStringLiteral("stderr not captured");
    for (const auto &[topic, payload] : messages)
        feed.receive(topic, payload);
    std::fflush(stderr);
    dup2(saved, fileno(stderr));
    close(saved);
    QFile told(QString::fromLocal8Bit(path));
    told.open(QIODevice::ReadOnly);
    return QString::fromUtf8(told.readAll());
}

QList<int> numbersOnDisk(const QString &log)
{
    QList<int> n;
    QFile file(log);
    file.open(QIODevice::ReadOnly);
    while (!file.atEnd()) {
        const QJsonObject entry = QJsonDocument::fromJson(file.readLine()).object();
        n.append(entry.value(u"n").toInt(0)); // the header has none
        if (entry.contains(u"game"))
            n.append(-2); // the hall's own key, not the board's format
    }
    return n;
}

} // namespace

class TestHallFeed : public QObject
{
    Q_OBJECT

private slots:
    void theFeedReadsWhatCourtsPublish_data()
    {
        QTest::addColumn<Messages>("messages");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QList<int>>("court1game1"); // the log's numbers on disk
        QTest::addColumn<int>("told");               // lines on stderr

        const QByteArray noResults = R"(,"results":[]})";
        QTest::newRow("a court's log sent again after a reconnection")
            << Messages{{topic("1", "log"), header("g1", "Lions", "Tigers")},
                        {topic("1", "log"), line("g1", 1)},
                        {topic("1", "log"), header("g1", "Lions", "Tigers")},
                        {topic("1", "log"), line("g1", 1)},
                        {topic("1", "log"), line("g1", 2)}}
            << QByteArray(R"({"courts":[{"court":"1","online":false,"state":null}])") + noResults
            << QList<int>{0, 1, 2} << 0;
        QTest::newRow("a line the broker sent late")
            << Messages{{topic("1", "log"), header("g1", "Lions", "Tigers")},
                        {topic("1", "log"), line("g1", 2)},
                        {topic("1", "log"), line("g1", 1)}}
            << QByteArray(R"({"courts":[{"court":"1","online":false,"state":null}])") + noResults
            << QList<int>{0, 1, 2} << 0;
        QTest::newRow("not JSON, told once per topic")
            << Messages{{topic("2", "state"), "nope"},
                        {topic("2", "state"), "{broken"},
                        {topic("2", "log"), "nope"},
                        {topic("2", "online"), "1"},
                        {topic("2", "state"), State}}
            << QByteArray(R"({"courts":[{"court":"2","online":true,"state":)") + State + "}]" +
                   noResults
            << QList<int>{} << 2;
        QTest::newRow("JSON of another shape")
            << Messages{{topic("2", "state"), "{}"},
                        {topic("2", "state"), "[1,2]"},
                        {topic("2", "online"), "yes"},
                        {topic("2", "log"), R"({"n":-1,"game":"g1"})"},
                        {topic("2", "log"), R"({"kind":"action","game":"g1"})"},
                        {topic("2", "log"), R"({"n":1,"game":"../../etc"})"},
                        {topic("2", "result"), R"({"home":1})"},
                        {topic("x+", "state"), State}}
            << QByteArray(R"({"courts":[])") + noResults << QList<int>{}
            << 5; // one per topic: the log told once
        QTest::newRow("courts in their numbers' order, offline after the last will")
            << Messages{{topic("10", "online"), "1"},
                        {topic("2", "online"), "1"},
                        {topic("2", "online"), "0"},
                        {topic("2", "next"), "{}"}}
            << QByteArray(R"({"courts":[{"court":"2","online":false,"state":null},)"
                          R"({"court":"10","online":true,"state":null}])") +
                   noResults
            << QList<int>{} << 0;
        QTest::newRow("results newest first, each once")
            << Messages{{topic("1", "log"), header("g1", "Lions", "Tigers")},
                        {topic("2", "log"), header("g2", "Bears", "Wolves")},
                        {topic("1", "result"), result("Lions", "Tigers", 50, 48)},
                        {topic("2", "result"), result("Bears", "Wolves", 3, 7)},
                        {topic("1", "result"), result("Lions", "Tigers", 50, 48)},
                        // A retained result of a game the hall has no log of.
                        {topic("1", "result"), result("Owls", "Hawks", 1, 1)}}
            << QByteArray(R"({"courts":[{"court":"1","online":false,"state":null},)"
                          R"({"court":"2","online":false,"state":null}],"results":[)"
                          R"({"court":"2","game":"g2","guest":"Wolves","home":"Bears",)"
                          R"("scores":[3,7,null,null]},)"
                          R"({"court":"1","game":"g1","guest":"Tigers","home":"Lions",)"
                          R"("scores":[50,48,null,null]}]})")
            << QList<int>{0} << 0;
    }
    void theFeedReadsWhatCourtsPublish()
    {
        QFETCH(Messages, messages);
        QFETCH(QByteArray, json);
        QFETCH(QList<int>, court1game1);
        QFETCH(int, told);
        QTemporaryDir folder;
        HallFeed feed(QStringLiteral("hall"), folder.path());
        const QString said = toldWhileReading(feed, messages);
        QCOMPARE(said.count(u'\n'), told);
        QCOMPARE(QJsonDocument(feed.toJson()).toJson(QJsonDocument::Compact), json);
        const QString log = feed.logPath(QStringLiteral("1"), QStringLiteral("g1"));
        QCOMPARE(log.isEmpty() ? QList<int>{} : numbersOnDisk(log), court1game1);

        // A hall started again has the day's games and results from disk.
        HallFeed again(QStringLiteral("hall"), folder.path());
        QCOMPARE(again.results().size(), feed.results().size());
        for (qsizetype i = 0; i < feed.results().size(); ++i)
            QCOMPARE(again.results().at(i).game, feed.results().at(i).game);
        QCOMPARE(again.logPath(QStringLiteral("1"), QStringLiteral("g1")), log);

        // Yesterday's results are no longer the day's.
        const QDateTime yesterday = QDateTime::currentDateTime().addDays(-1);
        for (const QFileInfo &file :
             QDir(folder.path()).entryInfoList({u"*"_qs}, QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const QFileInfo &kept : QDir(file.filePath()).entryInfoList(QDir::Files)) {
                QFile touched(kept.filePath());
                QVERIFY(touched.open(QIODevice::ReadWrite));
                QVERIFY(touched.setFileTime(yesterday, QFileDevice::FileModificationTime));
            }
        }
        QVERIFY(HallFeed(QStringLiteral("hall"), folder.path()).results().isEmpty());
    }
};

CORVELLA_TEST_MAIN(TestHallFeed)
#include "tst_hallfeed.moc"
