#include "options/keyspage.h"

#include "display/twips.h"
#include "options/keyboardpage.h"
#include "options/keychooser.h"
#include "options/keyname.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The setting that holds each key, in the order of KeysPage::KeyFunction.
constexpr qint16 Settings::*keySettings[] = {
    &Settings::HomeTimeoutKey,    &Settings::GuestTimeoutKey, &Settings::NextPeriodKey,
    &Settings::PreviousPeriodKey, &Settings::SkipBreakKey,    &Settings::NewGameKey};
static_assert(std::size(keySettings) == KeysPage::KeyFunctionCount);

} // namespace

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
        m_keyButtons[row.function] = change;
        const int at = rows->rowCount();
        rows->addWidget(caption, at, 0);
        rows->addWidget(change, at, 1);
        connect(change, &QPushButton::clicked, this, [this, f = row.function] { chooseKey(f); });
    }
    auto *reset = new QPushButton(tr("Reset Keys"), keys);
    reset->setObjectName(QStringLiteral("cmdResetGameKeys"));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &KeysPage::resetKeys);
    rows->addWidget(reset, rows->rowCount(), 1);
    rows->setColumnStretch(2, 1);
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
    for (int function = 0; function < KeyFunctionCount; ++function)
        setKey(KeyFunction(function), settings.*keySettings[function]);
    m_wholeScores->setChecked(settings.WholeScoreEntry != 0);
    m_hints->setCurrentIndex(settings.OperatorHints);
}

void KeysPage::store(Settings &settings) const
{
    for (int function = 0; function < KeyFunctionCount; ++function)
        settings.*keySettings[function] = static_cast<qint16>(m_keys[function]);
    settings.WholeScoreEntry = m_wholeScores->isChecked() ? 1 : 0;
    settings.OperatorHints = static_cast<qint16>(m_hints->currentIndex());
}

void KeysPage::setKey(KeyFunction function, int code)
{
    m_keys[function] = code;
    m_keyButtons[function]->setText(keyDisplayName(code));
}

void KeysPage::chooseKey(KeyFunction function)
{
    const QString purposes[] = {tr("start the home team's timeout"),
                                tr("start the guest team's timeout"),
                                tr("go to the next period"),
                                tr("go back a period"),
                                tr("skip the break"),
                                tr("start a new game")};
    KeyChoice choice{purposes[function], static_cast<qint16>(m_keys[function]), 0};
    // Whether periods and timeouts use their keys is decided on another page,
    // and the clock's and the buzzer's keys in the options.
    QList<int> taken = KeyboardPage::keysInUse(m_services.workingCopy());
    // A key of its own is always taken by the key being changed.
    taken << m_keys[function];
    KeyChooser chooser(choice, taken, m_services.dialogs, this);
    chooser.exec();
    if (choice.chosenKey != 0)
        setKey(function, choice.chosenKey);
}

void KeysPage::resetKeys()
{
    const Settings defaults = defaultSettings();
    for (int function = 0; function < KeyFunctionCount; ++function)
        setKey(KeyFunction(function), defaults.*keySettings[function]);
}
