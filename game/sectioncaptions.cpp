#include "game/sectioncaptions.h"

#include "settings/appsettings.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

// The defaults of the two captions and what the shipped presets put there.
const char *const OwnWords[] = {
    QT_TRANSLATE_NOOP("SectionCaptions", "Section 1"),
    QT_TRANSLATE_NOOP("SectionCaptions", "Section 2"),
    QT_TRANSLATE_NOOP("SectionCaptions", "Fouls"),
    QT_TRANSLATE_NOOP("SectionCaptions", "Sets"),
};

} // namespace

QString SectionCaptions::shown(const QString &stored)
{
    const auto own =
        std::find_if(std::begin(OwnWords), std::end(OwnWords),
                     [&stored](const char *word) { return stored == QLatin1StringView(word); });
    return own == std::end(OwnWords) ? stored
                                     : QCoreApplication::translate("SectionCaptions", *own);
}

QString SectionCaptions::of(const Settings &settings, int section)
{
    return shown(section == 1 ? settings.SectionText1 : settings.SectionText2);
}

bool SectionCaptions::section2Shown(const Settings &settings)
{
    // A match in sets counts the sets won there, whatever the role says.
    return settings.Section2Role != QLatin1StringView("none") || settings.SetsEnabled != 0;
}

QStringList SectionCaptions::ownWords()
{
    QStringList words;
    for (const char *word : OwnWords)
        words << QLatin1StringView(word);
    return words;
}
