#include "scoreboard/clockentry.h"

#include "game/clockface.h"

std::optional<qint16> ClockEntry::key(int keyAscii)
{
    if (keyAscii == '.' || (keyAscii >= '0' && keyAscii <= '9'))
        m_text += QChar(keyAscii);
    if (keyAscii == ' ')
        m_text.clear();
    if (keyAscii != 13)
        return std::nullopt;
    std::optional<qint16> seconds;
    if (ClockFace::isAcceptableEntry(m_text))
        seconds = ClockFace::typedSeconds(m_text);
    m_text.clear();
    return seconds;
}
