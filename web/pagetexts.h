#pragma once

#include <QByteArray>

// The few words of the network pages in the browser's language: a JSON
// object from each English text to its translation, for the language that
// `?lang=` names, else the first of the Accept-Language header's that
// Corvella speaks. English, or none of them, gives an empty object.
QByteArray pageTexts(const QByteArray &acceptLanguage, const QByteArray &query);

// The language those texts are in, as a code; empty for English.
QString pageLanguage(const QByteArray &acceptLanguage, const QByteArray &query);
