// The yardstick: the smallest Qt Widgets program, one window with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Minimal"));
    label.setWindowTitle(QStringLiteral("Minimal"));
    label.show();
    return QApplication::exec();
}
