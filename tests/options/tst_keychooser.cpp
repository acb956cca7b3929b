#include "options/keychooser.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QLabel>
#include <QPushButton>

class TestChooseKey : public QObject
{
    Q_OBJECT

    ScriptedDialogs dialogs;

private slots:
    void init() { dialogs = ScriptedDialogs{}; }

    void promptAndLook()
    {
        KeyChoice choice{QStringLiteral("reset the clock"), 114, 99};
        KeyChooser chooser(choice, QList<int>{115, 114, 98}, dialogs);
        QCOMPARE(choice.chosenKey, 0);
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Choose Key"));
        QCOMPARE(chooser.findChild<QLabel *>(QStringLiteral("lblChoose"))->text(),
                 QStringLiteral("Press the key you would like to reset the clock."));
        auto *used = chooser.findChild<QLabel *>(QStringLiteral("lblUsed"));
        QCOMPARE(used->text(),
                 QStringLiteral("This key is already in use, please choose another."));
        QVERIFY(used->isHidden());
        QVERIFY(chooser.findChild<QPushButton *>(QStringLiteral("cmdCancel"))->isDefault());
    }

    void refusalTable_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("typed");
        QTest::addColumn<bool>("accepted");
        // The working copy holds s, r and b; the reset key "r" is being changed.
        QTest::newRow("its own key again") << 114 << 114 << true;
        QTest::newRow("another function's key") << 114 << 115 << false;
        QTest::newRow("the buzzer's key") << 114 << 98 << false;
        QTest::newRow("capital S where s is taken") << 114 << 83 << true;
        QTest::newRow("a free letter") << 114 << 120 << true;
        QTest::newRow("a digit") << 114 << 55 << true;
        QTest::newRow("a control character") << 114 << 1 << true;
        for (int reserved : {111, 61, 46, 45, 43, 32, 13})
            QTest::addRow("reserved %d", reserved) << 114 << reserved << false;
        QTest::newRow("reserved but its own key") << 43 << 43 << true;
        QTest::newRow("Tab, which the board never receives") << 114 << 9 << false;
        QTest::newRow("Tab though it is its own key") << 9 << 9 << false;
    }

    void refusalTable()
    {
        QFETCH(int, current);
        QFETCH(int, typed);
        QFETCH(bool, accepted);
        KeyChoice choice{QStringLiteral("reset the clock"), static_cast<qint16>(current), 0};
        KeyChooser chooser(choice, QList<int>{115, current, 98}, dialogs);
        chooser.takeKey(typed);
        QCOMPARE(choice.chosenKey, accepted ? typed : 0);
        QCOMPARE(chooser.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(dialogs.beeps, accepted ? 0 : 1);
        QCOMPARE(chooser.findChild<QLabel *>(QStringLiteral("lblUsed"))->isHidden(), accepted);
    }

    void aRefusalThenAFreeKeyThroughRealKeys()
    {
        KeyChoice choice{QStringLiteral("sound the buzzer"), 98, 0};
        KeyChooser chooser(choice, QList<int>{115, 120, 98},
                           dialogs); // "x" given to reset, not yet saved
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QWidget *focus = QApplication::focusWidget();
        QCOMPARE(focus->objectName(), QStringLiteral("cmdCancel"));
        QTest::keyClick(focus, Qt::Key_X);
        QVERIFY(chooser.isVisible());
        QCOMPARE(dialogs.beeps, 1);
        QTest::keyClick(focus, Qt::Key_Space); // reserved, and does not press Cancel
        QVERIFY(chooser.isVisible());
        QCOMPARE(dialogs.beeps, 2);
        QTest::keyClick(focus, Qt::Key_Z);
        QVERIFY(!chooser.isVisible());
        QCOMPARE(choice.chosenKey, int('z'));
    }

    void tabAndShiftTabAreRefusedThroughRealKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier);
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+I, which types a tab") << int(Qt::Key_I) << int(Qt::ControlModifier);
    }

    void tabAndShiftTabAreRefusedThroughRealKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        KeyChoice choice{QStringLiteral("start / stop the clock"), 115, 0};
        KeyChooser chooser(choice, QList<int>{115, 114, 98}, dialogs);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QWidget *focus = QApplication::focusWidget();
        if (key == Qt::Key_I) {
            // What a terminal-style Ctrl+I delivers: the tab character itself.
            QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers),
                            QStringLiteral("\t"));
            QApplication::sendEvent(focus, &press);
        } else {
            QTest::keyClick(focus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        }
        QVERIFY(chooser.isVisible());
        QCOMPARE(dialogs.beeps, 1);
        QVERIFY(chooser.findChild<QLabel *>(QStringLiteral("lblUsed"))->isVisible());
        QCOMPARE(QApplication::focusWidget(), focus); // the focus did not move either
        QTest::keyClick(focus, Qt::Key_G);
        QCOMPARE(choice.chosenKey, int('g'));
    }

    void cancelEnterAndEscChooseNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void cancelEnterAndEscChooseNothing()
    {
        QFETCH(int, key);
        KeyChoice choice{QStringLiteral("sound the buzzer"), 98, 0};
        KeyChooser chooser(choice, QList<int>{115, 114, 98}, dialogs);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!chooser.isVisible());
        QCOMPARE(choice.chosenKey, 0);
        QCOMPARE(dialogs.beeps, 0);
    }
};

CORVELLA_TEST_MAIN(TestChooseKey)
#include "tst_keychooser.moc"
