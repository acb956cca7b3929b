#include "app/export.h"
#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/gamestatefile.h"
#include "teams/teamlibrary.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"
#include "web/reportpage.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

class TestExport : public QObject
{
    Q_OBJECT

    ManualTimeSource time;
    // The team library of these games: a log's logo is used only from there.
    QTemporaryDir dataHome;

    // Two periods: 2 : 1 after the first, 3 : 4 at the end; a guest timeout
    // in the second (ended early), and a home timeout taken back; two home
    // fouls in the first period. `extraChanges` more score changes at the end.
    // With `players`, two points and five fouls of home #7 and a penalty of
    // guest #12 after that.
    static QString playGame(const QString &folder, ManualTimeSource &time, int extraChanges = 0,
                            const GameSides &sides = {}, bool players = false)
    {
        GameModel game(time);
        game.setSides(sides);
        PlayerRules playerRules;
        playerRules.enabled = players;
        game.playersPart().setRules(playerRules);
        GameStructure rules{2, {}, 0};
        rules.timeouts.perGame = 2;
        rules.fouls.on = true;
        game.setStructure(rules);
        GameHistory history(game);
        GameLog log(folder, game, history);
        log.setCaptions(QStringLiteral("Lions"), QStringLiteral("Tigers"), QString(),
                        QStringLiteral("Fouls"));
        log.setWallClock([] { return QDateTime(QDate(2026, 12, 8), QTime(19, 30), Qt::UTC); });
        log.begin(false);
        const auto score = [&](int which, int value) {
            time.now += 30'000;
            history.perform(QStringLiteral("score"),
                            [=](GameModel &g) { g.setScore(which, value); });
        };
        history.perform(QStringLiteral("start"), [](GameModel &g) { g.startStop(); });
        score(GameModel::Home1, 2);
        score(GameModel::Guest1, 1);
        score(GameModel::Home2, 2);
        history.perform(QStringLiteral("next"), [](GameModel &g) { g.nextPeriod(); });
        for (const auto team : {GameModel::Guest, GameModel::Guest, GameModel::Home})
            history.perform(QStringLiteral("timeout"),
                            [team](GameModel &g) { g.takeTimeout(team); });
        history.undo();
        score(GameModel::Home1, 3);
        score(GameModel::Guest1, 4);
        for (int i = 0; i < extraChanges; ++i)
            score(GameModel::Home1, 4 + i % 90);
        if (players) {
            history.perform(
                GameHistory::Action::ScoreAdd, QStringLiteral("score"), [](GameModel &g) {
                    g.playersPart().addToScoreBy(GameModel::Home1, 2, QStringLiteral("7"));
                });
            for (int i = 0; i < 5; ++i)
                history.perform(GameHistory::Action::PlayerFoul, QStringLiteral("foul"),
                                [](GameModel &g) {
                                    g.playersPart().addFoul(GameModel::Home, QStringLiteral("7"));
                                });
            history.perform(
                GameHistory::Action::Penalty, QStringLiteral("penalty"), [](GameModel &g) {
                    g.playersPart().addPenalty(GameModel::Guest, QStringLiteral("12"), 120'000);
                });
        }
        return log.currentPath();
    }

    static QString pdfText(const QString &pdf, const QStringList &how)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), how + QStringList{pdf, QStringLiteral("-")});
        return process.waitForFinished(20'000) ? QString::fromUtf8(process.readAllStandardOutput())
                                               : QString();
    }

    static bool havePoppler()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
    }

private slots:
    void initTestCase()
    {
        // A hall an hour east of UTC in December.
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void thePdfHoldsTheResultALeagueNeeds()
    {
        if (!havePoppler())
            QSKIP("pdftotext, pdftoppm (poppler-utils) are not installed: scripts/install-deps");
        QTemporaryDir folder;
        playGame(folder.path(), time);
        const QString pdf = folder.filePath(QStringLiteral("game.pdf"));
        QCOMPARE(runExport(pdf, QString(), folder.path()), 0);
        // Table cells come out with or without their spaces.
        const QString text = pdfText(pdf, {QStringLiteral("-layout")})
                                 .remove(QRegularExpression(QStringLiteral("\\s")));
        QVERIFY2(text.startsWith(QStringLiteral("Lions–Tigers")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Lions3:4Tigers")), qPrintable(text));
        // Points in each period, then the total; fouls of each period.
        QVERIFY2(text.contains(QStringLiteral("Points12TotalLions213Tigers134")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("TeamfoulsLions20Tigers00")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Lions00Tigers01(P20:00)")), qPrintable(text));
        for (const char *blank : {"Gamenumber", "Venue", "Referees", "Scorer'ssignature"})
            QVERIFY2(text.contains(QLatin1StringView(blank)), blank);
        QVERIFY2(text.contains(QStringLiteral("P10:302:0P11:002:1P20:003:1P20:003:4")),
                 qPrintable(text));
    }

    // Laid out for the page it is printed on: a title that reads at arm's
    // length, nothing beyond the paper, ink from one side of it to the
    // other, and the summary on the first page however long the game.
    void thePrintedPageIsReadable_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<int>("extraChanges");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("teams");
        QTest::addColumn<bool>("players");
        QTest::newRow("A4") << QStringLiteral("A4") << 0 << 1 << false << false;
        QTest::newRow("Letter, a long game")
            << QStringLiteral("Letter") << 700 << 3 << false << false;
        QTest::newRow("A4, teams with logos") << QStringLiteral("A4") << 0 << 1 << true << false;
        QTest::newRow("A4 with players") << QStringLiteral("A4") << 0 << 1 << false << true;
        QTest::newRow("A4, teams and players") << QStringLiteral("A4") << 0 << 1 << true << true;
    }

    // Lions in white on purple with a green logo, Tigers in yellow on white
    // (outlined) without one.
    GameSides teamsWithLogos(const QTemporaryDir &)
    {
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        const QString library = dataHome.filePath(QStringLiteral("Corvella/teams"));
        QDir().mkpath(library);
        QImage logo(64, 64, QImage::Format_RGB32);
        logo.fill(QColor(0, 255, 0));
        logo.save(library + QStringLiteral("/lions.png"));
        Team lions{QStringLiteral("Lions"),
                   {},
                   QColor(0x80, 0x00, 0x80),
                   QColor(Qt::white),
                   library + QStringLiteral("/lions.png"),
                   {}};
        Team tigers{QStringLiteral("Tigers"), {}, QColor(Qt::white), QColor(Qt::yellow), {}, {}};
        return {GameSide{lions, {}}, GameSide{tigers, {}}};
    }

    static int pixelsNear(const QImage &image, QRgb color)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                count += qAbs(qRed(p) - qRed(color)) < 24 && qAbs(qGreen(p) - qGreen(color)) < 24 &&
                         qAbs(qBlue(p) - qBlue(color)) < 24;
            }
        return count;
    }
    void thePrintedPageIsReadable()
    {
        QFETCH(QString, paper);
        QFETCH(int, extraChanges);
        QFETCH(int, pages);
        QFETCH(bool, teams);
        QFETCH(bool, players);
        if (!havePoppler())
            QSKIP("pdftotext, pdftoppm (poppler-utils) are not installed: scripts/install-deps");
        QTemporaryDir folder;
        playGame(folder.path(), time, extraChanges, teams ? teamsWithLogos(folder) : GameSides{},
                 players);
        const QString pdf = folder.filePath(QStringLiteral("game.pdf"));
        const QString log = GameLog::newestLog(folder.path());
        const QPageSize size(paper == u"Letter" ? QPageSize::Letter : QPageSize::A4);
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write(gamePdf(*GameRecord::read(log), size));
        written.close();

        const QString boxes = pdfText(pdf, {QStringLiteral("-bbox")});
        const QRegularExpression pageBox(
            QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
        const QRegularExpression wordBox(QStringLiteral(
            R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)<)re"));
        QList<QRegularExpressionMatch> pageMatches;
        for (auto it = pageBox.globalMatch(boxes); it.hasNext();)
            pageMatches << it.next();
        QVERIFY2(pageMatches.size() >= pages && pageMatches.size() <= pages + 1,
                 qPrintable(QString::number(pageMatches.size())));
        const double width = pageMatches.first().captured(1).toDouble();
        const double height = pageMatches.first().captured(2).toDouble();
        QCOMPARE(qRound(width), paper == u"Letter" ? 612 : 595);
        int words = 0;
        int chartWords = 0;
        for (auto it = wordBox.globalMatch(boxes); it.hasNext(); ++words) {
            const auto word = it.next();
            const double x0 = word.captured(1).toDouble(), y0 = word.captured(2).toDouble();
            const double x1 = word.captured(3).toDouble(), y1 = word.captured(4).toDouble();
            QVERIFY2(x0 >= 0 && y0 >= 0 && x1 <= width && y1 <= height,
                     qPrintable(word.captured(5)));
            // The chart's words are no smaller than the rest of the sheet's.
            if (word.captured(5) == u"ahead") {
                ++chartWords;
                QVERIFY2(y1 - y0 >= 9, qPrintable(QString::number(y1 - y0)));
            }
            if (words == 0) {
                QCOMPARE(word.captured(5), QStringLiteral("Lions"));
                QVERIFY2(y1 - y0 >= 14, qPrintable(QString::number(y1 - y0)));
            }
        }
        QVERIFY(words > 40);
        // The summary ends on page one.
        const QString firstPage = boxes.left(boxes.indexOf(QStringLiteral("</page>")));
        QVERIFY(firstPage.contains(QStringLiteral(">signature<")));
        // The game's figures with it, and the score's flow drawn for both teams.
        QVERIFY(firstPage.contains(QStringLiteral(">Lead<")));
        QCOMPARE(chartWords, 2);
        if (players) {
            // The box score: points, fouls and penalties of each player.
            const QString text = pdfText(pdf, {QStringLiteral("-layout")})
                                     .remove(QRegularExpression(QStringLiteral("\\s")));
            QVERIFY2(
                text.contains(QStringLiteral("LionsPtsFoulsPen.TigersPtsFoulsPen.#7250#12001")),
                qPrintable(text));
            QVERIFY(firstPage.contains(QStringLiteral(">#12<")));
        }

        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                      QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                      QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                      folder.filePath(QStringLiteral("page"))});
        QVERIFY(render.waitForFinished(20'000));
        const QImage page(folder.filePath(QStringLiteral("page.png")));
        QVERIFY(!page.isNull());
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY2(ink.width() > page.width() * 0.7, qPrintable(QString::number(ink.width())));
        QVERIFY2(ink.height() > page.height() * 0.3, qPrintable(QString::number(ink.height())));
        if (teams) {
            // The band and the logo beside the home name, the outline of the guest's.
            const int logo = pixelsNear(page, qRgb(0, 255, 0));
            QVERIFY2(logo > 40, qPrintable(QString::number(logo)));
            QVERIFY(pixelsNear(page, qRgb(0x80, 0x00, 0x80)) > logo);
            QVERIFY(pixelsNear(page, qRgb(255, 255, 0)) > 10);
        }
        QDir().mkpath(QStringLiteral(CORVELLA_ARTIFACTS "/export"));
        const QString kept = QStringLiteral(CORVELLA_ARTIFACTS "/export/result-%1.png")
                                 .arg(QLatin1StringView(QTest::currentDataTag()))
                                 .replace(u' ', u'-')
                                 .remove(u',');
        QFile::remove(kept);
        QFile::copy(folder.filePath(QStringLiteral("page.png")), kept);
    }

    // Every view a person reads gives the hall's own time with its offset;
    // the JSON, for programs, keeps UTC.
    void timesAreTheHallsClock_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("path"); // of /report, when not a file
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("csv") << QStringLiteral("game.csv") << QByteArray()
                             << QStringList{QStringLiteral(",2026-12-08T20:30:00.000+01:00,")};
        QTest::newRow("pdf") << QStringLiteral("game.pdf") << QByteArray()
                             << QStringList{QStringLiteral("20:30 (UTC+01:00)")};
        QTest::newRow("json") << QStringLiteral("game.json") << QByteArray()
                              << QStringList{QStringLiteral("\"2026-12-08T19:30:00.000Z\"")};
        QTest::newRow("report page")
            << QString() << QByteArray("/report")
            << QStringList{QStringLiteral("(UTC+01:00)"), QStringLiteral("<td>20:30:00</td>"),
                           QStringLiteral("<th>Game clock</th>"),
                           QStringLiteral("<td>0:30.0</td>")};
        // The page heads the game in the printed sheet's words, in its own language.
        QTest::newRow("report page in German")
            << QString() << QByteArray("/report?lang=de")
            << QStringList{QStringLiteral("8. Dezember 2026, 20:30 Uhr (UTC+01:00)")};
        QTest::newRow("report csv for a spreadsheet")
            << QString() << QByteArray("/report.csv?excel=1")
            << QStringList{QStringLiteral("\uFEFFn;time;kind;"),
                           QStringLiteral(";2026-12-08T20:30:00.000+01:00;")};
    }
    void timesAreTheHallsClock()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, path);
        QFETCH(QStringList, shown);
        if (file.endsWith(u".pdf") && !havePoppler())
            QSKIP("pdftotext (poppler-utils) is not installed: scripts/install-deps");
        QTemporaryDir folder;
        const QString log = playGame(folder.path(), time);
        QByteArray text;
        if (path.isEmpty()) {
            QCOMPARE(exportLog(log, folder.filePath(file)), QString());
            QFile written(folder.filePath(file));
            QVERIFY(written.open(QIODevice::ReadOnly));
            text = file.endsWith(u".pdf") ? pdfText(folder.filePath(file), {}).toUtf8()
                                          : written.readAll();
        } else {
            const qsizetype query = path.indexOf('?');
            HttpFront::Request request{"GET",
                                       query < 0 ? path : path.left(query),
                                       query < 0 ? QByteArray() : path.mid(query + 1),
                                       "HTTP/1.1",
                                       {},
                                       {},
                                       {}};
            const auto answer = reportAnswer(request, folder.path());
            QVERIFY(answer);
            text = answer->body;
        }
        for (const QString &expected : std::as_const(shown))
            QVERIFY2(text.contains(expected.toUtf8()), text.left(3000).constData());
        QVERIFY(!text.contains("Clock ms"));
    }

    // Only a regular file is replaced whole; through a link or into a device
    // the bytes go where a shell's redirection would put them.
    void theDestinationStaysWhatItIs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("written");
        QTest::newRow("regular file") << QStringLiteral("file") << true;
        QTest::newRow("link to a regular file") << QStringLiteral("link") << true;
        QTest::newRow("not a regular file (a pipe)") << QStringLiteral("pipe") << true;
        QTest::newRow("unwritable") << QStringLiteral("unwritable") << false;
    }
    void theDestinationStaysWhatItIs()
    {
        QFETCH(QString, kind);
        QFETCH(bool, written);
        QTemporaryDir folder;
        const QString log = playGame(folder.path(), time);
        const QString target = folder.filePath(QStringLiteral("target.csv"));
        QString destination = target;
        int pipe = -1;
        if (kind == u"link") {
            destination = folder.filePath(QStringLiteral("link.csv"));
            QVERIFY(QFile::link(target, destination));
        } else if (kind == u"pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
            pipe = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK);
            QVERIFY(pipe >= 0);
        } else if (kind == u"unwritable") {
            // A file where a folder should be stops even root.
            QFile blocker(folder.filePath(QStringLiteral("blocker")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            destination = folder.filePath(QStringLiteral("blocker/game.csv"));
        }
        if (kind != u"pipe") {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        const QString why = exportLog(log, destination);
        QCOMPARE(why.isEmpty(), written);
        QVERIFY(written || why.contains(destination));
        QByteArray got;
        if (pipe >= 0) {
            char bytes[65536];
            const ssize_t read = ::read(pipe, bytes, sizeof bytes);
            got = QByteArray(bytes, std::max<qsizetype>(read, 0));
            ::close(pipe);
        } else {
            QFile result(target);
            QVERIFY(result.open(QIODevice::ReadOnly));
            got = result.readAll();
        }
        QCOMPARE(got.startsWith("n,time,kind"), written);
        QCOMPARE(QFileInfo(destination).isSymLink(), kind == u"link");
        QCOMPARE(QFileInfo(target).isFile(), kind != u"pipe");
    }

    void eachFormatByItsName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("csv") << QStringLiteral("game.csv") << QByteArray("n,time,kind,action");
        QTest::newRow("json") << QStringLiteral("GAME.JSON") << QByteArray("{");
        QTest::newRow("pdf") << QStringLiteral("game.pdf") << QByteArray("%PDF");
    }
    void eachFormatByItsName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QTemporaryDir folder;
        const QString log = playGame(folder.path(), time);
        const QString file = folder.filePath(name);
        QCOMPARE(runExport(file, log, QStringLiteral("/nonexistent")), 0);
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith(start));
    }

    void theWebReportServesTheNewestGame_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("words"); // what the page says, and the 404
        QTest::newRow("page") << QByteArray("/report") << QByteArray("text/html; charset=utf-8")
                              << QByteArray("<!DOCTYPE html>") << QByteArray()
                              << QByteArray("Final:|No game has been recorded yet.");
        QTest::newRow("page in Dutch")
            << QByteArray("/report") << QByteArray("text/html; charset=utf-8")
            << QByteArray("<!DOCTYPE html>") << QByteArray("nl-BE,nl;q=0.9")
            << QByteArray("Eindstand:|Er is nog geen wedstrijd vastgelegd.");
        QTest::newRow("csv") << QByteArray("/report.csv") << QByteArray("text/csv; charset=utf-8")
                             << QByteArray("n,time,kind,action") << QByteArray() << QByteArray();
        QTest::newRow("json") << QByteArray("/report.json") << QByteArray("application/json")
                              << QByteArray("{") << QByteArray() << QByteArray();
    }
    void theWebReportServesTheNewestGame()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, words);
        HttpFront::Request request{"GET", path, {}, "HTTP/1.1", {}, {}, {}};
        request.headers = {{"accept-language", language}};
        QTemporaryDir folder;
        const auto none = reportAnswer(request, folder.path());
        QCOMPARE(none->status, 404);
        QVERIFY(words.isEmpty() || none->body.startsWith(words.split('|').last()));
        playGame(folder.path(), time);
        const auto answer = reportAnswer(request, folder.path());
        QVERIFY(answer);
        QCOMPARE(answer->status, 200);
        QCOMPARE(answer->type, type);
        QVERIFY(answer->body.startsWith(start));
        QVERIFY(answer->body.contains("Tigers") || path == "/report.csv");
        QVERIFY(words.isEmpty() || answer->body.contains(words.split('|').first()));
        request.path += 'x';
        QVERIFY(!reportAnswer(request, folder.path()));
    }

    // The report names a library team in its colours, with its logo inside
    // the page (the board serves only the running game's); a team whose
    // colours read poorly together gets an outline.
    void theReportShowsTheTeamsInTheirColours()
    {
        QTemporaryDir folder;
        playGame(folder.path(), time, 0, teamsWithLogos(folder));
        const HttpFront::Request request{"GET", "/report", {}, "HTTP/1.1", {}, {}, {}};
        const auto answer = reportAnswer(request, folder.path());
        QVERIFY(answer);
        const QString body = QString::fromUtf8(answer->body);
        const QRegularExpression lions(
            QStringLiteral("style='[^']*background:#800080;color:#ffffff;'><img "
                           "src='data:image/png;base64,[A-Za-z0-9+/=]+'[^>]*>Lions</span>"));
        QVERIFY2(lions.match(body).hasMatch(), qPrintable(body.left(2000)));
        QVERIFY(body.contains(QStringLiteral("background:#ffffff;color:#ffff00;text-shadow:")));
        const auto policy =
            std::find_if(answer->headers.cbegin(), answer->headers.cend(),
                         [](const auto &h) { return h.first == "Content-Security-Policy"; });
        QVERIFY(policy != answer->headers.cend());
        QVERIFY(policy->second.contains("img-src 'self' data:"));
    }

    // The largest teams the library keeps, from files of nearly its 256 KB
    // each (every number, names of 600 characters, cut to fit): their game
    // is the newest though another is there, it exports, /report shows it,
    // and it is saved and read back.
    void theLargestTeamsTheLibraryKeepsExport()
    {
        QTemporaryDir teams;
        for (const char *side : {"Home", "Guest"}) {
            QByteArray file =
                "[Team]\nName=" + QByteArray(side) + QString(300, u'€').toUtf8() + "\n[Players]\n";
            const QByteArray name = QString(600, u'€').toUtf8();
            for (int i = 0; i < 110; ++i)
                file += (i < 100 ? QByteArray::number(i) : "0" + QByteArray::number(i - 100)) +
                        '=' + name + '\n';
            QVERIFY(file.size() > 190 * 1024 && file.size() < 256 * 1024);
            QFile written(teams.filePath(QLatin1StringView(side) + u".ini"_qs));
            QVERIFY(written.open(QIODevice::WriteOnly));
            written.write(file);
        }
        QStringList problems;
        const QList<Team> library = TeamLibrary::load(teams.path(), &problems);
        QCOMPARE(library.size(), 2);
        QCOMPARE(problems.size(), 2); // one line for each file cut
        QCOMPARE(library.first().players.size(), 110);
        QCOMPARE(library.first().players.first().name.size(), Team::MaxNameLength);
        const GameSides sides{sideNamed(library.at(0).name, library, teams.path()),
                              sideNamed(library.at(1).name, library, teams.path())};

        QTemporaryDir folder;
        playGame(folder.path(), time);
        const QString log = playGame(folder.path(), time, 0, sides);
        QCOMPARE(GameLog::newestLog(folder.path()), log);
        const QString json = folder.filePath(u"game.json"_qs);
        QCOMPARE(runExport(json, QString(), folder.path()), 0);
        QFile exported(json);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QJsonObject game = QJsonDocument::fromJson(exported.readAll()).object();
        QCOMPARE(game.value(u"homeTeam"_qs)[u"players"_qs].toArray().size(), 110);
        const HttpFront::Request request{"GET", "/report", {}, "HTTP/1.1", {}, {}, {}};
        const auto report = reportAnswer(request, folder.path());
        QVERIFY(report);
        QCOMPARE(report->status, 200);
        QVERIFY(report->body.contains(library.at(1).name.toUtf8()));

        GameModel played(time);
        played.setSides(sides);
        played.setScore(GameModel::Home1, 3);
        GameStateFile state(folder.filePath(u"state"_qs));
        QVERIFY(state.save(SavedGame::of(played)));
        QCOMPARE(state.load()->sides, sides);
    }

    void whatCannotBeDoneExitsWithOne_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("no folder") << QStringLiteral("/nonexistent/game.csv");
        QTest::newRow("unknown format") << QStringLiteral("game.txt");
    }
    void whatCannotBeDoneExitsWithOne()
    {
        QFETCH(QString, file);
        QTemporaryDir folder;
        playGame(folder.path(), time);
        QCOMPARE(runExport(file, QString(), folder.path()), 1);
        QTemporaryDir empty;
        QCOMPARE(runExport(empty.filePath(QStringLiteral("x.csv")), QString(), empty.path()), 1);
    }
};

CORVELLA_TEST_MAIN(TestExport)
#include "tst_export.moc"
