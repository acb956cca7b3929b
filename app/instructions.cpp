#include "app/instructions.h"

#include <QStringList>

namespace {

// The character a key code types, inserted as it is.
QString keyCharacter(int code)
{
    return QString(QChar(static_cast<char16_t>(code & 0xFF)));
}

} // namespace

QString instructionsText(int startStopKey, int resetKey, int buzzerKey)
{
    const QStringList lines = {
        QStringLiteral(" - To start or stop the clock press '") + keyCharacter(startStopKey) +
            QStringLiteral("'."),
        QStringLiteral("  - To reset the clock press '") + keyCharacter(resetKey) +
            QStringLiteral("'."),
        QStringLiteral("  - To change the scores, click on the score, type a single digit number, "
                       "and press 'enter'."),
        QStringLiteral(
            "  - To increase or decrease one of the scores, click on the score, press '+' "
            "or '-', and type a single digit number to add or subtract."),
        QStringLiteral("  - To sound the buzzer press '") + keyCharacter(buzzerKey) +
            QStringLiteral("' ."),
        QStringLiteral("  - If you have mistyped a number and need to start over press "),
        QStringLiteral("'SPACE' ."),
        QStringLiteral("  - To return to this screen from the program press 'Esc'."),
        QStringLiteral("  - To see the board's network addresses and PIN press 'F4'."),
        QStringLiteral("  - To go to the options from the program press 'o'."),
    };
    return lines.join(QStringLiteral("\r\n"));
}
