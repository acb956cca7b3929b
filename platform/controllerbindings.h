#pragma once

#include "platform/joystickreader.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// What one input of a device does: a command of the game's command table,
// by id, with its parameters.
struct ControllerBinding
{
    ControllerInput input;
    QString command;
    QJsonObject params;

    friend bool operator==(const ControllerBinding &, const ControllerBinding &) = default;
};

// Every device's bindings, by its GUID and its slot (two identical devices
// are told apart by the order they were plugged in). Kept in the settings
// group ControllerBindings, one key per GUID, and carried from computer to
// computer as a profile: a JSON file with a format version.
class ControllerBindings
{
public:
    static constexpr int ProfileVersion = 1;
    static constexpr qint64 MaxProfileBytes = 1024 * 1024;
    static inline const QString Group = QStringLiteral("ControllerBindings");
    static inline const QString ProfileFormat = QStringLiteral("corvella-controllers");

    struct Device
    {
        QString name;
        QList<QList<ControllerBinding>> pads; // by slot
    };

    QList<ControllerBinding> bindings(const QString &guid, int slot) const;
    void setBindings(const QString &guid, const QString &name, int slot,
                     const QList<ControllerBinding> &bindings);
    // The binding of `input` on that device, if there is one.
    std::optional<ControllerBinding> find(const QString &guid, int slot,
                                          const ControllerInput &input) const;
    QStringList guids() const;
    QString name(const QString &guid) const { return m_devices.value(guid).name; }
    bool isEmpty() const { return m_devices.isEmpty(); }
    // Takes every device the other holds, in place of what was here for it.
    void merge(const ControllerBindings &other);

    // From the settings' values ("ControllerBindings/GUID" keys), and the
    // values that store these bindings over `before`: a device no longer
    // bound gets an empty value, which reads as none.
    static ControllerBindings fromStored(const QMap<QString, QString> &values);
    QMap<QString, QString> stored(const ControllerBindings &before) const;
    // Through the settings' store; save() is false when it could not write.
    static ControllerBindings load();
    bool save() const;

    QJsonObject toProfile() const;
    // Nothing, with `why`, when the object is no profile of a known version.
    static std::optional<ControllerBindings> fromProfile(const QJsonObject &profile, QString *why);
    // Writes or reads a profile's file; false or nothing, with `why`.
    bool exportProfile(const QString &path, QString *why) const;
    static std::optional<ControllerBindings> importProfile(const QString &path, QString *why);

    friend bool operator==(const ControllerBindings &a, const ControllerBindings &b)
    {
        return a.toProfile() == b.toProfile();
    }

private:
    static QJsonObject deviceJson(const Device &device);
    static std::optional<Device> deviceOf(const QJsonObject &json);

    QHash<QString, Device> m_devices;
};
