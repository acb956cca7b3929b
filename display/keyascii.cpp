#include "display/keyascii.h"

#include <QKeyEvent>

namespace {

// The keypad's decimal key types "," on many layouts (German, French...),
// where the clock could then not be set from the keypad at all. On the
// keypad it is always the point.
bool isKeypadDecimal(const QKeyEvent *event)
{
    return event->modifiers().testFlag(Qt::KeypadModifier) &&
           (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period);
}

} // namespace

int keyAscii(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1)
        return 0;
    if (isKeypadDecimal(event))
        return '.';
    const char16_t code = text.front().unicode();
    return (code >= 1 && code <= 255) ? code : 0;
}
