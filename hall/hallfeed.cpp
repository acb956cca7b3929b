#include "hall/hallfeed.h"

#include "game/gamemodel.h"
#include "hall/courtstate.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const QString ResultSuffix = QStringLiteral(".result.json");
const QString AcceptedSuffix = QStringLiteral(".accepted.json");
const QString LogSuffix = QStringLiteral(".jsonl");
const QString DisputedSuffix = QStringLiteral(".disputed.jsonl");

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

// Four scores, each a score a board can show or none; nothing else.
std::optional<QJsonArray> finalScores(const QJsonObject &result)
{
    const QJsonValue value =
        result.value(QStringLiteral("final")).toObject().value(QStringLiteral("scores"));
    const QJsonArray scores = value.toArray();
    if (!value.isArray() || scores.size() != GameModel::ScoreCount)
        return std::nullopt;
    for (const QJsonValue &score : scores) {
        const double n = score.toDouble(-1);
        if (!score.isNull() && !(score.isDouble() && n >= GameModel::ScoreMin &&
                                 n <= GameModel::ScoreMax && n == double(int(n))))
            return std::nullopt;
    }
    return scores;
}

// A log's header without its teams' logos: a path on the court's computer
// that no reader of the hall's copy may open.
QJsonObject withoutLogos(QJsonObject header)
{
    for (const QLatin1StringView key :
         {QLatin1StringView("homeTeam"), QLatin1StringView("guestTeam")}) {
        if (header.value(key).isObject()) {
            QJsonObject team = header.value(key).toObject();
            team.remove(u"logo");
            header.insert(key, team);
        }
    }
    return header;
}

bool isToday(const QFileInfo &file)
{
    return file.lastModified().toLocalTime().date() == QDate::currentDate();
}

// What a name may hold in both folders' and files' names everywhere:
// no "..", no name a Windows share refuses, nothing a terminal or a page
// reads as a command or a change of direction.
bool isPlainName(const QString &name, qsizetype maxChars, qsizetype maxBytes, bool dots)
{
    if (name.isEmpty() || name.size() > maxChars || name.toUtf8().size() > maxBytes ||
        name.startsWith(u'.') || name.contains(QStringLiteral("..")) || name.endsWith(u' '))
        return false;
    if (!std::all_of(name.cbegin(), name.cend(), [dots](QChar c) {
            return c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u' ' ||
                   (dots && c == u'.');
        }))
        return false;
    static const QStringList reserved = {u"CON"_qs, u"PRN"_qs, u"AUX"_qs, u"NUL"_qs};
    const QString stem = name.section(u'.', 0, 0).toUpper();
    const bool numbered = stem.size() == 4 &&
                          (stem.startsWith(u"COM") || stem.startsWith(u"LPT")) &&
                          stem.at(3).isDigit();
    return !reserved.contains(stem) && !numbered;
}

} // namespace

HallFeed::HallFeed(const QString &venue, const QString &folder, const HallLimits &limits,
                   QObject *parent)
    : QObject(parent), m_venue(venue), m_root(QStringLiteral("corvella/v1/") + venue + u'/'),
      m_folder(folder), m_limits(limits)
{
    m_nowMs = [clock = std::make_shared<QElapsedTimer>()] {
        if (!clock->isValid())
            clock->start();
        return clock->elapsed();
    };
    m_gapTimer.setInterval(int(std::max<qint64>(m_limits.gapWaitMs / 4, 1000)));
    connect(&m_gapTimer, &QTimer::timeout, this, &HallFeed::writeStaleGaps);
    m_gapTimer.start();
    m_silenceTimer.setInterval(1000);
    connect(&m_silenceTimer, &QTimer::timeout, this, &HallFeed::checkSilence);
    m_silenceTimer.start();
    connect(&m_accepting, &QFileSystemWatcher::directoryChanged, this, &HallFeed::checkAccepted);
    load();
}

QString HallFeed::folderFor(const QString &stateFolder, const QString &venue)
{
    return stateFolder + QStringLiteral("/hall/") + venue;
}

bool HallFeed::isCourtName(const QString &name, const HallLimits &limits)
{
    return isPlainName(name, limits.maxCourtNameChars, limits.maxNameBytes, true);
}

bool HallFeed::isGameName(const QString &name, const HallLimits &limits)
{
    return isPlainName(name, limits.maxGameNameChars, limits.maxNameBytes, false);
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
        if (!isCourtName(court, m_limits) || m_courts.size() >= m_limits.maxCourts)
            continue;
        const QDir folder(courtFolder(court));
        // Yesterday's games stay on disk, off the day's lists.
        for (const QFileInfo &log : folder.entryInfoList({u'*' + LogSuffix}, QDir::Files)) {
            const QString game = log.fileName().chopped(LogSuffix.size());
            CourtRecord &record = m_courts[court];
            if (isToday(log) && isGameName(game, m_limits) &&
                int(record.games.size()) < m_limits.maxGamesPerCourt)
                record.games.try_emplace(game, log.filePath(), m_limits);
        }
        const auto it = m_courts.find(court);
        if (it == m_courts.end())
            continue;
        for (const QFileInfo &file : folder.entryInfoList({u'*' + ResultSuffix}, QDir::Files)) {
            const QString game = file.fileName().chopped(ResultSuffix.size());
            if (!isToday(file) || !it->games.count(game) || file.size() > m_limits.maxResultBytes)
                continue;
            QFile in(file.filePath());
            if (!in.open(QIODevice::ReadOnly))
                continue;
            if (const auto result = jsonObject(in.readAll()))
                finished.append({file.lastModified(), court, game, *result});
        }
        if (std::any_of(it->games.cbegin(), it->games.cend(),
                        [](const auto &game) { return game.second.isDisputed(); }))
            m_accepting.addPath(courtFolder(court));
    }
    std::stable_sort(finished.begin(), finished.end(),
                     [](const Loaded &a, const Loaded &b) { return a.when < b.when; });
    for (const Loaded &done : std::as_const(finished))
        m_results.append(resultOf(done.court, done.game, m_courts[done.court].games.at(done.game),
                                  done.result, done.when));
}

void HallFeed::ignore(const QString &topic, const char *why)
{
    ++m_refused;
    if (m_told.contains(topic) || m_told.size() > m_limits.maxCourts * 8)
        return;
    m_told.insert(topic);
    std::fprintf(stderr, "corvella: ignoring %s on %s\n", why, qPrintable(topic.left(200)));
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
    if (leaf != u"online" && leaf != u"state" && leaf != u"log" && leaf != u"result")
        return;
    if (!isCourtName(name, m_limits)) {
        ignore(u"corvella/v1/.../"_qs + leaf, "a court whose name cannot name a folder");
        return;
    }
    const qsizetype bound = leaf == u"state"    ? m_limits.maxStateBytes
                            : leaf == u"log"    ? m_limits.maxLogLineBytes
                            : leaf == u"result" ? m_limits.maxResultBytes
                                                : 1;
    if (payload.size() > bound) {
        ignore(topic, "a message larger than any court sends");
        return;
    }
    const auto found = m_courts.find(name);
    const bool known = found != m_courts.end();
    if (!known && m_courts.size() >= m_limits.maxCourts) {
        ignore(u"corvella/v1/.../"_qs + leaf, "a court past the venue's number of courts");
        return;
    }
    const bool heard = known && found->heard;
    CourtRecord &court = known ? *found : m_courts[name];
    bool read = false;
    if (leaf == u"online")
        read = receiveOnline(court, payload);
    else if (leaf == u"state")
        read = receiveState(court, payload);
    else if (leaf == u"log")
        read = receiveLine(topic, name, court, payload);
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
    court.silent = false;
    court.stateAtMs = m_nowMs();
    return true;
}

bool HallFeed::receiveState(CourtRecord &court, const QByteArray &payload)
{
    const std::optional<QJsonObject> state = courtState(payload, m_limits.maxKeptStateBytes);
    if (!state)
        return false;
    court.state = *state;
    court.silent = false;
    court.stateAtMs = m_nowMs();
    return true;
}

namespace {

// A board sends its state every few seconds while its game clock runs; a
// timeout's clock alone sends nothing, and so tells nothing by its silence.
bool gameClockRuns(const QJsonObject &state)
{
    return state.value(u"clock").toObject().value(u"running").toBool();
}

} // namespace

void HallFeed::checkSilence()
{
    if (!m_linkUp)
        return;
    const qint64 now = m_nowMs();
    for (auto it = m_courts.begin(); it != m_courts.end(); ++it) {
        if (it->heard && it->online && !it->silent && gameClockRuns(it->state) &&
            now - it->stateAtMs >= SilentAfterMs) {
            it->silent = true;
            emit courtChanged(it.key());
        }
    }
}

void HallFeed::setLinkUp(bool up)
{
    if (up == m_linkUp)
        return;
    m_linkUp = up;
    m_linkDownSince = up ? QDateTime() : QDateTime::currentDateTime();
    if (up) {
        // The silence of the link was not the courts'.
        const qint64 now = m_nowMs();
        for (CourtRecord &court : m_courts)
            court.stateAtMs = now;
    }
    emit linkChanged();
}

bool HallFeed::receiveLine(const QString &topic, const QString &courtName, CourtRecord &court,
                           const QByteArray &payload)
{
    std::optional<QJsonObject> entry = jsonObject(payload);
    if (!entry)
        return false;
    const QString gameName = entry->take(QStringLiteral("game")).toString();
    const int n = lineNumber(*entry);
    if (!isGameName(gameName, m_limits) || n < 0 || n > m_limits.maxLinesPerGame)
        return false;
    auto game = court.games.find(gameName);
    if (game == court.games.end()) {
        if (int(court.games.size()) >= m_limits.maxGamesPerCourt) {
            ignore(topic, "a game past the court's number of games a day");
            return true;
        }
        if (!QDir().mkpath(courtFolder(courtName)))
            return true;
        game = court.games
                   .try_emplace(gameName, courtFolder(courtName) + u'/' + gameName + LogSuffix,
                                m_limits)
                   .first;
    }
    CourtGame &record = game->second;
    const QByteArray line =
        QJsonDocument(n == 0 ? withoutLogos(*entry) : *entry).toJson(QJsonDocument::Compact);
    const qint64 waitingBefore = record.waitingBytes();
    switch (record.add(n, line, m_nowMs())) {
    case CourtGame::Outcome::Disputed:
        tellDispute(courtName, gameName, n, record);
        break;
    case CourtGame::Outcome::Late:
        ignore(topic, "a line for a gap already written down");
        break;
    case CourtGame::Outcome::Full:
        ignore(topic, "a line past the bound of a game's log");
        break;
    default:
        break;
    }
    m_waitingBytes += record.waitingBytes() - waitingBefore;
    if (record.waitingLines() > m_limits.maxWaitingLines ||
        m_waitingBytes > m_limits.maxWaitingBytes)
        writeWaiting(record);
    return true;
}

void HallFeed::writeWaiting(CourtGame &game)
{
    m_waitingBytes -= game.waitingBytes();
    game.writeWaiting();
}

void HallFeed::writeStaleGaps()
{
    const qint64 now = m_nowMs();
    for (CourtRecord &court : m_courts) {
        for (auto &[name, game] : court.games) {
            if (game.waitingLines() > 0 && now - game.waitingSinceMs() >= m_limits.gapWaitMs)
                writeWaiting(game);
        }
    }
}

void HallFeed::tellDispute(const QString &court, const QString &game, int n,
                           const CourtGame &record)
{
    if (!m_told.contains(u"disputed/"_qs + court + u'/' + game)) {
        m_told.insert(u"disputed/"_qs + court + u'/' + game);
        std::fprintf(stderr,
                     "corvella: court %s, game %s: line %d came twice and differs; the first is "
                     "kept, the other is in %s, and no result of the game counts until a person "
                     "accepts it (corvella --hall --accept \"%s\" \"%s\")\n",
                     qPrintable(court), qPrintable(game), n,
                     qPrintable(CourtGame::disputedPath(record.logPath())), qPrintable(court),
                     qPrintable(game));
        std::fflush(stderr);
    }
    m_accepting.addPath(courtFolder(court));
    for (Result &result : m_results) {
        if (result.court == court && result.game == game && !result.disputed) {
            const QString accepted = courtFolder(court) + u'/' + game + AcceptedSuffix;
            if (!QFile::exists(accepted)) {
                result.disputed = true;
                result.counts = false;
                emit resultsChanged();
            }
        }
    }
}

CourtGame *HallFeed::gameOfResult(CourtRecord &court, const QJsonObject &result, QString *name)
{
    // A court's retained result may be of a game before its current one:
    // the game is the one whose log began at the same time with the same teams.
    for (auto &[gameName, game] : court.games) {
        const QJsonObject &header = game.header();
        if (!header.isEmpty() && header.value(u"started") == result.value(u"started") &&
            header.value(u"home") == result.value(u"home") &&
            header.value(u"guest") == result.value(u"guest")) {
            *name = gameName;
            return &game;
        }
    }
    return nullptr;
}

HallFeed::Result HallFeed::resultOf(const QString &court, const QString &game,
                                    const CourtGame &record, const QJsonObject &result,
                                    const QDateTime &when) const
{
    Result r{court,
             game,
             result.value(QStringLiteral("home")).toString(),
             result.value(QStringLiteral("guest")).toString(),
             finalScores(result).value_or(QJsonArray{}),
             {},
             when};
    QFile acceptedFile(courtFolder(court) + u'/' + game + AcceptedSuffix);
    if (acceptedFile.open(QIODevice::ReadOnly)) {
        if (const auto accepted = jsonObject(acceptedFile.read(4096))) {
            if (const auto scores = finalScores(*accepted)) {
                r.scores = *scores;
                r.match = MatchScore::of(r.scores, record.logPath());
                r.counts = true;
                return r;
            }
        }
    }
    r.match = MatchScore::of(r.scores, record.logPath());
    r.disputed = record.isDisputed();
    r.counts = !r.disputed && !record.lastScores().isEmpty() && r.scores == record.lastScores();
    return r;
}

bool HallFeed::receiveResult(const QString &courtName, CourtRecord &court,
                             const QByteArray &payload)
{
    const std::optional<QJsonObject> result = jsonObject(payload);
    const auto isName = [this](const QJsonValue &v) {
        return v.isString() && v.toString().size() <= m_limits.maxTeamNameChars;
    };
    if (!result || !isName(result->value(QStringLiteral("home"))) ||
        !isName(result->value(QStringLiteral("guest"))) || !finalScores(*result))
        return false;
    QString game;
    CourtGame *record = gameOfResult(court, *result, &game);
    if (!record)
        return true; // a game whose log this hall never had: nothing to print
    // The game is over: what still waits on a gap will not be followed by more.
    writeWaiting(*record);
    const Result made =
        resultOf(courtName, game, *record, *result, QDateTime::currentDateTimeUtc());
    const auto kept = std::find_if(m_results.begin(), m_results.end(), [&](const Result &r) {
        return r.court == courtName && r.game == game;
    });
    if (kept != m_results.end()) {
        // The court's own result replaces one that did not count; nothing
        // replaces one that did.
        if (kept->counts || !made.counts)
            return true;
        m_results.erase(kept);
    }
    m_results.append(made);
    keepResult(courtName, game, *result);
    emit finished(courtName, game);
    emit resultsChanged();
    return true;
}

void HallFeed::keepResult(const QString &court, const QString &game, const QJsonObject &result)
{
    if (!QDir().mkpath(courtFolder(court)))
        return;
    QSaveFile out(courtFolder(court) + u'/' + game + ResultSuffix);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(QJsonDocument(result).toJson(QJsonDocument::Compact));
        out.commit();
    }
}

std::optional<QJsonArray> HallFeed::accept(const QString &folder, const QString &court,
                                           const QString &game, QString *why)
{
    if (!isCourtName(court) || !isGameName(game)) {
        *why = QStringLiteral("no court \"%1\" with a game \"%2\"").arg(court, game);
        return std::nullopt;
    }
    const QString stem = folder + u'/' + court + u'/' + game;
    QFile in(stem + ResultSuffix);
    if (!in.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("the hall has no result of court %1's game %2 (%3)")
                   .arg(court, game, in.fileName());
        return std::nullopt;
    }
    const std::optional<QJsonObject> result = jsonObject(in.read(HallLimits{}.maxResultBytes));
    const std::optional<QJsonArray> scores = result ? finalScores(*result) : std::nullopt;
    if (!scores) {
        *why = QStringLiteral("%1 does not read as a result").arg(in.fileName());
        return std::nullopt;
    }
    QSaveFile out(stem + AcceptedSuffix);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(QJsonDocument(QJsonObject{{u"final"_qs, QJsonObject{{u"scores"_qs, *scores}}}})
                      .toJson(QJsonDocument::Compact)) < 0 ||
        !out.commit()) {
        *why = QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString());
        return std::nullopt;
    }
    return scores;
}

void HallFeed::checkAccepted(const QString &folder)
{
    const QString court = QFileInfo(folder).fileName();
    const auto it = m_courts.find(court);
    if (it == m_courts.end())
        return;
    for (Result &result : m_results) {
        if (result.court != court || result.counts)
            continue;
        QFile file(folder + u'/' + result.game + AcceptedSuffix);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const auto accepted = jsonObject(file.read(4096));
        const auto scores = accepted ? finalScores(*accepted) : std::nullopt;
        if (!scores)
            continue;
        result.scores = *scores;
        result.match = MatchScore::of(result.scores, logPath(court, result.game));
        result.disputed = false;
        result.counts = true;
        std::fprintf(stderr, "corvella: court %s, game %s: accepted\n", qPrintable(court),
                     qPrintable(result.game));
        std::fflush(stderr);
        emit finished(court, result.game);
        emit resultsChanged();
    }
}

QList<HallFeed::Court> HallFeed::courts() const
{
    QList<Court> out;
    for (auto it = m_courts.cbegin(); it != m_courts.cend(); ++it) {
        if (it->heard)
            out.append({it.key(), it->online, it->state, it->silent});
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
    return Court{name, it->online, it->state, it->silent};
}

QJsonObject HallFeed::courtJson(const Court &court)
{
    return {{QStringLiteral("court"), court.name},
            {QStringLiteral("online"), court.online},
            {QStringLiteral("silent"), court.silent},
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
    if (it == m_courts.cend())
        return {};
    const auto found = it->games.find(game);
    return found == it->games.end() ? QString() : found->second.logPath();
}

QJsonObject HallFeed::toJson() const
{
    QJsonArray courtList;
    for (const Court &court : courts())
        courtList.append(courtJson(court));
    QJsonArray resultList;
    const QList<Result> listed = results().mid(0, m_limits.maxListedResults);
    for (const Result &result : listed) {
        QJsonObject entry{{QStringLiteral("court"), result.court},
                          {QStringLiteral("game"), result.game},
                          {QStringLiteral("home"), result.home},
                          {QStringLiteral("guest"), result.guest},
                          {QStringLiteral("scores"), result.scores},
                          {QStringLiteral("sets"), result.match.setsJson()}};
        if (result.disputed)
            entry.insert(QStringLiteral("disputed"), true);
        resultList.append(entry);
    }
    // The hall's own link: while it is down, the courts are as last heard.
    QJsonObject link{{QStringLiteral("up"), m_linkUp}};
    if (!m_linkUp)
        link.insert(QStringLiteral("since"), m_linkDownSince.toString(Qt::ISODate));
    return {{QStringLiteral("courts"), courtList},
            {QStringLiteral("results"), resultList},
            {QStringLiteral("link"), link}};
}
