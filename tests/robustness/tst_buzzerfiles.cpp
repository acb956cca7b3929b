// Buzzer files that cannot be played: no crash, no hang, and the board's
// timers keep ticking while each is tried.
#include "platform/pulsesounddevice.h"
#include "tests/platform/soundwriter.h"
#include "tests/platform/wavbuilder.h"
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
        QVERIFY(playKeepsTheClock(path) < 5000);
    }

    // Damaged, hostile and unusual headers: each plays what the file holds
    // (or nothing) for no longer than the sound lasts, never stalls the
    // clock, and never trusts a size from the header.
    void damagedAndUnusualFiles_data()
    {
        using namespace WavBuilder;
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("soundMs");
        const auto file = [this](const char *name, const QByteArray &content) {
            const QString path = dir.filePath(QLatin1StringView(name));
            save(path, content);
            return path;
        };
        // One second at 8 kHz in each encoding; the bytes are noise.
        const QByteArray noise = QByteArray("\x11\x93\x5a\xe7").repeated(8000);
        QTest::newRow("data size 0xFFFFFFFF")
            << file("ffff.wav", wav(fmtBody(1, 1, 8000, 16, 2), noise.left(16000), 0xFFFFFFFF))
            << 1000;
        QTest::newRow("overstated data size")
            << file("over.wav", wav(fmtBody(1, 1, 8000, 16, 2), noise.left(16000), 1 << 30))
            << 1000;
        QByteArray byteRate1 = fmtBody(1, 1, 8000, 16, 2);
        byteRate1.replace(8, 4, le32(1));
        QTest::newRow("byte rate 1")
            << file("rate1.wav", wav(byteRate1, noise.left(16000))) << 1000;
        QByteArray byteRateHuge = fmtBody(1, 1, 8000, 16, 2);
        byteRateHuge.replace(8, 4, le32(0xFFFFFFFF));
        QTest::newRow("byte rate 2^32-1")
            << file("ratehuge.wav", wav(byteRateHuge, noise.left(16000))) << 1000;
        QTest::newRow("32-bit float")
            << file("float.wav", wav(fmtBody(3, 1, 8000, 32, 4), QByteArray(32000, '\0'))) << 1000;
        QTest::newRow("extensible 24-bit, six channels")
            << file("six.wav", wav(fmtBody(0xfffe, 6, 8000, 24, 18, extensibleExtra(1, 24)),
                                   noise.repeated(5).left(144000)))
            << 1000;
        QTest::newRow("mu-law") << file("mulaw.wav",
                                        wav(fmtBody(7, 1, 8000, 8, 1), noise.left(8000)))
                                << 1000;
        // 256-byte blocks of 505 samples: 16 blocks hold just over a second.
        QByteArray ima;
        for (int block = 0; block < 16; ++block)
            ima += QByteArray(4, '\0') + noise.mid(block * 252, 252);
        QTest::newRow("IMA ADPCM")
            << file("ima.wav", wav(fmtBody(0x11, 1, 8000, 4, 256, le16(505)), ima)) << 1010;
        // Four million empty chunks before the sound.
        const QString chunks = dir.filePath(QStringLiteral("chunks.wav"));
        {
            QFile f(chunks);
            f.open(QIODevice::WriteOnly);
            const QByteArray empty = chunk("junk", {}).repeated(100000);
            f.write("RIFF" + le32(0xFFFFFFF0) + "WAVE");
            for (int i = 0; i < 39; ++i)
                f.write(empty);
            f.write(chunk("fmt ", fmtBody(1, 1, 8000, 16, 2)) + chunk("data", noise.left(16000)));
        }
        QTest::newRow("3.9 million empty chunks") << chunks << 0;
        // Compressed files cut off in the middle play what is left.
        const auto cutInHalf = [this](const char *name, int format) {
            const QString path = dir.filePath(QLatin1StringView(name));
            if (!SoundWriter::writeTone(path, format, 44100, 2, 2000))
                return QString();
            QFile f(path);
            f.resize(f.size() / 2);
            return path;
        };
        if (const QString flac = cutInHalf("cut.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
            !flac.isEmpty())
            QTest::newRow("FLAC cut in half") << flac << 1000;
        if (const QString mp3 = cutInHalf("cut.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
            !mp3.isEmpty())
            QTest::newRow("MP3 cut in half") << mp3 << 1000;
    }

    void damagedAndUnusualFiles()
    {
        QFETCH(QString, path);
        QFETCH(int, soundMs);
        // What the file holds, and no more, is what the buzzer plays.
        const SoundDecoding decoded = decodeSoundFile(path);
        if (soundMs > 0)
            QVERIFY2(qAbs(decoded.sound.durationMs() - soundMs) <= soundMs / 10,
                     qPrintable(decoded.problem + QString::number(decoded.sound.durationMs())));
        else
            QVERIFY(!decoded.problem.isEmpty());
        const qint64 tookMs = playKeepsTheClock(path);
        QVERIFY2(tookMs < soundMs + 1000, qPrintable(QString::number(tookMs)));
    }

private:
    // Opens and plays `path` with a 40 ms timer ticking, finer than the
    // board's clock, which wakes at each new tenth; returns how long the
    // playback took.
    qint64 playKeepsTheClock(const QString &path)
    {
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

        PulseSoundDevice device;
        QSignalSpy finished(&device, &SoundDevice::playbackFinished);
        QElapsedTimer calls;
        calls.start();
        device.setFileName(path);
        device.open();
        device.play();
        [&] { QVERIFY2(calls.elapsed() < 1000, "opening or playing blocked the board"); }();
        [&] { QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000); }();
        const qint64 took = calls.elapsed();
        const int before = ticks;
        [&] { QTRY_VERIFY(ticks > before + 3); }();
        [&] { QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap))); }();
        device.close();
        return QTest::currentTestFailed() ? 1000000 : took;
    }
};

CORVELLA_TEST_MAIN(TestBuzzerFiles)
#include "tst_buzzerfiles.moc"
