#pragma once

#include "options/optionspage.h"

#include <vector>

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The rows of a page that lists declared settings: a tick box for a switch,
// a number box in the setting's declared range, a text box, and a key button
// that shows its key and opens the key chooser. The page names the settings
// and words the rows; the rows load and store them.
class SettingRows : public QObject
{
    Q_OBJECT

public:
    // Whether a row's key is refused to the page's other key rows even where
    // the board does not obey them yet (a part of the game turned off).
    enum class OwnKeys { TakenAmongThemselves, TakenWhenInUse };

    SettingRows(const OptionsServices &services, QFormLayout *form, OwnKeys ownKeys);

    QCheckBox *addSwitch(qint16 Settings::*setting, const char *name, const QString &text);
    // `none` names the least value, where it means none.
    QSpinBox *addNumber(qint16 Settings::*setting, const char *name, const QString &caption,
                        const QString &none = {});
    QLineEdit *addText(QString Settings::*setting, const char *name, const QString &caption);
    // `purpose` completes the chooser's "Press the key you would like to ...".
    QPushButton *addKey(qint16 Settings::*setting, const char *name, const QString &caption,
                        const QString &purpose);

    void load(const Settings &settings);
    void store(Settings &settings) const;
    // Whether the operator changed the row of `setting` since it was loaded.
    bool changed(SettingsEntry::Member setting) const;
    QWidget *field(SettingsEntry::Member setting) const;
    // The key rows take their declared defaults.
    void resetKeys();

private:
    struct Row
    {
        SettingsEntry::Member setting;
        QWidget *field;
        QString purpose;
    };

    const Row &row(SettingsEntry::Member setting) const;
    void chooseKey(const Row &row);
    void showKey(const Row &row, int code);
    QList<int> keysTaken(const Row &changing) const;

    OptionsServices m_services;
    QFormLayout *m_form;
    OwnKeys m_ownKeys;
    std::vector<Row> m_rows;
    // The values loaded: one a box cannot show goes back as it was, unless changed.
    Settings m_loaded;
    // The key each key button shows, by setting.
    Settings m_keys;
};

// A page that is a list of setting rows, one setting a row.
class RowsPage : public OptionsPage
{
    Q_OBJECT

public:
    RowsPage(const OptionsServices &services, SettingRows::OwnKeys ownKeys, QWidget *parent);

    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

protected:
    SettingRows &rows() const { return *m_rows; }

private:
    SettingRows *m_rows;
};
