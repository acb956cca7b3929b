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
