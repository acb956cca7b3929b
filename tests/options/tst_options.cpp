#include "display/controls.h"
#include "display/twips.h"
#include "options/keyboardpage.h"
#include "options/optionsdialog.h"
#include "options/settingswindow.h"
#include "options/textpage.h"
#include "settings/appsettings.h"
#include "tests/options/wavfile.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

class TestOptions : public QObject
{
    Q_OBJECT

    Settings settings;

    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    Settings current;
    QList<QPointer<ScriptedSoundDevice>> devices;

    OptionsDialog::SoundDeviceFactory soundDevices()
    {
        return [this](QObject *parent) {
            auto *device = new ScriptedSoundDevice(parent);
            devices << device;
            return device;
        };
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
    QString fileOfLength(int length)
    {
        const QString folder = dir.path() + u'/';
        const QString name = QString(length - folder.size() - 4, u'h') + QStringLiteral(".wav");
        writeSilentWav(folder + name);
        return folder + name;
    }

private slots:
    void init()
    {
        TestEnvironment::clearStore();
        settings = defaultSettings();
        current = defaultSettings();
        dialogs = ScriptedDialogs{};
        devices.clear();
    }

    void opensOnTheKeyboardTabWithTheSettings()
    {
        current.BuzzerKey = 9;
        current.HomeColor = 0x123456;
        OptionsDialog options(current, dialogs, soundDevices());
        QCOMPARE(options.windowTitle(), QStringLiteral("Corvella"));
        auto *tabs = child<QTabWidget>(options, "sstOptions");
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Keyboard Controls"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Color Controls"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Text Controls"));
        QCOMPARE(child<QLabel>(options, "lblStartStopK")->text(), QStringLiteral("s"));
        QCOMPARE(child<QLabel>(options, "lblBuzzerK")->text(), QStringLiteral("Tab"));
        QCOMPARE(child<PictureBox>(options, "picHomeC")->backColor(), 0x123456);
        QCOMPARE(child<QGroupBox>(options, "fraStartStopK")->title(),
                 QStringLiteral("Start / Stop Key:"));
        QCOMPARE(child<QLineEdit>(options, "txtSectText1")->text(), QStringLiteral("Section 1"));
        QCOMPARE(options.settings().TeamSize, qint16(24));
    }

    void resetsThenOkStoreTheDefaultsAsDecimalText()
    {
        current.StartStopClockKey = 'x';
        current.FormColor = 5;
        current.TextColor = 6;
        OptionsDialog options(current, dialogs, soundDevices());
        click(options, "cmdResetKeys");
        click(options, "cmdResetColors");
        click(options, "cmdOk");
        QCOMPARE(options.result(), int(QDialog::Accepted));
        const QByteArray store = storeContent();
        for (const char *line :
             {"StartStopClockKey=115", "ResetClockKey=114", "BuzzerKey=98", "FormColor=16711680",
              "LEDTimeColor=255", "LEDScoreColor=33023", "LEDBackColor=0", "HomeColor=16777215",
              "GuestColor=16777215", "TextColor=16777215", "TeamSize=24", "HomeText=Home",
              "SectionText2=Section 2", "BuzzerFile="})
            QVERIFY2(store.contains(line), line);
        QCOMPARE(options.settings().StartStopClockKey, qint16(115));
    }

    void cancelLeavesEverythingAsItWas()
    {
        const Settings before = settings;
        OptionsDialog options(current, dialogs, soundDevices());
        click(options, "cmdResetColors");
        child<QLineEdit>(options, "txtHomeText")->setText(QStringLiteral("Lions"));
        click(options, "cmdCancel");
        QCOMPARE(options.result(), int(QDialog::Rejected));
        QVERIFY(settings == before);
        QVERIFY(!QFile::exists(TestEnvironment::storeFile()));
    }

    void escAndEnterInATextFieldDoNotClose_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("inSettingsWindow");
        QTest::newRow("a caption") << QStringLiteral("txtHomeText") << false;
        QTest::newRow("the period") << QStringLiteral("txtPeriod") << true;
        QTest::newRow("the audience screen") << QStringLiteral("spnAudienceScreen") << true;
    }

    void escAndEnterInATextFieldDoNotClose()
    {
        QFETCH(QString, field);
        QFETCH(bool, inSettingsWindow);
        OptionsDialog options(current, dialogs, soundDevices());
        SettingsWindow settingsWindow(current, dialogs, soundDevices());
        PagesDialog &window = inSettingsWindow ? static_cast<PagesDialog &>(settingsWindow)
                                               : static_cast<PagesDialog &>(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        auto *text = window.findChild<QWidget *>(field);
        QVERIFY(text);
        if (inSettingsWindow) {
            settingsWindow.showPageNamed(QStringLiteral("gamePage"));
        } else {
            auto *tabs = child<QTabWidget>(options, "sstOptions");
            tabs->setCurrentWidget(
                tabs->widget(tabs->indexOf(text->parentWidget()->parentWidget())));
        }
        text->setFocus();
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(window.isVisible());
        QCOMPARE(window.result(), 0);
    }

    void enterElsewherePressesOk()
    {
        current.WholeScoreEntry = 0;
        SettingsWindow options(current, dialogs, soundDevices());
        options.show();
        QVERIFY(QTest::qWaitForWindowActive(&options));
        options.showPageNamed(QStringLiteral("keysPage"));
        auto *whole = options.findChild<QWidget *>(QStringLiteral("chkWholeScore"));
        whole->setFocus();
        QTest::keyClick(whole, Qt::Key_Space);
        QTest::keyClick(whole, Qt::Key_Return);
        QCOMPARE(options.result(), int(QDialog::Accepted));
        QCOMPARE(options.settings().WholeScoreEntry, qint16(1));
    }

    void everyTabIsInSight()
    {
        OptionsDialog options(current, dialogs, soundDevices());
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        auto *tabs = child<QTabWidget>(options, "sstOptions");
        const QTabBar *bar = tabs->tabBar();
        for (int i = 0; i < bar->count(); ++i)
            QVERIFY2(tabs->rect().contains(bar->tabRect(i).translated(bar->pos())),
                     qPrintable(bar->tabText(i)));
        QVERIFY(options.rect().contains(tabs->geometry()));
        // The original tabs' contents where they always were.
        QCOMPARE(child<QGroupBox>(options, "fraStartStopK")->geometry(),
                 QRect(twipsRect(120, 480 - 360, 1455, 975)));
    }

    void captionsTakeTheirLimitOfCharacters()
    {
        OptionsDialog options(current, dialogs, soundDevices());
        options.show();
        auto *home = child<QLineEdit>(options, "txtHomeText");
        auto *section = child<QLineEdit>(options, "txtSectText2");
        home->clear();
        section->clear();
        QTest::keyClicks(home, QString(25, u'a'));
        QTest::keyClicks(section, QString(25, u'b'));
        QCOMPARE(home->text().size(), 20);
        QCOMPARE(section->text().size(), 18);
    }

    void colourPickOpensOnTheSwatchAndCancelKeepsIt()
    {
        OptionsDialog options(current, dialogs, soundDevices());
        auto *swatch = child<PictureBox>(options, "picLedTimeC");
        dialogs.color = 0x00FF00;
        click(options, "cmdLedTimeC");
        QCOMPARE(dialogs.lastInitialColor, 255);
        QCOMPARE(swatch->backColor(), 0x00FF00);
        dialogs.color.reset(); // cancelled
        click(options, "cmdLedTimeC");
        QCOMPARE(dialogs.lastInitialColor, 0x00FF00);
        QCOMPARE(swatch->backColor(), 0x00FF00);
        click(options, "cmdOk");
        QCOMPARE(options.settings().LEDTimeColor, 0x00FF00);
    }

    void pathDisplayRule_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("50 characters, whole") << 50 << true << false;
        QTest::newRow("51 characters, shortened") << 51 << true << true;
        QTest::newRow("long and missing") << 70 << false << true;
    }

    void pathDisplayRule()
    {
        QFETCH(int, length);
        QFETCH(bool, exists);
        QFETCH(bool, shortened);
        QString path = fileOfLength(length);
        if (!exists) {
            QFile::remove(path);
        }
        QCOMPARE(path.size(), length);
        const QString name = QFileInfo(path).fileName();
        const QString expected =
            !shortened ? path
                       : path.left(10) + QStringLiteral(" .../") + (exists ? name : QString());
        QCOMPARE(KeyboardPage::displayPath(path), expected);
        QCOMPARE(KeyboardPage::displayPath(QString()), QStringLiteral("[No File Selected]"));
    }

    void choosingASoundFile()
    {
        current.BuzzerFile.clear();
        OptionsDialog options(current, dialogs, soundDevices());
        auto *label = child<QLabel>(options, "lblBuzzerSound");
        QCOMPARE(label->text(), QStringLiteral("[No File Selected]"));
        dialogs.fileName.clear(); // the dialog was cancelled
        click(options, "cmdBuzzerSound");
        QCOMPARE(label->text(), QStringLiteral("[No File Selected]"));
        dialogs.fileName = dir.path() + QStringLiteral("/missing.wav");
        click(options, "cmdBuzzerSound");
        QCOMPARE(options.settings().BuzzerFile, QString());
        dialogs.fileName = fileOfLength(40);
        click(options, "cmdBuzzerSound");
        QCOMPARE(label->text(), dialogs.fileName);
        click(options, "cmdOk");
        QCOMPARE(options.settings().BuzzerFile, dialogs.fileName);
    }

    void teamSizeFollowsTheNames_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("guest");
        QTest::addColumn<int>("size");
        QTest::newRow("short names fit at 26")
            << QStringLiteral("Home") << QStringLiteral("Guest") << 26;
        QTest::newRow("empty names") << QString() << QString() << 26;
        QTest::newRow("too long for any size") << QString(20, u'W') << QStringLiteral("Guest") << 9;
    }

    void teamSizeFollowsTheNames()
    {
        QFETCH(QString, home);
        QFETCH(QString, guest);
        QFETCH(int, size);
        QCOMPARE(int(TextPage::previewSize(home, guest)), size);
    }

    void teamSizeChangesOnlyWhenANameIsEdited()
    {
        current.TeamSize = 17;
        {
            OptionsDialog options(current, dialogs, soundDevices());
            click(options, "cmdOk");
            QCOMPARE(options.settings().TeamSize, qint16(17));
        }
        OptionsDialog options(current, dialogs, soundDevices());
        options.show();
        auto *guest = child<QLineEdit>(options, "txtGuestText");
        guest->setFocus();
        QTest::keyClick(guest, Qt::Key_X);
        QTest::keyClick(guest, Qt::Key_Backspace);
        QCOMPARE(options.settings().TeamSize,
                 TextPage::previewSize(QStringLiteral("Home"), QStringLiteral("Guest")));
        click(options, "cmdOk");
        QCOMPARE(loadSettings().TeamSize,
                 TextPage::previewSize(QStringLiteral("Home"), QStringLiteral("Guest")));
    }

    void aKeyChosenThroughTheChooser()
    {
        OptionsDialog options(current, dialogs, soundDevices());
        options.show();
        QTimer::singleShot(0, this, [] {
            QWidget *chooser = QApplication::activeModalWidget();
            QTest::keyClick(chooser->focusWidget(), Qt::Key_S); // taken by start / stop
            QTest::keyClick(chooser->focusWidget(), Qt::Key_Q);
        });
        click(options, "cmdBuzzerK");
        QCOMPARE(child<QLabel>(options, "lblBuzzerK")->text(), QStringLiteral("q"));
        QCOMPARE(dialogs.beeps, 1);
        QCOMPARE(options.settings().BuzzerKey, qint16('q')); // the working copy
        QCOMPARE(settings.BuzzerKey, qint16(98));            // nothing else before OK
        click(options, "cmdOk");
        QCOMPARE(options.settings().BuzzerKey, qint16('q'));
    }

    // In a game with periods their keys are taken; without, they are free.
    void periodKeysAreTakenOnlyWithPeriods_data()
    {
        QTest::addColumn<int>("periods");
        QTest::addColumn<int>("beeps");
        QTest::newRow("no periods: n is free") << 0 << 0;
        QTest::newRow("periods: n is the next period's") << 4 << 1;
    }

    void periodKeysAreTakenOnlyWithPeriods()
    {
        QFETCH(int, periods);
        QFETCH(int, beeps);
        Settings given = current;
        given.Periods = static_cast<qint16>(periods);
        OptionsDialog options(given, dialogs, soundDevices());
        options.show();
        QTimer::singleShot(0, this, [] {
            QWidget *chooser = QApplication::activeModalWidget();
            QTest::keyClick(chooser->focusWidget(), Qt::Key_N);
            if (QApplication::activeModalWidget() == chooser)
                QTest::keyClick(chooser->focusWidget(), Qt::Key_Escape);
        });
        click(options, "cmdBuzzerK");
        QCOMPARE(dialogs.beeps, beeps);
        QCOMPARE(options.settings().BuzzerKey, qint16(periods ? 98 : 'n'));
    }

    // A buzzer on n, then periods turned on with n for the next period: Ok
    // says so and stays open rather than store two commands on one key.
    void keysThatMeetThroughPeriodsAreNotStored()
    {
        Settings given = current;
        given.BuzzerKey = 'n';
        SettingsWindow options(given, dialogs, soundDevices());
        options.show();
        child<QSpinBox>(options, "spnPeriods")->setValue(4);
        click(options, "cmdOk");
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY2(dialogs.warnings.first().contains(QStringLiteral("share the key n")),
                 qPrintable(dialogs.warnings.first()));
        QVERIFY(options.isVisible());
        QCOMPARE(loadSettings().Periods, qint16(0));
    }

    // The options keep the size they always had, and a click where they
    // always had Cancel closes them.
    void aClickWhereCancelAlwaysWasCloses()
    {
        QCOMPARE(twipsPerPixel(), 15.0); // 96 DPI
        OptionsDialog options(current, dialogs, soundDevices());
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        QCOMPARE(options.size(), QSize(351, 312)); // 5265 x 4680 twips
        const QPoint cancel = twipsRect(2692, 4200, 1095, 375).center();
        QWidget *under = options.childAt(cancel);
        QVERIFY(under);
        QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(&options, cancel));
        QTRY_VERIFY(!options.isVisible());
        QCOMPARE(options.result(), int(QDialog::Rejected));
    }

    // The settings window saves its own pages only: what the options hold
    // and have not confirmed stays out of the store, and its Cancel stores
    // nothing. What it saved holds when the options are confirmed after it.
    void theSettingsWindowStoresOnlyItsPages_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("Ok") << true;
        QTest::newRow("Cancel") << false;
    }

    void theSettingsWindowStoresOnlyItsPages()
    {
        QFETCH(bool, confirmed);
        current.HomeText = QStringLiteral("Home");
        current.CreditText = QStringLiteral("Brannick");
        OptionsDialog options(current, dialogs, soundDevices());
        QSignalSpy saved(&options, &OptionsDialog::settingsWindowSaved);
        options.show();
        child<QLineEdit>(options, "txtHomeText")->setText(QStringLiteral("Lions"));
        QString opened;
        QTimer::singleShot(0, this, [&] {
            QWidget *window = QApplication::activeModalWidget();
            opened = window->objectName();
            child<QLineEdit>(*window, "txtCreditText")->setText(QStringLiteral("Gym 3"));
            click(*window, confirmed ? "cmdOk" : "cmdCancel");
        });
        click(options, "cmdSettings");
        QCOMPARE(opened, QStringLiteral("frmSettings"));
        QCOMPARE(saved.count(), confirmed ? 1 : 0);
        QCOMPARE(QFile::exists(TestEnvironment::storeFile()), confirmed);
        const QString credit = confirmed ? QStringLiteral("Gym 3") : QStringLiteral("Brannick");
        QCOMPARE(loadSettings().CreditText, credit);
        QCOMPARE(loadSettings().HomeText, QStringLiteral("Home"));
        QCOMPARE(child<QLineEdit>(options, "txtHomeText")->text(), QStringLiteral("Lions"));

        click(options, "cmdOk");
        QCOMPARE(options.result(), int(QDialog::Accepted));
        QCOMPARE(loadSettings().HomeText, QStringLiteral("Lions"));
        QCOMPARE(loadSettings().CreditText, credit);
    }

    // The keys of both windows are one set: a key the options hold, even
    // unconfirmed, is refused for a command of the settings window, and one
    // of the settings window's keys for a command of the options.
    void aKeyOfOneWindowIsRefusedInTheOther_data()
    {
        QTest::addColumn<bool>("chosenInTheSettingsWindow");
        QTest::newRow("a game key on the options' buzzer key") << true;
        QTest::newRow("the buzzer key on a game key") << false;
    }

    void aKeyOfOneWindowIsRefusedInTheOther()
    {
        QFETCH(bool, chosenInTheSettingsWindow);
        current.TimeoutsPerGame = 2; // the timeouts' keys are in use
        current.HomeTimeoutKey = chosenInTheSettingsWindow ? 'h' : 'q';
        OptionsDialog options(current, dialogs, soundDevices());
        options.show();
        const auto typeInChooser = [this](const QList<Qt::Key> &keys) {
            QTimer::singleShot(0, this, [keys] {
                QWidget *chooser = QApplication::activeModalWidget();
                for (const Qt::Key key : keys) {
                    if (QApplication::activeModalWidget() == chooser)
                        QTest::keyClick(chooser->focusWidget(), key);
                }
            });
        };
        if (chosenInTheSettingsWindow) {
            typeInChooser({Qt::Key_Q}); // not yet confirmed in the options
            click(options, "cmdBuzzerK");
            QCOMPARE(child<QLabel>(options, "lblBuzzerK")->text(), QStringLiteral("q"));
            QString homeTimeoutKey;
            QTimer::singleShot(0, this, [&] {
                QWidget *window = QApplication::activeModalWidget();
                typeInChooser({Qt::Key_Q, Qt::Key_Escape});
                click(*window, "cmdHomeTimeoutK");
                homeTimeoutKey = child<QPushButton>(*window, "cmdHomeTimeoutK")->text();
                click(*window, "cmdCancel");
            });
            click(options, "cmdSettings");
            QCOMPARE(homeTimeoutKey, QStringLiteral("h"));
        } else {
            typeInChooser({Qt::Key_Q, Qt::Key_Escape});
            click(options, "cmdBuzzerK");
            QCOMPARE(child<QLabel>(options, "lblBuzzerK")->text(), QStringLiteral("b"));
        }
        QCOMPARE(dialogs.beeps, 1);
    }

    // Keys that meet only once both windows are confirmed: the buzzer on n
    // in the options, not yet confirmed, and periods turned on in the
    // settings window, whose next period is n.
    void keysThatMeetAcrossTheWindowsAreNotStored()
    {
        OptionsDialog options(current, dialogs, soundDevices());
        options.show();
        QTimer::singleShot(0, this, [] {
            QTest::keyClick(QApplication::activeModalWidget()->focusWidget(), Qt::Key_N);
        });
        click(options, "cmdBuzzerK");
        bool stayedOpen = false;
        QTimer::singleShot(0, this, [&] {
            QWidget *window = QApplication::activeModalWidget();
            child<QSpinBox>(*window, "spnPeriods")->setValue(4);
            click(*window, "cmdOk");
            stayedOpen = window->isVisible();
            click(*window, "cmdCancel");
        });
        click(options, "cmdSettings");
        QVERIFY(stayedOpen);
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY2(dialogs.warnings.first().contains(QStringLiteral("share the key n")),
                 qPrintable(dialogs.warnings.first()));
        QVERIFY(!QFile::exists(TestEnvironment::storeFile()));
    }

    void aPresetFillsTheGameAndIsRecognised()
    {
        SettingsWindow options(current, dialogs, soundDevices());
        auto *presets = child<QComboBox>(options, "cboPreset");
        QCOMPARE(presets->currentText(), QStringLiteral("Classic"));
        presets->setCurrentIndex(presets->findText(QStringLiteral("Basketball")));
        emit presets->activated(presets->currentIndex());
        const Settings chosen = options.settings();
        QCOMPARE(chosen.Periods, qint16(4));
        QCOMPARE(chosen.CountDown, qint16(1));
        QCOMPARE(chosen.BreakLengths, QStringLiteral("2.00, 15.00, 2.00"));
        QCOMPARE(chosen.OvertimeLength, QStringLiteral("5.00"));
        QCOMPARE(chosen.HomeText, current.HomeText); // a preset fills only the game
        SettingsWindow again(chosen, dialogs, soundDevices());
        QCOMPARE(child<QComboBox>(again, "cboPreset")->currentText(), QStringLiteral("Basketball"));
    }

    void aStoreThatCannotBeWrittenIsReportedAndTheValuesStillApply()
    {
        QVERIFY(TestEnvironment::blockStore());
        OptionsDialog options(current, dialogs, soundDevices());
        child<QLineEdit>(options, "txtHomeText")->setText(QStringLiteral("Lions"));
        click(options, "cmdOk");
        TestEnvironment::unblockStore();
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY(dialogs.warnings.first().contains(QStringLiteral("could not be saved")));
        QCOMPARE(options.settings().HomeText, QStringLiteral("Lions"));
        QCOMPARE(options.result(), int(QDialog::Accepted));
    }
};

CORVELLA_TEST_MAIN(TestOptions)
#include "tst_options.moc"
