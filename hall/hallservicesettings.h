#pragma once

#include <QMap>
#include <QString>

// What the hall itself runs with, kept in the settings group
// `HallServiceSettings` so that a board and a hall can share a computer (and
// its settings file) without sharing a broker user. A key missing there is
// read from the board's `HallSettings` (and the web port from
// `WebSettings/WebPort`), as halls set up before the group existed keep it.
struct HallServiceSettings
{
    static constexpr int DefaultOwnBrokerPort = 1884;

    // "host:port" of the broker the courts publish to; empty: the hall starts
    // a broker of its own.
    QString broker;
    QString venue = QStringLiteral("hall");
    QString user = QStringLiteral("hall");
    QString password;
    QString caFile;
    int webPort = 8080;
    // Where the hall's own broker listens: Debian's own mosquitto service
    // keeps 1883. An empty address is every address of this computer.
    int ownBrokerPort = DefaultOwnBrokerPort;
    QString ownBrokerAddress;
    // Points for a win, a draw and a loss.
    QString points = QStringLiteral("2,1,0");
    // The pages' language when a page does not ask for one; empty: the
    // browser's.
    QString language;

    bool hasOwnBroker() const { return broker.trimmed().isEmpty(); }

    // From the stored "Group/Key" values (SettingsStore::read()).
    static HallServiceSettings from(const QMap<QString, QString> &stored);
    static HallServiceSettings load();
    // The "HallServiceSettings/Key" values to store.
    QMap<QString, QString> toStored() const;
    [[nodiscard]] bool save() const;
};
