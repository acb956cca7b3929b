#include "display/controls.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testboard.h"
#include "tests/support/testenv.h"

#include <QDir>

namespace {

QRect inView(const QWidget *control, const QWidget *view)
{
    return QRect(control->mapTo(view, QPoint(0, 0)), control->size());
}

} // namespace

// The players on the board: the penalties beside each team and a player's
// last foul, readable beside everything else at every screen shape.
class TestPlayersOnBoard : public QObject
{
    Q_OBJECT

    FakeServices fakes;

private slots:
    void penaltiesReadBesideEverythingOnEveryShape_data()
    {
        QTest::addColumn<QSize>("screen");
        for (const QSize screen : {QSize(1024, 768), QSize(1280, 1024), QSize(1280, 800),
                                   QSize(1920, 1200), QSize(2560, 1080), QSize(1080, 1920)})
            QTest::addRow("%dx%d", screen.width(), screen.height()) << screen;
    }

    void penaltiesReadBesideEverythingOnEveryShape()
    {
        QFETCH(QSize, screen);
        TestBoard made(fakes, defaultSettings());
        GameModel &game = made.game;
        PlayerRules rules;
        rules.enabled = true;
        game.playersPart().setRules(rules);
        for (const QString &number : {u"7"_qs, u"10"_qs, u"00"_qs, u"4"_qs})
            game.playersPart().addPenalty(GameModel::Home, number, 120'000);
        game.playersPart().addPenalty(GameModel::Guest, u"12"_qs, 300'000);
        game.startStop();
        fakes.time.now += 61'000;
        game.updateClock();
        for (int i = 0; i < 5; ++i)
            game.playersPart().addFoul(GameModel::Guest, u"23"_qs);
        ScoreBoardWindow &board = made.window;
        board.resize(screen);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));

        const BoardView &view = board.view();
        const BoardView::Controls &c = view.controls();
        const auto &lines = view.penaltyList().labels();
        QStringList shown;
        for (const auto &team : lines)
            for (const Label *line : team)
                if (line->isVisible())
                    shown << line->text();
        // The fourth waits, off the board.
        QCOMPARE(shown,
                 (QStringList{u"#7 0:59"_qs, u"#10 0:59"_qs, u"#00 0:59"_qs, u"#12 3:59"_qs}));
        QList<const QWidget *> parts = {c.section1Caption, c.section2Caption, c.creditCaption,
                                        c.home1Panel,      c.guest1Panel,     c.home2Panel,
                                        c.guest2Panel,     c.clockPanel};
        for (const auto &team : lines) {
            for (const Label *line : team) {
                if (!line->isVisible())
                    continue;
                const QRect box = inView(line, &view);
                QVERIFY(view.rect().contains(box));
                QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= box.width(),
                         qPrintable(line->text()));
                QVERIFY2(line->font().pointSizeF() * 4 >= captionPointSizeOf(view),
                         "too small to read");
                for (const QWidget *other : parts)
                    if (other->isVisible())
                        QVERIFY2(!box.intersects(inView(other, &view)),
                                 qPrintable(line->text() + u" on "_qs + other->objectName()));
            }
        }
        const Label *out = view.penaltyList().fouledOutCaption();
        QVERIFY(out->isVisible());
        QCOMPARE(out->text(), u"#23  5 FOULS"_qs);
        QVERIFY(view.rect().contains(inView(out, &view)));
        QDir().mkpath(QStringLiteral(CORVELLA_ARTIFACTS "/players"));
        QVERIFY(board.grab().save(QStringLiteral(CORVELLA_ARTIFACTS "/players/board-%1.png")
                                      .arg(QLatin1StringView(QTest::currentDataTag()))));
    }

private:
    // The size the team captions have on this view.
    static double captionPointSizeOf(const BoardView &view) { return view.captionPointSize(24); }
};

CORVELLA_TEST_MAIN(TestPlayersOnBoard)
#include "tst_playersonboard.moc"
