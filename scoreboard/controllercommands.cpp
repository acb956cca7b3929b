#include "scoreboard/controllercommands.h"

#include "game/timesource.h"

#include <algorithm>

ControllerCommands::ControllerCommands(GameModel &game, GameHistory &history,
                                       GameCommands::SettingsSource settings,
                                       const JoystickReader &reader, const TimeSource &time,
                                       QObject *parent)
    : QObject(parent), m_reader(reader), m_time(time),
      m_commands(game, history, std::move(settings))
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
    if (!binding || !takePress(device.id))
        return;
    const GameCommands::Outcome outcome = m_commands.run(binding->command, binding->params);
    if (!outcome.isDone())
        emit refused(outcome);
}

bool ControllerCommands::takePress(int device)
{
    const qint64 now = m_time.elapsedMs();
    const auto found = m_paces.find(device);
    Pace &pace = found != m_paces.end() ? *found : *m_paces.insert(device, {PressBurst, now});
    pace.presses = std::min<double>(PressBurst, pace.presses + double(now - pace.atMs) *
                                                                   PressesPerSecond / 1000);
    pace.atMs = now;
    if (pace.presses < 1)
        return false;
    pace.presses -= 1;
    return true;
}
