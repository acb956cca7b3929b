#pragma once

#include <QString>

#include <functional>

class LedGroup;

// Typing on a score: a digit and Enter sets it; "+" or "-" and a digit adds
// or subtracts at once; space discards what was typed. Every key first goes
// to the board's key commands.
class ScoreEntry
{
public:
    explicit ScoreEntry(std::function<void(int)> allKeyPress)
        : m_allKeyPress(std::move(allKeyPress))
    {
    }

    void StaticText(const LedGroup &DigitObject, int KeyAscii, int Min, int Max);
    void SetDigits(const LedGroup &DigitObject, const QString &Text, int Min, int Max) const;
    // Forgets any pending entry.
    void Discard();

    const QString &ScoreText() const { return m_scoreText; }

    // The value a group shows, as text ("" when no digit is lit).
    static QString shownValue(const LedGroup &group);

private:
    std::function<void(int)> m_allKeyPress;
    QString m_scoreText;
    QString m_scoreTarget;
};
