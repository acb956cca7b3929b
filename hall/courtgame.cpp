#include "hall/courtgame.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <utility>

namespace {

const QString LogSuffix = QStringLiteral(".jsonl");

// Seeded once a run from the system's randomness: a client cannot make a
// line of its own that passes for the court's.
quint64 digest(const QByteArray &line)
{
    static const size_t seed = size_t(QRandomGenerator::system()->generate64());
    const quint64 d = qHashBits(line.constData(), size_t(line.size()), seed);
    return d == 0 ? 1 : d;
}

QByteArray gapNote(int from, int to)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("gap"), QJsonArray{from, to}}})
        .toJson(QJsonDocument::Compact);
}

} // namespace

CourtGame::CourtGame(QString logPath, const HallLimits &limits)
    : m_path(std::move(logPath)), m_maxFileBytes(limits.maxGameFileBytes),
      m_maxLines(limits.maxLinesPerGame)
{
    load();
}

QString CourtGame::disputedPath(const QString &logPath)
{
    return logPath.chopped(LogSuffix.size()) + QStringLiteral(".disputed") + LogSuffix;
}

void CourtGame::load()
{
    QFile in(m_path);
    if (in.open(QIODevice::ReadOnly)) {
        m_fileBytes = in.size();
        while (!in.atEnd()) {
            const QByteArray line = in.readLine(m_maxFileBytes).trimmed();
            const QJsonObject entry = QJsonDocument::fromJson(line).object();
            if (const QJsonArray gap = entry.value(u"gap").toArray(); gap.size() == 2) {
                const int to = gap.at(1).toInt(-1);
                if (to >= m_digests.size() && to <= m_maxLines)
                    m_digests.resize(to + 1, 0);
                continue;
            }
            const int n = entry.contains(u"n") ? entry.value(u"n").toInt(-1)
                                               : (entry.contains(u"format") ? 0 : -1);
            if (n < 0 || n > m_maxLines)
                continue;
            if (n >= m_digests.size())
                m_digests.resize(n + 1, 0);
            m_digests[n] = digest(line);
            if (n == 0)
                m_header = entry;
            else
                m_lastScores = entry.value(u"after").toArray();
        }
    }
    m_disputed = QFile::exists(disputedPath(m_path));
    m_disputedBytes = m_disputed ? QFileInfo(disputedPath(m_path)).size() : 0;
}

bool CourtGame::appendTo(const QString &path, const QByteArray &bytes, qint64 *size)
{
    if (*size + bytes.size() > m_maxFileBytes)
        return false;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append) || out.write(bytes) != bytes.size())
        return false;
    *size += bytes.size();
    return true;
}

bool CourtGame::append(const QByteArray &line)
{
    return appendTo(m_path, line + '\n', &m_fileBytes);
}

void CourtGame::took(int n, const QByteArray &line)
{
    m_digests.append(digest(line));
    const QJsonObject entry = QJsonDocument::fromJson(line).object();
    if (n == 0)
        m_header = entry;
    else
        m_lastScores = entry.value(u"after").toArray();
}

void CourtGame::dispute(const QByteArray &line)
{
    m_disputed = true;
    appendTo(disputedPath(m_path), line + '\n', &m_disputedBytes);
}

CourtGame::Outcome CourtGame::add(int n, const QByteArray &line, qint64 nowMs)
{
    if (n < m_digests.size()) {
        if (m_digests.at(n) == 0)
            return Outcome::Late;
        if (m_digests.at(n) == digest(line))
            return Outcome::Repeated;
        dispute(line);
        return Outcome::Disputed;
    }
    if (const auto waiting = m_waiting.constFind(n); waiting != m_waiting.cend()) {
        if (*waiting == line)
            return Outcome::Repeated;
        dispute(line);
        return Outcome::Disputed;
    }
    if (n > m_digests.size()) {
        if (m_waiting.isEmpty())
            m_waitingSinceMs = nowMs;
        m_waiting.insert(n, line);
        m_waitingBytes += line.size();
        return Outcome::Waiting;
    }
    if (!append(line))
        return Outcome::Full;
    took(n, line);
    // The lines the gap held back follow it now, in order.
    while (!m_waiting.isEmpty() && m_waiting.firstKey() == m_digests.size()) {
        const QByteArray next = m_waiting.take(m_waiting.firstKey());
        m_waitingBytes -= next.size();
        if (!append(next))
            break;
        took(int(m_digests.size()), next);
    }
    if (!m_waiting.isEmpty())
        m_waitingSinceMs = nowMs;
    return Outcome::Written;
}

void CourtGame::writeWaiting()
{
    const QMap<int, QByteArray> waiting = std::exchange(m_waiting, {});
    m_waitingBytes = 0;
    for (auto it = waiting.cbegin(); it != waiting.cend(); ++it) {
        const int from = int(m_digests.size());
        if (it.key() > from) {
            if (!append(gapNote(from, it.key() - 1)))
                return;
            m_digests.resize(it.key(), 0);
        }
        if (!append(it.value()))
            return;
        took(it.key(), it.value());
    }
}
