#include "hall/hallservicesettings.h"

#include "settings/settingsstore.h"

namespace {

const QString Group = QStringLiteral("HallServiceSettings/");

class StoredValues
{
public:
    explicit StoredValues(const QMap<QString, QString> &stored) : m_stored(stored) {}

    // The hall's own key, else the board's of the same meaning.
    void text(const char *key, const QString &fallbackKey, QString &into) const
    {
        const QString own = Group + QLatin1StringView(key);
        if (m_stored.contains(own))
            into = m_stored.value(own).trimmed();
        else if (!fallbackKey.isEmpty() && m_stored.contains(fallbackKey))
            into = m_stored.value(fallbackKey).trimmed();
    }
    void port(const char *key, const QString &fallbackKey, int &into) const
    {
        QString text;
        this->text(key, fallbackKey, text);
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok && value >= 1 && value <= 65535)
            into = value;
    }

private:
    const QMap<QString, QString> &m_stored;
};

} // namespace

HallServiceSettings HallServiceSettings::from(const QMap<QString, QString> &stored)
{
    HallServiceSettings settings;
    const StoredValues values(stored);
    values.text("Broker", QStringLiteral("HallSettings/Broker"), settings.broker);
    values.text("Venue", QStringLiteral("HallSettings/Venue"), settings.venue);
    values.text("User", QStringLiteral("HallSettings/User"), settings.user);
    values.text("Password", QStringLiteral("HallSettings/Password"), settings.password);
    values.text("CaFile", QStringLiteral("HallSettings/CaFile"), settings.caFile);
    values.port("WebPort", QStringLiteral("WebSettings/WebPort"), settings.webPort);
    values.port("OwnBrokerPort", {}, settings.ownBrokerPort);
    values.text("OwnBrokerAddress", {}, settings.ownBrokerAddress);
    values.text("Points", QStringLiteral("HallSettings/Points"), settings.points);
    values.text("Language", {}, settings.language);
    // The court's own user is not the hall's: "hall" unless set.
    if (settings.user.isEmpty())
        settings.user = QStringLiteral("hall");
    if (settings.venue.isEmpty())
        settings.venue = QStringLiteral("hall");
    return settings;
}

HallServiceSettings HallServiceSettings::load()
{
    return from(SettingsStore::read());
}

QMap<QString, QString> HallServiceSettings::toStored() const
{
    return {{Group + QStringLiteral("Broker"), broker},
            {Group + QStringLiteral("Venue"), venue},
            {Group + QStringLiteral("User"), user},
            {Group + QStringLiteral("Password"), password},
            {Group + QStringLiteral("CaFile"), caFile},
            {Group + QStringLiteral("WebPort"), QString::number(webPort)},
            {Group + QStringLiteral("OwnBrokerPort"), QString::number(ownBrokerPort)},
            {Group + QStringLiteral("OwnBrokerAddress"), ownBrokerAddress},
            {Group + QStringLiteral("Points"), points},
            {Group + QStringLiteral("Language"), language}};
}

bool HallServiceSettings::save() const
{
    return SettingsStore::write(toStored());
}
