// The operator's side of the installed program, by X input on two screen
// shapes: whole scores typed, refused and taken back with the board saying
// so, an undo that would start the clock asking twice, Esc leaving full
// screen before the start screen, the network window beside the board, and
// the hall's next game loaded with F7.
// Screenshots of the hints, the options and the network window are kept
// under artifacts/e2e/operator/.
#include "tests/e2e/boardreader.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/programrecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Board = QStringLiteral("Corvella by Brannick");
const QString StartScreen = QStringLiteral("Form1");
const QString Panel = QStringLiteral("Board on the network");
const QString Options = QStringLiteral("Corvella");

// The web server on 127.0.0.1 at `port`.
QString webSettings(int port)
{
    return QStringLiteral("[WebSettings]\nWebServer=1\nWebPort=%1\nWebAddress=127.0.0.1\n")
        .arg(port);
}

bool writeSettings(const QTemporaryDir &config, const QString &text)
{
    QFile settings(config.filePath(QStringLiteral("Corvella/Corvella.conf")));
    const QByteArray bytes = text.toUtf8();
    return QDir().mkpath(config.filePath(QStringLiteral("Corvella"))) &&
           settings.open(QIODevice::WriteOnly) && settings.write(bytes) == bytes.size();
}

// Whether an image holds more than one colour: a window Qt has not drawn yet
// is one plain colour.
bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
    return false;
}

// Leaves a retained message on the broker at `port` as the hall does,
// trying for a few seconds while the broker comes up.
} // namespace

class TestEndToEndOperator : public QObject
{
    Q_OBJECT

    QTemporaryDir install;
    std::unique_ptr<Desktop> desktop;
    QString boardId;
    QString shape;
    QImage englishStart;

    BoardReader board(const QString &name) const
    {
        return BoardReader(desktop->screenshot(QStringLiteral("operator/%1-%2").arg(shape, name)),
                           desktop->geometry(boardId));
    }

    bool scoreReads(const QString &expected, const QString &name) const
    {
        return Desktop::waitUntil([&] { return board(name).homeScore(0) == expected; }, 5000);
    }

    bool titled(const QString &notice) const
    {
        return !desktop->waitForWindow(notice + QStringLiteral(" - ") + Board, 5000).isEmpty();
    }

private slots:
    void theOperatorIsNeverLeftGuessing_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("1280x1024") << QSize(1280, 1024);
    }

    void theOperatorIsNeverLeftGuessing()
    {
        QFETCH(QSize, screen);
        shape = QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
        desktop = std::make_unique<Desktop>(screen);
        QString why;
        if (!desktop->startDisplay(&why))
            QSKIP(qPrintable(QStringLiteral("cannot run end-to-end checks: ") + why));
        QTemporaryDir config;
        QVERIFY(
            writeSettings(config, QStringLiteral("[KeySettings]\nWholeScoreEntry=1\nMuteKey=122\n"
                                                 "[DisplaySettings]\nOperatorHints=1\n") +
                                      webSettings(Desktop::freeLocalPort())));
        QVERIFY2(desktop->startInstalledProgram(install.path(), config.path(), &why),
                 qPrintable(why));
        const QString splash = desktop->waitForWindow(StartScreen);
        QVERIFY2(!splash.isEmpty(), "the start screen did not appear");
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(Board);
        QVERIFY2(!boardId.isEmpty(), "the scoreboard did not appear");

        // The network window comes with the server, beside the board.
        QString panel = desktop->waitForWindow(Panel);
        QVERIFY2(!panel.isEmpty(), "the network window did not appear");
        const QRect screenRect(QPoint(0, 0), screen);
        QTRY_VERIFY_WITH_TIMEOUT(!desktop->geometry(panel).intersects(desktop->geometry(boardId)),
                                 5000);
        QVERIFY(screenRect.contains(desktop->geometry(panel)));
        desktop->screenshot(QStringLiteral("operator/%1-network-window").arg(shape));
        desktop->run(QStringLiteral("xdotool"),
                     {QStringLiteral("windowactivate"), QStringLiteral("--sync"), panel});
        desktop->key(QStringLiteral("alt+F4"));
        QVERIFY(desktop->waitForWindowGone(Panel));
        desktop->run(QStringLiteral("xdotool"),
                     {QStringLiteral("windowactivate"), QStringLiteral("--sync"), boardId});
        desktop->key(QStringLiteral("F4"));
        panel = desktop->waitForWindow(Panel);
        QVERIFY2(!panel.isEmpty(), "F4 did not bring the network window back");
        QVERIFY(!desktop->geometry(panel).intersects(desktop->geometry(boardId)));

        // Whole scores, the pending entry and a refusal on the board.
        desktop->click(board(QStringLiteral("opened")).scorePanelPoint(true, 0));
        desktop->type(QStringLiteral("2"));
        desktop->screenshot(QStringLiteral("operator/%1-typed").arg(shape));
        desktop->type(QStringLiteral("3"));
        desktop->key(QStringLiteral("Return"));
        QVERIFY(scoreReads(QStringLiteral("23"), QStringLiteral("score-23")));
        desktop->type(QStringLiteral("+9"));
        QVERIFY(scoreReads(QStringLiteral("32"), QStringLiteral("score-32")));
        desktop->type(QStringLiteral("99"));
        desktop->key(QStringLiteral("Return"));
        QVERIFY(scoreReads(QStringLiteral("99"), QStringLiteral("score-99")));
        desktop->type(QStringLiteral("+5"));
        // Told on the board only ("Not taken: 99 + 5 is over 99", in the screenshot).
        QVERIFY(scoreReads(QStringLiteral("99"), QStringLiteral("refused")));
        QVERIFY(!desktop->waitForWindow(Board, 1000).isEmpty());

        // The mute key: every sound off until it is pressed again, told in
        // the title and in the network window.
        desktop->key(QStringLiteral("z"));
        QVERIFY(titled(QStringLiteral("Sound off")));
        desktop->screenshot(QStringLiteral("operator/%1-sound-off").arg(shape));
        desktop->key(QStringLiteral("z"));
        QVERIFY(!desktop->waitForWindow(Board, 5000).isEmpty());

        // Undo says what it did.
        desktop->key(QStringLiteral("ctrl+z"));
        QVERIFY(scoreReads(QStringLiteral("32"), QStringLiteral("undone")));
        QVERIFY(titled(QStringLiteral("Undone: Home (Section 1) 99 -> 32")));

        // An undo of a stop waits for a second Ctrl+Z.
        desktop->key(QStringLiteral("s"));
        QVERIFY(Desktop::waitUntil(
            [&] { return BoardReader::tenthsOf(board(QStringLiteral("running")).clock()) >= 10; },
            5000));
        desktop->key(QStringLiteral("s"));
        // Stopped once the program has logged the stop; the board then shows
        // where it stopped.
        const QString state = config.filePath(QStringLiteral("state/Corvella"));
        QJsonObject stop;
        QVERIFY(Desktop::waitUntil(
            [&] {
                stop = ProgramRecord::lastStep(state, QStringLiteral("clock.stop"));
                return !stop.isEmpty();
            },
            10000));
        const QString stopped = BoardReader::faceOf(ProgramRecord::clockMsOf(stop));
        QVERIFY(Desktop::waitUntil(
            [&] { return board(QStringLiteral("stopped")).clock() == stopped; }, 5000));
        QElapsedTimer sinceAsking;
        sinceAsking.start();
        desktop->key(QStringLiteral("ctrl+z"));
        QVERIFY2(titled(QStringLiteral("Ctrl+Z again starts the clock from ") + stopped.trimmed()),
                 qPrintable(stopped));
        QCOMPARE(board(QStringLiteral("asked")).clock(), stopped);
        // The program takes the second Ctrl+Z within 2 s of the first. When
        // a loaded machine spent those on the screenshot above, the program
        // has rightly forgotten the question, and the press asks again: one
        // more answers that. In time, the second press alone must start it.
        const bool inTime = sinceAsking.elapsed() < 1500;
        const auto restarted = [&] {
            return Desktop::waitUntil(
                [&] {
                    return BoardReader::tenthsOf(board(QStringLiteral("restarted")).clock()) >
                           BoardReader::tenthsOf(stopped);
                },
                5000);
        };
        desktop->key(QStringLiteral("ctrl+z"));
        bool runs = restarted();
        if (!runs && !inTime) {
            desktop->key(QStringLiteral("ctrl+z"));
            runs = restarted();
        }
        QVERIFY2(runs, inTime ? "the second Ctrl+Z did not start the clock"
                              : "Ctrl+Z, asked again, did not start the clock");
        desktop->key(QStringLiteral("s"));

        // The focus frame on a full-screen board, then Esc out of full screen.
        desktop->key(QStringLiteral("F11"));
        QVERIFY(
            Desktop::waitUntil([&] { return desktop->geometry(boardId).size() == screen; }, 5000));
        QTest::qWait(300);
        desktop->screenshot(QStringLiteral("operator/%1-fullscreen-frame").arg(shape));
        desktop->key(QStringLiteral("Escape"));
        QVERIFY(
            Desktop::waitUntil([&] { return desktop->geometry(boardId).size() != screen; }, 5000));
        QVERIFY(desktop->waitForWindow(StartScreen, 1000).isEmpty());
        QTest::qWait(300);
        desktop->screenshot(QStringLiteral("operator/%1-windowed-frame").arg(shape));

        // The options: every tab in sight, Enter presses Ok.
        desktop->key(QStringLiteral("o"));
        const QString options = desktop->waitForWindow(Options);
        QVERIFY2(!options.isEmpty(), "the options did not open");
        QVERIFY(screenRect.contains(desktop->geometry(options)));
        desktop->screenshot(QStringLiteral("operator/%1-options").arg(shape));
        desktop->key(QStringLiteral("Return"));
        QVERIFY(desktop->waitForWindowGone(Options));

        desktop->key(QStringLiteral("Escape"));
        QVERIFY2(!desktop->waitForWindow(StartScreen).isEmpty(),
                 "the second Esc did not go to the start screen");
        desktop.reset();
    }

    // The hall's next game, retained on its broker, shows in the board's
    // title; F7 and Enter load it: the teams' captions and the preset.
    // The installed board and the installed hall on one broker of the
    // test's own: the hall's schedule sends the court its game, F7 loads it,
    // a score typed on the board reaches /hall.json, and the board killed
    // with kill -9 shows offline there within 15 s.
    void theHallAndItsCourt()
    {
        desktop = std::make_unique<Desktop>(QSize(1366, 768));
        shape = QStringLiteral("hall");
        QString why;
        if (!desktop->startDisplay(&why))
            QSKIP(qPrintable(QStringLiteral("cannot run end-to-end checks: ") + why));
        QTemporaryDir brokerFolder;
        const quint16 port = Desktop::freeLocalPort();
        QFile brokerConfig(brokerFolder.filePath(QStringLiteral("mosquitto.conf")));
        QVERIFY(brokerConfig.open(QIODevice::WriteOnly));
        brokerConfig.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\n"
                                          "persistence false\n")
                               .arg(port)
                               .toUtf8());
        brokerConfig.close();
        QProcess broker;
        broker.setStandardErrorFile(QProcess::nullDevice());
        broker.start(QStringLiteral("mosquitto"), {QStringLiteral("-c"), brokerConfig.fileName()});
        QVERIFY(broker.waitForStarted(5000));
        const auto stopBroker = qScopeGuard([&broker] {
            broker.kill();
            broker.waitForFinished(5000);
        });

        QTemporaryDir config;
        QVERIFY(writeSettings(config,
                              QStringLiteral("[HallSettings]\nBroker=127.0.0.1:%1\n").arg(port) +
                                  webSettings(Desktop::freeLocalPort())));
        QFile day(config.filePath(QStringLiteral("day.csv")));
        QVERIFY(day.open(QIODevice::WriteOnly));
        day.write("time,court,home,guest,preset\n10:30,1,Owls,Larks,Handball\n");
        day.close();
        QProcess *court = desktop->startInstalledProgram(install.path(), config.path(), &why);
        QVERIFY2(court, qPrintable(why));
        QProcess hall;
        QProcessEnvironment hallEnvironment = desktop->environment();
        hallEnvironment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        hall.setProcessEnvironment(hallEnvironment);
        hall.setStandardErrorFile(config.filePath(QStringLiteral("hall.log")));
        const quint16 hallPort = Desktop::freeLocalPort();
        hall.start(install.path() + QStringLiteral("/bin/corvella"),
                   {QStringLiteral("--hall"), QStringLiteral("--headless"),
                    QStringLiteral("--port"), QString::number(hallPort),
                    QStringLiteral("--state-dir"), config.filePath(QStringLiteral("hall")),
                    QStringLiteral("--schedule"), day.fileName()});
        QVERIFY(hall.waitForStarted(5000));
        const auto stopHall = qScopeGuard([&hall] {
            hall.kill();
            hall.waitForFinished(5000);
        });

        const QString splash = desktop->waitForWindow(StartScreen);
        QVERIFY2(!splash.isEmpty(), "the start screen did not appear");
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(
            QStringLiteral("Next: Owls - Larks (Handball), F7 - ") + Board, 15000);
        QVERIFY2(!boardId.isEmpty(), "the hall's next game did not show on the board");
        desktop->run(QStringLiteral("xdotool"),
                     {QStringLiteral("windowactivate"), QStringLiteral("--sync"), boardId});
        desktop->key(QStringLiteral("F7"));
        QVERIFY2(!desktop->waitForWindow(QStringLiteral("New game?")).isEmpty(),
                 "F7 asked nothing");
        desktop->screenshot(QStringLiteral("operator/next-game-question"));
        desktop->key(QStringLiteral("Return"));
        QVERIFY(desktop->waitForWindowGone(QStringLiteral("New game?")));
        boardId = desktop->waitForWindow(Board);
        QVERIFY2(!boardId.isEmpty(), "the next game's line stayed");
        const QSettings kept(config.filePath(QStringLiteral("Corvella/Corvella.conf")),
                             QSettings::IniFormat);
        QCOMPARE(kept.value(QStringLiteral("TextSettings/HomeText")).toString(), u"Owls"_qs);
        QCOMPARE(kept.value(QStringLiteral("ClockSettings/PeriodLength")).toString(), u"30.00"_qs);

        desktop->click(board(QStringLiteral("before-score")).scorePanelPoint(true, 0));
        desktop->type(QStringLiteral("7"));
        desktop->key(QStringLiteral("Return"));
        QVERIFY(scoreReads(QStringLiteral(" 7"), QStringLiteral("score-7")));
        const auto hallCourt = [&] {
            const QJsonDocument json = QJsonDocument::fromJson(
                desktop
                    ->run(QStringLiteral("curl"),
                          {QStringLiteral("-s"),
                           QStringLiteral("http://127.0.0.1:%1/hall.json").arg(hallPort)})
                    .toUtf8());
            return json.object().value(u"courts").toArray().at(0).toObject();
        };
        QVERIFY2(Desktop::waitUntil(
                     [&] {
                         const QJsonObject c = hallCourt();
                         return c.value(u"state").toObject().value(u"scores").toArray().at(0) ==
                                    7 &&
                                c.value(u"state").toObject().value(u"board").toObject().value(
                                    u"home") == u"Owls"_qs;
                     },
                     10000),
                 "the board's score did not reach the hall");
        QVERIFY(hallCourt().value(u"online").toBool());

        QElapsedTimer gone;
        gone.start();
        court->kill();
        QVERIFY2(
            Desktop::waitUntil([&] { return !hallCourt().value(u"online").toBool(true); }, 20000),
            "the hall never saw the court go");
        qInfo("the hall saw the court go %lld ms after kill -9", gone.elapsed());
        // The kernel closes a killed program's connection, so the broker
        // tells its last will at once; a court whose will is lost is
        // found only by the keep-alive, one and a half times its 10 s.
        QVERIFY(gone.elapsed() <= 15500);

        // The broker gone: the hall says its own link is down and keeps the
        // courts as it last heard them.
        const auto hallLinkUp = [&] {
            return QJsonDocument::fromJson(
                       desktop
                           ->run(QStringLiteral("curl"),
                                 {QStringLiteral("-s"),
                                  QStringLiteral("http://127.0.0.1:%1/hall.json").arg(hallPort)})
                           .toUtf8())
                .object()
                .value(u"link")
                .toObject()
                .value(u"up")
                .toBool(true);
        };
        broker.kill();
        broker.waitForFinished(5000);
        QVERIFY2(Desktop::waitUntil([&] { return !hallLinkUp(); }, 20000),
                 "the hall never said its link was down");
        QCOMPARE(hallCourt().value(u"state").toObject().value(u"scores").toArray().at(0), 7);
        desktop.reset();
    }

    // The installed program in the desktop's language: Dutch on the start
    // screen, in the options and the network window's title; English, byte
    // for byte, for a language it does not speak.
    void theInstalledProgramSpeaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("panelTitle");
        QTest::addColumn<QString>("section1");
        QTest::newRow("en") << QStringLiteral("en") << Panel << QStringLiteral("Section 1");
        QTest::newRow("ja") << QStringLiteral("ja") << Panel << QStringLiteral("Section 1");
        QTest::newRow("nl") << QStringLiteral("nl") << QStringLiteral("Bord op het netwerk")
                            << QStringLiteral("Sectie 1");
    }

    void theInstalledProgramSpeaksTheDesktopsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, panelTitle);
        QFETCH(QString, section1);
        desktop = std::make_unique<Desktop>(QSize(1366, 768));
        QString why;
        if (!desktop->startDisplay(&why))
            QSKIP(qPrintable(QStringLiteral("cannot run end-to-end checks: ") + why));
        QTemporaryDir config;
        const QString token = QStringLiteral("0123456789abcdef0123456789abcdef");
        const quint16 webPort = Desktop::freeLocalPort();
        QVERIFY(writeSettings(config, webSettings(webPort) +
                                          QStringLiteral("Api=1\nApiToken=%1\n").arg(token)));
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANGUAGE"), language);
        QVERIFY2(desktop->startInstalledProgram(install.path(), config.path(), &why, env),
                 qPrintable(why));
        const QString splash = desktop->waitForWindow(StartScreen);
        QVERIFY2(!splash.isEmpty(), "the start screen did not appear");
        const QRect splashRect = desktop->geometry(splash);
        // Its first frame: drawn, and two screenshots in a row agree.
        QImage start;
        QVERIFY2(Desktop::waitUntil(
                     [&] {
                         const QImage now =
                             desktop->screenshot(QStringLiteral("language/%1-start").arg(language))
                                 .copy(splashRect);
                         const bool settled = now == start && hasInk(now);
                         start = now;
                         return settled;
                     },
                     10000),
                 "the start screen was not drawn");
        if (language == u"en")
            englishStart = start;
        else if (language == u"ja")
            QVERIFY2(start == englishStart, "an unknown language changed the start screen");
        else
            QVERIFY2(start != englishStart, "the start screen stayed English");

        desktop->click(splashRect.topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(Board);
        QVERIFY2(!boardId.isEmpty(), "the scoreboard did not appear");
        QVERIFY2(!desktop->waitForWindow(panelTitle).isEmpty(), qPrintable(panelTitle));
        // The stored default caption in the board's language, as every view draws it.
        const QJsonObject state =
            QJsonDocument::fromJson(
                desktop
                    ->run(QStringLiteral("curl"),
                          {QStringLiteral("-s"), QStringLiteral("-H"),
                           QStringLiteral("Authorization: Bearer ") + token,
                           QStringLiteral("http://127.0.0.1:%1/api/v1/state").arg(webPort)})
                    .toUtf8())
                .object();
        QCOMPARE(state.value(u"board").toObject().value(u"section1").toString(), section1);
        desktop->run(QStringLiteral("xdotool"),
                     {QStringLiteral("windowactivate"), QStringLiteral("--sync"), boardId});
        desktop->key(QStringLiteral("o"));
        QVERIFY2(!desktop->waitForWindow(Options).isEmpty(), "the options did not open");
        QTest::qWait(300);
        desktop->screenshot(QStringLiteral("language/%1-options").arg(language));
        desktop->key(QStringLiteral("Return"));
        QVERIFY(desktop->waitForWindowGone(Options));
        desktop.reset();
    }
};

QTEST_GUILESS_MAIN(TestEndToEndOperator)
#include "tst_e2e_operator.moc"
