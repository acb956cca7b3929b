#include "platform/sounddecoder.h"
#include "platform/sounddevice.h"
#include "platform/soundfilecheck.h"
#include "tests/platform/soundwriter.h"
#include "tests/platform/wavbuilder.h"
#include "tests/support/testenv.h"

#include <QTemporaryDir>
#include <QtEndian>

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

QByteArray pcm24(const QList<int> &samples)
{
    QByteArray b;
    for (int s : samples)
        b += le32(s).left(3);
    return b;
}

} // namespace

class TestSoundDecoder : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // One second of a loud tone in each format, written by libsndfile.
    void everyFormatDecodesToItsLength_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("toleranceMs");
        const int wav = SF_FORMAT_WAV;
        QTest::newRow("WAV 8-bit") << (wav | SF_FORMAT_PCM_U8) << 8000 << 1 << 0;
        QTest::newRow("WAV 16-bit stereo") << (wav | SF_FORMAT_PCM_16) << 44100 << 2 << 0;
        QTest::newRow("WAV 24-bit") << (wav | SF_FORMAT_PCM_24) << 48000 << 1 << 0;
        QTest::newRow("WAV 32-bit") << (wav | SF_FORMAT_PCM_32) << 48000 << 2 << 0;
        QTest::newRow("WAV float") << (wav | SF_FORMAT_FLOAT) << 22050 << 1 << 0;
        QTest::newRow("WAV double") << (wav | SF_FORMAT_DOUBLE) << 22050 << 2 << 0;
        QTest::newRow("WAV A-law") << (wav | SF_FORMAT_ALAW) << 8000 << 1 << 0;
        QTest::newRow("WAV mu-law") << (wav | SF_FORMAT_ULAW) << 8000 << 1 << 0;
        QTest::newRow("WAV IMA ADPCM") << (wav | SF_FORMAT_IMA_ADPCM) << 8000 << 2 << 70;
        QTest::newRow("WAV MS ADPCM") << (wav | SF_FORMAT_MS_ADPCM) << 8000 << 1 << 70;
        QTest::newRow("WAV extensible, six channels")
            << (SF_FORMAT_WAVEX | SF_FORMAT_PCM_24) << 48000 << 6 << 0;
        QTest::newRow("FLAC") << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << 44100 << 2 << 0;
        QTest::newRow("Ogg Vorbis") << (SF_FORMAT_OGG | SF_FORMAT_VORBIS) << 44100 << 2 << 60;
        QTest::newRow("Opus") << (SF_FORMAT_OGG | SF_FORMAT_OPUS) << 48000 << 1 << 60;
        QTest::newRow("MP3") << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) << 44100 << 2 << 60;
    }

    void everyFormatDecodesToItsLength()
    {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, toleranceMs);
        if (!SoundWriter::canWrite(format, rate, channels))
            QSKIP("this libsndfile does not write the format");
        const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(SoundWriter::writeTone(path, format, rate, channels, 1000));
        const SoundDecoding decoded = decodeSoundFile(path);
        QCOMPARE(decoded.problem, QString());
        QCOMPARE(decoded.sound.sampleRate, rate);
        QCOMPARE(decoded.sound.channels, channels == 1 ? 1 : 2);
        QVERIFY2(qAbs(decoded.sound.durationMs() - 1000) <= toleranceMs,
                 qPrintable(QString::number(decoded.sound.durationMs())));
        const QList<int> samples = samplesOf(decoded.sound);
        QVERIFY(*std::max_element(samples.begin(), samples.end()) > 15000);
    }

    void samplesAndChannelsOfHandBuiltFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<int>>("samples");
        QTest::newRow("8-bit PCM, unsigned")
            << wav(fmtBody(1, 1, 8000, 8, 1), QByteArray("\x80\xff\x00", 3)) << 1
            << QList<int>{0, 32512, -32768};
        QTest::newRow("24-bit PCM keeps the top sixteen bits")
            << wav(fmtBody(1, 1, 48000, 24, 3), pcm24({0x7fffff, -0x800000, 0x000100, 0x123456}))
            << 1 << QList<int>{32767, -32768, 1, 0x1234};
        // Six channels mix down to two: 0, 2, 4 averaged to the left, 1, 3, 5 to the right.
        QTest::newRow("extensible 24-bit, six channels")
            << wav(fmtBody(0xfffe, 6, 48000, 24, 18, extensibleExtra(1, 24)),
                   pcm24({0x030000, 0x600000, 0x060000, 0x000000, 0x090000, 0x300000}))
            << 2 << QList<int>{1536, 0x3000};
        const QByteArray data(400, '\x01');
        QTest::newRow("data size 0xFFFFFFFF")
            << wav(fmtBody(1, 1, 8000, 16, 2), data, 0xFFFFFFFF) << 1 << QList<int>(200, 0x0101);
        QTest::newRow("data size one byte more")
            << wav(fmtBody(1, 1, 8000, 16, 2), data, 401) << 1 << QList<int>(200, 0x0101);
    }

    void samplesAndChannelsOfHandBuiltFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, channels);
        QFETCH(QList<int>, samples);
        const SoundDecoding decoded = decodeSound(file);
        QCOMPARE(decoded.problem, QString());
        QCOMPARE(decoded.sound.channels, channels);
        QCOMPARE(samplesOf(decoded.sound), samples);
    }

    void filesThatCannotBePlayedSaySo_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("problem");
        const QByteArray fmt = fmtBody(1, 1, 8000, 16, 2);
        const QString notSound = QStringLiteral("it is not a sound file");
        QTest::newRow("empty") << QByteArray() << notSound;
        QTest::newRow("text") << QByteArray("hello there, not a sound") << notSound;
        QTest::newRow("header cut short")
            << wav(fmt, pcm16({1, 2})).left(20) << QStringLiteral("it is damaged");
        QTest::newRow("no data") << riff(chunk("fmt ", fmt)) << QStringLiteral("it is damaged");
        QTest::newRow("no format")
            << riff(chunk("data", pcm16({1, 2}))) << QStringLiteral("it is damaged");
        QTest::newRow("short format")
            << riff(chunk("fmt ", fmt.left(10)) + chunk("data", pcm16({1})))
            << QStringLiteral("it is damaged");
        QTest::newRow("zero channels")
            << wav(fmtBody(1, 0, 8000, 16, 2), pcm16({1})) << QStringLiteral("it is damaged");
        QTest::newRow("65 channels")
            << wav(fmtBody(1, 65, 8000, 16, 130), QByteArray(1300, '\x01'))
            << QStringLiteral("it has 65 channels, more than Corvella can play");
        QTest::newRow("sample rate 7")
            << wav(fmtBody(1, 1, 7, 16, 2), pcm16({1}))
            << QStringLiteral("its sample rate of 7 Hz is not supported");
        QTest::newRow("sample rate 768 kHz")
            << wav(fmtBody(1, 1, 768000, 16, 2), pcm16({1}))
            << QStringLiteral("its sample rate of 768000 Hz is not supported");
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
        QCOMPARE(decodeSound(file).problem, problem);
    }

    // Through the sound plugin, as the options dialog checks a file.
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
        const QString text = dir.filePath(QStringLiteral("text.mp3"));
        QVERIFY(save(text, "ID3 but not really"));
        QTest::newRow("playable") << good << QString();
        QTest::newRow("missing") << dir.filePath(QStringLiteral("none.wav"))
                                 << QStringLiteral("the file does not exist");
        QTest::newRow("a folder") << dir.path() << QStringLiteral("it is not a file");
        QTest::newRow("a FIFO") << fifo << QStringLiteral("it is not a file");
        QTest::newRow("33 MB") << big << QStringLiteral("it is larger than 32 MB");
        QTest::newRow("text named .mp3") << text << QStringLiteral("it is not a sound file");
    }

    void theFileCheck()
    {
        QFETCH(QString, path);
        QFETCH(QString, problem);
        QCOMPARE(soundFileProblem(path), problem);
    }

    void theShippedSoundIsAboutOneSecond()
    {
        const auto duration = soundDurationMs(QStringLiteral(CORVELLA_BUZZER_WAV));
        QVERIFY(duration);
        QVERIFY2(*duration >= 1000 && *duration <= 1500, qPrintable(QString::number(*duration)));
    }

    void theDurationComesThroughThePlugin()
    {
        const int flac = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
        const QString path = dir.filePath(QStringLiteral("tone.flac"));
        QVERIFY(SoundWriter::writeTone(path, flac, 44100, 1, 750));
        QCOMPARE(soundDurationMs(path), std::optional<qint64>(750));
        QCOMPARE(soundDurationMs(dir.filePath(QStringLiteral("none.flac"))), std::nullopt);
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
        QCOMPARE(SoundDevice::watchdogIntervalMs(durationMs), intervalMs);
    }

    // The short horn: the first half second of the sound, its last samples
    // falling to silence, every channel alike.
    void aCutFadesToSilence_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<qint64>("soundMs");
        QTest::addColumn<qint64>("cutMs");
        QTest::addColumn<qint64>("keptMs");
        QTest::newRow("mono, a second cut to half")
            << 1 << qint64(1000) << qint64(500) << qint64(500);
        QTest::newRow("stereo") << 2 << qint64(1000) << qint64(500) << qint64(500);
        QTest::newRow("a sound shorter than the cut")
            << 2 << qint64(300) << qint64(500) << qint64(300);
    }

    void aCutFadesToSilence()
    {
        QFETCH(int, channels);
        QFETCH(qint64, soundMs);
        QFETCH(qint64, cutMs);
        QFETCH(qint64, keptMs);
        DecodedSound sound;
        sound.sampleRate = 1000;
        sound.channels = channels;
        const QList<qint16> loud(soundMs * channels, qToLittleEndian<qint16>(20000));
        sound.frames =
            QByteArray(reinterpret_cast<const char *>(loud.constData()), loud.size() * 2);
        const DecodedSound cut = cutWithFade(sound, cutMs, 60);
        QCOMPARE(cut.durationMs(), keptMs);
        const auto sample = [&](qint64 frame, int channel) {
            return qFromLittleEndian(reinterpret_cast<const qint16 *>(
                cut.frames.constData())[frame * channels + channel]);
        };
        const qint64 last = cut.frameCount() - 1;
        for (int c = 0; c < channels; ++c) {
            QCOMPARE(sample(0, c), qint16(20000)); // untouched before the fade
            QCOMPARE(sample(last - 60, c), qint16(20000));
            QVERIFY(qAbs(sample(last - 30, c) - 10000) < 500); // half way down
            QCOMPARE(sample(last, c), qint16(0));              // silent at the end
        }
    }
};

CORVELLA_TEST_MAIN(TestSoundDecoder)
#include "tst_sounddecoder.moc"
