#include "display/controls.h"
#include "scoreboard/operatorhints.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"
#include "tests/support/boardtext.h"
#include "tests/support/fakes.h"
#include "tests/support/testboard.h"
#include "tests/support/testenv.h"
#include "web/livechannel.h"
#include "web/remoteapi.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// What the operator reads on the board while typing and undoing: the entry
// pending, an entry refused and why, each undo and redo, and where the
// keyboard is.
class TestOperatorFeedback : public QObject
{
    Q_OBJECT

    FakeServices fakes;

    static Settings withHints(qint16 mode, bool whole = false)
    {
        Settings s = defaultSettings();
        s.OperatorHints = mode;
        s.WholeScoreEntry = whole ? 1 : 0;
        return s;
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

    static bool open(ScoreBoardWindow &board)
    {
        board.show();
        return QTest::qWaitForWindowActive(&board);
    }

private slots:
    void scoresTyped_data()
    {
        QTest::addColumn<bool>("whole");
        QTest::addColumn<int>("before"); // -1: blank
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("told");
        QTest::newRow("one digit") << false << 4 << "7\r" << 7 << "";
        QTest::newRow("two digits start over") << false << 4 << "23\r" << 4 << "one digit";
        QTest::newRow("plus on a blank score") << false << -1 << "+3" << 3 << "";
        QTest::newRow("minus on a blank score") << false << -1 << "-1" << -1 << "0 - 1 is below 0";
        QTest::newRow("over the top") << false << 99 << "+5" << 99 << "99 + 5 is over 99";
        QTest::newRow("whole: two digits") << true << 4 << "23\r" << 23 << "";
        QTest::newRow("whole: zero") << true << 4 << "0\r" << 0 << "";
        QTest::newRow("whole: the maximum") << true << 4 << "99\r" << 99 << "";
        QTest::newRow("whole: over the maximum") << true << 4 << "100\r" << 4 << "100 is over 99";
        QTest::newRow("whole: space discards") << true << 4 << "2 \r" << 4 << "";
        QTest::newRow("whole: plus a digit") << true << 4 << "+3" << 7 << "";
        QTest::newRow("whole: plus on a blank") << true << -1 << "+3" << 3 << "";
        QTest::newRow("whole: minus a digit") << true << 4 << "-3" << 1 << "";
        QTest::newRow("whole: sign after digits") << true << 4 << "2+\r" << 4 << "a sign";
        QTest::newRow("whole: over the top") << true << 98 << "+5" << 98 << "98 + 5 is over 99";
    }

    void scoresTyped()
    {
        QFETCH(bool, whole);
        QFETCH(int, before);
        QFETCH(QString, keys);
        QFETCH(int, after);
        QFETCH(QString, told);
        TestBoard made(fakes, withHints(OperatorHintsMode::Always, whole));
        ScoreBoardWindow &board = made.window;
        QVERIFY(open(board));
        if (before >= 0)
            made.game.setScore(GameModel::Home1, before);
        else
            made.game.clear();
        PictureBox *panel = board.controls().home1Panel;
        panel->setFocus();
        type(panel, keys);
        QCOMPARE(made.game.score(GameModel::Home1).value_or(-1), after);
        const QString line = board.operatorHints()->text();
        QCOMPARE(board.windowTitle(), QStringLiteral("Corvella by Brannick")); // the board only
        if (told.isEmpty()) {
            QVERIFY2(!line.contains(QStringLiteral("Not taken")), qPrintable(line));
        } else {
            QVERIFY2(line.contains(QStringLiteral("Not taken")) && line.contains(told),
                     qPrintable(line));
        }
    }

    // A refusal reads the same wherever it was asked for: the board's keys,
    // the API and a phone; the board puts "Not taken: " before it.
    void aRefusalReadsTheSameEverywhere_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("words");
        for (const char *place : {"keys", "api", "phone"}) {
            QTest::addRow("score over its limit, %s", place)
                << u"score"_s << u"98 + 3 is over 99"_s;
            QTest::addRow("clock started in a break, %s", place)
                << u"break"_s << u"the break runs by itself"_s;
            QTest::addRow("point after the final, %s", place)
                << u"final"_s << u"the match is over"_s;
        }
    }
    void aRefusalReadsTheSameEverywhere()
    {
        QFETCH(QString, refusal);
        QFETCH(QString, words);
        const QString place = QString::fromLatin1(QTest::currentDataTag()).section(u", "_s, 1);
        Settings s = withHints(OperatorHintsMode::Always);
        s.Api = 1;
        s.ApiToken = u"0123456789abcdef0123456789abcdef"_s;
        TestBoard made(fakes, s);
        CurrentSettings settings(s);
        LiveChannel live(made.game, made.history, settings, fakes.time);
        RemoteApi api(made.game, made.history, settings, live, fakes.time);
        // The key, the API's route and the phone's message of each.
        struct Way
        {
            QString keys;
            QByteArray path;
            QByteArray body;
            QJsonObject phone;
        } way;
        if (refusal == u"score") {
            made.game.setScore(GameModel::Home1, 98);
            way = {u"+3"_s,
                   "/api/v1/score/home/1",
                   R"({"add":3})",
                   {{u"action"_s, u"score"_s}, {u"which"_s, GameModel::Home1}, {u"delta"_s, 3}}};
        } else if (refusal == u"break") {
            made.game.setStructure({2, {60'000}, 0});
            made.game.setClockMode(true, 1'000);
            made.game.startStop();
            fakes.time.now += 1'000;
            made.game.updateClock();
            QCOMPARE(made.game.phase(), GamePhase::Break);
            way = {u"s"_s, "/api/v1/clock/start", {}, {{u"action"_s, u"startStop"_s}}};
        } else {
            SetsRules rules;
            rules.enabled = true;
            rules.setsToWin = 1;
            rules.lastSetPoints = 25;
            made.game.setsPart().setRules(rules);
            for (int i = 0; i < 25; ++i)
                made.game.setsPart().addPoint(GameModel::Home);
            QCOMPARE(made.game.phase(), GamePhase::Final);
            way = {u"q"_s, "/api/v1/point/guest", {}, {{u"action"_s, u"point.guest"_s}}};
        }
        const GameState before = made.game.state();

        QString told;
        if (place == u"keys") {
            QVERIFY(open(made.window));
            made.window.controls().home1Panel->setFocus();
            type(made.window.controls().home1Panel, way.keys);
            told = made.window.operatorHints()->text();
            QVERIFY2(told.startsWith(u"Not taken: "_s + words), qPrintable(told));
            told = words;
        } else if (place == u"api") {
            const HttpFront::Request request{"POST",
                                             way.path,
                                             {},
                                             "HTTP/1.1",
                                             {{"authorization", "Bearer " + s.ApiToken.toLatin1()}},
                                             way.body,
                                             u"127.0.0.1"_s};
            const HttpFront::Answer answer = api.answer(request);
            QCOMPARE(answer.status, 409);
            told = QJsonDocument::fromJson(answer.body).object().value(u"error"_s).toString();
        } else {
            QJsonObject reply;
            connect(&live, &LiveChannel::sendToPage, this, [&](quint64, const QString &text) {
                reply = QJsonDocument::fromJson(text.toUtf8()).object();
            });
            const auto say = [&](QJsonObject message) {
                message.insert(u"type"_s, message.contains(u"pin"_s) ? u"pin"_s : u"action"_s);
                live.pageMessage(1, QString::fromUtf8(QJsonDocument(message).toJson()));
            };
            live.pageOpened(1);
            say({{u"pin"_s, live.pinLock().pin()}});
            say(way.phone);
            QCOMPARE(reply.value(u"result"_s).toString(), u"refused"_s);
            told = reply.value(u"reason"_s).toString();
        }
        QCOMPARE(told, words);
        QVERIFY(made.game.state() == before);
    }

    // Every key the game refuses says why on the hints; without them the
    // board stays silent.
    void refusalsAreTold_data()
    {
        QTest::addColumn<bool>("hints");
        QTest::addColumn<int>("phase");    // a GamePhase
        QTest::addColumn<QString>("keys"); // typed on a clock digit; ^Z is Ctrl+Z
        QTest::addColumn<QString>("told");
        const QString inBreak = u"the break runs by itself (k skips it)"_s;
        const QString over = u"the game is over (g starts a new one)"_s;
        QTest::newRow("s in a break") << true << int(GamePhase::Break) << u"s"_s << inBreak;
        QTest::newRow("s after the final") << true << int(GamePhase::Final) << u"s"_s << over;
        QTest::newRow("r in a break") << true << int(GamePhase::Break) << u"r"_s << inBreak;
        QTest::newRow("n after the final") << true << int(GamePhase::Final) << u"n"_s << over;
        QTest::newRow("p in the first period")
            << true << int(GamePhase::Play) << u"p"_s << u"this is the first period"_s;
        QTest::newRow("k while playing")
            << true << int(GamePhase::Play) << u"k"_s << u"there is no break to skip"_s;
        QTest::newRow("a clock entry in a break")
            << true << int(GamePhase::Break) << u"12.30\r"_s << inBreak;
        QTest::newRow("s at zero counting down")
            << true << int(GamePhase::Play) << u"0\rs"_s << u"the clock is at zero"_s;
        QTest::newRow("nothing to undo")
            << true << int(GamePhase::Play) << u"^Z"_s << u"Nothing to undo"_s;
        QTest::newRow("no hints: s in a break")
            << false << int(GamePhase::Break) << u"s"_s << QString();
        QTest::newRow("no hints: nothing to undo")
            << false << int(GamePhase::Play) << u"^Z"_s << QString();
    }

    void refusalsAreTold()
    {
        QFETCH(bool, hints);
        QFETCH(int, phase);
        QFETCH(QString, keys);
        QFETCH(QString, told);
        TestBoard made(fakes,
                       withHints(hints ? OperatorHintsMode::Always : OperatorHintsMode::Never));
        ScoreBoardWindow &board = made.window;
        QVERIFY(open(board));
        made.game.setStructure({2, {60'000}, 0});
        made.game.setClockMode(true, 60'000);
        GameState state = made.game.state();
        state.phase = GamePhase(phase);
        state.period = state.phase == GamePhase::Final ? 2 : 1;
        made.game.restore(state);
        const GameState before = made.game.state();
        LedDigit *digit = board.clockDigits()[2];
        digit->setFocus();
        if (keys == u"^Z"_s)
            QTest::keyClick(digit, Qt::Key_Z, Qt::ControlModifier);
        else
            type(digit, keys);
        QCOMPARE(made.game.phase(), GamePhase(phase));
        QCOMPARE(board.windowTitle(), u"Corvella by Brannick"_s);
        if (!hints) {
            QVERIFY(!board.operatorHints());
            return;
        }
        const QString line = board.operatorHints()->text();
        QVERIFY2(line.contains(told), qPrintable(line));
        if (keys != u"0\rs"_s)
            QVERIFY(made.game.state() == before);
    }

    // A step done puts the note before it out of date.
    void aGoodEntryClearsTheLastNote()
    {
        TestBoard made(fakes, withHints(OperatorHintsMode::Always));
        ScoreBoardWindow &board = made.window;
        QVERIFY(open(board));
        PictureBox *panel = board.controls().home1Panel;
        panel->setFocus();
        type(panel, u"+3"_s);
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(board.operatorHints()->text().contains(u"Undone"_s));
        type(panel, u"5\r"_s);
        QCOMPARE(made.game.score(GameModel::Home1), 5);
        QVERIFY2(!board.operatorHints()->text().contains(u"Undone"_s),
                 qPrintable(board.operatorHints()->text()));
        type(panel, u"+9"_s); // 14 stays within 99: taken, nothing told
        type(panel, u"99\r"_s);
        QVERIFY(board.operatorHints()->text().contains(u"one digit"_s));
        type(panel, u"+1"_s);
        QCOMPARE(made.game.score(GameModel::Home1), 15);
        QCOMPARE(board.operatorHints()->text(), QString());
    }

    void thePendingEntryShowsAndExpires()
    {
        TestBoard made(fakes, withHints(OperatorHintsMode::Always, true));
        ScoreBoardWindow &board = made.window;
        board.setTimeouts(50, 60'000, 2000);
        QVERIFY(open(board));
        PictureBox *panel = board.controls().guest2Panel;
        panel->setFocus();
        type(panel, QStringLiteral("4"));
        QVERIFY(board.operatorHints()->text().contains(QStringLiteral("Typed: 4")));
        QTRY_VERIFY_WITH_TIMEOUT(board.scoreEntry().pendingText().isEmpty(), 5000);
        QVERIFY(board.operatorHints()->text().contains(QStringLiteral("4 dropped")));
        type(panel, QStringLiteral("2\r"));
        QCOMPARE(made.game.score(GameModel::Guest2), 2); // not 42
    }

    void hintsFollowTheirSetting_data()
    {
        QTest::addColumn<qint16>("mode");
        QTest::addColumn<bool>("alone");
        QTest::addColumn<bool>("withAudience");
        QTest::newRow("with the audience display")
            << OperatorHintsMode::WithAudience << false << true;
        QTest::newRow("always") << OperatorHintsMode::Always << true << true;
        QTest::newRow("never") << OperatorHintsMode::Never << false << false;
    }

    void hintsFollowTheirSetting()
    {
        QFETCH(qint16, mode);
        QFETCH(bool, alone);
        QFETCH(bool, withAudience);
        TestBoard made(fakes, withHints(mode));
        QCOMPARE(made.window.showsOperatorHints(), alone);
        made.window.setAudienceShown(true);
        QCOMPARE(made.window.showsOperatorHints(), withAudience);
        made.window.setAudienceShown(false);
        QCOMPARE(made.window.showsOperatorHints(), alone);
    }

    // What the board tells stands first in the title, so a narrow title bar
    // still shows it, and on the hints line for a board in full screen. A
    // notice of "F7" is F7's own refusal.
    void theNotesComeBeforeTheProgramsName_data()
    {
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("title");
        const QString gone = u"the hall link is down: the connection to 127.0.0.1:1883 was lost"_s;
        const QString korfball = u"Fortuna E1 - PKC E1 (Korfball)"_s;
        QTest::newRow("no note") << QString() << QString() << QString()
                                 << u"Corvella by Brannick"_s;
        QTest::newRow("the next game")
            << QString() << QString() << korfball
            << u"Next: Fortuna E1 - PKC E1 (Korfball), F7 - Corvella by Brannick"_s;
        QTest::newRow("the hall's link gone")
            << QString() << gone << QString()
            << u"The hall link is down: the connection to 127.0.0.1:1883 was lost - "
               u"Corvella by Brannick"_s;
        QTest::newRow("F7 refused")
            << u"F7"_s << QString() << QString()
            << u"No next game has come from the hall - Corvella by Brannick"_s;
        QTest::newRow("all at once")
            << u"Exported to game.pdf"_s << gone << korfball
            << u"Exported to game.pdf - The hall link is down: the connection to 127.0.0.1:1883 "
               u"was lost - Next: Fortuna E1 - PKC E1 (Korfball), F7 - Corvella by Brannick"_s;
    }

    void theNotesComeBeforeTheProgramsName()
    {
        QFETCH(QString, notice);
        QFETCH(QString, problem);
        QFETCH(QString, next);
        QFETCH(QString, title);
        TestBoard made(fakes, withHints(OperatorHintsMode::Always));
        ScoreBoardWindow &board = made.window;
        QVERIFY(open(board));
        board.setSaveProblem(problem);
        board.offerNextGame(next);
        if (notice == u"F7")
            QTest::keyClick(&board, Qt::Key_F7);
        else if (!notice.isEmpty())
            board.showNotice(notice, true);
        QCOMPARE(board.windowTitle(), title);

        // The hints line tells every note of the title.
        const QString line = board.operatorHints()->text();
        if (!next.isEmpty())
            QVERIFY2(line.contains(u"Next: %1, F7 loads it"_s.arg(next)), qPrintable(line));
        if (!problem.isEmpty())
            QVERIFY2(line.contains(u"The hall link is down"_s), qPrintable(line));
        if (notice == u"F7")
            QVERIFY2(line.contains(u"No next game has come from the hall"_s), qPrintable(line));
        else if (!notice.isEmpty())
            QVERIFY2(line.contains(notice), qPrintable(line));
        if (next.isEmpty())
            QVERIFY2(!line.contains(u"Next"_s), qPrintable(line));
        if (problem.isEmpty())
            QVERIFY2(!line.contains(u"hall link"_s), qPrintable(line));

        // Without hints, only the title tells.
        board.setOperatorHints(false);
        QCOMPARE(board.windowTitle(), title);
        board.setOperatorHints(true);
        if (!next.isEmpty())
            QVERIFY(board.operatorHints()->text().contains(next));
    }

    void undoAndRedoAreTold()
    {
        TestBoard made(fakes, withHints(OperatorHintsMode::Always));
        ScoreBoardWindow &board = made.window;
        board.setTimeouts(5000, 50, 2000);
        QVERIFY(open(board));
        PictureBox *panel = board.controls().home1Panel;
        panel->setFocus();
        made.game.setScore(GameModel::Home1, 9);
        type(panel, QStringLiteral("+3"));
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(made.game.score(GameModel::Home1), 9);
        const QString undone = QStringLiteral("Undone: Home (Section 1) 12 -> 9");
        QCOMPARE(board.windowTitle(), undone + QStringLiteral(" - Corvella by Brannick"));
        QVERIFY(board.operatorHints()->text().contains(undone));
        QTest::keyClick(panel, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(board.windowTitle().startsWith(QStringLiteral("Redone: Home (Section 1) 9 -> 12")));
        // The title comes back as it always was.
        QTRY_COMPARE_WITH_TIMEOUT(board.windowTitle(), QStringLiteral("Corvella by Brannick"),
                                  5000);
    }

    // The timeout keys type nothing on a board without timeouts; with them,
    // a refused timeout is told even without hints.
    void theTimeoutKeysAndTheirRefusal()
    {
        TestBoard made(fakes, withHints(OperatorHintsMode::Never));
        ScoreBoardWindow &board = made.window;
        QVERIFY(open(board));
        PictureBox *panel = board.controls().homeTeamPanel;
        panel->setFocus();
        QTest::keyClick(panel, Qt::Key_H);
        QVERIFY(!made.game.timeoutTeam());
        GameStructure rules;
        rules.timeouts.perGame = 1;
        made.game.setStructure(rules);
        QTest::keyClick(panel, Qt::Key_H);
        QCOMPARE(made.game.timeoutTeam(), GameModel::Home);
        QVERIFY(board.controls().timeoutCaption->isVisible());
        QTest::keyClick(panel, Qt::Key_S);
        QVERIFY(board.windowTitle().contains(QStringLiteral("a timeout is running")));
        QTest::keyClick(panel, Qt::Key_J);
        QVERIFY(board.windowTitle().startsWith(
            QStringLiteral("Not taken: the other team's timeout is running")));
        QTest::keyClick(panel, Qt::Key_H); // ends it
        QTest::keyClick(panel, Qt::Key_H);
        QVERIFY(!made.game.timeoutTeam());
        QCOMPARE(board.windowTitle(),
                 QStringLiteral("Not taken: Home has no timeouts left - Corvella by Brannick"));
    }

    void anUndoFromThePhoneIsTold()
    {
        TestBoard made(fakes, withHints(OperatorHintsMode::Never));
        made.history.perform(
            QStringLiteral("Score from a phone"),
            [](GameModel &g) { g.addToScore(GameModel::Home1, 2); }, GameHistory::Origin::Remote);
        made.history.undo(GameHistory::Origin::Remote);
        QCOMPARE(
            made.window.windowTitle(),
            QStringLiteral("Undone from the network: Score from a phone - Corvella by Brannick"));
    }

    void anUndoThatStartsTheClockAsksTwice()
    {
        TestBoard made(fakes, withHints(OperatorHintsMode::Never));
        ScoreBoardWindow &board = made.window;
        board.setTimeouts(5000, 60'000, 100);
        QVERIFY(open(board));
        PictureBox *panel = board.controls().home1Panel;
        panel->setFocus();
        type(panel, QStringLiteral("s"));
        fakes.time.now += 192'400;
        type(panel, QStringLiteral("s"));
        QVERIFY(!made.game.isRunning());
        fakes.time.now += 30'000;

        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!made.game.isRunning());
        QVERIFY2(board.windowTitle().startsWith(
                     QStringLiteral("Ctrl+Z again starts the clock from 3:12.4")),
                 qPrintable(board.windowTitle()));
        // Too late: the next Ctrl+Z asks again.
        QVERIFY(board.undoAwaitsConfirmation());
        QTRY_VERIFY_WITH_TIMEOUT(!board.undoAwaitsConfirmation(), 5000);
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!made.game.isRunning());
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(made.game.isRunning());
        QCOMPARE(faceText(board.clockDigits()), QStringLiteral(" 3:12.4"));
        QVERIFY(board.windowTitle().contains(QStringLiteral("Undone: clock runs from")));
    }

    // Counting up, a break still counts down: the question names the break's
    // time, and the period the clock has since ended is out of the undo's reach.
    void anUndoInABreakNamesTheBreaksTimeAndSkipsThePeriodsClock()
    {
        TestBoard made(fakes, withHints(OperatorHintsMode::Never));
        ScoreBoardWindow &board = made.window;
        made.game.setClockMode(false, 60'000);
        made.game.setStructure({2, {30'000}, 0});
        QVERIFY(open(board));
        PictureBox *panel = board.controls().home1Panel;
        panel->setFocus();
        const auto advance = [&](qint64 ms) {
            for (qint64 done = 0; done < ms; done += 100) {
                fakes.time.now += 100;
                made.game.updateClock();
            }
        };
        type(panel, QStringLiteral("s"));
        advance(60'000 + 10'000);
        QCOMPARE(made.game.phase(), GamePhase::Break);
        type(panel, QStringLiteral("k"));
        QCOMPARE(made.game.period(), 2);
        fakes.time.now += 5'000;

        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY2(board.windowTitle().startsWith(
                     QStringLiteral("Ctrl+Z again starts the clock from 0:20.0")),
                 qPrintable(board.windowTitle()));
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(made.game.phase(), GamePhase::Break);
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(made.game.phase(), GamePhase::Break);
        QVERIFY(made.game.isRunning());
        QVERIFY2(board.windowTitle().startsWith(
                     QStringLiteral("Skipped (the period they timed is over): Start or stop "
                                    "the clock")),
                 qPrintable(board.windowTitle()));
    }

    // An undo is told from the game the history met and with the face as
    // the game shows it. Steps: keys typed on home's first score, ^Z for
    // Ctrl+Z, "wait MS" with the timer on time, "late MS" before it came.
    void anUndoTellsWhatItChanged_data()
    {
        QTest::addColumn<bool>("countDown");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("told");
        QTest::newRow("counting up, the break's clock counts down")
            << false << "s, wait 70000, wait 50, k, ^Z, ^Z"
            << "Undone: clock runs from 0:20.0";
        QTest::newRow("a period that ran out before the timer came")
            << true << "s, +2, late 60500, ^Z"
            << "Undone: Home (Section 1) 2 -> 0";
    }

    void anUndoTellsWhatItChanged()
    {
        QFETCH(bool, countDown);
        QFETCH(QString, steps);
        TestBoard made(fakes, withHints(OperatorHintsMode::Never));
        ScoreBoardWindow &board = made.window;
        made.game.setClockMode(countDown, 60'000);
        made.game.setStructure({2, {30'000}, 0});
        QVERIFY(open(board));
        PictureBox *panel = board.controls().home1Panel;
        panel->setFocus();
        for (const QString &step : steps.split(u", "_s)) {
            const qint64 ms = step.section(u' ', 1).toLongLong();
            if (step.startsWith(u"wait")) {
                for (qint64 done = 0; done < ms; done += std::min<qint64>(ms, 100)) {
                    fakes.time.now += std::min<qint64>(ms, 100);
                    made.game.updateClock();
                }
            } else if (step.startsWith(u"late")) {
                fakes.time.now += ms;
            } else if (step == u"^Z") {
                QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
            } else {
                type(panel, step);
            }
        }
        QString title = board.windowTitle();
        title.chop(QStringLiteral("Corvella by Brannick").size());
        QTEST(title.chopped(title.isEmpty() ? 0 : 3), "told");
    }

    void escLeavesFullScreenFirst()
    {
        TestBoard made(fakes, withHints(OperatorHintsMode::WithAudience));
        ScoreBoardWindow &board = made.window;
        int startScreens = 0;
        connect(&board, &ScoreBoardWindow::startScreenRequested, this, [&] { ++startScreens; });
        QVERIFY(open(board));
        QWidget *panel = board.controls().home1Panel;
        QTest::keyClick(panel, Qt::Key_Escape);
        QCOMPARE(startScreens, 1); // windowed: as it always was
        board.setWindowState(Qt::WindowFullScreen);
        QTest::keyClick(panel, Qt::Key_Escape);
        QCOMPARE(startScreens, 1);
        QVERIFY(!board.isFullScreen());
        QTest::keyClick(panel, Qt::Key_Escape);
        QCOMPARE(startScreens, 2);
    }

    void theFocusFrameFollowsTheBoard()
    {
        TestBoard made(fakes, withHints(OperatorHintsMode::Always));
        ScoreBoardWindow &board = made.window;
        board.resize(640, 480);
        QVERIFY(open(board));
        OperatorHints *hints = board.operatorHints();
        const auto &c = board.controls();
        // A team caption takes no digits: no frame there, a word instead.
        c.homeTeamPanel->setFocus();
        QVERIFY(!hints->frameShown());
        QVERIFY(hints->text().contains(QStringLiteral("Click a score")));
        c.clockPanel->setFocus();
        QVERIFY(!hints->frameShown());
        board.guest2Digits()[0]->setFocus();
        QVERIFY(hints->frameShown());
        for (const QSize size : {QSize(1200, 700), QSize(500, 600)}) {
            board.resize(size);
            QTRY_VERIFY(hints->frameGeometry().contains(c.guest2Panel->geometry()));
            QVERIFY(board.rect().contains(hints->frameGeometry().adjusted(4, 4, -4, -4)));
        }
    }

    void theCreditFollowsItsText()
    {
        Settings s = defaultSettings();
        QCOMPARE(s.CreditText, QStringLiteral("Brannick"));
        TestBoard made(fakes, s);
        QCOMPARE(made.window.controls().creditCaption->text(), QStringLiteral("Brannick"));
        s.CreditText = QStringLiteral("Riverside HC");
        made.window.applySettings(s);
        QCOMPARE(made.window.controls().creditCaption->text(), QStringLiteral("Riverside HC"));
        s.CreditText.clear();
        made.window.applySettings(s);
        QVERIFY(made.window.controls().creditCaption->isHidden());
        QCOMPARE(made.window.windowTitle(), QStringLiteral("Corvella by Brannick"));
    }
};

CORVELLA_TEST_MAIN(TestOperatorFeedback)
#include "tst_operatorfeedback.moc"
