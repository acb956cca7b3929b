#pragma once

#include "hall/hallfeed.h"
#include "hall/schedule.h"

#include <QObject>

#include <functional>

// The day's schedule at work in the hall: each court's result that counts
// (see HallFeed) marks its game done, and the court's next game goes to it, retained, on its "next"
// topic (empty once it has played them all).
class HallSchedule : public QObject
{
    Q_OBJECT

public:
    // Sends a court its "next" message.
    using Publish = std::function<void(const QString &court, const QByteArray &payload)>;

    // The results the feed already holds count at once, oldest first.
    HallSchedule(Schedule schedule, const HallFeed &feed, Publish publish,
                 QObject *parent = nullptr);

    const Schedule &schedule() const { return m_schedule; }
    // Every court's next game again, as after each connection to the broker.
    void announceAll();
    // A court's game reached its final.
    void gameFinished(const QString &court, const QString &game);

private:
    void count(const HallFeed::Result &result);
    void announce(const QString &court);

    Schedule m_schedule;
    const HallFeed &m_feed;
    Publish m_publish;
};
