#include "web/pagetexts.h"

#include "i18n/language.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>
#include <QUrlQuery>

#include <algorithm>

namespace {

// Every text the pages' scripts translate, as the pages write it.
const char *const Texts[] = {
    QT_TRANSLATE_NOOP("WebPages", "Not connected"),
    QT_TRANSLATE_NOOP("WebPages", "Board"),
    QT_TRANSLATE_NOOP("WebPages", "Stream overlay"),
    QT_TRANSLATE_NOOP("WebPages", "Remote"),
    QT_TRANSLATE_NOOP("WebPages", "PIN shown on the scoreboard's computer"),
    QT_TRANSLATE_NOOP("WebPages", "Unlock"),
    QT_TRANSLATE_NOOP("WebPages", "Start / Stop"),
    QT_TRANSLATE_NOOP("WebPages", "Reset"),
    QT_TRANSLATE_NOOP("WebPages", "Buzzer"),
    QT_TRANSLATE_NOOP("WebPages", "Short horn"),
    QT_TRANSLATE_NOOP("WebPages", "Sound on/off"),
    QT_TRANSLATE_NOOP("WebPages", "Break after period %1"),
    QT_TRANSLATE_NOOP("WebPages", "Final"),
    QT_TRANSLATE_NOOP("WebPages", "Overtime %1"),
    QT_TRANSLATE_NOOP("WebPages", "Period %1"),
    QT_TRANSLATE_NOOP("WebPages", "Too many wrong PINs. Wait a while, or scan the QR code."),
    QT_TRANSLATE_NOOP("WebPages", "Wrong PIN."),
    QT_TRANSLATE_NOOP("WebPages", "BREAK"),
    QT_TRANSLATE_NOOP("WebPages", "FINAL"),
    QT_TRANSLATE_NOOP("WebPages", "OVERTIME"),
    QT_TRANSLATE_NOOP("WebPages", "PERIOD"),
    QT_TRANSLATE_NOOP("WebPages", "Set clock"),
    QT_TRANSLATE_NOOP("WebPages", "Undo"),
    QT_TRANSLATE_NOOP("WebPages", "The clock is minutes.seconds, like 12.30."),
    QT_TRANSLATE_NOOP("WebPages", "Undo again to start the clock again."),
    QT_TRANSLATE_NOOP("WebPages", "TIMEOUT"),
    QT_TRANSLATE_NOOP("WebPages", "BONUS"),
    QT_TRANSLATE_NOOP("WebPages", "Timeout %1"),
    QT_TRANSLATE_NOOP("WebPages", "(%1 timeouts)"),
    QT_TRANSLATE_NOOP("WebPages", "Clock, minutes.seconds"),
    QT_TRANSLATE_NOOP("WebPages", "Corvella board"),
    QT_TRANSLATE_NOOP("WebPages", "Corvella overlay"),
    QT_TRANSLATE_NOOP("WebPages", "Corvella remote"),
    QT_TRANSLATE_NOOP("WebPages", "Shot clock"),
    QT_TRANSLATE_NOOP("WebPages", "Corvella shot clock"),
    QT_TRANSLATE_NOOP("WebPages", "Shot clock reset"),
    QT_TRANSLATE_NOOP("WebPages", "Short reset"),
    QT_TRANSLATE_NOOP("WebPages", "Hold / Release"),
    QT_TRANSLATE_NOOP("WebPages", "Switch possession"),
    QT_TRANSLATE_NOOP("WebPages", "%1 FOULS"),
    QT_TRANSLATE_NOOP("WebPages", "Type the number of the player first."),
    QT_TRANSLATE_NOOP("WebPages", "Player number"),
    QT_TRANSLATE_NOOP("WebPages", "Foul home"),
    QT_TRANSLATE_NOOP("WebPages", "Foul guest"),
    QT_TRANSLATE_NOOP("WebPages", "Penalty length"),
    QT_TRANSLATE_NOOP("WebPages", "Penalty home"),
    QT_TRANSLATE_NOOP("WebPages", "Penalty guest"),
    QT_TRANSLATE_NOOP("WebPages", "SET"),
    QT_TRANSLATE_NOOP("WebPages", "Sets"),
    QT_TRANSLATE_NOOP("WebPages", "Set %1"),
    QT_TRANSLATE_NOOP("WebPages", "Point"),
    QT_TRANSLATE_NOOP("WebPages", "First server"),
    QT_TRANSLATE_NOOP("WebPages", "Announcer"),
    QT_TRANSLATE_NOOP("WebPages", "Corvella announcer"),
    QT_TRANSLATE_NOOP("WebPages", "Players"),
    QT_TRANSLATE_NOOP("WebPages", "Penalties"),
    QT_TRANSLATE_NOOP("WebPages", "Last steps"),
    QT_TRANSLATE_NOOP("WebPages", "The game so far"),
    QT_TRANSLATE_NOOP("WebPages", "Home"),
    QT_TRANSLATE_NOOP("WebPages", "Guest"),
    QT_TRANSLATE_NOOP("WebPages", "Undone: %1"),
    QT_TRANSLATE_NOOP("WebPages", "Timeouts left: %1"),
    QT_TRANSLATE_NOOP("WebPages", "Team fouls: %1"),
    QT_TRANSLATE_NOOP("WebPages", "Pts"),
    QT_TRANSLATE_NOOP("WebPages", "Fouls"),
    QT_TRANSLATE_NOOP("WebPages", "Lead changes"),
    QT_TRANSLATE_NOOP("WebPages", "Times tied"),
    QT_TRANSLATE_NOOP("WebPages", "Largest lead"),
    QT_TRANSLATE_NOOP("WebPages", "Longest run"),
    QT_TRANSLATE_NOOP("WebPages", "Time leading"),
    QT_TRANSLATE_NOOP("WebPages", "Points per set"),
    QT_TRANSLATE_NOOP("WebPages", "Points per period"),
    QT_TRANSLATE_NOOP("WebPages", "P%1"),
    QT_TRANSLATE_NOOP("WebPages", "OT%1"),
};

// Where texts.js takes the words' table, written by the server.
constexpr QByteArrayView WordsSlot = "/* words */ {}";

// The header's languages, the most wanted first: "nl-BE,nl;q=0.9,en;q=0.5".
QStringList acceptedLanguages(const QByteArray &header)
{
    QList<QPair<double, QString>> weighted;
    for (const QByteArray &entry : header.split(',')) {
        const QList<QByteArray> fields = entry.split(';');
        const QString tag = QString::fromLatin1(fields.at(0).trimmed());
        double weight = 1;
        for (const QByteArray &field : fields.mid(1)) {
            if (field.trimmed().startsWith("q="))
                weight = field.trimmed().mid(2).toDouble();
        }
        if (!tag.isEmpty() && tag != u'*' && weight > 0)
            weighted.append({weight, tag});
    }
    std::stable_sort(weighted.begin(), weighted.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList tags;
    for (const auto &entry : std::as_const(weighted))
        tags << entry.second;
    return tags;
}

} // namespace

QString pageLanguage(const QByteArray &acceptLanguage, const QByteArray &query)
{
    const QString asked =
        QUrlQuery(QString::fromLatin1(query)).queryItemValue(QStringLiteral("lang"));
    QStringList preferred = acceptedLanguages(acceptLanguage);
    if (!asked.isEmpty())
        preferred.prepend(asked);
    return chooseLanguage(preferred, translatedLanguages());
}

// A translator of its own: the pages' language need not be the program's.
PageWords::PageWords(const QString &language)
{
    m_translated = !language.isEmpty() && m_translator.load(QStringLiteral("corvella_") + language,
                                                            QStringLiteral(":/i18n"));
}

QString PageWords::operator()(const char *context, const char *text) const
{
    const QString translated = m_translated ? m_translator.translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QByteArray pageTexts(const QByteArray &acceptLanguage, const QByteArray &query)
{
    return wordsTable(pageLanguage(acceptLanguage, query));
}

QByteArray wordsTable(const QString &language)
{
    QJsonObject texts;
    const PageWords words(language);
    if (words.isTranslated()) {
        for (const char *text : Texts)
            texts.insert(QString::fromUtf8(text), words("WebPages", text));
    }
    return QJsonDocument(texts).toJson(QJsonDocument::Compact);
}

QStringList pageWords()
{
    QStringList words;
    for (const char *text : Texts)
        words << QString::fromUtf8(text);
    return words;
}

QByteArray translatedPage(const QByteArray &html, const QString &language)
{
    const QString code = language.isEmpty() ? QStringLiteral("en") : language;
    QString page = QString::fromUtf8(html);
    page.replace(QStringLiteral("<html lang=\"en\">"), u"<html lang=\"" + code + u"\">");
    page.replace(QStringLiteral("src=\"/texts.js\""), u"src=\"/texts.js?lang=" + code + u'"');
    const PageWords words(language);
    if (words.isTranslated()) {
        for (const char *text : Texts) {
            const QString english = QString::fromUtf8(text).toHtmlEscaped();
            const QString translated = words("WebPages", text).toHtmlEscaped();
            page.replace(u'>' + english + u'<', u'>' + translated + u'<');
            page.replace(u'"' + english + u'"', u'"' + translated + u'"');
        }
    }
    return page.toUtf8();
}

QByteArray textsScript(const QByteArray &script, const QString &language)
{
    QByteArray filled = script;
    return filled.replace(WordsSlot, wordsTable(language));
}
