#include "app/corvellaapp.h"
#include "app/startscreen.h"
#include "display/controls.h"
#include "display/twips.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "tests/support/appdriver.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

class TestSplash : public QObject
{
    Q_OBJECT

    FakeServices fakes;
    int goScores = 0;

    std::unique_ptr<StartScreen> makeSplash()
    {
        auto splash = std::make_unique<StartScreen>(fakes.dialogs);
        connect(splash.get(), &StartScreen::scoreboardRequested, this, [this] { ++goScores; });
        splash->show();
        return splash;
    }

    static QString shownText(const StartScreen &splash)
    {
        return splash.findChild<QPlainTextEdit *>(QStringLiteral("txtInstr"))->toPlainText();
    }

    // Answers the next modal window with `answer` once it is up.
    void whenModal(std::function<void(QWidget *)> answer)
    {
        QTimer::singleShot(0, this, [answer] { answer(QApplication::activeModalWidget()); });
    }

private slots:
    void init()
    {
        TestEnvironment::clearStore();
        goScores = 0;
        fakes.dialogs = ScriptedDialogs{};
    }

    void opensCollapsedAndCentredWithItsTexts()
    {
        auto splash = makeSplash();
        QCOMPARE(splash->width(), twipsToPixels(6240));
        QCOMPARE(splash->heightTwips(), 3240);
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        const QRect screen = splash->screen()->geometry();
        QVERIFY(qAbs(splash->x() - (screen.width() - splash->width()) / 2) <= 1);
        QVERIFY(qAbs(splash->y() - (screen.height() - twipsToPixels(5880)) / 2) <= 1);
        QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 1.0.0"));
        QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("lblSystem"))->text(),
                 QStringLiteral("Linux"));
        QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("picLogo"))->size(), QSize(165, 71));
        QCOMPARE(splash->findChild<QGroupBox *>(QStringLiteral("frameSplash"))->height(),
                 twipsToPixels(3120));
        QVERIFY(shownText(*splash).endsWith(QStringLiteral("'o'.")));
        QVERIFY(QTest::qWaitForWindowActive(splash.get()));
        QCOMPARE(QApplication::focusWidget(),
                 splash->findChild<QPushButton *>(QStringLiteral("cmdInstr")));
    }

    void theProgramReadsTheStoreAtStart()
    {
        Settings stored = defaultSettings();
        stored.StartStopClockKey = 'g';
        QVERIFY(saveSettings(stored));
        CorvellaApp app(fakes.services());
        app.start();
        QCOMPARE(app.settings().value().StartStopClockKey, qint16('g'));
        StartScreen *splash = visibleSplash();
        QVERIFY(splash);
        QVERIFY(shownText(*splash).startsWith(
            QStringLiteral(" - To start or stop the clock press 'g'.")));
        splash->close();
        TestEnvironment::clearStore();
    }

    void instructionsUnfoldToTheFullHeightAndStop()
    {
        auto splash = makeSplash();
        auto *frame = splash->findChild<QGroupBox *>(QStringLiteral("frameSplash"));
        QTest::mouseClick(splash->findChild<QPushButton *>(QStringLiteral("cmdInstr")),
                          Qt::LeftButton);
        QVERIFY(splash->resizeTimer().isActive());
        int steps = 0;
        while (splash->resizeTimer().isActive() && steps < 100) {
            splash->unfoldStep();
            ++steps;
            QCOMPARE(frame->height(), splash->height() - twipsToPixels(120));
        }
        QVERIFY2(steps <= 40, qPrintable(QString::number(steps)));
        QVERIFY(splash->heightTwips() >= 5880);
        QVERIFY(splash->heightTwips() < 5880 + 15 * 2);
        const QPoint topLeft = splash->pos();
        QTest::mouseClick(splash->findChild<QPushButton *>(QStringLiteral("cmdInstr")),
                          Qt::LeftButton);
        splash->unfoldStep();
        QVERIFY(!splash->resizeTimer().isActive());
        QCOMPARE(splash->pos(), topLeft);
        QCOMPARE(goScores, 0);
    }

    void clicksOnTheFaceGoToTheScoreboard_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("goes");
        for (const char *name : {"lblName", "lblClick", "lblSystem", "lblVersion", "lblMadeBy",
                                 "picLogo", "frameSplash", "frmSplash"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        QTest::newRow("instructions text") << QStringLiteral("txtInstr") << false;
        QTest::newRow("Instructions button") << QStringLiteral("cmdInstr") << false;
    }

    void clicksOnTheFaceGoToTheScoreboard()
    {
        QFETCH(QString, target);
        QFETCH(bool, goes);
        auto splash = makeSplash();
        for (int i = 0; i < 40; ++i)
            splash->unfoldStep(); // everything in view
        QWidget *widget =
            target == splash->objectName() ? splash.get() : splash->findChild<QWidget *>(target);
        QVERIFY(widget);
        QWidget *underMouse = target == QLatin1StringView("txtInstr")
                                  ? static_cast<QPlainTextEdit *>(widget)->viewport()
                                  : widget;
        QTest::mouseClick(underMouse, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(goScores, goes ? 1 : 0);
        QCOMPARE(splash->isVisible(), !goes);
    }

    void escDoesNothingHere()
    {
        auto splash = makeSplash();
        QTest::keyClick(splash.get(), Qt::Key_Escape);
        QVERIFY(splash->isVisible());
    }

    void optionsRebuildTheInstructions()
    {
        TestEnvironment::clearStore();
        CorvellaApp app(fakes.services());
        app.start();
        StartScreen *splash = visibleSplash();
        Settings changed = app.settings().value();
        changed.StartStopClockKey = 'k';
        app.settings().set(changed);
        QVERIFY(shownText(*splash).contains(QStringLiteral("press 'k'")));
        whenModal([](QWidget *options) {
            QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("cmdCancel")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(splash->findChild<QPushButton *>(QStringLiteral("cmdOptions")),
                          Qt::LeftButton);
        QVERIFY(shownText(*splash).contains(QStringLiteral("press 'k'")));

        whenModal([](QWidget *options) {
            QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("cmdResetKeys")),
                              Qt::LeftButton);
            QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("cmdOk")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(splash->findChild<QPushButton *>(QStringLiteral("cmdOptions")),
                          Qt::LeftButton);
        QVERIFY(shownText(*splash).contains(QStringLiteral("press 's'")));
        splash->close();
    }

    void escOverTheRunningBoardAndBack()
    {
        CorvellaApp app(fakes.services());
        app.start();
        StartScreen *splash = visibleSplash();
        QVERIFY(splash);
        splash->goToScoreboard();
        ScoreBoardWindow *board = app.scoreboard();
        QVERIFY(board && board->isVisible());

        board->runCommandKey('s');
        bool wasModal = false;
        whenModal([&](QWidget *modal) {
            auto *over = qobject_cast<StartScreen *>(modal);
            wasModal = over != nullptr;
            QCOMPARE(over->heightTwips(), 3240);
            fakes.time.now += 5000;
            board->game().updateClock(); // the board keeps counting behind it
            QTest::mouseClick(over->findChild<QLabel *>(QStringLiteral("lblName")), Qt::LeftButton);
        });
        board->runCommandKey(27);
        QVERIFY(wasModal);
        QVERIFY(board->game().isRunning());
        QCOMPARE(board->game().clockMs(), 5000);
        QCOMPARE(app.scoreboard(), board);
    }

    void optionsFromTheBoardReapplyEvenOnCancel()
    {
        Settings stored = defaultSettings();
        stored.BuzzerFile = QCoreApplication::applicationFilePath();
        QVERIFY(saveSettings(stored));
        CorvellaApp app(fakes.services());
        app.start();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *s = qobject_cast<StartScreen *>(w); s && s->isVisible())
                s->goToScoreboard();
        ScoreBoardWindow *board = app.scoreboard();
        board->resize(800, 500);
        board->controls().homeTeamCaption->setText(QStringLiteral("Changed behind its back"));
        whenModal([](QWidget *options) {
            QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("cmdCancel")),
                              Qt::LeftButton);
        });
        board->runCommandKey('o');
        QCOMPARE(board->controls().homeTeamCaption->text(), QStringLiteral("Home"));
        QCOMPARE(board->layoutSnapshot().originalWidth(), qRound(pixelsToTwips(800)));
        const QStringList commands = fakes.device()->commands;
        QCOMPARE(
            commands.mid(commands.size() - 2),
            (QStringList{QStringLiteral("Close"), QStringLiteral("Open ") + stored.BuzzerFile}));
    }
};

CORVELLA_TEST_MAIN(TestSplash)
#include "tst_startscreen.moc"
