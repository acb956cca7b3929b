// The HTTP API against the installed program: curl on 127.0.0.1 starts the
// clock, adds three to home and sounds the buzzer; the board shows it, and
// Ctrl+Z at the board takes the score back. With the players on, five fouls
// put home #7 out, a guest penalty runs only with the clock, and the printed
// result lists #7 with the five fouls.
#include "tests/e2e/boardreader.h"
#include "tests/e2e/desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString Board = u"Corvella by Brannick"_s;
const QString StartScreen = u"Form1"_s;
const QString Token = u"5f0c1d2e3a4b59687766554433221100"_s;

} // namespace

class TestEndToEndApi : public QObject
{
    Q_OBJECT

    std::unique_ptr<Desktop> desktop;
    QTemporaryDir install;
    QTemporaryDir config;
    quint16 port = 0;
    QString boardId;
    bool sound = false;
    int shots = 0;

    // The HTTP status curl got.
    int curl(const QString &path, const QString &body = {})
    {
        QStringList args = {u"-s"_s,   u"-o"_s,           u"/dev/null"_s,
                            u"-w"_s,   u"%{http_code}"_s, u"-X"_s,
                            u"POST"_s, u"-H"_s,           u"Authorization: Bearer "_s + Token};
        if (!body.isEmpty())
            args << u"-d"_s << body;
        args << u"http://127.0.0.1:%1/api/v1/%2"_s.arg(port).arg(path);
        return desktop->run(u"curl"_s, args).trimmed().toInt();
    }

    // The game as GET /api/v1/state gives it.
    QJsonObject state()
    {
        const QString body =
            desktop->run(u"curl"_s, {u"-s"_s, u"-H"_s, u"Authorization: Bearer "_s + Token,
                                     u"http://127.0.0.1:%1/api/v1/state"_s.arg(port)});
        return QJsonDocument::fromJson(body.toUtf8()).object();
    }

    QJsonArray guestPenalties()
    {
        return state().value(u"penalties"_s).toObject().value(u"guest"_s).toArray();
    }

    std::optional<BoardReader> boardReads(const std::function<bool(const BoardReader &)> &done,
                                          const QString &name)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 5000) {
            BoardReader reading(
                desktop->screenshot(u"api/%1-%2"_s.arg(++shots, 2, 10, QChar(u'0')).arg(name)),
                desktop->geometry(boardId));
            if (done(reading))
                return reading;
        }
        return std::nullopt;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"curl"_s).isEmpty())
            QSKIP("curl is not installed");
        desktop = std::make_unique<Desktop>(QSize(1920, 1080));
        QString why;
        if (!desktop->startDisplay(&why))
            QSKIP(qPrintable(u"cannot run end-to-end checks: "_s + why));
        sound = desktop->startSound(&why);
        if (!sound)
            qWarning("the buzzer will not be checked: %s", qPrintable(why));
        port = Desktop::freeLocalPort();
        QVERIFY(port != 0);
        QVERIFY(QDir().mkpath(config.filePath(u"Corvella"_s)));
        QFile settings(config.filePath(u"Corvella/Corvella.conf"_s));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(u"[WebSettings]\nWebServer=1\nWebPort=%1\nWebAddress=127.0.0.1\nApi=1\n"
                       "ApiToken=%2\n[PlayerSettings]\nEnabled=1\n"_s.arg(port)
                           .arg(Token)
                           .toUtf8());
        settings.close();
        QVERIFY2(desktop->startInstalledProgram(install.path(), config.path(), &why),
                 qPrintable(why));
        const QString splash = desktop->waitForWindow(StartScreen);
        QVERIFY2(!splash.isEmpty(), "the start screen did not appear");
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(Board);
        QVERIFY2(!boardId.isEmpty(), "the scoreboard did not appear");
    }

    void cleanupTestCase() { desktop.reset(); }

    void curlDrivesTheBoard()
    {
        QVERIFY(Desktop::waitUntil([&] { return curl(u"clock/start"_s) == 200; }, 10000));
        QCOMPARE(curl(u"score/home/1"_s, uR"({"add":3})"_s), 200);
        const qsizetype start = sound ? desktop->recording().size() : 0;
        QCOMPARE(curl(u"buzzer"_s), 200);
        QCOMPARE(curl(u"score/home/1"_s, uR"({"add":-4})"_s), 409);

        const auto scored = boardReads(
            [](const BoardReader &b) { return b.homeScore(0).trimmed() == u"3"_s; }, u"scored"_s);
        QVERIFY2(scored, "the board does not show home 3");
        const int first = BoardReader::tenthsOf(scored->clock());
        const auto later = boardReads(
            [&](const BoardReader &b) { return BoardReader::tenthsOf(b.clock()) > first + 5; },
            u"running"_s);
        QVERIFY2(later, "the clock does not run");
        if (sound)
            QVERIFY(!desktop->burstsWhenEnded(start, 1).isEmpty());

        // The operator takes the score back at the board, like any key's.
        desktop->run(u"xdotool"_s, {u"windowactivate"_s, u"--sync"_s, boardId});
        desktop->key(u"ctrl+z"_s);
        const auto undone = boardReads(
            [](const BoardReader &b) { return b.homeScore(0).trimmed() != u"3"_s; }, u"undone"_s);
        QVERIFY2(undone, "Ctrl+Z did not take the score back");
        QCOMPARE(undone->homeScore(0).trimmed().toInt(), 0);
    }

    void fiveFoulsAndAPenaltyThroughTheApi()
    {
        QCOMPARE(curl(u"clock/stop"_s), 200);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(curl(u"foul/home"_s, uR"({"player":7})"_s), 200);
        QCOMPARE(curl(u"foul/home"_s, uR"({"player":"007"})"_s), 400);
        // The board names the player in its title for a few seconds.
        QVERIFY(Desktop::waitUntil(
            [&] {
                return desktop->run(u"xdotool"_s, {u"getwindowname"_s, boardId})
                    .contains(u"#7: 5th foul"_s);
            },
            3000));
        const QJsonObject seven =
            state().value(u"players"_s).toObject().value(u"home"_s).toArray().first().toObject();
        QCOMPARE(seven.value(u"fouls"_s).toInt(), 5);
        QVERIFY(seven.value(u"out"_s).toBool());

        // Four seconds for guest #12: standing while the clock stands.
        QCOMPARE(curl(u"penalty/guest"_s, uR"({"player":12,"seconds":4})"_s), 200);
        QTest::qWait(1000);
        QCOMPARE(guestPenalties().first().toObject().value(u"ms"_s).toInteger(), 4000);
        QCOMPARE(curl(u"clock/start"_s), 200);
        // Deadlines well past the penalty's 4 s: a penalty that stands
        // still never gets there.
        QVERIFY(Desktop::waitUntil(
            [&] {
                const QJsonArray left = guestPenalties();
                return !left.isEmpty() && left.first().toObject().value(u"ms"_s).toInteger() < 3000;
            },
            10000));
        QVERIFY(Desktop::waitUntil([&] { return guestPenalties().isEmpty(); }, 10000));
        QCOMPARE(curl(u"clock/stop"_s), 200);
    }

    // The game as the installed program exports it beside the running one,
    // read back as text: home's box score has #7 with five fouls, guest's
    // #12 with the one penalty.
    void thePrintedResultListsTheFouls()
    {
        const QString folder = QStringLiteral(CORVELLA_ARTIFACTS "/e2e/api");
        QVERIFY(QDir().mkpath(folder));
        const QString pdf = folder + u"/result.pdf"_s;
        QFile::remove(pdf);
        QProcessEnvironment env = desktop->environment();
        env.insert(u"XDG_CONFIG_HOME"_s, config.path());
        env.insert(u"XDG_STATE_HOME"_s, config.filePath(u"state"_s));
        QProcess exporter;
        exporter.setProcessEnvironment(env);
        exporter.start(install.filePath(u"bin/corvella"_s), {u"--export"_s, pdf});
        QVERIFY(exporter.waitForFinished(30000));
        QVERIFY2(exporter.exitCode() == 0, exporter.readAllStandardError().constData());
        QCOMPARE(desktop->run(u"pdftoppm"_s, {u"-png"_s, u"-r"_s, u"60"_s, u"-singlefile"_s, pdf,
                                              folder + u"/result"_s}),
                 QString());
        QVERIFY(QFile::exists(folder + u"/result.png"_s));

        // Home's table is the left one: its rows begin the lines. Points,
        // fouls, penalties.
        const QString text = desktop->run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        static const QRegularExpression seven(u"^\\s*#7\\s+(\\d+)\\s+(\\d+)\\s+(\\d+)"_s,
                                              QRegularExpression::MultilineOption);
        const QRegularExpressionMatch row = seven.match(text);
        QVERIFY2(row.hasMatch(), qPrintable(text));
        QCOMPARE(row.captured(2).toInt(), 5);
        QVERIFY2(text.contains(QRegularExpression(u"#12\\s+0\\s+0\\s+1\\b"_s)), qPrintable(text));
    }
};

QTEST_MAIN(TestEndToEndApi)
#include "tst_e2e_api.moc"
