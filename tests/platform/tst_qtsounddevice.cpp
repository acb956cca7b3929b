#include "platform/qtsounddevice.h"
#include "platform/wavinfo.h"
#include "tests/support/testenv.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class TestQtSoundDevice : public QObject
{
    Q_OBJECT

    QString shippedSound() const { return QStringLiteral(CORVELLA_BUZZER_WAV); }

private slots:
    void theShippedSoundIsAboutOneSecondOfPcm()
    {
        const auto duration = wavDurationMs(shippedSound());
        QVERIFY(duration);
        QVERIFY2(*duration >= 1000 && *duration <= 1500, qPrintable(QString::number(*duration)));
    }

    void unplayableFilesStillEndTheirPlayback_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("isFolder");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("not a wav") << QByteArray("hello, this is text") << false;
        QTest::newRow("truncated header") << QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16) << false;
        QTest::newRow("a folder") << QByteArray() << true;
        QTest::newRow("missing") << QByteArray() << false;
    }

    void unplayableFilesStillEndTheirPlayback()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, isFolder);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("bad.wav"));
        if (isFolder) {
            path = dir.path();
        } else if (QByteArray(QTest::currentDataTag()) != "missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QtSoundDevice device;
        QSignalSpy finished(&device, &SoundDevice::playbackFinished);
        device.setFileName(path);
        device.Open();
        device.Play();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 3000);
    }

    void closeEndsAPlaybackOnce()
    {
        QtSoundDevice device;
        QSignalSpy finished(&device, &SoundDevice::playbackFinished);
        device.setFileName(shippedSound());
        device.Open();
        device.Play();
        device.Close();
        QTRY_COMPARE(finished.size(), 1);
        QTest::qWait(50);
        QCOMPARE(finished.size(), 1);
    }

    void theShippedSoundPlaysToItsEndAgainAndAgain()
    {
        QProcess server;
        server.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        if (!server.waitForFinished(5000) || server.exitCode() != 0)
            QSKIP("this machine has no sound server to play to");
        QtSoundDevice device;
        QSignalSpy finished(&device, &SoundDevice::playbackFinished);
        device.setFileName(shippedSound());
        device.Open();
        for (int play = 1; play <= 3; ++play) {
            device.Play();
            QTRY_COMPARE_WITH_TIMEOUT(finished.size(), play, 5000);
            device.Stop();
            device.Prev();
        }
    }
};

CORVELLA_TEST_MAIN(TestQtSoundDevice)
#include "tst_qtsounddevice.moc"
