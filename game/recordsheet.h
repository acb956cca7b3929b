#pragma once

#include "game/gamerecord.h"

#include <QLocale>

#include <functional>

// The words a person reads at the head of a game's result, the same on the
// printed sheet and on the /report page: the teams, when the game started,
// and scores side by side. Each view gives them in its own language: the
// program's on the sheet, the browser's on the page.
class RecordSheet
{
public:
    using Scores = std::array<std::optional<int>, 4>;
    // `text` of `context` translated, or `text` itself when there is none.
    using Words = std::function<QString(const char *context, const char *text)>;
    // The program's own language.
    static Words programWords();

    RecordSheet(const GameRecord &header, const QLocale &locale, Words words = programWords());

    // A team's caption, or "Home" and "Guest" for a game whose captions were empty.
    QString home() const;
    QString guest() const;
    // "Lions – Tigers".
    QString title() const;
    // "8 December 2026, 20:30 (UTC+01:00)": the start on the hall's clock.
    QString started() const;
    // Two scores side by side, "3 : 4", a blank one as "-".
    static QString scorePair(const Scores &scores, int home, int guest);

private:
    // The sheet's words are those of the printed result ("Export").
    QString word(const char *text) const { return m_words("Export", text); }

    GameRecord m_header;
    QLocale m_locale;
    Words m_words;
};
