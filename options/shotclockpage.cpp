#include "options/shotclockpage.h"

#include "options/keyboardpage.h"
#include "options/keychooser.h"
#include "options/keyname.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace {

// The setting that holds each key, in the order of ShotClockPage::KeyFunction.
constexpr qint16 Settings::*keySettings[] = {
    &Settings::ShotClockResetKey, &Settings::ShotClockShortKey, &Settings::ShotClockHoldKey,
    &Settings::ShotClockBlankKey, &Settings::PossessionKey};
static_assert(std::size(keySettings) == ShotClockPage::KeyFunctionCount);

// A stored value the box cannot show goes back as it was, unless changed.
qint16 storedValue(const QSpinBox *box, qint16 loaded)
{
    const int shown = std::clamp<int>(loaded, box->minimum(), box->maximum());
    return box->value() == shown ? loaded : static_cast<qint16>(box->value());
}

} // namespace

ShotClockPage::ShotClockPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services),
      m_enabled(new QCheckBox(tr("The board has a shot clock"))), m_length(new QSpinBox),
      m_shortLength(new QSpinBox),
      m_linked(new QCheckBox(tr("It runs only while the game clock runs"))),
      m_stopGame(new QCheckBox(tr("The game clock stops when it runs out"))),
      m_resetOnScore(new QCheckBox(tr("A goal resets it"))), m_sound(new QLineEdit)
{
    setObjectName(QStringLiteral("shotClockPage"));
    m_enabled->setObjectName(QStringLiteral("chkShotClock"));
    m_length->setObjectName(QStringLiteral("spnShotClockLength"));
    m_length->setRange(1, SettingsDefaults::MaxShotClockSeconds);
    m_length->setSuffix(tr(" s"));
    m_shortLength->setObjectName(QStringLiteral("spnShotClockShort"));
    m_shortLength->setRange(0, SettingsDefaults::MaxShotClockSeconds);
    m_shortLength->setSuffix(tr(" s"));
    m_shortLength->setSpecialValueText(tr("none"));
    m_linked->setObjectName(QStringLiteral("chkShotClockLinked"));
    m_stopGame->setObjectName(QStringLiteral("chkShotClockStopsGame"));
    m_resetOnScore->setObjectName(QStringLiteral("chkShotClockResetOnScore"));
    m_sound->setObjectName(QStringLiteral("edtShotClockSound"));
    m_sound->setPlaceholderText(tr("the built-in horn"));

    auto *form = new QFormLayout(this);
    form->addRow(m_enabled);
    form->addRow(tr("Length:"), m_length);
    form->addRow(tr("Short length:"), m_shortLength);
    form->addRow(m_linked);
    form->addRow(m_stopGame);
    form->addRow(m_resetOnScore);
    form->addRow(tr("Horn (sound file):"), m_sound);
    const char *const captions[] = {QT_TR_NOOP("Reset key:"), QT_TR_NOOP("Short reset key:"),
                                    QT_TR_NOOP("Hold / release key:"), QT_TR_NOOP("Dark key:"),
                                    QT_TR_NOOP("Possession arrow key:")};
    const char *const names[] = {"cmdShotClockResetK", "cmdShotClockShortK", "cmdShotClockHoldK",
                                 "cmdShotClockBlankK", "cmdPossessionK"};
    for (int function = 0; function < KeyFunctionCount; ++function) {
        auto *button = new QPushButton(this);
        button->setObjectName(QLatin1StringView(names[function]));
        connect(button, &QPushButton::clicked, this,
                [this, function] { chooseKey(KeyFunction(function)); });
        m_keyButtons[function] = button;
        form->addRow(tr(captions[function]), button);
    }
}

QString ShotClockPage::title() const
{
    return tr("Shot Clock");
}

void ShotClockPage::load(const Settings &settings)
{
    m_enabled->setChecked(settings.ShotClockEnabled != 0);
    m_loadedLength = settings.ShotClockLength;
    m_loadedShort = settings.ShotClockShortLength;
    m_length->setValue(settings.ShotClockLength);
    m_shortLength->setValue(settings.ShotClockShortLength);
    m_linked->setChecked(settings.ShotClockLinked != 0);
    m_stopGame->setChecked(settings.ShotClockStopGameAtZero != 0);
    m_resetOnScore->setChecked(settings.ShotClockResetOnScore != 0);
    m_sound->setText(settings.ShotClockSound);
    for (int function = 0; function < KeyFunctionCount; ++function)
        setKey(KeyFunction(function), settings.*keySettings[function]);
}

void ShotClockPage::store(Settings &settings) const
{
    settings.ShotClockEnabled = m_enabled->isChecked() ? 1 : 0;
    settings.ShotClockLength = storedValue(m_length, m_loadedLength);
    settings.ShotClockShortLength = storedValue(m_shortLength, m_loadedShort);
    settings.ShotClockLinked = m_linked->isChecked() ? 1 : 0;
    settings.ShotClockStopGameAtZero = m_stopGame->isChecked() ? 1 : 0;
    settings.ShotClockResetOnScore = m_resetOnScore->isChecked() ? 1 : 0;
    settings.ShotClockSound = m_sound->text();
    for (int function = 0; function < KeyFunctionCount; ++function)
        settings.*keySettings[function] = static_cast<qint16>(m_keys[function]);
}

void ShotClockPage::setKey(KeyFunction function, int code)
{
    m_keys[function] = code;
    m_keyButtons[function]->setText(keyDisplayName(code));
}

void ShotClockPage::chooseKey(KeyFunction function)
{
    const QString purposes[] = {tr("reset the shot clock"), tr("reset the shot clock short"),
                                tr("hold or release the shot clock"),
                                tr("make the shot clock dark"), tr("switch the possession arrow")};
    KeyChoice choice{purposes[function], static_cast<qint16>(m_keys[function]), 0};
    QList<int> taken = KeyboardPage::keysInUse(m_services.workingCopy());
    // Its own keys are taken among themselves, whether it is on yet or not.
    for (const int key : m_keys)
        taken << key;
    KeyChooser chooser(choice, taken, m_services.dialogs, this);
    chooser.exec();
    if (choice.chosenKey != 0)
        setKey(function, choice.chosenKey);
}
