// Holds the settings store's lock, as another copy of the program in the
// middle of a save would, until its input closes (or a minute has passed).
#include <QCoreApplication>
#include <QLockFile>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QLockFile lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.tryLock(5000))
        return 1;
    std::puts("locked");
    std::fflush(stdout);
    ::alarm(60);
    char buffer[64];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
    }
    return 0;
}
