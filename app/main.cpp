#include "platform/dialogs.h"
#include "platform/qtsounddevice.h"
#include "platform/services.h"
#include "platform/timesource.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/appsettings.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MonotonicTimeSource time;
    QtDialogs dialogs;
    const Services services{&time, &dialogs,
                            [](QObject *parent) { return new QtSoundDevice(parent); }};

    LoadSettings();
    auto board = std::make_unique<frmScoreBoard>(services);
    board->show();
    return QApplication::exec();
}
