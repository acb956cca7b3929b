#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

// Gives the command line's texts their translation context.
class CommandLineText
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

void print(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

QString usage(const QCommandLineParser &parser, const QString &program)
{
    // Without an application object Qt cannot name the executable itself;
    // with one it names it by the whole path it was started with.
    const QString name = QFileInfo(program).fileName();
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), name);
    if (QCoreApplication::instance())
        text.replace(QCoreApplication::arguments().value(0), name);
    return text;
}

} // namespace

std::optional<int> parseCommandLine(const QStringList &arguments, CommandLine &into)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLineText::tr("Corvella: an electronic scoreboard with a game clock, scores and a "
                            "buzzer.\nSee corvella(1) for the keys."));
    // Qt's own single-dash options (-platform xcb, -display :1) keep working.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLineText::tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLineText::tr("Show the version and exit."));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"),
                                        CommandLineText::tr("Open the scoreboard full screen."));
    const QCommandLineOption screen(
        QStringLiteral("screen"),
        CommandLineText::tr("Open the scoreboard on screen <N>, counted from 1 (default: where it "
                            "was last time, else the primary screen)."),
        QStringLiteral("N"));
    const QCommandLineOption exportTo(
        QStringLiteral("export"),
        CommandLineText::tr("Write the current game to <FILE> (.csv, .json or .pdf) and exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption gameLog(
        QStringLiteral("game"), CommandLineText::tr("With --export: the game log <PATH> instead."),
        QStringLiteral("PATH"));
    const QCommandLineOption csvExcel(
        QStringLiteral("csv-excel"),
        CommandLineText::tr("With --export to .csv: separate with semicolons and begin with a "
                            "UTF-8 mark, as spreadsheets in German and other languages with a "
                            "decimal comma open it."));
    const QCommandLineOption stateDir(
        QStringLiteral("state-dir"),
        CommandLineText::tr("Keep the saved game and the game logs in <DIR> (default: "
                            "$XDG_STATE_HOME/Corvella); a second board on one computer needs a "
                            "folder of its own."),
        QStringLiteral("DIR"));
    const QCommandLineOption hall(
        QStringLiteral("hall"),
        CommandLineText::tr("Run the hall: every court from the hall's broker on the web pages "
                            "/hall, /hall/results and /hall.json, in the hall's window (no "
                            "board)."));
    const QCommandLineOption headless(
        QStringLiteral("headless"),
        CommandLineText::tr("With --hall: no window, as a service (also without a display)."));
    const QCommandLineOption joinCode(
        QStringLiteral("print-join-code"),
        CommandLineText::tr("With --hall: print court <COURT>'s join code for the hall's own "
                            "broker, and exit."),
        QStringLiteral("COURT"));
    const QCommandLineOption schedule(
        QStringLiteral("schedule"),
        CommandLineText::tr("With --hall: the day's games from <FILE.csv>; each court's next "
                            "game goes to it when its game reaches the final."),
        QStringLiteral("FILE.csv"));
    const QCommandLineOption port(
        QStringLiteral("port"),
        CommandLineText::tr("With --hall: serve on port <N> instead of the web server's."),
        QStringLiteral("N"));
    const QCommandLineOption accept(
        QStringLiteral("accept"),
        CommandLineText::tr("With --hall, followed by GAME: count the result of court <COURT>'s "
                            "game GAME, which two of its lines disputed, once a person has "
                            "checked it; a running hall counts it too."),
        QStringLiteral("COURT"));
    const QCommandLineOption consoleMonitor(
        QStringLiteral("console-monitor"),
        CommandLineText::tr("Print each change the hall's console sends, and each frame skipped "
                            "with why, until Ctrl+C; no window."));
    parser.addOptions({help, version, fullScreen, screen, exportTo, gameLog, csvExcel, stateDir,
                       hall, headless, schedule, port, accept, joinCode, consoleMonitor});
    for (const char *qtOption : {"platform", "display", "style", "qwindowgeometry"}) {
        QCommandLineOption passed(QString::fromLatin1(qtOption), QString(),
                                  QStringLiteral("value"));
        passed.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(passed);
    }

    const QString program = arguments.value(0, QStringLiteral("corvella"));
    // --accept COURT is followed by its game, the one argument of no option.
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(accept)) {
        if (!parser.isSet(hall) || parser.positionalArguments().size() != 1) {
            print(stderr, CommandLineText::tr("corvella: --accept COURT GAME goes with --hall.\n") +
                              usage(parser, program));
            return 2;
        }
        into.acceptCourt = parser.value(accept);
        into.acceptGame = parser.positionalArguments().first();
    } else if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString reason = parser.errorText().isEmpty()
                                   ? CommandLineText::tr("Unexpected argument '%1'.")
                                         .arg(parser.positionalArguments().value(0))
                                   : parser.errorText();
        print(stderr, QStringLiteral("corvella: ") + reason + u'\n' + usage(parser, program));
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage(parser, program));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("corvella ") + QStringLiteral(CORVELLA_VERSION) + u'\n');
        return 0;
    }
    into.fullScreen = parser.isSet(fullScreen);
    into.exportTo = parser.value(exportTo);
    into.gameLog = parser.value(gameLog);
    into.csvForSpreadsheet = parser.isSet(csvExcel);
    if (parser.isSet(stateDir)) {
        if (parser.value(stateDir).isEmpty()) {
            print(stderr, CommandLineText::tr("corvella: --state-dir needs a folder.\n") +
                              usage(parser, program));
            return 2;
        }
        into.stateDir = QFileInfo(parser.value(stateDir)).absoluteFilePath();
    }
    if (!into.gameLog.isEmpty() && into.exportTo.isEmpty()) {
        print(stderr, CommandLineText::tr("corvella: --game is only for --export.\n") +
                          usage(parser, program));
        return 2;
    }
    if (into.csvForSpreadsheet && into.exportTo.isEmpty()) {
        print(stderr, CommandLineText::tr("corvella: --csv-excel is only for --export.\n") +
                          usage(parser, program));
        return 2;
    }
    into.hall = parser.isSet(hall);
    into.consoleMonitor = parser.isSet(consoleMonitor);
    if (into.hall && !into.exportTo.isEmpty()) {
        print(stderr, CommandLineText::tr("corvella: --hall and --export go separately.\n") +
                          usage(parser, program));
        return 2;
    }
    into.headless = parser.isSet(headless);
    into.joinCodeCourt = parser.value(joinCode);
    if ((into.headless || parser.isSet(joinCode)) && !into.hall) {
        print(stderr, CommandLineText::tr(
                          "corvella: --headless and --print-join-code are only for --hall.\n") +
                          usage(parser, program));
        return 2;
    }
    if (parser.isSet(joinCode) && into.joinCodeCourt.trimmed().isEmpty()) {
        print(stderr, CommandLineText::tr("corvella: --print-join-code needs a court.\n") +
                          usage(parser, program));
        return 2;
    }
    into.schedule = parser.value(schedule);
    if (!into.schedule.isEmpty() && !into.hall) {
        print(stderr, CommandLineText::tr("corvella: --schedule is only for --hall.\n") +
                          usage(parser, program));
        return 2;
    }
    if (parser.isSet(port)) {
        bool ok = false;
        into.port = parser.value(port).toInt(&ok);
        if (!into.hall || !ok || into.port < 1 || into.port > 65535) {
            print(stderr, CommandLineText::tr(
                              "corvella: --port takes a port from 1 to 65535, with --hall.\n") +
                              usage(parser, program));
            return 2;
        }
    }
    if (parser.isSet(screen)) {
        bool ok = false;
        const int number = parser.value(screen).toInt(&ok);
        if (!ok || number < 1) {
            print(stderr, CommandLineText::tr(
                              "corvella: --screen takes a screen number from 1 up, not '%1'.\n")
                                  .arg(parser.value(screen)) +
                              usage(parser, program));
            return 2;
        }
        into.screen = number - 1;
    }
    return std::nullopt;
}

QString missingDisplay()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool windowSystem = platform.isEmpty() || platform.startsWith(QStringLiteral("xcb")) ||
                              platform.startsWith(QStringLiteral("wayland"));
    if (!windowSystem)
        return {}; // offscreen, vnc... need no display
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    return {};
}

QString cannotOpenDisplayMessage()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    QString which;
    if (!display.isEmpty())
        which = QStringLiteral("DISPLAY=") + display;
    if (!wayland.isEmpty())
        which += (which.isEmpty() ? QString() : QStringLiteral(", ")) +
                 QStringLiteral("WAYLAND_DISPLAY=") + wayland;
    if (which.isEmpty())
        which = CommandLineText::tr("neither DISPLAY nor WAYLAND_DISPLAY is set");
    return CommandLineText::tr("corvella: cannot open a display (%1); start it from a desktop "
                               "session.")
        .arg(which);
}
