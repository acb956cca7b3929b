#include "app/startscreen.h"
#include "i18n/language.h"
#include "options/keychooser.h"
#include "options/optionsdialog.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "web/networkpage.h"
#include "web/operatorpanel.h"
#include "web/pagetexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

QString withoutMnemonic(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

// What a control of the window needs against what it has, for every text
// that does not fit.
QStringList overflows(QWidget *window)
{
    QStringList found;
    const auto check = [&](const QWidget *control, const QString &text, int needed, int room) {
        if (!text.isEmpty() && needed > room)
            found << QStringLiteral("%1 %2 '%3' needs %4 px, has %5")
                         .arg(QString::fromLatin1(control->metaObject()->className()),
                              control->objectName(), text)
                         .arg(needed)
                         .arg(room);
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QFontMetrics fm = w->fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(w); label && !Qt::mightBeRichText(label->text())) {
            const QRect room = label->contentsRect();
            if (label->wordWrap())
                check(label, label->text(), label->heightForWidth(room.width()), room.height());
            else
                check(label, label->text(), fm.size(0, withoutMnemonic(label->text())).width(),
                      room.width());
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QString text = withoutMnemonic(button->text());
            check(button, text, fm.horizontalAdvance(text), room.width());
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect room =
                box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            const QString text = withoutMnemonic(box->text());
            check(box, text, fm.horizontalAdvance(text), room.width());
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            check(group, group->title(), fm.horizontalAdvance(group->title()),
                  group->contentsRect().width());
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            QStyleOptionFrame option;
            option.initFrom(edit);
            const int room =
                edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width();
            check(edit, edit->placeholderText(), fm.horizontalAdvance(edit->placeholderText()),
                  room);
        } else if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable()) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int i = 0; i < combo->count(); ++i)
                check(combo, combo->itemText(i), fm.horizontalAdvance(combo->itemText(i)), room);
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(tabs, tabs->tabText(i),
                      fm.horizontalAdvance(withoutMnemonic(tabs->tabText(i))) +
                          tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs),
                      tabs->tabRect(i).width());
            check(tabs, QStringLiteral("all tabs"), tabs->geometry().right(),
                  tabs->parentWidget()->width());
        }
    }
    return found;
}

} // namespace

// Every window in every language: no text wider than its control.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheFirstTranslatedOrEnglish_data();
    void choosesTheFirstTranslatedOrEnglish();
    void languageChoiceIsStored();
    void pagesFollowTheBrowser_data();
    void pagesFollowTheBrowser();
    void textsFitTheirControls_data();
    void textsFitTheirControls();

private:
    QStringList check(QWidget *window, const QString &name);
    // Screenshots of every window, by platform (offscreen, or xcb under Xvfb).
    static QString shots()
    {
        return QStringLiteral(CORVELLA_ARTIFACTS "/languages/") + QGuiApplication::platformName();
    }
    QString languageName() const
    {
        return m_language.isEmpty() ? QStringLiteral("en") : m_language;
    }
    QString m_language;
};

void TestLanguages::choosesTheFirstTranslatedOrEnglish_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");
    const QStringList translated{QStringLiteral("de"), QStringLiteral("nl")};
    QTest::newRow("region dropped") << QStringList{QStringLiteral("de-DE")} << QStringLiteral("de");
    QTest::newRow("underscore form")
        << QStringList{QStringLiteral("nl_BE")} << QStringLiteral("nl");
    QTest::newRow("English first wins over a translation")
        << QStringList{QStringLiteral("en-GB"), QStringLiteral("de")} << QString();
    QTest::newRow("untranslated skipped")
        << QStringList{QStringLiteral("ja"), QStringLiteral("nl")} << QStringLiteral("nl");
    QTest::newRow("nothing translated") << QStringList{QStringLiteral("ja")} << QString();
    QTest::newRow("C locale") << QStringList{QStringLiteral("C")} << QString();
}

void TestLanguages::choosesTheFirstTranslatedOrEnglish()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, chosen);
    QCOMPARE(chooseLanguage(preferred, {QStringLiteral("de"), QStringLiteral("nl")}), chosen);
}

void TestLanguages::languageChoiceIsStored()
{
    ScriptedDialogs dialogs;
    Settings dutch = defaultSettings();
    dutch.Language = QStringLiteral("nl");
    OptionsDialog options(dutch, dialogs, {});
    auto *choice = options.findChild<QComboBox *>(QStringLiteral("cboLanguage"));
    QVERIFY(choice);
    QCOMPARE(choice->currentText(), QStringLiteral("Nederlands"));
    choice->setCurrentIndex(choice->findData(QStringLiteral("es")));
    QCOMPARE(choice->currentText(), QStringLiteral("Español"));
    QCOMPARE(options.settings().Language, QStringLiteral("es"));
    choice->setCurrentIndex(0);
    QCOMPARE(options.settings().Language, QString());
}

void TestLanguages::pagesFollowTheBrowser_data()
{
    QTest::addColumn<QByteArray>("accepted");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QString>("notConnected");
    QTest::newRow("German") << QByteArray("de-DE,de;q=0.9") << QByteArray()
                            << QStringLiteral("Nicht verbunden");
    QTest::newRow("English before German")
        << QByteArray("en-US,en;q=0.9,de;q=0.8") << QByteArray() << QString();
    QTest::newRow("by weight") << QByteArray("fr;q=0.5,nl;q=0.8") << QByteArray()
                               << QStringLiteral("Niet verbonden");
    QTest::newRow("lang= wins") << QByteArray("de") << QByteArray("lang=es")
                                << QStringLiteral("Sin conexión");
    QTest::newRow("unknown lang=") << QByteArray("ja") << QByteArray("lang=xx") << QString();
}

void TestLanguages::pagesFollowTheBrowser()
{
    QFETCH(QByteArray, accepted);
    QFETCH(QByteArray, query);
    QFETCH(QString, notConnected);
    const QJsonObject texts = QJsonDocument::fromJson(pageTexts(accepted, query)).object();
    QCOMPARE(texts.value(QStringLiteral("Not connected")).toString(), notConnected);
}

void TestLanguages::textsFitTheirControls_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString &language : translatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
    QCOMPARE(translatedLanguages().size(), 4);
}

QStringList TestLanguages::check(QWidget *window, const QString &name)
{
    window->show();
    if (window->layout())
        window->layout()->activate();
    const QString folder = shots();
    QDir().mkpath(folder);
    window->grab().save(folder + u'/' + languageName() + u'-' + name + QStringLiteral(".png"));
    QStringList found = overflows(window);
    for (QString &line : found)
        line.prepend(name + QStringLiteral(": "));
    return found;
}

void TestLanguages::textsFitTheirControls()
{
    QFETCH(QString, language);
    m_language = language;
    const QList<QTranslator *> translators = installTranslations(*qApp, language);
    const auto cleanup = qScopeGuard([&] { qDeleteAll(translators); });
    QCOMPARE(translators.isEmpty(), language.isEmpty());
    ScriptedDialogs dialogs;
    QStringList problems;

    StartScreen start(dialogs, {});
    problems << check(&start, QStringLiteral("start"));

    Settings noSound = defaultSettings();
    noSound.BuzzerFile.clear(); // its caption is a text of ours
    OptionsDialog options(noSound, dialogs, {});
    auto *network = new NetworkPage;
    options.addPage(network, NetworkPage::title(), {});
    auto *tabs = options.findChild<QTabWidget *>();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        if (QLayout *layout = tabs->currentWidget()->layout())
            layout->activate();
        options.show();
        options.grab().save(shots() + u'/' + languageName() +
                            QStringLiteral("-options-%1.png").arg(i));
    }
    problems << check(&options, QStringLiteral("options"));

    for (const char *purpose : {"start / stop the clock", "reset the clock", "sound the buzzer"}) {
        KeyChoice choice{OptionsDialog::tr(purpose), 0, 0};
        KeyChooser chooser(choice, {}, dialogs);
        problems << check(&chooser,
                          QStringLiteral("key-%1").arg(QLatin1StringView(purpose).size()));
    }

    const auto newGame =
        makeYesNoBox(nullptr, ScoreBoardWindow::tr("Are you sure you want to start a new game?"),
                     ScoreBoardWindow::tr("New game?"));
    problems << check(newGame.get(), QStringLiteral("question"));

    OperatorPanel panel;
    panel.showState({QStringLiteral("http://192.168.100.200:8080/")}, QStringLiteral("1234"), {}, 2,
                    1);
    problems << check(&panel, QStringLiteral("network"));

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
