#include "settings/appsettings.h"

#include "settings/settingsstore.h"

#include <QCoreApplication>

#include <limits>
#include <variant>

namespace {

using StoreEntry = SettingsEntry;

// Every entry of the store, in load and save order.
const StoreEntry storeEntries[] = {
    {"ColorSettings", "FormColor", &Settings::FormColor},
    {"ColorSettings", "LEDTimeColor", &Settings::LEDTimeColor},
    {"ColorSettings", "LEDScoreColor", &Settings::LEDScoreColor},
    {"ColorSettings", "LEDBackColor", &Settings::LEDBackColor},
    {"ColorSettings", "HomeColor", &Settings::HomeColor},
    {"ColorSettings", "GuestColor", &Settings::GuestColor},
    {"ColorSettings", "TextColor", &Settings::TextColor},
    {"KeySettings", "StartStopClockKey", &Settings::StartStopClockKey},
    {"KeySettings", "ResetClockKey", &Settings::ResetClockKey},
    {"KeySettings", "BuzzerKey", &Settings::BuzzerKey},
    {"KeySettings", "BuzzerFile", &Settings::BuzzerFile},
    {"KeySettings", "WholeScoreEntry", &Settings::WholeScoreEntry},
    {"TextSettings", "HomeText", &Settings::HomeText, SettingsLimits::TeamTextLength},
    {"TextSettings", "GuestText", &Settings::GuestText, SettingsLimits::TeamTextLength},
    {"TextSettings", "SectionText1", &Settings::SectionText1, SettingsLimits::SectionTextLength},
    {"TextSettings", "SectionText2", &Settings::SectionText2, SettingsLimits::SectionTextLength},
    {"TextSettings", "TeamSize", &Settings::TeamSize},
    {"TextSettings", "CreditText", &Settings::CreditText, SettingsLimits::CreditTextLength},
    {"ClockSettings", "CountDown", &Settings::CountDown},
    {"ClockSettings", "PeriodLength", &Settings::PeriodLength},
    {"ClockSettings", "Periods", &Settings::Periods},
    {"ClockSettings", "BreakLengths", &Settings::BreakLengths},
    {"ClockSettings", "OvertimeLength", &Settings::OvertimeLength},
    {"KeySettings", "NextPeriodKey", &Settings::NextPeriodKey},
    {"KeySettings", "PreviousPeriodKey", &Settings::PreviousPeriodKey},
    {"KeySettings", "SkipBreakKey", &Settings::SkipBreakKey},
    {"KeySettings", "NewGameKey", &Settings::NewGameKey},
    {"ClockSettings", "TimeoutsPerGame", &Settings::TimeoutsPerGame},
    {"ClockSettings", "TimeoutsPerHalf", &Settings::TimeoutsPerHalf, 40},
    {"ClockSettings", "TimeoutLength", &Settings::TimeoutLength, 8},
    {"KeySettings", "HomeTimeoutKey", &Settings::HomeTimeoutKey},
    {"KeySettings", "GuestTimeoutKey", &Settings::GuestTimeoutKey},
    {"TextSettings", "Section2Role", &Settings::Section2Role, 8},
    {"TextSettings", "FoulsReset", &Settings::FoulsReset, 8},
    {"TextSettings", "FoulBonusAt", &Settings::FoulBonusAt},
    {"DisplaySettings", "ScoreDigits", &Settings::ScoreDigits},
    {"DisplaySettings", "AudienceScreen", &Settings::AudienceScreen},
    {"DisplaySettings", "OperatorHints", &Settings::OperatorHints},
    {"DisplaySettings", "Language", &Settings::Language, 16},
    {"WebSettings", "WebServer", &Settings::WebServer},
    {"WebSettings", "WebPort", &Settings::WebPort},
    {"WebSettings", "WebAddress", &Settings::WebAddress},
    {"WebSettings", "Api", &Settings::Api},
    {"WebSettings", "ApiToken", &Settings::ApiToken, 128},
    {"HallSettings", "Broker", &Settings::HallBroker, 256},
    {"HallSettings", "Venue", &Settings::HallVenue, 64},
    {"HallSettings", "Court", &Settings::HallCourt, 64},
    {"HallSettings", "User", &Settings::HallUser, 64},
    {"HallSettings", "Password", &Settings::HallPassword, 256},
    {"HallSettings", "CaFile", &Settings::HallCaFile, 4096},
    {"ShotClockSettings", "Enabled", &Settings::ShotClockEnabled},
    {"ShotClockSettings", "Length", &Settings::ShotClockLength},
    {"ShotClockSettings", "ShortLength", &Settings::ShotClockShortLength},
    {"ShotClockSettings", "Linked", &Settings::ShotClockLinked},
    {"ShotClockSettings", "ShotClockSound", &Settings::ShotClockSound},
    {"ShotClockSettings", "StopGameAtZero", &Settings::ShotClockStopGameAtZero},
    {"ShotClockSettings", "ResetOnScore", &Settings::ShotClockResetOnScore},
    {"KeySettings", "ShotClockResetKey", &Settings::ShotClockResetKey},
    {"KeySettings", "ShotClockShortKey", &Settings::ShotClockShortKey},
    {"KeySettings", "ShotClockHoldKey", &Settings::ShotClockHoldKey},
    {"KeySettings", "ShotClockBlankKey", &Settings::ShotClockBlankKey},
    {"KeySettings", "PossessionKey", &Settings::PossessionKey},
    {"SetsSettings", "Enabled", &Settings::SetsEnabled},
    {"SetsSettings", "SetsToWin", &Settings::SetsToWin},
    {"SetsSettings", "PointsPerSet", &Settings::SetsPointsPerSet},
    {"SetsSettings", "LastSetPoints", &Settings::SetsLastSetPoints},
    {"SetsSettings", "WinBy", &Settings::SetsWinBy},
    {"SetsSettings", "Cap", &Settings::SetsCap},
    {"SetsSettings", "ServeEvery", &Settings::SetsServeEvery},
    {"SetsSettings", "TimeoutsPerSet", &Settings::SetsTimeoutsPerSet},
    {"SetsSettings", "SwitchSidesEvery", &Settings::SetsSwitchSidesEvery},
    {"SetsSettings", "LastSetSwitchSidesEvery", &Settings::SetsLastSetSwitchSidesEvery},
    {"SetsSettings", "IntervalAt", &Settings::SetsIntervalAt},
    {"SetsSettings", "Clock", &Settings::SetsClock},
    {"KeySettings", "PointHomeKey", &Settings::PointHomeKey},
    {"KeySettings", "PointGuestKey", &Settings::PointGuestKey},
    {"KeySettings", "FirstServerKey", &Settings::FirstServerKey},
    {"SponsorSettings", "Enabled", &Settings::SponsorsEnabled},
    {"SponsorSettings", "SlideSeconds", &Settings::SponsorSlideSeconds},
    {"SponsorSettings", "During", &Settings::SponsorsDuring, 32},
    {"PlayerSettings", "Enabled", &Settings::PlayersEnabled},
    {"PlayerSettings", "PlayerFoulLimit", &Settings::PlayerFoulLimit},
    {"PlayerSettings", "PenaltyLengths", &Settings::PenaltyLengths, 64},
    {"PlayerSettings", "PenaltyEndsOnGoal", &Settings::PenaltyEndsOnGoal},
    {"PlayerSettings", "SuspensionsToDisqualify", &Settings::SuspensionsToDisqualify},
    {"KeySettings", "PlayerFoulKey", &Settings::PlayerFoulKey},
    {"KeySettings", "PenaltyKey", &Settings::PenaltyKey},
};

bool isKeyField(qint16 Settings::*member)
{
    return member == &Settings::StartStopClockKey || member == &Settings::ResetClockKey ||
           member == &Settings::BuzzerKey || member == &Settings::NextPeriodKey ||
           member == &Settings::PreviousPeriodKey || member == &Settings::SkipBreakKey ||
           member == &Settings::NewGameKey || member == &Settings::HomeTimeoutKey ||
           member == &Settings::GuestTimeoutKey || member == &Settings::ShotClockResetKey ||
           member == &Settings::ShotClockShortKey || member == &Settings::ShotClockHoldKey ||
           member == &Settings::ShotClockBlankKey || member == &Settings::PossessionKey ||
           member == &Settings::PlayerFoulKey || member == &Settings::PenaltyKey ||
           member == &Settings::PointHomeKey || member == &Settings::PointGuestKey ||
           member == &Settings::FirstServerKey;
}

bool isSwitch(qint16 Settings::*member)
{
    return member == &Settings::CountDown || member == &Settings::ShotClockEnabled ||
           member == &Settings::ShotClockLinked || member == &Settings::ShotClockStopGameAtZero ||
           member == &Settings::ShotClockResetOnScore || member == &Settings::SponsorsEnabled ||
           member == &Settings::PlayersEnabled || member == &Settings::PenaltyEndsOnGoal ||
           member == &Settings::SetsEnabled || member == &Settings::SetsClock ||
           member == &Settings::SponsorsEnabled;
}

bool isWebSwitch(qint16 Settings::*member)
{
    return member == &Settings::WebServer || member == &Settings::WholeScoreEntry ||
           member == &Settings::Api;
}

bool isHintsMode(qint16 Settings::*member)
{
    return member == &Settings::OperatorHints;
}

bool isPort(qint32 Settings::*member)
{
    return member == &Settings::WebPort;
}

template <typename Int> bool parseDecimal(const QString &text, Int &out)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<Int>::min() || number > std::numeric_limits<Int>::max())
        return false;
    out = static_cast<Int>(number);
    return true;
}

// A hand-edited caption can be megabytes long; the board would take seconds
// to lay it out. Keep what the options would have let the operator type.
QString limited(const QString &text, qsizetype maxLength)
{
    if (maxLength == 0 || text.size() <= maxLength)
        return text;
    QString kept = text.left(maxLength);
    if (kept.back().isHighSurrogate())
        kept.chop(1);
    return kept;
}

QString keyPath(const StoreEntry &entry)
{
    return QLatin1StringView(entry.group) + u'/' + QLatin1StringView(entry.key);
}

void loadEntry(const QMap<QString, QString> &stored, const StoreEntry &entry, Settings &into,
               QMap<QString, QString> *unreadNumbers)
{
    const auto found = stored.constFind(keyPath(entry));
    if (found == stored.cend())
        return;
    const QString &text = *found;
    std::visit(
        [&](auto member) {
            using Field = std::remove_reference_t<decltype(into.*member)>;
            if constexpr (std::is_same_v<Field, QString>) {
                into.*member = limited(text, entry.maxLength);
            } else {
                Field number{};
                if (!parseDecimal(text, number)) {
                    if (unreadNumbers)
                        unreadNumbers->insert(keyPath(entry), text);
                    return;
                }
                if constexpr (std::is_same_v<Field, qint16>) {
                    if (isKeyField(member) && (number < 1 || number > 255))
                        return;
                    if (isSwitch(member) && number != 0 && number != 1)
                        return;
                    if (isWebSwitch(member) && number != 0 && number != 1)
                        return;
                    if (member == &Settings::Periods &&
                        (number < 0 || number > SettingsDefaults::MaxPeriods))
                        return;
                    if (isHintsMode(member) && (number < 0 || number > 2))
                        return;
                    if (member == &Settings::TimeoutsPerGame &&
                        (number < 0 || number > SettingsDefaults::MaxTimeouts))
                        return;
                    if (member == &Settings::FoulBonusAt && (number < 0 || number > 99))
                        return;
                    if (member == &Settings::ScoreDigits && number != 2 && number != 3)
                        return;
                    if ((member == &Settings::PlayerFoulLimit ||
                         member == &Settings::SuspensionsToDisqualify) &&
                        (number < 0 || number > SettingsDefaults::MaxPlayerCount))
                        return;
                    if (member == &Settings::SponsorSlideSeconds &&
                        (number < 1 || number > SettingsDefaults::MaxSponsorSlideSeconds))
                        return;
                }
                if constexpr (std::is_same_v<Field, qint32>) {
                    if (isPort(member) && (number < 1 || number > 65535))
                        return;
                }
                into.*member = number;
            }
        },
        entry.member);
}

} // namespace

std::span<const SettingsEntry> settingsEntries()
{
    return storeEntries;
}

void applyDefaultColors(Settings &s)
{
    s.FormColor = SettingsDefaults::FormColor;
    s.LEDTimeColor = SettingsDefaults::LEDTimeColor;
    s.LEDScoreColor = SettingsDefaults::LEDScoreColor;
    s.LEDBackColor = SettingsDefaults::LEDBackColor;
    s.HomeColor = SettingsDefaults::HomeColor;
    s.GuestColor = SettingsDefaults::GuestColor;
    s.TextColor = SettingsDefaults::TextColor;
}

void applyDefaultKeys(Settings &s)
{
    s.StartStopClockKey = SettingsDefaults::StartStopClockKey;
    s.ResetClockKey = SettingsDefaults::ResetClockKey;
    s.BuzzerKey = SettingsDefaults::BuzzerKey;
    s.NextPeriodKey = SettingsDefaults::NextPeriodKey;
    s.PreviousPeriodKey = SettingsDefaults::PreviousPeriodKey;
    s.SkipBreakKey = SettingsDefaults::SkipBreakKey;
    s.NewGameKey = SettingsDefaults::NewGameKey;
    s.HomeTimeoutKey = SettingsDefaults::HomeTimeoutKey;
    s.GuestTimeoutKey = SettingsDefaults::GuestTimeoutKey;
    s.ShotClockResetKey = SettingsDefaults::ShotClockResetKey;
    s.ShotClockShortKey = SettingsDefaults::ShotClockShortKey;
    s.ShotClockHoldKey = SettingsDefaults::ShotClockHoldKey;
    s.ShotClockBlankKey = SettingsDefaults::ShotClockBlankKey;
    s.PossessionKey = SettingsDefaults::PossessionKey;
    s.PlayerFoulKey = SettingsDefaults::PlayerFoulKey;
    s.PenaltyKey = SettingsDefaults::PenaltyKey;
    s.PointHomeKey = SettingsDefaults::PointHomeKey;
    s.PointGuestKey = SettingsDefaults::PointGuestKey;
    s.FirstServerKey = SettingsDefaults::FirstServerKey;
}

Settings defaultSettings()
{
    Settings s;
    applyDefaultColors(s);
    applyDefaultKeys(s);
    s.TimeoutLength = QStringLiteral("1.00");
    s.Section2Role = QStringLiteral("scores");
    s.FoulsReset = QStringLiteral("period");
    s.ScoreDigits = SettingsDefaults::ScoreDigits;
    s.BuzzerFile = QCoreApplication::applicationDirPath() + QStringLiteral("/buzzer.wav");
    s.HomeText = QStringLiteral("Home");
    s.GuestText = QStringLiteral("Guest");
    s.SectionText1 = QStringLiteral("Section 1");
    s.SectionText2 = QStringLiteral("Section 2");
    s.TeamSize = SettingsDefaults::TeamSize;
    s.CountDown = SettingsDefaults::CountDown;
    s.PeriodLength = QStringLiteral("10.00");
    s.WebServer = SettingsDefaults::WebServer;
    s.WebPort = SettingsDefaults::WebPort;
    s.OperatorHints = SettingsDefaults::OperatorHints;
    s.WholeScoreEntry = SettingsDefaults::WholeScoreEntry;
    s.CreditText = QStringLiteral("Brannick");
    s.Api = SettingsDefaults::Api;
    s.HallVenue = QStringLiteral("hall");
    s.HallCourt = QStringLiteral("1");
    s.ShotClockEnabled = SettingsDefaults::ShotClockEnabled;
    s.ShotClockLength = SettingsDefaults::ShotClockLength;
    s.ShotClockShortLength = SettingsDefaults::ShotClockShortLength;
    s.ShotClockLinked = SettingsDefaults::ShotClockLinked;
    s.ShotClockStopGameAtZero = SettingsDefaults::ShotClockStopGameAtZero;
    s.ShotClockResetOnScore = SettingsDefaults::ShotClockResetOnScore;
    s.SponsorsEnabled = SettingsDefaults::SponsorsEnabled;
    s.SponsorSlideSeconds = SettingsDefaults::SponsorSlideSeconds;
    s.SponsorsDuring = QStringLiteral("breaks");
    s.PlayersEnabled = SettingsDefaults::PlayersEnabled;
    s.PlayerFoulLimit = SettingsDefaults::PlayerFoulLimit;
    s.PenaltyLengths = QStringLiteral("2.00");
    s.PenaltyEndsOnGoal = SettingsDefaults::PenaltyEndsOnGoal;
    s.SuspensionsToDisqualify = SettingsDefaults::SuspensionsToDisqualify;
    return s;
}

QString hallUser(const Settings &settings)
{
    return settings.HallUser.isEmpty() ? settings.HallCourt : settings.HallUser;
}

Settings loadSettings(QMap<QString, QString> *unreadNumbers)
{
    Settings loaded = defaultSettings();
    const QMap<QString, QString> stored = SettingsStore::read();
    for (const StoreEntry &entry : storeEntries)
        loadEntry(stored, entry, loaded, unreadNumbers);
    return loaded;
}

bool saveSettings(const Settings &settings)
{
    QMap<QString, QString> values;
    for (const StoreEntry &entry : storeEntries) {
        std::visit(
            [&](auto member) {
                const auto &field = settings.*member;
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, QString>)
                    values.insert(keyPath(entry), field);
                else
                    values.insert(keyPath(entry), QString::number(field));
            },
            entry.member);
    }
    return SettingsStore::write(values);
}
