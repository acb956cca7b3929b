#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

// The language Corvella speaks: the one chosen in the options, else the
// desktop's, as long as Corvella has a translation for it. English needs
// none: the texts in the code are the English ones.

// The languages with a translation compiled in, as two-letter codes.
QStringList translatedLanguages();

// A language's name in that language ("Deutsch"), as the options list it.
QString languageName(const QString &code);

// The first of the preferred languages ("de-DE", "nl_BE", "en") that is
// English or translated; empty for English, also when none is.
QString chooseLanguage(const QStringList &preferred, const QStringList &translated);

// The language for this run: the stored choice, or the desktop's when it is
// empty (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QString startLanguage(const QString &chosen);

// Loads Corvella's translation and Qt's own (its buttons and dialogs) into
// the application; nothing for English. Deleting a translator it returns
// takes its texts back out.
QList<QTranslator *> installTranslations(QCoreApplication &app, const QString &language);
