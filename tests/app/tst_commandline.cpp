#include "tests/support/testenv.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

// The program as a terminal user meets it: options, exit statuses, and what
// happens without a display.
class TestCommandLine : public QObject
{
    Q_OBJECT

    struct Run
    {
        int exitCode = -1;
        QProcess::ExitStatus status = QProcess::CrashExit;
        QString out, err;
    };

    static Run run(const QStringList &arguments, const QStringList &environment)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1StringView(name));
        for (const QString &setting : environment)
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(CORVELLA_EXECUTABLE), arguments);
        Run result;
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitCode();
        result.status = process.exitStatus();
        result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }

private slots:
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QStringList none;
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << none << 0
                                << QStringLiteral("--fullscreen") << QString();
        QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << none << 0
                            << QStringLiteral("--screen <N>") << QString();
        QTest::newRow("--help in German")
            << QStringList{QStringLiteral("--help")} << QStringList{QStringLiteral("LANGUAGE=de")}
            << 0 << QStringLiteral("Diese Hilfe zeigen und beenden.") << QString();
        QTest::newRow("--help in Dutch by LANG")
            << QStringList{QStringLiteral("--help")}
            << QStringList{QStringLiteral("LANGUAGE="), QStringLiteral("LC_ALL="),
                           QStringLiteral("LC_MESSAGES="), QStringLiteral("LANG=nl_NL.UTF-8")}
            << 0 << QStringLiteral("Deze hulp tonen en afsluiten.") << QString();
        QTest::newRow("--help in English before German")
            << QStringList{QStringLiteral("--help")}
            << QStringList{QStringLiteral("LANGUAGE=en:de")} << 0
            << QStringLiteral("Show this help and exit.") << QString();
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << none << 0
                                   << QStringLiteral("corvella 1.0.0\n") << QString();
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("--frobnicate")} << none << 2 << QString()
            << QStringLiteral("Unknown option 'frobnicate'");
        QTest::newRow("stray argument") << QStringList{QStringLiteral("game.txt")} << none << 2
                                        << QString() << QStringLiteral("Usage: corvella");
        QTest::newRow("screen that is no number")
            << QStringList{QStringLiteral("--screen"), QStringLiteral("two")} << none << 2
            << QString() << QStringLiteral("--screen takes a screen number");
        QTest::newRow("screen 0") << QStringList{QStringLiteral("--screen=0")} << none << 2
                                  << QString() << QStringLiteral("--screen takes a screen number");
        QTest::newRow("--state-dir without a folder")
            << QStringList{QStringLiteral("--state-dir=")} << none << 2 << QString()
            << QStringLiteral("--state-dir needs a folder");
        QTest::newRow("--game without --export")
            << QStringList{QStringLiteral("--game"), QStringLiteral("old.jsonl")} << none << 2
            << QString() << QStringLiteral("--game is only for --export");
        QTest::newRow("--csv-excel without --export")
            << QStringList{QStringLiteral("--csv-excel")} << none << 2 << QString()
            << QStringLiteral("--csv-excel is only for --export");
        QTest::newRow("--port without --hall")
            << QStringList{QStringLiteral("--port=8090")} << none << 2 << QString()
            << QStringLiteral("--port takes a port from 1 to 65535, with --hall");
        QTest::newRow("--port 0 for the hall")
            << QStringList{QStringLiteral("--hall"), QStringLiteral("--port=0")} << none << 2
            << QString() << QStringLiteral("--port takes a port from 1 to 65535, with --hall");
        QTest::newRow("--accept without its game")
            << QStringList{QStringLiteral("--hall"), QStringLiteral("--accept"),
                           QStringLiteral("1")}
            << none << 2 << QString() << QStringLiteral("--accept COURT GAME goes with --hall");
        QTest::newRow("--accept without --hall")
            << QStringList{QStringLiteral("--accept"), QStringLiteral("1"), QStringLiteral("g")}
            << none << 2 << QString() << QStringLiteral("--accept COURT GAME goes with --hall");
    }

    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run result = run(arguments, environment);
        QCOMPARE(result.status, QProcess::NormalExit);
        QCOMPARE(result.exitCode, exitCode);
        if (out.isEmpty())
            QVERIFY2(result.out.isEmpty(), qPrintable(result.out));
        else
            QVERIFY2(result.out.contains(out), qPrintable(result.out));
        if (err.isEmpty()) {
            QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
        } else {
            QVERIFY2(result.err.contains(err), qPrintable(result.err));
            QVERIFY2(result.err.contains(QStringLiteral("Usage: corvella")),
                     qPrintable(result.err));
        }
    }

    void anExportNeedsNoDisplay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<bool>("stateDir");
        QTest::newRow("written") << QStringLiteral("game.pdf") << QStringList() << 0 << QString()
                                 << QByteArray("%PDF") << false;
        QTest::newRow("csv") << QStringLiteral("game.csv") << QStringList() << 0 << QString()
                             << QByteArray("n,time,kind,") << false;
        QTest::newRow("csv for a spreadsheet")
            << QStringLiteral("game.csv") << QStringList{QStringLiteral("--csv-excel")} << 0
            << QString() << QByteArray("\xEF\xBB\xBFn;time;kind;") << false;
        QTest::newRow("folder not there")
            << QStringLiteral("not/there/game.csv") << QStringList() << 1
            << QStringLiteral("corvella: cannot write") << QByteArray() << false;
        QTest::newRow("from the folder --state-dir names")
            << QStringLiteral("game.csv") << QStringList() << 0 << QString()
            << QByteArray("n,time,kind,") << true;
    }
    void anExportNeedsNoDisplay()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, more);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QByteArray, start);
        QFETCH(bool, stateDir);
        QTemporaryDir state;
        QVERIFY(QDir().mkpath(state.filePath(QStringLiteral("Corvella/games"))));
        QFile log(state.filePath(QStringLiteral("Corvella/games/2026-12-08_1930_A-B.jsonl")));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write(R"({"format":"corvella-game-log","version":1,"home":"A","guest":"B"})"
                  "\n");
        log.close();
        QStringList arguments =
            QStringList{QStringLiteral("--export"), state.filePath(file)} + more;
        if (stateDir)
            arguments << QStringLiteral("--state-dir")
                      << state.filePath(QStringLiteral("Corvella"));
        const Run result = run(
            arguments, {QStringLiteral("XDG_STATE_HOME=") +
                        (stateDir ? state.filePath(QStringLiteral("elsewhere")) : state.path())});
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
        QFile written(state.filePath(file));
        QCOMPARE(written.open(QIODevice::ReadOnly), exitCode == 0);
        QVERIFY(written.readAll().startsWith(start));
    }

    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::newRow("no DISPLAY, no WAYLAND_DISPLAY") << QStringList{};
        QTest::newRow("a display that is not there")
            << QStringList{QStringLiteral("DISPLAY=:4711")};
        QTest::newRow("the X platform asked for, no display")
            << QStringList{QStringLiteral("QT_QPA_PLATFORM=xcb")};
    }

    void withoutADisplay()
    {
        QFETCH(QStringList, environment);
        const Run result = run({}, environment);
        QCOMPARE(result.status, QProcess::NormalExit);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.err.startsWith(QStringLiteral("corvella: cannot open a display")),
                 qPrintable(result.err));
        QCOMPARE(result.err.count(u'\n'), 1);
        QVERIFY(!result.err.contains(QStringLiteral("Reinstalling")));
    }

    void anUnknownPlatformIsNamedNotBlamedOnTheDisplay()
    {
        const Run result = run({QStringLiteral("-platform"), QStringLiteral("xxx")},
                               {QStringLiteral("DISPLAY=:4711")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.startsWith(QStringLiteral("corvella: ")), qPrintable(result.err));
        QVERIFY2(result.err.contains(QStringLiteral("\"xxx\"")), qPrintable(result.err));
        QVERIFY2(!result.err.contains(QStringLiteral("cannot open a display")),
                 qPrintable(result.err));
    }
};

CORVELLA_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
