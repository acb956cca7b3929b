#include "display/twips.h"
#include "i18n/language.h"
#include "options/optionsdialog.h"
#include "options/settingswindow.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTranslator>

// The options and the settings window in every language on the screens
// operators have: every tab and page is kept as a picture under
// artifacts/options/, and no text on it is cut.
class TestOptionsScreens : public QObject
{
    Q_OBJECT

    // How wide a control's text is, and the room the control gives it; no
    // room for controls without a text of their own.
    static std::pair<int, int> neededAndRoom(const QWidget *control)
    {
        const QFontMetrics metrics = control->fontMetrics();
        if (auto *label = qobject_cast<const QLabel *>(control)) {
            if (label->text().isEmpty() || label->pixmap().cacheKey() != 0)
                return {0, 0};
            if (label->wordWrap())
                return {label->heightForWidth(label->width()), label->height()};
            return {label->sizeHint().width(), label->width()};
        }
        if (auto *check = qobject_cast<const QCheckBox *>(control))
            return {check->sizeHint().width(), check->width()};
        if (auto *button = qobject_cast<const QPushButton *>(control)) {
            // A button's size hint has a least width of the style's; only its text counts.
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            return {metrics.size(Qt::TextShowMnemonic, button->text()).width(), room.width()};
        }
        if (auto *group = qobject_cast<const QGroupBox *>(control))
            return {metrics.horizontalAdvance(group->title()), group->contentsRect().width()};
        return {0, 0};
    }

    static QStringList cutTexts(const QWidget *page)
    {
        QStringList cut;
        for (const QWidget *control : page->findChildren<QWidget *>()) {
            if (!control->isVisibleTo(page))
                continue;
            const auto [needed, room] = neededAndRoom(control);
            if (needed > room)
                cut << QStringLiteral("%1 %2 needs %3 px, has %4")
                           .arg(QString::fromLatin1(control->metaObject()->className()),
                                control->objectName())
                           .arg(needed)
                           .arg(room);
        }
        return cut;
    }

    // The dialog as it shows in the middle of a screen of that size.
    static QImage onScreen(QWidget &dialog, QSize screen)
    {
        QImage shot(screen, QImage::Format_RGB32);
        shot.fill(QColor(0x2e, 0x34, 0x36));
        QPainter painter(&shot);
        const QPixmap window = dialog.grab();
        painter.drawPixmap((screen.width() - window.width()) / 2,
                           (screen.height() - window.height()) / 2, window);
        return shot;
    }

private slots:
    // Where the board's first options had them, in twips, in their
    // containers (a tab's contents from below its tabs).
    void theOriginalControlsKeepTheirPlaces_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("tabs") << u"sstOptions"_qs << QRect(120, 120, 5085, 3975);
        QTest::newRow("start / stop key") << u"fraStartStopK"_qs << QRect(120, 120, 1455, 975);
        QTest::newRow("buzzer sound") << u"fraBuzzerSound"_qs << QRect(120, 1320, 4815, 855);
        QTest::newRow("buzzer file") << u"lblBuzzerSound"_qs << QRect(840, 240, 3855, 495);
        QTest::newRow("reset keys") << u"cmdResetKeys"_qs << QRect(3720, 2760, 1215, 375);
        QTest::newRow("guest colour") << u"fraGuestC"_qs << QRect(1800, 1080, 1455, 735);
        QTest::newRow("reset colours") << u"cmdResetColors"_qs << QRect(3720, 2760, 1215, 375);
        QTest::newRow("section 2 name") << u"Frame2"_qs << QRect(240, 2640, 4575, 735);
        QTest::newRow("Ok") << u"cmdOk"_qs << QRect(1477, 4200, 1095, 375);
        QTest::newRow("Cancel") << u"cmdCancel"_qs << QRect(2692, 4200, 1095, 375);
    }

    void theOriginalControlsKeepTheirPlaces()
    {
        QFETCH(QString, control);
        QFETCH(QRect, twips);
        ScriptedDialogs dialogs;
        OptionsDialog options(defaultSettings(), dialogs, {});
        const QWidget *found = options.findChild<QWidget *>(control);
        QVERIFY(found);
        QCOMPARE(found->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(options.size(), twipsRect(0, 0, 5265, 4680).size());
    }

    // The way to the settings window lies beside Ok and Cancel, over none
    // of the options' own controls, in every language.
    void theSettingsButtonTakesOnlyFreeRoom_data()
    {
        QTest::addColumn<QString>("language");
        QStringList languages = translatedLanguages();
        languages.prepend(QStringLiteral("en"));
        for (const QString &language : std::as_const(languages))
            QTest::newRow(qPrintable(language)) << language;
    }

    void theSettingsButtonTakesOnlyFreeRoom()
    {
        QFETCH(QString, language);
        const QList<QTranslator *> translators =
            installTranslations(*qApp, language == u"en" ? QString() : language);
        const auto cleanup = qScopeGuard([&] { qDeleteAll(translators); });
        ScriptedDialogs dialogs;
        OptionsDialog options(defaultSettings(), dialogs, {});
        const auto *settings = options.findChild<QPushButton *>(QStringLiteral("cmdSettings"));
        QVERIFY(settings);
        QVERIFY(options.rect().contains(settings->geometry()));
        for (const char *name : {"sstOptions", "cmdOk", "cmdCancel"}) {
            const auto *other = options.findChild<QWidget *>(QLatin1StringView(name));
            QVERIFY2(!settings->geometry().intersects(other->geometry()), name);
        }
        const auto [needed, room] = neededAndRoom(settings);
        QVERIFY2(needed <= room, qPrintable(settings->text()));
    }

    void everyTabFitsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("screen");
        QStringList languages = translatedLanguages();
        languages.prepend(QStringLiteral("en"));
        for (const QString &language : std::as_const(languages)) {
            for (const QSize screen : {QSize(1280, 720), QSize(1920, 1080)})
                QTest::addRow("%s %dx%d", qPrintable(language), screen.width(), screen.height())
                    << language << screen;
        }
    }

    void everyTabFitsInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QSize, screen);
        const QList<QTranslator *> translators =
            installTranslations(*qApp, language == u"en" ? QString() : language);
        const auto cleanup = qScopeGuard([&] { qDeleteAll(translators); });
        ScriptedDialogs dialogs;
        Settings values = defaultSettings();
        values.BuzzerFile.clear(); // its caption is a text of ours
        OptionsDialog options(values, dialogs, {});
        SettingsWindow settingsWindow(values, dialogs, {});
        const QString folder = QStringLiteral(CORVELLA_ARTIFACTS "/options");
        QVERIFY(QDir().mkpath(folder));
        QStringList cut;
        const auto keepPage = [&](QDialog &window, QWidget *page, int index, const QString &title) {
            if (page->layout())
                page->layout()->activate();
            for (const QString &text : cutTexts(page))
                cut << title + QStringLiteral(": ") + text;
            const QString name = QStringLiteral("%1/%2-%3x%4-%5-%6.png")
                                     .arg(folder, language)
                                     .arg(screen.width())
                                     .arg(screen.height())
                                     .arg(window.objectName() + QString::number(index))
                                     .arg(page->objectName());
            return onScreen(window, screen).save(name);
        };
        for (QDialog *window : std::initializer_list<QDialog *>{&options, &settingsWindow}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            // Room for a title bar and a panel on the smallest screen.
            QVERIFY2(
                window->width() <= 1280 && window->height() + 80 <= 720,
                qPrintable(QStringLiteral("%1x%2").arg(window->width()).arg(window->height())));
        }
        auto *tabs = options.findChild<QTabWidget *>(QStringLiteral("sstOptions"));
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QVERIFY(keepPage(options, tabs->widget(i), i, tabs->tabText(i)));
        }
        QCOMPARE(options.size(), twipsRect(0, 0, 5265, 4680).size());
        auto *list = settingsWindow.findChild<QListWidget *>(QStringLiteral("lstSettingsPages"));
        auto *stack =
            settingsWindow.findChild<QStackedWidget *>(QStringLiteral("stkSettingsPages"));
        for (int i = 0; i < list->count(); ++i) {
            list->setCurrentRow(i);
            QVERIFY(keepPage(settingsWindow, stack->currentWidget(), i, list->item(i)->text()));
        }
        // Every page's title in sight in the list.
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(list->visualItemRect(list->item(i)).right() < list->viewport()->width(),
                     qPrintable(list->item(i)->text()));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
};

CORVELLA_TEST_MAIN(TestOptionsScreens)
#include "tst_optionsscreens.moc"
