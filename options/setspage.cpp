#include "options/setspage.h"

#include "game/gamerules.h"
#include "options/keyboardpage.h"
#include "options/keychooser.h"
#include "options/keyname.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace {

// The setting that holds each key, in the order of SetsPage::KeyFunction.
constexpr qint16 Settings::*keySettings[] = {&Settings::PointHomeKey, &Settings::PointGuestKey,
                                             &Settings::FirstServerKey};
static_assert(std::size(keySettings) == SetsPage::KeyFunctionCount);

} // namespace

SetsPage::SetsPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services),
      m_enabled(new QCheckBox(tr("The game is played in sets"))),
      m_clock(new QCheckBox(tr("The game clock shows the match time")))
{
    setObjectName(QStringLiteral("setsPage"));
    m_enabled->setObjectName(QStringLiteral("chkSets"));
    m_clock->setObjectName(QStringLiteral("chkSetsClock"));
    auto *form = new QFormLayout(this);
    form->addRow(m_enabled);
    const int maxPoints = SettingsDefaults::MaxSetPoints;
    addNumber("spnSetsToWin", tr("Sets to win:"), &Settings::SetsToWin, 1,
              SettingsDefaults::MaxSetsToWin);
    addNumber("spnPointsPerSet", tr("Points per set:"), &Settings::SetsPointsPerSet, 1, maxPoints);
    addNumber("spnLastSetPoints", tr("Points of the deciding set:"), &Settings::SetsLastSetPoints,
              1, maxPoints);
    addNumber("spnWinBy", tr("Won by a lead of:"), &Settings::SetsWinBy, 1, maxPoints);
    addNumber("spnCap", tr("A set ends at most at:"), &Settings::SetsCap, 0, maxPoints, tr("none"));
    addNumber("spnServeEvery", tr("The serve changes every:"), &Settings::SetsServeEvery, 0,
              maxPoints, tr("rally's winner serves"));
    addNumber("spnTimeoutsPerSet", tr("Timeouts per team and set:"), &Settings::SetsTimeoutsPerSet,
              0, SettingsDefaults::MaxTimeouts);
    addNumber("spnSwitchSides", tr("Switch sides every:"), &Settings::SetsSwitchSidesEvery, 0,
              maxPoints, tr("no hint"));
    addNumber("spnLastSetSwitchSides", tr("In the deciding set every:"),
              &Settings::SetsLastSetSwitchSidesEvery, 0, maxPoints, tr("no hint"));
    addNumber("spnIntervalAt", tr("Interval at:"), &Settings::SetsIntervalAt, 0, maxPoints,
              tr("no hint"));
    form->addRow(m_clock);
    const char *const captions[] = {QT_TR_NOOP("Point home key:"), QT_TR_NOOP("Point guest key:"),
                                    QT_TR_NOOP("First server key:")};
    const char *const names[] = {"cmdPointHomeK", "cmdPointGuestK", "cmdFirstServerK"};
    for (int function = 0; function < KeyFunctionCount; ++function) {
        auto *button = new QPushButton(this);
        button->setObjectName(QLatin1StringView(names[function]));
        connect(button, &QPushButton::clicked, this,
                [this, function] { chooseKey(KeyFunction(function)); });
        m_keyButtons[function] = button;
        form->addRow(tr(captions[function]), button);
    }
}

void SetsPage::addNumber(const char *name, const QString &caption, qint16 Settings::*setting,
                         int least, int most, const QString &none)
{
    auto *box = new QSpinBox(this);
    box->setObjectName(QLatin1StringView(name));
    box->setRange(least, most);
    if (!none.isEmpty())
        box->setSpecialValueText(none);
    static_cast<QFormLayout *>(layout())->addRow(caption, box);
    m_numbers.push_back({box, setting});
}

QString SetsPage::title() const
{
    return tr("Sets");
}

void SetsPage::load(const Settings &settings)
{
    m_enabled->setChecked(settings.SetsEnabled != 0);
    m_clock->setChecked(settings.SetsClock != 0);
    for (Number &number : m_numbers) {
        number.loaded = settings.*number.setting;
        number.box->setValue(number.loaded);
    }
    for (int function = 0; function < KeyFunctionCount; ++function)
        setKey(KeyFunction(function), settings.*keySettings[function]);
}

void SetsPage::store(Settings &settings) const
{
    settings.SetsEnabled = m_enabled->isChecked() ? 1 : 0;
    settings.SetsClock = m_clock->isChecked() ? 1 : 0;
    for (const Number &number : m_numbers) {
        settings.*number.setting =
            number.changed() ? static_cast<qint16>(number.box->value()) : number.loaded;
    }
    for (int function = 0; function < KeyFunctionCount; ++function)
        settings.*keySettings[function] = static_cast<qint16>(m_keys[function]);
}

bool SetsPage::Number::changed() const
{
    return box->value() != std::clamp<int>(loaded, box->minimum(), box->maximum());
}

const SetsPage::Number &SetsPage::number(qint16 Settings::*setting) const
{
    return *std::find_if(m_numbers.cbegin(), m_numbers.cend(),
                         [setting](const Number &n) { return n.setting == setting; });
}

// A value that came in from the store goes back as it was: only what the
// operator set here is refused.
OptionsPage::Refusal SetsPage::refusal() const
{
    const Number &cap = number(&Settings::SetsCap);
    const Number &points = number(&Settings::SetsPointsPerSet);
    const Number &lastPoints = number(&Settings::SetsLastSetPoints);
    if (!cap.changed() && !points.changed() && !lastPoints.changed())
        return {};
    Settings values;
    store(values);
    if (const QString why =
            setsCapRefusal(values.SetsCap, values.SetsPointsPerSet, values.SetsLastSetPoints);
        !why.isEmpty())
        return {why, cap.box};
    return {};
}

void SetsPage::setKey(KeyFunction function, int code)
{
    m_keys[function] = code;
    m_keyButtons[function]->setText(keyDisplayName(code));
}

void SetsPage::chooseKey(KeyFunction function)
{
    const QString purposes[] = {tr("give the home team a point"), tr("give the guest team a point"),
                                tr("switch the first server")};
    KeyChoice choice{purposes[function], static_cast<qint16>(m_keys[function]), 0};
    QList<int> taken = KeyboardPage::keysInUse(m_services.workingCopy());
    // Its own keys are taken among themselves, whether sets are on yet or not.
    for (const int key : m_keys)
        taken << key;
    KeyChooser chooser(choice, taken, m_services.dialogs, this);
    chooser.exec();
    if (choice.chosenKey != 0)
        setKey(function, choice.chosenKey);
}
