#include "app/instructions.h"

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

} // namespace

QString instructionsText(int startStopKey, int resetKey, int buzzerKey)
{
    return Instructions::lines(startStopKey, resetKey, buzzerKey).join(QStringLiteral("\r\n"));
}
