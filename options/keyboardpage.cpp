#include "options/keyboardpage.h"

#include "display/twips.h"
#include "options/keychooser.h"
#include "options/keyname.h"
#include "platform/dialogs.h"
#include "platform/sounddevice.h"
#include "platform/soundfilecheck.h"
#include "settings/appsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The setting that holds each key, in the order of KeyboardPage::KeyFunction.
constexpr qint16 Settings::*keySettings[] = {
    &Settings::StartStopClockKey, &Settings::ResetClockKey,   &Settings::BuzzerKey,
    &Settings::HomeTimeoutKey,    &Settings::GuestTimeoutKey, &Settings::NextPeriodKey,
    &Settings::PreviousPeriodKey, &Settings::SkipBreakKey,    &Settings::NewGameKey};
static_assert(std::size(keySettings) == KeyboardPage::KeyFunctionCount);

} // namespace

KeyboardPage::KeyboardPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services)
{
    setObjectName(QStringLiteral("keyboardPage"));
    createKeyGroups();
    createBuzzerSound();
    auto *resetKeysButton =
        button(tr("Reset Keys"), "cmdResetKeys", this, onPage(3720, 3120, 1215, 375));
    connect(resetKeysButton, &QPushButton::clicked, this, &KeyboardPage::resetKeys);

    QGridLayout *layout = layoutAroundOriginalArea();
    createGameKeys(layout);
    createTypingChoices(layout);
}

KeyboardPage::~KeyboardPage()
{
    stopTestSound();
}

QString KeyboardPage::title() const
{
    return tr("Keyboard Controls");
}

void KeyboardPage::createKeyGroups()
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
        QGroupBox *frame = group(tr(k.caption), k.frame, this, onPage(k.left, 480, 1455, 975));
        auto *change = button(tr("Change"), k.button, frame, twipsRect(120, 240, 1215, 375));
        m_keyLabels[k.function] = framedLabel(k.label, frame, twipsRect(120, 600, 1215, 255));
        connect(change, &QPushButton::clicked, this, [this, f = k.function] { chooseKey(f); });
    }
}

void KeyboardPage::createBuzzerSound()
{
    QGroupBox *sound =
        group(tr("Buzzer Sound"), "fraBuzzerSound", this, onPage(120, 1680, 4815, 855));
    auto *chooseSoundButton =
        button(tr("Change"), "cmdBuzzerSound", sound, twipsRect(120, 240, 735, 495));
    m_buzzerSoundLabel = framedLabel("lblBuzzerSound", sound, twipsRect(840, 240, 3135, 495));
    auto *testSoundButton =
        button(tr("Test"), "cmdTestSound", sound, twipsRect(4020, 240, 675, 495));
    connect(chooseSoundButton, &QPushButton::clicked, this, &KeyboardPage::chooseBuzzerSound);
    connect(testSoundButton, &QPushButton::clicked, this, &KeyboardPage::testBuzzerSound);
}

// The keys of periods and timeouts, beside the original three: each button
// shows its key and changes it.
void KeyboardPage::createGameKeys(QGridLayout *layout)
{
    auto *keys = new QGroupBox(tr("Game Keys:"), this);
    keys->setObjectName(QStringLiteral("fraGameKeys"));
    auto *rows = new QGridLayout(keys);
    const struct
    {
        QString caption;
        const char *button;
        KeyFunction function;
    } functions[] = {{tr("Home timeout"), "cmdHomeTimeoutK", HomeTimeout},
                     {tr("Guest timeout"), "cmdGuestTimeoutK", GuestTimeout},
                     {tr("Next period"), "cmdNextPeriodK", NextPeriod},
                     {tr("Previous period"), "cmdPreviousPeriodK", PreviousPeriod},
                     {tr("Skip the break"), "cmdSkipBreakK", SkipBreak},
                     {tr("New game"), "cmdNewGameK", NewGame}};
    for (const auto &row : functions) {
        auto *caption = new QLabel(row.caption, keys);
        auto *change = new QPushButton(keys);
        change->setObjectName(QLatin1StringView(row.button));
        change->setAutoDefault(false);
        change->setMinimumWidth(twipsToPixels(555));
        caption->setBuddy(change);
        m_keyLabels[row.function] = change;
        const int at = rows->rowCount();
        rows->addWidget(caption, at, 0);
        rows->addWidget(change, at, 1);
        connect(change, &QPushButton::clicked, this, [this, f = row.function] { chooseKey(f); });
    }
    rows->setRowStretch(rows->rowCount(), 1);
    layout->addWidget(keys, 0, 1, 2, 1);
}

void KeyboardPage::createTypingChoices(QGridLayout *layout)
{
    // Indented like the key groups above them.
    auto *choices = new QVBoxLayout;
    choices->setContentsMargins(twipsToPixels(120), 0, 0, 0);
    m_wholeScores = new QCheckBox(tr("Type whole scores: digits, then Enter"), this);
    m_wholeScores->setObjectName(QStringLiteral("chkWholeScore"));
    choices->addWidget(m_wholeScores);

    auto *hints = new QHBoxLayout;
    auto *hintsLabel = new QLabel(tr("Operator's hints:"), this);
    m_hints = new QComboBox(this);
    m_hints->setObjectName(QStringLiteral("cboOperatorHints"));
    // In the order of the setting's values.
    m_hints->addItems({tr("with the audience display"), tr("always"), tr("never")});
    hintsLabel->setBuddy(m_hints);
    hints->addWidget(hintsLabel);
    hints->addWidget(m_hints, 1);
    choices->addLayout(hints);
    layout->addLayout(choices, 1, 0);
    layout->setRowStretch(2, 1);
}

void KeyboardPage::load(const Settings &settings)
{
    for (int function = 0; function < KeyFunctionCount; ++function)
        setKey(KeyFunction(function), settings.*keySettings[function]);
    setBuzzerFile(settings.BuzzerFile);
    m_wholeScores->setChecked(settings.WholeScoreEntry != 0);
    m_hints->setCurrentIndex(settings.OperatorHints);
}

void KeyboardPage::store(Settings &settings) const
{
    for (int function = 0; function < KeyFunctionCount; ++function)
        settings.*keySettings[function] = static_cast<qint16>(m_keys[function]);
    settings.BuzzerFile = m_buzzerFile;
    settings.WholeScoreEntry = m_wholeScores->isChecked() ? 1 : 0;
    settings.OperatorHints = static_cast<qint16>(m_hints->currentIndex());
}

QList<int> KeyboardPage::keysInUse(const Settings &settings)
{
    const bool sets = settings.SetsEnabled != 0;
    QList<int> taken = {settings.StartStopClockKey, settings.ResetClockKey, settings.BuzzerKey};
    if (settings.Periods > 0)
        taken << settings.NextPeriodKey << settings.PreviousPeriodKey << settings.SkipBreakKey;
    if (settings.Periods > 0 || sets)
        taken << settings.NewGameKey;
    // In sets the timeouts are counted per set, whatever the periods' say.
    const bool timeouts =
        sets ? settings.SetsTimeoutsPerSet > 0
             : settings.TimeoutsPerGame > 0 || !settings.TimeoutsPerHalf.trimmed().isEmpty();
    if (timeouts)
        taken << settings.HomeTimeoutKey << settings.GuestTimeoutKey;
    if (settings.ShotClockEnabled != 0)
        taken << settings.ShotClockResetKey << settings.ShotClockShortKey
              << settings.ShotClockHoldKey << settings.ShotClockBlankKey << settings.PossessionKey;
    if (settings.PlayersEnabled != 0 && !sets)
        taken << settings.PlayerFoulKey << settings.PenaltyKey;
    if (sets)
        taken << settings.PointHomeKey << settings.PointGuestKey << settings.FirstServerKey;
    return taken;
}

void KeyboardPage::setKey(KeyFunction function, int code)
{
    m_keys[function] = code;
    if (auto *label = qobject_cast<QLabel *>(m_keyLabels[function]))
        label->setText(keyDisplayName(code));
    else
        static_cast<QPushButton *>(m_keyLabels[function])->setText(keyDisplayName(code));
}

void KeyboardPage::chooseKey(KeyFunction function)
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
    // Whether periods and timeouts use their keys is decided on another page.
    QList<int> taken = keysInUse(m_services.workingCopy());
    // A key of its own is always taken by the key being changed.
    taken << m_keys[function];
    KeyChooser chooser(choice, taken, m_services.dialogs, this);
    chooser.exec();
    if (choice.chosenKey != 0)
        setKey(function, choice.chosenKey);
}

void KeyboardPage::resetKeys()
{
    Settings defaults = defaultSettings();
    for (int function = 0; function < KeyFunctionCount; ++function)
        setKey(KeyFunction(function), defaults.*keySettings[function]);
}

QString KeyboardPage::displayPath(const QString &path)
{
    if (path.isEmpty())
        return tr("[No File Selected]");
    if (path.size() <= 50)
        return path;
    const QFileInfo file(path);
    const QString bareName = file.isFile() ? file.fileName() : QString();
    return path.left(10) + QStringLiteral(" ...") + QDir::separator() + bareName;
}

void KeyboardPage::setBuzzerFile(const QString &path)
{
    m_buzzerFile = path;
    m_buzzerSoundLabel->setText(displayPath(path));
    m_buzzerSoundLabel->setToolTip(path);
}

void KeyboardPage::chooseBuzzerSound()
{
    const QString folder = m_buzzerFile.isEmpty() ? QString() : QFileInfo(m_buzzerFile).path();
    const QString chosen =
        m_services.dialogs.openFileName(this, tr("Sounds *.wav (*.wav)"), folder);
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile())
        return;
    // A file the buzzer cannot play would leave it silent at the game.
    if (const QString problem = soundFileProblem(chosen); !problem.isEmpty()) {
        m_services.dialogs.showWarning(this, QStringLiteral("Corvella"),
                                       tr("This file cannot be played: ") + problem);
        return;
    }
    setBuzzerFile(chosen);
}

void KeyboardPage::testBuzzerSound()
{
    if (const QString problem = soundFileProblem(m_buzzerFile); !problem.isEmpty()) {
        m_services.dialogs.showWarning(this, QStringLiteral("Corvella"),
                                       tr("This file cannot be played: ") + problem);
        return;
    }
    stopTestSound();
    if (!m_services.makeSoundDevice)
        return;
    // A fresh device for every test: a device played a second time may stay
    // silent.
    SoundDevice *device = m_services.makeSoundDevice(this);
    m_testSound = device;
    connect(device, &SoundDevice::playbackFinished, device, &QObject::deleteLater);
    device->setFileName(m_buzzerFile);
    device->open();
    device->play();
}

void KeyboardPage::stopTestSound()
{
    if (m_testSound)
        m_testSound->close();
}
