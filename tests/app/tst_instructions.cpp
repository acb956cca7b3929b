#include "app/instructions.h"
#include "settings/appsettings.h"
#include "tests/support/testenv.h"

class TestInstructions : public QObject
{
    Q_OBJECT

private slots:
    void byteForByte_data()
    {
        QTest::addColumn<int>("startStop");
        QTest::addColumn<int>("reset");
        QTest::addColumn<int>("buzzer");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray rest =
            "  - To change the scores, click on the score, type a single digit number, and press "
            "'enter'.\r\n"
            "  - To increase or decrease one of the scores, click on the score, press '+' or '-', "
            "and "
            "type a single digit number to add or subtract.\r\n";
        const QByteArray tail =
            "  - If you have mistyped a number and need to start over press \r\n"
            "'SPACE' .\r\n"
            "  - To return to this screen from the program press 'Esc'.\r\n"
            "  - To see the board's network addresses and PIN press 'F4'.\r\n"
            "  - To go to the options from the program press 'o'.";
        QTest::newRow("default keys")
            << 115 << 114 << 98
            << " - To start or stop the clock press 's'.\r\n  - To reset the clock press 'r'.\r\n" +
                   rest + "  - To sound the buzzer press 'b' .\r\n" + tail;
        QTest::newRow("space, digit and capital")
            << 32 << 55 << 66
            << " - To start or stop the clock press ' '.\r\n  - To reset the clock press '7'.\r\n" +
                   rest + "  - To sound the buzzer press 'B' .\r\n" + tail;
    }

    void byteForByte()
    {
        QFETCH(int, startStop);
        QFETCH(int, reset);
        QFETCH(int, buzzer);
        QFETCH(QByteArray, expected);
        QCOMPARE(instructionsText(startStop, reset, buzzer).toUtf8(), expected);
    }

    // The keys of periods and timeouts, as configured, only in a game with them.
    void gameKeysOnlyInAGameWithThem_data()
    {
        QTest::addColumn<int>("periods");
        QTest::addColumn<int>("nextPeriodKey");
        QTest::addColumn<QString>("timeoutsPerHalf");
        QTest::addColumn<QByteArray>("added");
        QTest::newRow("default: none") << 0 << 110 << QString() << QByteArray();
        QTest::newRow("periods, next on x")
            << 4 << int('x') << QString()
            << QByteArray("\r\n  - To go to the next period press 'x', to go back one press 'p'."
                          "\r\n  - To skip the rest of a break press 'k'."
                          "\r\n  - To start a new game press 'g'.");
        QTest::newRow("timeouts per half") << 0 << 110 << QStringLiteral("2, 3")
                                           << QByteArray("\r\n  - To start or end a timeout press "
                                                         "'h' for the home team, 'j' for the "
                                                         "guest team.");
        QTest::newRow("no timeouts in either half")
            << 0 << 110 << QStringLiteral("0") << QByteArray();
    }

    void gameKeysOnlyInAGameWithThem()
    {
        QFETCH(int, periods);
        QFETCH(int, nextPeriodKey);
        QFETCH(QString, timeoutsPerHalf);
        QFETCH(QByteArray, added);
        Settings settings = defaultSettings();
        settings.Periods = static_cast<qint16>(periods);
        settings.NextPeriodKey = static_cast<qint16>(nextPeriodKey);
        settings.TimeoutsPerHalf = timeoutsPerHalf;
        QCOMPARE(instructionsText(settings).toUtf8(),
                 instructionsText(115, 114, 98).toUtf8() + added);
    }

    void latinOneKeysAreInsertedAsTheyAre()
    {
        QVERIFY(instructionsText(0xE9, 114, 98)
                    .startsWith(QStringLiteral(" - To start or stop the clock press 'é'.")));
    }
};

CORVELLA_TEST_MAIN(TestInstructions)
#include "tst_instructions.moc"
