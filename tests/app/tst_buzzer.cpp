#include "app/buzzer.h"
#include "app/corvellaapp.h"
#include "settings/appsettings.h"
#include "tests/support/appdriver.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QFile>
#include <QTemporaryDir>

// The one buzzer: what it plays, when it ignores a call, and that the
// operator's key, the count-down's end and a new sound in the options all
// reach it.
class TestBuzzer : public QObject
{
    Q_OBJECT

    FakeServices fakes;
    QTemporaryDir dir;
    QString horn;

    QString makeFile(const QString &name)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

    Buzzer *makeBuzzer(const QString &file, QObject *parent)
    {
        auto *buzzer = new Buzzer(fakes.services().makeSoundDevice(nullptr), parent);
        buzzer->openSound(file);
        return buzzer;
    }

    // The program with `file` as its buzzer sound, its board open.
    ScoreBoardWindow *openBoardWithSound(CorvellaApp &app, const QString &file)
    {
        Settings settings = defaultSettings();
        settings.BuzzerFile = file;
        if (!saveSettings(settings))
            return nullptr;
        return openBoard(app);
    }

private slots:
    void initTestCase() { horn = makeFile(QStringLiteral("horn.wav")); }
    void init() { TestEnvironment::clearStore(); }

    void threeQuickCallsPlayOnceFromTheStart()
    {
        QObject owner;
        Buzzer *buzzer = makeBuzzer(horn, &owner);
        ScriptedSoundDevice *device = fakes.device();
        QCOMPARE(device->commands, QStringList{QStringLiteral("Open ") + horn});
        buzzer->sound();
        buzzer->sound();
        buzzer->sound();
        QCOMPARE(device->plays, 1);
        QVERIFY(buzzer->isPlaying());
        device->finish();
        QVERIFY(!buzzer->isPlaying());
        QCOMPARE(device->commands.mid(1),
                 (QStringList{QStringLiteral("Play"), QStringLiteral("Stop"),
                              QStringLiteral("Rewind")}));
        buzzer->sound();
        QCOMPARE(device->plays, 2);
    }

    void noFileAtLoadMeansSilence_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("empty") << QString();
        QTest::newRow("missing") << QStringLiteral("/nonexistent/horn.wav");
        QTest::newRow("a folder") << QDir::tempPath();
    }

    void noFileAtLoadMeansSilence()
    {
        QFETCH(QString, file);
        QObject owner;
        Buzzer *buzzer = makeBuzzer(file, &owner);
        buzzer->sound();
        QCOMPARE(fakes.device()->plays, 0);
        QVERIFY(fakes.device()->commands.isEmpty());
        QVERIFY(!buzzer->isPlaying());
    }

    void aFailedPlayDoesNotSilenceTheBuzzer()
    {
        QObject owner;
        Buzzer *buzzer = makeBuzzer(horn, &owner);
        buzzer->sound();
        fakes.device()->finish(); // a playback that failed at once still reports its end
        buzzer->sound();
        QCOMPARE(fakes.device()->plays, 2);
    }

    void theKeyAndTheCountDownSoundTheProgramsBuzzer()
    {
        const qsizetype devicesBefore = fakes.devices.size();
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoardWithSound(app, horn);
        QVERIFY(board);
        board->runCommandKey('b');
        QCOMPARE(fakes.device()->plays, 1);
        board->runCommandKey('B');
        fakes.device()->finish();
        board->runCommandKey('B');
        QCOMPARE(fakes.device()->plays, 1);

        app.game().setClockMode(true, 1000);
        app.game().startStop();
        fakes.time.now += 1000;
        app.game().updateClock();
        QCOMPARE(fakes.device()->plays, 2);
        QCOMPARE(fakes.devices.size(), devicesBefore + 1); // one device for the whole program
    }

    // The mute key silences the horn, the count-down's end and the short
    // horn until it is pressed again, and the board says so meanwhile; the
    // short horn plays half a second of the buzzer's sound.
    void theMuteKeySilencesEverySoundUntilPressedAgain()
    {
        Settings settings = defaultSettings();
        settings.BuzzerFile = horn;
        settings.MuteKey = 'z';
        settings.ShortHornKey = 'l';
        QVERIFY(saveSettings(settings));
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoard(app);
        QVERIFY(board);
        board->runCommandKey('l');
        QCOMPARE(fakes.device()->commands.last(), QStringLiteral("Play 500 ms, fade 60 ms"));
        fakes.device()->finish();

        board->runCommandKey('z');
        QVERIFY(board->windowTitle().startsWith(QStringLiteral("Sound off - ")));
        board->runCommandKey('b');
        board->runCommandKey('l');
        app.game().setClockMode(true, 1000);
        app.game().startStop();
        fakes.time.now += 1000;
        app.game().updateClock();
        QCOMPARE(fakes.device()->plays, 1);

        board->runCommandKey('z');
        QVERIFY(!board->windowTitle().contains(QStringLiteral("Sound off")));
        board->runCommandKey('b');
        QCOMPARE(fakes.device()->plays, 2);
    }

    void afterTheOptionsTheNewFilePlays()
    {
        CorvellaApp app(fakes.services());
        ScoreBoardWindow *board = openBoardWithSound(app, horn);
        QVERIFY(board);
        app.buzzer().sound(); // still playing when the options close
        Settings changed = app.settings().value();
        changed.BuzzerFile = makeFile(QStringLiteral("new.wav"));
        app.settings().set(changed);
        QVERIFY(!app.buzzer().isPlaying()); // Close ended the old playback
        app.buzzer().sound();
        QCOMPARE(fakes.device()->playedFiles.last(), changed.BuzzerFile);
    }
};

CORVELLA_TEST_MAIN(TestBuzzer)
#include "tst_buzzer.moc"
