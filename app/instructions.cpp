#include "app/instructions.h"

#include "game/gamerules.h"
#include "options/keyname.h"
#include "settings/appsettings.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The character a key code types, inserted as it is.
QString keyCharacter(int code)
{
    return QString(QChar(static_cast<char16_t>(code & 0xFF)));
}

// Gives the lines their translation context.
class Instructions
{
    Q_DECLARE_TR_FUNCTIONS(Instructions)

public:
    static QStringList lines(int startStopKey, int resetKey, int buzzerKey);
    static QStringList gameLines(const Settings &settings);
};

QStringList Instructions::lines(int startStopKey, int resetKey, int buzzerKey)
{
    return {
        tr(" - To start or stop the clock press '%1'.").arg(keyCharacter(startStopKey)),
        tr("  - To reset the clock press '%1'.").arg(keyCharacter(resetKey)),
        tr("  - To change the scores, click on the score, type a single digit number, "
           "and press 'enter'."),
        tr("  - To increase or decrease one of the scores, click on the score, press '+' "
           "or '-', and type a single digit number to add or subtract."),
        tr("  - To sound the buzzer press '%1' .").arg(keyCharacter(buzzerKey)),
        tr("  - If you have mistyped a number and need to start over press "),
        tr("'SPACE' ."),
        tr("  - To return to this screen from the program press 'Esc'."),
        tr("  - To see the board's network addresses and PIN press 'F4'."),
        tr("  - To go to the options from the program press 'o'."),
    };
}

// A game without periods or timeouts has none of their keys, so the guide
// names none.
QStringList Instructions::gameLines(const Settings &s)
{
    const GameRules rules = gameRulesOf(s);
    const GameStructure &game = rules.structure;
    QStringList lines;
    if (game.isOn())
        lines
            << tr("  - To go to the next period press '%1', to go back one press '%2'.")
                   .arg(keyDisplayName(s.NextPeriodKey), keyDisplayName(s.PreviousPeriodKey))
            << tr("  - To skip the rest of a break press '%1'.").arg(keyDisplayName(s.SkipBreakKey))
            << tr("  - To start a new game press '%1'.").arg(keyDisplayName(s.NewGameKey));
    if (rules.sets.enabled)
        lines << tr("  - To give a point press '%1' for the home team, '%2' for the guest team; "
                    "'Ctrl+Z' takes it back.")
                     .arg(keyDisplayName(s.PointHomeKey), keyDisplayName(s.PointGuestKey))
              << tr("  - Before a set's first point press '%1' to switch the first server.")
                     .arg(keyDisplayName(s.FirstServerKey));
    if (rules.sets.enabled && !game.isOn())
        lines << tr("  - To start a new game press '%1'.").arg(keyDisplayName(s.NewGameKey));
    if (rules.sets.enabled ? rules.sets.timeoutsPerSet > 0 : game.timeouts.isOn())
        lines << tr("  - To start or end a timeout press '%1' for the home team, '%2' for the "
                    "guest team.")
                     .arg(keyDisplayName(s.HomeTimeoutKey), keyDisplayName(s.GuestTimeoutKey));
    return lines;
}

} // namespace

QString instructionsText(int startStopKey, int resetKey, int buzzerKey)
{
    return Instructions::lines(startStopKey, resetKey, buzzerKey).join(QStringLiteral("\r\n"));
}

QString instructionsText(const Settings &settings)
{
    return (Instructions::lines(settings.StartStopClockKey, settings.ResetClockKey,
                                settings.BuzzerKey) +
            Instructions::gameLines(settings))
        .join(QStringLiteral("\r\n"));
}
