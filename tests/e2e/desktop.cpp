#include "tests/e2e/desktop.h"

#include <QTcpServer>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QThread>

namespace {

// A title as an exact-match pattern for xdotool.
QString titlePattern(const QString &title)
{
    QString pattern = QStringLiteral("^");
    for (QChar c : title) {
        if (QStringLiteral(".?*+()[]{}|^$\\").contains(c))
            pattern += u'\\';
        pattern += c;
    }
    return pattern + u'$';
}

} // namespace

quint16 Desktop::freeLocalPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

bool Desktop::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

QList<QPair<double, double>> soundBursts(const QByteArray &raw)
{
    const auto *samples = reinterpret_cast<const qint16 *>(raw.constData());
    const qsizetype frames = raw.size() / 4;
    const qsizetype window = Desktop::SampleRate / 100; // 10 ms
    QList<QPair<double, double>> bursts;
    qsizetype start = -1, lastLoud = -1;
    for (qsizetype w = 0; w * window < frames; ++w) {
        int peak = 0;
        for (qsizetype f = w * window; f < std::min(frames, (w + 1) * window); ++f)
            peak = std::max(peak, std::abs(int(samples[2 * f])));
        if (peak > 1000) {
            if (start < 0)
                start = w;
            lastLoud = w;
        } else if (start >= 0 && w - lastLoud > 20) {
            bursts.append({start / 100.0, (lastLoud - start + 1) / 100.0});
            start = -1;
        }
    }
    if (start >= 0)
        bursts.append({start / 100.0, (lastLoud - start + 1) / 100.0});
    return bursts;
}

Desktop::Desktop(QSize screen, QSize secondScreen) : m_screen(screen), m_secondScreen(secondScreen)
{
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

Desktop::~Desktop()
{
    if (m_pulse)
        run(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
    for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(3000))
            (*it)->kill();
        (*it)->waitForFinished(3000);
    }
}

QProcess *Desktop::startProcess(const QString &program, const QStringList &args,
                                const QProcessEnvironment &env)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(
        m_runtime.filePath(QFileInfo(program).fileName() + QStringLiteral(".log")));
    process->start(program, args);
    if (!process->waitForStarted(5000))
        return nullptr;
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

bool Desktop::startDisplay(QString *why)
{
    const auto size = [](QSize s) {
        return QStringLiteral("%1x%2x24").arg(s.width()).arg(s.height());
    };
    // Xvfb picks a free display number itself and writes it once it listens,
    // so this desktop never meets a display another check is still leaving.
    QStringList args{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), size(m_screen)};
    if (m_secondScreen.isValid())
        args += {QStringLiteral("-screen"), QStringLiteral("1"), size(m_secondScreen)};
    args += {QStringLiteral("-nolisten"), QStringLiteral("tcp")};
    auto xvfb = std::make_unique<QProcess>();
    xvfb->setStandardErrorFile(m_runtime.filePath(QStringLiteral("Xvfb.log")));
    xvfb->start(QStringLiteral("Xvfb"), args);
    if (!xvfb->waitForStarted(5000)) {
        *why = QStringLiteral("Xvfb cannot be started");
        return false;
    }
    QByteArray number;
    waitUntil(
        [&] {
            xvfb->waitForReadyRead(100);
            number += xvfb->readAllStandardOutput();
            return number.contains('\n') || xvfb->state() != QProcess::Running;
        },
        15000);
    number = number.trimmed();
    m_processes.push_back(std::move(xvfb));
    if (number.isEmpty()) {
        *why = QStringLiteral("Xvfb gave no display number");
        return false;
    }
    m_display = u':' + QString::fromLatin1(number);
    return startWindowManager(0, why) && (!m_secondScreen.isValid() || startWindowManager(1, why));
}

// One jwm per X screen: a window manager manages only the screen it is started on.
bool Desktop::startWindowManager(int screen, QString *why)
{
    QProcessEnvironment env = environment();
    const QString display = m_display + u'.' + QString::number(screen);
    env.insert(QStringLiteral("DISPLAY"), display);
    if (!startProcess(QStringLiteral("jwm"), {}, env)) {
        *why = QStringLiteral("jwm cannot be started");
        return false;
    }
    // The window manager is ready once it has announced itself on the root window.
    const bool managed = waitUntil(
        [&] {
            return run(QStringLiteral("xprop"),
                       {QStringLiteral("-display"), display, QStringLiteral("-root"),
                        QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QLatin1StringView("window id"));
        },
        15000); // jwm can be slow to come up while a sanitizer build loads the machine
    if (!managed) {
        *why = QStringLiteral("jwm does not manage screen %1").arg(display);
        return false;
    }
    return true;
}

bool Desktop::startSound(QString *why)
{
    const QString pa = m_runtime.filePath(QStringLiteral("pa"));
    QDir().mkpath(pa);
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("HOME"), pa);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), pa);
    QProcess daemon;
    daemon.setProcessEnvironment(env);
    daemon.start(
        QStringLiteral("pulseaudio"),
        {QStringLiteral("--daemonize=yes"), QStringLiteral("-n"),
         QStringLiteral("--exit-idle-time=-1"),
         QStringLiteral("--log-target=file:") + m_runtime.filePath(QStringLiteral("pulse.log")),
         QStringLiteral("--load=module-null-sink sink_name=nullsink norewinds=1"),
         QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1"),
         QStringLiteral("--load=module-always-sink")});
    if (!daemon.waitForFinished(10000) || daemon.exitCode() != 0) {
        *why = QStringLiteral("PulseAudio cannot be started");
        return false;
    }
    m_pulse = true;
    const bool up = waitUntil(
        [&] {
            QProcess info;
            info.setProcessEnvironment(environment());
            info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
            return info.waitForFinished(2000) && info.exitCode() == 0;
        },
        5000);
    if (!up) {
        *why = QStringLiteral("PulseAudio does not answer");
        return false;
    }
    m_recordingFile = m_runtime.filePath(QStringLiteral("sink.raw"));
    auto recorder = std::make_unique<QProcess>();
    recorder->setProcessEnvironment(environment());
    recorder->setStandardOutputFile(m_recordingFile);
    recorder->start(QStringLiteral("parec"),
                    {QStringLiteral("-d"), QStringLiteral("nullsink.monitor"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                     QStringLiteral("--channels=2"), QStringLiteral("--raw")});
    if (!recorder->waitForStarted(5000)) {
        *why = QStringLiteral("parec cannot record the sink");
        return false;
    }
    m_processes.push_back(std::move(recorder));
    return true;
}

QProcessEnvironment Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.insert(QStringLiteral("PULSE_COOKIE"), m_runtime.filePath(QStringLiteral("pa/cookie")));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("PULSE_SERVER"));
    return env;
}

QProcess *Desktop::startInstalledProgram(const QString &prefix, const QString &configHome,
                                         QString *why, const QProcessEnvironment &extra)
{
    // The build does not change while a check runs, so a prefix is installed
    // once per test process: each later start in it saves an install.
    static QSet<QString> installed;
    if (!installed.contains(prefix) || !QFile::exists(prefix + QStringLiteral("/bin/corvella"))) {
        QProcess cmake;
        cmake.start(QStringLiteral("cmake"),
                    {QStringLiteral("--install"), QStringLiteral(CORVELLA_BUILD_DIR),
                     QStringLiteral("--prefix"), prefix});
        if (!cmake.waitForFinished(120000) || cmake.exitCode() != 0) {
            *why = QStringLiteral("cmake --install failed");
            return nullptr;
        }
        installed.insert(prefix);
    }
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    // The saved game too stays with the test, never in the real user's folder;
    // and the user's own teams and presets stay out of the test.
    env.insert(QStringLiteral("XDG_STATE_HOME"), configHome + QStringLiteral("/state"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), configHome + QStringLiteral("/data"));
    env.insert(extra);
    QProcess *program = startProcess(prefix + QStringLiteral("/bin/corvella"), {}, env);
    if (!program)
        *why = QStringLiteral("the installed program does not start");
    return program;
}

QString Desktop::run(const QString &program, const QStringList &args, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, args);
    process.waitForFinished(timeoutMs);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString Desktop::waitForWindow(const QString &title, int timeoutMs) const
{
    QString id;
    waitUntil(
        [&] {
            id = run(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), titlePattern(title)})
                     .section(u'\n', 0, 0);
            return !id.isEmpty();
        },
        timeoutMs);
    return id;
}

bool Desktop::hasWindowOn(int screen, const QString &title) const
{
    return !run(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--screen"), QString::number(screen),
                 QStringLiteral("--onlyvisible"), QStringLiteral("--name"), titlePattern(title)})
                .isEmpty();
}

bool Desktop::waitForWindowGone(const QString &title, int timeoutMs) const
{
    return waitUntil(
        [&] {
            return run(QStringLiteral("xdotool"),
                       {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--name"), titlePattern(title)})
                .isEmpty();
        },
        timeoutMs);
}

QRect Desktop::geometry(const QString &windowId) const
{
    // xwininfo, since xdotool counts the frame's offset twice under a
    // reparenting window manager.
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId});
    QRect rect;
    for (const QString &line : info.split(u'\n')) {
        const QString field = line.trimmed();
        const int value = field.section(u':', 1).trimmed().toInt();
        if (field.startsWith(QLatin1StringView("Absolute upper-left X:")))
            rect.moveLeft(value);
        else if (field.startsWith(QLatin1StringView("Absolute upper-left Y:")))
            rect.moveTop(value);
        else if (field.startsWith(QLatin1StringView("Width:")))
            rect.setWidth(value);
        else if (field.startsWith(QLatin1StringView("Height:")))
            rect.setHeight(value);
    }
    return rect;
}

void Desktop::click(QPoint at) const
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
         QStringLiteral("click"), QStringLiteral("1")});
}

void Desktop::key(const QString &keys) const
{
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")};
    args += keys.split(u' ');
    run(QStringLiteral("xdotool"), args);
}

void Desktop::type(const QString &text) const
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("80"), text});
}

QImage Desktop::screenshot(const QString &artefactName, int screen) const
{
    QProcess import;
    import.setProcessEnvironment(environment());
    import.start(QStringLiteral("import"),
                 {QStringLiteral("-display"), m_display + u'.' + QString::number(screen),
                  QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    import.waitForFinished(15000);
    QImage image = QImage::fromData(import.readAllStandardOutput(), "PNG")
                       .convertToFormat(QImage::Format_RGB32);
    const QString file =
        QStringLiteral(CORVELLA_ARTIFACTS "/e2e/") + artefactName + QStringLiteral(".png");
    QDir().mkpath(QFileInfo(file).absolutePath());
    image.save(file);
    return image;
}

QByteArray Desktop::recording() const
{
    QFile file(m_recordingFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QPair<double, double>> Desktop::burstsWhenEnded(qsizetype start, int count,
                                                      int timeoutMs) const
{
    QList<QPair<double, double>> bursts;
    waitUntil(
        [&] {
            const QByteArray raw = recording().mid(start & ~qsizetype(3));
            bursts = soundBursts(raw);
            const double recorded = raw.size() / 4.0 / SampleRate;
            return bursts.size() >= count &&
                   recorded - (bursts.last().first + bursts.last().second) > 1.0;
        },
        timeoutMs);
    return bursts;
}
