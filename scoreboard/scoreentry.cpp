#include "scoreboard/scoreentry.h"

namespace {

constexpr int Enter = 13;
constexpr int Space = 32;

bool isEntryCharacter(int key)
{
    return (key >= '0' && key <= '9') || key == '+' || key == '-';
}

bool isSign(QChar c)
{
    return c == u'+' || c == u'-';
}

// What a finished entry does: one digit sets the score, a sign with or
// without a digit adds or subtracts it.
std::optional<ScoreEdit> editFor(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    const QChar first = text.front();
    if (first.isDigit())
        return ScoreEdit{ScoreEdit::Set, first.digitValue()};
    if (!isSign(first))
        return std::nullopt;
    const int amount = text.size() > 1 && text.at(1).isDigit() ? text.at(1).digitValue() : 0;
    return ScoreEdit{ScoreEdit::Add, first == u'-' ? -amount : amount};
}

} // namespace

std::optional<ScoreEdit> ScoreEntry::key(int which, int keyAscii)
{
    if (which != m_target) {
        m_text.clear();
        m_target = which;
    }
    if (isEntryCharacter(keyAscii))
        m_text += QChar(keyAscii);
    if (keyAscii == Space)
        m_text.clear();

    std::optional<ScoreEdit> edit;
    if (m_text.size() >= 2) {
        // Only a sign and a digit make a change; two digits, or a sign after
        // anything, start over.
        if (isSign(m_text.at(0)) && m_text.at(1).isDigit())
            edit = editFor(m_text);
        m_text.clear();
    }
    if (keyAscii == Enter) {
        edit = editFor(m_text);
        m_text.clear();
    }
    return edit;
}

void ScoreEntry::discard()
{
    m_text.clear();
    m_target = -1;
}
