#include "app/commandline.h"
#include "app/corvellaapp.h"
#include "app/export.h"
#include "app/hallwindow.h"
#include "console/consolemonitor.h"
#include "console/consolesource.h"
#include "game/timesource.h"
#include "hall/hallprocess.h"
#include "i18n/language.h"
#include "platform/dialogs.h"
#include "platform/soundloader.h"
#include "settings/appsettings.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends the program with an abort and a paragraph about reinstalling when
// its window system cannot connect. While the application object is being
// made, its messages are held back: a fatal one becomes our own line and
// exit status 1, the others are passed on once the display is open.
QtMessageHandler passOn = nullptr;
struct HeldMessage
{
    QtMsgType type;
    const char *category;
    QString text;
};
QList<HeldMessage> heldBack;

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // A platform asked for with -platform or QT_QPA_PLATFORM that Qt does
        // not have is not a display problem: Qt has said which one it missed.
        QString why = cannotOpenDisplayMessage();
        for (const HeldMessage &held : std::as_const(heldBack))
            if (held.text.contains(QStringLiteral("Could not find the Qt platform plugin")))
                why = QStringLiteral("corvella: ") + held.text.section(u'\n', 0, 0);
        std::fprintf(stderr, "%s\n", qPrintable(why));
        std::_Exit(1);
    }
    heldBack.append({type, context.category, message});
}

void releaseHeldBack()
{
    qInstallMessageHandler(passOn);
    for (const HeldMessage &message : heldBack) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category);
        if (passOn)
            passOn(message.type, context, message.text);
    }
    heldBack.clear();
}

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    CommandLine commandLine;
    // The language is known before anything is said, --help included; the
    // translations go with the application object, so the window's gets them
    // again.
    QString language;
    {
        QCoreApplication early(argc, argv);
        language = startLanguage(loadSettings().Language);
        installTranslations(early, language);
        if (const auto exitStatus = parseCommandLine(argumentList(argc, argv), commandLine))
            return *exitStatus;
        if (commandLine.consoleMonitor)
            return runConsoleMonitor(ConsoleSource::configOf(loadSettings()));
        if (commandLine.exportTo.isEmpty() && !commandLine.hall && !missingDisplay().isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(cannotOpenDisplayMessage()));
            return 1;
        }
    }
    if (!commandLine.exportTo.isEmpty()) {
        // No window: a PDF needs fonts, not a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        installTranslations(app, language);
        // Reads the logs without taking the game's folder from a running board.
        const QString logs = commandLine.stateDir.isEmpty()
                                 ? GameLog::defaultFolder()
                                 : commandLine.stateDir + QStringLiteral("/games");
        return runExport(commandLine.exportTo, commandLine.gameLog, logs,
                         commandLine.csvForSpreadsheet ? CsvStyle::Spreadsheet : CsvStyle::Rfc4180);
    }

    HallOptions hall;
    hall.stateFolder =
        commandLine.stateDir.isEmpty() ? GameStateFile::defaultFolder() : commandLine.stateDir;
    hall.port = commandLine.port;
    hall.scheduleFile = commandLine.schedule;
    hall.acceptCourt = commandLine.acceptCourt;
    hall.acceptGame = commandLine.acceptGame;
    hall.joinCodeCourt = commandLine.joinCodeCourt;
    const bool hallAsService = commandLine.headless || !commandLine.acceptCourt.isEmpty() ||
                               !commandLine.joinCodeCourt.isEmpty() || !missingDisplay().isEmpty();
    if (commandLine.hall && hallAsService) {
        // No window; the printed results need fonts.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        installTranslations(app, language);
        return runHall(hall);
    }

    passOn = qInstallMessageHandler(holdBack);
    QApplication app(argc, argv);
    releaseHeldBack();
    installTranslations(app, language);
    QApplication::setApplicationName(QStringLiteral("Corvella"));
    QApplication::setApplicationVersion(QStringLiteral(CORVELLA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(CORVELLA_APP_ID));

    if (commandLine.hall)
        return runHallWindow(hall);

    MonotonicTimeSource time;
    QtDialogs dialogs;
    CorvellaApp corvella({&time, &dialogs, makeProgramSoundDevice},
                         commandLine.stateDir.isEmpty() ? GameStateFile::defaultFolder()
                                                        : commandLine.stateDir);
    corvella.placement().requestFullScreen(commandLine.fullScreen);
    corvella.placement().requestScreen(commandLine.screen);
    corvella.start();
    return QApplication::exec();
}
