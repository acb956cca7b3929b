#include "display/leddigit.h"
#include "display/ledgroup.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "tests/support/boardtext.h"
#include "tests/support/fakes.h"
#include "tests/support/testboard.h"
#include "tests/support/testenv.h"

#include <QKeyEvent>

// The clock set from the keypad alone, on keyboard layouts whose keypad
// decimal key types a point and on those where it types a comma.
class TestKeypad : public QObject
{
    Q_OBJECT

    Settings settings = defaultSettings();

    FakeServices fakes;

    // A key press as the keyboard delivers it: key, keypad flag and text.
    static void press(QWidget *target, int key, const QString &text)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::KeypadModifier, text);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::KeypadModifier, text);
        QApplication::sendEvent(target, &down);
        QApplication::sendEvent(target, &up);
    }

private slots:
    void theKeypadSetsTheClock_data()
    {
        QTest::addColumn<int>("decimalKey");
        QTest::addColumn<QString>("decimalText");
        QTest::newRow("US layout: the point") << int(Qt::Key_Period) << QStringLiteral(".");
        QTest::newRow("German layout: the comma") << int(Qt::Key_Comma) << QStringLiteral(",");
    }

    void theKeypadSetsTheClock()
    {
        QFETCH(int, decimalKey);
        QFETCH(QString, decimalText);
        settings = defaultSettings();
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QWidget *digit = board.clockDigits()[2];
        QTest::mouseClick(digit, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(QApplication::focusWidget(), digit);
        press(digit, Qt::Key_1, QStringLiteral("1"));
        press(digit, Qt::Key_2, QStringLiteral("2"));
        press(digit, decimalKey, decimalText);
        press(digit, Qt::Key_3, QStringLiteral("3"));
        press(digit, Qt::Key_0, QStringLiteral("0"));
        press(digit, Qt::Key_Enter, QStringLiteral("\r"));
        QCOMPARE(faceText(board.clockDigits()), QStringLiteral("12:30.0"));
    }
};

CORVELLA_TEST_MAIN(TestKeypad)
#include "tst_keypad.moc"
