#include "scoreboard/frmscoreboard.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QFile>
#include <QTemporaryDir>

class TestBuzzer : public QObject
{
    Q_OBJECT

    FakeServices fakes;
    QTemporaryDir dir;

    QString makeFile(const QString &name)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

private slots:
    void init()
    {
        AppSettings = defaultSettings();
        AppSettings.BuzzerFile = makeFile(QStringLiteral("horn.wav"));
    }

    void threeQuickPressesPlayOnceFromTheStart()
    {
        frmScoreBoard board(fakes.services());
        ScriptedSoundDevice *device = fakes.device();
        QCOMPARE(device->commands, QStringList{QStringLiteral("Open ") + AppSettings.BuzzerFile});
        board.Buzzer();
        board.Buzzer();
        board.Buzzer();
        QCOMPARE(device->plays, 1);
        QVERIFY(board.isBuzzerPlaying());
        device->finish();
        QVERIFY(!board.isBuzzerPlaying());
        QCOMPARE(
            device->commands.mid(1),
            (QStringList{QStringLiteral("Play"), QStringLiteral("Stop"), QStringLiteral("Prev")}));
        board.Buzzer();
        QCOMPARE(device->plays, 2);
    }

    void noFileAtLoadMeansTheKeyDoesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("empty") << QString();
        QTest::newRow("missing") << QStringLiteral("/nonexistent/horn.wav");
        QTest::newRow("a folder") << QDir::tempPath();
    }

    void noFileAtLoadMeansTheKeyDoesNothing()
    {
        QFETCH(QString, file);
        AppSettings.BuzzerFile = file;
        frmScoreBoard board(fakes.services());
        board.Buzzer();
        QCOMPARE(fakes.device()->plays, 0);
        QVERIFY(fakes.device()->commands.isEmpty());
        QVERIFY(!board.isBuzzerPlaying());
    }

    void theBuzzerKeyPlaysThroughTheDispatcher()
    {
        frmScoreBoard board(fakes.services());
        board.AllKeyPress('b');
        QCOMPARE(fakes.device()->plays, 1);
        board.AllKeyPress('B');
        fakes.device()->finish();
        board.AllKeyPress('B');
        QCOMPARE(fakes.device()->plays, 1);
    }

    void afterTheOptionsTheNewFilePlays()
    {
        frmScoreBoard board(fakes.services());
        board.setOptionsOpener([this, &board](QWidget *) {
            Settings changed = board.settings();
            changed.BuzzerFile = makeFile(QStringLiteral("new.wav"));
            board.applySettings(changed);
        });
        board.Buzzer(); // still playing when the options close
        board.ShowOptions();
        ScriptedSoundDevice *device = fakes.device();
        QVERIFY(!board.isBuzzerPlaying()); // Close ended the old playback
        board.Buzzer();
        QCOMPARE(device->playedFiles.last(), board.settings().BuzzerFile);
    }

    void aFailedPlayDoesNotSilenceTheBuzzer()
    {
        frmScoreBoard board(fakes.services());
        board.Buzzer();
        fakes.device()->finish(); // a playback that failed at once still reports its end
        board.Buzzer();
        QCOMPARE(fakes.device()->plays, 2);
    }
};

CORVELLA_TEST_MAIN(TestBuzzer)
#include "tst_buzzer.moc"
