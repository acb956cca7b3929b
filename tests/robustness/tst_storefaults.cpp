// The settings store under faults: a full disk, a lock held by another copy
// of the program, a huge file, a FIFO or huge captions in place of the
// settings. Nothing is lost, every failure is reported, and the board's clock
// keeps ticking through every save.
#include "app/startscreen.h"
#include "options/optionsdialog.h"
#include "platform/soundloader.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "settings/settingsstore.h"
#include "tests/support/fakes.h"
#include "tests/support/testboard.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>

#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

QByteArray storedBytes()
{
    QFile file(TestEnvironment::storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
    QFile file(TestEnvironment::storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(contents), contents.size());
}

// Counts the ticks of a 40 ms timer, finer than the board's clock, which
// wakes at each new tenth, and the longest time between two of them. A save
// that froze the event loop would leave a gap as long as the save (2 s for a
// held lock); a loaded machine under the sanitizers leaves a few hundred ms
// now and then.
class ClockWatch : public QObject
{
public:
    ClockWatch()
    {
        m_sinceTick.start();
        connect(&m_timer, &QTimer::timeout, this, [this] {
            longestGapMs = std::max(longestGapMs, m_sinceTick.restart());
            ++ticks;
        });
        m_timer.start(40);
    }
    int ticks = 0;
    qint64 longestGapMs = 0;

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
};

Settings named(const QString &home)
{
    Settings s = defaultSettings();
    s.HomeText = home;
    s.GuestColor = 0x010203;
    return s;
}

} // namespace

class TestStoreFaults : public QObject
{
    Q_OBJECT

    Settings settings;

    QString mounted;

private slots:
    void init()
    {
        QDir(QFileInfo(TestEnvironment::storeFile()).path()).removeRecursively();
        QFile::remove(TestEnvironment::storeFile());
    }

    void cleanup()
    {
        if (!mounted.isEmpty())
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), mounted});
        mounted.clear();
    }

    void aFullDiskLeavesTheOldFileAndTheSaveSaysSo()
    {
        const QString folder = QFileInfo(TestEnvironment::storeFile()).path();
        QVERIFY(QDir().mkpath(folder));
        QProcess mount;
        mount.start(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("size=64k"), QStringLiteral("corvella-test"), folder});
        if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
            QSKIP("a small tmpfs cannot be mounted here (root and mount rights are needed): "
                  "the disk-full case is not checked");
        mounted = folder;

        QVERIFY(saveSettings(named(QStringLiteral("Lions"))));
        const QByteArray before = storedBytes();
        // Leave one page: room for the lock, none for the new contents.
        struct statvfs fs;
        QCOMPARE(::statvfs(QFile::encodeName(folder).constData(), &fs), 0);
        const qint64 free = qint64(fs.f_bavail) * qint64(fs.f_frsize);
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        QCOMPARE(filler.write(QByteArray(free - 4096, 'f')), free - 4096);
        filler.close();

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("No space left on device")));
        QVERIFY(!saveSettings(named(QStringLiteral("Tigers"))));
        QCOMPARE(storedBytes(), before);
        QCOMPARE(loadSettings().HomeText, QStringLiteral("Lions"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("Corvella.conf"), QStringLiteral("filler")}));

        // With room again the same save goes through.
        QVERIFY(filler.remove());
        QVERIFY(saveSettings(named(QStringLiteral("Tigers"))));
        QCOMPARE(loadSettings(), named(QStringLiteral("Tigers")));
    }

    void aHeldLockFailsTheSaveInAboutTwoSecondsWhileTheClockTicks()
    {
        QVERIFY(saveSettings(named(QStringLiteral("Lions"))));
        const QByteArray before = storedBytes();
        QProcess locker;
        locker.start(QStringLiteral(CORVELLA_LOCKER),
                     {TestEnvironment::storeFile() + QStringLiteral(".lock")});
        QVERIFY(locker.waitForReadyRead(10000));
        QCOMPARE(locker.readLine().trimmed(), QByteArray("locked"));

        ClockWatch clock;
        QElapsedTimer took;
        took.start();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("holds its lock")));
        const bool saved = saveSettings(named(QStringLiteral("Tigers")));
        const qint64 ms = took.elapsed();
        locker.closeWriteChannel();
        QVERIFY(locker.waitForFinished(10000));

        QVERIFY(!saved);
        QVERIFY2(ms >= 1900 && ms < 6000, qPrintable(QString::number(ms)));
        QVERIFY2(clock.longestGapMs < 1000, qPrintable(QString::number(clock.longestGapMs)));
        QVERIFY(clock.ticks >= 30);
        QCOMPARE(storedBytes(), before);
        // Once the other copy is done, saving works again.
        QVERIFY(saveSettings(named(QStringLiteral("Tigers"))));
    }

    void aHugeFileSavesWhileTheClockTicks()
    {
        const QByteArray big(8 * 1024 * 1024, 'x');
        writeRaw("[Other]\nbig=" + big + "\n[TextSettings]\nGuestText=Bears\n");
        ClockWatch clock;
        QElapsedTimer took;
        took.start();
        QVERIFY(saveSettings(named(QStringLiteral("Lions"))));
        qInfo("saving over an 8 MB file took %lld ms; longest clock gap %lld ms", took.elapsed(),
              clock.longestGapMs);
        QVERIFY2(clock.longestGapMs < 1000, qPrintable(QString::number(clock.longestGapMs)));
        const QSettings check(TestEnvironment::storeFile(), QSettings::IniFormat);
        QCOMPARE(check.value(QStringLiteral("Other/big")).toByteArray().size(), big.size());
        QCOMPARE(loadSettings().HomeText, QStringLiteral("Lions"));
    }

    void theStartScreenComesUpOverAFifo()
    {
        QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
        QVERIFY(::mkfifo(QFile::encodeName(TestEnvironment::storeFile()).constData(), 0600) == 0);
        ScriptedDialogs dialogs;
        QElapsedTimer took;
        took.start();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("not a regular file")));
        settings = loadSettings(); // as the program does once at start
        QVERIFY(took.elapsed() < 2000);
        QCOMPARE(settings, defaultSettings());
    }

    void okOverADamagedFileKeepsItsKeysAndReportsNoFailure()
    {
        writeRaw("[ColorSettings]\nFormColor=11\n\x01\x02 junk\n[Notes\nline=1\n"
                 "[TextSettings]\nHomeText=Lions\n\xff\xfe\n");
        ScriptedDialogs dialogs;
        settings = loadSettings(); // as the program does once at start
        QCOMPARE(settings.FormColor, 11);
        QCOMPARE(settings.HomeText, QStringLiteral("Lions"));
        OptionsDialog options(settings, dialogs, makeSilentSoundDevice);
        QTest::mouseClick(options.findChild<QPushButton *>(QStringLiteral("cmdOk")),
                          Qt::LeftButton);
        QCOMPARE(dialogs.warnings, QStringList());
        const Settings reloaded = loadSettings();
        QCOMPARE(reloaded.FormColor, 11);
        QCOMPARE(reloaded.HomeText, QStringLiteral("Lions"));
        QCOMPARE(QSettings(TestEnvironment::storeFile(), QSettings::IniFormat)
                     .value(QStringLiteral("Notes/line"))
                     .toString(),
                 QStringLiteral("1"));
    }

    void hugeCaptionsOpenTheBoardAtOnce()
    {
        const QByteArray caption(5 * 1024 * 1024, 'c');
        writeRaw("[TextSettings]\nHomeText=" + caption + "\nGuestText=" + caption +
                 "\nSectionText1=" + caption + "\nSectionText2=" + caption + '\n');
        ScriptedDialogs dialogs;
        settings = loadSettings(); // as the program does once at start
        QCOMPARE(settings.HomeText, QString(20, u'c'));
        QCOMPARE(settings.SectionText2, QString(18, u'c'));
        FakeServices services;
        QElapsedTimer took;
        took.start();
        TestBoard made(services, settings);
        ScoreBoardWindow &board = made.window;
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
    }
};

CORVELLA_TEST_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
