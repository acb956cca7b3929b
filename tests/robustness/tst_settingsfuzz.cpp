// Damaged settings files: loading never crashes, and every field is either a
// value the file really holds or its default.
#include "settings/appsettings.h"
#include "tests/support/testenv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

constexpr quint32 Seed = 5000;
constexpr int Files = turns(5000);

const char *const validFile =
    "[ColorSettings]\nFormColor=1\nLEDTimeColor=2\nLEDScoreColor=3\nLEDBackColor=4\n"
    "HomeColor=5\nGuestColor=6\nTextColor=7\n[KeySettings]\nStartStopClockKey=65\n"
    "ResetClockKey=66\nBuzzerKey=67\nBuzzerFile=/x.wav\n[TextSettings]\nHomeText=A\n"
    "GuestText=B\nSectionText1=C\nSectionText2=D\nTeamSize=30\n";

enum Damage {
    RandomBytes,
    Truncated,
    HugeValues,
    MissingGroup,
    DuplicateKeys,
    HugeCaption,
    FlippedBytes
};

QByteArray damaged(QRandomGenerator &random, Damage &damage)
{
    QByteArray file(validFile);
    damage = Damage(random.bounded(7));
    switch (damage) {
    case 0: // random bytes
        file.resize(random.bounded(2000));
        for (char &c : file)
            c = char(random.bounded(256));
        break;
    case 1: // truncated
        file.truncate(random.bounded(file.size()));
        break;
    case 2: // huge values
        file.replace("=3\n", "=99999999999999999999999\n")
            .replace("=66\n", "=-40000\n")
            .replace("=30\n", "=1e9\n");
        break;
    case 3: // a missing group
        file.replace("[KeySettings]", "[Other]");
        break;
    case 4: // duplicate keys
        file += "[ColorSettings]\nFormColor=x\nFormColor=8\n[TextSettings]\nHomeText=Z\n";
        break;
    case 5: // a 1 MB caption
        file.replace("HomeText=A", QByteArray("HomeText=").append(QByteArray(1 << 20, 'm')));
        break;
    default: // random bytes flipped
        for (int i = 0; i < 20; ++i)
            file[random.bounded(file.size())] = char(random.bounded(256));
    }
    return file;
}

} // namespace

class TestSettingsFuzz : public QObject
{
    Q_OBJECT

    Settings settings;

private slots:
    void damagedFilesLoadSafely()
    {
        QRandomGenerator random(Seed);
        const QString path = TestEnvironment::storeFile();
        QDir().mkpath(QFileInfo(path).path());
        const Settings defaults = defaultSettings();
        for (int n = 0; n < Files; ++n) {
            Damage damage;
            const QByteArray content = damaged(random, damage);
            {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                file.write(content);
                file.flush();
                file.setFileTime(QDateTime::currentDateTime().addSecs(n),
                                 QFileDevice::FileModificationTime);
            }
            settings = loadSettings();
            const QString where = QStringLiteral("seed %1, file %2").arg(Seed).arg(n);
            const auto numberOk = [&](qint64 loaded, qint64 fallback, const char *key) {
                return loaded == fallback || content.contains(QByteArray(key).append('=').append(
                                                 QByteArray::number(loaded)));
            };
            const Settings &s = settings;
            QVERIFY2(numberOk(s.FormColor, defaults.FormColor, "FormColor"), qPrintable(where));
            QVERIFY2(numberOk(s.LEDScoreColor, defaults.LEDScoreColor, "LEDScoreColor"),
                     qPrintable(where));
            QVERIFY2(numberOk(s.TextColor, defaults.TextColor, "TextColor"), qPrintable(where));
            QVERIFY2(numberOk(s.ResetClockKey, defaults.ResetClockKey, "ResetClockKey"),
                     qPrintable(where));
            QVERIFY2(numberOk(s.BuzzerKey, defaults.BuzzerKey, "BuzzerKey"), qPrintable(where));
            QVERIFY2(numberOk(s.TeamSize, defaults.TeamSize, "TeamSize"), qPrintable(where));
            for (qint16 key : {s.StartStopClockKey, s.ResetClockKey, s.BuzzerKey})
                QVERIFY2(key >= 1 && key <= 255, qPrintable(where));
            if (damage == HugeValues || damage == MissingGroup)
                QCOMPARE(s.HomeText, QStringLiteral("A"));
            if (damage == DuplicateKeys)
                QVERIFY(s.HomeText == QStringLiteral("A") || s.HomeText == QStringLiteral("Z"));
            // A caption loads cut to what the options allow.
            if (damage == HugeCaption)
                QCOMPARE(s.HomeText, QString(20, u'm'));
            if (damage == HugeValues) {
                QCOMPARE(s.LEDScoreColor, defaults.LEDScoreColor);
                QCOMPARE(s.ResetClockKey, defaults.ResetClockKey);
                QCOMPARE(s.TeamSize, defaults.TeamSize);
                QCOMPARE(s.FormColor, 1);
            }
        }
    }
};

CORVELLA_TEST_MAIN(TestSettingsFuzz)
#include "tst_settingsfuzz.moc"
