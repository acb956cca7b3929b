// Saves one of two complete sets of settings, as OK in the options does.
#include "settings/appsettings.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool second = argc > 1 && QByteArray(argv[1]) == "B";
    AppSettings = defaultSettings();
    const qint32 colour = second ? 0x222222 : 0x111111;
    AppSettings.FormColor = AppSettings.LEDTimeColor = AppSettings.LEDScoreColor = colour;
    AppSettings.LEDBackColor = AppSettings.HomeColor = AppSettings.GuestColor =
        AppSettings.TextColor = colour;
    AppSettings.StartStopClockKey = AppSettings.ResetClockKey = AppSettings.BuzzerKey =
        second ? 'B' : 'A';
    const QString text = QString(second ? u'B' : u'A').repeated(second ? 300 : 200);
    AppSettings.BuzzerFile = AppSettings.HomeText = AppSettings.GuestText = text;
    AppSettings.SectionText1 = AppSettings.SectionText2 = text;
    AppSettings.TeamSize = second ? 22 : 11;
    return SaveSettings() ? 0 : 1;
}
