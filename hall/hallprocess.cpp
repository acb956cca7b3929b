#include "hall/hallprocess.h"

#include "hall/hallfeed.h"
#include "hall/hallserver.h"
#include "hall/hallservicesettings.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {

// Gives the hall's messages their translation context.
class HallText
{
    Q_DECLARE_TR_FUNCTIONS(Hall)
};

void complain(const QString &text)
{
    std::fprintf(stderr, "corvella: %s\n", qPrintable(text));
    std::fflush(stderr);
}

int acceptResult(const HallOptions &options, const HallServiceSettings &settings)
{
    QString why;
    const std::optional<QJsonArray> scores =
        HallFeed::accept(HallFeed::folderFor(options.stateFolder, settings.venue),
                         options.acceptCourt, options.acceptGame, &why);
    if (!scores) {
        complain(why);
        return 1;
    }
    std::printf("%s\n", qPrintable(QStringLiteral("court %1, game %2: %3 : %4 accepted")
                                       .arg(options.acceptCourt, options.acceptGame)
                                       .arg(scores->at(0).toInt())
                                       .arg(scores->at(1).toInt())));
    std::fflush(stdout);
    return 0;
}

int printJoinCode(const HallOptions &options, const HallServiceSettings &settings)
{
    QString why;
    const std::optional<JoinCode> code = HallServer::joinCodeFor(
        settings, {options.stateFolder, options.port}, options.joinCodeCourt, &why);
    if (!code) {
        complain(why);
        return 2;
    }
    std::printf("%s\n", qPrintable(code->text()));
    std::fflush(stdout);
    return 0;
}

// SIGTERM (systemd's stop) and SIGINT end the event loop, so that the
// hall's broker is stopped and the pages' clients are told.
int quitPipe[2] = {-1, -1};

void onQuitSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(quitPipe[1], &byte, 1);
}

void quitOnSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, quitPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

} // namespace

std::optional<int> runHallCommand(const HallOptions &options)
{
    const HallServiceSettings settings = HallServiceSettings::load();
    if (!options.acceptCourt.isEmpty())
        return acceptResult(options, settings);
    if (!options.joinCodeCourt.isEmpty())
        return printJoinCode(options, settings);
    return std::nullopt;
}

int runHall(const HallOptions &options)
{
    if (const std::optional<int> status = runHallCommand(options))
        return *status;
    HallServer hall(HallServiceSettings::load(), {options.stateFolder, options.port});
    QObject::connect(&hall, &HallServer::told, &hall, complain);
    // Queued: a broker that cannot start says so before the event loop runs.
    QObject::connect(
        &hall, &HallServer::brokerFailed, &hall,
        [](const QString &why) {
            complain(why);
            QCoreApplication::exit(2);
        },
        Qt::QueuedConnection);
    QString why;
    if (!options.scheduleFile.isEmpty() && !hall.loadSchedule(options.scheduleFile, &why)) {
        complain(why);
        return 2;
    }
    switch (hall.start(&why)) {
    case HallServer::Start::Serving:
        break;
    case HallServer::Start::BrokerRefused:
        complain(why);
        return 2;
    case HallServer::Start::PagesRefused:
        complain(why);
        return 1;
    }
    complain(
        HallText::tr(
            "the hall's pages are on port %1: /hall, /hall/results, /hall/schedule, /hall.json")
            .arg(hall.webPort()));
    quitOnSignals();
    return QCoreApplication::exec();
}
