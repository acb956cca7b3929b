#include "display/keyascii.h"

#include <QKeyEvent>

int keyAscii(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1)
        return 0;
    const char16_t code = text.front().unicode();
    return (code >= 1 && code <= 255) ? code : 0;
}
