#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "game/gamerules.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>

#include <numeric>

// The rules of a game read from the settings: a value that cannot be read is
// refused with its reason, and a stored one stands as the rule's default.
class TestGameRules : public QObject
{
    Q_OBJECT

    // The part of the rules the setting under `key` gives, as one number.
    static qint64 ruleRead(const QString &key, const GameRules &rules)
    {
        const GameStructure &game = rules.structure;
        if (key == u"TimeoutLength")
            return game.timeouts.lengthMs;
        if (key == u"PeriodLength")
            return rules.periodMs;
        if (key == u"BreakLengths")
            return std::accumulate(game.breakMs.cbegin(), game.breakMs.cend(), qint64(0));
        if (key == u"OvertimeLength")
            return game.overtimeMs;
        if (key == u"TimeoutsPerHalf")
            return game.timeouts.allowed(0) + game.timeouts.allowed(1);
        if (key == u"Length")
            return rules.shotClock.lengthMs;
        if (key == u"ShortLength")
            return rules.shotClock.shortMs;
        if (key == u"PenaltyLengths")
            return std::accumulate(rules.players.penaltyLengthsMs.cbegin(),
                                   rules.players.penaltyLengthsMs.cend(), qint64(0));
        if (key == u"SetsToWin")
            return rules.sets.setsToWin;
        if (key == u"Cap")
            return rules.sets.cap;
        if (key == u"ServeEvery")
            return rules.sets.serveEvery;
        if (key == u"TimeoutsPerSet")
            return rules.sets.timeoutsPerSet;
        return game.fouls.on ? 1 : 0;
    }

private slots:
    void unreadableValuesStandAsTheirDefault_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        // What the rules read: the value's own or the default's.
        QTest::addColumn<qint64>("read");

        const auto row = [](const char *name, const char *key, const char *text, bool refused,
                            qint64 read) {
            QTest::newRow(name) << QString::fromLatin1(key) << QString::fromLatin1(text) << refused
                                << read;
        };
        row("timeout length", "TimeoutLength", "0.45", false, 45'000);
        // Used to become 60 s without a word.
        row("timeout length typed wrong", "TimeoutLength", "1:30", true, 60'000);
        row("timeout length out of range", "TimeoutLength", "100.00", true, 60'000);
        row("timeout length empty", "TimeoutLength", "", false, 60'000);
        row("period length", "PeriodLength", "12.00", false, 720'000);
        row("period length of no time", "PeriodLength", "0.00", true, 600'000);
        row("breaks", "BreakLengths", "2.00, 15.00", false, 1'020'000);
        row("breaks with a word", "BreakLengths", "2.00, long", true, 0);
        row("overtime", "OvertimeLength", "5.00", false, 300'000);
        row("no overtime", "OvertimeLength", "0", false, 0);
        row("overtime typed wrong", "OvertimeLength", "five", true, 0);
        row("timeouts per half", "TimeoutsPerHalf", "2, 3", false, 5);
        row("too many timeouts per half", "TimeoutsPerHalf", "2, 9", true, 0);
        row("fouls", "Section2Role", "fouls", false, 1);
        row("no section 2", "Section2Role", "none", false, 0);
        row("section 2 unknown", "Section2Role", "goals", true, 0);
        row("shot clock", "Length", "30", false, 30'000);
        row("shot clock of no time", "Length", "0", true, 24'000);
        row("shot clock past two digits", "Length", "100", true, 24'000);
        row("short shot clock", "ShortLength", "20", false, 20'000);
        row("no short shot clock", "ShortLength", "0", false, 0);
        row("short shot clock below none", "ShortLength", "-1", true, 14'000);
        row("penalties of ice hockey", "PenaltyLengths", "2.00, 5.00, 10.00", false, 1'020'000);
        row("a penalty in seconds", "PenaltyLengths", "0.45", false, 45'000);
        row("four penalty lengths", "PenaltyLengths", "1.00, 2.00, 5.00, 10.00", true, 120'000);
        row("a penalty typed wrong", "PenaltyLengths", "2:00", true, 120'000);
        row("no penalty length", "PenaltyLengths", "", true, 120'000);
        row("sets to win", "SetsToWin", "2", false, 2);
        row("no sets to win", "SetsToWin", "0", true, 3);
        row("cap", "Cap", "30", false, 30);
        row("cap below none", "Cap", "-3", true, 0);
        row("serve every two points", "ServeEvery", "2", false, 2);
        row("serve every few points below none", "ServeEvery", "-2", true, 0);
        row("timeouts per set past the most", "TimeoutsPerSet", "9", true, 2);
    }
    void unreadableValuesStandAsTheirDefault()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QFETCH(qint64, read);

        QCOMPARE(ruleRefusal(key, text).isEmpty(), !refused);
        Settings settings = defaultSettings();
        // Off, the shot clock's lengths are never read, so never told.
        settings.ShotClockEnabled = 1;
        settings.PlayersEnabled = 1;
        settings.SetsEnabled = 1;
        for (const SettingsEntry &entry : settingsEntries()) {
            if (QLatin1StringView(entry.key) != key)
                continue;
            if (const auto *number = std::get_if<qint16 Settings::*>(&entry.member))
                settings.**number = static_cast<qint16>(text.toInt());
            else
                settings.*std::get<QString Settings::*>(entry.member) = text;
        }
        QStringList problems;
        const GameRules rules = gameRulesOf(settings, &problems);
        QCOMPARE(problems.size(), refused ? 1 : 0);
        if (refused)
            QVERIFY2(problems.first().contains(key) &&
                         problems.first().contains(ruleRefusal(key, text)),
                     qPrintable(problems.first()));
        QCOMPARE(ruleRead(key, rules), read);
    }

    // A cap below the points that win a set would end sets at 10:9 or 3:0:
    // it is told, and the sets are played without a cap.
    void aCapBelowThePointsOfASetIsTold_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("lastSetPoints");
        QTest::addColumn<int>("cap");
        QTest::addColumn<bool>("refused");
        QTest::newRow("below the points of a set") << 25 << 15 << 10 << true;
        QTest::newRow("below every set") << 25 << 15 << 3 << true;
        QTest::newRow("below the deciding set only") << 15 << 21 << 18 << true;
        QTest::newRow("one below the points") << 21 << 21 << 20 << true;
        QTest::newRow("at the points") << 21 << 21 << 21 << false;
        QTest::newRow("badminton's") << 21 << 21 << 30 << false;
        QTest::newRow("none") << 25 << 15 << 0 << false;
    }

    void aCapBelowThePointsOfASetIsTold()
    {
        QFETCH(int, points);
        QFETCH(int, lastSetPoints);
        QFETCH(int, cap);
        QFETCH(bool, refused);
        QCOMPARE(setsCapRefusal(cap, points, lastSetPoints).isEmpty(), !refused);
        Settings settings = defaultSettings();
        settings.SetsEnabled = 1;
        settings.SetsPointsPerSet = static_cast<qint16>(points);
        settings.SetsLastSetPoints = static_cast<qint16>(lastSetPoints);
        settings.SetsCap = static_cast<qint16>(cap);
        QStringList problems;
        const GameRules rules = gameRulesOf(settings, &problems);
        QCOMPARE(problems.size(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(problems.first(),
                     QStringLiteral("SetsSettings/Cap \"%1\" cannot be used: %2 Its default "
                                    "stands instead.")
                         .arg(cap)
                         .arg(setsCapRefusal(cap, points, lastSetPoints)));
        QCOMPARE(rules.sets.cap, refused ? 0 : cap);
        QCOMPARE(rules.sets.pointsPerSet, points);
    }

    // A stored rule no setting can hold (the store keeps 16 bits) is told
    // at start like one out of its range, not taken as the default in silence.
    void storedRulesBeyondTheirFieldAreTold_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("told");
        const QString setsToWin = u"SetsSettings/SetsToWin \"%1\" cannot be used: "_qs +
                                  ruleRefusal(u"SetsToWin", u"0"_qs) +
                                  u" Its default stands instead."_qs;
        QTest::newRow("the largest 32-bit number")
            << QByteArray("[SetsSettings]\nSetsToWin=2147483647\n")
            << QStringList{setsToWin.arg(u"2147483647"_qs)};
        QTest::newRow("past 16 bits") << QByteArray("[SetsSettings]\nSetsToWin=40000\n")
                                      << QStringList{setsToWin.arg(u"40000"_qs)};
        QTest::newRow("no number") << QByteArray("[SetsSettings]\nSetsToWin=many\n")
                                   << QStringList{setsToWin.arg(u"many"_qs)};
        QTest::newRow("a cap past 16 bits")
            << QByteArray("[SetsSettings]\nCap=99999\n")
            << QStringList{u"SetsSettings/Cap \"99999\" cannot be used: "_qs +
                           ruleRefusal(u"Cap", u"99999"_qs) + u" Its default stands instead."_qs};
        QTest::newRow("in range") << QByteArray("[SetsSettings]\nSetsToWin=2\n") << QStringList();
        // Not a rule: the store's own default, as always.
        QTest::newRow("a colour") << QByteArray("[ColorSettings]\nFormColor=blue\n")
                                  << QStringList();
    }

    void storedRulesBeyondTheirFieldAreTold()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, told);
        TestEnvironment::clearStore();
        const auto cleanup = qScopeGuard([] { TestEnvironment::clearStore(); });
        QVERIFY(QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path()));
        QFile store(TestEnvironment::storeFile());
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write(stored);
        store.close();
        QMap<QString, QString> unread;
        const Settings loaded = loadSettings(&unread);
        QCOMPARE(unreadRuleProblems(unread), told);
        QCOMPARE(int(loaded.SetsToWin), told.isEmpty() && stored.contains("SetsToWin") ? 2 : 3);
    }

    // New rules never stop a running clock; a clock of another kind waits
    // for the reset.
    void aRunningClockKeepsItsKindUntilTheReset()
    {
        ManualTimeSource time;
        GameModel game(time);
        GameHistory history(game);
        GameRules rules = gameRulesOf(defaultSettings());
        applyGameRules(rules, game, history);
        game.startStop();
        rules.countDown = true;
        applyGameRules(rules, game, history);
        QVERIFY(game.isRunning());
        QVERIFY(!game.countsDown());
        game.startStop();
        game.resetClock();
        QVERIFY(game.countsDown());
    }
};

CORVELLA_TEST_MAIN(TestGameRules)
#include "tst_gamerules.moc"
