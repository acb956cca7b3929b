#include "hall/schedulecsv.h"

#include "i18n/language.h"
#include "web/pagetexts.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// A header's words, one row a language (English first), one entry a column
// in file order; "|" parts name the same column. A file reads the same
// whatever the user's language, so these are not translations but a table:
// a new language gets its row here and in the README.
struct HeaderLanguage
{
    const char *language;
    const char *words[ScheduleCsv::ColumnCount];
};
const HeaderLanguage HeaderWords[] = {
    {"en", {"time", "court", "home", "guest", "preset", "group"}},
    {"de", {"Zeit", "Feld|Spielfeld", "Heim", "Gast", "Voreinstellung", "Gruppe"}},
    {"es", {"hora", "pista", "local", "visitante", "preajuste", "grupo"}},
    {"fr", {"heure", "terrain", "domicile", "visiteur|visiteurs", "préréglage", "groupe"}},
    {"nl", {"tijd", "veld", "thuis", "gasten", "voorinstelling", "groep"}},
};

// Windows-1252 from 0x80 to 0x9f; the rest of it is Latin-1. Its five
// unused bytes stay the control characters they are in Latin-1.
constexpr char16_t Windows1252High[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178,
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<uchar>(byte);
        text += code >= 0x80 && code < 0xa0 ? QChar(Windows1252High[code - 0x80])
                                            : QChar(char16_t(code));
    }
    return text;
}

} // namespace

QString ScheduleCsv::decoded(const QByteArray &bytes)
{
    // A spreadsheet's "Unicode text" is UTF-16, always with its byte order mark.
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        QStringDecoder utf16(bytes.startsWith("\xff\xfe") ? QStringConverter::Utf16LE
                                                          : QStringConverter::Utf16BE);
        return QString(utf16(bytes.sliced(2)));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return fromWindows1252(bytes);
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    return text;
}

QChar ScheduleCsv::separatorOf(const QString &headerLine)
{
    QChar most;
    qsizetype mostCount = 0;
    for (const QChar separator : {u',', u';', u'\t'}) {
        if (const qsizetype count = headerLine.count(separator); count > mostCount) {
            most = separator;
            mostCount = count;
        }
    }
    return most;
}

std::optional<QStringList> ScheduleCsv::fields(const QString &line, QChar separator,
                                               qsizetype *faultyField)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    bool closed = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < line.size() && line.at(i + 1) == u'"')
                field += line.at(++i);
            else {
                quoted = false;
                closed = true;
            }
        } else if (c == separator) {
            fields << field;
            field.clear();
            closed = false;
        } else if (closed) {
            if (!c.isSpace()) {
                *faultyField = fields.size();
                return std::nullopt;
            }
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else {
            field += c;
        }
    }
    if (quoted) {
        *faultyField = fields.size();
        return std::nullopt;
    }
    fields << field;
    for (QString &f : fields)
        f = f.trimmed();
    return fields;
}

QString ScheduleCsv::folded(const QString &text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    }
    return plain.toCaseFolded();
}

QStringList ScheduleCsv::columnWords(Column column)
{
    QStringList words;
    for (const HeaderLanguage &language : HeaderWords) {
        const char *entry = language.words[static_cast<qsizetype>(column)];
        for (const QString &word : QString::fromUtf8(entry).split(u'|')) {
            if (!words.contains(word))
                words << word;
        }
    }
    return words;
}

bool ScheduleCsv::namesColumn(const QString &word, Column column)
{
    const QString wanted = folded(word);
    const QStringList words = columnWords(column);
    return std::any_of(words.begin(), words.end(),
                       [&wanted](const QString &known) { return folded(known) == wanted; });
}

QHash<QString, QString> ScheduleCsv::presetNames(const QStringList &known)
{
    QHash<QString, QString> names;
    for (const QString &name : known)
        names.insert(folded(name), name);
    // Whatever the user's language, a file may come from a club speaking
    // another, so every translation counts.
    for (const QString &language : translatedLanguages()) {
        const PageWords words(language);
        for (const QString &name : known) {
            const QByteArray english = name.toUtf8();
            const QString key = folded(words("Presets", english.constData()));
            if (!names.contains(key))
                names.insert(key, name);
        }
    }
    return names;
}
