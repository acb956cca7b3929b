// The scoreboard in a real X server: screenshots at several sizes, kept as
// artefacts, and read back from the pixels.
#include "display/controls.h"
#include "display/leddigit.h"
#include "display/twips.h"
#include "options/textpage.h"
#include "platform/screenfiller.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "settings/bgrcolor.h"
#include "tests/support/fakes.h"
#include "tests/support/testboard.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QScreen>

namespace {

int countPixels(const QImage &image, const QRect &area, const QColor &color)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

QRect globalRect(const QWidget *w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// Every named control's place on the board, one line each, in creation order.
// The team captions' positions are left out: they are checked for centring.
QStringList boardGeometry(const QWidget &board)
{
    QStringList lines;
    for (const QWidget *control : board.findChildren<QWidget *>()) {
        // A board without periods shows no period: those parts stay hidden.
        if (control->objectName().isEmpty() || !control->isVisibleTo(&board))
            continue;
        const QRect g = control->geometry();
        const bool teamCaption = control->objectName() == QLatin1StringView("lblHomeScore") ||
                                 control->objectName() == QLatin1StringView("lblGuestScore");
        const QVariant index = control->property("index");
        const QString at = teamCaption ? QStringLiteral("-,-")
                                       : QString::number(g.x()) + u',' + QString::number(g.y());
        lines << QStringLiteral("%1%2 %3 %4x%5")
                     .arg(control->objectName(),
                          index.isValid() ? u'(' + index.toString() + u')' : QString(), at)
                     .arg(g.width())
                     .arg(g.height());
    }
    return lines;
}

// Where a digit's segments are drawn, within its panel.
QRectF digitArea(const LedDigit *digit)
{
    const double margin = digit->bufferArea() / twipsPerPixel();
    return QRectF(digit->geometry()).adjusted(margin, margin, -margin, -margin);
}

// The digits of one number: each fully inside its panel, none over another,
// and close enough together to read as one number. Each gap is at most
// maxGaps[i] times a digit's width: about 0.07 at design and 0.37 on 16:9
// between plain neighbours, 0.48 and 0.88 where a colon or point sits between.
void checkDigitRow(const QList<LedDigit *> &row, const QWidget *panel, const QList<double> &maxGaps)
{
    for (qsizetype i = 0; i < row.size(); ++i) {
        const QRectF area = digitArea(row[i]);
        QVERIFY2(QRectF(panel->rect()).contains(area),
                 qPrintable(panel->objectName() + QStringLiteral(" clips digit %1").arg(i)));
        if (i == 0)
            continue;
        const QRectF before = digitArea(row[i - 1]);
        const double gap = area.left() - before.right();
        QVERIFY2(gap >= 0, qPrintable(panel->objectName() + QStringLiteral(": digits overlap")));
        QVERIFY2(gap <= area.width() * maxGaps[i - 1],
                 qPrintable(panel->objectName() + QStringLiteral(": digits %1 px apart").arg(gap)));
    }
}

// A dot lies in the gap between two digits, touching neither.
void checkDotBetween(const QWidget *dot, const LedDigit *left, const LedDigit *right)
{
    const double d = std::min(dot->width(), dot->height());
    const double centre = dot->geometry().center().x();
    QVERIFY2(centre - d / 2 >= digitArea(left).right() && centre + d / 2 <= digitArea(right).left(),
             "a dot touches a digit");
}

// The recorded geometry of the board at one size, from board-geometry.txt.
QStringList expectedGeometry(const QString &size)
{
    QFile file(QFINDTESTDATA("board-geometry.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines;
    bool inside = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            inside = line == u'[' + size + u']';
        else if (inside && !line.isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace

class TestScoreboardXvfb : public QObject
{
    Q_OBJECT

    Settings settings = defaultSettings();

    FakeServices fakes;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1StringView("xcb"))
            QSKIP("needs a real X server (run under Xvfb)");
        settings = defaultSettings();
    }

    // The design size and 16:9 screens were readable from the start; their
    // layout stays exactly as it was, pixel for pixel.
    void designAndWideScreensKeepTheirLayout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("632x453") << QSize(632, 453);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("3840x2160") << QSize(3840, 2160);
    }

    void designAndWideScreensKeepTheirLayout()
    {
        QFETCH(QSize, size);
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        board.move(0, 0);
        board.resize(size);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QTRY_COMPARE(board.size(), size);
        const QStringList actual = boardGeometry(board);
        const QStringList expected = expectedGeometry(QLatin1StringView(QTest::currentDataTag()));
        if (expected.isEmpty())
            qInfo().noquote() << u'[' + QLatin1StringView(QTest::currentDataTag()) + u']'
                              << Qt::endl
                              << actual.join(u'\n');
        QCOMPARE(actual, expected);
    }

    void init() { settings = defaultSettings(); }

    // A bare X server has no window manager to carry out F11: the board
    // covers its screen itself, and goes back where it was.
    void fullScreenWithoutWindowManager()
    {
        QVERIFY(!ScreenFiller::windowManagerFillsScreens());
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        ScreenFiller::watch(&board);
        const QRect normal(40, 30, 632, 453);
        board.setGeometry(normal);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QTest::keyClick(&board, Qt::Key_F11);
        QTRY_COMPARE(board.geometry(), board.screen()->geometry());
        QVERIFY(board.isFullScreen());
        QTest::keyClick(&board, Qt::Key_F11);
        QTRY_COMPARE(board.geometry(), normal);
        QVERIFY(!board.isFullScreen());
    }

    // 4:3, 5:4, 16:10, 21:9 and portrait screens, with long captions and
    // numbers whose "1"s would vanish under a neighbour.
    void readableOnEveryScreenShape_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("basketball"); // three digits, a timeout, a bonus
        for (const QSize size : {QSize(632, 453), QSize(1024, 768), QSize(1280, 1024),
                                 QSize(1280, 800), QSize(1920, 1080), QSize(1920, 1200),
                                 QSize(2560, 1080), QSize(1080, 1920), QSize(400, 700)})
            QTest::addRow("%dx%d", size.width(), size.height()) << size << false;
        for (const QSize size : {QSize(632, 453), QSize(1024, 768), QSize(1280, 800),
                                 QSize(1920, 1080), QSize(2560, 1080), QSize(1080, 1920)})
            QTest::addRow("%dx%d-basketball", size.width(), size.height()) << size << true;
    }

    void readableOnEveryScreenShape()
    {
        QFETCH(QSize, size);
        QFETCH(bool, basketball);
        settings.HomeText = QStringLiteral("Thunderbirds");
        settings.GuestText = QStringLiteral("HAMBURG TOWERS");
        settings.SectionText1 = QStringLiteral("Overtime Period 2");
        settings.SectionText2 = QStringLiteral("Wildcats FC");
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        board.move(0, 0);
        board.resize(size);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QTRY_COMPARE(board.size(), size);
        if (basketball) {
            GameStructure rules{4, {}, 0};
            rules.timeouts.perGame = 5;
            rules.fouls = {true, false, 5};
            rules.section1Max = 999;
            made.game.setStructure(rules);
            made.game.takeTimeout(GameModel::Guest);
            made.game.setScore(GameModel::Guest2, 5);
        }
        for (int i = 1; i <= 5; ++i)
            board.clockDigits()[i]->setCaption(i == 5 ? 0 : 1);
        for (int which = 0; which < GameModel::ScoreCount; ++which) {
            const LedGroup &score = board.scoreDigits(GameModel::Score(which));
            for (int i = 0; i < score.count(); ++i)
                score[i]->setCaption(i == 0 ? 3 : 1);
        }
        QTest::qWait(100);
        const QImage shot =
            board.screen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const QString folder = QStringLiteral(CORVELLA_ARTIFACTS) + QStringLiteral("/screenshots");
        QDir().mkpath(folder);
        shot.copy(globalRect(&board))
            .save(folder + QStringLiteral("/shape-") + QLatin1StringView(QTest::currentDataTag()) +
                  QStringLiteral(".png"));

        const auto &c = board.controls();
        QList<LedDigit *> clock = board.clockDigits().members();
        checkDigitRow(clock, c.clockPanel, {0.4, 0.9, 0.4, 0.9});
        checkDotBetween(c.clockDots[0], clock[1], clock[2]);
        checkDotBetween(c.clockDots[1], clock[1], clock[2]);
        checkDotBetween(c.clockDots[2], clock[3], clock[4]);
        const std::pair<const LedGroup *, const QWidget *> scores[] = {
            {&board.scoreDigits(GameModel::Home1), c.home1Panel},
            {&board.scoreDigits(GameModel::Guest1), c.guest1Panel},
            {&board.home2Digits(), c.home2Panel},
            {&board.guest2Digits(), c.guest2Panel}};
        for (const auto &[score, panel] : scores) {
            if (score->count() == 3) // and the spread of a 21:9 screen
                checkDigitRow({(*score)[2], (*score)[1], (*score)[0]}, panel, {0.6, 0.6});
            else
                checkDigitRow({(*score)[1], (*score)[0]}, panel, {0.4});
        }
        QCOMPARE(board.showsThreeDigits(), basketball);
        // The score is never drawn smaller than the fouls below it.
        for (const auto &[first, second] :
             {std::pair{&board.scoreDigits(GameModel::Home1), &board.home2Digits()},
              std::pair{&board.scoreDigits(GameModel::Guest1), &board.guest2Digits()}}) {
            const double high1 = digitArea((*first)[0]).height();
            const double high2 = digitArea((*second)[0]).height();
            QVERIFY2(high1 >= high2,
                     qPrintable(
                         QStringLiteral("section 1 %1 px, section 2 %2 px").arg(high1).arg(high2)));
        }
        const QRect inside = board.rect();
        for (const QWidget *part : {static_cast<QWidget *>(c.timeoutCaption),
                                    static_cast<QWidget *>(c.timeoutTeamCaption),
                                    static_cast<QWidget *>(c.bonusCaptions[1]),
                                    static_cast<QWidget *>(c.timeoutDots[0][4])}) {
            QCOMPARE(part->isVisible(), basketball);
            QVERIFY2(inside.contains(part->geometry()), qPrintable(part->objectName()));
        }

        for (const auto &[label, panel] : {std::pair{c.homeTeamCaption, c.homeTeamPanel},
                                           std::pair{c.guestTeamCaption, c.guestTeamPanel}}) {
            QVERIFY2(panel->rect().contains(label->geometry()), qPrintable(label->objectName()));
            QVERIFY2(std::abs(label->geometry().center().x() - panel->rect().center().x()) <= 1,
                     qPrintable(label->objectName() + QStringLiteral(" off centre")));
        }
        for (const Label *fixedBox : {c.section1Caption, c.section2Caption, c.creditCaption})
            QVERIFY2(fixedBox->sizeHint().width() <= fixedBox->width(),
                     qPrintable(fixedBox->objectName()));
    }

    // The options choose the caption size at which both team names fit; at
    // design size the board then shows them at exactly that size, whole.
    void teamNamesFitAtTheSizeTheOptionsChoose_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"Home", "Thunderbirds", "Wildcats FC", "HAMBURG TOWERS"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void teamNamesFitAtTheSizeTheOptionsChoose()
    {
        QFETCH(QString, name);
        settings.HomeText = name;
        settings.TeamSize = TextPage::previewSize(name, settings.GuestText);
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        const auto &c = board.controls();
        QCOMPARE(c.homeTeamCaption->fontSize(), double(settings.TeamSize));
        QVERIFY2(c.homeTeamPanel->rect().contains(c.homeTeamCaption->geometry()),
                 qPrintable(QStringLiteral("%1 pt: %2 px wide")
                                .arg(settings.TeamSize)
                                .arg(c.homeTeamCaption->width())));
    }

    void litDigitsAndCaptionsAtEverySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("design") << QSize();
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("3840x2160") << QSize(3840, 2160);
    }

    void litDigitsAndCaptionsAtEverySize()
    {
        QFETCH(QSize, size);
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        if (size.isValid()) {
            board.move(0, 0);
            board.resize(size);
        }
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        if (size.isValid())
            QTRY_COMPARE(board.size(), size);

        const auto &c = board.controls();
        const double scale = board.height() / 453.0;
        const int minimumLit = int(400 * scale * scale);
        // Drawn once the clock's digits are lit on the screen, which a loaded
        // machine does late.
        QImage shot;
        const auto grab = [&] {
            shot = board.screen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
            return countPixels(shot, globalRect(c.clockPanel), fromBgr(settings.LEDTimeColor));
        };
        QTRY_VERIFY_WITH_TIMEOUT(grab() > 4 * minimumLit, 10000);
        const QString folder = QStringLiteral(CORVELLA_ARTIFACTS) + QStringLiteral("/screenshots");
        QDir().mkpath(folder);
        shot.copy(globalRect(&board))
            .save(folder + QStringLiteral("/scoreboard-") +
                  QLatin1StringView(QTest::currentDataTag()) + QStringLiteral(".png"));

        QVERIFY(countPixels(shot, globalRect(c.clockPanel), fromBgr(settings.LEDTimeColor)) >
                4 * minimumLit);
        for (const PictureBox *panel : {c.home1Panel, c.guest1Panel, c.home2Panel, c.guest2Panel}) {
            const int lit = countPixels(shot, globalRect(panel), fromBgr(settings.LEDScoreColor));
            QVERIFY2(lit > minimumLit, qPrintable(panel->objectName() + QString::number(lit)));
        }
        const QColor white = fromBgr(settings.TextColor);
        for (const QWidget *caption :
             {static_cast<QWidget *>(c.homeTeamPanel), static_cast<QWidget *>(c.guestTeamPanel),
              static_cast<QWidget *>(c.section1Caption), static_cast<QWidget *>(c.section2Caption)})
            QVERIFY2(countPixels(shot, globalRect(caption), white) > int(100 * scale * scale),
                     qPrintable(caption->objectName()));
        // Nothing of the board lies outside the window.
        for (const QWidget *control : board.findChildren<QWidget *>())
            QVERIFY2(board.rect().contains(control->geometry()) ||
                         control->parentWidget() != &board,
                     qPrintable(control->objectName()));
    }
};

CORVELLA_TEST_MAIN(TestScoreboardXvfb)
#include "tst_scoreboard_xvfb.moc"
