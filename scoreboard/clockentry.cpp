#include "scoreboard/clockentry.h"

#include "scoreboard/clockface.h"
#include "scoreboard/runningclock.h"

#include <algorithm>

bool ClockEntry::isAcceptable(const QString &text)
{
    if (text.count(u'.') > 1 ||
        !std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return false;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value >= 0 && value <= 99.59;
}

void ClockEntry::KeyPress(int KeyAscii)
{
    m_allKeyPress(KeyAscii);

    if (KeyAscii == '.' || (KeyAscii >= '0' && KeyAscii <= '9'))
        m_timeEntryText += QChar(KeyAscii);
    if (KeyAscii == ' ')
        m_timeEntryText.clear();
    if (KeyAscii == 13) {
        if (isAcceptable(m_timeEntryText))
            m_clock.EnterTime(ClockFace::StrToSeconds(m_timeEntryText));
        m_timeEntryText.clear();
    }
}
