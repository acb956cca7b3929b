#pragma once

#include <QString>

#include <optional>

// Typing on the clock digits: minutes, a point, seconds and Enter give a time
// for the clock; space starts over.
class ClockEntry
{
public:
    // One key typed on the clock; returns the whole seconds of an accepted
    // entry when the key is Enter.
    std::optional<qint16> key(int keyAscii);
    void discard() { m_text.clear(); }
    const QString &pendingText() const { return m_text; }

private:
    QString m_text;
};
