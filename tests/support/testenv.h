#pragma once

#include <QApplication>
#include <QSignalSpy>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// How many times a check repeats a random or racing step: all of them in the
// release build, a quarter under the sanitizers, where each step costs several
// times as much and a quarter still reaches every kind of step many times.
constexpr int turns(int releaseTurns)
{
#ifdef __SANITIZE_ADDRESS__
    return releaseTurns / 4;
#else
    return releaseTurns;
#endif
}

// A private per-user settings store and runtime folder for one test process,
// set up before the application object exists so that nothing can touch the
// real user's settings.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    static QString storeFile();
    static void clearStore();
    // Puts a file where the settings folder belongs, so that not even root
    // can write the store, until unblockStore().
    static bool blockStore();
    static void unblockStore();

private:
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
};

#define CORVELLA_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestEnvironment environment;                                                               \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
