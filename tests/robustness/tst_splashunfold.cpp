// The start screen's unfolding ends when the window cannot grow any more, as
// when the screen is too small for its full height: the 10 ms timer must not
// run on for as long as the start screen is up.
#include "app/startscreen.h"
#include "display/twips.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QPushButton>

class TestSplashUnfold : public QObject
{
    Q_OBJECT

    ScriptedDialogs dialogs;

    static void clickInstructions(StartScreen &splash)
    {
        QTest::mouseClick(splash.findChild<QPushButton *>(QStringLiteral("cmdInstr")),
                          Qt::LeftButton);
    }

private slots:
    void stopsWhereTheWindowStopsGrowing_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("300 px") << 300;
        QTest::newRow("one pixel of room") << twipsToPixels(StartScreen::CollapsedTwips) + 1;
        QTest::newRow("no room at all") << twipsToPixels(StartScreen::CollapsedTwips);
    }

    void stopsWhereTheWindowStopsGrowing()
    {
        QFETCH(int, limit);
        StartScreen splash(dialogs, {});
        splash.setMaximumHeight(limit);
        splash.show();
        clickInstructions(splash);
        int ticks = 0;
        while (splash.resizeTimer().isActive() && ticks < 1000) {
            splash.unfoldStep();
            ++ticks;
        }
        QVERIFY2(ticks < 40, qPrintable(QString::number(ticks)));
        QCOMPARE(splash.height(), limit);
    }

    void stopsByItselfOnItsOwnTimer()
    {
        StartScreen splash(dialogs, {});
        splash.setMaximumHeight(300);
        splash.show();
        clickInstructions(splash);
        QTRY_VERIFY_WITH_TIMEOUT(!splash.resizeTimer().isActive(), 3000);
        QCOMPARE(splash.height(), 300);
    }

    void withRoomItStillUnfoldsToTheFullHeight()
    {
        StartScreen splash(dialogs, {});
        splash.show();
        clickInstructions(splash);
        QTRY_VERIFY_WITH_TIMEOUT(!splash.resizeTimer().isActive(), 3000);
        QVERIFY(splash.heightTwips() >= StartScreen::ExpandedTwips);
    }
};

CORVELLA_TEST_MAIN(TestSplashUnfold)
#include "tst_splashunfold.moc"
