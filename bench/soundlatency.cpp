// Press-to-sound latency of each sound device, on a private PulseAudio
// server whose silent sink is recorded: median and worst of N presses, one
// second apart, then the same after the server has been restarted.
// Usage: bench_soundlatency SOUND.wav [PRESSES]
#include "platform/pulsesounddevice.h"
#include "tests/robustness/privatepulse.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

double median(QList<qint64> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// The presses that were heard, each as its latency in ms.
QList<qint64> pressAll(SoundDevice &device, int presses)
{
    SinkRecorder sink;
    QList<qint64> heard;
    if (!sink.start())
        return heard;
    QTest::qWait(500);
    for (int i = 0; i < presses; ++i) {
        const qint64 at = sink.now();
        sink.markPress(at);
        QSignalSpy finished(&device, &SoundDevice::playbackFinished);
        device.play();
        if (!QTest::qWaitFor([&] { return finished.size() == 1; }, 5000))
            break;
        device.stop();
        device.rewind();
        QTest::qWait(1000);
        if (sink.firstLoudAfter(at) >= 0)
            heard << sink.firstLoudAfter(at) - at;
    }
    return heard;
}

void report(const char *path, const char *when, const QList<qint64> &heard, int presses)
{
    std::printf(
        "%-8s %-16s median %6.1f ms  worst %4lld ms  heard %lld of %d\n", path, when, median(heard),
        heard.isEmpty() ? -1LL
                        : static_cast<long long>(*std::max_element(heard.begin(), heard.end())),
        static_cast<long long>(heard.size()), presses);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    PrivatePulse pulse(folder.path());
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString sound = QString::fromLocal8Bit(argv[1]);
    const int presses = argc > 2 ? std::atoi(argv[2]) : 20;
    for (const char *path : {"pulse"}) {
        if (!pulse.start())
            return 1;
        auto device = std::make_unique<PulseSoundDevice>();
        device->setFileName(sound);
        device->open();
        report(path, "first start", pressAll(*device, presses), presses);
        pulse.stop();
        if (!pulse.start())
            return 1;
        report(path, "after a restart", pressAll(*device, presses), presses);
        device.reset();
        pulse.stop();
    }
    return 0;
}
