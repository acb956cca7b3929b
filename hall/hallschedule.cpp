#include "hall/hallschedule.h"

#include <QJsonArray>

HallSchedule::HallSchedule(Schedule schedule, const HallFeed &feed, Publish publish,
                           QObject *parent)
    : QObject(parent), m_schedule(std::move(schedule)), m_feed(feed), m_publish(std::move(publish))
{
    const QList<HallFeed::Result> results = m_feed.results();
    for (auto it = results.crbegin(); it != results.crend(); ++it)
        count(*it);
}

void HallSchedule::announceAll()
{
    for (const QString &court : m_schedule.courts())
        announce(court);
}

void HallSchedule::gameFinished(const QString &court, const QString &game)
{
    for (const HallFeed::Result &result : m_feed.results()) {
        if (result.court == court && result.game == game) {
            count(result);
            announce(court);
            return;
        }
    }
}

void HallSchedule::count(const HallFeed::Result &result)
{
    if (!result.counts)
        return;
    m_schedule.markDone(result.court, result.home, result.guest, result.match, result.game);
}

void HallSchedule::announce(const QString &court)
{
    m_publish(court, m_schedule.nextMessage(court));
}
