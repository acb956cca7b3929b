#include "display/controls.h"
#include "display/leddigit.h"
#include "display/ledgroup.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testboard.h"
#include "tests/support/testenv.h"

namespace {

QRect inView(const QWidget *control, const QWidget *view)
{
    return QRect(control->mapTo(view, QPoint(0, 0)), control->size());
}

// What the two digits show, blanks as spaces, with the dot when it is lit.
QString face(const BoardView &view)
{
    const auto text = [](const LedDigit *digit) {
        return digit->caption() < 0 ? QStringLiteral(" ") : QString::number(digit->caption());
    };
    const LedGroup &digits = view.shotClockDigits();
    const QString dot = view.controls().shotClockDot->isVisible() ? QStringLiteral(".") : QString();
    return text(digits[1]) + dot + text(digits[0]);
}

} // namespace

// The shot clock on the board: where it stands at every screen shape, and
// what its two digits show.
class TestShotClockFace : public QObject
{
    Q_OBJECT

    FakeServices fakes;

    static std::unique_ptr<TestBoard> boardWithShotClock(FakeServices &fakes, bool periods)
    {
        Settings settings = defaultSettings();
        auto made = std::make_unique<TestBoard>(fakes, settings);
        if (periods)
            made->game.setStructure(GameStructure{4, {}, 0});
        ShotClockRules rules;
        rules.enabled = true;
        made->game.shotClockPart().setRules(rules);
        return made;
    }

private slots:
    void itReadsBesideEverythingOnEveryShape_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("periods");
        for (const bool periods : {false, true})
            for (const QSize screen : {QSize(1024, 768), QSize(1280, 1024), QSize(1280, 800),
                                       QSize(1920, 1200), QSize(2560, 1080), QSize(1080, 1920)})
                QTest::addRow("%dx%d%s", screen.width(), screen.height(), periods ? "-periods" : "")
                    << screen << periods;
    }

    void itReadsBesideEverythingOnEveryShape()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, periods);
        const auto made = boardWithShotClock(fakes, periods);
        ScoreBoardWindow &board = made->window;
        board.resize(screen);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const BoardView &view = board.view();
        const BoardView::Controls &c = view.controls();
        const QRect shot = inView(c.shotClockPanel, &view);
        QVERIFY(c.shotClockPanel->isVisible());
        QVERIFY2(view.rect().contains(shot), qPrintable(u"%1,%2 %3x%4"_qs.arg(shot.x())
                                                            .arg(shot.y())
                                                            .arg(shot.width())
                                                            .arg(shot.height())));
        for (const QWidget *other : {static_cast<const QWidget *>(c.clockPanel),
                                     static_cast<const QWidget *>(c.periodPanel),
                                     static_cast<const QWidget *>(c.homeTeamPanel),
                                     static_cast<const QWidget *>(c.guestTeamPanel),
                                     static_cast<const QWidget *>(c.guest1Panel)})
            if (other->isVisible())
                QVERIFY2(!shot.intersects(inView(other, &view)), qPrintable(other->objectName()));
        // Digits scale by the smaller side; a tenth of it reads from the far end.
        const LedDigit *digit = view.shotClockDigits()[0];
        QVERIFY(digit->isVisible());
        QVERIFY2(inView(digit, &view).bottom() <= shot.bottom() + 1, "digit outside its panel");
        QVERIFY(digit->height() >= std::min(view.width(), view.height()) / 10);
    }

    void theFaceShowsSecondsThenTenths_data()
    {
        QTest::addColumn<qint64>("runMs");
        QTest::addColumn<QString>("shown");
        QTest::newRow("full") << qint64(0) << QStringLiteral("24");
        QTest::newRow("a tenth gone rounds up") << qint64(100) << QStringLiteral("24");
        QTest::newRow("one digit") << qint64(15'000) << QStringLiteral(" 9");
        QTest::newRow("five seconds, still whole") << qint64(19'000) << QStringLiteral(" 5");
        QTest::newRow("under five, tenths") << qint64(19'100) << QStringLiteral("4.9");
        QTest::newRow("the last tenth") << qint64(23'950) << QStringLiteral("0.1");
        QTest::newRow("zero") << qint64(24'000) << QStringLiteral(" 0");
    }

    void theFaceShowsSecondsThenTenths()
    {
        QFETCH(qint64, runMs);
        QFETCH(QString, shown);
        const auto made = boardWithShotClock(fakes, false);
        made->window.show();
        GameModel &game = made->game;
        game.startStop();
        for (qint64 done = 0; done < runMs; done += 50) {
            fakes.time.now += std::min<qint64>(50, runMs - done);
            game.updateClock();
        }
        QCOMPARE(face(made->window.view()), shown);
    }

    void theArrowStandsBetweenTheNamesOnlyWhenPointed()
    {
        const auto made = boardWithShotClock(fakes, false);
        made->window.show();
        const BoardView::Controls &c = made->window.controls();
        QVERIFY(c.possessionArrow->isHidden());
        made->game.shotClockPart().switchPossession();
        QVERIFY(c.possessionArrow->isVisible());
        QCOMPARE(c.possessionArrow->text(), QStringLiteral("\u2190"));
        made->game.shotClockPart().switchPossession();
        QCOMPARE(c.possessionArrow->text(), QStringLiteral("\u2192"));
        QVERIFY(c.possessionArrow->x() > c.homeTeamPanel->geometry().right());
        QVERIFY(c.possessionArrow->geometry().right() < c.guestTeamPanel->x());
    }

    void offNothingShows()
    {
        TestBoard made(fakes);
        made.window.show();
        made.game.shotClockPart().switchPossession();
        QVERIFY(made.window.controls().shotClockPanel->isHidden());
        QVERIFY(made.window.controls().possessionArrow->isHidden());
    }
};

CORVELLA_TEST_MAIN(TestShotClockFace)
#include "tst_shotclockface.moc"
