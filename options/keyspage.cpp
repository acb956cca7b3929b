#include "options/keyspage.h"

#include "options/settingrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

KeysPage::KeysPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services)
{
    setObjectName(QStringLiteral("keysPage"));
    auto *page = new QVBoxLayout(this);
    page->addWidget(createGameKeys());
    page->addWidget(createTypingChoices());
    page->addStretch(1);
}

QString KeysPage::title() const
{
    return tr("Keys");
}

// Each button shows its key and changes it.
QWidget *KeysPage::createGameKeys()
{
    auto *keys = new QGroupBox(tr("Game Keys:"), this);
    keys->setObjectName(QStringLiteral("fraGameKeys"));
    auto *rows = new QFormLayout(keys);
    rows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    // Whether periods and timeouts use their keys is decided on another
    // page, and the clock's and the buzzer's keys in the options.
    m_keys = new SettingRows(m_services, rows, SettingRows::OwnKeys::TakenWhenInUse);
    using S = Settings;
    m_keys->addKey(&S::HomeTimeoutKey, "cmdHomeTimeoutK", tr("Home timeout"),
                   tr("start the home team's timeout"));
    m_keys->addKey(&S::GuestTimeoutKey, "cmdGuestTimeoutK", tr("Guest timeout"),
                   tr("start the guest team's timeout"));
    m_keys->addKey(&S::NextPeriodKey, "cmdNextPeriodK", tr("Next period"),
                   tr("go to the next period"));
    m_keys->addKey(&S::PreviousPeriodKey, "cmdPreviousPeriodK", tr("Previous period"),
                   tr("go back a period"));
    m_keys->addKey(&S::SkipBreakKey, "cmdSkipBreakK", tr("Skip the break"), tr("skip the break"));
    m_keys->addKey(&S::NewGameKey, "cmdNewGameK", tr("New game"), tr("start a new game"));
    m_keys->addKey(&S::MuteKey, "cmdMuteK", tr("Sound off/on"), tr("turn the sound off or on"));
    m_keys->addKey(&S::ShortHornKey, "cmdShortHornK", tr("Short horn"), tr("sound a short horn"));
    auto *reset = new QPushButton(tr("Reset Keys"), keys);
    reset->setObjectName(QStringLiteral("cmdResetGameKeys"));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, m_keys, &SettingRows::resetKeys);
    rows->addRow(QString(), reset);
    return keys;
}

QWidget *KeysPage::createTypingChoices()
{
    auto *typing = new QGroupBox(tr("Typing:"), this);
    typing->setObjectName(QStringLiteral("fraTyping"));
    auto *choices = new QVBoxLayout(typing);
    m_wholeScores = new QCheckBox(tr("Type whole scores: digits, then Enter"), typing);
    m_wholeScores->setObjectName(QStringLiteral("chkWholeScore"));
    choices->addWidget(m_wholeScores);

    auto *hints = new QHBoxLayout;
    auto *hintsLabel = new QLabel(tr("Operator's hints:"), typing);
    m_hints = new QComboBox(typing);
    m_hints->setObjectName(QStringLiteral("cboOperatorHints"));
    // In the order of the setting's values.
    m_hints->addItems({tr("with the audience display"), tr("always"), tr("never")});
    hintsLabel->setBuddy(m_hints);
    hints->addWidget(hintsLabel);
    hints->addWidget(m_hints);
    hints->addStretch(1);
    choices->addLayout(hints);
    return typing;
}

void KeysPage::load(const Settings &settings)
{
    m_keys->load(settings);
    m_wholeScores->setChecked(settings.WholeScoreEntry != 0);
    m_hints->setCurrentIndex(settings.OperatorHints);
}

void KeysPage::store(Settings &settings) const
{
    m_keys->store(settings);
    settings.WholeScoreEntry = m_wholeScores->isChecked() ? 1 : 0;
    settings.OperatorHints = static_cast<qint16>(m_hints->currentIndex());
}
