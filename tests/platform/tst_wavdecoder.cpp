#include "platform/qtsounddevice.h"
#include "platform/soundfilecheck.h"
#include "platform/wavdecoder.h"
#include "tests/platform/wavbuilder.h"
#include "tests/support/testenv.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <sys/stat.h>

using namespace WavBuilder;

namespace {

QList<int> samplesOf(const DecodedSound &sound)
{
    QList<int> samples;
    for (qsizetype i = 0; i + 1 < sound.frames.size(); i += 2)
        samples << qFromLittleEndian<qint16>(sound.frames.constData() + i);
    return samples;
}

QByteArray floats32(const QList<float> &values)
{
    QByteArray b(values.size() * 4, '\0');
    for (int i = 0; i < values.size(); ++i)
        qToLittleEndian<float>(values[i], b.data() + 4 * i);
    return b;
}

QByteArray floats64(const QList<double> &values)
{
    QByteArray b(values.size() * 8, '\0');
    for (int i = 0; i < values.size(); ++i)
        qToLittleEndian<double>(values[i], b.data() + 8 * i);
    return b;
}

QByteArray pcm24(const QList<int> &samples)
{
    QByteArray b;
    for (int s : samples)
        b += le32(s).left(3);
    return b;
}

} // namespace

class TestWavDecoder : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void everyCommonEncodingDecodes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<int>>("samples");

        QTest::newRow("8-bit PCM, unsigned")
            << wav(fmtBody(1, 1, 8000, 8, 1), QByteArray("\x80\xff\x00", 3)) << 1
            << QList<int>{0, 32512, -32768};
        QTest::newRow("16-bit PCM stereo")
            << wav(fmtBody(1, 2, 44100, 16, 4), pcm16({1000, -1000, 7, -7})) << 2
            << QList<int>{1000, -1000, 7, -7};
        QTest::newRow("24-bit PCM keeps the top sixteen bits")
            << wav(fmtBody(1, 1, 48000, 24, 3), pcm24({0x7fffff, -0x800000, 0x000100, 0x123456}))
            << 1 << QList<int>{32767, -32768, 1, 0x1234};
        QTest::newRow("32-bit PCM")
            << wav(fmtBody(1, 1, 48000, 32, 4), le32(0x12345678) + le32(-65536)) << 1
            << QList<int>{0x1234, -1};
        QTest::newRow("32-bit float, clamped, NaN silent")
            << wav(fmtBody(3, 1, 48000, 32, 4),
                   floats32({0.5f, -1.0f, 2.0f, std::numeric_limits<float>::quiet_NaN()}))
            << 1 << QList<int>{16384, -32767, 32767, 0};
        QTest::newRow("64-bit float") << wav(fmtBody(3, 2, 48000, 64, 16), floats64({0.25, -0.25}))
                                      << 2 << QList<int>{8192, -8192};
        QTest::newRow("A-law") << wav(fmtBody(6, 1, 8000, 8, 1), QByteArray("\xd5\x55\xaa", 3)) << 1
                               << QList<int>{8, -8, 32256};
        QTest::newRow("mu-law") << wav(fmtBody(7, 1, 8000, 8, 1), QByteArray("\xff\x00\x80", 3))
                                << 1 << QList<int>{0, -32124, 32124};
        QTest::newRow("extensible 16-bit PCM")
            << wav(fmtBody(0xfffe, 2, 44100, 16, 4, extensibleExtra(1, 16)), pcm16({5, 6})) << 2
            << QList<int>{5, 6};
        QTest::newRow("extensible float")
            << wav(fmtBody(0xfffe, 1, 44100, 32, 4, extensibleExtra(3, 32)), floats32({0.5f})) << 1
            << QList<int>{16384};
        // Six channels mix down to two: 0, 2, 4 averaged to the left, 1, 3, 5 to the right.
        QTest::newRow("extensible 24-bit, six channels")
            << wav(fmtBody(0xfffe, 6, 48000, 24, 18, extensibleExtra(1, 24)),
                   pcm24({0x030000, 0x600000, 0x060000, 0x000000, 0x090000, 0x300000}))
            << 2 << QList<int>{1536, 0x3000};
        // Block: predictor 100, step index 0, then nibbles 7 and 0.
        QTest::newRow("IMA ADPCM")
            << wav(fmtBody(0x11, 1, 8000, 4, 36, le16(65)),
                   pcm16({100}) + QByteArray("\x00\x00\x07", 3) + QByteArray(31, '\0'))
            << 1 << QList<int>{100, 111, 113, 114};
        // Block: predictor 0 (256, 0), step 16, seeds 200 then 100; nibbles 1 and 0.
        QTest::newRow("Microsoft ADPCM")
            << wav(fmtBody(2, 1, 8000, 4, 11, le16(10)),
                   QByteArray(1, '\0') + pcm16({16, 200, 100}) + QByteArray("\x10\0\0\0", 4))
            << 1 << QList<int>{100, 200, 216, 216};
    }

    void everyCommonEncodingDecodes()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, channels);
        QFETCH(QList<int>, samples);
        const WavDecoding decoded = decodeWav(file);
        QCOMPARE(decoded.problem, QString());
        QCOMPARE(decoded.sound.channels, channels);
        QCOMPARE(samplesOf(decoded.sound).mid(0, samples.size()), samples);
    }

    void aDecodedSoundWritesACanonicalFile()
    {
        const WavDecoding decoded =
            decodeWav(wav(fmtBody(3, 2, 22050, 32, 8), floats32({0.5f, -0.5f, 0.25f, 0.0f})));
        const QByteArray file = decoded.sound.toWav();
        QCOMPARE(file.size(), 44 + 8);
        QCOMPARE(file.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint16>(file.constData() + 20), quint16(1));
        QCOMPARE(qFromLittleEndian<quint32>(file.constData() + 24), quint32(22050));
        QCOMPARE(qFromLittleEndian<quint32>(file.constData() + 40), quint32(8));
        const WavDecoding again = decodeWav(file);
        QCOMPARE(again.sound.frames, decoded.sound.frames);
        QCOMPARE(again.sound.sampleRate, 22050);
    }

    void sizesBeyondTheFileStandForWhatItHolds_data()
    {
        QTest::addColumn<qint64>("declared");
        QTest::newRow("0xFFFFFFFF") << qint64(0xFFFFFFFF);
        QTest::newRow("one byte more") << qint64(401);
        QTest::newRow("exact") << qint64(400);
    }

    void sizesBeyondTheFileStandForWhatItHolds()
    {
        QFETCH(qint64, declared);
        const WavDecoding decoded =
            decodeWav(wav(fmtBody(1, 1, 8000, 16, 2), QByteArray(400, '\x01'), declared));
        QCOMPARE(decoded.problem, QString());
        QCOMPARE(decoded.sound.frameCount(), 200);
        QCOMPARE(decoded.sound.durationMs(), 25);
    }

    void filesThatCannotBePlayedSaySo_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("problem");
        const QByteArray fmt = fmtBody(1, 1, 8000, 16, 2);
        QTest::newRow("empty") << QByteArray() << QStringLiteral("it is not a WAV sound file");
        QTest::newRow("text") << QByteArray("hello there, not a sound")
                              << QStringLiteral("it is not a WAV sound file");
        QTest::newRow("no data") << riff(chunk("fmt ", fmt)) << QStringLiteral("it holds no sound");
        QTest::newRow("no format") << riff(chunk("data", pcm16({1, 2})))
                                   << QStringLiteral("its description of the sound is missing");
        QTest::newRow("short format")
            << riff(chunk("fmt ", fmt.left(10)) + chunk("data", pcm16({1})))
            << QStringLiteral("its description of the sound is damaged");
        QTest::newRow("MP3 inside")
            << wav(fmtBody(0x55, 2, 44100, 0, 1), QByteArray(100, 'x'))
            << QStringLiteral("its sound is compressed as MP3, which Corvella cannot play");
        QTest::newRow("zero channels") << wav(fmtBody(1, 0, 8000, 16, 2), pcm16({1}))
                                       << QStringLiteral("its description of the sound is damaged");
        QTest::newRow("sample rate 7")
            << wav(fmtBody(1, 1, 7, 16, 2), pcm16({1}))
            << QStringLiteral("its sample rate of 7 Hz is not supported");
        QTest::newRow("eleven minutes")
            << wav(fmtBody(1, 1, 1000, 8, 1), QByteArray(660000, '\x80'))
            << QStringLiteral("the sound is longer than 10 minutes");
        QByteArray manyChunks;
        for (int i = 0; i < 1001; ++i)
            manyChunks += chunk("junk", {});
        QTest::newRow("1001 empty chunks")
            << riff(manyChunks + chunk("fmt ", fmt) + chunk("data", pcm16({1})))
            << QStringLiteral("its header is damaged (too many parts)");
    }

    void filesThatCannotBePlayedSaySo()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, problem);
        QCOMPARE(decodeWav(file).problem, problem);
    }

    void theFileCheck_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("problem");
        const QString good = dir.filePath(QStringLiteral("good.wav"));
        QVERIFY(save(good, wav(fmtBody(1, 1, 8000, 16, 2), pcm16({1, 2, 3}))));
        const QString fifo = dir.filePath(QStringLiteral("fifo.wav"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString big = dir.filePath(QStringLiteral("big.wav"));
        QFile bigFile(big);
        QVERIFY(bigFile.open(QIODevice::WriteOnly) && bigFile.resize(33 * 1024 * 1024));
        QTest::newRow("playable") << good << QString();
        QTest::newRow("missing") << dir.filePath(QStringLiteral("none.wav"))
                                 << QStringLiteral("the file does not exist");
        QTest::newRow("a folder") << dir.path() << QStringLiteral("it is not a file");
        QTest::newRow("a FIFO") << fifo << QStringLiteral("it is not a file");
        QTest::newRow("33 MB") << big << QStringLiteral("it is larger than 32 MB");
    }

    void theFileCheck()
    {
        QFETCH(QString, path);
        QFETCH(QString, problem);
        QCOMPARE(soundFileProblem(path), problem);
    }

    void theWatchdogStaysWithinBounds_data()
    {
        QTest::addColumn<qint64>("durationMs");
        QTest::addColumn<int>("intervalMs");
        QTest::newRow("one second") << qint64(1000) << 1500;
        QTest::newRow("nothing") << qint64(0) << 500;
        QTest::newRow("negative") << qint64(-86400000) << 500;
        QTest::newRow("days") << qint64(3) * 86400000 << 600500;
        QTest::newRow("beyond 32 bits") << std::numeric_limits<qint64>::max() << 600500;
    }

    void theWatchdogStaysWithinBounds()
    {
        QFETCH(qint64, durationMs);
        QFETCH(int, intervalMs);
        QCOMPARE(QtSoundDevice::watchdogIntervalMs(durationMs), intervalMs);
    }
};

CORVELLA_TEST_MAIN(TestWavDecoder)
#include "tst_wavdecoder.moc"
