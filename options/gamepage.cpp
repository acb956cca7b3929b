#include "options/gamepage.h"

#include "display/twips.h"
#include "game/gamerules.h"
#include "settings/appsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace {

// A box for the number `setting` holds, in its declared range.
QSpinBox *spinBox(const char *name, qint16 Settings::*setting, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1StringView(name));
    const SettingsEntry &declared = settingsEntry(setting);
    box->setRange(declared.least, declared.most);
    return box;
}

QLineEdit *lineEdit(const char *name, int maxLength, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1StringView(name));
    box->setMaxLength(maxLength);
    return box;
}

QComboBox *choices(const char *name, const QList<std::pair<QString, const char *>> &items,
                   QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1StringView(name));
    for (const auto &[shown, stored] : items)
        box->addItem(shown, QLatin1StringView(stored));
    return box;
}

QGroupBox *groupBox(const QString &caption, const char *name, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1StringView(name));
    return box;
}

} // namespace

GamePage::GamePage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services)
{
    setObjectName(QStringLiteral("gamePage"));
    auto *layout = new QGridLayout(this);
    auto *column = new QVBoxLayout;
    createClockGroup(column);
    createAudienceGroup(column);
    createPeriodsGroup(column);
    column->addStretch(1);
    layout->addLayout(column, 0, 0);
    createTimeoutsGroup(layout);
    followRuleEdits();
}

// The list of presets names the rules as they stand, "Custom" once they
// are no preset's.
void GamePage::followRuleEdits()
{
    const auto rematch = [this] {
        if (m_loading)
            return;
        Settings values = m_loaded;
        store(values);
        showMatchingPreset(values);
    };
    for (QLineEdit *box :
         {m_periodLength, m_breaks, m_overtime, m_timeoutsPerHalf, m_timeoutLength})
        connect(box, &QLineEdit::textEdited, this, rematch);
    for (QSpinBox *box : {m_periods, m_timeoutsPerGame, m_foulBonusAt, m_scoreDigits})
        connect(box, &QSpinBox::valueChanged, this, rematch);
    for (QComboBox *box : {m_section2Role, m_foulsReset})
        connect(box, &QComboBox::currentIndexChanged, this, rematch);
    connect(m_countDown, &QCheckBox::toggled, this, rematch);
}

QString GamePage::title() const
{
    return tr("Game");
}

void GamePage::createClockGroup(QVBoxLayout *column)
{
    QGroupBox *clock = groupBox(tr("Game Clock:"), "fraClockMode", this);
    auto *rows = new QGridLayout(clock);
    m_countDown = new QCheckBox(tr("Count down from"), clock);
    m_countDown->setObjectName(QStringLiteral("chkCountDown"));
    // Typed like a clock entry: minutes, a point, seconds.
    m_periodLength = lineEdit("txtPeriod", 8, clock);
    m_periodLength->setAlignment(Qt::AlignCenter);
    m_periodLength->setMaximumWidth(twipsToPixels(1000));
    auto *unit = new QLabel(tr("minutes.seconds"), clock);
    auto *counting =
        new QLabel(tr("Unticked, the clock counts up to 99:59.9. Counting down, it stops at "
                      "0:00.0 and sounds the buzzer."),
                   clock);
    counting->setWordWrap(true);
    rows->addWidget(m_countDown, 0, 0);
    rows->addWidget(m_periodLength, 0, 1);
    rows->addWidget(unit, 0, 2);
    rows->addWidget(counting, 1, 0, 1, 3);
    rows->setColumnStretch(2, 1);
    column->addWidget(clock);
}

void GamePage::createAudienceGroup(QVBoxLayout *column)
{
    QGroupBox *audience = groupBox(tr("Audience Display (F2):"), "fraAudience", this);
    m_audienceScreen = spinBox("spnAudienceScreen", &Settings::AudienceScreen, audience);
    m_audienceScreen->setSpecialValueText(tr("off"));
    m_audienceScreen->setPrefix(tr("on screen "));
    auto *row = new QHBoxLayout(audience);
    row->addWidget(m_audienceScreen);
    row->addStretch(1);
    column->addWidget(audience);
}

void GamePage::createPeriodsGroup(QVBoxLayout *column)
{
    QGroupBox *periods = groupBox(tr("Periods:"), "fraPeriods", this);
    auto *rows = new QFormLayout(periods);
    m_presets = new QComboBox(periods);
    m_presets->setObjectName(QStringLiteral("cboPreset"));
    QStringList problems;
    m_presetList = Presets::load(Presets::userFolder(), &problems);
    for (const QString &problem : std::as_const(problems))
        std::fprintf(stderr, "corvella: %s\n", qPrintable(problem));
    for (const Preset &preset : std::as_const(m_presetList))
        m_presets->addItem(preset.title());
    m_presets->addItem(tr("Custom"));
    connect(m_presets, &QComboBox::activated, this, &GamePage::choosePreset);

    m_periods = spinBox("spnPeriods", &Settings::Periods, periods);
    m_periods->setSpecialValueText(tr("no periods"));
    m_periods->setSuffix(tr(" periods"));
    rows->addRow(m_presets, m_periods);
    m_breaks = lineEdit("txtBreaks", 60, periods);
    rows->addRow(tr("Breaks after them:"), m_breaks);
    m_overtime = lineEdit("txtOvertime", 8, periods);
    m_overtime->setPlaceholderText(tr("none"));
    rows->addRow(tr("Overtime when level:"), m_overtime);
    column->addWidget(periods);
}

void GamePage::createTimeoutsGroup(QGridLayout *layout)
{
    QGroupBox *rules = groupBox(tr("Timeouts and Fouls:"), "fraTimeouts", this);
    auto *rows = new QFormLayout(rules);
    m_timeoutsPerGame = spinBox("spnTimeoutsPerGame", &Settings::TimeoutsPerGame, rules);
    m_timeoutsPerGame->setSpecialValueText(tr("none"));
    rows->addRow(tr("Per game:"), m_timeoutsPerGame);
    m_timeoutsPerHalf = lineEdit("txtTimeoutsPerHalf", 20, rules);
    m_timeoutsPerHalf->setPlaceholderText(tr("2, 3"));
    m_timeoutsPerHalf->setToolTip(tr("Per half instead: the first half's, then the second's"));
    rows->addRow(tr("Per half:"), m_timeoutsPerHalf);
    m_timeoutLength = lineEdit("txtTimeoutLength", 8, rules);
    m_timeoutLength->setToolTip(tr("minutes.seconds"));
    rows->addRow(tr("Length:"), m_timeoutLength);
    m_section2Role =
        choices("cboSection2Role",
                {{tr("scores"), "scores"}, {tr("fouls"), "fouls"}, {tr("none"), "none"}}, rules);
    rows->addRow(tr("Section 2:"), m_section2Role);
    m_foulsReset =
        choices("cboFoulsReset", {{tr("period"), "period"}, {tr("half"), "half"}}, rules);
    rows->addRow(tr("Fouls reset:"), m_foulsReset);
    m_foulBonusAt = spinBox("spnFoulBonusAt", &Settings::FoulBonusAt, rules);
    m_foulBonusAt->setSpecialValueText(tr("none"));
    rows->addRow(tr("Bonus at:"), m_foulBonusAt);
    m_scoreDigits = spinBox("spnScoreDigits", &Settings::ScoreDigits, rules);
    rows->addRow(tr("Score digits:"), m_scoreDigits);
    layout->addWidget(rules, 0, 1, Qt::AlignTop);
}

void GamePage::load(const Settings &settings)
{
    m_loaded = settings;
    m_loading = true;
    m_countDown->setChecked(settings.CountDown != 0);
    m_periodLength->setText(settings.PeriodLength);
    m_audienceScreen->setValue(settings.AudienceScreen);
    m_periods->setValue(settings.Periods);
    m_breaks->setText(settings.BreakLengths);
    m_overtime->setText(settings.OvertimeLength);
    m_timeoutsPerGame->setValue(settings.TimeoutsPerGame);
    m_timeoutsPerHalf->setText(settings.TimeoutsPerHalf);
    m_timeoutLength->setText(settings.TimeoutLength);
    m_section2Role->setCurrentIndex(std::max(0, m_section2Role->findData(settings.Section2Role)));
    m_foulsReset->setCurrentIndex(std::max(0, m_foulsReset->findData(settings.FoulsReset)));
    m_foulBonusAt->setValue(settings.FoulBonusAt);
    m_scoreDigits->setValue(settings.ScoreDigits);
    m_loading = false;
    showMatchingPreset(settings);
}

void GamePage::store(Settings &settings) const
{
    settings.CountDown = m_countDown->isChecked() ? 1 : 0;
    settings.PeriodLength = m_periodLength->text();
    settings.AudienceScreen = static_cast<qint16>(m_audienceScreen->value());
    settings.Periods = static_cast<qint16>(m_periods->value());
    settings.BreakLengths = m_breaks->text();
    settings.OvertimeLength = m_overtime->text();
    settings.TimeoutsPerGame = static_cast<qint16>(m_timeoutsPerGame->value());
    settings.TimeoutsPerHalf = m_timeoutsPerHalf->text();
    settings.TimeoutLength = m_timeoutLength->text();
    settings.Section2Role = m_section2Role->currentData().toString();
    settings.FoulsReset = m_foulsReset->currentData().toString();
    settings.FoulBonusAt = static_cast<qint16>(m_foulBonusAt->value());
    settings.ScoreDigits = static_cast<qint16>(m_scoreDigits->value());
}

// A value that came in from the store goes back as it was: only what the
// operator typed here is refused.
OptionsPage::Refusal GamePage::refusal() const
{
    const struct
    {
        QStringView key;
        QLineEdit *field;
        QString Settings::*setting;
    } typed[] = {{u"PeriodLength", m_periodLength, &Settings::PeriodLength},
                 {u"BreakLengths", m_breaks, &Settings::BreakLengths},
                 {u"OvertimeLength", m_overtime, &Settings::OvertimeLength},
                 {u"TimeoutsPerHalf", m_timeoutsPerHalf, &Settings::TimeoutsPerHalf},
                 {u"TimeoutLength", m_timeoutLength, &Settings::TimeoutLength}};
    for (const auto &[key, field, setting] : typed) {
        if (field->text() == m_loaded.*setting)
            continue;
        if (const QString why = ruleRefusal(key, field->text()); !why.isEmpty())
            return {why, field};
    }
    return {};
}

// The first preset whose rules the values are, or "Custom".
void GamePage::showMatchingPreset(const Settings &values)
{
    qsizetype match = m_presetList.size();
    for (qsizetype i = 0; i < m_presetList.size() && match == m_presetList.size(); ++i) {
        if (Presets::rulesMatch(m_presetList.at(i), values))
            match = i;
    }
    m_presets->setCurrentIndex(int(match));
}

// "Custom" leaves the rules for the operator. A preset's rules may lie on
// other pages than this, so every page is shown them.
void GamePage::choosePreset(int index)
{
    if (index < 0 || index >= m_presetList.size())
        return;
    emit valuesChosen(
        Presets::apply(m_presetList.at(index), m_presetList, m_services.workingCopy()));
}
