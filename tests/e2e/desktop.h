#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

// Non-silent stretches of a recording (44.1 kHz stereo 16-bit), as (start,
// length) in seconds; 200 ms of quiet ends a stretch.
QList<QPair<double, double>> soundBursts(const QByteArray &raw);

// A private desktop for end-to-end checks: an X server (Xvfb) with a window
// manager (jwm) and a private PulseAudio with a null sink whose output is
// recorded. Every process it starts is stopped again by its PID. With a
// second size it runs two X screens (:N.0 and :N.1), each with its own jwm,
// which Qt sees as two screens.
class Desktop
{
public:
    explicit Desktop(QSize screen, QSize secondScreen = {});
    ~Desktop();

    bool startDisplay(QString *why);
    bool startSound(QString *why);

    // The environment for a program on this desktop.
    QProcessEnvironment environment() const;

    // Installs the build into `prefix` (the first time this process asks for
    // that prefix) and starts the installed program with its settings in
    // `configHome`; the desktop stops it with everything else.
    QProcess *startInstalledProgram(const QString &prefix, const QString &configHome, QString *why,
                                    const QProcessEnvironment &extra = {});

    // A TCP port on 127.0.0.1 that nothing listens on now, or 0.
    static quint16 freeLocalPort();

    // Polls the condition every 50 ms until it holds or the time is up.
    static bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

    QString run(const QString &program, const QStringList &args, int timeoutMs = 10000) const;
    // The id of the visible window with exactly this title, waiting for it.
    QString waitForWindow(const QString &title, int timeoutMs = 10000) const;
    // Whether a visible window with exactly this title is on X screen `screen`.
    bool hasWindowOn(int screen, const QString &title) const;
    bool waitForWindowGone(const QString &title, int timeoutMs = 10000) const;
    // The window's client area in screen coordinates.
    QRect geometry(const QString &windowId) const;
    // Input goes out at once; callers wait for what it should cause.
    void click(QPoint at) const;
    void key(const QString &keys) const;
    void type(const QString &text) const;
    QImage screenshot(const QString &artefactName, int screen = 0) const;

    // Recorded sound, 44.1 kHz stereo 16-bit, as far as it has been written.
    QByteArray recording() const;
    // The bursts recorded since byte `start` once `count` of them have ended
    // and a second of quiet has followed the last, or whatever there is when
    // the time is up.
    QList<QPair<double, double>> burstsWhenEnded(qsizetype start, int count,
                                                 int timeoutMs = 10000) const;
    static constexpr int SampleRate = 44100;

private:
    QProcess *startProcess(const QString &program, const QStringList &args,
                           const QProcessEnvironment &env);

    bool startWindowManager(int screen, QString *why);

    QSize m_screen;
    QSize m_secondScreen;
    QString m_display;
    QTemporaryDir m_runtime;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QString m_recordingFile;
    bool m_pulse = false;
};
