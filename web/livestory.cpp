#include "web/livestory.h"

#include "game/gamerecord.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QJsonObject stepJson(const GameLogEntry &e)
{
    return {{QStringLiteral("n"), e.number},
            {QStringLiteral("kind"), e.kind},
            {QStringLiteral("action"), e.action},
            {QStringLiteral("label"), e.label},
            {QStringLiteral("period"), e.period},
            {QStringLiteral("clockMs"), e.clockMs},
            {QStringLiteral("team"), e.playerTeam.isEmpty() ? e.timeout : e.playerTeam},
            {QStringLiteral("player"), e.player},
            {QStringLiteral("after"), GameLogEntry::scoresJson(e.after)}};
}

} // namespace

void LiveStory::take(const QString &path, const QByteArray &line)
{
    const QJsonObject header = QJsonDocument::fromJson(line).object();
    if (header.contains(QStringLiteral("format"))) {
        restart(path, header.value(QStringLiteral("periods")).toInt());
    } else if (path == m_path) {
        if (const std::optional<GameLogEntry> e = GameLogEntry::fromLine(line))
            add(*e);
    }
    update();
}

void LiveStory::resumeFrom(const QString &path)
{
    GameLogReader reader;
    if (!reader.open(path))
        return;
    restart(path, reader.header().periods);
    while (const std::optional<GameLogEntry> e = reader.next())
        add(*e);
    update();
}

void LiveStory::restart(const QString &path, int periods)
{
    m_path = path;
    m_periods = periods;
    m_figures = GameFigures();
    m_steps.clear();
}

void LiveStory::add(const GameLogEntry &e)
{
    m_figures.add(e);
    m_steps.append(e);
    if (m_steps.size() > StepsShown)
        m_steps.removeFirst();
}

void LiveStory::update()
{
    QJsonArray steps;
    for (const GameLogEntry &e : m_steps)
        steps.append(stepJson(e));
    m_json = {{QStringLiteral("periods"), m_periods},
              {QStringLiteral("figures"), m_figures.toJson()},
              {QStringLiteral("steps"), steps}};
    emit changed();
}
