#include "display/controls.h"
#include "display/ledlines.h"
#include "display/twips.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

class TestScoreboardWindow : public QObject
{
    Q_OBJECT

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
        return {twipsToPixels(frmScoreBoard::DesignWidth),
                twipsToPixels(frmScoreBoard::DesignHeight)};
    }

private slots:
    void init() { AppSettings = defaultSettings(); }

    void opensAtDesignSizeWithZeroesAndBlankTens()
    {
        frmScoreBoard board(fakes.services());
        QCOMPARE(board.size(), designSize());
        QCOMPARE(board.windowTitle(), QStringLiteral("Corvella by Brannick"));
        QList<int> clock;
        for (const ledlines *digit : board.ledTime().members())
            clock << digit->caption();
        QCOMPARE(clock, (QList<int>{-1, 0, 0, 0, 0}));
        for (const LedGroup *score : {&board.ledHomeScore0(), &board.ledGuestScore0(),
                                      &board.ledHomeScore1(), &board.ledGuestScore1()}) {
            QCOMPARE((*score)[0]->caption(), 0);
            QCOMPARE((*score)[1]->caption(), -1);
            QCOMPARE((*score)[1]->x() < (*score)[0]->x(), true);
        }
        QCOMPARE(board.ledTime()[5]->size(), QSize(69, 105));
        QCOMPARE(board.ledHomeScore0()[0]->size(), QSize(71, 107));
    }

    void firstFocusAndTabOrder()
    {
        frmScoreBoard board(fakes.services());
        board.show();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        const auto &c = board.controls();
        QCOMPARE(QApplication::focusWidget(), c.picHomeContainer);
        QCOMPARE(nextFocusable(c.picHomeContainer), c.picGuestContainer);
        QCOMPARE(nextFocusable(c.picTimeBack), board.ledTime()[4]);
        QCOMPARE(nextFocusable(board.ledTime()[1]), c.picHomeScore0);
        QCOMPARE(nextFocusable(board.ledHomeScore0()[0]), board.ledHomeScore0()[1]);
        QCOMPARE(nextFocusable(c.picGuestScore1), board.ledTime()[5]);
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
        frmScoreBoard board(fakes.services());
        board.resize(qRound(designSize().width() * widthFactor),
                     qRound(designSize().height() * heightFactor));
        QVERIFY(qAbs(board.captionPointSize(24) - expected) < 0.1);
    }

    void captionsFollowTheHeightOnResizeAndRSizeAfterUpdateLabels()
    {
        // Captions short enough to fit at twice the size; longer ones shrink
        // to fit instead (checked under Xvfb on every screen shape).
        AppSettings.HomeText = QStringLiteral("H");
        AppSettings.SectionText1 = QStringLiteral("P1");
        frmScoreBoard board(fakes.services());
        board.show();
        const auto &c = board.controls();
        QCOMPARE(c.lblSection1->fontSize(), 24.0);
        board.resize(designSize().width(), designSize().height() * 2);
        QCOMPARE(c.lblSection1->fontSize(), 48.0);
        QCOMPARE(c.lblHomeScore->fontSize(), 48.0);
        board.UpdateLabels();
        QVERIFY(qAbs(c.lblSection1->fontSize() - 24.0) < 0.1);
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
        frmScoreBoard board(fakes.services());
        board.resize(1000, 700);
        Settings changed = board.settings();
        changed.HomeText = home;
        board.applySettings(changed);
        const auto &c = board.controls();
        QCOMPARE(c.lblHomeScore->text(), home);
        const QPoint labelCentre = c.lblHomeScore->geometry().center();
        const QPoint panelCentre = c.picHomeContainer->rect().center();
        QVERIFY2(qAbs(labelCentre.x() - panelCentre.x()) <= 1,
                 qPrintable(QString::number(labelCentre.x())));
        QVERIFY(qAbs(labelCentre.y() - panelCentre.y()) <= 1);
        QCOMPARE(board.layoutSnapshot().OrigWidth(), qRound(pixelsToTwips(1000)));
    }

    void coloursFollowTheSettings()
    {
        AppSettings.FormColor = 0x000001;
        AppSettings.LEDTimeColor = 0x000002;
        AppSettings.LEDScoreColor = 0x000003;
        AppSettings.LEDBackColor = 0x000004;
        AppSettings.HomeColor = 0x000005;
        AppSettings.GuestColor = 0x000006;
        AppSettings.TextColor = 0x000007;
        frmScoreBoard board(fakes.services());
        const auto &c = board.controls();
        QCOMPARE(board.palette().color(QPalette::Window), QColor(1, 0, 0));
        QCOMPARE(c.picHomeContainer->backColor(), 1);
        QCOMPARE(c.picGuestContainer->backColor(), 1);
        QCOMPARE(c.lblHomeScore->foreColor(), 5);
        QCOMPARE(c.lblGuestScore->foreColor(), 6);
        for (const Label *label : {c.lblSection1, c.lblSection2, c.lblCreatedBy})
            QCOMPARE(label->foreColor(), 7);
        for (const Shape *dot : c.shpTime)
            QCOMPARE(dot->fillColor(), 7);
        QCOMPARE(c.shpTimeBorder->borderColor(), 7);
        QCOMPARE(c.shpLarge->borderColor(), 7);
        for (const PictureBox *panel :
             {c.picTimeBack, c.picHomeScore0, c.picGuestScore0, c.picHomeScore1, c.picGuestScore1})
            QCOMPARE(panel->backColor(), 4);
        for (const ledlines *digit : board.ledTime().members()) {
            QCOMPARE(digit->litColor(), 2);
            QCOMPARE(digit->backColor(), 4);
            QCOMPARE(digit->unlitColor(), 4);
        }
        QCOMPARE(board.ledGuestScore1()[1]->litColor(), 3);
    }

    void theBoardScalesToFourK()
    {
        frmScoreBoard board(fakes.services());
        board.show();
        board.resize(3840, 2160);
        const double y = 2160.0 / designSize().height();
        QVERIFY(qAbs(board.ledTime()[1]->digitSize() - 120 * y) < 0.5);
        const QRect clock = board.controls().picTimeBack->geometry();
        QVERIFY(clock.right() < 3840 && clock.bottom() < 2160);
        QVERIFY(board.controls().picGuestScore1->geometry().right() < 3840);
    }
};

CORVELLA_TEST_MAIN(TestScoreboardWindow)
#include "tst_scoreboardwindow.moc"
