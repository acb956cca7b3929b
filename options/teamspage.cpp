#include "options/teamspage.h"

#include "platform/dialogs.h"
#include "teams/imagefile.h"
#include "teams/teamlibrary.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int LogoPreviewPixels = 48;
constexpr int MaxNotesShown = 3;

QPushButton *named(QPushButton *button, const char *name)
{
    button->setObjectName(QLatin1StringView(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TeamsPage::TeamsPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services), m_folder(TeamLibrary::defaultFolder()),
      m_list(new QListWidget), m_form(new QWidget), m_name(new QLineEdit), m_short(new QLineEdit),
      m_color(named(new QPushButton, "btnTeamColor")),
      m_textColor(named(new QPushButton, "btnTeamTextColor")), m_logo(new QLabel),
      m_players(new QTableWidget(0, 2)), m_notes(new QLabel(this))
{
    setObjectName(u"teamsPage"_s);
    m_list->setObjectName(u"lstTeams"_s);
    m_name->setObjectName(u"edtTeamName"_s);
    m_short->setObjectName(u"edtTeamShort"_s);
    m_short->setMaxLength(Team::MaxShortLength);
    m_logo->setObjectName(u"lblTeamLogo"_s);
    m_logo->setFixedSize(LogoPreviewPixels * 2, LogoPreviewPixels);
    m_players->setObjectName(u"tblPlayers"_s);
    m_players->setHorizontalHeaderLabels({tr("Number"), tr("Name")});
    m_players->horizontalHeader()->setStretchLastSection(true);
    m_players->verticalHeader()->hide();

    auto *add = named(new QPushButton(tr("Add")), "btnAddTeam");
    auto *remove = named(new QPushButton(tr("Remove")), "btnRemoveTeam");
    auto *teamButtons = new QHBoxLayout;
    teamButtons->addWidget(add);
    teamButtons->addWidget(remove);
    auto *left = new QVBoxLayout;
    left->addWidget(m_list);
    left->addLayout(teamButtons);

    auto *colors = new QHBoxLayout;
    colors->addWidget(m_color);
    colors->addWidget(new QLabel(tr("Text:")));
    colors->addWidget(m_textColor);
    colors->addStretch();
    auto *chooseLogoButton = named(new QPushButton(tr("Choose...")), "btnTeamLogo");
    auto *noLogo = named(new QPushButton(tr("None")), "btnTeamNoLogo");
    auto *logo = new QHBoxLayout;
    logo->addWidget(m_logo);
    logo->addWidget(chooseLogoButton);
    logo->addWidget(noLogo);
    logo->addStretch();
    auto *addPlayerButton = named(new QPushButton(tr("Add player")), "btnAddPlayer");
    auto *removePlayerButton = named(new QPushButton(tr("Remove player")), "btnRemovePlayer");
    auto *import = named(new QPushButton(tr("Import CSV...")), "btnImportRoster");
    auto *playerButtons = new QHBoxLayout;
    playerButtons->addWidget(addPlayerButton);
    playerButtons->addWidget(removePlayerButton);
    playerButtons->addWidget(import);
    auto *form = new QFormLayout(m_form);
    form->addRow(tr("Name:"), m_name);
    form->addRow(tr("Short name:"), m_short);
    form->addRow(tr("Colour:"), colors);
    form->addRow(tr("Logo:"), logo);
    form->addRow(tr("Players:"), m_players);
    form->addRow(playerButtons);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(m_form, 2);
    m_notes->setObjectName(u"lblTeamNotes"_s);
    m_notes->setWordWrap(true);
    m_notes->hide();
    auto *page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addWidget(m_notes);

    connect(m_list, &QListWidget::currentRowChanged, this, &TeamsPage::showEntry);
    connect(add, &QPushButton::clicked, this, &TeamsPage::addTeam);
    connect(remove, &QPushButton::clicked, this, &TeamsPage::removeTeam);
    connect(m_name, &QLineEdit::textEdited, this, &TeamsPage::edited);
    connect(m_short, &QLineEdit::textEdited, this, &TeamsPage::edited);
    connect(m_color, &QPushButton::clicked, this, [this] { chooseColor(false); });
    connect(m_textColor, &QPushButton::clicked, this, [this] { chooseColor(true); });
    connect(chooseLogoButton, &QPushButton::clicked, this, &TeamsPage::chooseLogo);
    connect(noLogo, &QPushButton::clicked, this, &TeamsPage::clearLogo);
    connect(addPlayerButton, &QPushButton::clicked, this, &TeamsPage::addPlayer);
    connect(removePlayerButton, &QPushButton::clicked, this, &TeamsPage::removePlayer);
    connect(import, &QPushButton::clicked, this, &TeamsPage::importRoster);
    connect(m_players, &QTableWidget::itemChanged, this, &TeamsPage::playersEdited);
}

QString TeamsPage::title() const
{
    return tr("Teams");
}

void TeamsPage::setFolder(const QString &folder)
{
    m_folder = folder;
    m_read = false;
    readLibrary();
}

// The library is read once: a preset chosen on another page reloads every
// page, and must not throw away the teams being edited here.
void TeamsPage::load(const Settings &)
{
    if (!m_read)
        readLibrary();
}

void TeamsPage::readLibrary()
{
    m_read = true;
    m_entries.clear();
    m_removed.clear();
    QStringList problems;
    for (const Team &team : TeamLibrary::load(m_folder, &problems))
        m_entries.append({team, team.name, {}, false});
    // What the library could not keep as written (a name cut, a logo left
    // out) is told here too, not only on stderr.
    m_notes->setText(problems.mid(0, MaxNotesShown).join(u'\n') +
                     (problems.size() > MaxNotesShown
                          ? u'\n' + tr("and %1 more").arg(problems.size() - MaxNotesShown)
                          : QString()));
    m_notes->setVisible(!problems.isEmpty());
    showTeams();
}

void TeamsPage::showTeams()
{
    const int row = m_list->currentRow();
    m_showing = true;
    m_list->clear();
    for (const Entry &entry : std::as_const(m_entries))
        m_list->addItem(entry.team.name);
    m_showing = false;
    m_list->setCurrentRow(m_entries.isEmpty() ? -1 : std::clamp(row, 0, int(m_entries.size()) - 1));
    showEntry();
}

TeamsPage::Entry *TeamsPage::current()
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_entries.size() ? &m_entries[row] : nullptr;
}

void TeamsPage::showEntry()
{
    if (m_showing)
        return;
    const Entry *entry = current();
    m_form->setEnabled(entry);
    m_showing = true;
    const Team team = entry ? entry->team : Team{};
    m_name->setText(team.name);
    m_short->setText(team.shortName);
    showColor(m_color, team.color);
    showColor(m_textColor, team.textColor);
    m_players->setRowCount(0);
    for (const Player &player : team.players) {
        const int row = m_players->rowCount();
        m_players->insertRow(row);
        m_players->setItem(row, 0, new QTableWidgetItem(player.number));
        m_players->setItem(row, 1, new QTableWidgetItem(player.name));
    }
    m_showing = false;
    showLogo(entry ? *entry : Entry{});
}

void TeamsPage::edited()
{
    Entry *entry = current();
    if (m_showing || !entry)
        return;
    entry->team.name = m_name->text().trimmed();
    entry->team.shortName = m_short->text().trimmed();
    entry->changed = true;
    if (QListWidgetItem *item = m_list->currentItem())
        item->setText(entry->team.name);
}

void TeamsPage::addTeam()
{
    m_entries.append({Team{tr("New team"), {}, {}, {}, {}, {}}, {}, {}, true});
    m_list->addItem(m_entries.last().team.name);
    m_list->setCurrentRow(int(m_entries.size()) - 1);
    m_name->setFocus();
    m_name->selectAll();
}

void TeamsPage::removeTeam()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_entries.size())
        return;
    if (!m_entries[row].savedName.isEmpty())
        m_removed.append(m_entries[row].savedName);
    m_entries.removeAt(row);
    showTeams();
}

void TeamsPage::chooseColor(bool text)
{
    Entry *entry = current();
    if (!entry)
        return;
    QColor &color = text ? entry->team.textColor : entry->team.color;
    const QColor initial = color.isValid() ? color : QColor(text ? Qt::white : Qt::black);
    if (const std::optional<QColor> chosen = m_services.dialogs.pickColor(this, initial)) {
        color = *chosen;
        entry->changed = true;
        showColor(text ? m_textColor : m_color, color);
    }
}

void TeamsPage::chooseLogo()
{
    Entry *entry = current();
    if (!entry)
        return;
    const QString path =
        m_services.dialogs.openFileName(this, tr("Images (*.png *.jpg *.jpeg *.svg)"), QString());
    if (path.isEmpty())
        return;
    if (const QString why = ImageFile::refusal(path); !why.isEmpty()) {
        m_services.dialogs.showWarning(this, u"Corvella"_s,
                                       tr("This logo cannot be used: %1.").arg(why));
        return;
    }
    entry->newLogo = path;
    entry->changed = true;
    showLogo(*entry);
}

void TeamsPage::clearLogo()
{
    if (Entry *entry = current()) {
        entry->team.logo.clear();
        entry->newLogo.clear();
        entry->changed = true;
        showLogo(*entry);
    }
}

void TeamsPage::addPlayer()
{
    if (!current())
        return;
    const int row = m_players->rowCount();
    m_players->insertRow(row);
    m_players->setCurrentCell(row, 0);
    m_players->editItem(m_players->item(row, 0));
}

void TeamsPage::removePlayer()
{
    const int row = m_players->currentRow();
    if (row >= 0) {
        m_players->removeRow(row);
        playersEdited();
    }
}

void TeamsPage::importRoster()
{
    Entry *entry = current();
    if (!entry)
        return;
    const QString path =
        m_services.dialogs.openFileName(this, tr("Rosters (*.csv *.txt)"), QString());
    if (path.isEmpty())
        return;
    QStringList problems;
    const QList<Player> players = TeamLibrary::readRoster(path, &problems);
    if (!problems.isEmpty())
        m_services.dialogs.showWarning(this, u"Corvella"_s, problems.join(u'\n'));
    if (players.isEmpty())
        return;
    entry->team.players = players;
    entry->changed = true;
    showEntry();
}

// The table as typed; numbers are checked when the options are saved.
void TeamsPage::playersEdited()
{
    Entry *entry = current();
    if (m_showing || !entry)
        return;
    entry->team.players.clear();
    for (int row = 0; row < m_players->rowCount(); ++row) {
        const QTableWidgetItem *number = m_players->item(row, 0);
        const QTableWidgetItem *name = m_players->item(row, 1);
        const QString numberText = number ? number->text().trimmed() : QString();
        const QString nameText = name ? name->text().trimmed() : QString();
        if (!numberText.isEmpty() || !nameText.isEmpty())
            entry->team.players.append({numberText, nameText});
    }
    entry->changed = true;
}

void TeamsPage::showColor(QPushButton *button, const QColor &color)
{
    button->setText(color.isValid() ? color.name() : tr("Board's"));
    button->setStyleSheet(color.isValid()
                              ? u"background-color: %1; color: %2"_s.arg(
                                    color.name(), color.lightness() > 127 ? u"black"_s : u"white"_s)
                              : QString());
}

void TeamsPage::showLogo(const Entry &entry)
{
    const QString path = !entry.newLogo.isEmpty() ? entry.newLogo : entry.team.logo;
    // A preview is small and made once per choice; the board decodes its own
    // copy off its thread.
    const QImage image = path.isEmpty() ? QImage() : ImageFile::decode(path, m_logo->size());
    m_logo->setPixmap(QPixmap::fromImage(image));
    m_logo->setText(image.isNull() ? tr("No logo") : QString());
}

OptionsPage::Refusal TeamsPage::refusal() const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Team &team = m_entries[i].team;
        if (team.name.isEmpty())
            return {tr("Every team needs a name."), m_list};
        for (qsizetype j = 0; j < i; ++j)
            if (m_entries[j].team.name.compare(team.name, Qt::CaseInsensitive) == 0)
                return {tr("There are two teams named %1.").arg(team.name), m_list};
        QStringList numbers;
        for (const Player &player : team.players) {
            if (!isPlayerNumber(player.number))
                return {tr("%1: \"%2\" is not a player's number (0 to 99, or 00).")
                            .arg(team.name, player.number),
                        m_players};
            if (numbers.contains(player.number))
                return {tr("%1: two players have the number %2.").arg(team.name, player.number),
                        m_players};
            numbers.append(player.number);
        }
    }
    return {};
}

QString TeamsPage::saveFiles()
{
    QStringList failed;
    for (const QString &name : std::as_const(m_removed))
        if (!TeamLibrary::remove(name, m_folder))
            failed.append(tr("%1 could not be removed.").arg(name));
    m_removed.clear();
    for (Entry &entry : m_entries) {
        if (!entry.changed)
            continue;
        if (!entry.newLogo.isEmpty()) {
            QString problem;
            const QString logo = TeamLibrary::copyLogo(entry.newLogo, m_folder, &problem);
            if (logo.isEmpty()) {
                failed.append(problem);
                continue;
            }
            entry.team.logo = m_folder + u'/' + logo;
            entry.newLogo.clear();
        }
        if (const QString why = TeamLibrary::write(entry.team, m_folder, entry.savedName);
            !why.isEmpty()) {
            failed.append(why);
            continue;
        }
        entry.savedName = entry.team.name;
        entry.changed = false;
    }
    return failed.join(u'\n');
}
