#include "platform/controllerbindings.h"

#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

// A GUID as SDL writes it: 32 hexadecimal digits. Anything else is no key
// of ours, and no key a profile may write into the settings.
bool isGuid(const QString &text)
{
    if (text.size() != 32)
        return false;
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

QString bindingsText(const char *text)
{
    return QCoreApplication::translate("ControllerBindings", text);
}

constexpr int MaxSlots = 16;
constexpr int MaxBindingsPerSlot = 512;

} // namespace

QList<ControllerBinding> ControllerBindings::bindings(const QString &guid, int slot) const
{
    return m_devices.value(guid).pads.value(slot);
}

void ControllerBindings::setBindings(const QString &guid, const QString &name, int slot,
                                     const QList<ControllerBinding> &bindings)
{
    if (slot < 0 || slot >= MaxSlots)
        return;
    Device &device = m_devices[guid];
    if (!name.isEmpty())
        device.name = name;
    if (device.pads.size() <= slot)
        device.pads.resize(slot + 1);
    device.pads[slot] = bindings;
    // A device with nothing bound in any slot is forgotten.
    while (!device.pads.isEmpty() && device.pads.last().isEmpty())
        device.pads.removeLast();
    if (device.pads.isEmpty())
        m_devices.remove(guid);
}

std::optional<ControllerBinding> ControllerBindings::find(const QString &guid, int slot,
                                                          const ControllerInput &input) const
{
    for (const ControllerBinding &binding : m_devices.value(guid).pads.value(slot))
        if (binding.input == input)
            return binding;
    return std::nullopt;
}

QStringList ControllerBindings::guids() const
{
    QStringList list = m_devices.keys();
    list.sort();
    return list;
}

void ControllerBindings::merge(const ControllerBindings &other)
{
    for (auto it = other.m_devices.cbegin(); it != other.m_devices.cend(); ++it)
        m_devices.insert(it.key(), it.value());
}

QJsonObject ControllerBindings::deviceJson(const Device &device)
{
    QJsonArray pads;
    for (const QList<ControllerBinding> &slot : device.pads) {
        QJsonArray list;
        for (const ControllerBinding &binding : slot)
            list.append(QJsonObject{{u"input"_s, binding.input.key()},
                                    {u"command"_s, binding.command},
                                    {u"params"_s, binding.params}});
        pads.append(list);
    }
    return {{u"name"_s, device.name}, {u"slots"_s, pads}};
}

std::optional<ControllerBindings::Device> ControllerBindings::deviceOf(const QJsonObject &json)
{
    const QJsonArray pads = json.value(u"slots"_s).toArray();
    if (!json.value(u"name"_s).isString() || pads.size() > MaxSlots)
        return std::nullopt;
    Device device{json.value(u"name"_s).toString().left(256), {}};
    for (const QJsonValue &slot : pads) {
        if (!slot.isArray() || slot.toArray().size() > MaxBindingsPerSlot)
            return std::nullopt;
        QList<ControllerBinding> list;
        for (const QJsonValue &value : slot.toArray()) {
            const QJsonObject object = value.toObject();
            const auto input = ControllerInput::fromKey(object.value(u"input"_s).toString());
            const QString command = object.value(u"command"_s).toString();
            if (!input || command.isEmpty() || !object.value(u"params"_s).isObject())
                return std::nullopt;
            list.append({*input, command, object.value(u"params"_s).toObject()});
        }
        device.pads.append(list);
    }
    return device;
}

ControllerBindings ControllerBindings::fromStored(const QMap<QString, QString> &values)
{
    ControllerBindings bindings;
    const QString prefix = Group + u'/';
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QString guid = it.key().mid(prefix.size());
        if (!it.key().startsWith(prefix) || !isGuid(guid) || it.value().isEmpty())
            continue;
        // A damaged entry costs that device its bindings, not the others theirs.
        const QJsonDocument document = QJsonDocument::fromJson(it.value().toUtf8());
        if (const auto device = deviceOf(document.object()))
            bindings.m_devices.insert(guid, *device);
    }
    return bindings;
}

QMap<QString, QString> ControllerBindings::stored(const ControllerBindings &before) const
{
    QMap<QString, QString> values;
    for (const QString &guid : before.m_devices.keys())
        values.insert(Group + u'/' + guid, QString());
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
        values.insert(Group + u'/' + it.key(),
                      QString::fromUtf8(
                          QJsonDocument(deviceJson(it.value())).toJson(QJsonDocument::Compact)));
    return values;
}

ControllerBindings ControllerBindings::load()
{
    return fromStored(SettingsStore::read());
}

bool ControllerBindings::save() const
{
    return SettingsStore::write(stored(load()));
}

QJsonObject ControllerBindings::toProfile() const
{
    QJsonObject devices;
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
        devices.insert(it.key(), deviceJson(it.value()));
    return {{u"format"_s, ProfileFormat}, {u"version"_s, ProfileVersion}, {u"devices"_s, devices}};
}

std::optional<ControllerBindings> ControllerBindings::fromProfile(const QJsonObject &profile,
                                                                  QString *why)
{
    if (profile.value(u"format"_s).toString() != ProfileFormat) {
        *why = bindingsText(QT_TRANSLATE_NOOP("ControllerBindings",
                                              "this is not a profile of controller bindings"));
        return std::nullopt;
    }
    if (profile.value(u"version"_s).toInt() != ProfileVersion) {
        *why = bindingsText(
                   QT_TRANSLATE_NOOP("ControllerBindings",
                                     "the profile is of version %1; this program reads version %2"))
                   .arg(profile.value(u"version"_s).toVariant().toString())
                   .arg(ProfileVersion);
        return std::nullopt;
    }
    ControllerBindings bindings;
    const QJsonObject devices = profile.value(u"devices"_s).toObject();
    for (auto it = devices.constBegin(); it != devices.constEnd(); ++it) {
        const auto device = deviceOf(it.value().toObject());
        if (!isGuid(it.key()) || !device) {
            *why = bindingsText(QT_TRANSLATE_NOOP("ControllerBindings",
                                                  "the bindings of device %1 are damaged"))
                       .arg(it.key().left(40));
            return std::nullopt;
        }
        bindings.m_devices.insert(it.key(), *device);
    }
    return bindings;
}

bool ControllerBindings::exportProfile(const QString &path, QString *why) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *why = file.errorString();
        return false;
    }
    file.write(QJsonDocument(toProfile()).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        *why = file.errorString();
        return false;
    }
    return true;
}

std::optional<ControllerBindings> ControllerBindings::importProfile(const QString &path,
                                                                    QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    if (file.size() > MaxProfileBytes) {
        *why = bindingsText(
            QT_TRANSLATE_NOOP("ControllerBindings", "the file is too large for a profile"));
        return std::nullopt;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.read(MaxProfileBytes), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        *why = bindingsText(QT_TRANSLATE_NOOP("ControllerBindings",
                                              "this is not a profile of controller bindings"));
        return std::nullopt;
    }
    return fromProfile(document.object(), why);
}
