// The sponsors' slides over the audience's board: shown through a break one
// after the other as the game's time passes, and gone when it ends.
#include "audience/sponsoroverlay.h"
#include "game/gamemodel.h"
#include "tests/support/fakes.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSponsorOverlay : public QObject
{
    Q_OBJECT

private slots:
    void slidesFollowTheGamesTime()
    {
        QTemporaryDir folder;
        const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue};
        for (qsizetype i = 0; i < colours.size(); ++i) {
            QImage slide(64, 36, QImage::Format_RGB32);
            slide.fill(colours.at(i));
            QVERIFY(slide.save(folder.filePath(u"%1.png"_s.arg(i))));
        }
        ManualTimeSource time;
        GameModel game(time);
        game.setClockMode(true, 10'000);
        game.setStructure({2, {30'000}, 0});
        Settings settings = defaultSettings();
        settings.SponsorsEnabled = 1;
        settings.SponsorSlideSeconds = 5;
        QWidget board;
        board.resize(640, 360);
        SponsorOverlay overlay(game, settings, &board, folder.path());
        board.show();
        QTRY_COMPARE_WITH_TIMEOUT(overlay.slides().images().size(), 3, 10'000);
        QSignalSpy showing(&overlay, &SponsorOverlay::showingChanged);

        game.startStop();
        time.now += 10'000;
        game.updateClock();
        QCOMPARE(game.phase(), GamePhase::Break);
        QVERIFY(overlay.isShowing());
        QCOMPARE(overlay.geometry(), board.rect());
        // Decoded to fill the space above the strip.
        QCOMPARE(overlay.slides().images().first().height(),
                 360 - int(360 * SponsorOverlay::StripShare));
        QList<int> seen;
        for (int step = 0; step < 4; ++step) {
            seen << overlay.currentSlide();
            time.now += 5'000;
            game.updateClock();
        }
        QCOMPARE(seen, (QList<int>{0, 1, 2, 0}));
        QCOMPARE(overlay.grab().toImage().pixelColor(320, 100), colours.at(1));

        time.now += 20'000;
        game.updateClock();
        QCOMPARE(game.phase(), GamePhase::Play);
        QVERIFY(!overlay.isShowing());
        QCOMPARE(showing.size(), 2);
        QCOMPARE(showing.at(1).at(0).toBool(), false);
    }

    void offByDefault()
    {
        ManualTimeSource time;
        GameModel game(time);
        game.setClockMode(true, 10'000);
        game.setStructure({2, {30'000}, 0});
        QWidget board;
        SponsorOverlay overlay(game, defaultSettings(), &board, u"/nonexistent"_s);
        game.startStop();
        time.now += 10'000;
        game.updateClock();
        QCOMPARE(game.phase(), GamePhase::Break);
        QVERIFY(!overlay.isShowing());
    }
};

QTEST_MAIN(TestSponsorOverlay)
#include "tst_sponsoroverlay.moc"
