// Saves one of two complete sets of settings, as OK in the options does.
#include "settings/appsettings.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool second = argc > 1 && QByteArray(argv[1]) == "B";
    Settings settings = defaultSettings();
    const qint32 colour = second ? 0x222222 : 0x111111;
    settings.FormColor = settings.LEDTimeColor = settings.LEDScoreColor = colour;
    settings.LEDBackColor = settings.HomeColor = settings.GuestColor = settings.TextColor = colour;
    settings.StartStopClockKey = settings.ResetClockKey = settings.BuzzerKey = second ? 'B' : 'A';
    const QString text = QString(second ? u'B' : u'A').repeated(second ? 300 : 200);
    settings.BuzzerFile = settings.HomeText = settings.GuestText = text;
    settings.SectionText1 = settings.SectionText2 = text;
    settings.TeamSize = second ? 22 : 11;
    return saveSettings(settings) ? 0 : 1;
}
