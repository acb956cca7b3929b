#include "settings/appsettings.h"
#include "settings/commandkeys.h"
#include "tests/support/testenv.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestAppSettings : public QObject
{
    Q_OBJECT

    Settings settings;

private:
    static void writeRaw(const QByteArray &ini)
    {
        QDir().mkpath(QFileInfo(TestEnvironment::storeFile()).path());
        QFile file(TestEnvironment::storeFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(ini);
        file.flush();
        // The store caches a file by size and time; a fresh time makes it read again.
        static int edits = 0;
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(++edits),
                                 QFileDevice::FileModificationTime));
    }

    static Settings unusualSettings()
    {
        Settings s;
        s.Periods = 3;
        s.BreakLengths = QStringLiteral("1.30, 0.45");
        s.OvertimeLength = QStringLiteral("4.00");
        s.NextPeriodKey = 'N';
        s.PreviousPeriodKey = 'P';
        s.SkipBreakKey = 'K';
        s.NewGameKey = 'G';
        s.HomeTimeoutKey = 'H';
        s.GuestTimeoutKey = 'J';
        s.TimeoutsPerHalf = QStringLiteral("2, 3");
        s.Section2Role = QStringLiteral("fouls");
        s.ScoreDigits = 3;
        s.FormColor = 0x123456;
        s.LEDTimeColor = 1;
        s.LEDScoreColor = 0xFFFFFF;
        s.LEDBackColor = -5;
        s.HomeColor = 2147483647;
        s.GuestColor = -2147483647 - 1;
        s.TextColor = 0;
        s.StartStopClockKey = 1;
        s.ResetClockKey = 255;
        s.BuzzerKey = 32;
        s.BuzzerFile = QStringLiteral("C:\\sounds\\horn ; #1.wav");
        s.HomeText = QStringLiteral("  Lions, Tiger = A  ");
        s.GuestText = QStringLiteral("Åsa Čech ñ ü 東京");
        s.SectionText1 = QStringLiteral("@Variant(x) #;=\\\"");
        // The longest caption that loads back whole.
        s.SectionText2 = QString(18, u'x');
        s.TeamSize = -3;
        return s;
    }

private slots:
    void init() { TestEnvironment::clearStore(); }

    void emptyStoreLoadsExactlyTheDefaults()
    {
        settings = unusualSettings();
        settings = loadSettings();
        QCOMPARE(settings.FormColor, 16711680);
        QCOMPARE(settings.LEDTimeColor, 255);
        QCOMPARE(settings.LEDScoreColor, 33023);
        QCOMPARE(settings.LEDBackColor, 0);
        QCOMPARE(settings.HomeColor, 16777215);
        QCOMPARE(settings.GuestColor, 16777215);
        QCOMPARE(settings.TextColor, 16777215);
        QCOMPARE(settings.StartStopClockKey, qint16(115));
        QCOMPARE(settings.ResetClockKey, qint16(114));
        QCOMPARE(settings.BuzzerKey, qint16(98));
        QCOMPARE(settings.BuzzerFile,
                 QCoreApplication::applicationDirPath() + QStringLiteral("/buzzer.wav"));
        QCOMPARE(settings.HomeText, QStringLiteral("Home"));
        QCOMPARE(settings.GuestText, QStringLiteral("Guest"));
        QCOMPARE(settings.SectionText1, QStringLiteral("Section 1"));
        QCOMPARE(settings.SectionText2, QStringLiteral("Section 2"));
        QCOMPARE(settings.TeamSize, qint16(24));
        QVERIFY(!QFile::exists(TestEnvironment::storeFile()));
    }

    void emptyTextLoadsEmptyNotDefault()
    {
        writeRaw("[TextSettings]\nHomeText=\n[KeySettings]\nBuzzerFile=\n");
        settings = loadSettings();
        QCOMPARE(settings.HomeText, QString());
        QCOMPARE(settings.BuzzerFile, QString());
        QCOMPARE(settings.GuestText, QStringLiteral("Guest"));
    }

    void everyFieldRoundTrips()
    {
        const Settings saved = unusualSettings();
        settings = saved;
        QVERIFY(saveSettings(settings));
        settings = Settings{};
        settings = loadSettings();
        QCOMPARE(settings.BuzzerFile, saved.BuzzerFile);
        QCOMPARE(settings.HomeText, saved.HomeText);
        QCOMPARE(settings.GuestText, saved.GuestText);
        QCOMPARE(settings.SectionText1, saved.SectionText1);
        QCOMPARE(settings.SectionText2, saved.SectionText2);
        QVERIFY(settings == saved);
    }

    void numbersAreStoredAsDecimalText()
    {
        settings = defaultSettings();
        settings.GuestColor = -7;
        QVERIFY(saveSettings(settings));
        QFile file(TestEnvironment::storeFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        for (const char *line :
             {"FormColor=16711680", "LEDScoreColor=33023", "StartStopClockKey=115",
              "ResetClockKey=114", "BuzzerKey=98", "TeamSize=24", "GuestColor=-7",
              "[ColorSettings]", "[KeySettings]", "[TextSettings]"}) {
            QVERIFY2(content.contains(line), line);
        }
    }

    void handEditedGarbageLoadsDefaultsForThoseFieldsOnly_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("letters in a colour")
            << QByteArray("[ColorSettings]\nFormColor=blue\nTextColor=7\n");
        QTest::newRow("2^40 for a colour")
            << QByteArray("[ColorSettings]\nFormColor=1099511627776\nTextColor=7\n");
        QTest::newRow("hex prefix") << QByteArray("[ColorSettings]\nFormColor=0xFF\nTextColor=7\n");
        QTest::newRow("decimal point")
            << QByteArray("[ColorSettings]\nFormColor=1.5\nTextColor=7\n");
        QTest::newRow("blanks round a number are fine")
            << QByteArray("[ColorSettings]\nFormColor=\" 16711680 \"\nTextColor=\" 7\"\n");
    }

    void handEditedGarbageLoadsDefaultsForThoseFieldsOnly()
    {
        QFETCH(QByteArray, ini);
        writeRaw(ini);
        settings = loadSettings();
        QCOMPARE(settings.FormColor, 16711680);
        QCOMPARE(settings.TextColor, 7);
    }

    void keyCodesOutsideTheCharacterRangeLoadDefaults_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("99999") << QByteArray("99999") << 115;
        QTest::newRow("256") << QByteArray("256") << 115;
        QTest::newRow("0") << QByteArray("0") << 115;
        QTest::newRow("-1") << QByteArray("-1") << 115;
        QTest::newRow("letters") << QByteArray("s") << 115;
        QTest::newRow("1") << QByteArray("1") << 1;
        QTest::newRow("255") << QByteArray("255") << 255;
    }

    void keyCodesOutsideTheCharacterRangeLoadDefaults()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        writeRaw("[KeySettings]\nStartStopClockKey=" + stored + "\nResetClockKey=120\n");
        settings = loadSettings();
        QCOMPARE(int(settings.StartStopClockKey), expected);
        QCOMPARE(settings.ResetClockKey, qint16(120));
    }

    void teamSizeBeyondSixteenBitsLoadsDefault()
    {
        writeRaw("[TextSettings]\nTeamSize=40000\n");
        settings = loadSettings();
        QCOMPARE(settings.TeamSize, qint16(24));
    }

    void unquotedCommasInAHandEditedCaptionStayText()
    {
        writeRaw("[TextSettings]\nHomeText=Lions, Tigers\n");
        settings = loadSettings();
        QCOMPARE(settings.HomeText, QStringLiteral("Lions, Tigers"));
    }

    void longCaptionsLoadCutToWhatTheOptionsAllow_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("loaded");
        const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
        QTest::newRow("home, 26") << QByteArray("HomeText") << letters << letters.left(20);
        QTest::newRow("home, 20") << QByteArray("HomeText") << letters.left(20) << letters.left(20);
        QTest::newRow("guest, 21")
            << QByteArray("GuestText") << letters.left(21) << letters.left(20);
        QTest::newRow("section 1, 19")
            << QByteArray("SectionText1") << letters.left(19) << letters.left(18);
        QTest::newRow("section 2, 18")
            << QByteArray("SectionText2") << letters.left(18) << letters.left(18);
        QTest::newRow("section 2, 1 MB")
            << QByteArray("SectionText2") << QString(1 << 20, u'q') << QString(18, u'q');
        // A character outside the first plane is never cut in half.
        const QString clef = QStringLiteral("\U0001D11E");
        QTest::newRow("home, pair across the limit")
            << QByteArray("HomeText") << QString(19, u'a') + clef << QString(19, u'a');
    }

    void longCaptionsLoadCutToWhatTheOptionsAllow()
    {
        QFETCH(QByteArray, key);
        QFETCH(QString, stored);
        QFETCH(QString, loaded);
        writeRaw("[TextSettings]\n" + key + '=' + stored.toUtf8() + "\nTeamSize=30\n");
        settings = loadSettings();
        const QString Settings::*field = key == "HomeText"       ? &Settings::HomeText
                                         : key == "GuestText"    ? &Settings::GuestText
                                         : key == "SectionText1" ? &Settings::SectionText1
                                                                 : &Settings::SectionText2;
        QCOMPARE(settings.*field, loaded);
        QCOMPARE(settings.TeamSize, qint16(30));
    }

    void theBuzzerFileIsNotCut()
    {
        const QString path = QStringLiteral("/") + QString(300, u'p') + QStringLiteral(".wav");
        writeRaw("[KeySettings]\nBuzzerFile=" + path.toUtf8() + '\n');
        settings = loadSettings();
        QCOMPARE(settings.BuzzerFile, path);
    }

    // A key of the store declared twice would load one field from the
    // other's value; a key missing from the command keys could be given to
    // two commands.
    void eachSettingIsDeclaredOnce()
    {
        QSet<QString> paths;
        QList<SettingsEntry::Member> members;
        qsizetype keys = 0;
        for (const SettingsEntry &entry : settingsEntries()) {
            QVERIFY2(!paths.contains(entry.path()), qPrintable(entry.path()));
            QVERIFY2(!members.contains(entry.member), qPrintable(entry.path()));
            paths << entry.path();
            members << entry.member;
            const bool isCommandKey =
                std::any_of(commandKeys().begin(), commandKeys().end(), [&](const CommandKey &k) {
                    return SettingsEntry::Member(k.setting) == entry.member;
                });
            QCOMPARE(isCommandKey, entry.kind == SettingsEntry::Kind::Key);
            keys += isCommandKey ? 1 : 0;
        }
        QCOMPARE(keys, qsizetype(commandKeys().size()));
    }

    // The defaults are the declarations' alone: no code of the settings or
    // of the options writes a value of its own into a setting.
    void noDefaultIsWrittenOutsideTheDeclarations()
    {
        QStringList fields;
        for (const SettingsEntry &entry : settingsEntries())
            fields << QLatin1StringView(entry.field);
        const QRegularExpression literalIntoAField(
            u"(SettingsDefaults::|\\.(%1)\\s*=\\s*(-?\\d|QStringLiteral|u?\"))"_s.arg(
                fields.join(u'|')));
        QStringList found;
        for (const char *folder : {"settings", "options"}) {
            QDirIterator sources(QStringLiteral(CORVELLA_SOURCE_DIR "/") + QLatin1String(folder),
                                 {u"*.cpp"_s, u"*.h"_s}, QDir::Files);
            while (sources.hasNext()) {
                QFile file(sources.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
                for (qsizetype i = 0; i < lines.size(); ++i) {
                    if (lines.at(i).contains(literalIntoAField))
                        found << u"%1:%2: %3"_s.arg(file.fileName()).arg(i + 1).arg(lines.at(i));
                }
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    // The keys of the sound and of the short horn are none until chosen,
    // and none takes no character from the other commands.
    void aKeyThatIsNoneByDefaultLoadsNone_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("absent") << QByteArray() << 0;
        QTest::newRow("0") << QByteArray("MuteKey=0\nShortHornKey=0\n") << 0;
        QTest::newRow("a key") << QByteArray("MuteKey=122\nShortHornKey=122\n") << 122;
        QTest::newRow("256") << QByteArray("MuteKey=256\nShortHornKey=256\n") << 0;
        QTest::newRow("-1") << QByteArray("MuteKey=-1\nShortHornKey=-1\n") << 0;
    }

    void aKeyThatIsNoneByDefaultLoadsNone()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        writeRaw("[KeySettings]\n" + stored);
        settings = loadSettings();
        QCOMPARE(int(settings.MuteKey), expected);
        QCOMPARE(int(settings.ShortHornKey), expected);
        const QList<int> taken = keysInUse(settings);
        QVERIFY(!taken.contains(0));
        QCOMPARE(taken.count(122), expected == 122 ? 2 : 0);
    }

    void saveReportsAStoreThatCannotBeWritten()
    {
        QVERIFY(TestEnvironment::blockStore());
        settings = defaultSettings();
        const bool saved = saveSettings(settings);
        TestEnvironment::unblockStore();
        QVERIFY(!saved);
    }
};

CORVELLA_TEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
