// The installed program under the two floods that once froze or swelled it:
// a request with a 256 MB body, and 8,000 score actions from an unlocked
// remote at once. It runs on Xvfb + jwm with its server on 127.0.0.1; its
// memory is read from /proc and its clock face from screenshots while the
// flood goes on: the clock must keep moving.
#include "tests/e2e/boardreader.h"
#include "tests/e2e/desktop.h"
#include "tests/robustness/flood.h"
#include "web/livechannel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <atomic>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 AllowedGrowthKb = 10 * 1024;

} // namespace

class TestEndToEndWebFlood : public QObject
{
    Q_OBJECT

    std::unique_ptr<Desktop> desktop;
    QTemporaryDir install;
    QTemporaryDir config;
    QProcess *program = nullptr;
    quint16 port = 0;
    QString boardId;
    int shots = 0;

    BoardReader board()
    {
        return BoardReader(
            desktop->screenshot(u"webflood/board-%1"_s.arg(++shots, 3, 10, QChar(u'0'))),
            desktop->geometry(boardId));
    }

    // Clock faces read while `flooding` holds, at least three; true when
    // each read is later than the one before.
    bool clockMovesWhile(const std::function<bool()> &flooding, QString *faces)
    {
        int last = -1;
        int reads = 0;
        bool moving = true;
        QElapsedTimer timer;
        timer.start();
        while ((flooding() || reads < 3) && timer.elapsed() < 30'000) {
            const QString face = board().clock();
            const int tenths = BoardReader::tenthsOf(face);
            *faces += face + u"; "_s;
            moving &= tenths > last;
            last = tenths;
            ++reads;
        }
        return moving && reads >= 3;
    }

    // The PIN from the operator's panel, as tst_e2e_web reads it: a triple
    // click on the PIN's line, then X's primary selection.
    QString pinFromPanel()
    {
        const QString panel = desktop->waitForWindow(u"Board on the network"_s);
        if (panel.isEmpty())
            return {};
        desktop->run(u"xdotool"_s, {u"windowactivate"_s, u"--sync"_s, panel});
        const QRect area = desktop->geometry(panel).adjusted(8, 0, -8, 0);
        const QImage shot = desktop->screenshot(u"webflood/operator-panel"_s);
        QList<int> lineMiddles;
        int start = -1;
        for (int y = area.top(); y <= area.bottom() + 1; ++y) {
            bool ink = false;
            for (int x = area.left(); y <= area.bottom() && x <= area.right() && !ink; ++x)
                ink = qGray(shot.pixel(x, y)) < 96;
            if (ink && start < 0)
                start = y;
            if (!ink && start >= 0) {
                lineMiddles.append((start + y - 1) / 2);
                start = -1;
            }
        }
        if (lineMiddles.size() < 3)
            return {};
        desktop->run(u"xdotool"_s,
                     {u"mousemove"_s, QString::number(area.center().x()),
                      QString::number(lineMiddles.at(lineMiddles.size() - 2)), u"click"_s,
                      u"--repeat"_s, u"3"_s, u"--delay"_s, u"80"_s, u"1"_s});
        QString selected;
        Desktop::waitUntil(
            [&] {
                selected = desktop->run(u"xclip"_s, {u"-o"_s, u"-selection"_s, u"primary"_s});
                return !selected.isEmpty();
            },
            3000);
        static const QRegularExpression sixDigits(u"\\b(\\d{6})\\b"_s);
        return sixDigits.match(selected).captured(1);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty())
            QSKIP("Xvfb is not installed (scripts/install-deps installs it)");
        desktop = std::make_unique<Desktop>(QSize(1280, 720));
        QString why;
        QVERIFY2(desktop->startDisplay(&why), qPrintable(why));
        port = Desktop::freeLocalPort();
        QVERIFY(port != 0);
        QVERIFY(QDir().mkpath(config.filePath(u"Corvella"_s)));
        QFile settings(config.filePath(u"Corvella/Corvella.conf"_s));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(
            u"[WebSettings]\nWebServer=1\nWebPort=%1\nWebAddress=127.0.0.1\n"_s.arg(port).toUtf8());
        settings.close();
        program = desktop->startInstalledProgram(install.path(), config.path(), &why);
        QVERIFY2(program, qPrintable(why));
        const QString splash = desktop->waitForWindow(u"Form1"_s);
        QVERIFY2(!splash.isEmpty(), "the start screen did not appear");
        desktop->click(desktop->geometry(splash).topLeft() + QPoint(100, 30));
        boardId = desktop->waitForWindow(u"Corvella by Brannick"_s);
        QVERIFY2(!boardId.isEmpty(), "the scoreboard did not appear");
        // The clock runs through both floods.
        desktop->run(u"xdotool"_s, {u"windowactivate"_s, u"--sync"_s, boardId});
        const int start = BoardReader::tenthsOf(board().clock());
        desktop->key(u"s"_s);
        QVERIFY(Desktop::waitUntil([&] { return BoardReader::tenthsOf(board().clock()) > start; },
                                   5000));
    }

    void cleanupTestCase() { desktop.reset(); }

    void hugeBodyIsRefused()
    {
        const qint64 before = Flood::rssKb(program->processId());
        std::atomic<bool> flooding = true;
        qint64 sent = 0;
        // Plain sockets on a thread of their own, each offering 256 MB as fast
        // as the program takes them; what comes back is read all along, since
        // the program closes as soon as it has answered.
        int refused = 0;
        int otherAnswers = 0;
        int tries = 0;
        std::thread flood([&] {
            const QByteArray head = "GET /display HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                                    "Content-Length: " +
                                    QByteArray::number(256ll << 20) + "\r\n\r\n";
            // Again and again for 3 s, each one offering all of it.
            QElapsedTimer timer;
            timer.start();
            while (timer.elapsed() < 3000) {
                ++tries;
                qint64 offered = 0;
                const int status = Flood::attack(port, head, 256ll << 20, &offered);
                sent += offered;
                // A connection cut before its answer arrived may have none.
                refused += status == 413 ? 1 : 0;
                otherAnswers += status != 413 && status != 0 ? 1 : 0;
            }
            flooding = false;
        });
        QString faces;
        const bool moving = clockMovesWhile([&] { return bool(flooding); }, &faces);
        flood.join();
        const qint64 after = Flood::rssKb(program->processId());
        qInfo("%d of %d requests refused, %lld KiB sent; clock %s; memory %lld KiB before, "
              "%lld KiB after",
              refused, tries, sent / 1024, qPrintable(faces), before, after);
        QVERIFY(refused > tries / 2);
        QCOMPARE(otherAnswers, 0);
        QVERIFY2(moving, qPrintable(faces));
        QVERIFY(before > 0 && after - before < AllowedGrowthKb);
    }

    void actionFloodIsPaced()
    {
        const QString pin = pinFromPanel();
        QVERIFY2(pin.size() == 6, "no PIN could be selected in the operator's panel");
        QWebSocket remote;
        QList<QJsonObject> got;
        connect(&remote, &QWebSocket::textMessageReceived, this, [&](const QString &text) {
            got.append(QJsonDocument::fromJson(text.toUtf8()).object());
        });
        remote.open(QUrl(u"ws://127.0.0.1:%1/live"_s.arg(port)));
        QTRY_VERIFY_WITH_TIMEOUT(!got.isEmpty(), 10'000);
        remote.sendTextMessage(u"{\"type\":\"pin\",\"pin\":\"%1\"}"_s.arg(pin));
        QTRY_COMPARE_WITH_TIMEOUT(got.last().value(u"result"_s).toString(), u"accepted"_s, 10'000);

        const int home = board().homeScore(0).trimmed().toInt();
        const qint64 before = Flood::rssKb(program->processId());
        QElapsedTimer timer;
        timer.start();
        const QString action =
            u"{\"type\":\"action\",\"action\":\"score\",\"which\":0,\"delta\":1}"_s;
        for (int i = 0; i < 8000; ++i)
            remote.sendTextMessage(action);
        remote.flush();
        QString faces;
        // The board keeps time for two seconds after the flood.
        const bool moving = clockMovesWhile([&] { return timer.elapsed() < 2000; }, &faces);
        const int added = board().homeScore(0).trimmed().toInt() - home;
        const qint64 seconds = timer.elapsed() / 1000 + 1;
        const qint64 after = Flood::rssKb(program->processId());
        qInfo("%d points added in about %lld s; clock %s; memory %lld KiB before, %lld KiB after",
              added, seconds, qPrintable(faces), before, after);
        QVERIFY2(moving, qPrintable(faces));
        QVERIFY(added >= 1);
        QVERIFY(added <= LiveChannel::ActionBurst + LiveChannel::ActionsPerSecond * seconds);
        QVERIFY(before > 0 && after - before < AllowedGrowthKb);
    }
};

QTEST_GUILESS_MAIN(TestEndToEndWebFlood)
#include "tst_e2e_webflood.moc"
