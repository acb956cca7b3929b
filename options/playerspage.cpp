#include "options/playerspage.h"

#include "game/gamerules.h"
#include "options/keyboardpage.h"
#include "options/keychooser.h"
#include "options/keyname.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr qint16 Settings::*keySettings[] = {&Settings::PlayerFoulKey, &Settings::PenaltyKey};
static_assert(std::size(keySettings) == PlayersPage::KeyFunctionCount);

} // namespace

PlayersPage::PlayersPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services),
      m_enabled(new QCheckBox(tr("The board follows the players"))), m_foulLimit(new QSpinBox),
      m_lengths(new QLineEdit),
      m_endsOnGoal(new QCheckBox(tr("A goal conceded ends the oldest 2:00 penalty"))),
      m_disqualify(new QSpinBox)
{
    setObjectName(QStringLiteral("playersPage"));
    m_enabled->setObjectName(QStringLiteral("chkPlayers"));
    m_foulLimit->setObjectName(QStringLiteral("spnPlayerFoulLimit"));
    m_foulLimit->setRange(0, SettingsDefaults::MaxPlayerCount);
    m_foulLimit->setSpecialValueText(tr("none"));
    m_lengths->setObjectName(QStringLiteral("edtPenaltyLengths"));
    m_lengths->setPlaceholderText(QStringLiteral("2.00, 5.00, 10.00"));
    m_endsOnGoal->setObjectName(QStringLiteral("chkPenaltyEndsOnGoal"));
    m_disqualify->setObjectName(QStringLiteral("spnSuspensionsToDisqualify"));
    m_disqualify->setRange(0, SettingsDefaults::MaxPlayerCount);
    m_disqualify->setSpecialValueText(tr("none"));

    auto *form = new QFormLayout(this);
    form->addRow(m_enabled);
    form->addRow(tr("Fouls that put a player out:"), m_foulLimit);
    form->addRow(tr("Penalty lengths (minutes.seconds):"), m_lengths);
    form->addRow(m_endsOnGoal);
    form->addRow(tr("Penalties that disqualify:"), m_disqualify);
    const char *const captions[] = {QT_TR_NOOP("Player's foul key:"), QT_TR_NOOP("Penalty key:")};
    const char *const names[] = {"cmdPlayerFoulK", "cmdPenaltyK"};
    for (int function = 0; function < KeyFunctionCount; ++function) {
        auto *button = new QPushButton(this);
        button->setObjectName(QLatin1StringView(names[function]));
        connect(button, &QPushButton::clicked, this,
                [this, function] { chooseKey(KeyFunction(function)); });
        m_keyButtons[function] = button;
        form->addRow(tr(captions[function]), button);
    }
}

QString PlayersPage::title() const
{
    return tr("Players");
}

void PlayersPage::load(const Settings &settings)
{
    m_enabled->setChecked(settings.PlayersEnabled != 0);
    m_foulLimit->setValue(settings.PlayerFoulLimit);
    m_lengths->setText(settings.PenaltyLengths);
    m_endsOnGoal->setChecked(settings.PenaltyEndsOnGoal != 0);
    m_disqualify->setValue(settings.SuspensionsToDisqualify);
    for (int function = 0; function < KeyFunctionCount; ++function)
        setKey(KeyFunction(function), settings.*keySettings[function]);
}

void PlayersPage::store(Settings &settings) const
{
    settings.PlayersEnabled = m_enabled->isChecked() ? 1 : 0;
    settings.PlayerFoulLimit = static_cast<qint16>(m_foulLimit->value());
    settings.PenaltyLengths = m_lengths->text().trimmed();
    settings.PenaltyEndsOnGoal = m_endsOnGoal->isChecked() ? 1 : 0;
    settings.SuspensionsToDisqualify = static_cast<qint16>(m_disqualify->value());
    for (int function = 0; function < KeyFunctionCount; ++function)
        settings.*keySettings[function] = static_cast<qint16>(m_keys[function]);
}

OptionsPage::Refusal PlayersPage::refusal() const
{
    if (const QString why = ruleRefusal(u"PenaltyLengths", m_lengths->text()); !why.isEmpty())
        return {why, m_lengths};
    return {};
}

void PlayersPage::setKey(KeyFunction function, int code)
{
    m_keys[function] = code;
    m_keyButtons[function]->setText(keyDisplayName(code));
}

void PlayersPage::chooseKey(KeyFunction function)
{
    const QString purposes[] = {tr("enter a player's foul"), tr("enter a penalty")};
    KeyChoice choice{purposes[function], static_cast<qint16>(m_keys[function]), 0};
    QList<int> taken = KeyboardPage::keysInUse(m_services.workingCopy());
    for (const int key : m_keys)
        taken << key;
    KeyChooser chooser(choice, taken, m_services.dialogs, this);
    chooser.exec();
    if (choice.chosenKey != 0)
        setKey(function, choice.chosenKey);
}
