#pragma once

#include <QString>
#include <QStringList>

struct Settings;

// The section captions as every view of the game shows them. A caption the
// program gave itself (its default, or a word a shipped preset put there)
// is shown in the program's language, like the presets' names; a caption
// the operator typed is shown as typed.
namespace SectionCaptions {

// `stored` as the board shows it.
QString shown(const QString &stored);
// Section `section`'s caption (1 or 2) on a board with `settings`.
QString of(const Settings &settings, int section);
// Whether the board shows section 2: a sport with one score hides it.
bool section2Shown(const Settings &settings);
// The captions the program gives itself, untranslated.
QStringList ownWords();

} // namespace SectionCaptions
