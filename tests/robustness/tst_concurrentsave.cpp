// Two copies of the program saving at the same moment never leave the
// settings damaged: afterwards the file holds one copy's complete set.
#include "settings/appsettings.h"
#include "tests/support/testenv.h"

#include <QProcess>

class TestConcurrentSave : public QObject
{
    Q_OBJECT

    Settings settings;

private slots:
    void twoSaversAtOnce()
    {
        for (int round = 0; round < turns(200); ++round) {
            QProcess a, b;
            a.start(QStringLiteral(CORVELLA_SAVER), {QStringLiteral("A")});
            b.start(QStringLiteral(CORVELLA_SAVER), {QStringLiteral("B")});
            QVERIFY(a.waitForFinished(30000) && b.waitForFinished(30000));
            QCOMPARE(a.exitCode(), 0);
            QCOMPARE(b.exitCode(), 0);

            settings = loadSettings();
            const Settings &s = settings;
            const bool second = s.TeamSize == 22;
            const qint32 colour = second ? 0x222222 : 0x111111;
            const QString text = QString(second ? u'B' : u'A').repeated(second ? 300 : 200);
            const QString where = QStringLiteral("round %1").arg(round);
            QVERIFY2(s.TeamSize == 11 || s.TeamSize == 22, qPrintable(where));
            for (qint32 c : {s.FormColor, s.LEDTimeColor, s.LEDScoreColor, s.LEDBackColor,
                             s.HomeColor, s.GuestColor, s.TextColor})
                QVERIFY2(c == colour, qPrintable(where));
            for (qint16 k : {s.StartStopClockKey, s.ResetClockKey, s.BuzzerKey})
                QVERIFY2(k == (second ? 'B' : 'A'), qPrintable(where));
            QVERIFY2(s.BuzzerFile == text, qPrintable(where));
            // Captions load cut to what the options allow.
            for (const QString &t : {s.HomeText, s.GuestText})
                QVERIFY2(t == text.left(20), qPrintable(where));
            for (const QString &t : {s.SectionText1, s.SectionText2})
                QVERIFY2(t == text.left(18), qPrintable(where));
        }
    }
};

CORVELLA_TEST_MAIN(TestConcurrentSave)
#include "tst_concurrentsave.moc"
