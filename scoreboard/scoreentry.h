#pragma once

#include <QString>

#include <optional>

// A change of a score that the operator finished typing.
struct ScoreEdit
{
    enum Kind { Set, Add };
    Kind kind = Set;
    int amount = 0;
};

// Typing on a score: a digit and Enter sets it; "+" or "-" and a digit adds
// or subtracts at once; space discards what was typed. With whole scores,
// digits up to the score's maximum and Enter set it. What is pending belongs
// to one score and is dropped at the first key typed on another.
class ScoreEntry
{
public:
    void setWholeScores(bool on) { m_whole = on; }
    bool wholeScores() const { return m_whole; }

    // One key typed on score `which`, which goes up to `maxScore`; returns the
    // change it completes.
    std::optional<ScoreEdit> key(int which, int keyAscii, int maxScore = 99);
    void discard();

    const QString &pendingText() const { return m_text; }
    int pendingScore() const { return m_target; }
    // Why the last key dropped what was typed, or empty.
    const QString &refusal() const { return m_refusal; }

private:
    std::optional<ScoreEdit> wholeKey(int keyAscii, int maxScore);

    QString m_text;
    QString m_refusal;
    int m_target = -1;
    bool m_whole = false;
};
