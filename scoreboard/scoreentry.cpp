#include "scoreboard/scoreentry.h"

#include "game/gamemodel.h"

#include <QCoreApplication>

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

std::optional<ScoreEdit> ScoreEntry::key(int which, int keyAscii, int maxScore)
{
    if (which != m_target) {
        m_text.clear();
        m_target = which;
    }
    m_refusal.clear();
    if (m_whole)
        return wholeKey(keyAscii, maxScore);
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
        else if (m_text.at(0).isDigit() && m_text.at(1).isDigit())
            m_refusal =
                QCoreApplication::translate("ScoreEntry", "%1: a score takes one digit and Enter")
                    .arg(m_text);
        else
            m_refusal =
                QCoreApplication::translate("ScoreEntry", "%1: a sign, then one digit").arg(m_text);
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

std::optional<ScoreEdit> ScoreEntry::wholeKey(int keyAscii, int maxScore)
{
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (keyAscii == Space) {
        m_text.clear();
        return std::nullopt;
    }
    if (digit && !m_text.isEmpty() && isSign(m_text.front())) {
        // A sign and a digit change the score at once, as with single digits.
        const std::optional<ScoreEdit> edit = editFor(m_text + QChar(keyAscii));
        m_text.clear();
        return edit;
    }
    if (digit) {
        const QString typed = m_text + QChar(keyAscii);
        m_refusal =
            GameModel::scoreRefusal(0, GameModel::ScoreChange::Set, typed.toInt(), maxScore);
        m_text = m_refusal.isEmpty() ? typed : QString();
        return std::nullopt;
    }
    if (keyAscii == '+' || keyAscii == '-') {
        if (m_text.isEmpty()) {
            m_text = QChar(keyAscii);
        } else {
            m_refusal = QCoreApplication::translate("ScoreEntry", "%1: a sign, then one digit")
                            .arg(m_text + QChar(keyAscii));
            m_text.clear();
        }
        return std::nullopt;
    }
    if (keyAscii != Enter)
        return std::nullopt;
    std::optional<ScoreEdit> edit;
    if (!m_text.isEmpty() && m_text.front().isDigit())
        edit = ScoreEdit{ScoreEdit::Set, m_text.toInt()};
    m_text.clear();
    return edit;
}
