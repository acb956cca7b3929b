#include "scoreboard/scoreentry.h"

#include "display/ledgroup.h"
#include "display/ledlines.h"

#include <QRegularExpression>

#include <optional>

namespace {

constexpr int Enter = 13;
constexpr int Space = 32;

// The integer part of the number at the start of `text`, 0 when none.
int leadingInteger(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+"));
    const QRegularExpressionMatch match = digits.match(text);
    return match.hasMatch() ? match.captured(0).toInt() : 0;
}

std::optional<int> newValue(const QString &current, const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    const QChar first = text.front();
    if (first >= u'0' && first <= u'9')
        return leadingInteger(text);
    // With no lit digit (after the board was cleared) a change counts from 0.
    const int base = current.isEmpty() ? 0 : current.toInt();
    if (first == u'+')
        return base + leadingInteger(text.mid(1));
    if (first == u'-')
        return base - leadingInteger(text.mid(1));
    return std::nullopt;
}

bool isEntryCharacter(int key)
{
    return (key >= '0' && key <= '9') || key == '+' || key == '-';
}

} // namespace

QString ScoreEntry::shownValue(const LedGroup &group)
{
    QString value;
    for (int i = group.UBound(); i >= 0; --i) {
        const ledlines *digit = group[i];
        if (digit && digit->caption() >= 0)
            value += QString::number(digit->caption());
    }
    return value;
}

void ScoreEntry::StaticText(const LedGroup &DigitObject, int KeyAscii, int Min, int Max)
{
    m_allKeyPress(KeyAscii);

    if (DigitObject.name() != m_scoreTarget) {
        m_scoreText.clear();
        m_scoreTarget = DigitObject.name();
    }
    if (isEntryCharacter(KeyAscii))
        m_scoreText += QChar(KeyAscii);
    if (KeyAscii == Space)
        m_scoreText.clear();
    if (m_scoreText.size() >= 2) {
        const QChar sign = m_scoreText.at(0);
        if ((sign == u'+' || sign == u'-') && m_scoreText.at(1).isDigit())
            SetDigits(DigitObject, m_scoreText, Min, Max);
        m_scoreText.clear();
    }
    if (KeyAscii == Enter) {
        SetDigits(DigitObject, m_scoreText, Min, Max);
        m_scoreText.clear();
    }
}

void ScoreEntry::SetDigits(const LedGroup &DigitObject, const QString &Text, int Min, int Max) const
{
    // A typed digit has already run its key command once, in StaticText; it
    // is not handed on a second time.
    const std::optional<int> value = newValue(shownValue(DigitObject), Text);
    if (!value || *value < Min || *value > Max)
        return;
    const QString digits = QString::number(*value);
    for (int i = 0; i <= DigitObject.UBound(); ++i) {
        ledlines *digit = DigitObject[i];
        if (!digit)
            continue;
        if (i < digits.size())
            digit->setCaption(digits.at(digits.size() - 1 - i).digitValue());
        else
            digit->setCaption(ledlines::Blank);
    }
}

void ScoreEntry::Discard()
{
    m_scoreText.clear();
    m_scoreTarget.clear();
}
