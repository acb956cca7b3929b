#include "game/gamefigures.h"
#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "game/gamerules.h"
#include "game/gamestatefile.h"
#include "game/presets.h"
#include "game/printedresult.h"
#include "game/scoreflowchart.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// A match in sets played point by point under each shipped preset's rules,
// with undo, the first server's key and a clock the test moves.
class TestSets : public QObject
{
    Q_OBJECT

    ManualTimeSource time;

    static GameRules rulesOf(const QString &presetName)
    {
        const QList<Preset> presets = Presets::load(QString());
        for (const Preset &preset : presets) {
            if (preset.name == presetName)
                return gameRulesOf(Presets::apply(preset, presets, defaultSettings()));
        }
        qFatal("no preset %s", qPrintable(presetName));
    }

    static QChar letterOf(int team) { return team == GameModel::Home ? u'H' : u'G'; }

    // "H23" gives the home team 23 points in a row, "g" the guests one; "u"
    // takes the last step back, "y" switches the first server, "t90" lets
    // 90 s pass. Returns the server before each point.
    QString play(GameModel &game, GameHistory &history, const QString &script)
    {
        QString servers;
        for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
            const QChar kind = token.front().toLower();
            const int count = token.size() > 1 ? token.mid(1).toInt() : 1;
            for (int i = 0; i < count; ++i) {
                if (kind == u'u') {
                    history.undo();
                } else if (kind == u'y') {
                    history.perform(GameHistory::Action::FirstServer, token,
                                    [](GameModel &g) { g.setsPart().switchFirstServer(); });
                } else if (kind == u't') {
                    time.now += count * 1000;
                    game.updateClock();
                    break;
                } else {
                    const auto team = kind == u'h' ? GameModel::Home : GameModel::Guest;
                    servers += letterOf(game.setsPart().state().serving);
                    history.perform(GameHistory::Action::Point, token,
                                    [team](GameModel &g) { g.setsPart().addPoint(team); });
                }
            }
        }
        return servers;
    }

    static QString summary(const GameModel &game)
    {
        QStringList played;
        for (const auto &set : game.setsPart().state().played)
            played << QStringLiteral("%1:%2").arg(set[0]).arg(set[1]);
        const char *const hints[] = {"", " switch sides", " interval"};
        return QStringLiteral("set %1 won %2:%3 points %4:%5 played [%6] %7 serves%8%9")
            .arg(game.setsPart().state().set)
            .arg(*game.score(GameModel::Home2))
            .arg(*game.score(GameModel::Guest2))
            .arg(*game.score(GameModel::Home1))
            .arg(*game.score(GameModel::Guest1))
            .arg(played.join(u' '))
            .arg(letterOf(game.setsPart().state().serving))
            .arg(QLatin1StringView(hints[int(game.setsPart().hint())]))
            .arg(game.phase() == GamePhase::Final ? QStringLiteral(" final") : QString());
    }

private slots:
    void setsEndByPoints_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        // The server before each point, from the first.
        QTest::addColumn<QString>("servers");

        QTest::newRow("volleyball 25:23 wins")
            << u"Volleyball"_qs << u"G23 H25"_qs
            << u"set 2 won 1:0 points 0:0 played [25:23] G serves"_qs << QString();
        QTest::newRow("volleyball 24:24 goes on")
            << u"Volleyball"_qs << u"G24 H24"_qs
            << u"set 1 won 0:0 points 24:24 played [] H serves"_qs << QString();
        QTest::newRow("volleyball 26:24 wins")
            << u"Volleyball"_qs << u"G24 H26"_qs
            << u"set 2 won 1:0 points 0:0 played [26:24] G serves"_qs << QString();
        QTest::newRow("volleyball deciding set at 15")
            << u"Volleyball"_qs << u"G23 H25 G23 H25 H23 G25 H23 G25 G13 H14"_qs
            << u"set 5 won 2:2 points 14:13 played [25:23 25:23 23:25 23:25] H serves"_qs
            << QString();
        QTest::newRow("volleyball deciding set won 15:13")
            << u"Volleyball"_qs << u"G23 H25 G23 H25 H23 G25 H23 G25 G13 H15"_qs
            << u"set 5 won 3:2 points 15:13 played [25:23 25:23 23:25 23:25 15:13] H serves final"_qs
            << QString();
        QTest::newRow("volleyball a point after the final is refused")
            << u"Volleyball"_qs << u"G23 H25 G24 H26 G20 H25 g H"_qs
            << u"set 3 won 3:0 points 25:20 played [25:23 26:24 25:20] H serves final"_qs
            << QString();
        QTest::newRow("volleyball the rally's winner serves")
            << u"Volleyball"_qs << u"h g g h"_qs
            << u"set 1 won 0:0 points 2:2 played [] H serves"_qs << u"HHGG"_qs;
        QTest::newRow("volleyball the guests serve first")
            << u"Volleyball"_qs << u"y h"_qs << u"set 1 won 0:0 points 1:0 played [] H serves"_qs
            << u"G"_qs;
        QTest::newRow("volleyball no switch after the first point")
            << u"Volleyball"_qs << u"h y"_qs << u"set 1 won 0:0 points 1:0 played [] H serves"_qs
            << u"H"_qs;
        QTest::newRow("undo across a set's end brings the set back")
            << u"Volleyball"_qs << u"G23 H25 u"_qs
            << u"set 1 won 0:0 points 24:23 played [] H serves"_qs << QString();
        QTest::newRow("undo gives the serve back")
            << u"Volleyball"_qs << u"h h g u"_qs
            << u"set 1 won 0:0 points 2:0 played [] H serves"_qs << u"HHH"_qs;
        QTest::newRow("undo across the final")
            << u"Volleyball"_qs << u"G23 H25 G24 H26 G20 H25 u h"_qs
            << u"set 3 won 3:0 points 25:20 played [25:23 26:24 25:20] H serves final"_qs
            << QString();
        QTest::newRow("beach volleyball switches sides every 7")
            << u"Beach volleyball"_qs << u"H4 G3"_qs
            << u"set 1 won 0:0 points 4:3 played [] G serves switch sides"_qs << QString();
        QTest::newRow("beach volleyball every 5 in the deciding set")
            << u"Beach volleyball"_qs << u"H21 G21 H3 G2"_qs
            << u"set 3 won 1:1 points 3:2 played [21:0 0:21] G serves switch sides"_qs << QString();
        QTest::newRow("badminton interval at 11")
            << u"Badminton"_qs << u"G5 H11"_qs
            << u"set 1 won 0:0 points 11:5 played [] H serves interval"_qs << QString();
        QTest::newRow("badminton 29:29 goes on")
            << u"Badminton"_qs << u"H20 G20 h g h g h g h g h g h g h g h g h g"_qs
            << u"set 1 won 0:0 points 29:29 played [] G serves"_qs << QString();
        QTest::newRow("badminton cap 30 wins by one")
            << u"Badminton"_qs << u"H20 G20 h g h g h g h g h g h g h g h g h g h"_qs
            << u"set 2 won 1:0 points 0:0 played [30:29] G serves"_qs << QString();
        QTest::newRow("table tennis serve order through 10:10")
            << u"Table tennis"_qs << u"h g h g h g h g h g h g h g h g h g h g h g g"_qs
            << u"set 1 won 0:0 points 11:12 played [] G serves"_qs << u"HHGGHHGGHHGGHHGGHHGGHGH"_qs;
        QTest::newRow("table tennis 11:9 wins")
            << u"Table tennis"_qs << u"G9 H11"_qs
            << u"set 2 won 1:0 points 0:0 played [11:9] G serves"_qs << QString();
    }
    void setsEndByPoints()
    {
        QFETCH(QString, preset);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        QFETCH(QString, servers);

        GameModel game(time);
        GameHistory history(game);
        applyGameRules(rulesOf(preset), game, history);
        const QString served = play(game, history, script);
        QCOMPARE(summary(game), expected);
        if (!servers.isEmpty())
            QCOMPARE(served, servers);
    }

    // The match time counts up from the first point and stops at the final;
    // the horn sounds at each set's end.
    void theMatchClockRunsFromTheFirstPointToTheFinal()
    {
        GameModel game(time);
        GameHistory history(game);
        applyGameRules(rulesOf(u"Beach volleyball"_qs), game, history);
        QSignalSpy setEnds(&game, &GameModel::setEnded);
        play(game, history, u"t30"_qs);
        QCOMPARE(game.clockMs(), 0);
        play(game, history, u"h t600 H20"_qs);
        QCOMPARE(game.clockMs(), 600'000);
        play(game, history, u"t60 H21 t60"_qs);
        QCOMPARE(game.phase(), GamePhase::Final);
        QVERIFY(!game.isRunning());
        QCOMPARE(game.clockMs(), 660'000);
        QCOMPARE(setEnds.size(), 2);
        QCOMPARE(setEnds.last().at(1).toBool(), true);
    }

    // A set's end is its own step in the log with the set's points, undone
    // with the point that made it; the saved game brings back the sets played.
    void theRecordAndTheSavedGameKeepTheSets()
    {
        QTemporaryDir folder;
        GameModel game(time);
        GameHistory history(game);
        applyGameRules(rulesOf(u"Volleyball"_qs), game, history);
        GameLog log(folder.path() + u"/games"_qs, game, history);
        log.setCaptions(u"Lions"_qs, u"Tigers"_qs, u"Points"_qs, u"Sets"_qs);
        log.begin(false);
        play(game, history, u"G23 H25 u h G24 H26 y g"_qs);
        QVERIFY(log.flush());

        const auto record = GameRecord::read(log.currentPath());
        QVERIFY(record);
        QStringList ends;
        for (const GameLogEntry &e : record->entries) {
            if (e.kind == u"set")
                ends << e.action + u' ' + e.label + u' ' +
                            QString::number(e.setScore.value_or(std::array{-1, -1})[0]);
        }
        QCOMPARE(ends, (QStringList{u"set.end Set 1 ended 25:23 25"_qs,
                                    u"set.end Set 1 ended 25:23 25"_qs,
                                    u"set.end Set 2 ended 26:24 26"_qs}));
        QVERIFY(record->toJson().contains(R"("set":[26,24])"));

        GameStateFile file(folder.path() + u"/state"_qs);
        QVERIFY(file.save(SavedGame::of(game)));
        GameModel resumed(time);
        GameHistory resumedHistory(resumed);
        applyGameRules(rulesOf(u"Volleyball"_qs), resumed, resumedHistory);
        resumed.restore(file.load()->toState());
        QCOMPARE(summary(resumed), summary(game));
        QCOMPARE(summary(resumed), u"set 3 won 2:0 points 0:1 played [25:23 26:24] G serves"_qs);

        // Kept for a look: the sets' table on the printed result.
        QFile pdf(QDir::tempPath() + u"/corvella-sets-result.pdf"_qs);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write(gamePdf(*record));
    }

    // Each set is counted from 0:0: a lead carried out of a set is no lead
    // change in the next, a set's winning point (which clears the board) and
    // one taken back and played again count once, and each set has its chart.
    void theFiguresOfAMatchCountEachSet()
    {
        QTemporaryDir folder;
        GameModel game(time);
        GameHistory history(game);
        applyGameRules(rulesOf(u"Volleyball"_qs), game, history);
        GameLog log(folder.path() + u"/games"_qs, game, history);
        log.begin(false);
        play(game, history, u"H3 G5 h g H21 u h G25 h"_qs);
        QVERIFY(log.flush());
        const auto record = GameRecord::read(log.currentPath());
        QVERIFY(record);
        const GameFigures figures = GameFigures::of(*record);
        QVERIFY(figures.isSets());
        QStringList sets;
        for (const PeriodFigures &set : figures.periods())
            sets << QStringLiteral("%1 %2:%3").arg(set.period).arg(set.home).arg(set.guest);
        QCOMPARE(sets, (QStringList{u"1 25:6"_qs, u"2 0:25"_qs, u"3 1:0"_qs}));
        QCOMPARE(figures.leadChanges(), 2);
        QCOMPARE(figures.timesTied(), 2);
        QCOMPARE(figures.flowOf(2).size(), 26);

        const ScoreFlowChart chart(figures, u"Lions"_qs, u"Tigers"_qs, 0);
        QCOMPARE(chart.charts(), (QList<int>{1, 2, 3}));
        QStringList rows;
        for (const ScoreFlowChart::FigureRow &row : chart.figureRows().mid(0, 4))
            rows << row.name + u": "_qs + row.values.join(u" / "_qs);
        QCOMPARE(rows, (QStringList{u"Lead changes: 2"_qs, u"Times tied: 2"_qs,
                                    u"Largest lead: 19 (Set 1) / 25 (Set 2)"_qs,
                                    u"Longest run: 21 (Set 1) / 25 (Set 2)"_qs}));
        QVERIFY(chart.svg(2).contains(">Score flow, set 2<"));

        // Kept for a look: a small chart a set on the printed result.
        QFile pdf(QDir::tempPath() + u"/corvella-sets-flow.pdf"_qs);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write(gamePdf(*record));
    }

    // The printed result lists the point that won a set with the set's last
    // score, though the board went back to 0:0 with it.
    void thePrintedChangesShowASetsWinningPoint()
    {
        QTemporaryDir folder;
        GameModel game(time);
        GameHistory history(game);
        applyGameRules(rulesOf(u"Volleyball"_qs), game, history);
        GameLog log(folder.path() + u"/games"_qs, game, history);
        log.begin(false);
        play(game, history, u"H24 G20 h g"_qs);
        QVERIFY(log.flush());
        const auto record = GameRecord::read(log.currentPath());
        QVERIFY(record);
        PrintedResult result(*record);
        for (const GameLogEntry &e : record->entries)
            result.add(e);
        QStringList last;
        for (const QString &change : result.changes().mid(result.changes().size() - 3))
            last << change.section(u"  "_qs, 1);
        QCOMPARE(last, (QStringList{u"24 : 20"_qs, u"25 : 20 / 1 : 0"_qs, u"0 : 1 / 1 : 0"_qs}));
    }
};

CORVELLA_TEST_MAIN(TestSets)
#include "tst_sets.moc"
