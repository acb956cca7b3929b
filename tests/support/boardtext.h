#pragma once

#include "display/leddigit.h"
#include "display/ledgroup.h"

#include <QString>

// What the clock digits show, as " 1:05.3" (blanks as spaces).
inline QString faceText(const LedGroup &clockDigits)
{
    QString text;
    for (int i = 1; i <= 5; ++i) {
        const int d = clockDigits[i]->caption();
        text += d < 0 ? QStringLiteral(" ") : QString::number(d);
        if (i == 2)
            text += u':';
        if (i == 4)
            text += u'.';
    }
    return text;
}
