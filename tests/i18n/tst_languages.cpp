#include "app/export.h"
#include "app/operatorpanel.h"
#include "app/startscreen.h"
#include "display/controls.h"
#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/presets.h"
#include "game/printedresult.h"
#include "game/sectioncaptions.h"
#include "i18n/language.h"
#include "options/optionsdialog.h"
#include "options/settingswindow.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "web/boardserver.h"
#include "web/boardstate.h"
#include "web/pagetexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

// The room a control gives its texts, and the texts; none for other widgets.
// Word-wrapped labels are measured by height.
std::pair<int, QStringList> roomAndTexts(QWidget *w)
{
    const QStyle *style = w->style();
    if (auto *label = qobject_cast<QLabel *>(w); label && !Qt::mightBeRichText(label->text()))
        return {label->contentsRect().width(), {label->text()}};
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto element = qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxContents
                                                          : QStyle::SE_PushButtonContents;
        return {style->subElementRect(element, &option, button).width(), {button->text()}};
    }
    if (auto *group = qobject_cast<QGroupBox *>(w))
        return {group->contentsRect().width(), {group->title()}};
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return {
            style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .width(),
            items};
    }
    return {0, {}};
}

// Every text of the window that is wider (or, wrapped, taller) than its
// control, and every tab narrower than its caption.
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
        const auto [room, texts] = roomAndTexts(w);
        for (const QString &text : texts) {
            auto *label = qobject_cast<QLabel *>(w);
            if (label && label->wordWrap())
                check(w, text, label->heightForWidth(room), label->contentsRect().height());
            else
                check(w, text, fm.size(Qt::TextShowMnemonic, text).width(), room);
        }
        if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            const int padding =
                tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
            for (int i = 0; i < tabs->count(); ++i)
                check(tabs, tabs->tabText(i),
                      fm.size(Qt::TextShowMnemonic, tabs->tabText(i)).width() + padding,
                      tabs->tabRect(i).width());
        }
    }
    return found;
}

QByteArray resource(const char *path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The texts between a page's tags that hold a letter: what a reader sees.
QStringList shownTexts(const QString &html)
{
    QStringList texts;
    static const QRegularExpression between(QStringLiteral(">([^<]*\\p{L}[^<]*)<"));
    for (const QRegularExpressionMatch &m : between.globalMatch(html))
        texts << m.captured(1).trimmed();
    return texts;
}

// Each call Texts.t(...) of a script, and the script without them.
std::pair<QStringList, QString> wordCalls(QString script)
{
    QStringList calls;
    const QString call = QStringLiteral("Texts.t(");
    for (qsizetype at = script.indexOf(call); at >= 0; at = script.indexOf(call, at)) {
        qsizetype end = at + call.size();
        for (int depth = 1; depth > 0 && end < script.size(); ++end)
            depth += script.at(end) == u'(' ? 1 : script.at(end) == u')' ? -1 : 0;
        calls << script.mid(at, end - at);
        script.remove(at, end - at);
    }
    return {calls, script};
}

QStringList quoted(const QString &code)
{
    QStringList literals;
    static const QRegularExpression literal(QStringLiteral("'([^'\\\\]*)'"));
    for (const QRegularExpressionMatch &m : literal.globalMatch(code))
        literals << m.captured(1);
    return literals;
}

} // namespace

// Outside every namespace, as Qt's resource initialisation must be.
static void initPages()
{
    Q_INIT_RESOURCE(web);
}

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
    void pagesArriveInTheirLanguage_data();
    void pagesArriveInTheirLanguage();
    void scriptsShowOnlyTranslatedWords();
    void presetNamesAreTranslated();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void aStepsActionIsTheSameInEveryLanguage();
    void thePrintedResultSpeaksTheLanguage();
    void sectionCaptionsSpeakTheBoardsLanguage_data();
    void sectionCaptionsSpeakTheBoardsLanguage();
    void everyCaptionOfAPresetIsTranslated();

private:
    // The logged actions and labels of one run of the same keys on a board
    // speaking `language`.
    static QList<QPair<QString, QString>> loggedSteps(const QString &language);
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
    QTest::newRow("region dropped") << QStringList{QStringLiteral("de-DE")} << QStringLiteral("de");
    QTest::newRow("underscore form")
        << QStringList{QStringLiteral("nl_BE")} << QStringLiteral("nl");
    QTest::newRow("English first wins over a translation")
        << QStringList{QStringLiteral("en-GB"), QStringLiteral("de")} << QString();
    QTest::newRow("untranslated skipped")
        << QStringList{QStringLiteral("ja"), QStringLiteral("nl")} << QStringLiteral("nl");
    QTest::newRow("nothing translated") << QStringList{QStringLiteral("ja")} << QString();
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
    SettingsWindow options(dutch, dialogs, {});
    auto *choice = options.findChild<QComboBox *>(QStringLiteral("cboLanguage"));
    QCOMPARE(choice->currentText(), QStringLiteral("Nederlands"));
    choice->setCurrentIndex(choice->findText(QStringLiteral("Español")));
    QCOMPARE(options.settings().Language, QStringLiteral("es"));
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
    QTest::newRow("lang= wins") << QByteArray("de") << QByteArray("lang=es")
                                << QStringLiteral("Sin conexión");
}

void TestLanguages::pagesFollowTheBrowser()
{
    QFETCH(QByteArray, accepted);
    QFETCH(QByteArray, query);
    QFETCH(QString, notConnected);
    const QJsonObject texts = QJsonDocument::fromJson(pageTexts(accepted, query)).object();
    QCOMPARE(texts.value(QStringLiteral("Not connected")).toString(), notConnected);
}

void TestLanguages::pagesArriveInTheirLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : translatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// Every word a page shows is served in the language asked, written into the
// page and into its script of words: no frame in English first.
void TestLanguages::pagesArriveInTheirLanguage()
{
    QFETCH(QString, language);
    initPages();
    const QJsonObject table = QJsonDocument::fromJson(wordsTable(language)).object();
    QCOMPARE(table.size(), pageWords().size());
    QStringList translated;
    for (auto it = table.begin(); it != table.end(); ++it)
        translated << it.value().toString().toHtmlEscaped();
    QStringList problems;
    for (const BoardServer::Page &page : BoardServer::Pages) {
        if (!QByteArrayView(page.mimeType).startsWith("text/html"))
            continue;
        const QString html = QString::fromUtf8(translatedPage(resource(page.resource), language));
        if (!html.contains(QStringLiteral("<html lang=\"%1\">").arg(language)) ||
            !html.contains(QStringLiteral("/texts.js?lang=") + language))
            problems << QLatin1StringView(page.path) + QStringLiteral(": not marked ") + language;
        for (const QString &text : shownTexts(html)) {
            if (!translated.contains(text) && text != QLatin1StringView("Corvella"))
                problems << QLatin1StringView(page.path) + QStringLiteral(": '%1'").arg(text);
        }
    }
    const QString script = QString::fromUtf8(textsScript(resource(":/web/texts.js"), language));
    const QString written = QString::fromUtf8(QJsonDocument(table).toJson(QJsonDocument::Compact));
    if (!script.contains(written))
        problems << QStringLiteral("texts.js has not the words written into it");
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// The scripts show words only through the table of words, and ask it for no
// word it lacks.
void TestLanguages::scriptsShowOnlyTranslatedWords()
{
    initPages();
    const QStringList words = pageWords();
    QStringList problems;
    for (const BoardServer::Page &page : BoardServer::Pages) {
        if (!QByteArrayView(page.path).endsWith(".js"))
            continue;
        const auto [calls, rest] = wordCalls(QString::fromUtf8(resource(page.resource)));
        for (const QString &call : calls) {
            for (const QString &word : quoted(call))
                if (!words.contains(word))
                    problems << QLatin1StringView(page.path) +
                                    QStringLiteral(": no '%1'").arg(word);
        }
        for (const QString &literal : quoted(rest)) {
            if (words.contains(literal.trimmed()))
                problems << QLatin1StringView(page.path) +
                                QStringLiteral(": '%1' untranslated").arg(literal);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// Shipped presets show their names in the program's language; a club's file
// of the same Name still replaces the shipped one, and shows translated too.
void TestLanguages::presetNamesAreTranslated()
{
    QTemporaryDir user;
    QFile club(user.filePath(QStringLiteral("ours.ini")));
    QVERIFY(club.open(QIODevice::WriteOnly));
    club.write("[Preset]\nName=Ice hockey\n[ClockSettings]\nPeriods=2\n");
    club.close();
    QTranslator german;
    QVERIFY(german.load(QStringLiteral("corvella_de"), QStringLiteral(":/i18n")));
    QCoreApplication::installTranslator(&german);
    const auto cleanup = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });
    const QList<Preset> presets = Presets::load(user.path());
    QStringList titles;
    for (const Preset &preset : presets) {
        titles << preset.title();
        // Each shipped sport has its name in the translations.
        QVERIFY2(!german.translate("Presets", preset.name.toUtf8().constData()).isEmpty(),
                 qPrintable(preset.name));
    }
    QCOMPARE(titles.count(QStringLiteral("Eishockey")), 1);
    QVERIFY(titles.contains(QStringLiteral("Fußball")));
    const Preset &ours = presets.at(titles.indexOf(QStringLiteral("Eishockey")));
    QCOMPARE(ours.name, QStringLiteral("Ice hockey"));
    QCOMPARE(ours.values.value(QStringLiteral("ClockSettings/Periods")), QStringLiteral("2"));
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
    SettingsWindow settingsWindow(noSound, dialogs, {});
    auto *pages = settingsWindow.findChild<QListWidget *>(QStringLiteral("lstSettingsPages"));
    auto *stack = settingsWindow.findChild<QStackedWidget *>(QStringLiteral("stkSettingsPages"));
    settingsWindow.show();
    // Only the page in front is laid out: each is checked there.
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentRow(i);
        settingsWindow.layout()->activate();
        settingsWindow.grab().save(shots() + u'/' + languageName() +
                                   QStringLiteral("-settings-%1.png").arg(i));
        for (const QString &line : overflows(stack->currentWidget()))
            problems << QStringLiteral("settings-%1: ").arg(i) + line;
    }

    // The chooser as the options open it: its prompt names the key's purpose
    // in the same language as the rest of the sentence.
    const struct
    {
        const char *button, *purpose;
    } keys[] = {{"cmdStartStopK", "start / stop the clock"},
                {"cmdResetK", "reset the clock"},
                {"cmdBuzzerK", "sound the buzzer"},
                {"cmdHomeTimeoutK", "start the home team's timeout"},
                {"cmdGuestTimeoutK", "start the guest team's timeout"},
                {"cmdNextPeriodK", "go to the next period"},
                {"cmdPreviousPeriodK", "go back a period"},
                {"cmdSkipBreakK", "skip the break"},
                {"cmdNewGameK", "start a new game"},
                {"cmdMuteK", "turn the sound off or on"},
                {"cmdShortHornK", "sound a short horn"}};
    for (const auto &key : keys) {
        QString prompt;
        QTimer::singleShot(0, this, [&] {
            auto *chooser = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            prompt = chooser->findChild<QLabel *>(QStringLiteral("lblChoose"))->text();
            problems << check(chooser, QStringLiteral("key-") + QLatin1String(key.button));
            chooser->reject();
        });
        auto *button = options.findChild<QPushButton *>(QLatin1String(key.button));
        if (!button)
            button = settingsWindow.findChild<QPushButton *>(QLatin1String(key.button));
        button->click();
        QVERIFY2(prompt.contains(QLatin1String(key.purpose)) == language.isEmpty(),
                 qPrintable(prompt));
    }

    const auto newGame =
        makeYesNoBox(nullptr, ScoreBoardWindow::tr("Are you sure you want to start a new game?"),
                     ScoreBoardWindow::tr("New game?"));
    problems << check(newGame.get(), QStringLiteral("question"));

    OperatorPanel panel;
    panel.showState({QStringLiteral("http://127.0.0.1:8080/")}, QStringLiteral("1234"), {}, 2, 1);
    problems << check(&panel, QStringLiteral("network"));

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QList<QPair<QString, QString>> TestLanguages::loggedSteps(const QString &language)
{
    const QList<QTranslator *> translators = installTranslations(*qApp, language);
    const auto cleanup = qScopeGuard([&] { qDeleteAll(translators); });
    QTemporaryDir folder;
    ManualTimeSource time;
    ScriptedDialogs dialogs;
    GameModel game(time);
    GameHistory history(game);
    GameLog log(folder.path(), game, history);
    log.begin(false);
    ScoreBoardWindow board(game, history, defaultSettings(), dialogs);
    GameStructure quarters{4, {}, 0};
    quarters.timeouts.perGame = 2;
    game.setStructure(quarters);
    QWidget *score = board.controls().home1Panel;
    QTest::keyClicks(score, QStringLiteral("+3"));
    QTest::keyClicks(score, QStringLiteral("7\r"));
    board.show();
    if (!QTest::qWaitForWindowActive(&board))
        return {};
    board.runCommandKey('s');
    time.now += 5'000;
    for (const char key : {'s', 'r', 'h', 'h', 'n', 'p'})
        board.runCommandKey(key);
    QTest::keyClick(&board, Qt::Key_Z, Qt::ControlModifier);
    QList<QPair<QString, QString>> steps;
    const std::optional<GameRecord> record = GameRecord::read(log.currentPath());
    for (const GameLogEntry &e : record->entries)
        steps.append({e.kind + u' ' + e.action, e.label});
    return steps;
}

// A spreadsheet gathering games from several boards matches steps by their
// action; only the label beside it speaks the operator's language.
void TestLanguages::aStepsActionIsTheSameInEveryLanguage()
{
    using namespace Qt::StringLiterals;
    const auto english = loggedSteps(QString());
    const auto german = loggedSteps(QStringLiteral("de"));
    QStringList actions;
    for (const auto &[action, label] : english)
        actions << action;
    QCOMPARE(actions, (QStringList{u"action score.add"_s, u"action score.set"_s,
                                   u"action clock.start"_s, u"action clock.stop"_s,
                                   u"action clock.reset"_s, u"action timeout.start"_s,
                                   u"action timeout.end"_s, u"action period.next"_s,
                                   u"action period.previous"_s, u"undo period.previous"_s}));
    QCOMPARE(german.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i) {
        QCOMPARE(german.at(i).first, english.at(i).first);
        QVERIFY2(german.at(i).second != english.at(i).second, qPrintable(german.at(i).second));
    }
}

// The page a league files: its headings in the operator's language, none left
// in English.
void TestLanguages::thePrintedResultSpeaksTheLanguage()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: scripts/install-deps");
    const QList<QTranslator *> translators = installTranslations(*qApp, QStringLiteral("de"));
    const auto cleanup = qScopeGuard([&] { qDeleteAll(translators); });
    QTemporaryDir folder;
    ManualTimeSource time;
    GameModel game(time);
    GameHistory history(game);
    GameLog log(folder.path(), game, history);
    log.begin(false);
    game.setStructure(GameStructure{2, {}, 0});
    history.perform(GameHistory::Action::ScoreSet, QStringLiteral("Set"),
                    [](GameModel &g) { g.setScore(GameModel::Home1, 3); });
    QVERIFY(log.flush());
    const QString pdf = folder.filePath(QStringLiteral("result.pdf"));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gamePdf(*GameRecord::read(log.currentPath())));
    file.close();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20'000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const char *german : {"Schiedsrichter", "Spielort", "Änderungen des Punktstands"})
        QVERIFY2(words.contains(QString::fromUtf8(german)), german);
    for (const char *english : {"Referees", "Venue", "Score changes", "Final score", "Timeouts"})
        QVERIFY2(!words.contains(QLatin1StringView(english)), english);
}

void TestLanguages::sectionCaptionsSpeakTheBoardsLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("stored1");
    QTest::addColumn<QString>("stored2");
    QTest::addColumn<QString>("shown1");
    QTest::addColumn<QString>("shown2");
    const QString one = QStringLiteral("Section 1");
    const QString two = QStringLiteral("Section 2");
    QTest::newRow("English, the defaults") << QString() << one << two << one << two;
    QTest::newRow("Dutch, the defaults")
        << QStringLiteral("nl") << one << two << QStringLiteral("Sectie 1")
        << QStringLiteral("Sectie 2");
    QTest::newRow("German, the defaults")
        << QStringLiteral("de") << one << two << QStringLiteral("Abschnitt 1")
        << QStringLiteral("Abschnitt 2");
    QTest::newRow("Spanish, the defaults")
        << QStringLiteral("es") << one << two << QString::fromUtf8("Sección 1")
        << QString::fromUtf8("Sección 2");
    QTest::newRow("Dutch, typed") << QStringLiteral("nl") << QStringLiteral("Doelpunten")
                                  << QStringLiteral("section 2") << QStringLiteral("Doelpunten")
                                  << QStringLiteral("section 2");
    QTest::newRow("Dutch, a preset's word")
        << QStringLiteral("nl") << one << QStringLiteral("Fouls") << QStringLiteral("Sectie 1")
        << QStringLiteral("Fouten");
    QTest::newRow("German, typed and a preset's word")
        << QStringLiteral("de") << QStringLiteral("Tore") << QStringLiteral("Sets")
        << QStringLiteral("Tore") << QString::fromUtf8("Sätze");
}

// A caption the program gave itself is shown in the board's language on the
// board, in its undo message, in the state the pages draw and on the printed
// result; one the operator typed stays as typed.
void TestLanguages::sectionCaptionsSpeakTheBoardsLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, stored1);
    QFETCH(QString, stored2);
    QFETCH(QString, shown1);
    QFETCH(QString, shown2);
    const QList<QTranslator *> translators = installTranslations(*qApp, language);
    const auto cleanup = qScopeGuard([&] { qDeleteAll(translators); });
    Settings s = defaultSettings();
    s.SectionText1 = stored1;
    s.SectionText2 = stored2;
    ManualTimeSource time;
    ScriptedDialogs dialogs;
    GameModel game(time);
    GameHistory history(game);
    QTemporaryDir folder;
    GameLog log(folder.path(), game, history);
    // A log of an English board, or of one before the captions were translated.
    log.setCaptions(s.HomeText, s.GuestText, stored1, stored2);
    game.setStructure(GameStructure{2, {}, 0});
    log.begin(false);
    ScoreBoardWindow board(game, history, s, dialogs);
    board.show();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    QCOMPARE(board.controls().section1Caption->text(), shown1);
    QCOMPARE(board.controls().section2Caption->text(), shown2);

    QTest::keyClicks(board.controls().home2Panel, QStringLiteral("+2"));
    QTest::keyClick(board.controls().home2Panel, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY2(board.notice().contains(u'(' + shown2 + u')'), qPrintable(board.notice()));
    QTest::keyClicks(board.controls().home1Panel, QStringLiteral("+3"));
    QTest::keyClick(board.controls().home1Panel, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY2(board.notice().contains(u'(' + shown1 + u')'), qPrintable(board.notice()));

    const QJsonObject state =
        BoardState::snapshot(game, s).value(QStringLiteral("board")).toObject();
    QCOMPARE(state.value(QStringLiteral("section1")).toString(), shown1);
    QCOMPARE(state.value(QStringLiteral("section2")).toString(), shown2);

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: scripts/install-deps");
    QVERIFY(log.flush());
    const QString pdf = folder.filePath(QStringLiteral("result.pdf"));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gamePdf(*GameRecord::read(log.currentPath())));
    file.close();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20'000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString &shown : {shown1, shown2})
        QVERIFY2(words.contains(shown), qPrintable(shown + u'\n' + words));
    if (shown1 != stored1)
        QVERIFY2(!words.contains(stored1), qPrintable(words));
}

// Every caption a shipped preset gives is one the program translates.
void TestLanguages::everyCaptionOfAPresetIsTranslated()
{
    QTranslator dutch;
    QVERIFY(dutch.load(QStringLiteral("corvella_nl"), QStringLiteral(":/i18n")));
    const QTemporaryDir none;
    QStringList captions;
    for (const Preset &preset : Presets::load(none.path()))
        for (const char *key : {"TextSettings/SectionText1", "TextSettings/SectionText2"})
            if (const QString caption = preset.values.value(QLatin1StringView(key));
                !caption.isEmpty())
                captions << caption;
    QVERIFY(!captions.isEmpty());
    const QStringList own = SectionCaptions::ownWords();
    captions << defaultSettings().SectionText1 << defaultSettings().SectionText2;
    for (const QString &caption : captions) {
        QVERIFY2(own.contains(caption), qPrintable(caption));
        QVERIFY2(!dutch.translate("SectionCaptions", caption.toUtf8().constData()).isEmpty(),
                 qPrintable(caption));
    }
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
