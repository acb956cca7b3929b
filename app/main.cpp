#include "settings/appsettings.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    LoadSettings();
    QLabel window(QStringLiteral("Corvella"));
    window.show();
    return QApplication::exec();
}
