#include "display/keyascii.h"
#include "tests/support/testenv.h"

#include <QKeyEvent>

class TestKeyAscii : public QObject
{
    Q_OBJECT

private slots:
    void codeOfAKeyPress_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("s") << int(Qt::Key_S) << false << QStringLiteral("s") << 115;
        QTest::newRow("S") << int(Qt::Key_S) << false << QStringLiteral("S") << 83;
        QTest::newRow("Latin-1 e acute")
            << int(Qt::Key_Eacute) << false << QStringLiteral("é") << 233;
        QTest::newRow("beyond Latin-1")
            << int(Qt::Key_unknown) << false << QStringLiteral("€") << 0;
        QTest::newRow("no character") << int(Qt::Key_F11) << false << QString() << 0;
        QTest::newRow("two characters")
            << int(Qt::Key_unknown) << false << QStringLiteral("ab") << 0;
        QTest::newRow("keypad decimal typing a comma (German)")
            << int(Qt::Key_Comma) << true << QStringLiteral(",") << 46;
        QTest::newRow("keypad decimal typing a point (US)")
            << int(Qt::Key_Period) << true << QStringLiteral(".") << 46;
        QTest::newRow("comma key of the main block")
            << int(Qt::Key_Comma) << false << QStringLiteral(",") << 44;
        QTest::newRow("keypad digit") << int(Qt::Key_7) << true << QStringLiteral("7") << 55;
        QTest::newRow("keypad decimal without NumLock")
            << int(Qt::Key_Delete) << true << QString() << 0;
    }

    void codeOfAKeyPress()
    {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, keypad ? Qt::KeypadModifier : Qt::NoModifier,
                              text);
        QCOMPARE(keyAscii(&event), code);
    }
};

CORVELLA_TEST_MAIN(TestKeyAscii)
#include "tst_keyascii.moc"
