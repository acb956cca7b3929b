#include "game/clockface.h"
#include "tests/support/testenv.h"

class TestClockFace : public QObject
{
    Q_OBJECT

private slots:
    void sec2ClockWritesTheFiveDigits_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QList<int>>("digits");
        QTest::newRow("0") << 0.0 << QList<int>{-1, 0, 0, 0, 0};
        QTest::newRow("59.9") << 59.9 << QList<int>{-1, 0, 5, 9, 9};
        QTest::newRow("123.4") << 123.4 << QList<int>{-1, 2, 0, 3, 4};
        QTest::newRow("599.9999 truncates") << 599.9999 << QList<int>{-1, 9, 5, 9, 9};
        QTest::newRow("600") << 600.0 << QList<int>{1, 0, 0, 0, 0};
        QTest::newRow("5999") << 5999.0 << QList<int>{9, 9, 5, 9, 0};
        QTest::newRow("5999.96") << 5999.96 << QList<int>{9, 9, 5, 9, 9};
        QTest::newRow("59.96 truncates") << 59.96 << QList<int>{-1, 0, 5, 9, 9};
        QTest::newRow("65.3") << 65.3 << QList<int>{-1, 1, 0, 5, 3};
    }

    void sec2ClockWritesTheFiveDigits()
    {
        QFETCH(double, seconds);
        QFETCH(QList<int>, digits);
        const ClockFace::Digits shown = ClockFace::digitsFor(ClockSeconds::fromDouble(seconds));
        QCOMPARE(QList<int>(shown.begin(), shown.end()), digits);
    }

    // The text of a time reads as the face shows it, digit for digit.
    void theTextReadsAsTheFace_data() { sec2ClockWritesTheFiveDigits_data(); }
    void theTextReadsAsTheFace()
    {
        QFETCH(double, seconds);
        QFETCH(QList<int>, digits);
        QString face;
        for (qsizetype i = 0; i < digits.size(); ++i)
            face += (i == 2   ? QStringLiteral(":")
                     : i == 4 ? QStringLiteral(".")
                              : QString()) +
                    (digits.at(i) < 0 ? QString() : QString::number(digits.at(i)));
        QCOMPARE(ClockFace::text(ClockSeconds::fromDouble(seconds)), face);
    }

    void aRecordedClockIsCutToTenths_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("a tenth short of a minute") << qint64(59'999) << QStringLiteral("0:59.9");
        QTest::newRow("ten minutes") << qint64(600'000) << QStringLiteral("10:00.0");
        QTest::newRow("past the face's limit") << qint64(6'000'050) << QStringLiteral("100:00.0");
    }
    void aRecordedClockIsCutToTenths()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(ClockFace::textOfMs(ms), text);
    }

    void aBlankScoreReadsAsADash()
    {
        QCOMPARE(ClockFace::scoreText(std::nullopt), QStringLiteral("-"));
        QCOMPARE(ClockFace::scoreText(0), QStringLiteral("0"));
    }

    void strToSeconds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::newRow("12.5 is 12:50") << QStringLiteral("12.5") << 770;
        QTest::newRow("12.05") << QStringLiteral("12.05") << 725;
        QTest::newRow("5") << QStringLiteral("5") << 300;
        QTest::newRow("0.99") << QStringLiteral("0.99") << 99;
        QTest::newRow("99.59") << QStringLiteral("99.59") << 5999;
        QTest::newRow(".3") << QStringLiteral(".3") << 30;
        QTest::newRow("1.999 rounds to 2.00") << QStringLiteral("1.999") << 120;
        QTest::newRow("1.75 is not limited to 59") << QStringLiteral("1.75") << 135;
        QTest::newRow("0.29 survives float error") << QStringLiteral("0.29") << 29;
        QTest::newRow("12.30") << QStringLiteral("12.30") << 750;
        QTest::newRow("not a number") << QStringLiteral("1.2.3") << 80;
        QTest::newRow("0.995 rounds in decimal to 1:00") << QStringLiteral("0.995") << 60;
        QTest::newRow("0.994 rounds down") << QStringLiteral("0.994") << 99;
        QTest::newRow("9.995 carries into the minutes") << QStringLiteral("9.995") << 600;
        QTest::newRow("99.585 rounds up to 99:59") << QStringLiteral("99.585") << 5999;
        QTest::newRow("12.345 rounds half up") << QStringLiteral("12.345") << 755;
    }

    void strToSeconds()
    {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        QCOMPARE(int(ClockFace::typedSeconds(text)), seconds);
    }

    void divRoundsDownAndMin0BlanksToZero()
    {
        QCOMPARE(
            ClockFace::floorDivide(ClockSeconds::fromDouble(599.9), ClockSeconds::fromSeconds(600)),
            0);
        QCOMPARE(
            ClockFace::floorDivide(ClockSeconds::fromSeconds(600), ClockSeconds::fromSeconds(600)),
            1);
        QCOMPARE(
            ClockFace::floorDivide(ClockSeconds::fromDouble(-0.1), ClockSeconds::fromSeconds(1)),
            -1);
        QCOMPARE(ClockFace::blankAsZero(-1), 0);
        QCOMPARE(ClockFace::blankAsZero(7), 7);
        QCOMPARE(ClockFace::blankAsZero(2.5), 2);
        QCOMPARE(ClockFace::blankAsZero(3.5), 4);
    }
};

CORVELLA_TEST_MAIN(TestClockFace)
#include "tst_clockface.moc"
