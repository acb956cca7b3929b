#pragma once

#include "game/commands.h"
#include "platform/controllerbindings.h"
#include "platform/joystickreader.h"

#include <QObject>

// The game controllers' way in: a press of a bound input runs its command
// as a key would, and a refusal is told as the key's would be.
class ControllerCommands : public QObject
{
    Q_OBJECT

public:
    ControllerCommands(GameModel &game, GameHistory &history, GameCommands::SettingsSource settings,
                       const JoystickReader &reader, QObject *parent = nullptr);

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
    void pressed(const ControllerDevice &device, const ControllerInput &input);

    const JoystickReader &m_reader;
    GameCommands m_commands;
    ControllerBindings m_bindings;
};
