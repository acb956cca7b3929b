#pragma once

#include <QByteArray>
#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// How a schedule saved by a spreadsheet reads: its text in whichever
// encoding the spreadsheet wrote, its separator, its fields, and the words
// its header and its preset names may use in the languages Corvella speaks.
namespace ScheduleCsv {

enum class Column { Time, Court, Home, Guest, Preset, Group };
constexpr qsizetype ColumnCount = 6;

// UTF-8 with or without a byte order mark, or UTF-16 with one; anything
// else that is not valid UTF-8 is a spreadsheet's Windows-1252.
QString decoded(const QByteArray &bytes);

// ',', ';' or a tab, whichever the header line has most of; null when it
// has none.
QChar separatorOf(const QString &headerLine);

// One line's fields, trimmed; nothing when a quote is left open or stray
// text follows a closing quote, with that field's index in `faultyField`.
// "" inside quotes is one quote.
std::optional<QStringList> fields(const QString &line, QChar separator, qsizetype *faultyField);

// Whether `word` is a header's name for `column` in one of the languages.
bool namesColumn(const QString &word, Column column);
// Every language's words for `column`, English first.
QStringList columnWords(Column column);

// The text as compared by name: without case and accents.
QString folded(const QString &text);

// Every name the presets in `known` go by in Corvella's languages, folded,
// to the preset's own name. A preset's own name comes before another's
// translation.
QHash<QString, QString> presetNames(const QStringList &known);

} // namespace ScheduleCsv
