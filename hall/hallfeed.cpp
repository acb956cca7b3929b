#include "hall/hallfeed.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace {

constexpr qsizetype MaxNameChars = 120;
const QString ResultSuffix = QStringLiteral(".result.json");
const QString LogSuffix = QStringLiteral(".jsonl");

std::optional<QJsonObject> jsonObject(const QByteArray &payload)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

// Courts numbered 1 to 12 sort as numbers, named ones after them by name.
bool naturalLess(const QString &a, const QString &b)
{
    bool aNumber = false, bNumber = false;
    const qlonglong x = a.toLongLong(&aNumber);
    const qlonglong y = b.toLongLong(&bNumber);
    if (aNumber && bNumber && x != y)
        return x < y;
    if (aNumber != bNumber)
        return aNumber;
    return a < b;
}

// A step's number, from 1; the header, which has none, is 0. -1: neither.
int lineNumber(const QJsonObject &entry)
{
    const QJsonValue number = entry.value(QStringLiteral("n"));
    if (number.isUndefined())
        return entry.value(QStringLiteral("format")).isString() ? 0 : -1;
    const double n = number.toDouble(-1);
    return n >= 1 && n <= 1e9 && n == double(qint64(n)) ? int(n) : -1;
}

QJsonArray finalScores(const QJsonObject &result)
{
    return result.value(QStringLiteral("final"))
        .toObject()
        .value(QStringLiteral("scores"))
        .toArray();
}

} // namespace

HallFeed::HallFeed(const QString &venue, const QString &folder, QObject *parent)
    : QObject(parent), m_root(QStringLiteral("corvella/v1/") + venue + u'/'), m_folder(folder)
{
    load();
}

QString HallFeed::folderFor(const QString &stateFolder, const QString &venue)
{
    return stateFolder + QStringLiteral("/hall/") + venue;
}

bool HallFeed::isSafeName(const QString &name)
{
    if (name.isEmpty() || name.size() > MaxNameChars || name.startsWith(u'.'))
        return false;
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u'.' || c == u' ';
    });
}

QString HallFeed::courtFolder(const QString &court) const
{
    return m_folder + u'/' + court;
}

void HallFeed::load()
{
    struct Loaded
    {
        QDateTime when;
        QString court;
        QString game;
        QJsonObject result;
    };
    QList<Loaded> finished;
    const QDir root(m_folder);
    for (const QString &court : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!isSafeName(court))
            continue;
        const QDir folder(courtFolder(court));
        m_courts[court];
        for (const QFileInfo &log : folder.entryInfoList({u'*' + LogSuffix}, QDir::Files))
            loadGame(court, log.filePath());
        for (const QFileInfo &file : folder.entryInfoList({u'*' + ResultSuffix}, QDir::Files)) {
            QFile in(file.filePath());
            if (!in.open(QIODevice::ReadOnly))
                continue;
            if (const auto result = jsonObject(in.readAll())) {
                const QString game = file.fileName().chopped(ResultSuffix.size());
                finished.append({file.lastModified(), court, game, *result});
            }
        }
    }
    std::stable_sort(finished.begin(), finished.end(),
                     [](const Loaded &a, const Loaded &b) { return a.when < b.when; });
    for (const Loaded &done : std::as_const(finished))
        m_results.append({done.court, done.game,
                          done.result.value(QStringLiteral("home")).toString(),
                          done.result.value(QStringLiteral("guest")).toString(),
                          finalScores(done.result), done.when});
}

void HallFeed::loadGame(const QString &court, const QString &path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return;
    Game &game = m_courts[court].games[QFileInfo(path).fileName().chopped(LogSuffix.size())];
    while (!in.atEnd()) {
        const QByteArray line = in.readLine().trimmed();
        const std::optional<QJsonObject> entry = jsonObject(line);
        if (!entry)
            continue;
        const int n = lineNumber(*entry);
        if (n < 0)
            continue;
        game.lines.insert(n, line);
        if (n == 0)
            game.header = *entry;
    }
}

void HallFeed::ignore(const QString &topic, const char *why)
{
    if (m_told.contains(topic))
        return;
    m_told.insert(topic);
    std::fprintf(stderr, "corvella: ignoring %s on %s\n", why, qPrintable(topic));
    std::fflush(stderr);
}

void HallFeed::receive(const QString &topic, const QByteArray &payload)
{
    if (!topic.startsWith(m_root))
        return;
    const QStringList levels = topic.mid(m_root.size()).split(u'/');
    if (levels.size() != 2)
        return; // not a court's message
    const QString &name = levels.at(0);
    const QString &leaf = levels.at(1);
    if (leaf == u"next")
        return; // the hall's own, to the court
    if (!isSafeName(name)) {
        ignore(topic, "a court whose name cannot name a folder");
        return;
    }
    if (leaf != u"online" && leaf != u"state" && leaf != u"log" && leaf != u"result")
        return;
    const auto found = m_courts.constFind(name);
    const bool known = found != m_courts.cend();
    const bool heard = known && found->heard;
    CourtRecord &court = m_courts[name];
    bool read = false;
    if (leaf == u"online")
        read = receiveOnline(court, payload);
    else if (leaf == u"state")
        read = receiveState(court, payload);
    else if (leaf == u"log")
        read = receiveLine(name, court, payload);
    else
        read = receiveResult(name, court, payload);
    if (!read) {
        if (!known)
            m_courts.remove(name); // a court is one that said something readable
        ignore(topic, "a message that does not read");
        return;
    }
    court.heard = true;
    if (leaf == u"online" || leaf == u"state" || !heard)
        emit courtChanged(name);
}

bool HallFeed::receiveOnline(CourtRecord &court, const QByteArray &payload)
{
    if (payload != "1" && payload != "0")
        return false;
    court.online = payload == "1";
    return true;
}

bool HallFeed::receiveState(CourtRecord &court, const QByteArray &payload)
{
    const std::optional<QJsonObject> state = jsonObject(payload);
    if (!state || !state->value(QStringLiteral("scores")).isArray() ||
        !state->value(QStringLiteral("clock")).isObject())
        return false;
    court.state = *state;
    return true;
}

bool HallFeed::receiveLine(const QString &courtName, CourtRecord &court, const QByteArray &payload)
{
    std::optional<QJsonObject> entry = jsonObject(payload);
    if (!entry)
        return false;
    const QString gameName = entry->take(QStringLiteral("game")).toString();
    const int n = lineNumber(*entry);
    if (!isSafeName(gameName) || n < 0)
        return false;
    Game &game = court.games[gameName];
    if (game.lines.contains(n))
        return true; // sent again after a reconnection
    game.lines.insert(n, QJsonDocument(*entry).toJson(QJsonDocument::Compact));
    if (n == 0)
        game.header = *entry;
    writeLine(courtName, gameName, game, n);
    return true;
}

void HallFeed::writeLine(const QString &court, const QString &gameName, const Game &game, int n)
{
    if (!QDir().mkpath(courtFolder(court)))
        return;
    const QString path = courtFolder(court) + u'/' + gameName + LogSuffix;
    // Lines come in order; one that a broker's restart sent late puts the
    // file in order again, whole.
    if (game.lines.lastKey() == n) {
        QFile out(path);
        if (out.open(QIODevice::WriteOnly | QIODevice::Append))
            out.write(game.lines.value(n) + '\n');
        return;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    for (const QByteArray &line : game.lines)
        out.write(line + '\n');
    out.commit();
}

QString HallFeed::gameOfResult(const CourtRecord &court, const QJsonObject &result) const
{
    // A court's retained result may be of a game before its current one:
    // the game is the one whose log began at the same time with the same teams.
    for (auto it = court.games.cbegin(); it != court.games.cend(); ++it) {
        const QJsonObject &header = it->header;
        if (!header.isEmpty() && header.value(u"started") == result.value(u"started") &&
            header.value(u"home") == result.value(u"home") &&
            header.value(u"guest") == result.value(u"guest"))
            return it.key();
    }
    return {};
}

bool HallFeed::receiveResult(const QString &courtName, CourtRecord &court,
                             const QByteArray &payload)
{
    const std::optional<QJsonObject> result = jsonObject(payload);
    if (!result || !result->value(QStringLiteral("home")).isString() ||
        !result->value(QStringLiteral("guest")).isString() ||
        !result->value(QStringLiteral("final")).isObject())
        return false;
    const QString game = gameOfResult(court, *result);
    if (game.isEmpty())
        return true; // a game whose log this hall never had: nothing to print
    const bool known = std::any_of(m_results.cbegin(), m_results.cend(), [&](const Result &r) {
        return r.court == courtName && r.game == game;
    });
    if (!known)
        addResult(courtName, game, *result);
    return true;
}

void HallFeed::addResult(const QString &court, const QString &game, const QJsonObject &result)
{
    m_results.append({court, game, result.value(QStringLiteral("home")).toString(),
                      result.value(QStringLiteral("guest")).toString(), finalScores(result),
                      QDateTime::currentDateTimeUtc()});
    if (QDir().mkpath(courtFolder(court))) {
        QSaveFile out(courtFolder(court) + u'/' + game + ResultSuffix);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(QJsonDocument(result).toJson(QJsonDocument::Compact));
            out.commit();
        }
    }
    emit finished(court, game);
    emit resultsChanged();
}

QList<HallFeed::Court> HallFeed::courts() const
{
    QList<Court> out;
    for (auto it = m_courts.cbegin(); it != m_courts.cend(); ++it) {
        if (it->heard)
            out.append({it.key(), it->online, it->state});
    }
    std::sort(out.begin(), out.end(),
              [](const Court &a, const Court &b) { return naturalLess(a.name, b.name); });
    return out;
}

std::optional<HallFeed::Court> HallFeed::court(const QString &name) const
{
    const auto it = m_courts.constFind(name);
    if (it == m_courts.cend() || !it->heard)
        return std::nullopt;
    return Court{name, it->online, it->state};
}

QJsonObject HallFeed::courtJson(const Court &court)
{
    return {{QStringLiteral("court"), court.name},
            {QStringLiteral("online"), court.online},
            {QStringLiteral("state"),
             court.state.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(court.state)}};
}

QList<HallFeed::Result> HallFeed::results() const
{
    // Yesterday's games stay on disk, off the lobby's list.
    const QDate today = QDate::currentDate();
    QList<Result> out;
    for (auto it = m_results.crbegin(); it != m_results.crend(); ++it) {
        if (it->finished.toLocalTime().date() == today)
            out.append(*it);
    }
    return out;
}

QString HallFeed::logPath(const QString &court, const QString &game) const
{
    const auto it = m_courts.constFind(court);
    if (it == m_courts.cend() || !it->games.contains(game))
        return {};
    return courtFolder(court) + u'/' + game + LogSuffix;
}

QJsonObject HallFeed::toJson() const
{
    QJsonArray courtList;
    for (const Court &court : courts())
        courtList.append(courtJson(court));
    QJsonArray resultList;
    for (const Result &result : results())
        resultList.append(QJsonObject{{QStringLiteral("court"), result.court},
                                      {QStringLiteral("game"), result.game},
                                      {QStringLiteral("home"), result.home},
                                      {QStringLiteral("guest"), result.guest},
                                      {QStringLiteral("scores"), result.scores}});
    return {{QStringLiteral("courts"), courtList}, {QStringLiteral("results"), resultList}};
}
