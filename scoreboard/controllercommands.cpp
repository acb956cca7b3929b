#include "scoreboard/controllercommands.h"

ControllerCommands::ControllerCommands(GameModel &game, GameHistory &history,
                                       GameCommands::SettingsSource settings,
                                       const JoystickReader &reader, QObject *parent)
    : QObject(parent), m_reader(reader), m_commands(game, history, std::move(settings))
{
    connect(&reader, &JoystickReader::pressed, this, &ControllerCommands::pressed);
    connect(&m_commands, &GameCommands::buzzerRequested, this,
            &ControllerCommands::buzzerRequested);
    connect(&m_commands, &GameCommands::shortBuzzerRequested, this,
            &ControllerCommands::shortBuzzerRequested);
    connect(&m_commands, &GameCommands::muteToggleRequested, this,
            &ControllerCommands::muteToggleRequested);
}

void ControllerCommands::pressed(const ControllerDevice &device, const ControllerInput &input)
{
    // A press the settings are learning is not an action.
    if (m_reader.isLearning())
        return;
    const auto binding = m_bindings.find(device.guid, device.slot, input);
    if (!binding)
        return;
    const GameCommands::Outcome outcome = m_commands.run(binding->command, binding->params);
    if (!outcome.isDone())
        emit refused(outcome);
}
