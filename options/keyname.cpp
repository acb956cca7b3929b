#include "options/keyname.h"

QString keyDisplayName(int keyAscii)
{
    switch (keyAscii) {
    case 8:
        return QStringLiteral("Backspace");
    case 9:
        return QStringLiteral("Tab");
    case 13:
        return QStringLiteral("Enter");
    case 27:
        return QStringLiteral("Esc");
    case 32:
        return QStringLiteral("Space");
    case 127:
        return QStringLiteral("Delete");
    default:
        break;
    }
    if (keyAscii >= 1 && keyAscii <= 26)
        return QStringLiteral("Ctrl+") + QChar(u'A' + keyAscii - 1);
    const QChar character(static_cast<char16_t>(keyAscii));
    if (character.isPrint())
        return QString(character);
    return QStringLiteral("Code ") + QString::number(keyAscii);
}
