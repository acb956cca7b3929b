#include "options/settingrows.h"

#include "display/twips.h"
#include "options/keychooser.h"
#include "options/keyname.h"
#include "settings/commandkeys.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

SettingRows::SettingRows(const OptionsServices &services, QFormLayout *form, OwnKeys ownKeys)
    : QObject(form), m_services(services), m_form(form), m_ownKeys(ownKeys)
{
}

QCheckBox *SettingRows::addSwitch(qint16 Settings::*setting, const char *name, const QString &text)
{
    auto *box = new QCheckBox(text, m_form->parentWidget());
    box->setObjectName(QLatin1StringView(name));
    m_form->addRow(box);
    m_rows.push_back({setting, box, {}});
    return box;
}

QSpinBox *SettingRows::addNumber(qint16 Settings::*setting, const char *name,
                                 const QString &caption, const QString &none)
{
    const SettingsEntry &declared = settingsEntry(setting);
    auto *box = new QSpinBox(m_form->parentWidget());
    box->setObjectName(QLatin1StringView(name));
    box->setRange(declared.least, declared.most);
    if (!none.isEmpty())
        box->setSpecialValueText(none);
    m_form->addRow(caption, box);
    m_rows.push_back({setting, box, {}});
    return box;
}

QLineEdit *SettingRows::addText(QString Settings::*setting, const char *name,
                                const QString &caption)
{
    auto *box = new QLineEdit(m_form->parentWidget());
    box->setObjectName(QLatin1StringView(name));
    if (const qsizetype most = settingsEntry(setting).maxLength(); most > 0)
        box->setMaxLength(int(most));
    m_form->addRow(caption, box);
    m_rows.push_back({setting, box, {}});
    return box;
}

QPushButton *SettingRows::addKey(qint16 Settings::*setting, const char *name,
                                 const QString &caption, const QString &purpose)
{
    auto *button = new QPushButton(m_form->parentWidget());
    button->setObjectName(QLatin1StringView(name));
    button->setAutoDefault(false); // Enter does not press a button here
    button->setMinimumWidth(twipsToPixels(555));
    m_form->addRow(caption, button);
    m_rows.push_back({setting, button, purpose});
    const qsizetype index = qsizetype(m_rows.size()) - 1;
    connect(button, &QPushButton::clicked, this, [this, index] { chooseKey(m_rows[index]); });
    return button;
}

void SettingRows::load(const Settings &settings)
{
    m_loaded = settings;
    for (const Row &r : m_rows) {
        if (auto *check = qobject_cast<QCheckBox *>(r.field))
            check->setChecked(settings.*std::get<qint16 Settings::*>(r.setting) != 0);
        else if (auto *spin = qobject_cast<QSpinBox *>(r.field))
            spin->setValue(settings.*std::get<qint16 Settings::*>(r.setting));
        else if (auto *text = qobject_cast<QLineEdit *>(r.field))
            text->setText(settings.*std::get<QString Settings::*>(r.setting));
        else
            showKey(r, settings.*std::get<qint16 Settings::*>(r.setting));
    }
}

void SettingRows::store(Settings &settings) const
{
    for (const Row &r : m_rows) {
        if (const auto *text = qobject_cast<const QLineEdit *>(r.field)) {
            const auto member = std::get<QString Settings::*>(r.setting);
            settings.*member = changed(member) ? text->text().trimmed() : m_loaded.*member;
            continue;
        }
        const auto member = std::get<qint16 Settings::*>(r.setting);
        if (const auto *check = qobject_cast<const QCheckBox *>(r.field))
            settings.*member = check->isChecked() ? 1 : 0;
        else if (const auto *spin = qobject_cast<const QSpinBox *>(r.field))
            settings.*member = changed(member) ? qint16(spin->value()) : m_loaded.*member;
        else
            settings.*member = m_keys.*member;
    }
}

bool SettingRows::changed(SettingsEntry::Member setting) const
{
    const Row &r = row(setting);
    if (const auto *text = qobject_cast<const QLineEdit *>(r.field))
        return text->text() != m_loaded.*std::get<QString Settings::*>(setting);
    const qint16 loaded = m_loaded.*std::get<qint16 Settings::*>(setting);
    if (const auto *spin = qobject_cast<const QSpinBox *>(r.field))
        return spin->value() != std::clamp<int>(loaded, spin->minimum(), spin->maximum());
    if (const auto *check = qobject_cast<const QCheckBox *>(r.field))
        return check->isChecked() != (loaded != 0);
    return m_keys.*std::get<qint16 Settings::*>(setting) != loaded;
}

QWidget *SettingRows::field(SettingsEntry::Member setting) const
{
    return row(setting).field;
}

const SettingRows::Row &SettingRows::row(SettingsEntry::Member setting) const
{
    const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                    [&](const Row &r) { return r.setting == setting; });
    Q_ASSERT(found != m_rows.cend());
    return *found;
}

void SettingRows::resetKeys()
{
    const Settings defaults = defaultSettings();
    for (const Row &r : m_rows) {
        if (!r.purpose.isEmpty())
            showKey(r, defaults.*std::get<qint16 Settings::*>(r.setting));
    }
}

void SettingRows::showKey(const Row &row, int code)
{
    m_keys.*std::get<qint16 Settings::*>(row.setting) = qint16(code);
    // A command with no key yet, like the sound's, takes no character.
    static_cast<QPushButton *>(row.field)->setText(code == 0 ? tr("none") : keyDisplayName(code));
}

// The keys the board obeys with the values of every page, and those of the
// page's own rows that must differ from the one being changed.
QList<int> SettingRows::keysTaken(const Row &changing) const
{
    QList<int> taken = keysInUse(m_services.workingCopy());
    for (const Row &r : m_rows) {
        const bool own = &r == &changing || m_ownKeys == OwnKeys::TakenAmongThemselves;
        if (!r.purpose.isEmpty() && own)
            taken << m_keys.*std::get<qint16 Settings::*>(r.setting);
    }
    return taken;
}

void SettingRows::chooseKey(const Row &row)
{
    const auto member = std::get<qint16 Settings::*>(row.setting);
    if (const int chosen = KeyChooser::choose(row.purpose, m_keys.*member, keysTaken(row),
                                              m_services.dialogs, m_form->parentWidget()))
        showKey(row, chosen);
}

RowsPage::RowsPage(const OptionsServices &services, SettingRows::OwnKeys ownKeys, QWidget *parent)
    : OptionsPage(parent), m_rows(new SettingRows(services, new QFormLayout(this), ownKeys))
{
}

void RowsPage::load(const Settings &settings)
{
    m_rows->load(settings);
}

void RowsPage::store(Settings &settings) const
{
    m_rows->store(settings);
}
