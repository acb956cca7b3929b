#include "scoreboard/teamchooser.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>

TeamChooser::TeamChooser(const QList<Team> &library, const QString &folder,
                         const GameSides &current, QWidget *parent)
    : QDialog(parent), m_library(library), m_folder(folder)
{
    setObjectName(QStringLiteral("frmTeams"));
    setWindowTitle(tr("Teams"));
    m_home = sideBox(current.at(0));
    m_home->setObjectName(QStringLiteral("cboHomeTeam"));
    m_guest = sideBox(current.at(1));
    m_guest->setObjectName(QStringLiteral("cboGuestTeam"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Home:"), m_home);
    form->addRow(tr("Guest:"), m_guest);
    form->addRow(buttons);
    m_home->setFocus();
}

QComboBox *TeamChooser::sideBox(const GameSide &current)
{
    auto *box = new QComboBox(this);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(24);
    for (const Team &team : std::as_const(m_library))
        box->addItem(team.name);
    // Any part of a name finds it, not only its start: "Neu" and "stadt" both.
    box->completer()->setFilterMode(Qt::MatchContains);
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    box->setCurrentText(current.team ? current.team->name : current.caption);
    return box;
}

GameSides TeamChooser::sides() const
{
    return {sideNamed(m_home->currentText(), m_library, m_folder),
            sideNamed(m_guest->currentText(), m_library, m_folder)};
}
