#include "app/corvellaapp.h"
#include "platform/dialogs.h"
#include "platform/soundloader.h"
#include "platform/timesource.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvella"));
    QApplication::setApplicationVersion(QStringLiteral(CORVELLA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.corvella.Corvella"));

    MonotonicTimeSource time;
    QtDialogs dialogs;
    CorvellaApp corvella({&time, &dialogs, makeProgramSoundDevice});
    corvella.start();
    return QApplication::exec();
}
