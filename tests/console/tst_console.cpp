#include "console/bodetfeed.h"
#include "console/consolelink.h"
#include "console/consolemirror.h"
#include "console/consolemonitor.h"
#include "console/consolesource.h"
#include "console/daktronicsfeed.h"
#include "console/stramatelfeed.h"
#include "game/commands.h"
#include "game/gamemodel.h"
#include "settings/appsettings.h"
#include "tests/console/consoleframes.h"
#include "tests/support/fakes.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The values a test names, as "name=value" in a fixed order; unknown values
// are left out.
QStringList fields(const ConsoleState &s)
{
    QStringList out;
    const auto add = [&](const char *name, const auto &value) {
        if (value)
            out << QString::fromLatin1(name) + u'=' + QString::number(*value);
    };
    add("clock", s.clockMs);
    if (s.clockRunning)
        out << (*s.clockRunning ? u"running"_s : u"stopped"_s);
    add("home", s.scores[0]);
    add("guest", s.scores[1]);
    add("period", s.period);
    if (s.extraTime)
        out << u"extra"_s;
    add("foulsHome", s.teamFouls[0]);
    add("foulsGuest", s.teamFouls[1]);
    add("toHome", s.timeouts[0]);
    add("toGuest", s.timeouts[1]);
    add("leftHome", s.timeoutsLeft[0]);
    add("leftGuest", s.timeoutsLeft[1]);
    add("shot", s.shotClockMs);
    if (s.shotClockRunning && *s.shotClockRunning)
        out << u"shotRunning"_s;
    add("possession", s.possession);
    add("penalty1", s.penaltiesMs[0]);
    add("set", s.set);
    add("server", s.server);
    return out;
}

QByteArray daktronicsPacket(int offset, const QByteArray &data)
{
    const QByteArray covered = QByteArray("00000000\x01") + "004210" +
                               QByteArray::number(offset).rightJustified(4, '0') + '\x02' + data +
                               '\x04';
    return '\x16' + covered + DaktronicsFeed::checksum(covered) + '\x17';
}

// Feeds `bytes` in reads of `chunk` bytes (0: all at once).
void feedIn(ConsoleFeed &feed, const QByteArray &bytes, int chunk)
{
    if (chunk == 0) {
        feed.feed(bytes);
        return;
    }
    for (qsizetype i = 0; i < bytes.size(); i += chunk)
        feed.feed(QByteArrayView(bytes).sliced(i, std::min<qsizetype>(chunk, bytes.size() - i)));
}

void addColumns()
{
    QTest::addColumn<int>("sport");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QStringList>("skips");
}

template <typename Feed> void checkFeed()
{
    QFETCH(int, sport);
    QFETCH(QByteArray, bytes);
    QFETCH(int, chunk);
    QFETCH(QStringList, expected);
    QFETCH(int, frames);
    QFETCH(QStringList, skips);
    Feed feed{ConsoleSport(sport)};
    feedIn(feed, bytes, chunk);
    QCOMPARE(fields(feed.state()), expected);
    QCOMPARE(feed.frames(), frames);
    QCOMPARE(feed.takeSkipReasons(), skips);
    QCOMPARE(feed.skipped(), skips.size());
}

constexpr int Basketball = int(ConsoleSport::Basketball);
constexpr int Handball = int(ConsoleSport::Handball);
constexpr int Floorball = int(ConsoleSport::Floorball);
constexpr int Volleyball = int(ConsoleSport::Volleyball);

const char *const StramatelBasketball = "F8 33 20 31 20 34 33 32 20 37 38 20 37 35 34 33 35 32"
                                        "31 30 31 20 30 31 32 33 30 31 32 30 30 30 34 30 30 30"
                                        "30 30 30 30 30 30 30 30 30 30 20 20 31 34 30 31 31 0D";
const char *const StramatelHandball = "F8 35 20 20 31 32 33 34 20 31 38 20 31 36 31 31 20 31"
                                      "30 30 31 20 31 34 35 20 20 20 20 20 20 20 20 20 20 20"
                                      "20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 0D";

// A game set up as a basketball preset would: four periods of ten minutes
// counting down, two timeouts a half, a shot clock.
struct MirroredGame
{
    ManualTimeSource time;
    GameModel game{time};
    GameHistory history{game};
    Settings settings = defaultSettings();
    GameCommands commands{game, history, [this]() -> const Settings & { return settings; }};
    ConsoleMirror mirror{game, history, time};
    QList<GameHistory::Origin> origins;
    QStringList texts;

    MirroredGame()
    {
        GameStructure structure(4, {60'000, 600'000, 60'000}, 300'000);
        structure.timeouts.perHalf = {2, 3};
        game.setStructure(structure);
        game.setClockMode(true, 600'000);
        ShotClockRules rules;
        rules.enabled = true;
        game.shotClockPart().setRules(rules);
        QObject::connect(&history, &GameHistory::stepped, &history,
                         [this](GameHistory::Step, const QString &text, GameHistory::Origin origin,
                                const GameState &, const QString &) {
                             origins << origin;
                             texts << text;
                         });
    }
    void applyStramatel(const QByteArray &frame)
    {
        StramatelFeed feed(ConsoleSport::Basketball);
        feed.feed(frame);
        QCOMPARE(feed.frames(), 1);
        mirror.apply(feed.state());
    }
};

// A pseudo-terminal standing for the console's serial adapter: the test
// writes on the master, the program reads the slave's path.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        char name[256] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0)
            m_path = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal()
    {
        if (m_path.isEmpty())
            return;
        ::close(m_master);
        ::close(m_slave);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;
    const QString &path() const { return m_path; }
    bool write(const QByteArray &bytes) const
    {
        return ::write(m_master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

} // namespace

class TestConsole : public QObject
{
    Q_OBJECT

private slots:
    void bodet_data();
    void bodet() { checkFeed<BodetFeed>(); }
    void stramatel_data();
    void stramatel() { checkFeed<StramatelFeed>(); }
    void daktronics_data();
    void daktronics() { checkFeed<DaktronicsFeed>(); }
    void feedBufferStaysBounded();
    void mirrorMakesOneConsoleStepPerChange();
    void consoleStepsStayOnUndo();
    void consoleKeepsItsCommands_data();
    void consoleKeepsItsCommands();
    void newGameOnTheConsoleStartsANewGame();
    void penaltyClocksBecomeTheGamesPenalties();
    void timeoutsLeftBecomeTimeoutsTaken();
    void silentFeedLetsTheClockRunOnThenStand();
    void consoleAtZeroTakesOverTheBoardsBreak();
    void serialLineIsReadAndFoundAgain();
    void bodetConsoleConnectsAndReconnects();
    void monitorPrintsChangesAndSkips();
    void sourceFollowsTheSettings();
};

void TestConsole::bodet_data()
{
    addColumns();
    const QByteArray vendor18 = hex("01 7F 02 47 31 38 80 35 20 31 35 36 30 30 20 20 31 20 03 26");
    const QByteArray built30 = hex("01 7F 02 47 33 30 35 20 37 38 20 39 20 03 39");
    const QStringList running156{u"clock=116000"_s, u"running"_s, u"period=1"_s, u"toHome=0"_s,
                                 u"toGuest=0"_s};
    QTest::newRow("vendor 18: 1:56 running, period 1")
        << Basketball << vendor18 << 0 << running156 << 1 << QStringList();
    QTest::newRow("vendor 36: 36.9 s") << Basketball << hex("01 7F 02 47 33 36 33 36 39 03 20") << 0
                                       << QStringList{u"clock=36900"_s} << 1 << QStringList();
    QTest::newRow("capture 11, floorball: 4:07 running, 1-0, period 1")
        << Floorball << hex("01 7F 02 47 31 31 80 37 20 34 30 37 20 30 31 20 30 30 31 03 2D") << 0
        << QStringList{u"clock=247000"_s, u"running"_s, u"home=1"_s, u"guest=0"_s, u"period=1"_s}
        << 1 << QStringList();
    QTest::newRow("built 30: 78-9")
        << Basketball << built30 << 0 << QStringList{u"home=78"_s, u"guest=9"_s} << 1
        << QStringList();
    QTest::newRow("built 18: 45.6 s, timeouts 2/1, period 4")
        << Basketball << hex("01 7F 02 47 31 38 80 35 34 35 44 36 32 31 20 20 34 20 03 61") << 0
        << QStringList{u"clock=45600"_s, u"running"_s, u"period=4"_s, u"toHome=2"_s, u"toGuest=1"_s}
        << 1 << QStringList();
    QTest::newRow("two messages in one read, one byte per read")
        << Basketball << vendor18 + built30 << 1
        << QStringList{u"clock=116000"_s, u"running"_s,  u"home=78"_s,  u"guest=9"_s,
                       u"period=1"_s,     u"toHome=0"_s, u"toGuest=0"_s}
        << 2 << QStringList();
    QTest::newRow("garbage before a frame")
        << Basketball << QByteArray("\xFF\x10noise") + built30 << 3
        << QStringList{u"home=78"_s, u"guest=9"_s} << 1 << QStringList{u"garbage"_s};
    QTest::newRow("false start: a frame cut by the next")
        << Basketball << vendor18.first(9) + built30 << 0 << QStringList{u"home=78"_s, u"guest=9"_s}
        << 1 << QStringList{u"half a frame"_s};
    QByteArray badLrc = built30;
    badLrc[badLrc.size() - 1] = 0x3A;
    QTest::newRow("bad checksum") << Basketball << badLrc << 0 << QStringList() << 0
                                  << QStringList{u"bad checksum"_s};
    QTest::newRow("wrong length") << Basketball << bodetFrame("305 78  9  ") << 0 << QStringList()
                                  << 0 << QStringList{u"wrong length"_s};
    QTest::newRow("wrong sport: handball's scores on a basketball board")
        << Basketball << bodetFrame("024 18 16") << 0 << QStringList() << 0
        << QStringList{u"wrong sport"_s};
    QTest::newRow("seconds out of range")
        << Basketball
        << bodetFrame("18\x80"
                      "5 17700  1 ")
        << 0 << QStringList() << 0 << QStringList{u"digits out of range"_s};
    QTest::newRow("shot clock, vendor's sum without ETX, tenths")
        << Basketball
        << bodetFrame("50\x90"
                      "64",
                      false)
        << 0 << QStringList{u"shot=6400"_s, u"shotRunning"_s} << 1 << QStringList();
    QTest::newRow("handball 03: a home penalty at 1:45")
        << Handball << bodetFrame("03 145000000000000000") << 0 << QStringList{u"penalty1=105000"_s}
        << 1 << QStringList();
    QTest::newRow("volleyball 06: set 3, 2-0 in sets, 24-22, home serves")
        << Volleyball
        << bodetFrame("06\x88"
                      "0320242211  ")
        << 0 << QStringList{u"home=24"_s,   u"guest=22"_s, u"toHome=1"_s,
                            u"toGuest=1"_s, u"set=3"_s,    u"server=0"_s}
        << 1 << QStringList();
}

void TestConsole::stramatel_data()
{
    addColumns();
    const QByteArray basketball = hex(StramatelBasketball);
    const QStringList basketballFields{u"clock=272000"_s, u"running"_s,     u"home=78"_s,
                                       u"guest=75"_s,     u"period=4"_s,    u"foulsHome=3"_s,
                                       u"foulsGuest=5"_s, u"toHome=2"_s,    u"toGuest=1"_s,
                                       u"shot=14000"_s,   u"shotRunning"_s, u"possession=0"_s};
    QTest::newRow("example: basketball")
        << Basketball << basketball << 0 << basketballFields << 1 << QStringList();
    QTest::newRow("example: handball")
        << Handball << hex(StramatelHandball) << 0
        << QStringList{u"clock=754000"_s, u"running"_s,  u"home=18"_s,   u"guest=16"_s,
                       u"period=1"_s,     u"toHome=1"_s, u"toGuest=0"_s, u"penalty1=105000"_s}
        << 1 << QStringList();
    QTest::newRow("one byte per read")
        << Basketball << basketball << 1 << basketballFields << 1 << QStringList();
    QTest::newRow("garbage and a false F8 before a frame")
        << Basketball << QByteArray("ab\xF8xy") + basketball << 5 << basketballFields << 1
        << QStringList{u"garbage"_s, u"no frame end"_s, u"garbage"_s};
    QTest::newRow("under a minute, three digits, shot clock in tenths")
        << Basketball
        << stramatelFrame(0x33,
                          {{4, "346 "}, {8, "101"}, {11, " 99"}, {14, "4"}, {48, "6D"}, {51, "1"}})
        << 0
        << QStringList{u"clock=34600"_s, u"stopped"_s,     u"home=101"_s,     u"guest=99"_s,
                       u"period=4"_s,    u"foulsHome=0"_s, u"foulsGuest=0"_s, u"toHome=0"_s,
                       u"toGuest=0"_s,   u"shot=6400"_s,   u"shotRunning"_s,  u"possession=-1"_s}
        << 1 << QStringList();
    QTest::newRow("wrong length: 0D missing, then a good frame")
        << Basketball << basketball.first(30) + basketball << 0 << basketballFields << 1
        << QStringList{u"no frame end"_s, u"garbage"_s};
    QTest::newRow("wrong sport") << Basketball << hex(StramatelHandball) << 0 << QStringList() << 0
                                 << QStringList{u"wrong sport"_s};
    QTest::newRow("players' points share the bus")
        << Basketball << stramatelFrame(0x38, {}) << 0 << QStringList() << 0 << QStringList();
    QTest::newRow("a letter in the score")
        << Basketball << stramatelFrame(0x33, {{8, " 7A"}}) << 0 << QStringList() << 0
        << QStringList{u"digits out of range"_s};
}

void TestConsole::daktronics_data()
{
    addColumns();
    const QByteArray vector = hex("16 30 30 30 30 30 30 30 30 01 30 30 34 32 31 30 30 30 30 30 02"
                                  "31 36 3A 30 39 31 36 3A 30 39 20 20 20 31 36 3A 30 39 31 36 3A"
                                  "30 39 20 20 20 20 73 20 20 20 04 34 39 17");
    QTest::newRow("test vector: 16:09 stopped")
        << Basketball << vector << 0 << QStringList{u"clock=969000"_s, u"stopped"_s} << 1
        << QStringList();
    QTest::newRow("one byte per read")
        << Basketball << vector << 1 << QStringList{u"clock=969000"_s, u"stopped"_s} << 1
        << QStringList();
    QTest::newRow("scores split over two packets, in a field")
        << Basketball << daktronicsPacket(107, "  7") + daktronicsPacket(110, "8  10") << 0
        << QStringList{u"home=78"_s, u"guest=10"_s} << 2 << QStringList();
    QTest::newRow("under a minute, period, fouls")
        << Basketball
        << daktronicsPacket(0, " 45.6") + daktronicsPacket(141, " 4") +
               daktronicsPacket(235, " 3 5")
        << 0 << QStringList{u"clock=45600"_s, u"period=4"_s, u"foulsHome=3"_s, u"foulsGuest=5"_s}
        << 3 << QStringList();
    QTest::newRow("timeouts left, the home team's possession")
        << Basketball
        << daktronicsPacket(121, " 2") + daktronicsPacket(129, " 1") +
               daktronicsPacket(209, "<      ")
        << 0 << QStringList{u"leftHome=2"_s, u"leftGuest=1"_s, u"possession=0"_s} << 3
        << QStringList();
    QTest::newRow("the guest's possession") << Basketball << daktronicsPacket(209, "      >") << 0
                                            << QStringList{u"possession=1"_s} << 1 << QStringList();
    QTest::newRow("nobody's possession")
        << Basketball << daktronicsPacket(209, "      >") + daktronicsPacket(215, " ") << 0
        << QStringList{u"possession=-1"_s} << 2 << QStringList();
    QByteArray badSum = vector;
    badSum[badSum.size() - 2] = '8';
    QTest::newRow("bad checksum") << Basketball << badSum << 0 << QStringList() << 0
                                  << QStringList{u"bad checksum"_s};
    QTest::newRow("garbage, then a false start")
        << Basketball << QByteArray("xx") + vector.first(12) + vector << 4
        << QStringList{u"clock=969000"_s, u"stopped"_s} << 1
        << QStringList{u"garbage"_s, u"half a frame"_s};
    QTest::newRow("past the record's end") << Basketball << daktronicsPacket(640, "1234567") << 0
                                           << QStringList() << 0 << QStringList{u"wrong length"_s};
}

void TestConsole::feedBufferStaysBounded()
{
    // A start byte of every feed, then a flood that never ends a frame; the
    // next good frame is still read.
    const QByteArray starts("\x01\x02\x16\xF8");
    const QByteArray flood(50, 'x');
    const std::pair<std::shared_ptr<ConsoleFeed>, QByteArray> feeds[] = {
        {std::make_shared<BodetFeed>(ConsoleSport::Basketball), bodetFrame("305 78  9")},
        {std::make_shared<StramatelFeed>(ConsoleSport::Basketball), hex(StramatelBasketball)},
        {std::make_shared<DaktronicsFeed>(ConsoleSport::Basketball),
         daktronicsPacket(107, "  78")}};
    for (const auto &[feed, good] : feeds) {
        feed->feed(starts);
        for (int i = 0; i < 200; ++i)
            feed->feed(flood);
        QVERIFY(feed->skipped() > 0);
        QCOMPARE(feed->frames(), 0);
        feed->feed(good);
        QCOMPARE(feed->frames(), 1);
        QCOMPARE(feed->state().scores[0], 78);
    }
}

void TestConsole::mirrorMakesOneConsoleStepPerChange()
{
    MirroredGame g;
    g.applyStramatel(hex(StramatelBasketball));
    QCOMPARE(g.game.score(GameModel::Home1), 78);
    QCOMPARE(g.game.score(GameModel::Guest1), 75);
    QCOMPARE(g.game.score(GameModel::Home2), 3);
    QCOMPARE(g.game.score(GameModel::Guest2), 5);
    QCOMPARE(g.game.period(), 4);
    QCOMPARE(g.game.timeoutsTaken()[GameModel::Home][1], 2);
    QCOMPARE(g.game.timeoutsTaken()[GameModel::Guest][1], 1);
    QVERIFY(g.game.isRunning());
    QCOMPARE(g.game.clockMs(), 272'000);
    QCOMPARE(g.game.shotClockPart().state().msAt(g.time.now), 14'000);
    QCOMPARE(g.game.shotClockPart().possession(), Possession::Home);
    // Period, two scores, two team fouls, two timeouts, possession, the shot
    // clock, the clock.
    QCOMPARE(g.origins.size(), 10);
    QVERIFY(std::all_of(g.origins.cbegin(), g.origins.cend(),
                        [](GameHistory::Origin o) { return o == GameHistory::Origin::Console; }));

    // The same board again, and the clock running on with it: no step.
    g.time.now += 1000;
    g.applyStramatel(stramatelFrame(0x33, {{3, "1"},
                                           {4, " 431"},
                                           {8, " 78"},
                                           {11, " 75"},
                                           {14, "4"},
                                           {15, "35"},
                                           {17, "21"},
                                           {20, "1"},
                                           {48, "13"},
                                           {51, "11"}}));
    QCOMPARE(g.origins.size(), 10);
    QCOMPARE(g.game.clockMs(), 271'000);
    // A basket: one step.
    g.applyStramatel(stramatelFrame(0x33, {{3, "1"},
                                           {4, " 431"},
                                           {8, " 80"},
                                           {11, " 75"},
                                           {14, "4"},
                                           {15, "35"},
                                           {17, "21"},
                                           {20, "1"},
                                           {48, "13"},
                                           {51, "11"}}));
    QCOMPARE(g.origins.size(), 11);
    QCOMPARE(g.game.score(GameModel::Home1), 80);
}

void TestConsole::consoleStepsStayOnUndo()
{
    MirroredGame g;
    g.history.perform(u"operator's"_s, [](GameModel &game) { game.setScore(GameModel::Home1, 5); });
    g.applyStramatel(stramatelFrame(0x33, {{8, " 12"}}));
    QCOMPARE(g.game.score(GameModel::Home1), 12);
    QVERIFY(g.history.consoleKeepsNextUndo());
    g.history.undo();
    QCOMPARE(g.game.score(GameModel::Home1), 12);
    g.history.setConsoleKeeps(true);
    const GameCommands::Outcome outcome = g.commands.run(u"undo"_s, {});
    QCOMPARE(outcome.refusal, GameCommands::Refusal::NotNow);
    QCOMPARE(outcome.why, u"the console keeps it"_s);
    QCOMPARE(g.game.score(GameModel::Home1), 12);
}

void TestConsole::consoleKeepsItsCommands_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QByteArray>("params");
    QTest::addColumn<int>("period");
    QTest::addColumn<bool>("kept");
    QTest::newRow("a score") << u"score.add"_s
                             << QByteArray(R"({"team":"home","section":1,"add":2})") << 1 << true;
    QTest::newRow("the clock") << u"clock.start"_s << QByteArray("{}") << 1 << true;
    QTest::newRow("a timeout") << u"timeout.start"_s << QByteArray(R"({"team":"guest"})") << 1
                               << true;
    QTest::newRow("the shot clock") << u"shotclock.reset"_s << QByteArray("{}") << 1 << true;
    QTest::newRow("the next period") << u"period.next"_s << QByteArray("{}") << 2 << true;
    QTest::newRow("the final stays the operator's")
        << u"period.next"_s << QByteArray("{}") << 4 << false;
    QTest::newRow("the buzzer stays the operator's")
        << u"buzzer.sound"_s << QByteArray("{}") << 1 << false;
}

void TestConsole::consoleKeepsItsCommands()
{
    QFETCH(QString, id);
    QFETCH(QByteArray, params);
    QFETCH(int, period);
    QFETCH(bool, kept);
    MirroredGame g;
    g.applyStramatel(stramatelFrame(0x33, {{14, QByteArray::number(period)}}));
    g.history.setConsoleKeeps(true);
    const QJsonObject parameters = QJsonDocument::fromJson(params).object();
    const GameCommands::Outcome outcome = g.commands.run(id, parameters);
    QCOMPARE(outcome.isDone(), !kept);
    if (kept) {
        QCOMPARE(outcome.refusal, GameCommands::Refusal::NotNow);
        QCOMPARE(outcome.why, u"the console keeps the score"_s);
        QCOMPARE(g.commands.availability(id).why, outcome.why);
        // The console itself is never refused.
        QVERIFY(g.commands.run(id, parameters, GameHistory::Origin::Console).isDone());
    }
}

// A penalty coming or going is a step; its clock running with the console's
// is not, nor is one the console puts a second off.
void TestConsole::penaltyClocksBecomeTheGamesPenalties()
{
    MirroredGame g;
    PlayerRules players;
    players.enabled = true;
    g.game.playersPart().setRules(players);
    ConsoleState console;
    console.clockMs = 500'000;
    console.clockRunning = true;
    console.penaltiesMs = {120'000, 0, 0, 0, 0, 0};
    g.mirror.apply(console);
    const auto penalties = [&g](int team) {
        QList<QPair<qint64, qint64>> shown;
        const GameState state = g.game.state();
        for (const Penalty &p : state.penalties.teams.at(team))
            shown.append({p.msAt(g.time.now), p.lengthMs});
        return shown;
    };
    using Shown = QList<QPair<qint64, qint64>>;
    QCOMPARE(penalties(0), (Shown{{120'000, 120'000}}));
    const qsizetype steps = g.origins.size();

    g.time.now += 3000;
    console.clockMs = 497'000;
    console.penaltiesMs = {117'000, 0, 0, 118'000, 0, 0};
    g.mirror.apply(console);
    QCOMPARE(g.origins.size(), steps + 1);
    QCOMPARE(penalties(0), (Shown{{117'000, 120'000}}));
    // First seen two seconds in: still a two-minute penalty.
    QCOMPARE(penalties(1), (Shown{{118'000, 120'000}}));

    g.time.now += 1000;
    console.penaltiesMs = {0, 0, 0, 60'000, 0, 0};
    g.mirror.apply(console);
    QCOMPARE(g.origins.size(), steps + 2);
    QCOMPARE(penalties(0), Shown{});
    QCOMPARE(penalties(1), (Shown{{60'000, 120'000}}));
    QCOMPARE(g.texts.last(), u"Home penalty over on the console"_s);
}

// A console that counts timeouts down: taken is what the half allows less
// what is left.
void TestConsole::timeoutsLeftBecomeTimeoutsTaken()
{
    MirroredGame g;
    ConsoleState console;
    console.timeoutsLeft = {1, 2};
    g.mirror.apply(console);
    QCOMPARE(g.game.timeoutsTaken()[GameModel::Home][0], 1);
    QCOMPARE(g.game.timeoutsTaken()[GameModel::Guest][0], 0);
    QCOMPARE(g.origins.size(), 1);
    console.timeoutsLeft = {0, 2};
    g.mirror.apply(console);
    QCOMPARE(g.game.timeoutsTaken()[GameModel::Home][0], 2);
    QCOMPARE(g.origins.size(), 2);
}

void TestConsole::newGameOnTheConsoleStartsANewGame()
{
    MirroredGame g;
    QSignalSpy started(&g.game, &GameModel::newGameStarted);
    g.applyStramatel(hex(StramatelBasketball));
    QCOMPARE(started.count(), 0);
    g.applyStramatel(stramatelFrame(0x33, {{4, "10 0"}, {8, "  0"}, {11, "  0"}, {14, "1"}}));
    QCOMPARE(started.count(), 1);
    QCOMPARE(g.game.period(), 1);
    QCOMPARE(g.game.score(GameModel::Home1), 0);
    QCOMPARE(g.game.score(GameModel::Home2), 0);
}

void TestConsole::silentFeedLetsTheClockRunOnThenStand()
{
    MirroredGame g;
    g.applyStramatel(hex(StramatelBasketball)); // 4:32 running
    const qint64 lastFrame = g.time.now;
    g.time.now += 3000;
    g.mirror.feedSilent(lastFrame);
    QVERIFY(g.game.isRunning());
    // Noticed late: it stands where it was 5 s after the last frame.
    g.time.now = lastFrame + 6200;
    g.mirror.feedSilent(lastFrame);
    QVERIFY(!g.game.isRunning());
    QCOMPARE(g.game.clockMs(), 272'000 - ConsoleMirror::RunOnMs);
    const int steps = int(g.origins.size());
    // The feed is back, the console's clock ran all the while: no step.
    g.applyStramatel(stramatelFrame(0x33, {{3, "1"},
                                           {4, " 425"},
                                           {8, " 78"},
                                           {11, " 75"},
                                           {14, "4"},
                                           {15, "35"},
                                           {17, "21"},
                                           {20, "1"}}));
    QVERIFY(g.game.isRunning());
    QCOMPARE(g.game.clockMs(), 265'000);
    QCOMPARE(g.origins.size(), steps);
}

void TestConsole::consoleAtZeroTakesOverTheBoardsBreak()
{
    MirroredGame g;
    g.applyStramatel(stramatelFrame(0x33, {{4, "010 "}, {14, "1"}, {20, "1"}}));
    QVERIFY(g.game.isRunning());
    // The board's own clock reaches zero first and begins the break.
    g.time.now += 1500;
    g.game.updateClock();
    QCOMPARE(g.game.phase(), GamePhase::Break);
    const int steps = int(g.origins.size());
    const QByteArray stoppedAtZero = stramatelFrame(0x33, {{4, "000 "}, {14, "1"}});
    g.applyStramatel(stoppedAtZero);
    QCOMPARE(g.game.phase(), GamePhase::Play);
    QVERIFY(!g.game.isRunning());
    QCOMPARE(g.game.clockMs(), 0);
    QCOMPARE(g.origins.size(), steps + 1);
    g.applyStramatel(stoppedAtZero);
    QCOMPARE(g.origins.size(), steps + 1);
}

void TestConsole::serialLineIsReadAndFoundAgain()
{
    PseudoTerminal pty;
    QVERIFY(!pty.path().isEmpty());
    // The adapter is not plugged in yet: the link waits for it.
    QTemporaryDir dir;
    const QString device = dir.filePath(u"ttyUSB0"_s);
    ManualTimeSource time;
    ConsoleLink link(time);
    ConsoleConfig config;
    config.source = ConsoleConfig::Source::Stramatel;
    config.device = device;
    link.start(config);
    QVERIFY(!link.lineProblem().isEmpty());
    QVERIFY(QFile::link(pty.path(), device));
    time.now += 600;
    link.check();
    QCOMPARE(link.lineProblem(), QString());

    QSignalSpy changes(&link, &ConsoleLink::stateChanged);
    const QByteArray frame = hex(StramatelBasketball);
    // Torn over two writes, after bus chatter.
    QVERIFY(pty.write("\x20\x41" + frame.first(20)));
    QVERIFY(pty.write(frame.sliced(20)));
    QTRY_COMPARE(changes.count(), 1);
    QVERIFY(link.isConnected());
    QCOMPARE(link.state()->scores[0], 78);
    QCOMPARE(link.skipped(), 1);

    QSignalSpy connected(&link, &ConsoleLink::connectedChanged);
    time.now += ConsoleLink::SilentAfterMs - 1;
    link.check();
    QCOMPARE(connected.count(), 0);
    time.now += 1;
    link.check();
    QCOMPARE(connected.count(), 1);
    QVERIFY(!link.isConnected());
    QVERIFY(pty.write(frame));
    QTRY_VERIFY(link.isConnected());
}

void TestConsole::bodetConsoleConnectsAndReconnects()
{
    ManualTimeSource time;
    ConsoleLink link(time);
    ConsoleConfig config;
    config.source = ConsoleConfig::Source::Bodet;
    config.listenAddress = QHostAddress::LocalHost;
    config.listenPort = 0;
    link.start(config);
    QVERIFY(link.listeningPort() != 0);

    const QByteArray clock = hex("01 7F 02 47 31 38 80 35 20 31 35 36 30 30 20 20 31 20 03 26");
    const QByteArray scores = hex("01 7F 02 47 33 30 35 20 37 38 20 39 20 03 39");
    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, link.listeningPort());
    QVERIFY(first.waitForConnected(5000));
    // Half a message, the rest with the next one.
    first.write(clock + scores.first(7));
    first.flush();
    QTRY_COMPARE(link.state()->clockMs, 116'000);
    first.write(scores.sliced(7));
    QTRY_COMPARE(link.state()->scores[0], 78);

    // The console restarts: the new connection is the one read.
    QTcpSocket second;
    second.connectToHost(QHostAddress::LocalHost, link.listeningPort());
    QVERIFY(second.waitForConnected(5000));
    second.write(hex("01 7F 02 47 31 38 80 35 34 35 44 36 32 31 20 20 34 20 03 61"));
    QTRY_COMPARE(link.state()->clockMs, 45'600);
    QCOMPARE(link.state()->period, 4);
    QCOMPARE(link.skipped(), 0);
}

void TestConsole::monitorPrintsChangesAndSkips()
{
    PseudoTerminal pty;
    QVERIFY(!pty.path().isEmpty());
    ManualTimeSource time;
    QString printed;
    QTextStream out(&printed);
    ConsoleConfig config;
    config.source = ConsoleConfig::Source::Stramatel;
    config.device = pty.path();
    ConsoleMonitor monitor(config, time, out);
    QVERIFY(pty.write("xyz" + hex(StramatelBasketball)));
    QTRY_VERIFY(printed.contains(u"score 78-75"_s));
    QVERIFY(printed.contains(u"clock 4:32 running"_s));
    QVERIFY(printed.contains(u"skipped: garbage (garbage: swap A and B)"_s));
}

void TestConsole::sourceFollowsTheSettings()
{
    MirroredGame g;
    ConsoleSource source(g.game, g.history, g.time);
    QCOMPARE(source.status(), QJsonObject());
    QCOMPARE(source.problem(), QString());
    Settings settings = defaultSettings();
    settings.ConsoleSource = u"stramatel"_s;
    settings.ConsoleDevice = u"/nonexistent/ttyUSB9"_s;
    source.applySettings(settings);
    QVERIFY(g.history.consoleKeeps());
    const QJsonObject status = source.status();
    QCOMPARE(status.value(u"source"_s).toString(), u"stramatel"_s);
    QCOMPARE(status.value(u"connected"_s).toBool(true), false);
    QVERIFY(status.value(u"lastFrameMs"_s).isNull());
    QVERIFY(source.problem().startsWith(u"console silent: /nonexistent/ttyUSB9"_s));
    settings.ConsoleSource = u"none"_s;
    source.applySettings(settings);
    QVERIFY(!g.history.consoleKeeps());
    QCOMPARE(source.status(), QJsonObject());
}

QTEST_GUILESS_MAIN(TestConsole)
#include "tst_console.moc"
