// Buzzer files that cannot be played: no crash, no hang, and the board's
// timers keep ticking while each is tried.
#include "platform/qtsounddevice.h"
#include "tests/support/testenv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>

class TestBuzzerFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void unplayableFiles_data()
    {
        QTest::addColumn<QString>("path");
        const auto file = [this](const char *name, const QByteArray &content) {
            const QString path = dir.filePath(QLatin1StringView(name));
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(content);
            return path;
        };
        QTest::newRow("empty") << file("empty.wav", {});
        QTest::newRow("not a wav") << file("text.wav", "just some text, no sound here");
        QTest::newRow("a folder") << dir.path();
        const QString fifo = dir.filePath(QStringLiteral("fifo.wav"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QTest::newRow("a FIFO") << fifo;
        const QString unreadable = file("unreadable.wav", QByteArray(1000, 'x'));
        QFile::setPermissions(unreadable, {});
        QTest::newRow("unreadable") << unreadable;
        const QString huge = dir.filePath(QStringLiteral("huge.wav"));
        QFile big(huge);
        big.open(QIODevice::WriteOnly);
        QByteArray header(
            "RIFF\xff\xff\xff\x07WAVEfmt "
            "\x10\0\0\0\x01\0\x02\0\x44\xac\0\0\x10\xb1\x02\0\x04\0\x10\0data\xff\xff\xff\x07",
            44);
        big.write(header);
        big.resize(100 * 1024 * 1024);
        big.close();
        QTest::newRow("100 MB") << huge;
    }

    void unplayableFiles()
    {
        QFETCH(QString, path);
        int ticks = 0;
        qint64 longestGap = 0;
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer clock;
        connect(&clock, &QTimer::timeout, this, [&] {
            longestGap = std::max(longestGap, sinceTick.restart());
            ++ticks;
        });
        clock.start(40);

        QtSoundDevice device;
        QSignalSpy finished(&device, &SoundDevice::playbackFinished);
        QElapsedTimer calls;
        calls.start();
        device.setFileName(path);
        device.Open();
        device.Play();
        QVERIFY2(calls.elapsed() < 1000, "opening or playing blocked the board");
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
        const int before = ticks;
        QTRY_VERIFY(ticks > before + 3);
        QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap)));
        device.Close();
    }
};

CORVELLA_TEST_MAIN(TestBuzzerFiles)
#include "tst_buzzerfiles.moc"
