#pragma once

#include "hall/brokeraddress.h"
#include "hall/hallservicesettings.h"
#include "hall/joincode.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class HallFeed;
class HallLink;
class HallSchedule;
class HallService;
class OwnBroker;
class Schedule;

// The hall at work, with a window or without: the broker (the settings' or
// one of its own), its link to it, the feed of every court, the day's
// schedule and the web pages.
class HallServer : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString stateFolder;
        int webPort = 0; // above 0: instead of the settings' port
    };

    HallServer(HallServiceSettings settings, Options options, QObject *parent = nullptr);
    ~HallServer() override;

    enum class Start { Serving, BrokerRefused, PagesRefused };
    // Prepares the broker and serves the pages; the broker and the link come
    // up later (see statusChanged(), brokerFailed()). Why, when the broker
    // cannot be prepared or the pages cannot be served.
    Start start(QString *why);
    // The day's games from a file; the courts it names get a password of
    // the hall's own broker. False and why (naming the line) when the file
    // is refused: the schedule in force stays.
    bool loadSchedule(const QString &path, QString *why);

    const HallServiceSettings &settings() const { return m_settings; }
    const HallFeed &feed() const { return *m_feed; }
    // Nothing until a schedule is loaded.
    const Schedule *schedule() const;
    quint16 webPort() const;
    // The broker the hall reads, "host:port", and how the link stands.
    QString brokerText() const;
    bool isLinkUp() const;
    QString linkProblem() const;
    bool hasOwnBroker() const { return m_ownBroker != nullptr; }
    // With its own broker: the courts with a password, and each one's code
    // (HOST this computer's `.local` name).
    QStringList joinableCourts() const;
    std::optional<JoinCode> joinCode(const QString &court) const;
    // The hall's own broker's certificate authority, or empty.
    QString caFile() const;
    // A court given a password of the hall's own broker.
    bool addCourt(const QString &court, QString *why);

    // The code for `court`, from the files a hall (running or not) keeps:
    // the court gets a password when new. For `--print-join-code`.
    static std::optional<JoinCode> joinCodeFor(const HallServiceSettings &settings,
                                               const Options &options, const QString &court,
                                               QString *why);
    // This computer's `.local` name, the HOST of a join code.
    static QString localHostName();

signals:
    // A line for the person running the hall (stderr, the window).
    void told(const QString &text);
    // The hall's own broker could not start, or ended too often.
    void brokerFailed(const QString &why);
    void statusChanged();
    void scheduleChanged();
    void courtsChanged();

private:
    void startLink(const BrokerAddress &address);
    void publishNext(const QString &court, const QByteArray &payload);

    HallServiceSettings m_settings;
    Options m_options;
    std::unique_ptr<HallFeed> m_feed;
    OwnBroker *m_ownBroker = nullptr; // this object's child
    HallLink *m_link = nullptr;       // this object's child
    std::unique_ptr<HallSchedule> m_day;
    std::unique_ptr<HallService> m_service;
    BrokerAddress m_address;
};
