#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QThread>

#include <optional>

// One input of a game controller or joystick that can be bound: a button, a
// direction of a hat, or a direction of an axis pushed past the dead zone.
struct ControllerInput
{
    enum class Kind { Button, Hat, Axis };
    // A hat's directions; a diagonal presses two of them.
    enum HatDirection { Up = 1, Right = 2, Down = 4, Left = 8 };

    Kind kind = Kind::Button;
    int index = 0;
    // A hat's HatDirection, an axis's +1 or -1; 0 for a button.
    int direction = 0;

    // "button 3", "hat 0 up", "axis 1 -": how bindings are stored.
    QString key() const;
    static std::optional<ControllerInput> fromKey(const QString &key);
    friend bool operator==(const ControllerInput &, const ControllerInput &) = default;
};

// A device as it is connected now.
struct ControllerDevice
{
    int id = -1; // unique for this connection of the device
    QString guid;
    QString name;
    // Among the connected devices with the same GUID, in the order they were
    // plugged in: two identical pads keep their own bindings.
    int slot = 0;
};

Q_DECLARE_METATYPE(ControllerInput)
Q_DECLARE_METATYPE(ControllerDevice)

class JoystickWorker;

// Game controllers and joysticks through SDL's joystick subsystem, read on a
// thread of its own (no SDL window, no video) and told as Qt signals:
// devices coming and going, and each press of a button, a hat's direction
// or an axis's direction. This is the only class that speaks to SDL.
class JoystickReader : public QObject
{
    Q_OBJECT

public:
    // Of an axis's 32767 either way: less is a stick at rest.
    static constexpr int DeadZone = 16000;
    // How often the devices are read while one is connected; a press waits
    // at most this long. With none, only a device plugged in is looked for,
    // at a pace that keeps an idle board's processor asleep.
    static constexpr int PollMs = 4;
    static constexpr int IdlePollMs = 250;

    explicit JoystickReader(QObject *parent = nullptr);
    ~JoystickReader() override;

    // Starts reading; false, with errorString(), when SDL cannot.
    bool start();
    bool isRunning() const { return m_thread.isRunning(); }
    QString errorString() const { return m_error; }
    QList<ControllerDevice> devices() const { return m_devices; }

    // While learning, presses are for the settings page only: no command runs.
    void setLearning(bool learning) { m_learning = learning; }
    bool isLearning() const { return m_learning; }

    // SDL's virtual devices, for tests and trying out bindings without one:
    // attach returns the new device's id once it is connected, or -1.
    int attachVirtual(const QString &name, int buttons, int hats, int axes, quint16 product = 1);
    void detachVirtual(int id);
    void setVirtualButton(int id, int button, bool down);
    void setVirtualHat(int id, int hat, int directions);
    void setVirtualAxis(int id, int axis, int value);

signals:
    void deviceAdded(const ControllerDevice &device);
    void deviceRemoved(const ControllerDevice &device);
    void pressed(const ControllerDevice &device, const ControllerInput &input);

private:
    void added(const ControllerDevice &device);
    void removed(int id);
    void press(int id, const ControllerInput &input);
    int slotFor(const QString &guid) const;

    QThread m_thread;
    JoystickWorker *m_worker = nullptr; // lives on m_thread
    QList<ControllerDevice> m_devices;
    QString m_error;
    bool m_learning = false;
};
