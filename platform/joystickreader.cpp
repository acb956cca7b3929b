#include "platform/joystickreader.h"

#include <QHash>
#include <QTimer>

#include <SDL2/SDL.h>

using namespace Qt::StringLiterals;

namespace {

const QList<std::pair<int, QString>> &hatNames()
{
    static const QList<std::pair<int, QString>> names{{ControllerInput::Up, u"up"_s},
                                                      {ControllerInput::Right, u"right"_s},
                                                      {ControllerInput::Down, u"down"_s},
                                                      {ControllerInput::Left, u"left"_s}};
    return names;
}

} // namespace

QString ControllerInput::key() const
{
    switch (kind) {
    case Kind::Button:
        return u"button %1"_s.arg(index);
    case Kind::Hat:
        for (const auto &[bit, name] : hatNames())
            if (bit == direction)
                return u"hat %1 %2"_s.arg(index).arg(name);
        break;
    case Kind::Axis:
        return u"axis %1 %2"_s.arg(index).arg(direction < 0 ? u"-"_s : u"+"_s);
    }
    return {};
}

std::optional<ControllerInput> ControllerInput::fromKey(const QString &key)
{
    const QStringList parts = key.split(u' ');
    bool ok = false;
    const int index = parts.value(1).toInt(&ok);
    if (!ok || index < 0 || index > 255)
        return std::nullopt;
    const QString kind = parts.first();
    if (kind == u"button" && parts.size() == 2)
        return ControllerInput{Kind::Button, index, 0};
    if (kind == u"axis" && parts.size() == 3 && (parts[2] == u"+" || parts[2] == u"-"))
        return ControllerInput{Kind::Axis, index, parts[2] == u"-" ? -1 : 1};
    if (kind == u"hat" && parts.size() == 3)
        for (const auto &[bit, name] : hatNames())
            if (name == parts[2])
                return ControllerInput{Kind::Hat, index, bit};
    return std::nullopt;
}

// SDL's side, on the reader's thread: polls SDL's events and reports
// devices and presses. The reader talks to it only through queued calls.
class JoystickWorker : public QObject
{
    Q_OBJECT

public:
    JoystickWorker()
    {
        m_poll.setParent(this); // moves to the reader's thread with the worker
        m_poll.setInterval(JoystickReader::IdlePollMs);
        connect(&m_poll, &QTimer::timeout, this, &JoystickWorker::poll);
    }

    ~JoystickWorker() override
    {
        if (!m_started)
            return;
        for (SDL_Joystick *joystick : std::as_const(m_open))
            SDL_JoystickClose(joystick);
        // The program uses no other part of SDL: SDL_Quit also frees what
        // its initialisation kept (hints, the device list).
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        SDL_Quit();
    }

    QString start()
    {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
            return QString::fromUtf8(SDL_GetError());
        m_started = true;
        SDL_JoystickEventState(SDL_ENABLE);
        m_poll.start();
        poll();
        return {};
    }

    int attachVirtual(const QByteArray &name, int buttons, int hats, int axes, quint16 product)
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.nbuttons = Uint16(buttons);
        desc.nhats = Uint16(hats);
        desc.naxes = Uint16(axes);
        desc.vendor_id = 0x1209; // the open-source hardware vendor id
        desc.product_id = product;
        desc.name = name.constData();
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index < 0)
            return -1;
        const int id = SDL_JoystickGetDeviceInstanceID(index);
        poll(); // opened and told before the caller goes on
        return m_open.contains(id) ? id : -1;
    }

    void detachVirtual(int id)
    {
        for (int index = 0; index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == id) {
                SDL_JoystickDetachVirtual(index);
                break;
            }
        poll();
    }

    void setVirtual(int id, ControllerInput::Kind kind, int index, int value)
    {
        SDL_Joystick *joystick = m_open.value(id);
        if (!joystick)
            return;
        if (kind == ControllerInput::Kind::Button)
            SDL_JoystickSetVirtualButton(joystick, index, Uint8(value));
        else if (kind == ControllerInput::Kind::Hat)
            SDL_JoystickSetVirtualHat(joystick, index, Uint8(value));
        else
            SDL_JoystickSetVirtualAxis(joystick, index, Sint16(value));
        poll();
    }

signals:
    void added(const ControllerDevice &device);
    void removed(int id);
    void pressed(int id, const ControllerInput &input);

private:
    void poll()
    {
        SDL_JoystickUpdate();
        SDL_Event event;
        while (SDL_PollEvent(&event) == 1)
            handle(event);
        const int interval = m_open.isEmpty() ? JoystickReader::IdlePollMs : JoystickReader::PollMs;
        if (m_poll.interval() != interval)
            m_poll.setInterval(interval);
    }

    void handle(const SDL_Event &event)
    {
        switch (event.type) {
        case SDL_JOYDEVICEADDED:
            open(event.jdevice.which);
            break;
        case SDL_JOYDEVICEREMOVED:
            if (SDL_Joystick *joystick = m_open.take(event.jdevice.which)) {
                SDL_JoystickClose(joystick);
                emit removed(event.jdevice.which);
            }
            break;
        case SDL_JOYBUTTONDOWN:
            emit pressed(event.jbutton.which,
                         {ControllerInput::Kind::Button, event.jbutton.button, 0});
            break;
        case SDL_JOYHATMOTION:
            hatMoved(event.jhat.which, event.jhat.hat, event.jhat.value);
            break;
        case SDL_JOYAXISMOTION:
            axisMoved(event.jaxis.which, event.jaxis.axis, event.jaxis.value);
            break;
        default:
            break;
        }
    }

    void open(int index)
    {
        SDL_Joystick *joystick = SDL_JoystickOpen(index);
        if (!joystick)
            return;
        const int id = SDL_JoystickInstanceID(joystick);
        if (m_open.contains(id)) {
            SDL_JoystickClose(joystick); // opened once more: SDL counts it
            return;
        }
        m_open.insert(id, joystick);
        char guid[33] = {};
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick), guid, sizeof guid);
        const char *name = SDL_JoystickName(joystick);
        emit added({id, QString::fromLatin1(guid), QString::fromUtf8(name ? name : ""), 0});
    }

    // A direction newly pressed is a press; a diagonal reached from one
    // direction presses only the other.
    void hatMoved(int id, int hat, int value)
    {
        const quint64 key = quint64(id) << 16 | quint64(hat);
        const int before = m_hats.value(key);
        m_hats.insert(key, value);
        for (int bit : {ControllerInput::Up, ControllerInput::Right, ControllerInput::Down,
                        ControllerInput::Left})
            if ((value & bit) && !(before & bit))
                emit pressed(id, {ControllerInput::Kind::Hat, hat, bit});
    }

    // Past the dead zone is a press of that direction, once until it is back.
    void axisMoved(int id, int axis, int value)
    {
        const quint64 key = quint64(id) << 16 | quint64(axis);
        const int side = value > JoystickReader::DeadZone    ? 1
                         : value < -JoystickReader::DeadZone ? -1
                                                             : 0;
        const int before = m_axes.value(key);
        m_axes.insert(key, side);
        if (side != 0 && side != before)
            emit pressed(id, {ControllerInput::Kind::Axis, axis, side});
    }

    QTimer m_poll;
    QHash<int, SDL_Joystick *> m_open;
    QHash<quint64, int> m_hats;
    QHash<quint64, int> m_axes;
    bool m_started = false;
};

JoystickReader::JoystickReader(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<ControllerInput>();
    qRegisterMetaType<ControllerDevice>();
    m_thread.setObjectName(u"controllers"_s);
}

JoystickReader::~JoystickReader()
{
    if (!m_thread.isRunning())
        return;
    // SDL is closed on its own thread, as the worker goes with it.
    m_thread.quit();
    m_thread.wait();
}

bool JoystickReader::start()
{
    if (m_thread.isRunning())
        return true;
    m_worker = new JoystickWorker;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &JoystickWorker::added, this, &JoystickReader::added);
    connect(m_worker, &JoystickWorker::removed, this, &JoystickReader::removed);
    connect(m_worker, &JoystickWorker::pressed, this, &JoystickReader::press);
    m_thread.start();
    QMetaObject::invokeMethod(
        m_worker, [this] { m_error = m_worker->start(); }, Qt::BlockingQueuedConnection);
    if (m_error.isEmpty())
        return true;
    m_worker = nullptr;
    m_thread.quit();
    m_thread.wait();
    return false;
}

int JoystickReader::slotFor(const QString &guid) const
{
    int slot = 0;
    const auto taken = [&](int s) {
        return std::any_of(m_devices.cbegin(), m_devices.cend(), [&](const ControllerDevice &d) {
            return d.guid == guid && d.slot == s;
        });
    };
    while (taken(slot))
        ++slot;
    return slot;
}

void JoystickReader::added(const ControllerDevice &device)
{
    ControllerDevice placed = device;
    placed.slot = slotFor(device.guid);
    m_devices.append(placed);
    emit deviceAdded(placed);
}

void JoystickReader::removed(int id)
{
    for (qsizetype i = 0; i < m_devices.size(); ++i)
        if (m_devices.at(i).id == id) {
            const ControllerDevice gone = m_devices.takeAt(i);
            emit deviceRemoved(gone);
            return;
        }
}

void JoystickReader::press(int id, const ControllerInput &input)
{
    for (const ControllerDevice &device : std::as_const(m_devices))
        if (device.id == id) {
            emit pressed(device, input);
            return;
        }
}

int JoystickReader::attachVirtual(const QString &name, int buttons, int hats, int axes,
                                  quint16 product)
{
    if (!m_worker)
        return -1;
    int id = -1;
    QMetaObject::invokeMethod(
        m_worker,
        [&] { id = m_worker->attachVirtual(name.toUtf8(), buttons, hats, axes, product); },
        Qt::BlockingQueuedConnection);
    return id;
}

void JoystickReader::detachVirtual(int id)
{
    if (m_worker)
        QMetaObject::invokeMethod(
            m_worker, [this, id] { m_worker->detachVirtual(id); }, Qt::BlockingQueuedConnection);
}

void JoystickReader::setVirtualButton(int id, int button, bool down)
{
    if (m_worker)
        QMetaObject::invokeMethod(
            m_worker,
            [=, this] { m_worker->setVirtual(id, ControllerInput::Kind::Button, button, down); },
            Qt::BlockingQueuedConnection);
}

void JoystickReader::setVirtualHat(int id, int hat, int directions)
{
    if (m_worker)
        QMetaObject::invokeMethod(
            m_worker,
            [=, this] { m_worker->setVirtual(id, ControllerInput::Kind::Hat, hat, directions); },
            Qt::BlockingQueuedConnection);
}

void JoystickReader::setVirtualAxis(int id, int axis, int value)
{
    if (m_worker)
        QMetaObject::invokeMethod(
            m_worker,
            [=, this] { m_worker->setVirtual(id, ControllerInput::Kind::Axis, axis, value); },
            Qt::BlockingQueuedConnection);
}

#include "joystickreader.moc"
