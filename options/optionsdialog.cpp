#include "options/optionsdialog.h"

#include "display/controls.h"
#include "display/twips.h"
#include "i18n/language.h"
#include "options/keychooser.h"
#include "options/keyname.h"
#include "platform/dialogs.h"
#include "platform/sounddevice.h"
#include "platform/soundfilecheck.h"
#include "settings/bgrcolor.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>

namespace {

// Positions on the tab pages are designed from the top of the tab strip,
// whose tabs take this much of it.
constexpr int TabHeaderTwips = 360;
// Right of the original tabs' contents, which keep their places: room for the
// board credit on the Text tab.
constexpr int ExtraWidthTwips = 2600;

QRect onPage(double left, double top, double width, double height)
{
    return twipsRect(left, top - TabHeaderTwips, width, height);
}

QPushButton *button(const QString &text, const char *name, QWidget *parent, QRect geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false); // Enter does not press a button here
    return b;
}

QGroupBox *group(const QString &caption, const char *name, QWidget *parent, QRect geometry)
{
    auto *g = new QGroupBox(caption, parent);
    g->setObjectName(QLatin1StringView(name));
    g->setGeometry(geometry);
    return g;
}

QLabel *framedLabel(const char *name, QWidget *parent, QRect geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1StringView(name));
    label->setGeometry(geometry);
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Which control of the dialog holds each stored setting while it is open,
// by the setting's key. The caption size has no control of its own.
const struct
{
    const char *key;
    const char *control;
} fieldControls[] = {
    {"FormColor", "picBackC"},
    {"LEDTimeColor", "picLedTimeC"},
    {"LEDScoreColor", "picLedScoreC"},
    {"LEDBackColor", "picLedBackC"},
    {"HomeColor", "picHomeC"},
    {"GuestColor", "picGuestC"},
    {"TextColor", "picTextC"},
    {"StartStopClockKey", "lblStartStopK"},
    {"ResetClockKey", "lblResetK"},
    {"BuzzerKey", "lblBuzzerK"},
    {"BuzzerFile", "lblBuzzerSound"},
    {"WholeScoreEntry", "chkWholeScore"},
    {"HomeText", "txtHomeText"},
    {"GuestText", "txtGuestText"},
    {"SectionText1", "txtSectText1"},
    {"SectionText2", "txtSectText2"},
    {"TeamSize", nullptr},
    {"CreditText", "txtCreditText"},
    {"CountDown", "chkCountDown"},
    {"PeriodLength", "txtPeriod"},
    {"Periods", "spnPeriods"},
    {"BreakLengths", "txtBreaks"},
    {"OvertimeLength", "txtOvertime"},
    {"NextPeriodKey", "cmdNextPeriodK"},
    {"PreviousPeriodKey", "cmdPreviousPeriodK"},
    {"SkipBreakKey", "cmdSkipBreakK"},
    {"NewGameKey", "cmdNewGameK"},
    {"TimeoutsPerGame", "spnTimeoutsPerGame"},
    {"TimeoutsPerHalf", "txtTimeoutsPerHalf"},
    {"TimeoutLength", "txtTimeoutLength"},
    {"HomeTimeoutKey", "cmdHomeTimeoutK"},
    {"GuestTimeoutKey", "cmdGuestTimeoutK"},
    {"Section2Role", "cboSection2Role"},
    {"FoulsReset", "cboFoulsReset"},
    {"FoulBonusAt", "spnFoulBonusAt"},
    {"ScoreDigits", "spnScoreDigits"},
    {"AudienceScreen", "spnAudienceScreen"},
    {"OperatorHints", "cboOperatorHints"},
    {"Language", "cboLanguage"},
    // Edited on a page the program adds (addPage).
    {"WebServer", nullptr},
    {"WebPort", nullptr},
    {"WebAddress", nullptr},
    {"Api", nullptr},
    {"ApiToken", nullptr},
};

const char *controlOfKey(const char *key)
{
    for (const auto &row : fieldControls) {
        if (qstrcmp(row.key, key) == 0)
            return row.control;
    }
    qFatal("The options have no control for the setting %s", key);
}

// A colour swatch with a frame, so that a swatch in the dialog's own
// background colour (white, mostly) does not vanish.
class Swatch : public PictureBox
{
public:
    using PictureBox::PictureBox;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        PictureBox::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Base));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

QFont previewFont(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(points);
    return font;
}

} // namespace

OptionsDialog::OptionsDialog(const Settings &current, Dialogs &dialogs,
                             SoundDeviceFactory makeSoundDevice, QWidget *parent)
    : QDialog(parent), m_current(current), m_dialogs(dialogs),
      m_makeSoundDevice(std::move(makeSoundDevice))
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Corvella"));
    setFont(defaultWindowFont());
    setFixedSize(twipsToPixels(5265 + ExtraWidthTwips), twipsToPixels(4680));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("sstOptions"));
    m_tabs->setGeometry(twipsRect(120, 120, 5085 + ExtraWidthTwips, 3975));
    // Every tab in sight: the dialog widens to the tabs instead (fitTabs).
    m_tabs->setUsesScrollButtons(false);
    auto *keyboard = new QWidget;
    auto *colors = new QWidget;
    auto *texts = new QWidget;
    m_tabs->addTab(keyboard, tr("Keyboard Controls"));
    m_tabs->addTab(colors, tr("Color Controls"));
    m_tabs->addTab(texts, tr("Text Controls"));
    auto *game = new QWidget;
    m_tabs->addTab(game, tr("Game"));
    createKeyboardTab(keyboard);
    createColorTab(colors);
    createTextTab(texts);
    createGameTab(game);

    auto *okButton = button(tr("&Ok"), "cmdOk", this, twipsRect(1477, 4200, 1095, 375));
    okButton->setDefault(true); // Enter presses it (keyPressEvent)
    auto *cancelButton = button(tr("&Cancel"), "cmdCancel", this, twipsRect(2692, 4200, 1095, 375));
    connect(okButton, &QPushButton::clicked, this, &OptionsDialog::saveAndClose);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    m_guestPreview = new QLabel(this);
    m_guestPreview->setObjectName(QStringLiteral("lblGuestPreview"));
    m_guestPreview->move(twipsToPixels(120), twipsToPixels(4200));
    m_guestPreview->hide();
    m_homePreview = new QLabel(this);
    m_homePreview->setObjectName(QStringLiteral("lblHomePreview"));
    m_homePreview->move(twipsToPixels(3960), twipsToPixels(4200));
    m_homePreview->hide();

    bindFields();
    fitTabs();
    // Setting the team names runs the size search; the stored size, filled
    // after them, wins until a name is edited.
    showFields(m_current, [](const Field &) { return true; });
    showMatchingPreset();
}

OptionsDialog::~OptionsDialog()
{
    stopTestSound();
}

void OptionsDialog::createKeyboardTab(QWidget *page)
{
    const struct
    {
        const char *caption, *frame, *button, *label;
        int left;
        KeyFunction function;
    } keys[] = {
        {QT_TR_NOOP("Start / Stop Key:"), "fraStartStopK", "cmdStartStopK", "lblStartStopK", 120,
         StartStop},
        {QT_TR_NOOP("Reset Clock Key:"), "fraResetK", "cmdResetK", "lblResetK", 1800, Reset},
        {QT_TR_NOOP("Buzzer Key:"), "fraBuzzerK", "cmdBuzzerK", "lblBuzzerK", 3480, Buzzer}};
    for (const auto &k : keys) {
        QGroupBox *frame = group(tr(k.caption), k.frame, page, onPage(k.left, 480, 1455, 975));
        auto *change = button(tr("Change"), k.button, frame, twipsRect(120, 240, 1215, 375));
        m_keyLabels[k.function] = framedLabel(k.label, frame, twipsRect(120, 600, 1215, 255));
        connect(change, &QPushButton::clicked, this, [this, f = k.function] { chooseKey(f); });
    }

    QGroupBox *sound =
        group(tr("Buzzer Sound"), "fraBuzzerSound", page, onPage(120, 1680, 4815, 855));
    auto *chooseSoundButton =
        button(tr("Change"), "cmdBuzzerSound", sound, twipsRect(120, 240, 735, 495));
    m_buzzerSoundLabel = framedLabel("lblBuzzerSound", sound, twipsRect(840, 240, 3135, 495));
    auto *testSoundButton =
        button(tr("Test"), "cmdTestSound", sound, twipsRect(4020, 240, 675, 495));
    connect(chooseSoundButton, &QPushButton::clicked, this, &OptionsDialog::chooseBuzzerSound);
    connect(testSoundButton, &QPushButton::clicked, this, &OptionsDialog::testBuzzerSound);

    auto *whole = new QCheckBox(tr("Type whole scores: digits, then Enter"), page);
    whole->setObjectName(QStringLiteral("chkWholeScore"));
    whole->setGeometry(onPage(120, 2640, 4815, 375));
    auto *hintsLabel = new QLabel(tr("Operator's hints:"), page);
    hintsLabel->setGeometry(onPage(120, 3120, 1230, 375));
    auto *hints = new QComboBox(page);
    hints->setObjectName(QStringLiteral("cboOperatorHints"));
    hints->setGeometry(onPage(1365, 3120, 2235, 375));
    // In the order of the setting's values.
    hints->addItems({tr("with the audience display"), tr("always"), tr("never")});
    hintsLabel->setBuddy(hints);

    auto *resetKeysButton =
        button(tr("Reset Keys"), "cmdResetKeys", page, onPage(3720, 3120, 1215, 375));
    connect(resetKeysButton, &QPushButton::clicked, this, &OptionsDialog::resetKeys);
    createGameKeys(page);
}

// The keys of periods and timeouts, beside the original three: each button
// shows its key and changes it.
void OptionsDialog::createGameKeys(QWidget *page)
{
    QGroupBox *keys = group(tr("Game Keys:"), "fraGameKeys", page, onPage(4935, 480, 2475, 2700));
    const struct
    {
        QString caption;
        const char *button;
        KeyFunction function;
    } rows[] = {{tr("Home timeout"), "cmdHomeTimeoutK", HomeTimeout},
                {tr("Guest timeout"), "cmdGuestTimeoutK", GuestTimeout},
                {tr("Next period"), "cmdNextPeriodK", NextPeriod},
                {tr("Previous period"), "cmdPreviousPeriodK", PreviousPeriod},
                {tr("Skip the break"), "cmdSkipBreakK", SkipBreak},
                {tr("New game"), "cmdNewGameK", NewGame}};
    int top = 300;
    for (const auto &row : rows) {
        auto *caption = new QLabel(row.caption, keys);
        caption->setGeometry(twipsRect(120, top, 1620, 330));
        auto *change = button(QString(), row.button, keys, twipsRect(1800, top, 555, 360));
        caption->setBuddy(change);
        m_keyLabels[row.function] = change;
        connect(change, &QPushButton::clicked, this, [this, f = row.function] { chooseKey(f); });
        top += 390;
    }
}

void OptionsDialog::createColorTab(QWidget *page)
{
    const struct
    {
        const char *caption, *frame, *swatch, *button;
        int left, top;
    } colors[] = {
        {QT_TR_NOOP("Background:"), "fraBackC", "picBackC", "cmdBackC", 120, 600},
        {QT_TR_NOOP("Home Color:"), "fraHomeC", "picHomeC", "cmdHomeC", 1800, 600},
        {QT_TR_NOOP("Guest Color:"), "fraGuestC", "picGuestC", "cmdGuestC", 1800, 1440},
        {QT_TR_NOOP("Section Color:"), "fraTextC", "picTextC", "cmdTextC", 1800, 2280},
        {QT_TR_NOOP("LED Time Color:"), "fraLedTimeC", "picLedTimeC", "cmdLedTimeC", 3480, 600},
        {QT_TR_NOOP("LED Score Color:"), "fraLedScoreC", "picLedScoreC", "cmdLedScoreC", 3480,
         1440},
        {QT_TR_NOOP("LED Back Color:"), "fraLedBackC", "picLedBackC", "cmdLedBackC", 3480, 2280}};
    for (const auto &c : colors) {
        QGroupBox *frame = group(tr(c.caption), c.frame, page, onPage(c.left, c.top, 1455, 735));
        auto *swatch = new Swatch(frame);
        swatch->setObjectName(QLatin1StringView(c.swatch));
        swatch->setGeometry(twipsRect(120, 240, 495, 375));
        swatch->setFocusPolicy(Qt::NoFocus);
        auto *change = button(tr("Change"), c.button, frame, twipsRect(600, 240, 735, 375));
        connect(change, &QPushButton::clicked, this, [this, swatch] { pickColor(swatch); });
    }
    auto *resetColorsButton =
        button(tr("Reset Colors"), "cmdResetColors", page, onPage(3720, 3120, 1215, 375));
    connect(resetColorsButton, &QPushButton::clicked, this, &OptionsDialog::resetColors);
}

void OptionsDialog::createTextTab(QWidget *page)
{
    const struct
    {
        const char *caption, *frame, *box;
        int top;
        qsizetype limit;
    } texts[] = {{QT_TR_NOOP("Home Team Name:"), "fraHomeText", "txtHomeText", 480,
                  SettingsLimits::TeamTextLength},
                 {QT_TR_NOOP("Guest Team Name:"), "fraGuestText", "txtGuestText", 1320,
                  SettingsLimits::TeamTextLength},
                 {QT_TR_NOOP("Section 1 Name:"), "Frame1", "txtSectText1", 2160,
                  SettingsLimits::SectionTextLength},
                 {QT_TR_NOOP("Section 2 Name:"), "Frame2", "txtSectText2", 3000,
                  SettingsLimits::SectionTextLength}};
    for (const auto &t : texts) {
        QGroupBox *frame = group(tr(t.caption), t.frame, page, onPage(240, t.top, 4575, 735));
        auto *box = new QLineEdit(frame);
        box->setObjectName(QLatin1StringView(t.box));
        box->setGeometry(twipsRect(120, 240, 4335, 375));
        box->setMaxLength(int(t.limit));
        box->setAlignment(Qt::AlignCenter);
        QFont font = box->font();
        font.setPointSizeF(9.75);
        box->setFont(font);
    }
    QGroupBox *credit =
        group(tr("Board Credit:"), "fraCreditText", page, onPage(4935, 480, 2055, 735));
    auto *creditBox = new QLineEdit(credit);
    creditBox->setObjectName(QStringLiteral("txtCreditText"));
    creditBox->setGeometry(twipsRect(120, 240, 1815, 375));
    creditBox->setMaxLength(int(SettingsLimits::CreditTextLength));
    creditBox->setAlignment(Qt::AlignCenter);
    creditBox->setPlaceholderText(tr("none on the board"));

    createLanguageChoice(page);

    m_homeText = findChild<QLineEdit *>(QStringLiteral("txtHomeText"));
    m_guestText = findChild<QLineEdit *>(QStringLiteral("txtGuestText"));
    connect(m_homeText, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_homePreview->setText(text);
        updatePreview();
    });
    connect(m_guestText, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_guestPreview->setText(text);
        updatePreview();
    });
}

void OptionsDialog::createLanguageChoice(QWidget *page)
{
    QGroupBox *frame = group(tr("Language:"), "fraLanguage", page, onPage(4935, 1320, 2055, 735));
    auto *languages = new QComboBox(frame);
    languages->setObjectName(QStringLiteral("cboLanguage"));
    languages->setGeometry(twipsRect(120, 240, 1815, 375));
    languages->setToolTip(tr("Takes effect when Corvella is next started."));
    languages->addItem(tr("Desktop's"), QString());
    // Each language by its own name, so that it can be found whatever the
    // language on show.
    QStringList codesShown = translatedLanguages();
    codesShown << QStringLiteral("en");
    QMap<QString, QString> codes;
    for (const QString &code : std::as_const(codesShown))
        codes.insert(languageName(code), code);
    for (auto it = codes.cbegin(); it != codes.cend(); ++it)
        languages->addItem(it.key(), it.value());
}

void OptionsDialog::createGameTab(QWidget *page)
{
    QGroupBox *clock = group(tr("Game Clock:"), "fraClockMode", page, onPage(240, 480, 4575, 1095));
    auto *countDown = new QCheckBox(tr("Count down from"), clock);
    countDown->setObjectName(QStringLiteral("chkCountDown"));
    countDown->setGeometry(twipsRect(120, 300, 1800, 375));
    auto *period = new QLineEdit(clock);
    period->setObjectName(QStringLiteral("txtPeriod"));
    period->setGeometry(twipsRect(1980, 300, 1000, 375));
    period->setAlignment(Qt::AlignCenter);
    // Typed like a clock entry: minutes, a point, seconds.
    period->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,2}(\\.\\d{0,2})?")), period));
    auto *unit = new QLabel(tr("minutes.seconds"), clock);
    unit->setGeometry(twipsRect(3060, 300, 1400, 375));
    auto *counting =
        new QLabel(tr("Unticked, the clock counts up to 99:59.9. Counting down, it stops at "
                      "0:00.0 and sounds the buzzer."),
                   clock);
    counting->setWordWrap(true);
    counting->setGeometry(twipsRect(120, 660, 4335, 400));

    QGroupBox *audience =
        group(tr("Audience Display (F2):"), "fraAudience", page, onPage(240, 1800, 4575, 735));
    auto *screen = new QSpinBox(audience);
    screen->setObjectName(QStringLiteral("spnAudienceScreen"));
    screen->setGeometry(twipsRect(120, 240, 1800, 375));
    screen->setRange(0, 9);
    screen->setSpecialValueText(tr("off"));
    screen->setPrefix(tr("on screen "));

    createPeriodsGroup(page);
    createTimeoutsGroup(page);
}

void OptionsDialog::createTimeoutsGroup(QWidget *page)
{
    QGroupBox *rules =
        group(tr("Timeouts and Fouls:"), "fraTimeouts", page, onPage(4935, 480, 2475, 3450));
    int top = 300;
    const auto row = [&](const QString &caption, QWidget *field, const char *name) {
        auto *label = new QLabel(caption, rules);
        label->setGeometry(twipsRect(120, top, 1080, 330));
        label->setBuddy(field);
        field->setObjectName(QLatin1StringView(name));
        field->setGeometry(twipsRect(1230, top, 1125, 330));
        top += 420;
    };
    auto *perGame = new QSpinBox(rules);
    perGame->setRange(0, SettingsDefaults::MaxTimeouts);
    perGame->setSpecialValueText(tr("none"));
    row(tr("Per game:"), perGame, "spnTimeoutsPerGame");
    auto *perHalf = new QLineEdit(rules);
    perHalf->setPlaceholderText(tr("2, 3"));
    perHalf->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-5, ]{0,20}")), perHalf));
    perHalf->setToolTip(tr("Per half instead: the first half's, then the second's"));
    row(tr("Per half:"), perHalf, "txtTimeoutsPerHalf");
    auto *length = new QLineEdit(rules);
    length->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,2}(\\.\\d{0,2})?")), length));
    length->setToolTip(tr("minutes.seconds"));
    row(tr("Length:"), length, "txtTimeoutLength");
    auto *role = new QComboBox(rules);
    role->addItem(tr("scores"), QStringLiteral("scores"));
    role->addItem(tr("fouls"), QStringLiteral("fouls"));
    row(tr("Section 2:"), role, "cboSection2Role");
    auto *reset = new QComboBox(rules);
    reset->addItem(tr("period"), QStringLiteral("period"));
    reset->addItem(tr("half"), QStringLiteral("half"));
    row(tr("Fouls reset:"), reset, "cboFoulsReset");
    auto *bonus = new QSpinBox(rules);
    bonus->setRange(0, 99);
    bonus->setSpecialValueText(tr("none"));
    row(tr("Bonus at:"), bonus, "spnFoulBonusAt");
    auto *digits = new QSpinBox(rules);
    digits->setRange(2, 3);
    row(tr("Score digits:"), digits, "spnScoreDigits");
}

void OptionsDialog::createPeriodsGroup(QWidget *page)
{
    QGroupBox *periods = group(tr("Periods:"), "fraPeriods", page, onPage(240, 2580, 4575, 1350));
    m_presets = new QComboBox(periods);
    m_presets->setObjectName(QStringLiteral("cboPreset"));
    m_presets->setGeometry(twipsRect(120, 240, 1900, 330));
    QStringList problems;
    m_presetList = Presets::load(Presets::userFolder(), &problems);
    for (const QString &problem : std::as_const(problems))
        std::fprintf(stderr, "corvella: %s\n", qPrintable(problem));
    for (const Preset &preset : std::as_const(m_presetList))
        m_presets->addItem(preset.title());
    m_presets->addItem(tr("Custom"));
    connect(m_presets, &QComboBox::activated, this, &OptionsDialog::applyPreset);

    auto *count = new QSpinBox(periods);
    count->setObjectName(QStringLiteral("spnPeriods"));
    count->setGeometry(twipsRect(2140, 240, 2300, 330));
    count->setRange(0, SettingsDefaults::MaxPeriods);
    count->setSpecialValueText(tr("no periods"));
    count->setSuffix(tr(" periods"));
    const auto lengths = [periods](const char *name, const QString &caption, int top) {
        auto *label = new QLabel(caption, periods);
        label->setGeometry(twipsRect(120, top, 1900, 330));
        auto *box = new QLineEdit(periods);
        box->setObjectName(QLatin1StringView(name));
        box->setGeometry(twipsRect(2140, top, 2300, 330));
        box->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9., ]{0,60}")), box));
        return box;
    };
    lengths("txtBreaks", tr("Breaks after them:"), 600);
    lengths("txtOvertime", tr("Overtime when level:"), 960)->setPlaceholderText(tr("none"));
}

// The preset the working copy's values are, or "Custom".
void OptionsDialog::showMatchingPreset()
{
    const Settings values = settings();
    const auto textOf = [&](const SettingsEntry &entry) {
        return std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(values.*member)>,
                                             QString>)
                    return values.*member;
                else
                    return QString::number(values.*member);
            },
            entry.member);
    };
    int match = int(m_presetList.size()); // Custom
    for (int i = 0; i < m_presetList.size() && match == m_presetList.size(); ++i) {
        bool same = true;
        for (const SettingsEntry &entry : settingsEntries()) {
            const QString key =
                QLatin1StringView(entry.group) + u'/' + QLatin1StringView(entry.key);
            const auto found = m_presetList.at(i).values.constFind(key);
            if (found != m_presetList.at(i).values.cend() &&
                found->trimmed() != textOf(entry).trimmed())
                same = false;
        }
        if (same)
            match = i;
    }
    m_presets->setCurrentIndex(match);
}

// Fills the fields the preset chosen sets; "Custom" leaves them for the
// operator.
void OptionsDialog::applyPreset(int index)
{
    if (index < 0 || index >= m_presetList.size())
        return;
    Settings values = settings();
    QList<SettingsEntry::Member> set;
    for (const SettingsEntry &entry : settingsEntries()) {
        const QString key = QLatin1StringView(entry.group) + u'/' + QLatin1StringView(entry.key);
        const auto found = m_presetList.at(index).values.constFind(key);
        if (found == m_presetList.at(index).values.cend())
            continue;
        set << entry.member;
        std::visit(
            [&](auto member) {
                using Value = std::remove_cvref_t<decltype(values.*member)>;
                if constexpr (std::is_same_v<Value, QString>)
                    values.*member = *found;
                else
                    values.*member = static_cast<Value>(found->toInt());
            },
            entry.member);
    }
    showFields(values, [&set](const Field &field) { return set.contains(field.member); });
}

void OptionsDialog::bindFields()
{
    const SettingsEntry::Member captionSize = &Settings::TeamSize;
    for (const SettingsEntry &entry : settingsEntries()) {
        QWidget *control = nullptr;
        if (const char *name = controlOfKey(entry.key)) {
            control = findChild<QWidget *>(QLatin1StringView(name));
            Q_ASSERT(control);
        } else if (entry.member != captionSize) {
            continue; // on an added page
        }
        m_fields.push_back({entry.member, control});
    }
}

void OptionsDialog::addPage(QWidget *page, const QString &title,
                            std::function<void(Settings &)> store)
{
    m_tabs->addTab(page, title);
    m_pageStores.push_back(std::move(store));
    fitTabs();
}

void OptionsDialog::showFields(const Settings &values,
                               const std::function<bool(const Field &)> &which)
{
    for (const Field &field : m_fields) {
        if (which(field))
            showField(field, values);
    }
}

int OptionsDialog::keyFunctionOf(const QWidget *control) const
{
    const auto found = std::find(m_keyLabels.begin(), m_keyLabels.end(), control);
    return found == m_keyLabels.end() ? -1 : int(found - m_keyLabels.begin());
}

void OptionsDialog::showField(const Field &field, const Settings &values)
{
    std::visit(
        [&](auto member) {
            const auto &value = values.*member;
            using Value = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, qint32>) {
                static_cast<PictureBox *>(field.control)->setBackColor(value);
            } else if constexpr (std::is_same_v<Value, qint16>) {
                if (const int function = keyFunctionOf(field.control); function >= 0)
                    setKey(KeyFunction(function), value);
                else if (auto *check = qobject_cast<QCheckBox *>(field.control))
                    check->setChecked(value != 0);
                else if (auto *spin = qobject_cast<QSpinBox *>(field.control))
                    spin->setValue(value);
                else if (auto *combo = qobject_cast<QComboBox *>(field.control))
                    combo->setCurrentIndex(value);
                else
                    m_tempSize = value;
            } else if (auto *box = qobject_cast<QLineEdit *>(field.control)) {
                box->setText(value);
            } else if (auto *choices = qobject_cast<QComboBox *>(field.control)) {
                choices->setCurrentIndex(std::max(0, choices->findData(value)));
            } else {
                setBuzzerFile(value);
            }
        },
        field.member);
}

void OptionsDialog::takeField(const Field &field, Settings &into) const
{
    std::visit(
        [&](auto member) {
            auto &value = into.*member;
            using Value = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, qint32>) {
                value = static_cast<const PictureBox *>(field.control)->backColor();
            } else if constexpr (std::is_same_v<Value, qint16>) {
                const int function = keyFunctionOf(field.control);
                if (function >= 0)
                    value = static_cast<qint16>(m_keys[function]);
                else if (auto *check = qobject_cast<const QCheckBox *>(field.control))
                    value = check->isChecked() ? 1 : 0;
                else if (auto *spin = qobject_cast<const QSpinBox *>(field.control))
                    value = static_cast<qint16>(spin->value());
                else if (auto *combo = qobject_cast<const QComboBox *>(field.control))
                    value = static_cast<qint16>(combo->currentIndex());
                else
                    value = m_tempSize;
            } else if (auto *box = qobject_cast<const QLineEdit *>(field.control)) {
                value = box->text();
            } else if (auto *choices = qobject_cast<const QComboBox *>(field.control)) {
                value = choices->currentData().toString();
            } else {
                value = m_buzzerTemp;
            }
        },
        field.member);
}

Settings OptionsDialog::settings() const
{
    Settings values = m_current;
    for (const Field &field : m_fields)
        takeField(field, values);
    for (const auto &store : m_pageStores)
        store(values);
    return values;
}

void OptionsDialog::setKey(KeyFunction function, int code)
{
    m_keys[function] = code;
    if (auto *label = qobject_cast<QLabel *>(m_keyLabels[function]))
        label->setText(keyDisplayName(code));
    else
        static_cast<QPushButton *>(m_keyLabels[function])->setText(keyDisplayName(code));
}

// The keys in use in the working copy: the original three always, those of
// periods and timeouts while the game has them.
QList<int> OptionsDialog::takenKeys() const
{
    QList<int> taken = {m_keys[StartStop], m_keys[Reset], m_keys[Buzzer]};
    if (findChild<QSpinBox *>(QStringLiteral("spnPeriods"))->value() > 0)
        taken << m_keys[NextPeriod] << m_keys[PreviousPeriod] << m_keys[SkipBreak]
              << m_keys[NewGame];
    const bool timeouts =
        findChild<QSpinBox *>(QStringLiteral("spnTimeoutsPerGame"))->value() > 0 ||
        !findChild<QLineEdit *>(QStringLiteral("txtTimeoutsPerHalf"))->text().trimmed().isEmpty();
    if (timeouts)
        taken << m_keys[HomeTimeout] << m_keys[GuestTimeout];
    return taken;
}

void OptionsDialog::chooseKey(KeyFunction function)
{
    const QString purposes[] = {tr("start / stop the clock"),
                                tr("reset the clock"),
                                tr("sound the buzzer"),
                                tr("start the home team's timeout"),
                                tr("start the guest team's timeout"),
                                tr("go to the next period"),
                                tr("go back a period"),
                                tr("skip the break"),
                                tr("start a new game")};
    KeyChoice choice{purposes[function], static_cast<qint16>(m_keys[function]), 0};
    // A key of its own is always taken by the key being changed.
    QList<int> taken = takenKeys();
    taken << m_keys[function];
    KeyChooser chooser(choice, taken, m_dialogs, this);
    chooser.exec();
    if (choice.chosenKey != 0)
        setKey(function, choice.chosenKey);
}

void OptionsDialog::pickColor(PictureBox *swatch)
{
    if (const auto chosen = m_dialogs.pickColor(this, fromBgr(swatch->backColor())))
        swatch->setBackColor(toBgr(*chosen));
}

QString OptionsDialog::displayPath(const QString &path)
{
    if (path.isEmpty())
        return tr("[No File Selected]");
    if (path.size() <= 50)
        return path;
    const QFileInfo file(path);
    const QString bareName = file.isFile() ? file.fileName() : QString();
    return path.left(10) + QStringLiteral(" ...") + QDir::separator() + bareName;
}

void OptionsDialog::setBuzzerFile(const QString &path)
{
    m_buzzerTemp = path;
    m_buzzerSoundLabel->setText(displayPath(path));
    m_buzzerSoundLabel->setToolTip(path);
}

void OptionsDialog::chooseBuzzerSound()
{
    const QString folder = m_buzzerTemp.isEmpty() ? QString() : QFileInfo(m_buzzerTemp).path();
    const QString chosen = m_dialogs.openFileName(this, tr("Sounds *.wav (*.wav)"), folder);
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile())
        return;
    // A file the buzzer cannot play would leave it silent at the game.
    if (const QString problem = soundFileProblem(chosen); !problem.isEmpty()) {
        m_dialogs.showWarning(this, QStringLiteral("Corvella"),
                              tr("This file cannot be played: ") + problem);
        return;
    }
    setBuzzerFile(chosen);
}

void OptionsDialog::testBuzzerSound()
{
    if (const QString problem = soundFileProblem(m_buzzerTemp); !problem.isEmpty()) {
        m_dialogs.showWarning(this, QStringLiteral("Corvella"),
                              tr("This file cannot be played: ") + problem);
        return;
    }
    stopTestSound();
    if (!m_makeSoundDevice)
        return;
    // A fresh device for every test: a device played a second time may stay
    // silent.
    SoundDevice *device = m_makeSoundDevice(this);
    m_testSound = device;
    connect(device, &SoundDevice::playbackFinished, device, &QObject::deleteLater);
    device->setFileName(m_buzzerTemp);
    device->open();
    device->play();
}

void OptionsDialog::stopTestSound()
{
    if (m_testSound)
        m_testSound->close();
}

void OptionsDialog::resetColors()
{
    showFields(defaultSettings(),
               [](const Field &field) { return qobject_cast<PictureBox *>(field.control); });
}

void OptionsDialog::resetKeys()
{
    showFields(defaultSettings(),
               [this](const Field &field) { return keyFunctionOf(field.control) >= 0; });
}

qint16 OptionsDialog::previewSize(const QString &home, const QString &guest)
{
    // Measured with font metrics rather than by laying out labels, so the
    // search neither pumps events nor re-enters itself while the operator types.
    // The width of the board's team caption panels, so a name that fits here
    // is not cut off there.
    const double maxWidth = 2295 / twipsPerPixel();
    const double maxHeight = 600 / twipsPerPixel();
    for (int size = 60; size >= 10; --size) {
        const QFontMetricsF metrics(previewFont(size));
        if (metrics.horizontalAdvance(home) < maxWidth &&
            metrics.horizontalAdvance(guest) < maxWidth && metrics.height() < maxHeight)
            return static_cast<qint16>(size);
    }
    return 9;
}

void OptionsDialog::updatePreview()
{
    m_tempSize = previewSize(m_homePreview->text(), m_guestPreview->text());
}

void OptionsDialog::saveAndClose()
{
    stopTestSound();
    // Keys chosen apart can meet when periods or timeouts are turned on
    // later, by hand or by a preset: the board would obey only one of them.
    const QList<int> taken = takenKeys();
    for (qsizetype i = 0; i < taken.size(); ++i) {
        if (taken.indexOf(taken[i]) != i) {
            m_tabs->setCurrentIndex(0);
            m_dialogs.showWarning(this, QStringLiteral("Corvella"),
                                  tr("Two commands share the key %1. Choose another key for one "
                                     "of them on the Keyboard tab.")
                                      .arg(keyDisplayName(taken[i])));
            return;
        }
    }
    if (!saveSettings(settings())) {
        m_dialogs.showWarning(this, QStringLiteral("Corvella"),
                              tr("The settings could not be saved. They apply until "
                                 "Corvella is closed, but will be lost then."));
    }
    accept();
}

void OptionsDialog::fitTabs()
{
    // The original tabs keep their places; the dialog grows to the right.
    const int wanted = m_tabs->tabBar()->sizeHint().width() + twipsToPixels(120);
    const int grow = wanted - m_tabs->width();
    if (grow <= 0)
        return;
    m_tabs->resize(m_tabs->width() + grow, m_tabs->height());
    setFixedSize(width() + grow, height());
}

void OptionsDialog::keyPressEvent(QKeyEvent *event)
{
    // Esc never closes the options, and Enter only where no text field takes
    // it: Ok, Cancel and the close box do.
    const QWidget *focused = focusWidget();
    const auto *combo = qobject_cast<const QComboBox *>(focused);
    const bool typing = qobject_cast<const QLineEdit *>(focused) ||
                        qobject_cast<const QAbstractSpinBox *>(focused) ||
                        (combo && combo->isEditable());
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (!typing)
            saveAndClose();
        return;
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
