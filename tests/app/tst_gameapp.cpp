#include "app/corvellaapp.h"
#include "app/operatorpanel.h"
#include "app/startscreen.h"
#include "display/controls.h"
#include "display/leddigit.h"
#include "game/gamestatefile.h"
#include "game/presets.h"
#include "scoreboard/scoreboardwindow.h"
#include "tests/support/appdriver.h"
#include "tests/support/boardtext.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

namespace {

// A port nobody is likely to hold, from the process id.
int somePort()
{
    return 20000 + int(QCoreApplication::applicationPid() % 20000);
}

const QByteArray Token = "0123456789abcdef";

// The API's settings on, the server on 127.0.0.1 at `port` when there is one.
Settings withApi(int port = 0)
{
    Settings s = defaultSettings();
    s.Api = 1;
    s.ApiToken = QString::fromLatin1(Token);
    s.WebServer = port > 0 ? 1 : 0;
    s.WebPort = port > 0 ? port : s.WebPort;
    s.WebAddress = QStringLiteral("127.0.0.1");
    return s;
}

HttpFront::Answer callApi(CorvellaApp &app, const QByteArray &method, const QByteArray &path,
                          const QByteArray &body = {})
{
    HttpFront::Request request;
    request.method = method;
    request.path = "/api/v1/" + path;
    request.body = body;
    request.from = QStringLiteral("127.0.0.1");
    request.headers = {{"authorization", "Bearer " + Token}};
    return app.web().api().answer(request);
}

QByteArray headerOf(const HttpFront::Answer &answer, const QByteArray &name)
{
    for (const auto &[key, value] : answer.headers)
        if (key == name)
            return value;
    return {};
}

QJsonObject recordStatus(CorvellaApp &app)
{
    const auto state = QJsonDocument::fromJson(callApi(app, "GET", "state").body).object();
    return state.value(QStringLiteral("status")).toObject();
}

QJsonObject status(bool saved, bool logged)
{
    return {{QStringLiteral("saved"), saved}, {QStringLiteral("logged"), logged}};
}

OperatorPanel *networkWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *panel = qobject_cast<OperatorPanel *>(window); panel && panel->isVisible())
            return panel;
    return nullptr;
}

// Calls back at each key press that reaches `target`, before the target
// acts on it.
class KeyWatch : public QObject
{
public:
    KeyWatch(QObject *target, std::function<void()> pressed) : m_pressed(std::move(pressed))
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            m_pressed();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_pressed;
};

} // namespace

// The program as a whole around one game: resuming a saved game, keeping it
// on disk, undo through the keyboard, and settings reaching the open board.
class TestGameApp : public QObject
{
    Q_OBJECT

    FakeServices fakes;

    static QString stateFolder() { return GameStateFile::defaultFolder(); }

    void whenModal(std::function<void(QWidget *)> answer)
    {
        QTimer::singleShot(0, this, [answer] { answer(QApplication::activeModalWidget()); });
    }

    static void type(QWidget *target, const QString &keys)
    {
        for (QChar c : keys) {
            if (c == u'\r')
                QTest::keyClick(target, Qt::Key_Return);
            else
                QTest::keyClicks(target, QString(c));
        }
    }

private slots:
    void init()
    {
        QDir(stateFolder()).removeRecursively();
        TestEnvironment::clearStore();
        fakes.dialogs = ScriptedDialogs{};
        fakes.time.now = 1'000'000;
    }

    void aGameInProgressIsOfferedAndRestoredExactly()
    {
        SavedGame saved;
        saved.scores = {34, 28, 3, std::nullopt};
        saved.clockMs = 751'450;
        QVERIFY(GameStateFile(stateFolder()).save(saved));

        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QVERIFY(board);
        QCOMPARE(fakes.dialogs.questions, 1);
        QCOMPARE(fakes.dialogs.lastText,
                 QStringLiteral("Resume the game in progress? Clock 12:31.4, Home 34 : Guest 28 "
                                "(Section 1), Home 3 : Guest - (Section 2)"));
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral("12:31.4"));
        QCOMPARE(board->home1Digits()[1]->caption(), 3);
        QCOMPARE(board->guest2Digits()[0]->caption(), LedDigit::Blank);
        QVERIFY(!app.game().isRunning());
    }

    void aCountDownGameResumesCountingDown()
    {
        SavedGame saved;
        saved.scores = {1, 0, 0, 0};
        saved.countDown = true;
        saved.periodMs = 300'000;
        saved.clockMs = 120'000;
        QVERIFY(GameStateFile(stateFolder()).save(saved));
        CorvellaApp app(fakes.services()); // settings: counting up
        ScoreBoardWindow *board = openBoard(app);
        QVERIFY(app.game().countsDown());
        QCOMPARE(app.game().periodMs(), 300'000);
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral(" 2:00.0"));
        QCOMPARE(app.settings().value().CountDown, qint16(1));
        QCOMPARE(app.settings().value().PeriodLength, QStringLiteral("5.00"));
    }

    void theResumeQuestionNamesThePeriod()
    {
        Settings periods = defaultSettings();
        periods.Periods = 4;
        QVERIFY(saveSettings(periods));
        SavedGame saved;
        saved.scores = {10, 12, 0, 0};
        saved.clockMs = 300'000;
        saved.period = 3;
        QVERIFY(GameStateFile(stateFolder()).save(saved));
        CorvellaApp app(fakes.services());
        QVERIFY(openBoard(app));
        QVERIFY2(fakes.dialogs.lastText.startsWith(QStringLiteral(
                     "Resume the game in progress? Clock 5:00.0, Period 3, Home 10")),
                 qPrintable(fakes.dialogs.lastText));
        QCOMPARE(app.game().period(), 3);
    }

    void aNewPeriodLengthWaitsForTheRunningClocksReset()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        board->runCommandKey('s');
        fakes.time.now += 5'000;
        Settings countDown = app.settings().value();
        countDown.CountDown = 1;
        countDown.PeriodLength = QStringLiteral("2.00");
        app.settings().set(countDown);
        QVERIFY(app.game().isRunning());
        QCOMPARE(app.game().clockMs(), 5'000);
        board->runCommandKey('s');
        board->runCommandKey('r');
        QVERIFY(app.game().countsDown());
        QCOMPARE(app.game().clockMs(), 120'000);
    }

    void noStartsAFreshGame()
    {
        SavedGame saved;
        saved.scores = {5, 0, 0, 0};
        QVERIFY(GameStateFile(stateFolder()).save(saved));
        fakes.dialogs.yes = false;
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QCOMPARE(fakes.dialogs.questions, 1);
        QCOMPARE(board->home1Digits()[0]->caption(), 0);
    }

    void aFreshOrClearedBoardAsksNothing()
    {
        SavedGame cleared;
        cleared.scores = {std::nullopt, std::nullopt, std::nullopt, std::nullopt};
        cleared.faceBlank = true;
        QVERIFY(GameStateFile(stateFolder()).save(cleared));
        CorvellaApp app(fakes.services());
        QVERIFY(openBoard(app));
        QCOMPARE(fakes.dialogs.questions, 0);
    }

    // The board paints before its files are synced, but each key finds the
    // steps before it on disk: the saved game and the log line.
    void everyKeyIsOnDiskBeforeTheNext()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        PictureBox *panel = board->controls().guest2Panel;
        panel->setFocus();
        QList<std::optional<int>> saved;
        QList<qsizetype> logged;
        KeyWatch watch(panel, [&] {
            saved << GameStateFile(stateFolder())
                         .load()
                         .value_or(SavedGame{})
                         .scores.at(GameModel::Guest2);
            const auto record = GameRecord::read(app.gameLog()->currentPath());
            logged << (record ? record->entries.size() : 0);
        });
        type(panel, QStringLiteral("7\r+2+1"));
        QCOMPARE(saved.size(), 6);
        QCOMPARE(saved.at(2), 7); // at the first '+'
        QCOMPARE(logged.at(2), 1);
        QCOMPARE(saved.at(4), 9); // at the second
        QCOMPARE(logged.at(4), 2);
        QCOMPARE(app.game().score(GameModel::Guest2), 10);
    }

    void undoAndRedoFromTheKeyboard()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        board->show();
        QVERIFY(QTest::qWaitForWindowActive(board));
        PictureBox *panel = board->controls().home1Panel;
        panel->setFocus();
        type(panel, QStringLiteral("7\r+3"));
        QCOMPARE(app.game().score(GameModel::Home1), 10);
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(app.game().score(GameModel::Home1), 7);
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(app.game().score(GameModel::Home1), 0);
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(app.game().score(GameModel::Home1), 7);
        QTest::keyClick(panel, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(app.game().score(GameModel::Home1), 10);
        QCOMPARE(board->home1Digits()[1]->caption(), 1);

        // An accidental clear, taken back.
        fakes.dialogs.yes = true;
        type(panel, QStringLiteral("c"));
        QCOMPARE(board->home1Digits()[0]->caption(), LedDigit::Blank);
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(board->home1Digits()[1]->caption(), 1);
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral(" 0:00.0"));
        // Undo never typed anything into the entry.
        QVERIFY(board->scoreEntry().pendingText().isEmpty());
    }

    // Ctrl+E writes the game's record where the operator says: a PDF when
    // the name has no known ending.
    void ctrlEExportsTheGame()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        board->show();
        QVERIFY(QTest::qWaitForWindowActive(board));
        PictureBox *panel = board->controls().home1Panel;
        panel->setFocus();
        type(panel, QStringLiteral("7\r"));
        QTemporaryDir out;
        fakes.dialogs.saveName = out.filePath(QStringLiteral("result"));
        QTest::keyClick(panel, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(QFileInfo(out.filePath(QStringLiteral("result.pdf"))).size() > 0);
        fakes.dialogs.saveName = out.filePath(QStringLiteral("result.csv"));
        QTest::keyClick(panel, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(board->windowTitle().startsWith(QStringLiteral("Exported to ") +
                                                fakes.dialogs.saveName +
                                                QStringLiteral(" - Corvella by Brannick")));
        QFile csv(fakes.dialogs.saveName);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().contains(",0,0,0,0,7,0,0,0,"));
        QVERIFY(fakes.dialogs.warnings.isEmpty());
    }

    void theNoticeShowsWhileTheGameCannotBeSaved()
    {
        // A file where the state folder belongs: nothing can be written there.
        QVERIFY(QDir().mkpath(QFileInfo(stateFolder()).path()));
        QFile blocker(stateFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        board->runCommandKey('s');
        QTRY_VERIFY(board->windowTitle().contains(QStringLiteral("not being saved")));
        QVERIFY(board->windowTitle().endsWith(QStringLiteral(" - Corvella by Brannick")));
        QVERIFY(app.game().isRunning()); // the game goes on
        QVERIFY(QFile::remove(stateFolder()));
        board->runCommandKey('s');
        app.finishWrites();
        QVERIFY(!board->windowTitle().contains(QStringLiteral("not being saved")));
        QCOMPARE(GameStateFile(stateFolder()).load()->clockMs, 0);
    }

    void theTitleTellsWhenTheHallLinkIsDown_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::newRow("no broker: no link at all") << false;
        QTest::newRow("a broker nobody answers") << true;
    }
    void theTitleTellsWhenTheHallLinkIsDown()
    {
        QFETCH(bool, linked);
        Settings s = defaultSettings();
        if (linked) {
            QTcpServer probe; // a loopback port where nothing listens
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            s.HallBroker = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
        }
        QVERIFY(saveSettings(s));
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QCOMPARE(app.hallLink() != nullptr, linked);
        // The network window comes with a hall as with a server: F4 shows
        // the link and the next game it announced.
        OperatorPanel *window = networkWindow();
        QCOMPARE(window != nullptr, linked);
        if (!linked) {
            QVERIFY(!board->windowTitle().contains(QStringLiteral("hall")));
            return;
        }
        const auto label = [window](const char *name) {
            return window->findChild<QLabel *>(QLatin1StringView(name));
        };
        QVERIFY2(label("hallLink")->text().startsWith(u"Hall: Connecting to 127.0.0.1:"_qs),
                 qPrintable(label("hallLink")->text()));
        QCOMPARE(label("nextGame")->text(), u"No next game from the hall"_qs);
        app.offerNextGame({u"10:30"_qs, u"Owls"_qs, u"Larks"_qs, u"Handball"_qs});
        QVERIFY2(label("nextGame")->text().contains(u"Owls - Larks (Handball)"_qs),
                 qPrintable(label("nextGame")->text()));
        QTRY_VERIFY_WITH_TIMEOUT(
            board->windowTitle().startsWith(QStringLiteral("The hall link is down")), 15000);
        QVERIFY(app.web().status().recordProblem.contains(QStringLiteral("hall link")));
        // Down, the link is told once, among what keeps the game from the hall.
        QVERIFY(label("recordProblem")->text().startsWith(u"The hall link is down"_qs));
        QVERIFY(label("hallLink")->isHidden());
        QVERIFY(label("nextGame")->text().contains(u"Owls - Larks (Handball)"_qs));
        QTest::keyClick(board, Qt::Key_F4);
        QCOMPARE(networkWindow(), window);
    }

    // The hall's next game shows in the title; F7 asks and loads it, but
    // only over a game that is over or has not begun.
    void theNextGameFromTheHallLoadsWithF7_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("refusal"); // empty: asked
        QTest::newRow("a new board, yes") << u"new"_qs << true << QString();
        QTest::newRow("a new board, no") << u"new"_qs << false << QString();
        QTest::newRow("a cleared board") << u"cleared"_qs << true << QString();
        QTest::newRow("a game over") << u"over"_qs << true << QString();
        // The refusal names the game on the board, and never suggests clearing it.
        QTest::newRow("the clock running")
            << u"running"_qs << true << u"Not loaded: Home - Guest is still being played"_qs;
        QTest::newRow("a game under way")
            << u"scored"_qs << true << u"Not loaded: Home - Guest is still being played"_qs;
        QTest::newRow("nothing announced")
            << u"unannounced"_qs << true << u"No next game has come from the hall"_qs;
    }
    void theNextGameFromTheHallLoadsWithF7()
    {
        QFETCH(QString, before);
        QFETCH(bool, yes);
        QFETCH(QString, refusal);
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        GameModel &game = app.game();
        const NextGame next{u"10:30"_qs, u"Owls"_qs, u"Larks"_qs, u"Handball"_qs};
        const QString line = u"Next: Owls - Larks (Handball), F7 - "_qs;
        if (before != u"unannounced" && before != u"over")
            app.offerNextGame(next);
        if (before == u"running")
            game.startStop();
        if (before == u"scored" || before == u"cleared" || before == u"over")
            game.setScore(GameModel::Home1, 7);
        if (before == u"cleared")
            game.clear();
        if (before == u"over") {
            // What was announced during the game passes with it; the hall
            // then announces the next.
            app.offerNextGame({u"09:00"_qs, u"Rooks"_qs, u"Jays"_qs, u"Basketball"_qs});
            game.setStructure({1, {}, 0});
            game.nextPeriod();
            QVERIFY(!board->windowTitle().contains(u"Rooks"_qs));
            app.offerNextGame(next);
        }
        QCOMPARE(board->windowTitle().contains(line), before != u"unannounced");
        fakes.dialogs.yes = yes;

        QTest::keyClick(board, Qt::Key_F7);
        const bool loaded = refusal.isEmpty() && yes;
        QCOMPARE(game.isRunning(), before == u"running");
        QCOMPARE(fakes.dialogs.questions, refusal.isEmpty() ? 1 : 0);
        if (refusal.isEmpty())
            QCOMPARE(fakes.dialogs.lastText, u"Start a new game: Owls - Larks (Handball)?"_qs);
        else
            QVERIFY2(board->windowTitle().startsWith(refusal + u" - "_qs),
                     qPrintable(board->windowTitle()));
        const Settings &s = app.settings().value();
        QCOMPARE(s.HomeText == u"Owls" && s.GuestText == u"Larks", loaded);
        const QList<Preset> presets = Presets::load(Presets::userFolder());
        const auto handball = std::find_if(presets.begin(), presets.end(),
                                           [](const Preset &p) { return p.name == u"Handball"; });
        QCOMPARE(Presets::rulesMatch(*handball, s), loaded);
        QCOMPARE(loadSettings().HomeText == u"Owls", loaded); // kept for the next start too
        QCOMPARE(board->windowTitle().contains(line), !loaded && before != u"unannounced");
        if (!loaded)
            return;
        QCOMPARE(game.score(GameModel::Home1), std::optional<int>(0));
        QCOMPARE(game.phase(), GamePhase::Play);
        QVERIFY(game.structure().isOn());
        // The broker's retained copy again, at a reconnection: already played.
        app.offerNextGame(next);
        QVERIFY(!board->windowTitle().contains(line));
    }

    // A board resumed in the middle of the hall's game hears that game
    // announced as the court's next (the hall knows no result yet): it is
    // not offered, and F7 names it as the one being played. Another game is
    // offered as ever.
    void aResumedGameIsNotOfferedAsItsOwnNext()
    {
        Settings teams = defaultSettings();
        teams.HomeText = u"Owls"_qs;
        teams.GuestText = u"Larks"_qs;
        QVERIFY(saveSettings(teams));
        SavedGame saved;
        saved.scores = {12, 9, 0, 0};
        saved.clockMs = 400'000;
        QVERIFY(GameStateFile(stateFolder()).save(saved));
        fakes.dialogs.yes = true;
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QCOMPARE(app.game().score(GameModel::Home1), 12);

        app.offerNextGame({u"10:30"_qs, u"Larks"_qs, u"Owls"_qs, u"Handball"_qs});
        QVERIFY2(!board->windowTitle().contains(u"Next:"_qs), qPrintable(board->windowTitle()));
        QTest::keyClick(board, Qt::Key_F7);
        QVERIFY2(board->windowTitle().contains(u"No next game has come from the hall"_qs),
                 qPrintable(board->windowTitle()));

        app.offerNextGame({u"11:30"_qs, u"Rooks"_qs, u"Jays"_qs, u"Handball"_qs});
        QVERIFY(board->windowTitle().contains(u"Next: Rooks - Jays (Handball)"_qs));
        QTest::keyClick(board, Qt::Key_F7);
        const QString title = board->windowTitle();
        QVERIFY2(title.contains(u"Not loaded: Owls - Larks is still being played"_qs),
                 qPrintable(title));
        QVERIFY2(!title.contains(u"clear"_qs, Qt::CaseInsensitive), qPrintable(title));
        QCOMPARE(fakes.dialogs.questions, 1); // the resume question only
    }

    // Until the operator has said which game this is, the API and the phone
    // remote change nothing (and say so); the state still answers. After
    // the answer, their steps go into the game that goes on, and its log.
    void remotesWaitForTheResumeAnswer_data()
    {
        QTest::addColumn<bool>("resume");
        QTest::newRow("resumed") << true;
        QTest::newRow("not resumed") << false;
    }
    void remotesWaitForTheResumeAnswer()
    {
        QFETCH(bool, resume);
        SavedGame saved;
        saved.scores = {5, 3, 0, 0};
        QVERIFY(GameStateFile(stateFolder()).save(saved));
        QVERIFY(saveSettings(withApi()));
        CorvellaApp app(fakes.services());
        fakes.dialogs.yes = resume;
        HttpFront::Answer asked, state;
        QList<QString> phone;
        QObject::connect(&app.web().live(), &LiveChannel::sendToPage, &app.web(),
                         [&](quint64, const QString &text) { phone << text; });
        fakes.dialogs.whileAsking = [&] {
            asked = callApi(app, "POST", "score/home/1", R"({"add":2})");
            state = callApi(app, "GET", "state");
            LiveChannel &live = app.web().live();
            live.pageOpened(1, QStringLiteral("127.0.0.1"));
            live.pageMessage(
                1, QStringLiteral(R"({"type":"pin","pin":"%1"})").arg(live.pinLock().pin()));
            phone.clear();
            live.pageMessage(1, QStringLiteral(R"({"type":"action","action":"score","which":1,)"
                                               R"("delta":1})"));
        };
        QVERIFY(openBoard(app));
        QCOMPARE(fakes.dialogs.questions, 1);
        QCOMPARE(asked.status, 503);
        QCOMPARE(headerOf(asked, "Retry-After"), QByteArray("1"));
        QCOMPARE(state.status, 200);
        QCOMPARE(phone.size(), 1);
        QVERIFY2(phone.first().contains(QStringLiteral("wait")), qPrintable(phone.first()));
        const int home = resume ? 5 : 0;
        QCOMPARE(app.game().score(GameModel::Home1), home);
        QCOMPARE(app.game().score(GameModel::Guest1), resume ? 3 : 0);

        QCOMPARE(callApi(app, "POST", "score/home/1", R"({"add":2})").status, 200);
        QCOMPARE(app.game().score(GameModel::Home1), home + 2);
        app.finishWrites();
        const QStringList logs = GameLog::logs(stateFolder() + QStringLiteral("/games"));
        QCOMPARE(logs.size(), 1);
        const auto record = GameRecord::read(logs.first());
        QCOMPARE(record->entries.size(), 1);
        QCOMPARE(record->entries.first().before.at(GameModel::Home1), home);
        QCOMPARE(GameStateFile(stateFolder()).load()->scores.at(GameModel::Home1), home + 2);
    }

    // The game's record that cannot be written is told like a game that
    // cannot be saved: in the title, the network window and the API's state.
    // Once it can be written again, nothing of it is lost.
    void aRecordThatCannotBeWrittenIsTold_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("unwritable games folder") << false;
        QTest::newRow("failing log writes") << true;
    }
    void aRecordThatCannotBeWrittenIsTold()
    {
        QFETCH(bool, fullDisk);
        QVERIFY(saveSettings(withApi(somePort() + 1)));
        const QString games = stateFolder() + QStringLiteral("/games");
        if (!fullDisk) {
            // A file where the folder belongs: even root cannot write there.
            QVERIFY(QDir().mkpath(stateFolder()));
            QFile blocker(games);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QVERIFY(app.web().isRunning());
        PictureBox *panel = board->controls().home1Panel;
        panel->setFocus();
        QCOMPARE(recordStatus(app), status(true, true));
        type(panel, QStringLiteral("7\r"));
        app.finishWrites();
        struct rlimit unlimited;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        if (fullDisk) {
            // No file may grow past the log's present size: the next line fails
            // as on a full disk, while the small saved game still goes through.
            std::signal(SIGXFSZ, SIG_IGN);
            const struct rlimit full = {rlim_t(QFileInfo(app.gameLog()->currentPath()).size()),
                                        unlimited.rlim_max};
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &full), 0);
            type(panel, QStringLiteral("+2"));
            app.finishWrites();
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &unlimited), 0);
        }
        QVERIFY2(board->windowTitle().contains(QStringLiteral("not being recorded")),
                 qPrintable(board->windowTitle()));
        QCOMPARE(recordStatus(app), status(true, false));
        OperatorPanel *window = networkWindow();
        QVERIFY(window);
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("recordProblem"))
                    ->text()
                    .contains(QStringLiteral("not being recorded")));
        if (!fullDisk)
            return;
        type(panel, QStringLiteral("+1"));
        app.finishWrites();
        QCOMPARE(board->windowTitle(), QStringLiteral("Corvella by Brannick"));
        QCOMPARE(recordStatus(app), status(true, true));
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("recordProblem"))->isHidden());
        const auto record = GameRecord::read(app.gameLog()->currentPath());
        QCOMPARE(record->damagedLines, 0);
        QCOMPARE(record->entries.size(), 3);
        QCOMPARE(record->entries.last().after.at(GameModel::Home1), 10);
    }

    // One game folder, one program keeping it: a second program on the same
    // folder runs its game without saving it, asks nothing, and says so; a
    // folder of its own (--state-dir) is its own again.
    void aSecondProgramLeavesTheFirstsGameAlone()
    {
        QVERIFY(saveSettings(withApi()));
        SavedGame saved;
        saved.scores = {5, 3, 0, 0};
        QVERIFY(GameStateFile(stateFolder()).save(saved));
        CorvellaApp first(fakes.services());
        QVERIFY(openBoard(first));
        QCOMPARE(fakes.dialogs.questions, 1);
        QVERIFY(first.holdsGameFolder());

        FakeServices others;
        CorvellaApp second(others.services());
        ScoreBoardWindow *board = openBoard(second);
        QVERIFY(board);
        QCOMPARE(others.dialogs.questions, 0);
        QVERIFY(!second.holdsGameFolder());
        QVERIFY2(board->windowTitle().contains(QStringLiteral("another Corvella")),
                 qPrintable(board->windowTitle()));
        QCOMPARE(recordStatus(second), status(false, false));
        PictureBox *panel = board->controls().home1Panel;
        panel->setFocus();
        type(panel, QStringLiteral("9\r"));
        QCOMPARE(second.game().score(GameModel::Home1), 9);
        second.finishWrites();
        first.finishWrites();
        QCOMPARE(GameStateFile(stateFolder()).load()->scores.at(GameModel::Home1), 5);
        QCOMPARE(GameLog::logs(stateFolder() + QStringLiteral("/games")).size(), 0);

        QTemporaryDir own;
        CorvellaApp third(others.services(), own.path());
        QVERIFY(third.holdsGameFolder());
        // Its pages report from its own logs.
        QCOMPARE(third.web().server().gameLogFolder(), own.path() + QStringLiteral("/games"));
    }

    void optionsFromTheStartScreenReachTheOpenBoard()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QVERIFY(board);
        bool changed = false;
        whenModal([&](QWidget *splash) {
            whenModal([&](QWidget *options) {
                options->findChild<QLineEdit *>(QStringLiteral("txtHomeText"))
                    ->setText(QStringLiteral("Lions"));
                QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("cmdOk")),
                                  Qt::LeftButton);
                changed = true;
            });
            QTest::mouseClick(splash->findChild<QPushButton *>(QStringLiteral("cmdOptions")),
                              Qt::LeftButton);
            QCOMPARE(board->controls().homeTeamCaption->text(), QStringLiteral("Lions"));
            static_cast<StartScreen *>(splash)->goToScoreboard();
        });
        board->runCommandKey(27);
        QVERIFY(changed);
        QCOMPARE(board->controls().homeTeamCaption->text(), QStringLiteral("Lions"));
        QCOMPARE(loadSettings().HomeText, QStringLiteral("Lions"));
    }

    // The server turned on in the settings over an open board shows at once
    // where the board is to be found, without closing the board.
    void theNetworkWindowComesWithAServerTurnedOnOverTheBoard()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QVERIFY(board);
        QString opened;
        whenModal([&opened](QWidget *options) {
            opened = options->objectName();
            options->findChild<QCheckBox *>(QStringLiteral("chkWebServer"))->setChecked(true);
            options->findChild<QSpinBox *>(QStringLiteral("spnWebPort"))->setValue(somePort());
            options->findChild<QComboBox *>(QStringLiteral("cboWebAddress"))
                ->setCurrentText(QStringLiteral("127.0.0.1"));
            QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("cmdOk")),
                              Qt::LeftButton);
        });
        QTest::keyClick(board, Qt::Key_F3); // the settings window
        QCOMPARE(opened, QStringLiteral("frmSettings"));
        const auto panelShown = [] {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->objectName() == u"operatorPanel" && window->isVisible())
                    return true;
            return false;
        };
        QTRY_VERIFY(panelShown());
        QVERIFY(board->isVisible());
    }

    // The hall's console chosen as the source brings its sport's rules, and
    // a change of sport brings the other's; rules changed afterwards stay.
    void aConsoleBringsItsSportsRules()
    {
        CorvellaApp app(fakes.services());
        QVERIFY(openBoard(app));
        const QTemporaryDir folder;
        Settings next = app.settings().value();
        next.ConsoleSource = QStringLiteral("stramatel");
        next.ConsoleDevice = folder.filePath(QStringLiteral("ttyUSB0"));
        next.ConsoleGameSport = QStringLiteral("icehockey");
        app.settings().set(next);
        QTRY_COMPARE(app.settings().value().Periods, 3);
        QVERIFY(app.settings().value().CountDown);
        QVERIFY(app.settings().value().PlayersEnabled);
        QCOMPARE(loadSettings().Periods, 3);

        next = app.settings().value();
        next.Periods = 2;
        app.settings().set(next);
        next.ConsoleGameSport = QStringLiteral("basketball");
        app.settings().set(next);
        QTRY_COMPARE(app.settings().value().Periods, 4);
        QVERIFY(app.settings().value().ShotClockEnabled);
        next = app.settings().value();
        next.Periods = 8;
        app.settings().set(next);
        QCoreApplication::processEvents();
        QCOMPARE(app.settings().value().Periods, 8);
    }

    void aCountDownClockSoundsTheHornOnceAtZero()
    {
        Settings countDown = defaultSettings();
        countDown.CountDown = 1;
        countDown.PeriodLength = QStringLiteral("0.05");
        countDown.BuzzerFile = QCoreApplication::applicationFilePath(); // any existing file
        QVERIFY(saveSettings(countDown));
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral(" 0:05.0"));
        board->runCommandKey('s');
        fakes.time.now += 4999;
        app.game().updateClock();
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral(" 0:00.1"));
        QCOMPARE(fakes.device()->plays, 0);
        fakes.time.now += 1;
        app.game().updateClock();
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral(" 0:00.0"));
        QCOMPARE(fakes.device()->plays, 1);
        board->runCommandKey('s'); // at zero a start does nothing
        QVERIFY(!app.game().isRunning());
        board->runCommandKey('r');
        QCOMPARE(faceText(board->clockDigits()), QStringLiteral(" 0:05.0"));
        TestEnvironment::clearStore();
    }

    void theShotClockSoundsItsOwnHornOnceAndTheGameRunsOn()
    {
        Settings shotClock = defaultSettings();
        shotClock.ShotClockEnabled = 1;
        shotClock.BuzzerFile = QCoreApplication::applicationFilePath(); // any existing file
        QTemporaryFile horn;
        QVERIFY(horn.open());
        shotClock.ShotClockSound = horn.fileName();
        QVERIFY(saveSettings(shotClock));
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        board->runCommandKey('s');
        for (int tenth = 0; tenth < 250; ++tenth) {
            fakes.time.now += 100;
            app.game().updateClock();
        }
        QVERIFY(app.game().isRunning());
        int shotHorns = 0;
        int gameHorns = 0;
        // Devices of earlier tests are gone.
        for (const QPointer<ScriptedSoundDevice> &device : std::as_const(fakes.devices)) {
            for (const QString &file : device ? device->playedFiles : QStringList())
                ++(file == shotClock.ShotClockSound ? shotHorns : gameHorns);
        }
        QCOMPARE(shotHorns, 1);
        QCOMPARE(gameHorns, 0);
        QCOMPARE(app.game().shotClockPart().ms(), 0);
        TestEnvironment::clearStore();
    }
};

CORVELLA_TEST_MAIN(TestGameApp)
#include "tst_gameapp.moc"
