#pragma once

#include <QByteArray>
#include <QTranslator>

// The words of a page in one of the languages Corvella speaks, from its
// translations; a word not translated, or English, stays as written.
class PageWords
{
public:
    explicit PageWords(const QString &language);
    bool isTranslated() const { return m_translated; }
    QString operator()(const char *context, const char *text) const;

private:
    QTranslator m_translator;
    bool m_translated = false;
};

// The few words of the network pages in the browser's language: a JSON
// object from each English text to its translation, for the language that
// `?lang=` names, else the first of the Accept-Language header's that
// Corvella speaks. English, or none of them, gives an empty object.
QByteArray pageTexts(const QByteArray &acceptLanguage, const QByteArray &query);

// The language those texts are in, as a code; empty for English.
QString pageLanguage(const QByteArray &acceptLanguage, const QByteArray &query);

// The same object for a language code (empty: English).
QByteArray wordsTable(const QString &language);

// Every text the pages show in a language, in English, as the pages write it.
QStringList pageWords();

// A page in a language from its first frame: its words translated where the
// HTML has them (between tags, or as an attribute's whole value), its `lang`
// set, and its script of words asked for in the same language.
QByteArray translatedPage(const QByteArray &html, const QString &language);

// texts.js with the language's table of words written into it, so a page's
// scripts have them before they draw anything.
QByteArray textsScript(const QByteArray &script, const QString &language);
