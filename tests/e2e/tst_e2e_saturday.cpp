// An operator's Saturday: each shipped preset's game played on the installed
// program through X keys and clicks alone, at short period lengths. Scores are
// typed on the clicked score, a timeout is taken by key, the fouls go to the
// bonus, a period ends by the clock, an undo and a redo are pressed in the
// break, and `n` leads to the final. Then the printed result is rendered and
// measured, and the CSV and JSON exports are held against the board and the
// steps taken.
// Screenshots and the rendered page are kept under artifacts/e2e/saturday/.
#include "tests/e2e/boardreader.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/shard.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Board = QStringLiteral("Corvella by Brannick");
const QString StartScreen = QStringLiteral("Form1");

// A preset's settings with every length cut to seconds, so a game takes moments.
bool writeShortGame(const QString &presetFile, const QTemporaryDir &config, bool wholeScores)
{
    if (!QDir().mkpath(config.filePath(QStringLiteral("Corvella"))))
        return false;
    QSettings preset(presetFile, QSettings::IniFormat);
    QSettings conf(config.filePath(QStringLiteral("Corvella/Corvella.conf")), QSettings::IniFormat);
    for (const QString &key : preset.allKeys()) {
        if (!key.startsWith(QLatin1StringView("Preset/")))
            conf.setValue(key, preset.value(key));
    }
    const auto shortened = [&](const QString &key, const QString &to) {
        const QString lengths = preset.value(key).toStringList().join(u',').trimmed();
        if (lengths.isEmpty())
            return;
        QStringList cut;
        for (qsizetype i = 0; i < lengths.split(u',').size(); ++i)
            cut << to;
        conf.setValue(key, cut.join(QStringLiteral(", ")));
    };
    conf.setValue(QStringLiteral("ClockSettings/PeriodLength"), QStringLiteral("0.03"));
    shortened(QStringLiteral("ClockSettings/BreakLengths"), QStringLiteral("0.03"));
    shortened(QStringLiteral("ClockSettings/OvertimeLength"), QStringLiteral("0.03"));
    conf.setValue(QStringLiteral("ClockSettings/TimeoutLength"), QStringLiteral("0.01"));
    conf.setValue(QStringLiteral("KeySettings/WholeScoreEntry"), wholeScores ? 1 : 0);
    conf.setValue(QStringLiteral("DisplaySettings/OperatorHints"), 1);
    conf.setValue(QStringLiteral("TextSettings/HomeText"), QStringLiteral("Neustadt"));
    conf.setValue(QStringLiteral("TextSettings/GuestText"), QStringLiteral("Altstadt"));
    conf.sync();
    return conf.status() == QSettings::NoError;
}

// One word of `pdftotext -bbox`, in points from the page's top left.
struct PdfWord
{
    QString text;
    QRectF box;
};

struct PdfPage
{
    QSizeF size;
    QList<PdfWord> words;
};

QList<PdfPage> pdfWords(const QString &html)
{
    static const QRegularExpression page(
        QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression word(QString::fromLatin1(
        R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    for (const QString &part : html.split(QStringLiteral("</page>"))) {
        const auto p = page.match(part);
        if (!p.hasMatch())
            continue;
        PdfPage found{{p.captured(1).toDouble(), p.captured(2).toDouble()}, {}};
        for (auto it = word.globalMatch(part); it.hasNext();) {
            const auto w = it.next();
            found.words.append(
                {w.captured(5),
                 QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                        QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
        }
        pages.append(found);
    }
    return pages;
}

} // namespace

class TestEndToEndSaturday : public QObject
{
    Q_OBJECT

    QTemporaryDir install;
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<QTemporaryDir> config;
    QString boardId;
    QString preset;
    int shots = 0;

    BoardReader board(const QString &name)
    {
        return BoardReader(desktop->screenshot(QStringLiteral("saturday/%1-%2-%3")
                                                   .arg(preset)
                                                   .arg(++shots, 2, 10, QLatin1Char('0'))
                                                   .arg(name)),
                           desktop->geometry(boardId));
    }

    QString stateFolder() const { return config->filePath(QStringLiteral("state/Corvella")); }

    // The saved game the program keeps on disk: the newest generation.
    QJsonObject savedGame() const
    {
        QJsonObject newest;
        const QDir folder(stateFolder());
        for (const QString &name : folder.entryList({QStringLiteral("game-*.json")})) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QJsonObject game = QJsonDocument::fromJson(file.readAll()).object();
            if (game.value(QStringLiteral("sequence")).toInteger() >=
                newest.value(QStringLiteral("sequence")).toInteger(-1))
                newest = game;
        }
        return newest;
    }

    int savedScore(int which) const
    {
        return savedGame().value(QStringLiteral("scores")).toArray().at(which).toInt(-1);
    }

    bool savedShows(const std::function<bool(const QJsonObject &)> &condition,
                    int timeoutMs = 8000) const
    {
        return Desktop::waitUntil([&] { return condition(savedGame()); }, timeoutMs);
    }

    bool savedPhase(const QString &phase, int period) const
    {
        return savedShows([&](const QJsonObject &g) {
            return g.value(QStringLiteral("phase")).toString() == phase &&
                   g.value(QStringLiteral("period")).toInt() == period;
        });
    }

    // Whether the game's log holds this text yet.
    bool logged(const QByteArray &text) const
    {
        const QDir games(stateFolder() + QStringLiteral("/games"));
        for (const QString &name : games.entryList({QStringLiteral("*.jsonl")})) {
            QFile log(games.filePath(name));
            if (log.open(QIODevice::ReadOnly) && log.readAll().contains(text))
                return true;
        }
        return false;
    }

    int timeoutsTaken(int team) const
    {
        int taken = 0;
        const QJsonArray halves =
            savedGame().value(QStringLiteral("timeoutsTaken")).toArray().at(team).toArray();
        for (const QJsonValue &n : halves)
            taken += n.toInt();
        return taken;
    }

    // Section 1's home score as the board shows it, without its blanks.
    QString homeScore(const QString &name, bool threeDigits)
    {
        const BoardReader b = board(name);
        return (threeDigits ? b.homeScore3() : b.homeScore(0)).trimmed();
    }

    bool homeScoreReads(const QString &expected, bool threeDigits)
    {
        return Desktop::waitUntil(
            [&] { return homeScore(QStringLiteral("home-") + expected, threeDigits) == expected; },
            5000);
    }

    void clickScore(bool home, int section)
    {
        desktop->click(board(QStringLiteral("before-click")).scorePanelPoint(home, section));
    }

    QByteArray exportGame(const QString &file)
    {
        QProcessEnvironment env = desktop->environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config->path());
        env.insert(QStringLiteral("XDG_STATE_HOME"), config->filePath(QStringLiteral("state")));
        QProcess corvella;
        corvella.setProcessEnvironment(env);
        corvella.start(install.filePath(QStringLiteral("bin/corvella")),
                       {QStringLiteral("--export"), file});
        if (!corvella.waitForFinished(60000) || corvella.exitCode() != 0)
            return "export failed: " + corvella.readAllStandardError();
        QFile written(file);
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }

private slots:
    void anOperatorsSaturday_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("wholeScores");
        QTest::newRow("Classic") << QStringLiteral("classic") << false;
        QTest::newRow("Basketball") << QStringLiteral("basketball") << false;
        QTest::newRow("Basketball, whole scores") << QStringLiteral("basketball") << true;
        QTest::newRow("Handball, whole scores") << QStringLiteral("handball") << true;
        QTest::newRow("Futsal") << QStringLiteral("futsal") << false;
        QTest::newRow("Ice hockey") << QStringLiteral("icehockey") << false;
        QTest::newRow("Floorball") << QStringLiteral("floorball") << false;
        QTest::newRow("Football") << QStringLiteral("football") << false;
    }

    void anOperatorsSaturday()
    {
        if (!rowInThisShard())
            QSKIP("another shard runs this row");
        QFETCH(QString, file);
        QFETCH(bool, wholeScores);
        preset = file + (wholeScores ? QStringLiteral("-whole") : QString());
        shots = 0;
        const QString presetFile =
            QStringLiteral(CORVELLA_SOURCE_DIR "/game/presets/") + file + QStringLiteral(".ini");
        const QSettings rules(presetFile, QSettings::IniFormat);
        const int periods = rules.value(QStringLiteral("ClockSettings/Periods")).toInt();
        const bool threeDigits = rules.value(QStringLiteral("DisplaySettings/ScoreDigits")) == 3;
        const int bonusAt = rules.value(QStringLiteral("TextSettings/FoulBonusAt")).toInt();
        const bool timeouts =
            rules.value(QStringLiteral("ClockSettings/TimeoutsPerGame")).toInt() > 0 ||
            !rules.value(QStringLiteral("ClockSettings/TimeoutsPerHalf"))
                 .toStringList()
                 .join(QString())
                 .trimmed()
                 .isEmpty();

        desktop = std::make_unique<Desktop>(QSize(1366, 768));
        QString why;
        if (!desktop->startDisplay(&why))
            QSKIP(qPrintable(QStringLiteral("cannot run end-to-end checks: ") + why));
        config = std::make_unique<QTemporaryDir>();
        QVERIFY(writeShortGame(presetFile, *config, wholeScores));
        QVERIFY2(desktop->startInstalledProgram(install.path(), config->path(), &why),
                 qPrintable(why));
        const QString splash = desktop->waitForWindow(StartScreen);
        QVERIFY2(!splash.isEmpty(), "the start screen did not appear");
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(Board);
        QVERIFY2(!boardId.isEmpty(), "the scoreboard did not appear");

        // Scores typed on the clicked score: every key counts once.
        clickScore(true, 0);
        desktop->type(wholeScores ? QStringLiteral("12") : QStringLiteral("3"));
        desktop->key(QStringLiteral("Return"));
        const int typed = wholeScores ? 12 : 3;
        QVERIFY(homeScoreReads(QString::number(typed), threeDigits));
        desktop->type(QStringLiteral("+3"));
        QVERIFY(homeScoreReads(QString::number(typed + 3), threeDigits));
        // With the score focused, `s` starts the clock and a second `s` stops it.
        const auto clockMs = [&] {
            return savedGame().value(QStringLiteral("clockMs")).toInteger();
        };
        const qint64 startMs = clockMs();
        desktop->key(QStringLiteral("s"));
        // The clock runs 1.2 s from when the program took the key.
        QVERIFY2(Desktop::waitUntil([&] { return logged("\"clock.start\""); }, 10000),
                 "s did not start the clock");
        QTest::qWait(1200);
        desktop->key(QStringLiteral("s"));
        QVERIFY(savedShows([&](const QJsonObject &) { return qAbs(clockMs() - startMs) >= 1000; }));
        desktop->key(QStringLiteral("r"));
        QVERIFY(savedShows([&](const QJsonObject &) { return clockMs() == startMs; }));
        clickScore(false, 0);
        desktop->type(QStringLiteral("+2"));
        QVERIFY(savedShows([&](const QJsonObject &) { return savedScore(1) == 2; }));

        // A timeout by key, which the clock ends by itself.
        if (timeouts) {
            desktop->key(QStringLiteral("h"));
            QVERIFY(savedShows([&](const QJsonObject &) { return timeoutsTaken(0) == 1; }));
            QVERIFY2(Desktop::waitUntil([&] { return logged("\"timeout.end\""); }, 8000),
                     "the timeout did not end by itself");
            QCOMPARE(timeoutsTaken(0), 1);
        }

        // The fouls to the bonus, or a score in section 2; a sport with one
        // score has none, and the guests score again instead.
        const bool section2 =
            rules.value(QStringLiteral("TextSettings/Section2Role")).toString() != u"none";
        const int counted = section2 ? 2 : 1;
        const int before = section2 ? 0 : 2;
        clickScore(section2, section2 ? 1 : 0);
        const int fouls = bonusAt > 0 ? bonusAt : 1;
        for (int i = 0; i < fouls; ++i)
            desktop->type(QStringLiteral("+1"));
        QVERIFY(
            savedShows([&](const QJsonObject &) { return savedScore(counted) == before + fouls; }));
        board(QStringLiteral("fouls"));

        if (periods > 0) {
            // The first period runs out; an undo and a redo in the break take
            // back the last foul and bring it again, but never the period.
            desktop->key(QStringLiteral("s"));
            QVERIFY2(savedPhase(QStringLiteral("break"), 1), "the first period did not end");
            board(QStringLiteral("break"));
            desktop->key(QStringLiteral("ctrl+z"));
            QVERIFY(savedShows(
                [&](const QJsonObject &) { return savedScore(counted) == before + fouls - 1; }));
            QVERIFY(savedPhase(QStringLiteral("break"), 1));
            desktop->key(QStringLiteral("ctrl+y"));
            QVERIFY(savedShows(
                [&](const QJsonObject &) { return savedScore(counted) == before + fouls; }));
            QVERIFY(savedPhase(QStringLiteral("break"), 1));
            board(QStringLiteral("undo-redo-in-break"));
            desktop->key(QStringLiteral("k"));
            QVERIFY(savedPhase(QStringLiteral("play"), 2));
            // Through the periods left to the final: not level, so no overtime.
            for (int period = 3; period <= periods; ++period) {
                desktop->key(QStringLiteral("n"));
                QVERIFY(savedPhase(QStringLiteral("play"), period));
            }
            desktop->key(QStringLiteral("n"));
            QVERIFY2(savedPhase(QStringLiteral("final"), periods), "n did not lead to the final");
        } else {
            desktop->key(QStringLiteral("s"));
            QTest::qWait(1200);
            desktop->key(QStringLiteral("s"));
        }
        const QString shownHome = homeScore(QStringLiteral("final"), threeDigits);
        QCOMPARE(shownHome, QString::number(typed + 3));
        const QJsonArray scores = savedGame().value(QStringLiteral("scores")).toArray();
        QCOMPARE(scores.at(0).toInt(), typed + 3);

        // The exports say what the board says.
        const QString out = config->filePath(QStringLiteral("result"));
        const QJsonObject json =
            QJsonDocument::fromJson(exportGame(out + QStringLiteral(".json"))).object();
        const QJsonObject final = json.value(QStringLiteral("final")).toObject();
        QCOMPARE(final.value(QStringLiteral("scores")).toArray(), scores);
        if (periods > 0)
            QCOMPARE(final.value(QStringLiteral("phase")).toString(), QStringLiteral("final"));
        const QList<QByteArray> csv =
            exportGame(out + QStringLiteral(".csv")).trimmed().split('\n');
        QVERIFY(csv.size() > 1);
        // kind, action id and origin of every step.
        QList<QByteArrayList> steps;
        for (const QByteArray &row : csv.mid(1)) {
            const QByteArrayList f = row.split(',');
            steps.append({f.value(2), f.value(3), f.value(5)});
        }
        QVERIFY(steps.contains(QByteArrayList{"action", "score.set", "operator"}));
        QVERIFY(steps.contains(QByteArrayList{"action", "score.add", "operator"}));
        if (periods > 0) {
            QVERIFY(steps.contains(QByteArrayList{"clock", "period.end", "clock"}));
            QVERIFY(steps.contains(QByteArrayList{"undo", "score.add", "operator"}));
        }
        QVERIFY2(csv.last().contains(QStringLiteral(",%1,%2,%3,%4,")
                                         .arg(scores.at(0).toInt())
                                         .arg(scores.at(1).toInt())
                                         .arg(scores.at(2).toInt())
                                         .arg(scores.at(3).toInt())
                                         .toLatin1()),
                 csv.last().constData());

        // The printed result: readable, inside the page, and looked at.
        const QString pdf = out + QStringLiteral(".pdf");
        QVERIFY(exportGame(pdf).startsWith("%PDF"));
        const QString page = QStringLiteral(CORVELLA_ARTIFACTS "/e2e/saturday/") + preset;
        QCOMPARE(
            desktop->run(QStringLiteral("pdftoppm"),
                         {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                          QStringLiteral("-singlefile"), pdf, page + QStringLiteral("-result")}),
            QString());
        QVERIFY(QFile::exists(page + QStringLiteral("-result.png")));
        desktop->run(QStringLiteral("pdftotext"),
                     {QStringLiteral("-bbox"), pdf, out + QStringLiteral(".html")});
        QFile html(out + QStringLiteral(".html"));
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QList<PdfPage> pages = pdfWords(QString::fromUtf8(html.readAll()));
        QVERIFY(!pages.isEmpty() && !pages.first().words.isEmpty());
        const PdfWord &title = pages.first().words.first();
        QVERIFY2(title.box.height() >= 14, qPrintable(title.text));
        QStringList words;
        for (const PdfPage &p : pages) {
            const QRectF inside(QPointF(0, 0), p.size);
            for (const PdfWord &w : p.words) {
                QVERIFY2(inside.contains(w.box), qPrintable(w.text));
                words << w.text;
            }
        }
        QVERIFY(words.contains(QStringLiteral("Neustadt")));
        QVERIFY(words.contains(QStringLiteral("Altstadt")));
        desktop.reset();
    }
};

QTEST_GUILESS_MAIN(TestEndToEndSaturday)
#include "tst_e2e_saturday.moc"
