#include "platform/pulsesounddevice.h"
#include "tests/platform/wavbuilder.h"
#include "tests/support/testenv.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

// The PulseAudio device without a sound server (this test points it at an
// empty runtime folder): every playback still ends exactly once, at once.
class TestPulseSoundDevice : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QTemporaryDir noServer;

private slots:
    void initTestCase()
    {
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + noServer.path() +
                                                  QStringLiteral("/none")));
        qputenv("PULSE_AUTOSPAWN", "0");
    }

    void everyPlaybackEndsOnce_data()
    {
        using namespace WavBuilder;
        QTest::addColumn<QString>("path");
        const QString good = dir.filePath(QStringLiteral("good.wav"));
        QVERIFY(save(good, wav(fmtBody(1, 1, 8000, 16, 2), QByteArray(16000, '\x10'))));
        const QString text = dir.filePath(QStringLiteral("text.wav"));
        QVERIFY(save(text, "not a sound"));
        QTest::newRow("playable, no server") << good;
        QTest::newRow("not a sound") << text;
        QTest::newRow("missing") << dir.filePath(QStringLiteral("none.wav"));
        QTest::newRow("empty name") << QString();
    }

    void everyPlaybackEndsOnce()
    {
        QFETCH(QString, path);
        PulseSoundDevice device;
        QSignalSpy finished(&device, &SoundDevice::playbackFinished);
        device.setFileName(path);
        device.open();
        for (int press = 1; press <= 3; ++press) {
            QElapsedTimer took;
            took.start();
            device.play();
            QTRY_COMPARE_WITH_TIMEOUT(finished.size(), press, 3000);
            QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
            device.stop();
            device.rewind();
        }
        QTest::qWait(50);
        QCOMPARE(finished.size(), 3);
    }

    void closeEndsAPlaybackOnceAndANewFileOpens()
    {
        using namespace WavBuilder;
        const QString good = dir.filePath(QStringLiteral("long.wav"));
        QVERIFY(save(good, wav(fmtBody(1, 1, 8000, 16, 2), QByteArray(160000, '\x10'))));
        PulseSoundDevice device;
        QSignalSpy finished(&device, &SoundDevice::playbackFinished);
        device.setFileName(good);
        device.open();
        device.play();
        device.close();
        QTRY_COMPARE(finished.size(), 1);
        device.setFileName(good);
        device.open();
        device.play();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 3000);
        QTest::qWait(50);
        QCOMPARE(finished.size(), 2);
    }
};

CORVELLA_TEST_MAIN(TestPulseSoundDevice)
#include "tst_pulsesounddevice.moc"
