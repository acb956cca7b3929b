#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "tests/support/csvrows.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Done
{
    QString kind, text;
    std::array<std::optional<int>, 4> after;
};

} // namespace

class TestGameLog : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

    static std::unique_ptr<GameLog> makeLog(const QString &folder, GameModel &game,
                                            GameHistory &history)
    {
        auto log = std::make_unique<GameLog>(folder, game, history);
        log->setCaptions(QStringLiteral("Lions"), QStringLiteral("Tigers, \"B\""),
                         QStringLiteral("Goals"), QString());
        log->setWallClock([] { return QDateTime(QDate(2026, 12, 8), QTime(19, 30), Qt::UTC); });
        log->begin(false);
        return log;
    }

private slots:
    void aRandomGameReadsBackUpToTheKill_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 7u, 2026u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void aRandomGameReadsBackUpToTheKill()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        QTemporaryDir folder;
        auto game = std::make_unique<GameModel>(time);
        auto history = std::make_unique<GameHistory>(*game);
        auto log = makeLog(folder.path(), *game, *history);
        game->setStructure({3, {}, 0});

        QList<Done> done;
        const int killAt = random.bounded(50, 300);
        for (int i = 0; i < killAt; ++i) {
            time.now += random.bounded(5000);
            const int what = random.bounded(9);
            const auto before = game->state();
            QString kind = QStringLiteral("action");
            QString text;
            if (what == 7) {
                kind = QStringLiteral("undo");
                text = history->stack().undoText();
                history->undo();
            } else if (what == 8) {
                kind = QStringLiteral("redo");
                text = history->stack().redoText();
                history->redo();
            } else {
                const int which = random.bounded(GameModel::ScoreCount);
                const int value = random.bounded(30);
                const std::function<void(GameModel &)> actions[] = {
                    [=](GameModel &g) { g.setScore(which, value); },
                    [=](GameModel &g) { g.addToScore(which, 1); },
                    [](GameModel &g) { g.startStop(); },
                    [](GameModel &g) { g.resetClock(); },
                    [=](GameModel &g) { g.enterClockTime(qint16(value * 7)); },
                    [](GameModel &g) { g.nextPeriod(); },
                    [](GameModel &g) { g.clear(); },
                };
                text = QStringLiteral("step %1, \"%2\"").arg(i).arg(what);
                history->perform(text, actions[what]);
            }
            if (game->state() != before)
                done.append({kind, text, game->state().scores});
        }
        const GameState last = game->state();
        const qint64 lastClock = game->clockMs();
        const QString path = log->currentPath();
        // Killed: nothing more is written on the way out.
        log.reset();
        history.reset();
        game.reset();

        QString why;
        const auto record = GameRecord::read(path, &why);
        QVERIFY2(record, qPrintable(why));
        QCOMPARE(record->home, QStringLiteral("Lions"));
        QCOMPARE(record->damagedLines, 0);
        const QList<QStringList> rows = parseCsv(record->toCsv());
        QCOMPARE(rows.size(), done.size() + 1);
        QCOMPARE(rows.first().value(3), QStringLiteral("action"));
        for (qsizetype i = 0; i < done.size(); ++i) {
            const QStringList &row = rows.at(i + 1);
            QCOMPARE(row.size(), rows.first().size());
            QCOMPARE(row.at(0).toInt(), i + 1);
            QCOMPARE(row.at(2), done.at(i).kind);
            QVERIFY2(
                QRegularExpression(QStringLiteral("^[a-z]+\\.[a-z]+$")).match(row.at(3)).hasMatch(),
                qPrintable(row.at(3)));
            QCOMPARE(row.at(4), done.at(i).text);
            for (int s = 0; s < GameModel::ScoreCount; ++s)
                QCOMPARE(row.at(15 + s), done.at(i).after.at(s)
                                             ? QString::number(*done.at(i).after.at(s))
                                             : QString());
        }

        const QJsonObject json = QJsonDocument::fromJson(record->toJson()).object();
        const QJsonObject final = json.value(QStringLiteral("final")).toObject();
        const QJsonArray scores = final.value(QStringLiteral("scores")).toArray();
        for (int s = 0; s < GameModel::ScoreCount; ++s)
            QCOMPARE(scores.at(s).isNull() ? -1 : scores.at(s).toInt(),
                     last.scores.at(s).value_or(-1));
        QCOMPARE(qint64(final.value(QStringLiteral("clockMs")).toDouble()), lastClock);
        QCOMPARE(final.value(QStringLiteral("period")).toInt(), last.period);
        QCOMPARE(json.value(QStringLiteral("actions")).toArray().size(), done.size());
    }

    void aTruncatedLineCostsOnlyItself()
    {
        QTemporaryDir folder;
        GameModel game(time);
        GameHistory history(game);
        auto log = makeLog(folder.path(), game, history);
        for (int i = 1; i <= 5; ++i)
            history.perform(QStringLiteral("goal %1").arg(i),
                            [](GameModel &g) { g.addToScore(GameModel::Home1, 1); });
        const QString path = log->currentPath();
        log.reset();
        QFile file(path);
        QVERIFY(file.resize(file.size() - 12));

        auto record = GameRecord::read(path);
        QVERIFY(record);
        QCOMPARE(record->entries.size(), 4);
        QCOMPARE(record->entries.last().label, QStringLiteral("goal 4"));
        QCOMPARE(record->damagedLines, 1);

        // Resumed, the game goes on in the same log after the damage.
        log = makeLog(folder.path(), game, history);
        log->begin(true);
        history.perform(QStringLiteral("goal 6"),
                        [](GameModel &g) { g.addToScore(GameModel::Home1, 1); });
        QCOMPARE(log->currentPath(), path);
        record = GameRecord::read(path);
        QCOMPARE(record->entries.size(), 5);
        QCOMPARE(record->entries.last().label, QStringLiteral("goal 6"));
        QCOMPARE(record->entries.last().number, 5);
        QCOMPARE(record->damagedLines, 1);
    }

    // What the clock ends by itself is in the record too, so the export ends
    // where the saved game does: two halves, a break, a timeout and the end.
    void theClocksOwnEndsAreLogged()
    {
        QTemporaryDir folder;
        GameModel game(time);
        game.setClockMode(true, 60'000);
        GameStructure halves{2, {5'000}, 0};
        halves.timeouts.perGame = 1;
        halves.timeouts.lengthMs = 3'000;
        game.setStructure(halves);
        GameHistory history(game);
        auto log = makeLog(folder.path(), game, history);
        history.perform(QStringLiteral("timeout"),
                        [](GameModel &g) { g.takeTimeout(GameModel::Home); });
        const auto advance = [&](qint64 ms) {
            for (qint64 done = 0; done < ms; done += 100) {
                time.now += 100;
                game.updateClock();
            }
        };
        advance(3'000);
        history.perform(QStringLiteral("start"), [](GameModel &g) { g.startStop(); });
        advance(60'000 + 5'000);
        history.perform(QStringLiteral("start"), [](GameModel &g) { g.startStop(); });
        advance(60'000);
        QCOMPARE(game.phase(), GamePhase::Final);

        const auto record = GameRecord::read(log->currentPath());
        QStringList clockSteps;
        for (const GameLogEntry &e : record->entries)
            if (e.kind == u"clock")
                clockSteps << e.action + u'@' + QString::number(e.beforeClockMs);
        QCOMPARE(clockSteps,
                 (QStringList{QStringLiteral("timeout.end@60000"), QStringLiteral("period.end@0"),
                              QStringLiteral("break.end@0"), QStringLiteral("period.end@0")}));
        const QJsonObject final = QJsonDocument::fromJson(record->toJson())
                                      .object()
                                      .value(QStringLiteral("final"))
                                      .toObject();
        QCOMPARE(final.value(QStringLiteral("phase")).toString(), QStringLiteral("final"));
        QCOMPARE(final.value(QStringLiteral("period")).toInt(), 2);
    }

    // Where the arrow points after each step, in the log, the CSV's last
    // column and the JSON's steps; a step before the arrow carries none.
    void thePossessionArrowIsInTheExports()
    {
        QTemporaryDir folder;
        GameModel game(time);
        ShotClockRules rules;
        rules.enabled = true;
        game.shotClockPart().setRules(rules);
        GameHistory history(game);
        auto log = makeLog(folder.path(), game, history);
        history.perform(QStringLiteral("score"), [](GameModel &g) { g.addToScore(0, 2); });
        history.perform(GameHistory::Action::Possession, QStringLiteral("arrow"),
                        [](GameModel &g) { g.shotClockPart().switchPossession(); });
        history.perform(GameHistory::Action::Possession, QStringLiteral("arrow"),
                        [](GameModel &g) { g.shotClockPart().switchPossession(); });
        history.perform(QStringLiteral("score"), [](GameModel &g) { g.addToScore(1, 3); });

        const auto record = GameRecord::read(log->currentPath());
        QVERIFY(record);
        QStringList arrows;
        for (const GameLogEntry &e : record->entries)
            arrows << e.action + u'>' + e.possession;
        QCOMPARE(arrows, (QStringList{u"score.set>"_s, u"possession.home>home"_s,
                                      u"possession.guest>guest"_s, u"score.set>guest"_s}));
        const QList<QStringList> rows = parseCsv(record->toCsv());
        QCOMPARE(rows.first().last(), u"possession"_s);
        QStringList column;
        for (const QStringList &row : rows.mid(1))
            column << row.last();
        QCOMPARE(column, (QStringList{QString(), u"home"_s, u"guest"_s, u"guest"_s}));
        const QJsonArray steps =
            QJsonDocument::fromJson(record->toJson()).object().value(u"actions"_s).toArray();
        QVERIFY(!steps.at(0).toObject().contains(u"possession"_s));
        QCOMPARE(steps.at(2).toObject().value(u"possession"_s).toString(), u"guest"_s);
    }

    // The player a step was about, on its line, in the CSV and the JSON;
    // an undo names the player it took back.
    void thePlayerOfEachStepIsInTheExports()
    {
        QTemporaryDir folder;
        GameModel game(time);
        PlayerRules rules;
        rules.enabled = true;
        game.playersPart().setRules(rules);
        GameHistory history(game);
        auto log = makeLog(folder.path(), game, history);
        history.perform(GameHistory::Action::ScoreAdd, u"score"_s, [](GameModel &g) {
            g.playersPart().addToScoreBy(GameModel::Guest1, 2, u"07"_s);
        });
        history.perform(GameHistory::Action::PlayerFoul, u"foul"_s,
                        [](GameModel &g) { g.playersPart().addFoul(GameModel::Home, u"7"_s); });
        history.perform(QStringLiteral("score"), [](GameModel &g) { g.addToScore(0, 3); });
        history.undo();

        const auto record = GameRecord::read(log->currentPath());
        QVERIFY(record);
        QStringList players;
        for (const GameLogEntry &e : record->entries)
            players << e.action + u'>' + e.playerTeam + e.player;
        QCOMPARE(players, (QStringList{u"score.add>guest07"_s, u"foul.player>home7"_s,
                                       u"score.set>"_s, u"score.set>"_s}));
        const QList<QStringList> rows = parseCsv(record->toCsv());
        const qsizetype column = rows.first().indexOf(u"player"_s);
        QCOMPARE(rows.first().at(column - 1), u"player_team"_s);
        QCOMPARE(rows.at(2).mid(column - 1, 2), (QStringList{u"home"_s, u"7"_s}));
        const QJsonArray steps =
            QJsonDocument::fromJson(record->toJson()).object().value(u"actions"_s).toArray();
        QCOMPARE(steps.at(0).toObject().value(u"player"_s).toObject().value(u"number"_s), u"07"_s);
        QVERIFY(!steps.at(2).toObject().contains(u"player"_s));
    }

    void aNewGameStartsANewLogAndTheOldestGo()
    {
        // A season's worth of games already kept, each with its header.
        QTemporaryDir folder;
        for (int i = 0; i < GameLog::Kept; ++i) {
            QFile old(folder.filePath(
                QStringLiteral("2000-01-01_%1_A-B.jsonl").arg(i, 4, 10, QLatin1Char('0'))));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QStringLiteral(R"({"format":"corvella-game-log","version":1,)"
                                     R"("started":"2000-01-01T%1:%2:00.000Z"})"
                                     "\n")
                          .arg(i / 60, 2, 10, QLatin1Char('0'))
                          .arg(i % 60, 2, 10, QLatin1Char('0'))
                          .toUtf8());
        }
        GameModel game(time);
        GameHistory history(game);
        auto log = makeLog(folder.path(), game, history);
        history.perform(QStringLiteral("goal"),
                        [](GameModel &g) { g.setScore(GameModel::Home1, 3); });
        const QString first = log->currentPath();
        QCOMPARE(QFileInfo(first).fileName(),
                 QStringLiteral("2026-12-08_1930_Lions-Tigers___B_.jsonl"));
        QCOMPARE(GameLog::logs(folder.path()).size(), GameLog::Kept);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("2000-01-01_0000_A-B.jsonl"))));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("2000-01-01_0001_A-B.jsonl"))));
        QCOMPARE(GameLog::newestLog(folder.path()), first);
        QCOMPARE(GameRecord::read(first)->entries.size(), 1);

        history.perform(QStringLiteral("start"), [](GameModel &g) { g.startStop(); });
        time.now += 60'000;
        history.perform(QStringLiteral("stop"), [](GameModel &g) { g.startStop(); });
        history.perform(GameHistory::Action::NewGame, QStringLiteral("New game"),
                        [](GameModel &g) { g.newGame(); });
        QVERIFY(log->currentPath() != first);
        QCOMPARE(GameLog::newestLog(folder.path()), log->currentPath()); // the same minute
        QCOMPARE(GameRecord::read(first)->finalScores().at(GameModel::Home1), 3);
        const auto second = GameRecord::read(log->currentPath());
        QCOMPARE(second->entries.size(), 1);
        QCOMPARE(second->entries.first().action, QStringLiteral("game.new"));
        QCOMPARE(second->entries.first().label, QStringLiteral("New game"));

        // A score put back to 0 at the start is a correction, not a new game.
        history.perform(QStringLiteral("goal"),
                        [](GameModel &g) { g.setScore(GameModel::Guest1, 1); });
        history.perform(QStringLiteral("no goal"),
                        [](GameModel &g) { g.setScore(GameModel::Guest1, 0); });
        QCOMPARE(GameRecord::read(log->currentPath())->entries.size(), 3);
    }

    // A warm-up on a board at 0:0 is not part of the game that follows,
    // whether or not the new game changed what the board shows.
    void aNewGameAlwaysStartsANewRecord_data()
    {
        QTest::addColumn<bool>("warmUpReset");
        QTest::addColumn<QString>("firstOfGame");
        QTest::newRow("warm-up clock left standing") << false << QStringLiteral("game.new");
        QTest::newRow("warm-up clock reset, nothing to change")
            << true << QStringLiteral("score.add");
    }
    void aNewGameAlwaysStartsANewRecord()
    {
        QFETCH(bool, warmUpReset);
        QFETCH(QString, firstOfGame);
        QTemporaryDir folder;
        GameModel game(time);
        GameHistory history(game);
        auto log = makeLog(folder.path(), game, history);
        using Action = GameHistory::Action;
        const auto startStop = [](GameModel &g) { g.startStop(); };
        history.perform(Action::ClockStartStop, QStringLiteral("s"), startStop);
        time.now += 90'000;
        history.perform(Action::ClockStartStop, QStringLiteral("s"), startStop);
        if (warmUpReset)
            history.perform(Action::ClockReset, QStringLiteral("r"),
                            [](GameModel &g) { g.resetClock(); });
        const QString warmUp = log->currentPath();
        history.perform(Action::NewGame, QStringLiteral("g"), [](GameModel &g) { g.newGame(); });
        history.perform(Action::ScoreAdd, QStringLiteral("+2"),
                        [](GameModel &g) { g.addToScore(GameModel::Home1, 2); });

        QVERIFY(log->currentPath() != warmUp);
        const auto record = GameRecord::read(log->currentPath());
        QVERIFY(record);
        QCOMPARE(record->entries.first().action, firstOfGame);
        QCOMPARE(record->entries.last().action, QStringLiteral("score.add"));
        for (const GameLogEntry &e : record->entries)
            QVERIFY(!e.action.startsWith(QStringLiteral("clock.")));
    }

    // Logs written by the program as of commit 6532ff9 (the games of
    // tst_gamestatefile's saved ones): every line reads and is written again
    // as it was, and the exports are those it made.
    void anEarlierLogReadsAndExportsAsBefore_data()
    {
        QTest::addColumn<QString>("sport");
        QTest::newRow("basketball") << QStringLiteral("basketball");
        QTest::newRow("volleyball") << QStringLiteral("volleyball");
    }

    void anEarlierLogReadsAndExportsAsBefore()
    {
        QFETCH(QString, sport);
        const auto fixture = [&](const QString &kind) {
            QFile file(QFINDTESTDATA(QStringLiteral("data/") + sport + kind));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QList<QByteArray> lines = fixture(QStringLiteral("-log.jsonl")).trimmed().split('\n');
        QVERIFY(lines.size() > 10);
        for (const QByteArray &line : lines.mid(1)) {
            const std::optional<GameLogEntry> entry = GameLogEntry::fromLine(line);
            QVERIFY2(entry, line.constData());
            QCOMPARE(QJsonDocument(entry->toJson()).toJson(QJsonDocument::Compact), line);
        }
        // The exports give the times as the hall's clocks showed them: here in UTC.
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "UTC");
        const std::optional<GameRecord> record =
            GameRecord::read(QFINDTESTDATA(QStringLiteral("data/") + sport + u"-log.jsonl"_s));
        const QByteArray csv = record ? record->toCsv() : QByteArray();
        zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
        QVERIFY(record);
        QCOMPARE(record->damagedLines, 0);
        QCOMPARE(csv, fixture(QStringLiteral("-export.csv")));
        QCOMPARE(record->toJson(), fixture(QStringLiteral("-export.json")));
    }
};

CORVELLA_TEST_MAIN(TestGameLog)
#include "tst_gamelog.moc"
