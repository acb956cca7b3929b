#pragma once

#include "game/commands.h"
#include "platform/controllerbindings.h"
#include "platform/joystickreader.h"

#include <QHash>
#include <QObject>

class TimeSource;

// The game controllers' way in: a press of a bound input runs its command
// as a key would, and a refusal is told as the key's would be. A device
// that sends presses faster than a hand can (a faulty one, a stuck axis)
// is paced: the rest of its presses are dropped.
class ControllerCommands : public QObject
{
    Q_OBJECT

public:
    // Bound presses of one device: this many a second, in bursts of up to
    // PressBurst.
    static constexpr int PressesPerSecond = 20;
    static constexpr int PressBurst = 10;

    ControllerCommands(GameModel &game, GameHistory &history, GameCommands::SettingsSource settings,
                       const JoystickReader &reader, const TimeSource &time,
                       QObject *parent = nullptr);

    void setBindings(const ControllerBindings &bindings) { m_bindings = bindings; }
    const ControllerBindings &bindings() const { return m_bindings; }
    void setTeamFolder(const QString &folder) { m_commands.setTeamFolder(folder); }

signals:
    // A bound command the game cannot do now.
    void refused(const GameCommands::Outcome &outcome);
    void buzzerRequested();
    void shortBuzzerRequested();
    void muteToggleRequested();

private:
    struct Pace
    {
        double presses = PressBurst;
        qint64 atMs = 0;
    };

    void pressed(const ControllerDevice &device, const ControllerInput &input);
    bool takePress(int device);

    const JoystickReader &m_reader;
    const TimeSource &m_time;
    QHash<int, Pace> m_paces; // by device id
    GameCommands m_commands;
    ControllerBindings m_bindings;
};
