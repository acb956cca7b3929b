#include "i18n/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMap>
#include <QTranslator>

namespace {

const QString TranslationFolder = QStringLiteral(":/i18n");

QString languageOf(const QString &name)
{
    return name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

QTranslator *load(QCoreApplication &app, const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(TranslationFolder).entryList({QStringLiteral("corvella_*.qm")}, QDir::Files);
    for (const QString &file : files)
        languages << file.section(u'_', 1).section(u'.', 0, 0);
    return languages;
}

QString languageName(const QString &code)
{
    // Qt's own names carry the country for some ("español de España").
    static const QMap<QString, QString> names = {
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
    };
    return names.value(code, QLocale(code).nativeLanguageName());
}

QString chooseLanguage(const QStringList &preferred, const QStringList &translated)
{
    // QTranslator::load(QLocale) would skip an English first choice for a
    // translated second one; English is a choice like the others here.
    for (const QString &name : preferred) {
        const QString language = languageOf(name);
        if (language == QLatin1StringView("en") || language == QLatin1StringView("c"))
            return {};
        if (translated.contains(language))
            return language;
    }
    return {};
}

QString startLanguage(const QString &chosen)
{
    // On Unix Qt reads LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, into the
    // system locale's list of languages.
    const QStringList preferred =
        chosen.isEmpty() ? QLocale::system().uiLanguages() : QStringList{chosen};
    return chooseLanguage(preferred, translatedLanguages());
}

QList<QTranslator *> installTranslations(QCoreApplication &app, const QString &language)
{
    QList<QTranslator *> installed;
    if (language.isEmpty())
        return installed;
    installed << load(app, QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))
              << load(app, QStringLiteral("corvella_") + language, TranslationFolder);
    installed.removeAll(nullptr);
    return installed;
}
