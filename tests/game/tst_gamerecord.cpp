#include "game/gamefigures.h"
#include "game/gamemodel.h"
#include "game/gamerecord.h"
#include "game/printedresult.h"
#include "game/printtable.h"
#include "game/scoreflowchart.h"
#include "tests/support/csvrows.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTime>
#include <QXmlStreamReader>

#include <limits>

class TestGameRecord : public QObject
{
    Q_OBJECT

    static constexpr qint64 PeriodMs = 10 * 60 * 1000;

    // A game of ten-minute periods as its log has it. "@3:00" lets the clock
    // run to three minutes played in the period, "h2" gives the home team
    // two points, "g3" the guests three, "u" takes the last points back,
    // "end" ends the period into a break, "next" starts the next period.
    static QList<GameLogEntry> periodGame(const QString &script, bool countDown)
    {
        QList<GameLogEntry> entries;
        GameLogEntry now;
        now.after = {0, 0, 0, 0};
        now.clockMs = countDown ? PeriodMs : 0;
        QList<GameLogEntry::Scores> undo;
        const auto step = [&](const QString &kind, GameLogEntry::Scores after) {
            GameLogEntry e = now;
            e.number = int(entries.size()) + 1;
            e.time = QDateTime(QDate(2026, 12, 9), QTime(18, 0), Qt::UTC).addSecs(e.number);
            e.kind = kind;
            e.before = now.after;
            e.after = after;
            e.beforePeriod = now.period;
            e.beforeClockMs = now.clockMs;
            entries << e;
            now = e;
        };
        step(u"action"_qs, now.after); // the clock's start
        for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
            if (token.startsWith(u'@')) {
                const qint64 played =
                    QTime::fromString(token.mid(1), u"m:ss"_qs).msecsSinceStartOfDay();
                now.clockMs = countDown ? PeriodMs - played : played;
            } else if (token == u"u") {
                step(u"undo"_qs, undo.takeLast());
            } else if (token == u"end") {
                step(u"clock"_qs, now.after);
                entries.last().phase = GamePhase::Break;
                now.phase = GamePhase::Break;
                // The break's own clock counts down to the next period.
                entries.last().clockMs = now.clockMs = 2 * 60 * 1000;
            } else if (token == u"next") {
                now.clockMs = 0;
                step(u"clock"_qs, now.after);
                entries.last().period = now.period = now.beforePeriod + 1;
                entries.last().phase = now.phase = GamePhase::Play;
                entries.last().clockMs = now.clockMs = countDown ? PeriodMs : 0;
            } else {
                GameLogEntry::Scores after = now.after;
                const int which = token.front() == u'h' ? GameModel::Home1 : GameModel::Guest1;
                after.at(which) = *after.at(which) + token.mid(1).toInt();
                undo << now.after;
                step(u"action"_qs, after);
            }
        }
        return entries;
    }

    // Lions against Tigers in four periods counting down, from a periodGame script.
    static GameRecord fourPeriods(const QString &script)
    {
        GameRecord record;
        record.version = GameRecord::Version;
        record.home = u"Lions"_qs;
        record.guest = u"Tigers"_qs;
        record.periods = 4;
        record.started = QDateTime(QDate(2026, 12, 9), QTime(18, 0), Qt::UTC);
        record.entries = periodGame(script, true);
        return record;
    }

    // A moment as played time in its period, whichever way the clock ran.
    static QString momentText(const FlowMoment &at, bool countDown)
    {
        if (at.period == 0)
            return u"-"_qs;
        const qint64 played = countDown ? PeriodMs - at.clockMs : at.clockMs;
        return QStringLiteral("P%1 %2").arg(at.period).arg(
            QTime::fromMSecsSinceStartOfDay(int(played)).toString(u"m:ss"_qs));
    }

    static QString figuresText(const GameFigures &f, bool countDown)
    {
        const auto minutes = [](qint64 ms) {
            return QStringLiteral("%1:%2").arg(ms / 60000).arg(ms / 1000 % 60, 2, 10, QChar(u'0'));
        };
        QStringList parts{
            QStringLiteral("changes %1 ties %2").arg(f.leadChanges()).arg(f.timesTied())};
        for (int side : {0, 1}) {
            const TeamFigures t = f.team(side);
            parts << QStringLiteral("%1 lead %2 at %3 run %4 %5-%6 leading %7")
                         .arg(side == 0 ? u"home" : u"guest")
                         .arg(t.largestLead)
                         .arg(momentText(t.largestLeadAt, countDown))
                         .arg(t.longestRun)
                         .arg(momentText(t.longestRunFrom, countDown),
                              momentText(t.longestRunTo, countDown), minutes(t.leadingMs));
        }
        QStringList periods;
        for (const PeriodFigures &p : f.periods())
            periods << QStringLiteral("%1:%2").arg(p.home).arg(p.guest);
        parts << u"periods "_qs + periods.join(u' ') << u"played "_qs + minutes(f.playedMs());
        return parts.join(u" | "_qs);
    }

private slots:
    void aLogFromANewerVersionIsRefused()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("2030-01-01_1200_A-B.jsonl"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format":"corvella-game-log","version":2,"home":"A"})"
                   "\n");
        file.close();
        QString why;
        QVERIFY(!GameRecord::read(path, &why));
        QVERIFY2(why.contains(QStringLiteral("newer")), qPrintable(why));
    }

    // The header keeps the team as it was chosen; the JSON export carries it.
    void theTeamsInTheHeaderReachTheExport()
    {
        GameRecord header;
        header.version = GameRecord::Version;
        header.home = QStringLiteral("TSV Neustadt");
        header.guest = QStringLiteral("Visitors");
        header.teams.at(0) = Team{QStringLiteral("TSV Neustadt"),
                                  QStringLiteral("TSV"),
                                  QColor(0xff, 0x22, 0),
                                  QColor(Qt::white),
                                  QStringLiteral("/teams/tsv.png"),
                                  {{QStringLiteral("7"), QStringLiteral("Bo")}}};
        const auto back = GameRecord::fromLines(
            {QJsonDocument(header.headerJson()).toJson(QJsonDocument::Compact)});
        QVERIFY(back);
        // A logo outside this computer's team library is not the log's to name.
        QVERIFY(back->teams.at(0)->logo.isEmpty());
        header.teams.at(0)->logo.clear();
        QCOMPARE(back->teams, header.teams);
        const QJsonObject json = QJsonDocument::fromJson(back->toJson()).object();
        QCOMPARE(json.value(QStringLiteral("homeTeam")).toObject().value(QStringLiteral("color")),
                 QStringLiteral("#ff2200"));
        QVERIFY(!json.contains(QStringLiteral("guestTeam")));
    }

    // Logs written before steps had ids kept the board's words as the action.
    void anOldLogLineReadsWithItsTextAsLabel()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("2026-11-01_1000_A-B.jsonl"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            R"({"format":"corvella-game-log","version":1,"started":"2026-11-01T10:00:00.000Z"})"
            "\n"
            R"({"n":1,"time":"2026-11-01T10:00:01.000Z","kind":"action",)"
            R"("action":"Uhr starten oder stoppen","origin":"operator","period":1,)"
            R"("phase":"play","clockMs":0,"running":true,"beforePeriod":1,)"
            R"("beforeClockMs":0,"before":[0,0,0,0],"after":[0,0,0,0],"timeout":null})"
            "\n");
        file.close();
        const auto record = GameRecord::read(path);
        QVERIFY(record);
        QCOMPARE(record->damagedLines, 0);
        QCOMPARE(record->entries.size(), 1);
        QCOMPARE(record->entries.first().action, QString());
        QCOMPARE(record->entries.first().label, QStringLiteral("Uhr starten oder stoppen"));
        const QList<QStringList> rows = parseCsv(record->toCsv());
        QCOMPARE(rows.at(1).mid(3, 2),
                 (QStringList{QString(), QStringLiteral("Uhr starten oder stoppen")}));
    }

    // A log from elsewhere names its logo by a path: only a file in this
    // computer's team library is used, whatever way the path goes there.
    // Two periods with runs, lead changes and ties; a point taken back
    // leaves no trace, the break between the periods is no time played, and
    // the clock's direction changes nothing.
    void theFiguresOfAGame_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("figures");
        const QString game =
            u"@1:00 h2 @2:00 g3 @3:00 h2 @4:00 h3 @5:00 h3 @6:00 g2 @7:00 g2 @8:00 g3 "
            "@9:00 h1 u @9:30 g2 @10:00 end next @1:00 h2 @5:00 h5 @10:00 end"_qs;
        const QString figures =
            u"changes 4 ties 2 | home lead 7 at P1 5:00 run 8 P1 3:00-P1 5:00 leading 11:00 | "
            "guest lead 2 at P1 9:30 run 9 P1 6:00-P1 9:30 leading 2:30 | periods 10:12 7:0 | "
            "played 20:00"_qs;
        QTest::newRow("two periods") << game << figures;
        QTest::newRow("level at the end, nobody scoring first")
            << u"@4:00 g1 @5:00 h1 @10:00 end"_qs
            << u"changes 0 ties 1 | home lead 0 at - run 1 P1 5:00-P1 5:00 leading 0:00 | "
               "guest lead 1 at P1 4:00 run 1 P1 4:00-P1 4:00 leading 1:00 | periods 1:1 | "
               "played 10:00"_qs;
    }

    void theFiguresOfAGame()
    {
        QFETCH(QString, script);
        QFETCH(QString, figures);
        for (const bool countDown : {true, false}) {
            GameFigures f;
            for (const GameLogEntry &e : periodGame(script, countDown))
                f.add(e);
            QCOMPARE(figuresText(f, countDown), figures);
        }
    }

    // The chart's line: every score change that stands, level at the start.
    void theFlowOfAPeriodStartsFromTheScoreBefore()
    {
        GameFigures f;
        for (const GameLogEntry &e :
             periodGame(u"@1:00 h2 @9:00 g1 u @10:00 end next @2:00 g3"_qs, true))
            f.add(e);
        const QList<FlowPoint> second = f.flowOf(2);
        QCOMPARE(second.size(), 2);
        QCOMPARE(second.first().margin(), 2);
        QCOMPARE(second.first().playedMs, PeriodMs);
        QCOMPARE(second.last().margin(), -1);
        QCOMPARE(second.last().playedMs, PeriodMs + 2 * 60 * 1000);
        QCOMPARE(f.flow().size(), 2);
    }

    // The chart stands in pages whose policy drops inline style: it carries
    // presentation attributes only. Kept for a look, with the printed result.
    void theChartIsSvgWithoutStyleAndPrinted()
    {
        const GameRecord record = fourPeriods(
            u"@1:00 h2 @2:00 g3 @3:00 h2 @4:00 h3 @5:00 h3 @6:00 g2 @7:00 g2 @8:00 g3 @9:30 g2 "
            "@10:00 end next @1:00 h2 @5:00 h5 @8:00 g2 @10:00 end next @2:00 g3 @4:00 g4 "
            "@6:00 h2 @10:00 end next @3:00 h3 @5:00 h2 @9:00 g1 @10:00 end"_qs);
        const ScoreFlowChart chart(GameFigures::of(record), record.home, record.guest,
                                   record.periods);
        QCOMPARE(chart.charts(), QList<int>{0});
        const QByteArray svg = chart.svg(0);
        QVERIFY(svg.startsWith("<svg"));
        QFile look(QDir::tempPath() + u"/corvella-flow.svg"_qs);
        QVERIFY(look.open(QIODevice::WriteOnly));
        look.write(svg);
        look.close();
        QVERIFY(!svg.contains(" style=") && !svg.contains("<style"));
        QVERIFY(svg.contains("aria-label=\"Score flow\""));
        QVERIFY(svg.contains(">Lions ahead<"));
        QVERIFY(svg.contains(">P4<"));
        QXmlStreamReader check(svg);
        while (!check.atEnd())
            check.readNext();
        QVERIFY2(!check.hasError(), qPrintable(check.errorString()));
        // The same from a log on disk, as the hall has its courts' games.
        QTemporaryDir folder;
        QFile log(folder.filePath(u"game.jsonl"_qs));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write(QJsonDocument(record.headerJson()).toJson(QJsonDocument::Compact) + '\n');
        for (const GameLogEntry &e : std::as_const(record.entries))
            log.write(QJsonDocument(e.toJson()).toJson(QJsonDocument::Compact) + '\n');
        log.close();
        const QByteArray figures = scoreFlowFigures(log.fileName());
        QVERIFY(figures.startsWith("<figure class=\"flow\"><svg"));
        QVERIFY(figures.contains(">Tigers ahead<"));
        QVERIFY(scoreFlowFigures(folder.filePath(u"none.jsonl"_qs)).isEmpty());
        QFile pdf(QDir::tempPath() + u"/corvella-flow.pdf"_qs);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write(gamePdf(record, QPageSize(QPageSize::A4)));
    }

    // The figure stays on page one while a third of it is free, and goes to
    // the top of page two when less is.
    void theChartTakesWhatPageOneLeaves_data()
    {
        QTest::addColumn<qreal>("pageHeightMm");
        QTest::addColumn<int>("chartPage");
        QTest::newRow("A4: room for the whole figure") << 297.0 << 1;
        QTest::newRow("a third of the page free") << 250.0 << 1;
        QTest::newRow("a fifth of the page free") << 215.0 << 2;
    }
    void theChartTakesWhatPageOneLeaves()
    {
        QFETCH(qreal, pageHeightMm);
        QFETCH(int, chartPage);
        if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: scripts/install-deps");
        const GameRecord record = fourPeriods(
            u"@1:00 h2 @2:00 g3 @3:00 h2 @10:00 end next @1:00 h2 @10:00 end next @2:00 g3 "
            "@10:00 end next @3:00 h3 @10:00 end"_qs);
        QTemporaryDir folder;
        QFile pdf(folder.filePath(u"result.pdf"_qs));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write(gamePdf(record, QPageSize(QSizeF(210, pageHeightMm), QPageSize::Millimeter)));
        pdf.close();
        for (int page = 1; page <= 2; ++page) {
            QProcess text;
            text.start(u"pdftotext"_qs, {u"-f"_qs, QString::number(page), u"-l"_qs,
                                         QString::number(page), pdf.fileName(), u"-"_qs});
            QVERIFY(text.waitForFinished(20'000));
            QCOMPARE(text.readAllStandardOutput().contains("Score flow"), page == chartPage);
        }
    }

    void aLogoIsReadOnlyFromTheTeamLibrary_data()
    {
        QTest::addColumn<QString>("logo"); // relative to a folder holding "teams"
        QTest::addColumn<bool>("used");
        QTest::newRow("in the library") << u"data/Corvella/teams/lions.png"_qs << true;
        QTest::newRow("elsewhere") << u"private.png"_qs << false;
        QTest::newRow("out of the library by ..")
            << u"data/Corvella/teams/../../../private.png"_qs << false;
        QTest::newRow("a link in the library to elsewhere")
            << u"data/Corvella/teams/link.png"_qs << false;
        QTest::newRow("the library's folder itself") << u"data/Corvella/teams"_qs << false;
        QTest::newRow("a file that is not there") << u"data/Corvella/teams/none.png"_qs << false;
    }
    void aLogoIsReadOnlyFromTheTeamLibrary()
    {
        QFETCH(QString, logo);
        QFETCH(bool, used);
        QTemporaryDir root;
        const QByteArray before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", root.filePath(u"data"_qs).toLocal8Bit());
        QDir().mkpath(root.filePath(u"data/Corvella/teams"_qs));
        for (const QString &image : {u"data/Corvella/teams/lions.png"_qs, u"private.png"_qs}) {
            QFile file(root.filePath(image));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("png") == 3);
        }
        QVERIFY(QFile::link(root.filePath(u"private.png"_qs),
                            root.filePath(u"data/Corvella/teams/link.png"_qs)));
        GameRecord header;
        header.version = GameRecord::Version;
        header.teams.at(0) = Team{u"Lions"_qs, {}, {}, {}, root.filePath(logo), {}};
        const auto back = GameRecord::fromLines(
            {QJsonDocument(header.headerJson()).toJson(QJsonDocument::Compact)});
        qputenv("XDG_DATA_HOME", before);
        QVERIFY(back && back->teams.at(0));
        QCOMPARE(!back->teams.at(0)->logo.isEmpty(), used);
    }

    // Numbers no board writes, through every reader of a log: each is
    // refused or read in range (the sanitizers' build reports any overflow).
    void hostileNumbersAreReadInRange_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("step");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("steps");
        const QByteArray header = R"({"format":"corvella-game-log","version":1,)"
                                  R"("started":"2026-12-08T10:00:00.000Z","periods":2})";
        const QByteArray step = R"({"n":1,"time":"2026-12-08T10:01:00.000Z","kind":"action",)"
                                R"("period":2,"beforePeriod":1,"phase":"play","clockMs":5,)"
                                R"("beforeClockMs":0,"before":[0,0,null,null],)"
                                R"("after":[1,0,null,null],"timeout":"home"})";
        const auto with = [](QByteArray line, const char *from, const char *to) {
            return line.replace(from, to);
        };
        QTest::newRow("as a board writes it") << header << step << true << 1;
        QTest::newRow("periods 2147483647")
            << with(header, "\"periods\":2", "\"periods\":2147483647") << step << false << 0;
        QTest::newRow("periods -1")
            << with(header, "\"periods\":2", "\"periods\":-1") << step << false << 0;
        QTest::newRow("periods 1e300")
            << with(header, "\"periods\":2", "\"periods\":1e300") << step << false << 0;
        QTest::newRow("period 2147483647")
            << header << with(step, "\"period\":2", "\"period\":2147483647") << true << 0;
        QTest::newRow("before period 2147483647")
            << header << with(step, "\"beforePeriod\":1", "\"beforePeriod\":2147483647") << true
            << 0;
        QTest::newRow("clock 1e300")
            << header << with(step, "\"clockMs\":5", "\"clockMs\":1e300") << true << 0;
        QTest::newRow("clock 9223372036854775807")
            << header << with(step, "\"clockMs\":5", "\"clockMs\":9223372036854775807") << true
            << 0;
        QTest::newRow("a score of 2147483647")
            << header << with(step, "[1,0,null,null]", "[2147483647,0,null,null]") << true << 0;
        QTest::newRow("set points 2147483647")
            << header << with(step, "\"timeout\"", "\"set\":[2147483647,0],\"timeout\"") << true
            << 0;
    }
    // The half of a period for any count of periods, without overflow.
    void theHalfOfAPeriodForEveryCount()
    {
        constexpr int most = std::numeric_limits<int>::max();
        QCOMPARE(GameStructure(most, {}, 0).halfOf(most), 1);
        QCOMPARE(GameStructure(most, {}, 0).halfOf(most / 2 + 1), 0);
        QCOMPARE(GameStructure(most - 1, {}, 0).halfOf(most / 2 + 1), 1);
        QCOMPARE(GameStructure(4, {}, 0).halfOf(2), 0);
        QCOMPARE(GameStructure(4, {}, 0).halfOf(3), 1);
        QCOMPARE(GameStructure(3, {}, 0).halfOf(2), 0);
        QCOMPARE(GameStructure(3, {}, 0).halfOf(3), 1);
    }

    // A printed table spans the width it was given, however many values:
    // the names' column first, the values' columns side by side after it,
    // all of one width.
    void aTablesColumnsFillItsWidth_data()
    {
        QTest::addColumn<qreal>("left");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<qreal>("nameShare");
        QTest::addColumn<int>("values");
        QTest::newRow("one half's timeouts") << 0.0 << 510.0 << 0.34 << 1;
        QTest::newRow("twelve periods and the total") << 0.0 << 510.0 << 0.34 << 13;
        QTest::newRow("the guest's players, right of the home's") << 261.0 << 249.0 << 0.5 << 3;
    }
    void aTablesColumnsFillItsWidth()
    {
        QFETCH(qreal, left);
        QFETCH(qreal, width);
        QFETCH(qreal, nameShare);
        QFETCH(int, values);
        const QList<TableColumn> columns = tableColumns(left, width, nameShare, values);
        QCOMPARE(columns.size(), values + 1);
        QCOMPARE(columns.first().left, left);
        QCOMPARE(columns.first().width, width * nameShare);
        for (qsizetype i = 1; i < columns.size(); ++i) {
            QCOMPARE(columns.at(i).left, columns.at(i - 1).left + columns.at(i - 1).width);
            QCOMPARE(columns.at(i).width, columns.at(1).width);
        }
        QCOMPARE(columns.last().left + columns.last().width, left + width);
    }

    void hostileNumbersAreReadInRange()
    {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, step);
        QFETCH(bool, readable);
        QFETCH(int, steps);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"2026-12-08_1000_A-B.jsonl"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(header + '\n' + step + '\n');
        file.close();
        const std::optional<GameRecord> record = GameRecord::read(path);
        QCOMPARE(record.has_value(), readable);
        QCOMPARE(GameRecord::fromLines({header, step}).has_value(), readable);
        if (!record)
            return;
        QCOMPARE(record->entries.size(), steps);
        QCOMPARE(record->timeouts().size(), steps);
        QVERIFY(record->toJson().contains("\"final\""));
        QVERIFY(record->toCsv().startsWith("n,time"));
        QVERIFY(gamePdf(*record).startsWith("%PDF"));
    }
};

CORVELLA_TEST_MAIN(TestGameRecord)
#include "tst_gamerecord.moc"
