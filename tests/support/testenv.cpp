#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString configHome;
}

TestEnvironment::TestEnvironment()
{
    configHome = m_config.path();
    qputenv("XDG_CONFIG_HOME", configHome.toLocal8Bit());
    // Saved games go beside the settings, never into the real user's folder.
    qputenv("XDG_STATE_HOME", (configHome + QStringLiteral("/state")).toLocal8Bit());
    // A runtime folder given by the test run may hold its private sound server.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }
}

TestEnvironment::~TestEnvironment()
{
    configHome.clear();
}

QString TestEnvironment::storeFile()
{
    return configHome + QStringLiteral("/Corvella/Corvella.conf");
}

void TestEnvironment::clearStore()
{
    QFile::remove(storeFile());
}

bool TestEnvironment::blockStore()
{
    const QString folder = QFileInfo(storeFile()).path();
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    return blocker.open(QIODevice::WriteOnly);
}

void TestEnvironment::unblockStore()
{
    QFile::remove(QFileInfo(storeFile()).path());
}
