#include "settings/appsettings.h"
#include "settings/settingsstore.h"
#include "tests/support/testenv.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>

#include <sys/stat.h>

namespace {

// Three of the program's keys, with values that tell them apart.
const QByteArray goodKeys = "[ColorSettings]\nFormColor=11\n[KeySettings]\nBuzzerKey=66\n"
                            "[TextSettings]\nHomeText=Lions\n";

void writeRaw(const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
    QFile file(TestEnvironment::storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();
    // Qt caches a file by size and time; a fresh time makes it read again.
    static int edits = 0;
    QFile touched(TestEnvironment::storeFile());
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(++edits),
                                QFileDevice::FileModificationTime));
}

QByteArray storedBytes()
{
    QFile file(TestEnvironment::storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void makeFifoAtStore()
{
    QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
    QVERIFY(::mkfifo(QFile::encodeName(TestEnvironment::storeFile()).constData(), 0600) == 0);
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QFile::remove(TestEnvironment::storeFile());
        QDir(TestEnvironment::storeFile()).removeRecursively();
    }

    void thePathIsWhereQtKeepsTheStore()
    {
        const QSettings qt(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Corvella"), QStringLiteral("Corvella"));
        QCOMPARE(SettingsStore::filePath(), qt.fileName());
        QCOMPARE(SettingsStore::filePath(), TestEnvironment::storeFile());
    }

    void writeKeepsEveryKeyItIsNotGiven()
    {
        writeRaw("[Window]\ngeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb)\nmaximized=true\n" + goodKeys +
                 "[Other]\nlist=a, b, c\n");
        QVERIFY(SettingsStore::write(
            {{QStringLiteral("TextSettings/HomeText"), QStringLiteral("Tigers")},
             {QStringLiteral("TextSettings/GuestText"), QStringLiteral("Bears")}}));
        QSettings check(TestEnvironment::storeFile(), QSettings::IniFormat);
        QCOMPARE(check.value(QStringLiteral("Window/geometry")).toByteArray(),
                 QByteArray("\x01\xd9\xd0\xcb"));
        QCOMPARE(check.value(QStringLiteral("Window/maximized")).toString(),
                 QStringLiteral("true"));
        QCOMPARE(check.value(QStringLiteral("Other/list")).toStringList(),
                 QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
        QCOMPARE(check.value(QStringLiteral("ColorSettings/FormColor")).toString(),
                 QStringLiteral("11"));
        QCOMPARE(check.value(QStringLiteral("TextSettings/HomeText")).toString(),
                 QStringLiteral("Tigers"));
        QCOMPARE(check.value(QStringLiteral("TextSettings/GuestText")).toString(),
                 QStringLiteral("Bears"));
        QVERIFY(!QFile::exists(TestEnvironment::storeFile() + QStringLiteral(".lock")));
        // It may hold the API's token: nobody else reads it.
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ReadOther | QFileDevice::WriteOther;
        QVERIFY(!(QFile::permissions(TestEnvironment::storeFile()) & others));
    }

    void damagedLinesLoseOnlyThemselves_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("unclosed group at the end") << goodKeys + "[Notes\n";
        QTest::newRow("unclosed group first") << "[Notes\nx=1\n" + goodKeys;
        QTest::newRow("binary junk line")
            << goodKeys + QByteArray("\x89PNG\r\n\x1a\n\x00\x01\xff\xfe", 12);
        QTest::newRow("junk between groups") << QByteArray(
            "[ColorSettings]\nFormColor=11\n\x01\x02\x03 no equals sign\n"
            "[KeySettings]\nBuzzerKey=66\n\xff\xfe\xfd\n[TextSettings]\nHomeText=Lions\n");
        QTest::newRow("invalid UTF-8 in another key") << goodKeys + "[Other]\nx=\xc3\x28\xa0\xa1\n";
        QTest::newRow("a line of 100000 bytes") << QByteArray(100000, '#') + '\n' + goodKeys;
    }

    void damagedLinesLoseOnlyThemselves()
    {
        QFETCH(QByteArray, contents);
        writeRaw(contents);
        const Settings loaded = loadSettings();
        QCOMPARE(loaded.FormColor, 11);
        QCOMPARE(loaded.BuzzerKey, qint16(66));
        QCOMPARE(loaded.HomeText, QStringLiteral("Lions"));
        QCOMPARE(loaded.GuestText, QStringLiteral("Guest"));
    }

    void aSaveOverADamagedFileSucceedsAndKeepsItsKeys()
    {
        writeRaw(goodKeys + "[Notes\n");
        Settings s = loadSettings();
        s.GuestText = QStringLiteral("Bears");
        QVERIFY(saveSettings(s));
        const Settings reloaded = loadSettings();
        QCOMPARE(reloaded, s);
        QCOMPARE(reloaded.HomeText, QStringLiteral("Lions"));
    }

    void aFifoAtTheStoreLoadsDefaultsAtOnce()
    {
        makeFifoAtStore();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("not a regular file")));
        QElapsedTimer took;
        took.start();
        const Settings loaded = loadSettings();
        QVERIFY(took.elapsed() < 1000);
        QCOMPARE(loaded, defaultSettings());
    }

    void aFifoAtTheStoreIsNotReplacedAndTheSaveFails()
    {
        makeFifoAtStore();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("not a regular file")));
        QVERIFY(!saveSettings(defaultSettings()));
        QFileInfo info(TestEnvironment::storeFile());
        QVERIFY(!info.isFile() && info.exists());
    }

    void aFolderAtTheStoreLoadsDefaults()
    {
        QVERIFY(QDir().mkpath(TestEnvironment::storeFile()));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("not a regular file")));
        QCOMPARE(loadSettings(), defaultSettings());
    }

    void aSaveWritesACompleteFileInOneStep()
    {
        Settings s = defaultSettings();
        s.HomeText = QStringLiteral("Lions");
        QVERIFY(saveSettings(s));
        // Nothing is left beside the file: no scratch copy, no lock.
        const QStringList entries =
            QFileInfo(TestEnvironment::storeFile()).dir().entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(entries, QStringList{QStringLiteral("Corvella.conf")});
        QVERIFY(storedBytes().contains("HomeText=Lions\n"));
        QCOMPARE(loadSettings(), s);
    }
};

CORVELLA_TEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
