#pragma once

#include <QString>

#include <optional>

struct Settings;

// Where a court's link goes and as whom, read from the settings.
struct BrokerAddress
{
    static constexpr int DefaultPort = 1883;
    static constexpr int DefaultTlsPort = 8883;

    QString host;
    int port = DefaultPort;
    QString venue;
    QString court;
    QString user;
    QString password;
    QString caFile;

    // Nothing when the link is off (no broker) or the broker is not "host",
    // "host:port" or "[v6 address]:port".
    static std::optional<BrokerAddress> from(const Settings &settings);
    // The topics' common start, "corvella/v1/{venue}/{court}/".
    QString topicRoot() const;
    QString text() const;

    bool operator==(const BrokerAddress &) const = default;
};

// Whether a broker ("host:port") is on this computer, where a password may
// travel without TLS.
bool isLocalBroker(const QString &broker);
// Whether a name can stand in a topic: no wildcard, no level separator.
bool isTopicLevel(const QString &name);
