#include "game/gamelog.h"
#include "tests/web/webfixture.h"
#include "web/boardstate.h"
#include "web/livestory.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUndoCommand>

#include <memory>

using namespace Qt::StringLiterals;

// The live protocol against a real server on 127.0.0.1 with real WebSocket
// clients: what a page gets, what it may do, and what it cannot do.
class TestLiveChannel : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServedGame> served;

    // A connected client that has had its snapshot.
    std::unique_ptr<LiveClient> connected(const QString &origin = QString())
    {
        auto client = std::make_unique<LiveClient>(origin);
        client->open(served->liveUrl());
        if (!QTest::qWaitFor([&] { return !client->messages.isEmpty() || client->closed; }, 5000) ||
            client->messages.isEmpty())
            return nullptr;
        return client;
    }

    static QJsonObject pin(const QString &value)
    {
        return {{u"type"_s, u"pin"_s}, {u"pin"_s, value}};
    }
    static QJsonObject key(const QString &value)
    {
        return {{u"type"_s, u"key"_s}, {u"key"_s, value}};
    }
    static QJsonObject session(const QString &value)
    {
        return {{u"type"_s, u"session"_s}, {u"session"_s, value}};
    }
    static QJsonObject action(const QString &what)
    {
        return {{u"type"_s, u"action"_s}, {u"action"_s, what}};
    }
    static QJsonObject scoreAction(int which, int delta)
    {
        QJsonObject a = action(u"score"_s);
        a.insert(u"which"_s, which);
        a.insert(u"delta"_s, delta);
        return a;
    }
    static QJsonObject clockAction(const QJsonValue &value)
    {
        QJsonObject a = action(u"clock"_s);
        a.insert(u"value"_s, value);
        return a;
    }

    // A client that has given the right PIN.
    std::unique_ptr<LiveClient> operatorClient()
    {
        auto client = connected();
        if (!client)
            return nullptr;
        client->send(pin(served->live.pinLock().pin()));
        if (!QTest::qWaitFor([&] { return client->lastType() == u"pin"; }, 5000))
            return nullptr;
        return client;
    }

    // Replies to pages opened straight on the channel, as if from `address`.
    struct Direct
    {
        QHash<quint64, QList<QJsonObject>> replies;
        QMetaObject::Connection wire;
    };
    std::unique_ptr<Direct> direct;

    void openDirect(quint64 page, const QString &address)
    {
        if (!direct) {
            direct = std::make_unique<Direct>();
            direct->wire = connect(&served->live, &LiveChannel::sendToPage, this,
                                   [this](quint64 to, const QString &text) {
                                       direct->replies[to].append(
                                           QJsonDocument::fromJson(text.toUtf8()).object());
                                   });
        }
        served->live.pageOpened(page, address);
    }
    QJsonObject say(quint64 page, const QJsonObject &message)
    {
        served->live.pageMessage(
            page, QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
        return direct->replies.value(page).isEmpty() ? QJsonObject()
                                                     : direct->replies.value(page).last();
    }
    QString wrongPin() const
    {
        return served->live.pinLock().pin() == u"000000"_s ? u"000001"_s : u"000000"_s;
    }

private slots:
    void init()
    {
        served = std::make_unique<ServedGame>();
        QVERIFY(served->server.isListening());
    }
    void cleanup()
    {
        direct.reset();
        served.reset();
    }

    void snapshotOnConnect()
    {
        served->game.setScore(GameModel::Guest1, 7);
        served->game.setScore(GameModel::Home2, 12);
        served->time.now += 4321;
        auto client = connected();
        QVERIFY(client);
        const QJsonObject state = client->messages.first();
        QCOMPARE(state.value(u"type"_s).toString(), u"state"_s);
        QCOMPARE(state.value(u"scores"_s).toArray(), (QJsonArray{0, 7, 12, 0}));
        const QJsonObject clock = state.value(u"clock"_s).toObject();
        QCOMPARE(clock.value(u"running"_s).toBool(), false);
        QCOMPARE(clock.value(u"ms"_s).toInteger(), 0);
        const QJsonObject board = state.value(u"board"_s).toObject();
        QCOMPARE(board.value(u"home"_s).toString(), u"Home"_s);
        QCOMPARE(board.value(u"guest"_s).toString(), u"Guest"_s);
        QCOMPARE(board.value(u"credit"_s).toString(), served->settings.value().CreditText);
        QCOMPARE(board.value(u"colors"_s)[u"time"_s].toString(), u"#ff0000"_s);
        QCOMPARE(board.value(u"colors"_s)[u"score"_s].toString(), u"#ff8000"_s);
        QCOMPARE(board.value(u"colors"_s)[u"form"_s].toString(), u"#0000ff"_s);
        QCOMPARE(served->live.clientCount(), 1);
    }

    // The game's story travels with the board as it is logged, and a story
    // read back from the log (a resumed game) is the same.
    void theStoryTravelsWithTheBoard()
    {
        QTemporaryDir folder;
        GameLog log(folder.path(), served->game, served->history);
        LiveStory story;
        connect(&log, &GameLog::lineAppended, &story, &LiveStory::take);
        served->live.setStory(&story);
        log.begin(false);
        auto client = connected();
        QVERIFY(client);
        QVERIFY(!client->messages.first().contains(u"story"_s));
        for (int points : {2, 3}) {
            served->history.perform(u"Home scores"_s, [points](GameModel &g) {
                g.setScore(GameModel::Home1, g.score(GameModel::Home1).value_or(0) + points);
            });
        }
        served->history.perform(u"Guest scores"_s,
                                [](GameModel &g) { g.setScore(GameModel::Guest1, 7); });
        const auto told = [&] {
            const QJsonObject last = client->messages.last().value(u"story"_s).toObject();
            return last.value(u"steps"_s).toArray().size() == 3 ? last : QJsonObject();
        };
        QTRY_VERIFY(!told().isEmpty());
        const QJsonObject figures = told().value(u"figures"_s).toObject();
        QCOMPARE(figures.value(u"leadChanges"_s).toInt(), 1);
        QCOMPARE(figures.value(u"home"_s)[u"longestRun"_s].toInt(), 5);
        QCOMPARE(told().value(u"steps"_s)[2][u"label"_s].toString(), u"Guest scores"_s);

        QVERIFY(log.flush());
        LiveStory resumed;
        resumed.resumeFrom(log.currentPath());
        QCOMPARE(resumed.json(), story.json());
        served->live.setStory(nullptr);
    }

    void changesCarryOnlyWhatChanged_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("score entry") << 0 << QStringList{u"scores"_s};
        QTest::newRow("clock entry") << 1 << QStringList{u"clock"_s};
        QTest::newRow("team name") << 2 << QStringList{u"board"_s};
        QTest::newRow("cleared board") << 3 << QStringList{u"clock"_s, u"scores"_s};
    }
    void changesCarryOnlyWhatChanged()
    {
        QFETCH(int, what);
        QFETCH(QStringList, parts);
        auto client = connected();
        QVERIFY(client);
        const qint64 seq = client->last().value(u"seq"_s).toInteger();
        switch (what) {
        case 0:
            served->game.setScore(GameModel::Guest2, 42);
            break;
        case 1:
            served->game.enterClockTime(750);
            break;
        case 2: {
            Settings s = served->settings.value();
            s.HomeText = u"Lions"_s;
            served->settings.set(s);
            break;
        }
        case 3:
            served->game.clear();
            break;
        }
        QTRY_COMPARE(client->messages.size(), 2);
        const QJsonObject change = client->last();
        QCOMPARE(change.value(u"type"_s).toString(), u"change"_s);
        QCOMPARE(change.value(u"seq"_s).toInteger(), seq + 1);
        QStringList keys = change.keys();
        keys.removeAll(u"type"_s);
        keys.removeAll(u"seq"_s);
        keys.removeAll(u"version"_s);
        QCOMPARE(keys, parts);
        QCOMPARE(change.value(u"version"_s).toInt(), LiveChannel::Version);
        if (what == 0)
            QCOMPARE(change[u"scores"_s].toArray(), (QJsonArray{0, 0, 0, 42}));
        if (what == 1)
            QCOMPARE(change[u"clock"_s][u"ms"_s].toInteger(), 750 * 1000);
        if (what == 2)
            QCOMPARE(change[u"board"_s][u"home"_s].toString(), u"Lions"_s);
        if (what == 3)
            QCOMPARE(change[u"scores"_s].toArray(),
                     (QJsonArray{QJsonValue::Null, QJsonValue::Null, QJsonValue::Null,
                                 QJsonValue::Null}));
    }

    void clockIsSentAsValueAtAnInstant()
    {
        auto client = connected();
        QVERIFY(client);
        served->game.startStop();
        QTRY_COMPARE(client->messages.size(), 2);
        QCOMPARE(client->last()[u"clock"_s][u"running"_s].toBool(), true);
        QCOMPARE(client->last()[u"clock"_s][u"ms"_s].toInteger(), 0);
        // A keyframe each second carries the value at the moment it is sent.
        served->time.now += 12'345;
        QTRY_VERIFY_WITH_TIMEOUT(client->messages.size() >= 3, 3000);
        QCOMPARE(client->last()[u"clock"_s][u"ms"_s].toInteger(), 12'345);
        QCOMPARE(client->last()[u"clock"_s][u"running"_s].toBool(), true);
        served->time.now += 655;
        served->game.startStop();
        QTRY_COMPARE(client->last()[u"clock"_s][u"running"_s].toBool(), false);
        QCOMPARE(client->last()[u"clock"_s][u"ms"_s].toInteger(), 13'000);
    }

    void reconnectGetsTheWholeBoardAgain()
    {
        auto client = connected();
        QVERIFY(client);
        client->socket.close();
        QTRY_COMPARE(served->live.clientCount(), 0);
        served->game.setScore(GameModel::Home1, 3);
        served->game.enterClockTime(90);
        auto again = connected();
        QVERIFY(again);
        QCOMPARE(again->messages.first()[u"type"_s].toString(), u"state"_s);
        QCOMPARE(again->messages.first()[u"scores"_s].toArray(), (QJsonArray{3, 0, 0, 0}));
        QCOMPARE(again->messages.first()[u"clock"_s][u"ms"_s].toInteger(), 90'000);
    }

    void displaysCannotOperate()
    {
        auto client = connected();
        QVERIFY(client);
        client->send(action(u"startStop"_s));
        client->send(scoreAction(0, 1));
        client->send(action(u"buzzer"_s));
        QTRY_COMPARE(client->messages.size(), 4);
        QCOMPARE(client->messages.at(1)[u"type"_s].toString(), u"pinRequired"_s);
        QVERIFY(!served->game.isRunning());
        QCOMPARE(served->game.score(0), 0);
        QCOMPARE(served->buzzes, 0);
        QCOMPARE(served->history.stack().count(), 0);
    }

    void wrongPinsLockTheRemoteOut()
    {
        auto client = connected();
        QVERIFY(client);
        const QString right = served->live.pinLock().pin();
        QCOMPARE(right.size(), 6);
        const QString wrong = right == u"000000"_s ? u"000001"_s : u"000000"_s;
        for (int i = 1; i < PinLock::AllowedFailures; ++i) {
            client->send(pin(wrong));
            QTRY_COMPARE(client->messages.size(), 1 + i);
            QCOMPARE(client->last()[u"result"_s].toString(), u"refused"_s);
        }
        client->send(pin(wrong));
        QTRY_COMPARE(client->last()[u"result"_s].toString(), u"locked"_s);
        // Locked out, even the right PIN is refused, also on a new connection.
        auto other = connected();
        QVERIFY(other);
        other->send(pin(right));
        QTRY_COMPARE(other->lastType(), u"pin"_s);
        QCOMPARE(other->last()[u"result"_s].toString(), u"locked"_s);
        other->send(action(u"startStop"_s));
        QTRY_COMPARE(other->lastType(), u"pinRequired"_s);
        QVERIFY(!served->game.isRunning());
        // After the lockout the right PIN works.
        served->time.now += PinLock::LockoutMs;
        other->send(pin(right));
        QTRY_COMPARE(other->last()[u"result"_s].toString(), u"accepted"_s);
        QCOMPARE(served->live.operatorCount(), 1);
    }

    void oneGuesserKeepsNoOtherPhoneOut()
    {
        // A wrong PIN every 50 ms from one address for ten minutes.
        openDirect(1001, u"192.0.2.1"_s);
        openDirect(1002, u"192.0.2.2"_s);
        int tried = 0;
        for (int ms = 0; ms < 10 * 60 * 1000; ms += 50) {
            served->time.now += 50;
            tried += say(1001, pin(wrongPin()))[u"result"_s] == u"refused"_s ? 1 : 0;
        }
        // Locked for 1, 2, 4 then 8 minutes: 4 rounds of 5 guesses at most.
        QVERIFY(tried <= 4 * PinLock::AllowedFailures);
        QCOMPARE(say(1001, pin(served->live.pinLock().pin()))[u"result"_s], u"locked"_s);
        QCOMPARE(say(1002, pin(served->live.pinLock().pin()))[u"result"_s], u"accepted"_s);
        QCOMPARE(served->live.operatorCount(), 1);
    }

    void manyAddressesShareOneBudget()
    {
        // One wrong PIN from each of many addresses, all at once.
        int refused = 0;
        for (quint64 i = 0; i < 1000; ++i) {
            openDirect(2000 + i, u"10.0.%1.%2"_s.arg(i / 250).arg(i % 250));
            refused += say(2000 + i, pin(wrongPin()))[u"result"_s] == u"refused"_s ? 1 : 0;
        }
        QCOMPARE(refused, PinLock::FailuresPerHour - 1);
        // Typed PINs wait; the QR code's secret does not.
        openDirect(1, u"192.0.2.9"_s);
        QCOMPARE(say(1, pin(served->live.pinLock().pin()))[u"result"_s], u"locked"_s);
        QCOMPARE(say(1, key(served->live.pinLock().secret())).value(u"result"_s), u"accepted"_s);
        openDirect(2, u"192.0.2.10"_s);
        served->time.now += 60 * 60 * 1000 / PinLock::FailuresPerHour;
        QCOMPARE(say(2, pin(served->live.pinLock().pin()))[u"result"_s], u"accepted"_s);
    }

    void secretAndSessionsUnlock()
    {
        openDirect(1, u"192.0.2.1"_s);
        const QString secret = served->live.pinLock().secret();
        QCOMPARE(secret.size(), PinLock::SecretBits / 4);
        QCOMPARE(say(1, key(secret.chopped(1) + u"x"_s)).value(u"result"_s), u"refused"_s);
        const QJsonObject accepted = say(1, key(secret));
        QCOMPARE(accepted[u"result"_s], u"accepted"_s);
        const QString token = accepted[u"session"_s].toString();
        QCOMPARE(token.size(), PinLock::SecretBits / 4);
        // The same phone back on a new connection while its address is locked out.
        served->live.pageClosed(1);
        openDirect(2, u"192.0.2.1"_s);
        for (int i = 0; i < PinLock::AllowedFailures; ++i)
            say(2, pin(wrongPin()));
        QVERIFY(served->live.pinLock().isLockedOut(u"192.0.2.1"_s));
        QCOMPARE(say(2, session(token))[u"result"_s], u"accepted"_s);
        say(2, scoreAction(0, 1));
        QCOMPARE(served->game.score(0), 1);
        // A new run of the server ends every session.
        served->live.renewAccess();
        QCOMPARE(served->live.operatorCount(), 0);
        QCOMPARE(say(2, session(token))[u"result"_s], u"unknown"_s);
    }

    void actionFloodIsPaced()
    {
        openDirect(1, u"192.0.2.1"_s);
        QCOMPARE(say(1, pin(served->live.pinLock().pin()))[u"result"_s], u"accepted"_s);
        for (int i = 0; i < 8000; ++i)
            say(1, scoreAction(0, 1));
        QCOMPARE(served->game.score(0), LiveChannel::ActionBurst);
        QCOMPARE(served->live.droppedActions(), 8000 - LiveChannel::ActionBurst);
        served->time.now += 1000;
        for (int i = 0; i < 100; ++i)
            say(1, scoreAction(0, 1));
        QCOMPARE(served->game.score(0), 2 * LiveChannel::ActionBurst);
    }

    void remoteActionsKeepToTheirShareOfUndo()
    {
        served->history.perform(u"at the desk"_s, [](GameModel &g) { g.setScore(1, 5); });
        openDirect(1, u"192.0.2.1"_s);
        say(1, pin(served->live.pinLock().pin()));
        for (int i = 0; i < GameHistory::Depth + 10; ++i) {
            served->time.now += 1000;
            say(1, scoreAction(0, i % 2 ? -1 : 1));
        }
        // Beyond the share actions still happen, joined to the remote step before.
        served->time.now += 1000;
        say(1, scoreAction(0, 1));
        QCOMPARE(served->game.score(0), 1);
        QCOMPARE(served->history.stack().count(), GameHistory::RemoteShare + 1);
        QCOMPARE(served->history.stack().command(0)->text(), u"at the desk"_s);
    }

    void remoteActions_data()
    {
        QTest::addColumn<QJsonObject>("message");
        QTest::addColumn<QJsonArray>("scores");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("buzzes");
        const QJsonArray start{5, 6, 7, 8};
        QTest::newRow("start") << action(u"startStop"_s) << start << true << 0;
        QTest::newRow("reset") << action(u"reset"_s) << start << false << 0;
        QTest::newRow("buzzer") << action(u"buzzer"_s) << start << false << 1;
        QTest::newRow("home 1 +1") << scoreAction(0, 1) << QJsonArray{6, 6, 7, 8} << false << 0;
        QTest::newRow("guest 1 -1") << scoreAction(1, -1) << QJsonArray{5, 5, 7, 8} << false << 0;
        QTest::newRow("home 2 +1") << scoreAction(2, 1) << QJsonArray{5, 6, 8, 8} << false << 0;
        QTest::newRow("guest 2 -1") << scoreAction(3, -1) << QJsonArray{5, 6, 7, 7} << false << 0;
        QTest::newRow("home 2 +3") << scoreAction(2, 3) << QJsonArray{5, 6, 10, 8} << false << 0;
        QTest::newRow("guest 1 +2") << scoreAction(1, 2) << QJsonArray{5, 8, 7, 8} << false << 0;
        QTest::newRow("clock 12.30") << clockAction(u"12.30"_s) << start << false << 0;
        QTest::newRow("shot clock reset") << action(u"shotClockReset"_s) << start << false << 0;
        QTest::newRow("shot clock short") << action(u"shotClockShort"_s) << start << false << 0;
        QTest::newRow("shot clock hold") << action(u"shotClockHold"_s) << start << false << 0;
        QTest::newRow("possession") << action(u"possession"_s) << start << false << 0;
        QJsonObject foul = action(u"foul"_s);
        foul.insert(u"team"_s, u"home"_s);
        foul.insert(u"player"_s, u"7"_s);
        QTest::newRow("a player's foul") << foul << start << false << 0;
        QJsonObject penalty = action(u"penalty"_s);
        penalty.insert(u"team"_s, u"guest"_s);
        penalty.insert(u"player"_s, u"12"_s);
        penalty.insert(u"seconds"_s, 120);
        QTest::newRow("a penalty") << penalty << start << false << 0;
        QJsonObject scorer = scoreAction(0, 2);
        scorer.insert(u"player"_s, u"7"_s);
        QTest::newRow("home 1 +2 by #7") << scorer << QJsonArray{7, 6, 7, 8} << false << 0;
    }
    void remoteActions()
    {
        QFETCH(QJsonObject, message);
        QFETCH(QJsonArray, scores);
        QFETCH(bool, running);
        QFETCH(int, buzzes);
        for (int i = 0; i < 4; ++i)
            served->game.setScore(i, 5 + i);
        served->game.enterClockTime(30);
        const QString name = message[u"action"_s].toString();
        if (name.startsWith(u"shotClock"_s) || name == u"possession"_s) {
            ShotClockRules rules;
            rules.enabled = true;
            served->game.shotClockPart().setRules(rules);
            // Somewhere a reset can be seen.
            served->game.startStop();
            served->time.now += 2000;
            served->game.startStop();
        }
        const bool players =
            name == u"foul"_s || name == u"penalty"_s || message.contains(u"player"_s);
        if (players) {
            PlayerRules rules;
            rules.enabled = true;
            served->game.playersPart().setRules(rules);
        }
        auto remote = operatorClient();
        QVERIFY(remote);
        QCOMPARE(remote->last()[u"result"_s].toString(), u"accepted"_s);
        const GameState before = served->game.state();
        remote->send(message);
        QTRY_COMPARE(served->buzzes + served->history.stack().count(), 1);
        QCOMPARE(served->buzzes, buzzes);
        QCOMPARE(served->game.isRunning(), running);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(served->game.score(i), scores.at(i).toInt());
        if (message[u"action"_s] == u"reset"_s)
            QCOMPARE(served->game.clockMs(), 0);
        if (message[u"action"_s] == u"clock"_s)
            QCOMPARE(served->game.clockMs(), (12 * 60 + 30) * 1000);
        if (name == u"shotClockReset"_s || name == u"shotClockShort"_s)
            QCOMPARE(served->game.shotClockPart().ms(), name.endsWith(u"Short"_s) ? 14000 : 24000);
        if (name == u"shotClockHold"_s)
            QVERIFY(served->game.shotClockPart().state().held);
        if (name == u"possession"_s)
            QCOMPARE(served->game.shotClockPart().possession(), Possession::Home);
        if (players) {
            const PlayerTally &tally = served->game.playersPart().tally();
            QCOMPARE(tally.line(GameModel::Home, u"7"_s).fouls, name == u"foul"_s ? 1 : 0);
            QCOMPARE(tally.line(GameModel::Home, u"7"_s).points, name == u"score"_s ? 2 : 0);
            QCOMPARE(served->game.playersPart().penalties().teams.at(GameModel::Guest).size(),
                     name == u"penalty"_s ? 1 : 0);
        }
        // Every action from the phone can be undone from the desktop.
        if (buzzes == 0) {
            served->history.undo();
            GameState after = served->game.state();
            // A stopped shot clock's start reading means nothing after an undo.
            after.shotClock.runStartMs = before.shotClock.runStartMs;
            QVERIFY(after == before);
        }
    }

    void undoThatStartsTheClockIsPressedTwice()
    {
        auto remote = operatorClient();
        QVERIFY(remote);
        remote->send(action(u"startStop"_s));
        served->time.now += 3000;
        remote->send(action(u"startStop"_s));
        QTRY_VERIFY(served->history.stack().canUndo() && !served->game.isRunning());
        // Asked once, and again too late: each time only asked.
        for (const qint64 wait : {qint64(0), LiveChannel::UndoConfirmMs + 1}) {
            served->time.now += wait;
            remote->send(action(u"undo"_s));
            QTRY_COMPARE(remote->last()[u"result"_s].toString(), u"confirm"_s);
            QVERIFY(!served->game.isRunning());
            remote->messages.clear();
        }
        remote->send(action(u"undo"_s));
        QTRY_VERIFY(served->game.isRunning());
    }

    void badMessagesAreDropped_data()
    {
        QTest::addColumn<QString>("text");
        const auto json = [](const QJsonObject &o) {
            return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
        };
        QTest::newRow("not JSON") << u"start!"_s;
        QTest::newRow("cut JSON") << u"{\"type\":\"action\",\"action\":"_s;
        QTest::newRow("array") << u"[1,2,3]"_s;
        QTest::newRow("empty object") << u"{}"_s;
        QTest::newRow("unknown type") << u"{\"type\":\"shutdown\"}"_s;
        QTest::newRow("unknown action") << json(action(u"clear"_s));
        QTest::newRow("score 4") << json(scoreAction(4, 1));
        QTest::newRow("score -1") << json(scoreAction(-1, 1));
        QTest::newRow("delta 4") << json(scoreAction(0, 4));
        QTest::newRow("delta -4") << json(scoreAction(0, -4));
        QTest::newRow("delta 0") << json(scoreAction(0, 0));
        QJsonObject fraction = scoreAction(0, 1);
        fraction[u"which"_s] = 0.5;
        QTest::newRow("which 0.5") << json(fraction);
        QJsonObject asText = scoreAction(0, 1);
        asText[u"delta"_s] = u"1"_s;
        QTest::newRow("delta as text") << json(asText);
        // A clock value as the API takes it, or nothing.
        for (const QJsonValue &clock :
             {QJsonValue(u"12.75"_s), QJsonValue(u"100"_s), QJsonValue(u"1.2.3"_s),
              QJsonValue(u""_s), QJsonValue(u"-1"_s), QJsonValue(12.3), QJsonValue()})
            QTest::newRow(qPrintable(u"clock "_s + json({{u"v"_s, clock}})))
                << json(clockAction(clock));
        QTest::newRow("pin as number") << u"{\"type\":\"pin\",\"pin\":123456}"_s;
        QTest::newRow("type as object") << u"{\"type\":{\"a\":1}}"_s;
        QTest::newRow("deep nesting") << QString(500, u'[') + QString(500, u']');
        QTest::newRow("2 KB") << json(action(u"startStop"_s)).chopped(1) + u",\"x\":\""_s +
                                     QString(2000, u'x') + u"\"}"_s;
        QTest::newRow("invalid UTF-16") << QString(QChar(0xd800)) + u"{}"_s;
    }
    void badMessagesAreDropped()
    {
        QFETCH(QString, text);
        auto remote = operatorClient();
        QVERIFY(remote);
        const int before = int(remote->messages.size());
        remote->socket.sendTextMessage(text);
        remote->socket.sendBinaryMessage(text.toUtf8());
        // Still connected and listening: a good message after it is answered.
        remote->send(scoreAction(1, 1));
        QTRY_COMPARE(served->game.score(1), 1);
        QVERIFY(remote->isOpen());
        QCOMPARE(served->history.stack().count(), 1);
        QTRY_COMPARE(remote->messages.size(), before + 1); // just the score change
    }

    void oversizedMessageEndsOnlyThatConnection()
    {
        auto big = connected();
        auto other = connected();
        QVERIFY(big && other);
        big->socket.sendTextMessage(QString(200 * 1024, u'x'));
        QTRY_VERIFY(big->closed);
        QTRY_COMPARE(served->live.clientCount(), 1);
        served->game.setScore(0, 9);
        QTRY_COMPARE(other->messages.size(), 2);
        QVERIFY(other->isOpen());
    }

    void originAndPathAreChecked_data()
    {
        QTest::addColumn<QString>("origin");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("our page") << u"http://127.0.0.1:%1"_s << u"/live"_s << true;
        QTest::newRow("no origin (not a browser)") << QString() << u"/live"_s << true;
        QTest::newRow("another site") << u"http://evil.example"_s << u"/live"_s << false;
        QTest::newRow("another port") << u"http://127.0.0.1:1"_s << u"/live"_s << false;
        QTest::newRow("https page") << u"https://127.0.0.1:%1"_s << u"/live"_s << false;
        QTest::newRow("null origin") << u"null"_s << u"/live"_s << false;
        QTest::newRow("other path") << QString() << u"/display"_s << false;
    }
    void originAndPathAreChecked()
    {
        QFETCH(QString, origin);
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        if (origin.contains(u"%1"_s))
            origin = origin.arg(served->server.port());
        LiveClient client(origin);
        QUrl url = served->liveUrl();
        url.setPath(path);
        client.open(url);
        QTRY_VERIFY(!client.messages.isEmpty() || client.closed);
        QCOMPARE(!client.messages.isEmpty(), accepted);
        QCOMPARE(served->live.clientCount(), accepted ? 1 : 0);
    }

    void manyClientsComeAndGo()
    {
        // 200 clients connect and leave at random while the game changes;
        // those still connected end with the same board as the game. More
        // than one address may keep open: this is a test of the channel.
        served->server.setConnectionLimits(256, 256);
        QRandomGenerator random(20261207);
        std::vector<std::unique_ptr<LiveClient>> clients;
        int opened = 0;
        while (opened < 200) {
            const bool open = clients.empty() || random.bounded(3) != 0;
            if (open) {
                clients.push_back(std::make_unique<LiveClient>());
                clients.back()->open(served->liveUrl());
                ++opened;
            } else {
                const auto at = clients.begin() + random.bounded(int(clients.size()));
                (*at)->socket.abort();
                clients.erase(at);
            }
            if (random.bounded(4) == 0)
                served->game.addToScore(random.bounded(4), 1);
            QCoreApplication::processEvents();
        }
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(clients.begin(), clients.end(),
                                             [](auto &c) { return !c->messages.isEmpty(); }),
                                 10000);
        QTRY_COMPARE(served->live.clientCount(), int(clients.size()));
        served->game.setScore(3, 77);
        const QJsonArray expected = BoardState::snapshot(served->game, served->settings.value())
                                        .value(u"scores"_s)
                                        .toArray();
        for (auto &c : clients)
            QTRY_COMPARE(c->last()[u"scores"_s].toArray(), expected);
        clients.clear();
        QTRY_COMPARE(served->live.clientCount(), 0);
    }

    void pagesJoiningDuringChangesGetTheBoardFirst()
    {
        // The sockets are on the server's thread and the game on this one:
        // pages that connect while the scores keep changing still get the
        // whole board first, then every later change in order, none missing.
        std::vector<std::unique_ptr<LiveClient>> clients;
        for (int i = 0; i < 20; ++i) {
            clients.push_back(std::make_unique<LiveClient>());
            clients.back()->open(served->liveUrl());
            for (int k = 0; k < 4; ++k) {
                served->game.addToScore(k, 1);
                QCoreApplication::processEvents();
            }
        }
        QTRY_COMPARE(served->live.clientCount(), int(clients.size()));
        served->game.setScore(0, 0);
        const QJsonArray expected = BoardState::snapshot(served->game, served->settings.value())
                                        .value(u"scores"_s)
                                        .toArray();
        for (auto &c : clients) {
            QTRY_COMPARE(c->last()[u"scores"_s].toArray(), expected);
            QCOMPARE(c->messages.first()[u"type"_s].toString(), u"state"_s);
            qint64 seq = c->messages.first()[u"seq"_s].toInteger();
            for (qsizetype i = 1; i < c->messages.size(); ++i)
                QCOMPARE(c->messages.at(i)[u"seq"_s].toInteger(), ++seq);
        }
    }

    void clientThatNeverReadsIsLetGo()
    {
        auto reader = connected();
        QVERIFY(reader);
        // A raw connection that completes the handshake and then reads nothing.
        QTcpSocket stalled;
        stalled.connectToHost(QHostAddress::LocalHost, served->server.port());
        QVERIFY(stalled.waitForConnected(5000));
        stalled.write("GET /live HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n"
                      "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                      "Sec-WebSocket-Version: 13\r\n\r\n");
        QTRY_COMPARE(served->live.clientCount(), 2);
        stalled.setReadBufferSize(1024);
        // Long captions make big messages; the kernel's buffers fill first.
        Settings s = served->settings.value();
        int rounds = 0;
        for (; rounds < 4000 && served->live.clientCount() == 2; ++rounds) {
            s.SectionText1 = QString(16 * 1024, QChar(u'a' + rounds % 26));
            served->settings.set(s);
            QCoreApplication::processEvents();
        }
        QCOMPARE(served->live.clientCount(), 1);
        qInfo("stalled client let go after %d changes", rounds);
        // The reader that keeps up got every change, in order.
        QTRY_COMPARE(reader->last()[u"seq"_s].toInteger(), qint64(rounds));
        QVERIFY(reader->isOpen());
    }

    void serverStopsAndStartsAgain()
    {
        auto client = connected();
        QVERIFY(client);
        const quint16 port = served->server.port();
        served->server.close();
        QTRY_VERIFY(client->closed);
        QCOMPARE(served->live.clientCount(), 0);
        QVERIFY(served->server.listen(QHostAddress::LocalHost, port));
        auto again = connected();
        QVERIFY(again);
    }
};

QTEST_MAIN(TestLiveChannel)
#include "tst_livechannel.moc"
