#include "options/keyboardpage.h"

#include "display/twips.h"
#include "options/keychooser.h"
#include "options/keyname.h"
#include "platform/dialogs.h"
#include "platform/soundfilecheck.h"
#include "settings/appsettings.h"
#include "settings/commandkeys.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The setting that holds each key, in the order of KeyboardPage::KeyFunction.
constexpr qint16 Settings::*keySettings[] = {&Settings::StartStopClockKey, &Settings::ResetClockKey,
                                             &Settings::BuzzerKey};
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
    layoutAroundOriginalArea();
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
    m_buzzerSoundLabel = framedLabel("lblBuzzerSound", sound, twipsRect(840, 240, 3855, 495));
    connect(chooseSoundButton, &QPushButton::clicked, this, &KeyboardPage::chooseBuzzerSound);
}

void KeyboardPage::load(const Settings &settings)
{
    for (int function = 0; function < KeyFunctionCount; ++function)
        setKey(KeyFunction(function), settings.*keySettings[function]);
    setBuzzerFile(settings.BuzzerFile);
}

void KeyboardPage::store(Settings &settings) const
{
    for (int function = 0; function < KeyFunctionCount; ++function)
        settings.*keySettings[function] = static_cast<qint16>(m_keys[function]);
    settings.BuzzerFile = m_buzzerFile;
}

void KeyboardPage::setKey(KeyFunction function, int code)
{
    m_keys[function] = code;
    m_keyLabels[function]->setText(keyDisplayName(code));
}

void KeyboardPage::chooseKey(KeyFunction function)
{
    const QString purposes[] = {tr("start / stop the clock"), tr("reset the clock"),
                                tr("sound the buzzer")};
    // Whether periods and timeouts use their keys is decided in the settings.
    QList<int> taken = keysInUse(m_services.workingCopy());
    // A key of its own is always taken by the key being changed.
    taken << m_keys[function];
    if (const int chosen = KeyChooser::choose(purposes[function], m_keys[function], taken,
                                              m_services.dialogs, this))
        setKey(function, chosen);
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
