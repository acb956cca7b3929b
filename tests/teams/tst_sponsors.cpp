// Which phases of a game show the sponsors, and which pictures of their
// folder are refused.
#include "game/gamemodel.h"
#include "game/sponsorphase.h"
#include "settings/appsettings.h"
#include "teams/sponsorslides.h"
#include "tests/support/fakes.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A game of two ten-second periods with a break and timeouts, brought to
// `situation` by the operator's steps.
void bring(GameModel &game, ManualTimeSource &time, const QString &situation)
{
    game.setClockMode(true, 10'000);
    GameStructure halves{2, {20'000}, 0};
    halves.timeouts.perGame = 2;
    halves.timeouts.lengthMs = 5'000;
    game.setStructure(halves);
    if (situation == u"pregame")
        return;
    game.startStop();
    time.now += situation == u"break" ? 10'000 : 1'000;
    game.updateClock();
    if (situation == u"timeout")
        game.takeTimeout(GameModel::Home);
    if (situation == u"stopped")
        game.startStop();
}

} // namespace

class TestSponsors : public QObject
{
    Q_OBJECT

private slots:
    void phases_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("during");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("shows");
        const QStringList situations = {u"pregame"_s, u"play"_s, u"stopped"_s, u"break"_s,
                                        u"timeout"_s};
        // What each During shows, situation by situation.
        const QList<std::pair<QString, QList<bool>>> during = {
            {u"breaks"_s, {false, false, false, true, false}},
            {u"breaks,timeouts"_s, {false, false, false, true, true}},
            {u"breaks,timeouts,pregame"_s, {true, false, false, true, true}},
        };
        for (const auto &[words, shown] : during)
            for (qsizetype i = 0; i < situations.size(); ++i)
                QTest::addRow("%s in %s", qPrintable(situations.at(i)), qPrintable(words))
                    << situations.at(i) << words << true << shown.at(i);
        for (const QString &situation : situations)
            QTest::addRow("%s turned off", qPrintable(situation))
                << situation << u"breaks,timeouts,pregame"_s << false << false;
    }

    void phases()
    {
        QFETCH(QString, situation);
        QFETCH(QString, during);
        QFETCH(bool, enabled);
        ManualTimeSource time;
        GameModel game(time);
        bring(game, time, situation);
        Settings settings = defaultSettings();
        settings.SponsorsEnabled = enabled ? 1 : 0;
        settings.SponsorsDuring = during;
        QTEST(showsSponsors(settings, sponsorPhaseOf(game)), "shows");
    }

    // Slides stay their time each and come round again.
    void slideOrder()
    {
        const qint64 slide = 8'000;
        QCOMPARE(SponsorSlides::slideAt(0, slide, 3), 0);
        QCOMPARE(SponsorSlides::slideAt(7'999, slide, 3), 0);
        QCOMPARE(SponsorSlides::slideAt(8'000, slide, 3), 1);
        QCOMPARE(SponsorSlides::slideAt(24'000, slide, 3), 0);
        QCOMPARE(SponsorSlides::slideAt(5'000, slide, 0), -1);
        QCOMPARE(SponsorSlides::msToNextSlide(7'000, slide), 1'000);
        QCOMPARE(SponsorSlides::msToNextSlide(8'000, slide), 8'000);
    }

    void refusedPictures()
    {
        QTemporaryDir folder;
        QImage small(40, 30, QImage::Format_RGB32);
        small.fill(Qt::green);
        QVERIFY(small.save(folder.filePath(u"a-club.png"_s)));
        QImage huge(4100, 10, QImage::Format_RGB32);
        huge.fill(Qt::blue);
        QVERIFY(huge.save(folder.filePath(u"b-huge.png"_s)));
        QFile svg(folder.filePath(u"c-foreign.svg"_s));
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                  "<image href='file:///etc/passwd' width='10' height='10'/></svg>");
        svg.close();
        const QList<SponsorSlides::File> files = SponsorSlides::files(folder.path());
        QCOMPARE(files.size(), 3);
        QVERIFY(files.at(0).refusal.isEmpty());
        QVERIFY(files.at(1).refusal.contains(u"4096"));
        QVERIFY(files.at(2).refusal.contains(u"outside"));
        QCOMPARE(SponsorSlides::shownPaths(folder.path()), QStringList{files.at(0).path});
    }
};

QTEST_GUILESS_MAIN(TestSponsors)
#include "tst_sponsors.moc"
