#pragma once

#include "options/optionspage.h"
#include "teams/team.h"

#include <QList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// The club's teams: each one's name, short name, colours, logo and players.
// They live in files of their own, written when the options are saved.
class TeamsPage : public OptionsPage
{
    Q_OBJECT

public:
    TeamsPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &) const override {}
    Refusal refusal() const override;
    QString saveFiles() override;

    // Where the teams are kept; the library's own folder unless a test says.
    void setFolder(const QString &folder);

private:
    // A team as the page edits it, and what it was called on disk.
    struct Entry
    {
        Team team;
        QString savedName; // empty for a team not yet written
        QString newLogo;   // a chosen file, copied into the folder on saving
        bool changed = false;
    };

    void readLibrary();
    void showTeams();
    void showEntry();
    Entry *current();
    void edited();
    void addTeam();
    void removeTeam();
    void chooseColor(bool text);
    void chooseLogo();
    void clearLogo();
    void addPlayer();
    void removePlayer();
    void importRoster();
    void playersEdited();
    void showColor(QPushButton *button, const QColor &color);
    void showLogo(const Entry &entry);

    const OptionsServices &m_services;
    QString m_folder;
    bool m_read = false;
    bool m_showing = false;
    QList<Entry> m_entries;
    QStringList m_removed;
    QListWidget *m_list;
    QWidget *m_form;
    QLineEdit *m_name;
    QLineEdit *m_short;
    QPushButton *m_color;
    QPushButton *m_textColor;
    QLabel *m_logo;
    QTableWidget *m_players;
    QLabel *m_notes;
};
