#include "display/controls.h"
#include "display/leddigit.h"
#include "display/ledgroup.h"
#include "display/twips.h"
#include "tests/support/paintcounter.h"
#include "tests/support/testenv.h"

#include <QImage>

namespace {

// Sample points in the middle of each segment, as fractions of the digit area.
struct SegmentProbe
{
    char name;
    double x, y;
};
constexpr SegmentProbe probes[] = {{'a', 0.5, 0.045}, {'b', 0.925, 0.27}, {'c', 0.925, 0.73},
                                   {'d', 0.5, 0.955}, {'e', 0.075, 0.73}, {'f', 0.075, 0.27},
                                   {'g', 0.5, 0.5}};

QString litSegments(LedDigit &digit)
{
    const QImage image = digit.grab().toImage();
    const double margin = digit.bufferArea() / twipsPerPixel();
    const double w = image.width() / image.devicePixelRatio() - 2 * margin;
    const double h = image.height() / image.devicePixelRatio() - 2 * margin;
    QString lit;
    for (const SegmentProbe &p : probes) {
        const QPoint at(int((margin + p.x * w) * image.devicePixelRatio()),
                        int((margin + p.y * h) * image.devicePixelRatio()));
        if (image.pixelColor(at) == QColor(255, 0, 0))
            lit += QLatin1Char(p.name);
    }
    return lit;
}

} // namespace

class TestLedLines : public QObject
{
    Q_OBJECT

private slots:
    void designValuesGiveTheDesignExtents_data()
    {
        QTest::addColumn<double>("bufferArea");
        QTest::addColumn<QSize>("twips");
        QTest::newRow("clock digit") << 70.0 << QSize(1035, 1575);
        QTest::newRow("score digit") << 85.0 << QSize(1065, 1605);
    }

    void designValuesGiveTheDesignExtents()
    {
        QFETCH(double, bufferArea);
        QFETCH(QSize, twips);
        LedDigit digit(0);
        digit.setDigitSize(120);
        digit.setBufferArea(bufferArea);
        QCOMPARE(digit.digitSize(), 120.0);
        QCOMPARE(digit.width(), twipsToPixels(twips.width()));
        QCOMPARE(digit.height(), twipsToPixels(twips.height()));
    }

    void eachNumeralLightsItsSegments_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("size");
        QTest::addColumn<QString>("segments");
        const char *expected[] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                  "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
        for (double size : {120.0, 400.0}) {
            for (int n = 0; n <= 9; ++n) {
                QTest::addRow("%d at size %g", n, size)
                    << n << size << QString::fromLatin1(expected[n]);
            }
            QTest::addRow("blank at size %g", size) << int(LedDigit::Blank) << size << QString();
        }
    }

    void eachNumeralLightsItsSegments()
    {
        QFETCH(int, value);
        QFETCH(double, size);
        QFETCH(QString, segments);
        LedDigit digit(0);
        digit.setDigitSize(size);
        digit.setLitColor(255); // red
        digit.setUnlitColor(0x202020);
        digit.setBackColor(0);
        digit.setCaption(value);
        QCOMPARE(litSegments(digit), segments);
    }

    void captionAcceptsNumeralTextAndBlanksAnythingElse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shown");
        QTest::newRow("\"7\"") << QStringLiteral("7") << 7;
        QTest::newRow("\"0\"") << QStringLiteral("0") << 0;
        QTest::newRow("\"-1\"") << QStringLiteral("-1") << -1;
        QTest::newRow("\"12\"") << QStringLiteral("12") << -1;
        QTest::newRow("\"x\"") << QStringLiteral("x") << -1;
        QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << -1;
    }

    void captionAcceptsNumeralTextAndBlanksAnythingElse()
    {
        QFETCH(QString, text);
        QFETCH(int, shown);
        LedDigit digit(0);
        digit.setCaption(5);
        digit.setCaption(text);
        QCOMPARE(digit.caption(), shown);
    }

    void onlyAChangeRepaints()
    {
        QWidget window;
        auto *digit = new LedDigit(0, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        digit->setCaption(3);
        QCoreApplication::processEvents();

        PaintCounter counter;
        digit->installEventFilter(&counter);
        digit->setCaption(3);
        digit->setLitColor(digit->litColor());
        digit->setBackColor(digit->backColor());
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);

        digit->setCaption(4);
        QTRY_COMPARE(counter.paints, 1);
    }

    // Digits stand so close that their margins overlap, as the two digits of
    // a score do. The later one must not cover the right-hand segments of the
    // first.
    void aNeighbourNeverCoversASegment()
    {
        PictureBox panel;
        panel.setBackColor(0);
        panel.resize(152, 119);
        LedDigit *tens = new LedDigit(1, &panel);
        LedDigit *units = new LedDigit(0, &panel);
        for (LedDigit *digit : {tens, units}) {
            digit->setBufferArea(85);
            digit->setLitColor(255);
            digit->setCaption(1);
        }
        tens->move(8, 4);
        units->move(72, 4);
        QVERIFY(units->x() < tens->geometry().right()); // the margins overlap

        const QImage image = panel.grab().toImage();
        const double margin = tens->bufferArea() / twipsPerPixel();
        const int rightEdge = int(tens->geometry().right() + 1 - margin) - 1;
        for (const double y : {0.27, 0.73}) {
            const QPoint at(rightEdge, int(tens->y() + margin + y * (tens->height() - 2 * margin)));
            QCOMPARE(image.pixelColor(at), QColor(255, 0, 0));
        }
    }

    void typedCharactersRaiseDigitKeyPressWithTheIndex()
    {
        LedGroup group(QStringLiteral("ledTime"));
        QWidget window;
        LedDigit *digit = group.add(3, &window);
        window.show();
        digit->setFocus();
        QSignalSpy spy(digit, &LedDigit::keyTyped);
        QTest::keyClick(digit, Qt::Key_A);
        QTest::keyClick(digit, Qt::Key_Return);
        QTest::keyClick(digit, Qt::Key_F5); // types no character
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0), (QVariantList{3, int('a')}));
        QCOMPARE(spy.at(1), (QVariantList{3, 13}));
    }

    void groupsEnumerateInIndexOrder()
    {
        LedGroup group(QStringLiteral("ledHomeScore0"));
        QWidget window;
        group.add(1, &window);
        group.add(0, &window);
        QCOMPARE(group.count(), 2);
        QCOMPARE(group.lastIndex(), 1);
        QCOMPARE(group.members().first()->index(), 0);
        QCOMPARE(group[1]->objectName(), QStringLiteral("ledHomeScore0"));
    }
};

CORVELLA_TEST_MAIN(TestLedLines)
#include "tst_leddigit.moc"
