#include "base/diskwriter.h"
#include "game/gamehistory.h"
#include "game/gamestatefile.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

SavedGame sampleGame()
{
    SavedGame game;
    game.scores = {34, 28, std::nullopt, 99};
    game.clockMs = 751'400;
    game.enteredSeconds = 750;
    return game;
}

QByteArray fixture(const QString &name)
{
    QFile file(QFINDTESTDATA(QStringLiteral("data/") + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The rules the fixtures' games were played by.
void playBy(const QString &sport, GameModel &game)
{
    if (sport == u"basketball") {
        game.shotClockPart().setRules({.enabled = true});
        game.playersPart().setRules({.enabled = true, .foulLimit = 2});
    } else {
        game.setsPart().setRules({.enabled = true, .pointsPerSet = 5, .lastSetPoints = 3});
    }
}

QStringList generationFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("game-*.json")}, QDir::Files, QDir::Time);
}

} // namespace

class TestGameStateFile : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

private slots:
    void aSavedGameReadsBackExactly()
    {
        QTemporaryDir dir;
        GameStateFile file(dir.path() + QStringLiteral("/Corvella"));
        QVERIFY(file.save(sampleGame()));
        GameStateFile again(dir.path() + QStringLiteral("/Corvella"));
        QCOMPARE(again.load(), sampleGame());
    }

    void theTeamsOfAGameReadBackAndNameItsSides_data()
    {
        QTest::addColumn<GameSide>("home");
        QTest::addColumn<GameSide>("guest");
        QTest::addColumn<QString>("homeCaption");
        QTest::addColumn<QString>("guestCaption");
        Team neustadt{QStringLiteral("TSV Neustadt"),
                      QStringLiteral("TSV"),
                      QColor(0xff, 0x22, 0),
                      QColor(Qt::white),
                      QStringLiteral("/teams/tsv.png"),
                      {{QStringLiteral("00"), QStringLiteral("Ada")},
                       {QStringLiteral("7"), QStringLiteral("Bo")}}};
        Team plain{QStringLiteral("BC Altstadt"), {}, {}, {}, {}, {}};
        QTest::newRow("two teams")
            << GameSide{neustadt, {}} << GameSide{plain, {}} << QStringLiteral("TSV Neustadt")
            << QStringLiteral("BC Altstadt");
        QTest::newRow("a team and a caption")
            << GameSide{neustadt, {}} << GameSide{{}, QStringLiteral("Visitors")}
            << QStringLiteral("TSV Neustadt") << QStringLiteral("Visitors");
        QTest::newRow("the board's own")
            << GameSide{} << GameSide{} << QStringLiteral("Heim") << QStringLiteral("Gast");
    }

    void theTeamsOfAGameReadBackAndNameItsSides()
    {
        QFETCH(GameSide, home);
        QFETCH(GameSide, guest);
        QFETCH(QString, homeCaption);
        QFETCH(QString, guestCaption);
        QTemporaryDir dir;
        SavedGame game = sampleGame();
        game.sides = {home, guest};
        QVERIFY(GameStateFile(dir.path()).save(game));
        const std::optional<SavedGame> back = GameStateFile(dir.path()).load();
        QVERIFY(back);
        QCOMPARE(back->sides, game.sides);
        QCOMPARE(back->sides.at(0).captionOr(QStringLiteral("Heim")), homeCaption);
        QCOMPARE(back->sides.at(1).captionOr(QStringLiteral("Gast")), guestCaption);
    }

    void aDamagedNewestFileFallsBackToTheOneBefore_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::newRow("truncated") << QByteArray("{\"format\":\"corvella-game\",\"vers");
        QTest::newRow("junk") << QByteArray("\x00\xff\x13junk", 7);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("future version")
            << QByteArray("{\"format\":\"corvella-game\",\"version\":2,\"sequence\":99}");
        QTest::newRow("score out of range")
            << QByteArray("{\"format\":\"corvella-game\",\"version\":1,\"sequence\":99,"
                          "\"scores\":[1000,0,0,0],\"clockMs\":0,\"periodMs\":0,"
                          "\"enteredSeconds\":0,\"faceBlank\":false,\"countDown\":false}");
        QTest::newRow("clock beyond the limit")
            << QByteArray("{\"format\":\"corvella-game\",\"version\":1,\"sequence\":99,"
                          "\"scores\":[1,0,0,0],\"clockMs\":1e300,\"periodMs\":0,"
                          "\"enteredSeconds\":0,\"faceBlank\":false,\"countDown\":false}");
        QTest::newRow("huge") << QByteArray(1024 * 1024, ' ');
    }

    void aDamagedNewestFileFallsBackToTheOneBefore()
    {
        QFETCH(QByteArray, damage);
        QTemporaryDir dir;
        GameStateFile file(dir.path());
        SavedGame older = sampleGame();
        QVERIFY(file.save(older));
        SavedGame newer = older;
        newer.scores[0] = 35;
        QVERIFY(file.save(newer));
        // The newest generation is the one written last.
        QFile newest(dir.path() + QStringLiteral("/game-1.json"));
        QVERIFY(newest.open(QIODevice::WriteOnly | QIODevice::Truncate));
        newest.write(damage);
        newest.close();
        GameStateFile again(dir.path());
        QCOMPARE(again.load(), older);
        // The next save goes after the newest readable one and wins.
        newer.scores[0] = 36;
        QVERIFY(again.save(newer));
        QCOMPARE(GameStateFile(dir.path()).load(), newer);
    }

    void nothingReadableIsNoGame()
    {
        QTemporaryDir dir;
        QCOMPARE(GameStateFile(dir.path()).load(), std::nullopt);
        const QString fifo = dir.path() + QStringLiteral("/game-0.json");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(GameStateFile(dir.path()).load(), std::nullopt); // and it did not block
    }

    void keepsOnlyAFewGenerations()
    {
        QTemporaryDir dir;
        GameStateFile file(dir.path());
        for (int i = 0; i < 10; ++i) {
            SavedGame game = sampleGame();
            game.scores[1] = i;
            QVERIFY(file.save(game));
        }
        QCOMPARE(generationFiles(dir.path()).size(), GameStateFile::Generations);
        QCOMPARE(GameStateFile(dir.path()).load()->scores[1], 9);
    }

    void aFailedSaveIsReportedOnceAndTheNextSuccessClearsIt_data()
    {
        QTest::addColumn<bool>("writer");
        QTest::newRow("written here") << false;
        QTest::newRow("on the writer's thread") << true;
    }
    void aFailedSaveIsReportedOnceAndTheNextSuccessClearsIt()
    {
        QFETCH(bool, writer);
        DiskWriter thread;
        QTemporaryDir dir;
        const QString blocked = dir.path() + QStringLiteral("/blocked");
        QFile plain(blocked); // a file where the folder should be: even root cannot write
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        GameStateFile file(blocked + QStringLiteral("/Corvella"));
        file.setWriter(writer ? &thread : nullptr);
        QSignalSpy failed(&file, &GameStateFile::savingFailed);
        QSignalSpy recovered(&file, &GameStateFile::savingRecovered);
        QVERIFY(!file.save(sampleGame()));
        QVERIFY(!file.save(sampleGame()));
        QCOMPARE(failed.count(), 1);
        QVERIFY(!file.lastError().isEmpty());
        QVERIFY(QFile::remove(blocked));
        QVERIFY(file.save(sampleGame()));
        QCOMPARE(recovered.count(), 1);
    }

    void everyChangeIsOnDiskAtOnceAndARunningClockEverySecond()
    {
        QTemporaryDir dir;
        GameModel game(time);
        GameStateFile file(dir.path());
        file.track(game);
        game.setScore(GameModel::Home2, 12);
        QCOMPARE(GameStateFile(dir.path()).load()->scores[2], 12);
        game.startStop();
        time.now += 2500;
        QTRY_VERIFY_WITH_TIMEOUT(GameStateFile(dir.path()).load()->clockMs == 2500, 3000);
    }

    // Whatever sits in one slot, the others still take the game; nothing is
    // written through a link, and the title's notice stays away.
    void aSlotThatCannotBeReplacedIsPassedOver_data()
    {
        QTest::addColumn<QString>("occupant");
        QTest::newRow("a folder") << QStringLiteral("folder");
        QTest::newRow("a link to another file") << QStringLiteral("link");
        QTest::newRow("a FIFO") << QStringLiteral("fifo");
    }

    void aSlotThatCannotBeReplacedIsPassedOver()
    {
        QFETCH(QString, occupant);
        QTemporaryDir dir;
        const QString slot = dir.filePath(QStringLiteral("game-0.json"));
        const QString target = dir.filePath(QStringLiteral("precious.txt"));
        QFile precious(target);
        QVERIFY(precious.open(QIODevice::WriteOnly));
        precious.write("keep me");
        precious.close();
        if (occupant == QLatin1StringView("folder"))
            QVERIFY(QDir().mkdir(slot));
        else if (occupant == QLatin1StringView("link"))
            QVERIFY(QFile::link(target, slot));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(slot).constData(), 0600), 0);

        GameStateFile file(dir.path());
        QSignalSpy failed(&file, &GameStateFile::savingFailed);
        for (int i = 0; i < 2 * GameStateFile::Generations; ++i) {
            SavedGame game = sampleGame();
            game.scores[1] = i;
            QVERIFY(file.save(game));
        }
        QCOMPARE(failed.count(), 0);
        QCOMPARE(GameStateFile(dir.path()).load()->scores[1], 2 * GameStateFile::Generations - 1);
        QVERIFY(precious.open(QIODevice::ReadOnly));
        QCOMPARE(precious.readAll(), QByteArray("keep me"));
    }

    void theSequenceWrapsAndTheNewestStaysNewest()
    {
        QTemporaryDir dir;
        QFile hostile(dir.filePath(QStringLiteral("game-1.json")));
        QVERIFY(hostile.open(QIODevice::WriteOnly));
        hostile.write(
            QStringLiteral("{\"format\":\"corvella-game\",\"version\":1,\"sequence\":%1,"
                           "\"scores\":[1,2,3,4],\"clockMs\":0,\"faceBlank\":false,"
                           "\"enteredSeconds\":0,\"countDown\":false,\"periodMs\":600000}")
                .arg(GameStateFile::MaxSequence)
                .toUtf8());
        hostile.close();
        GameStateFile file(dir.path());
        QCOMPARE(file.load()->scores[0], 1);
        QVERIFY(file.save(sampleGame()));
        QCOMPARE(GameStateFile(dir.path()).load(), sampleGame());
    }

    // Actions from the network come in bursts: they are saved once the burst
    // is over, while each of the operator's is on disk at once.
    void aRemoteBurstIsSavedOnce()
    {
        QTemporaryDir dir;
        GameModel game(time);
        GameHistory history(game);
        GameStateFile file(dir.path());
        file.track(game, &history);
        for (int i = 1; i <= 50; ++i)
            history.perform(
                QStringLiteral("remote"), [i](GameModel &g) { g.setScore(0, i); },
                GameHistory::Origin::Remote);
        QCOMPARE(GameStateFile(dir.path()).load(), std::nullopt);
        QTRY_VERIFY(GameStateFile(dir.path()).load().has_value());
        QCOMPARE(GameStateFile(dir.path()).load()->scores[0], 50);
        QCOMPARE(generationFiles(dir.path()).size(), 1);
        history.perform(QStringLiteral("key"), [](GameModel &g) { g.setScore(1, 7); });
        QCOMPARE(GameStateFile(dir.path()).load()->scores[1], 7);
    }

    void aRestoredGameIsStoppedAtItsSavedValue()
    {
        SavedGame saved = sampleGame();
        saved.faceBlank = false;
        GameModel game(time);
        game.restore(saved.toState());
        QVERIFY(!game.isRunning());
        QCOMPARE(game.clockMs(), 751'400);
        QCOMPARE(game.score(GameModel::Home1), 34);
        QCOMPARE(game.score(GameModel::Home2), std::nullopt);
        QCOMPARE(SavedGame::of(game), saved);
    }

    void freshGamesAreNotWorthAsking_data()
    {
        QTest::addColumn<int>("home");
        QTest::addColumn<qint64>("clockMs");
        QTest::addColumn<bool>("countDown");
        QTest::addColumn<bool>("fresh");
        QTest::newRow("new board") << 0 << qint64(0) << false << true;
        QTest::newRow("a goal") << 1 << qint64(0) << false << false;
        QTest::newRow("the clock ran") << 0 << qint64(100) << false << false;
        QTest::newRow("count-down at its period") << 0 << qint64(600'000) << true << true;
        QTest::newRow("count-down under way") << 0 << qint64(599'000) << true << false;
    }

    void freshGamesAreNotWorthAsking()
    {
        QFETCH(int, home);
        QFETCH(qint64, clockMs);
        QFETCH(bool, countDown);
        QFETCH(bool, fresh);
        SavedGame game;
        game.scores = {home, std::nullopt, 0, 0};
        game.clockMs = clockMs;
        game.countDown = countDown;
        QCOMPARE(game.isFresh(), fresh);
    }

    // Saved games written by the program as of commit 6532ff9: a basketball
    // game with its shot clock and players, a volleyball match in its
    // second set. Each resumes as it was saved, and is written back the same.
    void anEarlierSavedGameResumesAndIsWrittenBackAsItWas_data()
    {
        QTest::addColumn<QString>("sport");
        QTest::newRow("basketball") << QStringLiteral("basketball");
        QTest::newRow("volleyball") << QStringLiteral("volleyball");
    }

    void anEarlierSavedGameResumesAndIsWrittenBackAsItWas()
    {
        QFETCH(QString, sport);
        QByteArray written = fixture(sport + QStringLiteral("-game.json"));
        QVERIFY(!written.isEmpty());
        QTemporaryDir dir;
        QFile first(dir.filePath(QStringLiteral("game-0.json")));
        QVERIFY(first.open(QIODevice::WriteOnly) && first.write(written) == written.size());
        first.close();
        GameStateFile file(dir.path());
        const std::optional<SavedGame> saved = file.load();
        QVERIFY(saved);
        GameModel game(time);
        playBy(sport, game);
        game.setClockMode(saved->countDown, saved->periodMs);
        game.restore(saved->toState());
        if (sport == u"basketball") {
            QCOMPARE(game.shotClockPart().ms(), 8322);
            QVERIFY(game.shotClockPart().state().held);
            QCOMPARE(game.shotClockPart().possession(), Possession::Home);
            QVERIFY(game.playersPart().isOut(GameModel::Guest, QStringLiteral("12")));
            QCOMPARE(game.playersPart().penaltyMs(game.playersPart().penalties().teams[0][0]),
                     87'322);
        } else {
            QCOMPARE(game.setsPart().state().set, 2);
            QCOMPARE(game.setsPart().state().played, (QList<std::array<int, 2>>{{5, 1}}));
            QCOMPARE(game.period(), 2);
        }
        QVERIFY(file.save(SavedGame::of(game)));
        QFile second(dir.filePath(QStringLiteral("game-1.json")));
        QVERIFY(second.open(QIODevice::ReadOnly));
        QCOMPARE(second.readAll(), written.replace("\"sequence\":0", "\"sequence\":1"));
    }

    // Each part reads its own fields, trusting none: a file with one of them
    // damaged is no game.
    void aDamagedFieldOfAPartIsNoGame_data()
    {
        QTest::addColumn<QString>("sport");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QJsonValue>("value");
        const QString basketball = QStringLiteral("basketball");
        const QString volleyball = QStringLiteral("volleyball");
        QTest::newRow("shot clock past 99 s")
            << basketball << u"shotClock"_s
            << QJsonValue(QJsonObject{{u"ms"_s, 100'000}, {u"held"_s, false}, {u"dark"_s, false}});
        QTest::newRow("arrow to nobody") << basketball << u"possession"_s << QJsonValue(u"left"_s);
        QTest::newRow("three-digit player")
            << basketball << u"players"_s
            << QJsonValue(QJsonObject{{u"home"_s, QJsonObject{{u"123"_s, QJsonArray{1, 0, 0}}}}});
        QTest::newRow("penalty numbered ahead")
            << basketball << u"penalties"_s
            << QJsonValue(QJsonObject{{u"nextId"_s, 1},
                                      {u"home"_s, QJsonArray{QJsonObject{{u"id"_s, 1},
                                                                         {u"player"_s, u"4"_s},
                                                                         {u"lengthMs"_s, 120'000},
                                                                         {u"ms"_s, 5}}}}});
        QTest::newRow("a third team serving") << volleyball << u"sets"_s
                                              << QJsonValue(QJsonObject{{u"set"_s, 2},
                                                                        {u"played"_s, QJsonArray{}},
                                                                        {u"firstServer"_s, 0},
                                                                        {u"serving"_s, 2},
                                                                        {u"lastPointTo"_s, 0}});
        QTest::newRow("a set of one team's points")
            << volleyball << u"sets"_s
            << QJsonValue(QJsonObject{{u"set"_s, 2},
                                      {u"played"_s, QJsonArray{QJsonArray{5}}},
                                      {u"firstServer"_s, 0},
                                      {u"serving"_s, 0},
                                      {u"lastPointTo"_s, 0}});
    }

    void aDamagedFieldOfAPartIsNoGame()
    {
        QFETCH(QString, sport);
        QFETCH(QString, field);
        QFETCH(QJsonValue, value);
        QJsonObject game = QJsonDocument::fromJson(fixture(sport + u"-game.json"_s)).object();
        QVERIFY(game.contains(field));
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("game-0.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(game).toJson(QJsonDocument::Compact));
        file.close();
        QVERIFY(GameStateFile(dir.path()).load());
        game.insert(field, value);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(game).toJson(QJsonDocument::Compact));
        file.close();
        QVERIFY(!GameStateFile(dir.path()).load());
    }
};

CORVELLA_TEST_MAIN(TestGameStateFile)
#include "tst_gamestatefile.moc"
