// The buzzer after the sound server went away and came back (a restart, or a
// server that was down when the program started): the first press after the
// server is back is heard again, recorded on a private server's silent sink.
// And every kind of sound file the buzzer takes is heard on it.
#include "platform/pulsesounddevice.h"
#include "tests/platform/soundwriter.h"
#include "tests/robustness/privatepulse.h"
#include "tests/support/testenv.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Presses the buzzer once; returns the milliseconds from the press to the
// first loud sample on the sink, or -1 when nothing was heard.
qint64 press(SoundDevice &device, SinkRecorder &sink)
{
    const qint64 at = sink.now();
    sink.markPress(at);
    QSignalSpy finished(&device, &SoundDevice::playbackFinished);
    device.play();
    if (!QTest::qWaitFor([&] { return finished.size() == 1; }, 5000))
        return -2;
    device.stop();
    device.rewind();
    // The recorder can lag behind the server on a loaded machine.
    const bool recorded = QTest::qWaitFor([&] { return sink.firstLoudAfter(at) >= 0; }, 3000);
    return recorded ? sink.firstLoudAfter(at) - at : -1;
}

} // namespace

class TestSoundServer : public QObject
{
    Q_OBJECT

public:
    explicit TestSoundServer(PrivatePulse &pulse) : m_pulse(pulse) {}

private:
    PrivatePulse &m_pulse;
    QTemporaryDir m_dir;

private slots:
    void theBuzzerComesBackWithTheServer()
    {
        // The program starts while the server is down.
        auto device = std::make_unique<PulseSoundDevice>();
        device->setFileName(QStringLiteral(CORVELLA_BUZZER_WAV));
        device->open();
        const qint64 beforeServer = press(*device, *std::make_unique<SinkRecorder>());
        QVERIFY2(beforeServer != -2, "a press without a server never ended");
        if (!m_pulse.start())
            QSKIP("a private PulseAudio server cannot be started here");
        QList<qint64> latencies;
        {
            SinkRecorder sink;
            QVERIFY(sink.start());
            for (int i = 0; i < 3; ++i)
                latencies << press(*device, sink);
        }
        // The server restarts: down for one press, then back.
        m_pulse.stop();
        const qint64 whileDown = press(*device, *std::make_unique<SinkRecorder>());
        QVERIFY2(whileDown != -2, "a press without a server never ended");
        QVERIFY(m_pulse.start());
        SinkRecorder sink;
        QVERIFY(sink.start());
        for (int i = 0; i < 4; ++i)
            latencies << press(*device, sink);
        QStringList shown;
        for (qint64 ms : latencies)
            shown << QString::number(ms);
        qInfo("press to first loud sample, ms (-1 silent): server came up %s | restarted %s",
              qPrintable(shown.mid(0, 3).join(u' ')), qPrintable(shown.mid(3).join(u' ')));
        device.reset();
        m_pulse.stop();
        for (qint64 ms : latencies)
            QVERIFY2(ms >= 0, qPrintable(shown.join(u' ')));
    }

    void everyKindOfFileIsHeard_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("WAV") << QStringLiteral(CORVELLA_BUZZER_WAV);
        // FLAC and MP3 are what clubs' sound files come as: their rows always
        // run, and fail when the tone could not even be written.
        const auto add = [this](const char *name, int format, int rate, bool required) {
            const QString path = m_dir.filePath(QLatin1StringView(name));
            if (SoundWriter::writeTone(path, format, rate, 2, 500) || required)
                QTest::newRow(name) << path;
            else
                qInfo("%s: this libsndfile does not write it", name);
        };
        add("tone.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, true);
        add("tone.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, true);
        add("tone.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, false);
        add("tone.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, false);
    }

    void everyKindOfFileIsHeard()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo(path).size() > 0, "libsndfile did not write the tone");
        if (!m_pulse.start())
            QSKIP("a private PulseAudio server cannot be started here");
        QList<qint64> latencies;
        {
            PulseSoundDevice device;
            device.setFileName(path);
            device.open();
            SinkRecorder sink;
            QVERIFY(sink.start());
            for (int i = 0; i < 2; ++i)
                latencies << press(device, sink);
        }
        m_pulse.stop();
        for (qint64 ms : latencies)
            QVERIFY2(ms >= 0, qPrintable(QString::number(ms)));
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    PrivatePulse pulse(folder.path());
    TestEnvironment environment;
    QApplication app(argc, argv);
    TestSoundServer test(pulse);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soundserver.moc"
