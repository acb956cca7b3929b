#include "display/controls.h"
#include "display/layoutsnapshot.h"
#include "display/leddigit.h"
#include "display/ledgroup.h"
#include "display/twips.h"
#include "tests/support/testenv.h"

namespace {

// A window with one control of each kind that scales, and one that does not.
struct Board
{
    QWidget window;
    PictureBox *panel;
    Label *label;
    Shape *shape;
    LedDigit *digit;
    LedGroup digits{QStringLiteral("ledTest")};
    QWidget *other;

    Board()
    {
        window.resize(600, 400);
        panel = new PictureBox(&window);
        panel->setObjectName(QStringLiteral("picPanel"));
        panel->setGeometry(30, 45, 300, 150);
        label = new Label(panel);
        label->setFontSize(12);
        label->setGeometry(0, 15, 120, 30);
        shape = new Shape(Shape::Kind::OutlinedRectangle, &window);
        shape->setGeometry(60, 0, 90, 60);
        shape->setBorderWidth(2);
        digit = digits.add(0, panel);
        digit->move(150, 30);
        other = new QWidget(&window);
        other->setGeometry(1, 2, 3, 4);
    }
};

} // namespace

class TestModStretch : public QObject
{
    Q_OBJECT

private slots:
    void min1()
    {
        QCOMPARE(atLeastOne(5.5), 5.5);
        QCOMPARE(atLeastOne(1), 1.0);
        QCOMPARE(atLeastOne(0.2), 1.0);
        QCOMPARE(atLeastOne(-30), 1.0);
        QCOMPARE(atLeastOne(std::nan("")), 1.0);
    }

    void recordsOnlyTheScalableKindsInCreationOrder()
    {
        Board b;
        LayoutSnapshot snapshot;
        snapshot.record(&b.window);
        QCOMPARE(snapshot.layouts().size(), 4);
        QCOMPARE(snapshot.layouts()[0].control.data(), b.panel);
        QCOMPARE(snapshot.layouts()[1].control.data(), b.label);
        QCOMPARE(snapshot.layouts()[2].control.data(), b.digit);
        QCOMPARE(snapshot.layouts()[3].control.data(), b.shape);
        QCOMPARE(snapshot.originalWidth(), 9000);
        QCOMPARE(snapshot.originalHeight(), 6000);
        const ControlLayout &digit = snapshot.layouts()[2];
        QCOMPARE(digit.width, 0); // digits size themselves
        QCOMPARE(digit.size, 120);
        QCOMPARE(digit.bufferArea, 70);
    }

    void doublingTheWindowDoublesEverythingAndShrinkingRestores()
    {
        Board b;
        LayoutSnapshot snapshot;
        snapshot.record(&b.window);
        const QRect panel = b.panel->geometry();
        const QRect shape = b.shape->geometry();
        const QPoint digitAt = b.digit->pos();
        const QSize digitSize = b.digit->size();

        b.window.resize(1200, 800);
        snapshot.stretch(&b.window);
        QCOMPARE(b.panel->geometry(), QRect(60, 90, 600, 300));
        QCOMPARE(b.shape->geometry(), QRect(shape.x() * 2, 0, 180, 120)); // Left 0 stays 0
        QCOMPARE(b.shape->borderWidth(), 4.0);
        QCOMPARE(b.label->fontSize(), 24.0);
        QCOMPARE(b.label->y(), 30);
        QCOMPARE(b.label->x(), 0);
        QCOMPARE(b.digit->pos(), digitAt * 2);
        QCOMPARE(b.digit->digitSize(), 240.0);
        QCOMPARE(b.digit->bufferArea(), 140.0);
        QCOMPARE(b.digit->size(), digitSize * 2);
        QCOMPARE(b.other->geometry(), QRect(1, 2, 3, 4));

        b.window.resize(600, 400);
        snapshot.stretch(&b.window);
        QCOMPARE(b.panel->geometry(), panel);
        QCOMPARE(b.label->fontSize(), 12.0);
        QCOMPARE(b.digit->pos(), digitAt);
        QCOMPARE(b.digit->size(), digitSize);
    }

    void wideningMovesAndWidensButHeightsFollowTheHeightAlone()
    {
        Board b;
        LayoutSnapshot snapshot;
        snapshot.record(&b.window);
        b.window.resize(1800, 400);
        snapshot.stretch(&b.window);
        QCOMPARE(b.panel->geometry(), QRect(90, 45, 900, 150));
        QCOMPARE(b.label->fontSize(), 12.0);
        QCOMPARE(b.shape->borderWidth(), 2.0);
        QCOMPARE(b.digit->digitSize(), 120.0);
        QCOMPARE(b.digit->x(), 450);
    }

    void tinyWindowsClampQuantitiesToOne()
    {
        Board b;
        LayoutSnapshot snapshot;
        snapshot.record(&b.window);
        b.window.resize(6, 2);
        snapshot.stretch(&b.window);
        QCOMPARE(b.label->fontSize(), 1.0);
        QCOMPARE(b.digit->digitSize(), 1.0);
        QCOMPARE(b.digit->bufferArea(), 1.0);
        // 4500 x 2250 twips at a hundredth and a two-hundredth: still a
        // visible panel, never an empty or negative one.
        QCOMPARE(b.panel->size(), QSize(3, 1));
    }

    // Two digits in a panel, 200 x 130 px on a 600 x 400 window. Whatever the
    // window's shape, the digits scale by the smaller ratio, stay together and
    // sit in the middle of the panel; up to a 16:9 shape they go exactly where
    // plain scaling puts them.
    void digitsStayTogetherInTheirPanel_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<double>("size");
        QTest::addColumn<QPoint>("tens");
        QTest::addColumn<QPoint>("units");
        QTest::newRow("design") << QSize(600, 400) << 120.0 << QPoint(10, 10) << QPoint(100, 10);
        QTest::newRow("doubled") << QSize(1200, 800) << 240.0 << QPoint(20, 20) << QPoint(200, 20);
        QTest::newRow("a quarter wider: plain scaling")
            << QSize(750, 400) << 120.0 << QPoint(13, 10) << QPoint(125, 10);
        QTest::newRow("twice as wide: spread capped, centred")
            << QSize(1200, 400) << 120.0 << QPoint(85, 10) << QPoint(200, 10);
        QTest::newRow("twice as high: width limits, centred")
            << QSize(600, 800) << 120.0 << QPoint(10, 75) << QPoint(100, 75);
    }

    void digitsStayTogetherInTheirPanel()
    {
        QFETCH(QSize, window);
        QFETCH(double, size);
        QFETCH(QPoint, tens);
        QFETCH(QPoint, units);
        QWidget board;
        board.resize(600, 400);
        auto *panel = new PictureBox(&board);
        panel->setGeometry(100, 100, 200, 130);
        LedGroup digits(QStringLiteral("ledScore"));
        digits.add(1, panel)->move(10, 10);
        digits.add(0, panel)->move(100, 10);
        LayoutSnapshot snapshot;
        snapshot.record(&board);

        board.resize(window);
        snapshot.stretch(&board);
        QCOMPARE(digits[1]->digitSize(), size);
        QCOMPARE(digits[0]->digitSize(), size);
        QCOMPARE(digits[1]->pos(), tens);
        QCOMPARE(digits[0]->pos(), units);
        for (const LedDigit *digit : digits.members())
            QVERIFY(panel->rect().contains(digit->geometry()));
    }

    void aMinimisedWindowIsLeftAlone()
    {
        Board b;
        LayoutSnapshot snapshot;
        snapshot.record(&b.window);
        b.window.setWindowState(Qt::WindowMinimized);
        b.window.resize(1200, 800);
        snapshot.stretch(&b.window);
        QCOMPARE(b.panel->geometry(), QRect(30, 45, 300, 150));
    }

    void scalesToFourKAndEightKWithoutOverflow_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("3840 x 2160") << QSize(3840, 2160);
        QTest::newRow("7680 x 4320") << QSize(7680, 4320);
    }

    void scalesToFourKAndEightKWithoutOverflow()
    {
        QFETCH(QSize, screen);
        Board b;
        LayoutSnapshot snapshot;
        snapshot.record(&b.window);
        b.window.resize(screen);
        snapshot.stretch(&b.window);
        const double x = screen.width() / 600.0, y = screen.height() / 400.0;
        QCOMPARE(b.panel->geometry(),
                 QRect(qRound(30 * x), qRound(45 * y), qRound(300 * x), qRound(150 * y)));

        // A snapshot taken at that size holds it, and scales back down.
        snapshot.record(&b.window);
        QCOMPARE(snapshot.originalWidth(), screen.width() * 15);
        b.window.resize(600, 400);
        snapshot.stretch(&b.window);
        QCOMPARE(b.panel->geometry(), QRect(30, 45, 300, 150));
    }
};

CORVELLA_TEST_MAIN(TestModStretch)
#include "tst_layoutsnapshot.moc"
