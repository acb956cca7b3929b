#pragma once

#include <QColor>

// How well one colour reads on another, as the web's accessibility rules
// measure it: 1 (none) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// Below this a name on its band gets an outline.
constexpr double MinReadableContrast = 4.5;

inline bool needsOutline(const QColor &text, const QColor &band)
{
    return contrastRatio(text, band) < MinReadableContrast;
}

// The outline that reads around `text`: black or white, whichever stands
// out more from the text.
QColor outlineFor(const QColor &text);
