#include "display/controls.h"
#include "display/leddigit.h"
#include "display/twips.h"
#include "game/presets.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testboard.h"
#include "tests/support/testenv.h"

#include <QTemporaryDir>

class TestScoreboardWindow : public QObject
{
    Q_OBJECT

    Settings settings = defaultSettings();

    FakeServices fakes;

    static QWidget *nextFocusable(QWidget *w)
    {
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus);
        return w;
    }

    QSize designSize() const
    {
        return {twipsToPixels(ScoreBoardWindow::DesignWidth),
                twipsToPixels(ScoreBoardWindow::DesignHeight)};
    }

private slots:
    void init() { settings = defaultSettings(); }

    void opensAtDesignSizeWithZeroesAndBlankTens()
    {
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        QCOMPARE(board.size(), designSize());
        QCOMPARE(board.windowTitle(), QStringLiteral("Corvella by Brannick"));
        QList<int> clock;
        for (const LedDigit *digit : board.clockDigits().members())
            clock << digit->caption();
        QCOMPARE(clock, (QList<int>{-1, 0, 0, 0, 0}));
        for (const LedGroup *score : {&board.home1Digits(), &board.guest1Digits(),
                                      &board.home2Digits(), &board.guest2Digits()}) {
            QCOMPARE((*score)[0]->caption(), 0);
            QCOMPARE((*score)[1]->caption(), -1);
            QCOMPARE((*score)[1]->x() < (*score)[0]->x(), true);
        }
        QCOMPARE(board.clockDigits()[5]->size(), QSize(69, 105));
        QCOMPARE(board.home1Digits()[0]->size(), QSize(71, 107));
    }

    // A sport with one score shows no second row that would read 0 - 0 all
    // game; the others keep it for fouls, sets or scores.
    void aSportWithOneScoreShowsNoSectionTwo_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Korfball") << QStringLiteral("Korfball") << false;
        QTest::newRow("Football") << QStringLiteral("Football") << false;
        QTest::newRow("Handball") << QStringLiteral("Handball") << false;
        QTest::newRow("Classic") << QStringLiteral("Classic") << true;
        QTest::newRow("Basketball: fouls") << QStringLiteral("Basketball") << true;
        QTest::newRow("Volleyball: sets") << QStringLiteral("Volleyball") << true;
    }

    void aSportWithOneScoreShowsNoSectionTwo()
    {
        QFETCH(QString, preset);
        QFETCH(bool, shown);
        const QTemporaryDir none;
        const QList<Preset> presets = Presets::load(none.path());
        const auto chosen = std::find_if(presets.cbegin(), presets.cend(),
                                         [&](const Preset &p) { return p.name == preset; });
        QVERIFY(chosen != presets.cend());
        TestBoard made(fakes);
        ScoreBoardWindow &board = made.window;
        board.applySettings(Presets::apply(*chosen, presets, settings));
        board.show();
        board.resize(board.size() * 2);
        const BoardView::Controls &c = board.controls();
        for (const QWidget *part :
             {static_cast<QWidget *>(c.home2Panel), static_cast<QWidget *>(c.guest2Panel),
              static_cast<QWidget *>(c.section2Caption)})
            QCOMPARE(part->isVisible(), shown);
        QVERIFY(c.home1Panel->isVisible() && c.section1Caption->isVisible());
        // Back to a board with two sections, the second comes back.
        board.applySettings(settings);
        QVERIFY(c.home2Panel->isVisible() && c.section2Caption->isVisible());
    }

    void firstFocusAndTabOrder()
    {
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        board.show();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        const auto &c = board.controls();
        QCOMPARE(QApplication::focusWidget(), c.homeTeamPanel);
        QCOMPARE(nextFocusable(c.homeTeamPanel), c.guestTeamPanel);
        QCOMPARE(nextFocusable(c.clockPanel), board.clockDigits()[4]);
        QCOMPARE(nextFocusable(board.clockDigits()[1]), c.home1Panel);
        QCOMPARE(nextFocusable(board.home1Digits()[0]), board.home1Digits()[1]);
        QCOMPARE(nextFocusable(c.guest2Panel), board.clockDigits()[5]);
    }

    void rSizeTakesTheSmallerRatio_data()
    {
        QTest::addColumn<double>("widthFactor");
        QTest::addColumn<double>("heightFactor");
        QTest::addColumn<double>("expected");
        QTest::newRow("design size") << 1.0 << 1.0 << 24.0;
        QTest::newRow("twice both") << 2.0 << 2.0 << 48.0;
        QTest::newRow("twice as wide") << 2.0 << 1.0 << 24.0;
        QTest::newRow("twice as high") << 1.0 << 2.0 << 24.0;
        QTest::newRow("half as high") << 1.0 << 0.5 << 12.0;
    }

    void rSizeTakesTheSmallerRatio()
    {
        QFETCH(double, widthFactor);
        QFETCH(double, heightFactor);
        QFETCH(double, expected);
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        board.resize(qRound(designSize().width() * widthFactor),
                     qRound(designSize().height() * heightFactor));
        QVERIFY(qAbs(board.captionPointSize(24) - expected) < 0.1);
    }

    void captionsFollowTheHeightOnResizeAndRSizeAfterUpdateLabels()
    {
        // Captions short enough to fit at twice the size; longer ones shrink
        // to fit instead (checked under Xvfb on every screen shape).
        settings.HomeText = QStringLiteral("H");
        settings.SectionText1 = QStringLiteral("P1");
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        board.show();
        const auto &c = board.controls();
        QCOMPARE(c.section1Caption->fontSize(), 24.0);
        board.resize(designSize().width(), designSize().height() * 2);
        QCOMPARE(c.section1Caption->fontSize(), 48.0);
        QCOMPARE(c.homeTeamCaption->fontSize(), 48.0);
        board.updateCaptions();
        QVERIFY(qAbs(c.section1Caption->fontSize() - 24.0) < 0.1);
    }

    void captionsAreCentredInTheirPanels_data()
    {
        QTest::addColumn<QString>("home");
        QTest::newRow("default") << QStringLiteral("Home");
        QTest::newRow("empty") << QString();
        QTest::newRow("long") << QStringLiteral("Wolverhampton");
    }

    void captionsAreCentredInTheirPanels()
    {
        QFETCH(QString, home);
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        board.resize(1000, 700);
        Settings changed = board.settings();
        changed.HomeText = home;
        board.applySettings(changed);
        const auto &c = board.controls();
        QCOMPARE(c.homeTeamCaption->text(), home);
        const QPoint labelCentre = c.homeTeamCaption->geometry().center();
        const QPoint panelCentre = c.homeTeamPanel->rect().center();
        QVERIFY2(qAbs(labelCentre.x() - panelCentre.x()) <= 1,
                 qPrintable(QString::number(labelCentre.x())));
        QVERIFY(qAbs(labelCentre.y() - panelCentre.y()) <= 1);
        QCOMPARE(board.layoutSnapshot().originalWidth(), qRound(pixelsToTwips(1000)));
    }

    void coloursFollowTheSettings()
    {
        settings.FormColor = 0x000001;
        settings.LEDTimeColor = 0x000002;
        settings.LEDScoreColor = 0x000003;
        settings.LEDBackColor = 0x000004;
        settings.HomeColor = 0x000005;
        settings.GuestColor = 0x000006;
        settings.TextColor = 0x000007;
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        const auto &c = board.controls();
        QCOMPARE(board.palette().color(QPalette::Window), QColor(1, 0, 0));
        QCOMPARE(c.homeTeamPanel->backColor(), 1);
        QCOMPARE(c.guestTeamPanel->backColor(), 1);
        QCOMPARE(c.homeTeamCaption->foreColor(), 5);
        QCOMPARE(c.guestTeamCaption->foreColor(), 6);
        for (const Label *label : {c.section1Caption, c.section2Caption, c.creditCaption})
            QCOMPARE(label->foreColor(), 7);
        for (const Shape *dot : c.clockDots)
            QCOMPARE(dot->fillColor(), 7);
        QCOMPARE(c.clockFrame->borderColor(), 7);
        QCOMPARE(c.boardFrame->borderColor(), 7);
        for (const PictureBox *panel :
             {c.clockPanel, c.home1Panel, c.guest1Panel, c.home2Panel, c.guest2Panel})
            QCOMPARE(panel->backColor(), 4);
        for (const LedDigit *digit : board.clockDigits().members()) {
            QCOMPARE(digit->litColor(), 2);
            QCOMPARE(digit->backColor(), 4);
            QCOMPARE(digit->unlitColor(), 4);
        }
        QCOMPARE(board.guest2Digits()[1]->litColor(), 3);
    }

    void theBoardScalesToFourK()
    {
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        board.show();
        board.resize(3840, 2160);
        const double y = 2160.0 / designSize().height();
        QVERIFY(qAbs(board.clockDigits()[1]->digitSize() - 120 * y) < 0.5);
        const QRect clock = board.controls().clockPanel->geometry();
        QVERIFY(clock.right() < 3840 && clock.bottom() < 2160);
        QVERIFY(board.controls().guest2Panel->geometry().right() < 3840);
    }
};

CORVELLA_TEST_MAIN(TestScoreboardWindow)
#include "tst_scoreboardwindow.moc"
