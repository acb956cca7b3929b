#include "teams/teamlibrary.h"

#include "teams/imagefile.h"
#include "teams/teamlogo.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MaxTeamFileBytes = 256 * 1024;

const QRegularExpression &colorPattern()
{
    static const QRegularExpression pattern(u"^#[0-9a-fA-F]{6}$"_s);
    return pattern;
}

// A colour as the file writes it; invalid (and told) when it is not one.
QColor colorOf(const QSettings &file, const QString &key, const QString &fileName,
               QStringList *problems)
{
    const QString text = file.value(key).toString().trimmed();
    if (text.isEmpty())
        return {};
    if (!colorPattern().match(text).hasMatch()) {
        problems->append(QCoreApplication::translate(
                             "TeamLibrary",
                             "%1: %2 \"%3\" is not a colour written #rrggbb; the team is shown "
                             "without it")
                             .arg(fileName, key, text));
        return {};
    }
    return QColor(text);
}

QString logoOf(const QSettings &file, const QString &folder, const QString &fileName,
               QStringList *problems)
{
    const QString logo = file.value(u"Team/Logo"_s).toString().trimmed();
    if (logo.isEmpty())
        return {};
    // Only a file beside the team's own: a name, not a path.
    // The board shows the team without it, and says so once on stderr, with
    // the library's other problems.
    if (logo.contains(u'/') || logo.contains(u'\\') || logo.startsWith(u'.')) {
        problems->append(
            QCoreApplication::translate(
                "TeamLibrary", "%1: the logo must be a file in the teams folder, not \"%2\"")
                .arg(fileName, logo));
        return {};
    }
    const QString path = folder + u'/' + logo;
    if (const QString why = TeamLogo::refusal(path); !why.isEmpty()) {
        problems->append(
            QCoreApplication::translate("TeamLibrary", "%1: the logo %2 cannot be shown: %3")
                .arg(fileName, logo, why));
        return {};
    }
    return path;
}

// A name as a game's record carries it: one line without control
// characters, at most Team::MaxNameLength long. True when it had to be cut.
bool bound(QString &name)
{
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    name = name.trimmed();
    if (name.size() <= Team::MaxNameLength)
        return false;
    name.truncate(Team::MaxNameLength);
    if (name.back().isHighSurrogate())
        name.chop(1);
    return true;
}

QList<Player> playersOf(QSettings &file, const QString &fileName, QStringList *problems, bool *cut)
{
    QList<Player> players;
    file.beginGroup(u"Players"_s);
    for (const QString &number : file.childKeys()) {
        QString name = file.value(number).toString();
        *cut = bound(name) || *cut;
        if (!isPlayerNumber(number))
            problems->append(
                QCoreApplication::translate("TeamLibrary",
                                            "%1: \"%2\" is not a player's number (0 to 99, or 00)")
                    .arg(fileName, number));
        else
            players.append({number, name});
    }
    file.endGroup();
    std::sort(players.begin(), players.end(), [](const Player &a, const Player &b) {
        return std::pair(a.number.toInt(), a.number) < std::pair(b.number.toInt(), b.number);
    });
    return players;
}

// Each problem of the library goes to stderr once a run, whoever reads it:
// the board reads the library again at each team key, the options at each
// opening.
void tellOnce(const QStringList &problems)
{
    static QMutex mutex;
    static QSet<QString> told;
    const QMutexLocker lock(&mutex);
    for (const QString &problem : problems) {
        if (!told.contains(problem)) {
            told.insert(problem);
            std::fprintf(stderr, "corvella: teams: %s\n", qPrintable(problem));
        }
    }
}

} // namespace

bool isPlayerNumber(const QString &number)
{
    static const QRegularExpression pattern(u"^[0-9]{1,2}$"_s);
    return pattern.match(number).hasMatch();
}

namespace TeamLibrary {

QString defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/Corvella/teams"_s;
}

std::optional<Team> read(const QString &path, QStringList *problems)
{
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    if (!info.isFile() || info.size() > MaxTeamFileBytes) {
        problems->append(QCoreApplication::translate("TeamLibrary", "%1: not a small regular file")
                             .arg(fileName));
        return std::nullopt;
    }
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        problems->append(
            QCoreApplication::translate("TeamLibrary", "%1: a line cannot be read").arg(fileName));
        return std::nullopt;
    }
    Team team;
    team.name = file.value(u"Team/Name"_s).toString();
    bool cut = bound(team.name);
    if (team.name.isEmpty()) {
        problems->append(
            QCoreApplication::translate("TeamLibrary", "%1: it has no [Team] Name=").arg(fileName));
        return std::nullopt;
    }
    team.shortName = file.value(u"Team/Short"_s).toString().trimmed();
    if (team.shortName.size() > Team::MaxShortLength) {
        problems->append(QCoreApplication::translate(
                             "TeamLibrary", "%1: the short name \"%2\" is cut to %3 characters")
                             .arg(fileName, team.shortName)
                             .arg(Team::MaxShortLength));
        team.shortName.truncate(Team::MaxShortLength);
    }
    team.color = colorOf(file, u"Team/Color"_s, fileName, problems);
    team.textColor = colorOf(file, u"Team/TextColor"_s, fileName, problems);
    team.logo = logoOf(file, info.absolutePath(), fileName, problems);
    team.players = playersOf(file, fileName, problems, &cut);
    if (cut)
        problems->append(QCoreApplication::translate("TeamLibrary",
                                                     "%1: names longer than %2 characters are cut")
                             .arg(fileName)
                             .arg(Team::MaxNameLength));
    return team;
}

QList<Team> load(const QString &folder, QStringList *problems)
{
    QStringList ignored;
    QStringList *told = problems ? problems : &ignored;
    const qsizetype toldBefore = told->size();
    const auto tellOnStderr = qScopeGuard([&] { tellOnce(told->mid(toldBefore)); });
    QList<Team> teams;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({u"*.ini"_s}, QDir::Files, QDir::Name)) {
        const std::optional<Team> team = read(dir.filePath(name), told);
        if (!team)
            continue;
        if (find(teams, team->name)) {
            told->append(QCoreApplication::translate("TeamLibrary",
                                                     "%1: another file already holds the team %2")
                             .arg(name, team->name));
            continue;
        }
        teams.append(*team);
    }
    std::sort(teams.begin(), teams.end(), [](const Team &a, const Team &b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return teams;
}

QString fileNameOf(const QString &teamName)
{
    QString safe;
    for (const QChar c : teamName.trimmed())
        safe += c.isLetterOrNumber() ? c : u'_';
    if (safe.isEmpty())
        safe = u"team"_s;
    return safe.left(80) + u".ini"_s;
}

QString write(const Team &team, const QString &folder, const QString &previousName)
{
    if (team.name.trimmed().isEmpty())
        return QCoreApplication::translate("TeamLibrary", "A team needs a name.");
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("TeamLibrary", "The folder %1 cannot be made.")
            .arg(folder);
    const QString path = folder + u'/' + fileNameOf(team.name);
    {
        QFile::remove(path);
        QSettings file(path, QSettings::IniFormat);
        file.setValue(u"Team/Name"_s, team.name.trimmed());
        if (!team.shortName.isEmpty())
            file.setValue(u"Team/Short"_s, team.shortName.left(Team::MaxShortLength));
        if (team.color.isValid())
            file.setValue(u"Team/Color"_s, team.color.name());
        if (team.textColor.isValid())
            file.setValue(u"Team/TextColor"_s, team.textColor.name());
        // The logo lies in the folder beside the team: its file is named.
        if (!team.logo.isEmpty())
            file.setValue(u"Team/Logo"_s, QFileInfo(team.logo).fileName());
        for (const Player &player : team.players)
            file.setValue(u"Players/"_s + player.number, player.name);
        file.sync();
        if (file.status() != QSettings::NoError)
            return QCoreApplication::translate("TeamLibrary", "The team cannot be written to %1.")
                .arg(path);
    }
    if (!previousName.isEmpty() && fileNameOf(previousName) != fileNameOf(team.name))
        QFile::remove(folder + u'/' + fileNameOf(previousName));
    return {};
}

bool remove(const QString &teamName, const QString &folder)
{
    return QFile::remove(folder + u'/' + fileNameOf(teamName));
}

QString copyLogo(const QString &source, const QString &folder, QString *problem)
{
    if (const QString why = ImageFile::refusal(source); !why.isEmpty()) {
        *problem =
            QCoreApplication::translate("TeamLibrary", "The logo cannot be used: %1.").arg(why);
        return {};
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QCoreApplication::translate("TeamLibrary", "The logo cannot be read.");
        return {};
    }
    const QByteArray bytes = file.readAll();
    // Named by what it holds: the same logo twice is one file, and two
    // different ones never overwrite each other.
    const QString name =
        QString::fromLatin1(
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16)) +
        u'.' + ImageFile::suffix(ImageFile::format(source));
    const QString target = folder + u'/' + name;
    if (!QDir().mkpath(folder)) {
        *problem =
            QCoreApplication::translate("TeamLibrary", "The folder %1 cannot be made.").arg(folder);
        return {};
    }
    if (QFileInfo::exists(target))
        return name;
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        *problem = QCoreApplication::translate("TeamLibrary", "The logo cannot be written to %1.")
                       .arg(target);
        return {};
    }
    return name;
}

QList<Player> readRoster(const QString &csvPath, QStringList *problems)
{
    QList<Player> players;
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() > MaxTeamFileBytes) {
        problems->append(QCoreApplication::translate("TeamLibrary", "The roster %1 cannot be read.")
                             .arg(csvPath));
        return players;
    }
    int lineNumber = 0;
    bool cutTold = false;
    while (!file.atEnd()) {
        ++lineNumber;
        QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (lineNumber == 1 && line.startsWith(QChar(0xfeff)))
            line.remove(0, 1);
        if (line.isEmpty())
            continue;
        const QChar separator = line.contains(u';') && !line.contains(u',') ? u';' : u',';
        const qsizetype at = line.indexOf(separator);
        const QString number = line.left(at).trimmed().remove(u'"');
        QString name = at < 0 ? QString() : line.mid(at + 1).trimmed();
        if (name.startsWith(u'"') && name.endsWith(u'"') && name.size() >= 2)
            name = name.mid(1, name.size() - 2).replace(u"\"\""_s, u"\""_s);
        if (!isPlayerNumber(number)) {
            // A first line of titles is not a player.
            if (lineNumber > 1)
                problems->append(QCoreApplication::translate(
                                     "TeamLibrary", "Line %1: \"%2\" is not a player's number")
                                     .arg(lineNumber)
                                     .arg(number));
            continue;
        }
        if (bound(name) && !cutTold) {
            cutTold = true;
            problems->append(QCoreApplication::translate("TeamLibrary",
                                                         "Names longer than %1 characters are cut.")
                                 .arg(Team::MaxNameLength));
        }
        players.erase(std::remove_if(players.begin(), players.end(),
                                     [&](const Player &p) { return p.number == number; }),
                      players.end());
        players.append({number, name});
    }
    return players;
}

std::optional<Team> find(const QList<Team> &teams, const QString &name)
{
    const QString wanted = name.trimmed();
    for (const Team &team : teams)
        if (team.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return team;
    return std::nullopt;
}

} // namespace TeamLibrary
