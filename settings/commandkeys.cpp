#include "settings/commandkeys.h"

namespace {

bool always(const Settings &)
{
    return true;
}

bool withPeriods(const Settings &s)
{
    return s.Periods > 0;
}

bool inSets(const Settings &s)
{
    return s.SetsEnabled != 0;
}

bool withPeriodsOrSets(const Settings &s)
{
    return withPeriods(s) || inSets(s);
}

// In sets the timeouts are counted per set, whatever the periods' say.
bool withTimeouts(const Settings &s)
{
    return inSets(s) ? s.SetsTimeoutsPerSet > 0
                     : s.TimeoutsPerGame > 0 || !s.TimeoutsPerHalf.trimmed().isEmpty();
}

bool withShotClock(const Settings &s)
{
    return s.ShotClockEnabled != 0;
}

bool withPlayers(const Settings &s)
{
    return s.PlayersEnabled != 0 && !inSets(s);
}

const CommandKey keys[] = {
    {&Settings::StartStopClockKey, always},
    {&Settings::ResetClockKey, always},
    {&Settings::BuzzerKey, always},
    {&Settings::NextPeriodKey, withPeriods},
    {&Settings::PreviousPeriodKey, withPeriods},
    {&Settings::SkipBreakKey, withPeriods},
    {&Settings::NewGameKey, withPeriodsOrSets},
    {&Settings::HomeTimeoutKey, withTimeouts},
    {&Settings::GuestTimeoutKey, withTimeouts},
    {&Settings::ShotClockResetKey, withShotClock},
    {&Settings::ShotClockShortKey, withShotClock},
    {&Settings::ShotClockHoldKey, withShotClock},
    {&Settings::ShotClockBlankKey, withShotClock},
    {&Settings::PossessionKey, withShotClock},
    {&Settings::PlayerFoulKey, withPlayers},
    {&Settings::PenaltyKey, withPlayers},
    {&Settings::PointHomeKey, inSets},
    {&Settings::PointGuestKey, inSets},
    {&Settings::FirstServerKey, inSets},
    // Obeyed whenever set: none (0) takes no character.
    {&Settings::MuteKey, always},
    {&Settings::ShortHornKey, always},
};

} // namespace

std::span<const CommandKey> commandKeys()
{
    return keys;
}

QList<int> keysInUse(const Settings &settings)
{
    QList<int> taken;
    for (const CommandKey &key : keys) {
        const int code = settings.*key.setting;
        if (code != 0 && key.inUse(settings))
            taken << code;
    }
    return taken;
}
