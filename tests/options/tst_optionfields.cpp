#include "display/controls.h"
#include "options/optionsdialog.h"
#include "options/settingswindow.h"
#include "options/textpage.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

// Every setting the options edit gets a value of its own here,
// so that two fields mixed up anywhere between the settings, the controls and
// the store show up as a failure.
class TestOptionFields : public QObject
{
    Q_OBJECT

    ScriptedDialogs dialogs;

    static Settings distinctSettings()
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
        s.TimeoutsPerGame = 2;
        s.TimeoutLength = QStringLiteral("0.45");
        s.Section2Role = QStringLiteral("fouls");
        s.FoulsReset = QStringLiteral("half");
        s.FoulBonusAt = 4;
        s.ScoreDigits = 3;
        s.FormColor = 0x010203;
        s.LEDTimeColor = 0x040506;
        s.LEDScoreColor = 0x070809;
        s.LEDBackColor = 0x0A0B0C;
        s.HomeColor = 0x0D0E0F;
        s.GuestColor = 0x101112;
        s.TextColor = 0x131415;
        s.StartStopClockKey = 'k';
        s.ResetClockKey = 'm';
        s.BuzzerKey = 'n';
        s.BuzzerFile = QStringLiteral("/sounds/horn.wav");
        s.HomeText = QStringLiteral("Lions");
        s.GuestText = QStringLiteral("Tigers");
        s.SectionText1 = QStringLiteral("First half");
        s.SectionText2 = QStringLiteral("Second half");
        s.TeamSize = 33;
        return s;
    }
    template <typename T> static T *child(const QWidget &w, const char *name)
    {
        T *found = w.findChild<T *>(QLatin1StringView(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    static void click(const QWidget &w, const char *name)
    {
        QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton);
    }
    static QByteArray storeContent()
    {
        QFile file(TestEnvironment::storeFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    // Every control of every tab lies whole on its page; each tab is kept
    // as a picture.
    void everyTabHoldsItsControlsWhole()
    {
        OptionsDialog options(distinctSettings(), dialogs, {});
        auto *tabs = options.findChild<QTabWidget *>(QStringLiteral("sstOptions"));
        QVERIFY(tabs);
        options.show();
        QDir().mkpath(QStringLiteral(CORVELLA_ARTIFACTS "/screenshots"));
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QWidget *page = tabs->widget(i);
            for (const QWidget *control : page->findChildren<QWidget *>()) {
                if (control->parentWidget() != page &&
                    !qobject_cast<QGroupBox *>(control->parentWidget()))
                    continue;
                const QRect place(control->parentWidget()->mapTo(page, control->pos()),
                                  control->size());
                QVERIFY2(
                    page->rect().contains(place),
                    qPrintable(tabs->tabText(i) + QStringLiteral(": ") + control->objectName()));
            }
            options.grab().save(
                QStringLiteral(CORVELLA_ARTIFACTS "/screenshots/options-%1.png").arg(i));
        }
    }

    void init()
    {
        TestEnvironment::clearStore();
        dialogs = ScriptedDialogs{};
    }

    void everyControlShowsItsOwnField_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shown");
        const auto colour = [](int bgr) { return QString::number(bgr); };
        QTest::newRow("background") << QStringLiteral("picBackC") << colour(0x010203);
        QTest::newRow("LED time") << QStringLiteral("picLedTimeC") << colour(0x040506);
        QTest::newRow("LED score") << QStringLiteral("picLedScoreC") << colour(0x070809);
        QTest::newRow("LED back") << QStringLiteral("picLedBackC") << colour(0x0A0B0C);
        QTest::newRow("home colour") << QStringLiteral("picHomeC") << colour(0x0D0E0F);
        QTest::newRow("guest colour") << QStringLiteral("picGuestC") << colour(0x101112);
        QTest::newRow("section colour") << QStringLiteral("picTextC") << colour(0x131415);
        QTest::newRow("start / stop key") << QStringLiteral("lblStartStopK") << QStringLiteral("k");
        QTest::newRow("reset key") << QStringLiteral("lblResetK") << QStringLiteral("m");
        QTest::newRow("buzzer key") << QStringLiteral("lblBuzzerK") << QStringLiteral("n");
        QTest::newRow("buzzer file")
            << QStringLiteral("lblBuzzerSound") << QStringLiteral("/sounds/horn.wav");
        QTest::newRow("home name") << QStringLiteral("txtHomeText") << QStringLiteral("Lions");
        QTest::newRow("guest name") << QStringLiteral("txtGuestText") << QStringLiteral("Tigers");
        QTest::newRow("section 1")
            << QStringLiteral("txtSectText1") << QStringLiteral("First half");
        QTest::newRow("section 2")
            << QStringLiteral("txtSectText2") << QStringLiteral("Second half");
    }

    void everyControlShowsItsOwnField()
    {
        QFETCH(QString, control);
        QFETCH(QString, shown);
        OptionsDialog options(distinctSettings(), dialogs, {});
        QWidget *widget = options.findChild<QWidget *>(control);
        QVERIFY(widget);
        QString text;
        if (auto *swatch = qobject_cast<PictureBox *>(widget))
            text = QString::number(swatch->backColor());
        else if (auto *box = qobject_cast<QLineEdit *>(widget))
            text = box->text();
        else
            text = qobject_cast<QLabel *>(widget)->text();
        QCOMPARE(text, shown);
        QCOMPARE(options.settings().TeamSize, qint16(33));
    }

    void okGivesBackAndStoresEveryFieldUnchanged()
    {
        const Settings given = distinctSettings();
        OptionsDialog options(given, dialogs, {});
        click(options, "cmdOk");
        QCOMPARE(options.result(), int(QDialog::Accepted));
        QVERIFY(options.settings() == given);
        QVERIFY(loadSettings() == given);
        const QByteArray store = storeContent();
        for (const char *line :
             {"FormColor=66051", "LEDTimeColor=263430", "LEDScoreColor=460809",
              "LEDBackColor=658188", "HomeColor=855567", "GuestColor=1052946", "TextColor=1250325",
              "StartStopClockKey=107", "ResetClockKey=109", "BuzzerKey=110",
              "BuzzerFile=/sounds/horn.wav", "HomeText=Lions", "GuestText=Tigers",
              "SectionText1=First half", "SectionText2=Second half", "TeamSize=33"})
            QVERIFY2(store.contains(QByteArray(QByteArray(line) + '\n')), line);
    }

    void changingOneControlChangesOnlyItsField_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::newRow("background") << QStringLiteral("cmdBackC") << QStringLiteral("FormColor");
        QTest::newRow("LED time") << QStringLiteral("cmdLedTimeC")
                                  << QStringLiteral("LEDTimeColor");
        QTest::newRow("LED score")
            << QStringLiteral("cmdLedScoreC") << QStringLiteral("LEDScoreColor");
        QTest::newRow("LED back") << QStringLiteral("cmdLedBackC")
                                  << QStringLiteral("LEDBackColor");
        QTest::newRow("home colour") << QStringLiteral("cmdHomeC") << QStringLiteral("HomeColor");
        QTest::newRow("guest colour")
            << QStringLiteral("cmdGuestC") << QStringLiteral("GuestColor");
        QTest::newRow("section colour")
            << QStringLiteral("cmdTextC") << QStringLiteral("TextColor");
    }

    void changingOneControlChangesOnlyItsField()
    {
        QFETCH(QString, button);
        QFETCH(QString, key);
        const Settings given = distinctSettings();
        OptionsDialog options(given, dialogs, {});
        dialogs.color = 0xABCDEF;
        click(options, qPrintable(button));
        Settings expected = given;
        for (const SettingsEntry &entry : settingsEntries()) {
            if (QLatin1StringView(entry.key) == key)
                expected.*std::get<qint32 Settings::*>(entry.member) = 0xABCDEF;
        }
        QVERIFY(expected != given);
        QVERIFY(options.settings() == expected);
    }

    void editingANameChangesOnlyThatNameAndTheSize_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("field");
        QTest::newRow("home") << QStringLiteral("txtHomeText") << 0;
        QTest::newRow("guest") << QStringLiteral("txtGuestText") << 1;
        QTest::newRow("section 1") << QStringLiteral("txtSectText1") << 2;
        QTest::newRow("section 2") << QStringLiteral("txtSectText2") << 3;
    }

    void editingANameChangesOnlyThatNameAndTheSize()
    {
        QFETCH(QString, box);
        QFETCH(int, field);
        const Settings given = distinctSettings();
        OptionsDialog options(given, dialogs, {});
        options.show();
        auto *edit = options.findChild<QLineEdit *>(box);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("X"));
        Settings expected = given;
        QString *names[] = {&expected.HomeText, &expected.GuestText, &expected.SectionText1,
                            &expected.SectionText2};
        *names[field] += u'X';
        if (field < 2) // a team name decides the caption size
            expected.TeamSize = TextPage::previewSize(expected.HomeText, expected.GuestText);
        QVERIFY(options.settings() == expected);
    }

    void resetsTouchOnlyTheirOwnFields()
    {
        const Settings given = distinctSettings();
        const Settings defaults = defaultSettings();
        OptionsDialog options(given, dialogs, {});
        click(options, "cmdResetColors");
        Settings expected = given;
        applyDefaultColors(expected);
        QVERIFY(options.settings() == expected);
        // The options' keys only: the game's are reset in the settings window.
        click(options, "cmdResetKeys");
        expected.StartStopClockKey = defaults.StartStopClockKey;
        expected.ResetClockKey = defaults.ResetClockKey;
        expected.BuzzerKey = defaults.BuzzerKey;
        QVERIFY(options.settings() == expected);
        QCOMPARE(options.settings().HomeColor, defaults.HomeColor);
        QCOMPARE(options.settings().BuzzerFile, given.BuzzerFile);

        SettingsWindow settingsWindow(given, dialogs, {});
        click(settingsWindow, "cmdResetGameKeys");
        Settings expectedThere = given;
        for (qint16 Settings::*key :
             {&Settings::HomeTimeoutKey, &Settings::GuestTimeoutKey, &Settings::NextPeriodKey,
              &Settings::PreviousPeriodKey, &Settings::SkipBreakKey, &Settings::NewGameKey})
            expectedThere.*key = defaults.*key;
        QVERIFY(settingsWindow.settings() == expectedThere);
    }
};

CORVELLA_TEST_MAIN(TestOptionFields)
#include "tst_optionfields.moc"
